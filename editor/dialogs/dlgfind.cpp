#include "editor/dialogs/dlgfind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/host.h"
#include "editor/view/qtstring.h"

namespace {

const int kKindBits[8] = {findkind::kPartName, findkind::kReference, findkind::kValue,
                          findkind::kPinName,  findkind::kPinNumber, findkind::kPartText,
                          findkind::kSignal,   findkind::kText};

} // namespace

CDlgFind::CDlgFind(const CFindOptions& options, QWidget* parent)
    : QDialog(parent), m_options(options)
{
    setWindowTitle(tr("Find"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&Find what:"));
    m_text = new QComboBox;
    m_text->setEditable(true);
    m_text->setInsertPolicy(QComboBox::NoInsert);
    m_text->setMinimumWidth(260);
    for (const CString& s : m_options.history)
        m_text->addItem(ToQString(s));
    m_text->setCurrentIndex(m_options.history.empty() ? -1 : 0);
    label->setBuddy(m_text);
    row->addWidget(label);
    row->addWidget(m_text, 1);
    layout->addLayout(row);

    auto* kinds = new QGroupBox(tr("Search in"));
    auto* grid = new QGridLayout(kinds);
    const QString names[8] = {tr("&Part name"),   tr("&Reference"),  tr("&Value"),
                              tr("P&in name"),    tr("Pin n&umber"), tr("Te&xt in parts"),
                              tr("Signal &name"), tr("&Text")};
    for (int i = 0; i < 8; ++i) {
        m_kinds[i] = new QCheckBox(names[i]);
        m_kinds[i]->setChecked((m_options.target & kKindBits[i]) != 0);
        grid->addWidget(m_kinds[i], i % 4, i / 4);
    }
    layout->addWidget(kinds);

    m_matchCase = new QCheckBox(tr("Match &case"));
    m_word = new QCheckBox(tr("&Whole text only"));
    m_hide = new QCheckBox(tr("Include &hidden texts and pins"));
    m_allSheet = new QCheckBox(tr("Search &all open sheets"));
    m_selectItem = new QCheckBox(tr("&Select every match"));
    const std::pair<QCheckBox*, bool> switches[] = {{m_matchCase, m_options.matchCase},
                                                    {m_word, m_options.word},
                                                    {m_hide, m_options.hide},
                                                    {m_allSheet, m_options.allSheet},
                                                    {m_selectItem, m_options.selectItem}};
    for (const auto& [box, on] : switches) {
        box->setChecked(on);
        layout->addWidget(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgFind::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgFind::reject);
    layout->addWidget(buttons);
}

void CDlgFind::SetSearchText(const QString& text)
{
    m_text->setEditText(text);
}

void CDlgFind::accept()
{
    const CString text = ToCString(m_text->currentText());
    CString trimmed = text;
    trimmed.TrimRight();
    if (trimmed.IsEmpty()) {
        Host().Message(FromUtf8("検索文字列を入力して下さい。"));
        m_text->setFocus();
        return;
    }
    m_options.Push(text);
    m_options.target = 0;
    for (int i = 0; i < 8; ++i)
        if (m_kinds[i]->isChecked())
            m_options.target |= kKindBits[i];
    m_options.matchCase = m_matchCase->isChecked();
    m_options.word = m_word->isChecked();
    m_options.hide = m_hide->isChecked();
    m_options.allSheet = m_allSheet->isChecked();
    m_options.selectItem = m_selectItem->isChecked();
    QDialog::accept();
}
