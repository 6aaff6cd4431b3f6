// MemoryProfile: a settings store held in memory, for tests and for runs
// that must not touch the user's settings.
#pragma once

#include <map>
#include <string>

#include "base/profile.h"

class MemoryProfile : public CProfile {
public:
    int GetInt(const char* section, const char* key, int defaultValue) override;
    CString GetString(const char* section, const char* key,
                      const CString& defaultValue = CString()) override;
    bool GetBinary(const char* section, const char* key, std::vector<uint8_t>& out) override;
    void WriteInt(const char* section, const char* key, int value) override;
    void WriteString(const char* section, const char* key, const CString& value) override;
    void WriteBinary(const char* section, const char* key, const std::vector<uint8_t>& value) override;
    void DeleteKey(const char* section, const char* key) override;
    void DeleteSection(const char* section) override;

    // A stored value is an integer, a string or bytes.
    struct Value {
        enum Kind { Int, String, Binary } kind = String;
        int number = 0;
        std::string bytes;  // string or binary content
    };
    // Sections and keys compare without case, as the settings store does.
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Section = std::map<std::string, Value, NoCaseLess>;
    using Store = std::map<std::string, Section, NoCaseLess>;

    const Store& Contents() const { return m_store; }

protected:
    // Called after every change; the INI store writes its file here.
    virtual void Changed() {}
    Store m_store;

private:
    const Value* Find(const char* section, const char* key) const;
};
