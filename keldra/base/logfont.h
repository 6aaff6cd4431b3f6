// LOGFONT: the 60-byte font record stored with texts that carry their own font.
#pragma once

#include <cstdint>
#include <cstring>

#include "base/string.h"

struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};

    static constexpr int kStoredSize = 60;
    static constexpr int kFaceSize = 32;

    // Face name up to the first NUL.  Setting keeps at most 31 bytes, and never
    // half of a double-byte character (a lone lead byte would name no face).
    CString FaceName() const { return CString(lfFaceName, int(strnlen(lfFaceName, kFaceSize))); }
    void SetFaceName(const CString& face)
    {
        std::memset(lfFaceName, 0, sizeof lfFaceName);
        int keep = 0;
        for (int p = 0; p < face.GetLength(); p += face.CharLengthAt(p)) {
            if (p + face.CharLengthAt(p) >= kFaceSize)
                break;
            keep = p + face.CharLengthAt(p);
        }
        std::memcpy(lfFaceName, face.c_str(), size_t(keep));
    }

    // The stored byte image, little-endian.
    void ToBytes(uint8_t out[kStoredSize]) const;
    void FromBytes(const uint8_t in[kStoredSize]);

    friend bool operator==(const LOGFONT& a, const LOGFONT& b)
    {
        uint8_t x[kStoredSize], y[kStoredSize];
        a.ToBytes(x);
        b.ToBytes(y);
        return std::memcmp(x, y, kStoredSize) == 0;
    }
};

// Character sets and precisions the system uses by value.
constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t SHIFTJIS_CHARSET = 128;
constexpr uint8_t CLIP_LH_ANGLES = 16;
constexpr uint8_t FF_SWISS = 32;
constexpr int32_t FW_NORMAL = 400;
