// The project and document commands of the batch front end, over vireo_app.
//
//   project list P.dpj [--all]     the sheets (with --all also the unchecked
//                                  ones, each prefixed "1:" or "0:")
//   project get P.dpj [KEY]        a property's value (or every property line)
//   project set P.dpj KEY VALUE    set a property; an empty VALUE removes it
//   resave FILE.dcd                open and save through the document (backups)
#pragma once

#include <string>
#include <vector>

struct CDocumentHeader;

int ProjectCommand(const std::vector<std::string>& args);
int ResaveCommand(const std::vector<std::string>& args);
// The title file and the property entries, for `info`.
void PrintTitleAndProperties(const CDocumentHeader& header);
