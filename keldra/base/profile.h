// CProfile: the per-user settings store, one section per settings group and
// one value per key, read with a default at the point of use.
//
// Profile() is the process-wide store.  Unless a program or test installs
// another one with SetProfile, it is an IniProfile on $VIREO_CONFIG, or else on
// $XDG_CONFIG_HOME/TARN/Vireo.ini (~/.config/TARN/Vireo.ini).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/string.h"

class CProfile {
public:
    virtual ~CProfile() = default;

    virtual int GetInt(const char* section, const char* key, int defaultValue) = 0;
    virtual CString GetString(const char* section, const char* key,
                              const CString& defaultValue = CString()) = 0;
    // False (and out untouched) when the key is absent.
    virtual bool GetBinary(const char* section, const char* key, std::vector<uint8_t>& out) = 0;

    virtual void WriteInt(const char* section, const char* key, int value) = 0;
    virtual void WriteString(const char* section, const char* key, const CString& value) = 0;
    virtual void WriteBinary(const char* section, const char* key,
                             const std::vector<uint8_t>& value) = 0;
    virtual void DeleteKey(const char* section, const char* key) = 0;
    virtual void DeleteSection(const char* section) = 0;

    // Runs change as one read-modify-write of the store: a store kept in a
    // file takes the values other programs wrote meanwhile, lets change read
    // and write them, and writes the result while no other program can.
    // False with error set when the result could not be written.
    virtual bool Update(const std::function<void()>& change, std::string& error)
    {
        (void)error;
        change();
        return true;
    }
};

// The process-wide store.
CProfile& Profile();
// Installs a store and returns the previous one (null if none was created yet).
std::unique_ptr<CProfile> SetProfile(std::unique_ptr<CProfile> profile);

// Installs a store for the lifetime of the object and puts the previous one back.
class CScopedProfile {
public:
    explicit CScopedProfile(std::unique_ptr<CProfile> profile);
    ~CScopedProfile();
    CScopedProfile(const CScopedProfile&) = delete;
    CScopedProfile& operator=(const CScopedProfile&) = delete;
    CProfile& operator*() const { return Profile(); }
    CProfile* operator->() const { return &Profile(); }

private:
    std::unique_ptr<CProfile> m_previous;
};
