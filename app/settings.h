// The settings keys of the whole program in one typed table.
//
// Every key the program reads or writes is listed once with its section, its
// type, its default and the range a stored value is clamped into.  Code reads
// settings through SettingInt/SettingString so that a hand-edited or damaged
// settings file can never hand a command a value it was not built for (a
// recent list of 0 entries, a sheet size index past the six sizes, an autosave
// after every 0 edits).
#pragma once

#include <climits>
#include <vector>

#include "base/string.h"

struct CSettingKey {
    enum Type { Int, String, Binary };
    const char* section;
    const char* key;
    Type type;
    int intDefault;           // Int keys
    const char* textDefault;  // String keys, UTF-8 (converted to CP932 when read)
    int minValue;             // Int keys: a stored value is clamped into [min, max]
    int maxValue;
    // True for the keys whose default this program chose itself because no
    // owner of the key states one.
    bool chosenDefault;
};

// The whole table, section by section.
const std::vector<CSettingKey>& SettingsTable();
// The entry of a key (sections and keys compare without case); null when the
// key is not in the table.
const CSettingKey* FindSetting(const char* section, const char* key);

// The value of an Int key from the settings store, with the table's default
// and clamped into the table's range.  A key missing from the table reads 0.
int SettingInt(const char* section, const char* key);
// The value of a String key (CP932) with the table's default.
CString SettingString(const char* section, const char* key);
// The table's default of a String key, as CP932.
CString SettingDefaultString(const char* section, const char* key);
// Clamps a value into the range of a key.
int ClampSetting(const CSettingKey& entry, int value);

// The number of entries a recent list may hold.
constexpr int kMaxRecentEntries = 16;
