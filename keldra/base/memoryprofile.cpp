#include "base/memoryprofile.h"

#include <cerrno>
#include <cstdlib>
#include <strings.h>

bool MemoryProfile::NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

const MemoryProfile::Value* MemoryProfile::Find(const char* section, const char* key) const
{
    const auto s = m_store.find(section);
    if (s == m_store.end())
        return nullptr;
    const auto k = s->second.find(key);
    return k == s->second.end() ? nullptr : &k->second;
}

int MemoryProfile::GetInt(const char* section, const char* key, int defaultValue)
{
    const Value* v = Find(section, key);
    if (!v)
        return defaultValue;
    if (v->kind == Value::Int)
        return v->number;
    if (v->kind == Value::String && !v->bytes.empty()) {
        // A number written as a string (by hand in the file) still counts.
        char* end = nullptr;
        errno = 0;
        const long n = std::strtol(v->bytes.c_str(), &end, 0);
        if (errno == 0 && end && *end == '\0')
            return int(n);
    }
    return defaultValue;
}

CString MemoryProfile::GetString(const char* section, const char* key, const CString& defaultValue)
{
    const Value* v = Find(section, key);
    if (!v || v->kind == Value::Binary)
        return defaultValue;
    if (v->kind == Value::Int)
        return CString::Formatted("%d", v->number);
    return CString(v->bytes);
}

bool MemoryProfile::GetBinary(const char* section, const char* key, std::vector<uint8_t>& out)
{
    const Value* v = Find(section, key);
    if (!v || v->kind != Value::Binary)
        return false;
    out.assign(v->bytes.begin(), v->bytes.end());
    return true;
}

void MemoryProfile::WriteInt(const char* section, const char* key, int value)
{
    Value& v = m_store[section][key];
    v = Value{Value::Int, value, {}};
    Changed();
}

void MemoryProfile::WriteString(const char* section, const char* key, const CString& value)
{
    Value& v = m_store[section][key];
    v = Value{Value::String, 0, value.str()};
    Changed();
}

void MemoryProfile::WriteBinary(const char* section, const char* key, const std::vector<uint8_t>& value)
{
    Value& v = m_store[section][key];
    v = Value{Value::Binary, 0, std::string(value.begin(), value.end())};
    Changed();
}

void MemoryProfile::DeleteKey(const char* section, const char* key)
{
    const auto s = m_store.find(section);
    if (s == m_store.end() || !s->second.erase(key))
        return;
    Changed();
}

void MemoryProfile::DeleteSection(const char* section)
{
    if (m_store.erase(section))
        Changed();
}
