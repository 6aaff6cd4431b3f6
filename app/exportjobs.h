// The DXF and Tango exports as batch jobs: one sheet file in, one file out,
// through the document's Save Other Format.
#pragma once

#include <filesystem>

// Opens input as a document and writes its drawing (and title block, as
// Sheet/TitleDisp says) as DXF to output (".dxf" added when missing), with
// the header file headerFile (empty: DXF_HDR.DAT of the data folder).  The
// header file is read before anything else, so that a missing one stops the
// job before any file is created.  False with the host told on failure.
bool RunDxfJob(const std::filesystem::path& input, const std::filesystem::path& output,
               const std::filesystem::path& headerFile = {});

// Opens input as a document and writes its drawing as a Tango schematic.
bool RunTangoJob(const std::filesystem::path& input, const std::filesystem::path& output);
