// CHoverTip: what the tip window says about the item under the resting mouse.
//
// Parts give their name, reference and value, the pin under the mouse and
// their properties; loose pins their number, name and type; a named wire its
// name and, when asked, where else the name appears (the net index entries);
// texts their height, font and, when hidden, their string; arcs their angles
// and radius; lines their arrows.  The labels follow the interface language.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

#include "base/point.h"
#include "base/string.h"

class CSheet;

class CHoverTip {
    Q_DECLARE_TR_FUNCTIONS(CHoverTip)

public:
    // The entries of the net index for a wire name, one line each.
    using WireIndex = std::function<QStringList(const CString& name)>;

    // The tip for the sheet point p; tolerance (sheet units) widens the
    // thin items.  Empty when no item is there.
    static QString Text(const CSheet& sheet, const CPoint& p, int tolerance,
                        const WireIndex& wireIndex);
};
