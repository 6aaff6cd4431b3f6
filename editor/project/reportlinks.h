// The jumps a report carries back into the design.
//
// A report row names a sheet and a point: the HTML pages carry
// "&[VIREO]AUTOTAGJUMP&N" (N = y * 65536 + x, as a signed 32-bit number)
// beside the sheet's path, the text reports print "path [n]" and the point
// as "X:  12.50 Y:  34.00", the net index lists file numbers and points.  The
// report window turns every such row into a link "vireo:PATH?x=X&y=Y" (PATH
// absolute and percent-encoded), the form a desktop hands to the program too.
#pragma once

#include <QString>
#include <optional>

#include "base/point.h"

struct CReportJump {
    QString path;
    CPoint at;
};

// Decodes "&[VIREO]AUTOTAGJUMP&N"; nullopt when text is not one.
std::optional<CPoint> DecodeTagJump(const QString& text);
// "vireo:PATH?x=X&y=Y" and back; nullopt when link is not one.
QString VireoLink(const QString& path, const CPoint& at);
std::optional<CReportJump> ParseVireoLink(const QString& link);

// An HTML report with each row that carries a jump made a link (its first
// cell); relative sheet paths are taken from folder.
QString LinkHtmlReport(const QString& html, const QString& folder);
// A text report as HTML: the lines, each line that names a sheet and a
// point made a link.
QString LinkTextReport(const QString& text, const QString& folder);
