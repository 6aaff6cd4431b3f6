// What the program installs into the core before the first document opens.
#pragma once

// The Tango reader of the documents (title blocks and ";Tango" files are
// Tango texts).
void InstallDocumentReaders();
