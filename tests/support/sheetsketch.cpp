#include "support/sheetsketch.h"

#include <sstream>
#include <stdexcept>
#include <vector>

#include "sheet/sheet.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

}  // namespace

void Sketch(CSheet& sheet, const std::string& text)
{
    for (const std::string& record : Split(text, ';')) {
        std::istringstream in(record);
        std::string kind;
        if (!(in >> kind))
            continue;
        if (kind == "W" || kind == "WP" || kind == "B" || kind == "L") {
            int x1, y1, x2, y2;
            in >> x1 >> y1 >> x2 >> y2;
            uint32_t type = kind == "B" ? CLine::kBus : kind == "L" ? CLine::kPlain : CLine::kWire;
            if (kind == "WP")
                type |= CLine::kPower;
            CLine line(CPoint(x1, y1), CPoint(x2, y2), type);
            line.SetLineWidth(CLine::WidthFromSettings(type));
            std::string name;
            if (in >> name && name.size() > 1 && name[0] == ':')
                line.SetName(CString(name.substr(1).c_str()), CPoint(x1, y1), 0);
            sheet.NewLine(line);
        } else if (kind == "J") {
            int x, y;
            in >> x >> y;
            sheet.NewJunc(CPoint(x, y));
        } else if (kind == "U") {
            std::string ref;
            in >> ref;
            CPart part;
            std::string rest;
            std::getline(in, rest);
            for (const std::string& group : Split(rest, '|')) {
                std::istringstream pin(group);
                int bx, by, tx, ty;
                if (!(pin >> bx >> by >> tx >> ty))
                    throw std::invalid_argument("bad pin in sketch: " + group);
                std::string flag;
                const uint32_t elect = pin >> flag && flag == "h" ? CPin::kHidden : 0;
                part.NewPin(CPoint(bx, by), CPoint(tx, ty), elect);
            }
            part.SetRefName(CString(ref.c_str()));
            part.CalcBoundRect();
            sheet.NewPart(part);
        } else if (kind == "N") {
            int bx, by, tx, ty;
            in >> bx >> by >> tx >> ty;
            sheet.NewPin(CPoint(bx, by), CPoint(tx, ty), 0);
        } else {
            throw std::invalid_argument("unknown sketch record: " + record);
        }
    }
}

std::string LineText(const CSheet& sheet, int kind)
{
    const CItemList<CLine>& list = kind == 3 ? sheet.Buses() : kind == 5 ? sheet.Lines() : sheet.Wires();
    std::ostringstream out;
    bool first = true;
    for (const CLine& line : list) {
        out << (first ? "" : "; ") << line.GetStartPoint().x << ' ' << line.GetStartPoint().y << ' '
            << line.GetEndPoint().x << ' ' << line.GetEndPoint().y;
        if (!line.GetName().IsEmpty())
            out << " :" << line.GetName().str();
        first = false;
    }
    return out.str();
}
