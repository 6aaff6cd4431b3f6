// vireo-cli refs: the part references of one or more sheets, sorted.
#pragma once

#include <string>
#include <vector>

// Runs "refs INPUT... [--sort ref|reading]"; returns the exit status.
int RefsCommand(const std::vector<std::string>& args);
