// Loading and saving schematic sheets by file name for the batch front end:
// ".dcd" files in the binary format (any version on reading, the newest on
// writing), ".txt" files in the plain text form; a Tango schematic (known by
// its first line) is read whatever its name.
#pragma once

#include <filesystem>
#include <string>

#include "sheet/schematicfile.h"
#include "sheet/sheet.h"

enum class SchematicFormat { Binary, Text, Unknown };

// The format a file name asks for (by its extension, ignoring case).
SchematicFormat FormatOfPath(const std::filesystem::path& path);

// What was read from one file.
struct LoadedSchematic {
    CDocumentHeader header;
    CSheet main{CSheet::kDrawing};
    CSheet title{CSheet::kTitle};
    bool hasTitle = false;
};

// Reads a file; on failure returns false and sets error to a one-line reason.
bool LoadSchematic(const std::filesystem::path& path, LoadedSchematic& out, std::string& error);
// Writes a file in the format its name asks for, never leaving a partial file.
bool SaveSchematic(const std::filesystem::path& path, LoadedSchematic& in, std::string& error);
