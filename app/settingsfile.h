// Settings as a file a user can carry to another machine or keep aside: the
// whole store written as the INI text the program keeps its settings in, and
// read back.
//
// Reading is all or nothing.  Every line is checked first - its form, and for
// the keys the program knows, the type and the range of the value - and the
// first wrong line is named; only a file without one changes the store.  Keys
// the program does not know are carried as they are, so that settings of a
// newer version survive a trip through an older one.
#pragma once

#include <filesystem>
#include <string>

struct CSettingsFileResult {
    bool ok = false;
    int line = 0;      // the first wrong line (from 1), 0 when none
    std::string error; // what is wrong with it, or why the file failed
    int keys = 0;      // keys written to the store
};

// The INI text of the whole current store.
std::string SettingsText();
// Checks text and, when every line is sound, writes its keys into the store
// in one update.  Keys of the store that the text does not name stay.
CSettingsFileResult ImportSettingsText(const std::string& text);

// The same through files.  Export writes atomically.
CSettingsFileResult ExportSettings(const std::filesystem::path& path);
CSettingsFileResult ImportSettings(const std::filesystem::path& path);
