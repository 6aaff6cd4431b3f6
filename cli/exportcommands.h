// The export commands of vireo-cli, over the jobs of vireo_app.
//
//   pdf [--title T] [--subtitle S] [--author A] [--scale X] [--color]
//       [--background] [--no-title] [--all] [-o BASE] INPUT...
//                          sheets (.dcd, .txt, Tango) or projects (.dpj) to
//                          BASE.pdf, one page per sheet; prints
//                          "pages: N  fonts: M"
//   dxf [--header FILE] IN OUT.dxf    one sheet as DXF
//   tango IN OUT                      one sheet as a Tango schematic
//   svg [--bw] [--all] [-o BASE] INPUT...
//                          each sheet as BASE.svg (BASE-1.svg ... for
//                          several); prints "pictures: N"
#pragma once

#include <string>
#include <vector>

int PdfCommand(const std::vector<std::string>& args);
int DxfCommand(const std::vector<std::string>& args);
int TangoCommand(const std::vector<std::string>& args);
int SvgCommand(const std::vector<std::string>& args);
