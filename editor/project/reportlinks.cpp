#include "editor/project/reportlinks.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString Resolve(const QString& folder, QString path)
{
    // Sheets made on Windows may name their folders with backslashes.
    path.replace('\\', '/');
    return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
}

// "  12.50" (value / 100, two decimals) back to sheet units.
int Hundredths(const QString& whole, const QString& fraction)
{
    const int w = whole.trimmed().toInt();
    const int f = fraction.toInt();
    return whole.trimmed().startsWith('-') ? w * 100 - f : w * 100 + f;
}

QString Anchor(const QString& link, const QString& text)
{
    return "<a href=\"" + link.toHtmlEscaped() + "\">" + text + "</a>";
}

} // namespace

std::optional<CPoint> DecodeTagJump(const QString& text)
{
    static const QRegularExpression form("^&\\[VIREO\\]AUTOTAGJUMP&(-?\\d+)$");
    const QRegularExpressionMatch m = form.match(text.trimmed());
    bool ok = false;
    const qlonglong value = m.hasMatch() ? m.captured(1).toLongLong(&ok) : 0;
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    // x is the low half (sheets are far narrower than 32768 units, so it is
    // read signed), y what remains above it.
    const auto v = int32_t(value);
    const int x = int16_t(uint16_t(uint32_t(v) & 0xFFFF));
    const int y = int((int64_t(v) - x) / 65536);
    return CPoint(x, y);
}

QString VireoLink(const QString& path, const CPoint& at)
{
    return "vireo:" + QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
           QString("?x=%1&y=%2").arg(at.x).arg(at.y);
}

std::optional<CReportJump> ParseVireoLink(const QString& link)
{
    if (!link.startsWith("vireo:", Qt::CaseInsensitive))
        return std::nullopt;
    const QString rest = link.mid(6);
    const int q = rest.lastIndexOf('?');
    if (q <= 0)
        return std::nullopt;
    QString path = QUrl::fromPercentEncoding(rest.left(q).toUtf8());
    // A desktop may hand the link on with "//" before an absolute path.
    while (path.startsWith("//"))
        path.remove(0, 1);
    const QUrlQuery query(rest.mid(q + 1));
    bool okX = false, okY = false;
    const int x = query.queryItemValue("x").toInt(&okX);
    const int y = query.queryItemValue("y").toInt(&okY);
    if (path.isEmpty() || !okX || !okY)
        return std::nullopt;
    return CReportJump{path, CPoint(x, y)};
}

QString LinkHtmlReport(const QString& html, const QString& folder)
{
    static const QRegularExpression row("(<tr\\b[^>]*\\bdata-jump=\"([^\"]*)\"[^>]*>)(.*?)(</tr>)",
                                        QRegularExpression::DotMatchesEverythingOption |
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression title("\\btitle=\"([^\"]*)\"");
    static const QRegularExpression firstCell("(<td\\b[^>]*>)(.*?)(</td>)",
                                              QRegularExpression::DotMatchesEverythingOption);
    QString out;
    qsizetype last = 0;
    auto it = row.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += html.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        QString cells = m.captured(3);
        // The page's own link to the place (for a browser) gives way to
        // ours, resolved against the report's folder.
        static const QRegularExpression ownLink("<a href=\"vireo:[^\"]*\">(.*?)</a>",
                                                QRegularExpression::DotMatchesEverythingOption);
        cells.replace(ownLink, "\\1");
        const auto unescape = [](QString s) {
            return s.replace("&quot;", "\"")
                .replace("&lt;", "<")
                .replace("&gt;", ">")
                .replace("&#39;", "'")
                .replace("&amp;", "&");
        };
        const std::optional<CPoint> at = DecodeTagJump(unescape(m.captured(2)));
        const QRegularExpressionMatch t = title.match(cells);
        const QRegularExpressionMatch c = firstCell.match(cells);
        if (at && t.hasMatch() && !t.captured(1).isEmpty() && c.hasMatch()) {
            const QString link = VireoLink(Resolve(folder, unescape(t.captured(1))), *at);
            cells.replace(c.capturedStart(), c.capturedLength(),
                          c.captured(1) + Anchor(link, c.captured(2)) + c.captured(3));
        }
        out += m.captured(1) + cells + m.captured(4);
    }
    out += html.mid(last);
    return out;
}

QString LinkTextReport(const QString& text, const QString& folder)
{
    // "path [n]<tab>X:  12.50 Y:  34.00" (net report, check log); the path
    // begins after a tab or a run of blanks and holds single blanks only.
    static const QRegularExpression sheetPoint(
        "(?:^|\\t| )([^\\t ](?:[^\\t ]| (?! ))*) \\[\\d+\\]\\tX:\\s*(-?\\d+)\\.(\\d\\d) "
        "Y:\\s*(-?\\d+)\\.(\\d\\d)");
    // The net index: "  1 ,path" in the file list, "NAME,  1,  12.50,  34.00" below it.
    static const QRegularExpression fileLine("^\\s*(\\d+) ,(.*)$");
    static const QRegularExpression indexPoint(
        "^.*,\\s*(\\d+),\\s*(-?\\d+)\\.(\\d\\d),\\s*(-?\\d+)\\.(\\d\\d)\\s*$");
    QMap<int, QString> files;
    bool inFileList = false;
    QString out = "<pre>";
    for (QString line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        QString link;
        if (line == "File lists") {
            inFileList = true;
        } else if (line == "Wire net index") {
            inFileList = false;
        } else if (inFileList) {
            if (const auto m = fileLine.match(line); m.hasMatch())
                files[m.captured(1).toInt()] = m.captured(2);
        } else if (const auto m = sheetPoint.match(line); m.hasMatch()) {
            link = VireoLink(Resolve(folder, m.captured(1)),
                             CPoint(Hundredths(m.captured(2), m.captured(3)),
                                    Hundredths(m.captured(4), m.captured(5))));
        } else if (const auto m = indexPoint.match(line);
                   m.hasMatch() && files.contains(m.captured(1).toInt())) {
            link = VireoLink(Resolve(folder, files[m.captured(1).toInt()]),
                             CPoint(Hundredths(m.captured(2), m.captured(3)),
                                    Hundredths(m.captured(4), m.captured(5))));
        }
        out += link.isEmpty() ? line.toHtmlEscaped() : Anchor(link, line.toHtmlEscaped());
        out += '\n';
    }
    return out + "</pre>";
}
