// The part library commands of vireo-cli: lib ..., lib2txt, txt2lib.
#pragma once

#include <string>
#include <vector>

int LibCommand(const std::vector<std::string>& args);
int Lib2TxtCommand(const std::vector<std::string>& args);
int Txt2LibCommand(const std::vector<std::string>& args);
