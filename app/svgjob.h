// The SVG export: each sheet of the inputs (sheets or a project) as an SVG
// picture for web pages and wikis, drawn as on paper.  One input sheet gives
// BASE.svg; several give BASE-1.svg, BASE-2.svg ... in the order the PDF
// export takes them.  Every file is written, or none.
#pragma once

#include <filesystem>
#include <vector>

struct CSvgJobResult {
    bool ok = false;
    std::vector<std::filesystem::path> written;
};

// color: the printer's colours (Printer/Color's table), else black.
CSvgJobResult RunSvgJob(const std::vector<std::filesystem::path>& inputs,
                        const std::filesystem::path& base, bool color, bool allSheets = false);
