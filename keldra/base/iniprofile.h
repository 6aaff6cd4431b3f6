// IniProfile: the settings store kept in one INI file.
//
// Sections are "[Name]" lines, values "key=value".  Integers are written in
// decimal, strings in double quotes with backslash escapes (so leading and
// trailing blanks, "=", ";", quotes and control bytes all survive), CP932
// text as UTF-8 when it converts back to the same bytes and as \xHH escapes
// otherwise, and binary values as "hex:" followed by hex digits.  Every change
// rewrites the file (atomically); a file that cannot be written is reported
// through LastError() and the values stay in memory.  A file that exists but
// cannot be read is never rewritten during the session.
#pragma once

#include <filesystem>
#include <string>

#include "base/memoryprofile.h"

class IniProfile : public MemoryProfile {
public:
    explicit IniProfile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return m_path; }
    const std::string& LastError() const { return m_lastError; }

    // The file's text for the current contents.
    std::string Render() const;
    // Replaces the contents with what the text holds (unreadable lines are skipped).
    void Parse(const std::string& text);

    bool Update(const std::function<void()>& change, std::string& error) override;

protected:
    void Changed() override;

private:
    std::filesystem::path m_path;
    std::string m_lastError;
    bool m_unreadable = false;
    bool m_updating = false; // inside Update: one write at its end
};

// The path of the user's settings file (see Profile()).
std::filesystem::path DefaultProfilePath();
