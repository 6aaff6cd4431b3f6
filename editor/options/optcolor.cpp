#include "editor/options/optcolor.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "app/settings.h"
#include "base/profile.h"
#include "editor/view/viewoptions.h"

namespace {

COptColor::Picker& PickerSlot()
{
    static COptColor::Picker picker;
    return picker;
}

QColor FromColorRef(int c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int ToColorRef(const QColor& c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QString ColorLabel(const char* key)
{
    static const struct {
        const char* key;
        const char* text;
    } labels[] = {
        {"Background", QT_TRANSLATE_NOOP("COptColor", "Background")},
        {"Grid", QT_TRANSLATE_NOOP("COptColor", "Main grid")},
        {"SubGrid", QT_TRANSLATE_NOOP("COptColor", "Sub grid")},
        {"Cursor", QT_TRANSLATE_NOOP("COptColor", "Cursor")},
        {"Wire", QT_TRANSLATE_NOOP("COptColor", "Wire")},
        {"WireName", QT_TRANSLATE_NOOP("COptColor", "Wire name")},
        {"Bus", QT_TRANSLATE_NOOP("COptColor", "Bus")},
        {"BusName", QT_TRANSLATE_NOOP("COptColor", "Bus name")},
        {"Line", QT_TRANSLATE_NOOP("COptColor", "Line")},
        {"LineName", QT_TRANSLATE_NOOP("COptColor", "Line name")},
        {"Junction", QT_TRANSLATE_NOOP("COptColor", "Junction")},
        {"PartOutline", QT_TRANSLATE_NOOP("COptColor", "Part outline")},
        {"PartRef", QT_TRANSLATE_NOOP("COptColor", "Part reference")},
        {"PartName", QT_TRANSLATE_NOOP("COptColor", "Part name")},
        {"PartValue", QT_TRANSLATE_NOOP("COptColor", "Part value")},
        {"Pin", QT_TRANSLATE_NOOP("COptColor", "Pin")},
        {"PinNo", QT_TRANSLATE_NOOP("COptColor", "Pin number")},
        {"PinName", QT_TRANSLATE_NOOP("COptColor", "Pin name")},
        {"Text", QT_TRANSLATE_NOOP("COptColor", "Text")},
        {"Highlight", QT_TRANSLATE_NOOP("COptColor", "Highlighted net")},
    };
    for (const auto& l : labels)
        if (std::strcmp(l.key, key) == 0)
            return COptColor::tr(l.text);
    return QString::fromLatin1(key);
}

} // namespace

void COptColor::SetPicker(Picker picker)
{
    PickerSlot() = std::move(picker);
}

COptColor::COptColor(QWidget* parent) : COptionPage(optpage::kColor, tr("Colour"), parent)
{
    auto* grid = new QGridLayout;
    int n = 0;
    for (const CDisplayColorKey& c : DisplayColorKeys()) {
        Row row{c.key, ColorLabel(c.key), new QPushButton(this), {}, {}};
        row.shown = row.current = FromColorRef(SettingInt("Color", c.key));
        row.button->setObjectName(QStringLiteral("Color/%1").arg(c.key));
        row.button->setMinimumWidth(64);
        const int column = (n % 2) * 2, line = n / 2;
        grid->addWidget(new QLabel(row.label, this), line, column);
        grid->addWidget(row.button, line, column + 1);
        ++n;
        m_rows.push_back(row);
    }
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Show(m_rows[i]);
        connect(m_rows[i].button, &QPushButton::clicked, this, [this, i] {
            Row& row = m_rows[i];
            const QColor picked = PickerSlot()
                                      ? PickerSlot()(row.current, row.label)
                                      : QColorDialog::getColor(row.current, this, row.label);
            if (picked.isValid()) {
                row.current = picked;
                Show(row);
            }
        });
    }
    auto* reset = new QPushButton(tr("&Reset to Defaults"), this);
    reset->setObjectName("ResetColors");
    connect(reset, &QPushButton::clicked, this, &COptColor::ResetToDefaults);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(reset, 0, Qt::AlignRight);
}

void COptColor::Show(Row& row)
{
    QPixmap swatch(40, 14);
    swatch.fill(row.current);
    row.button->setIcon(QIcon(swatch));
    row.button->setIconSize(swatch.size());
    row.button->setToolTip(row.current.name());
}

void COptColor::ResetToDefaults()
{
    for (Row& row : m_rows) {
        const CSettingKey* entry = FindSetting("Color", row.key);
        row.current = FromColorRef(entry ? entry->intDefault : 0);
        Show(row);
    }
}

QColor COptColor::ColorOf(const char* key) const
{
    for (const Row& row : m_rows)
        if (std::strcmp(row.key, key) == 0)
            return row.current;
    return QColor();
}

void COptColor::Apply()
{
    for (const Row& row : m_rows)
        if (row.current != row.shown)
            Profile().WriteInt("Color", row.key, ToColorRef(row.current));
}
