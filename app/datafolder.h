// The data folder: title blocks, report templates, header files, relative
// external programs and the autosave files of unnamed documents live there.
//
// Resolution, first match wins:
//   1. $VIREO_DATA (tests, scripts, a user who keeps the files elsewhere);
//   2. $XDG_DATA_HOME/Tarnell/VIREO/ (default ~/.local/share/Tarnell/VIREO/)
//      when that folder exists;
//   3. the installed share/vireo/ beside the program's bin/ folder, when it exists;
//   4. the source tree's data/ folder (a program run from its build tree).
#pragma once

#include <filesystem>
#include <string>

// What the resolution looks at; DataFolderInputsFromEnvironment fills it
// from the process.
struct CDataFolderInputs {
    std::string vireoData;           // $VIREO_DATA, empty when unset
    std::string xdgDataHome;         // $XDG_DATA_HOME, empty when unset
    std::string home;                // $HOME
    std::filesystem::path programDir;  // folder of the running program
    std::filesystem::path sourceData;  // the source tree's data folder
};

CDataFolderInputs DataFolderInputsFromEnvironment();
// The data folder for the given inputs, always with a trailing separator.
std::filesystem::path ResolveDataFolder(const CDataFolderInputs& inputs);
// The data folder of this process.
std::filesystem::path DataFolder();
// The user's own folder for the autosave copies of unnamed sheets:
// $XDG_STATE_HOME/vireo, else ~/.local/state/vireo (made, private, when
// missing).  Never the data folder, which may be installed and shared.
std::filesystem::path UserStateFolder();
