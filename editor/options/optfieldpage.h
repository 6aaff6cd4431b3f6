// COptFieldPage: an option page made of plain fields, each editing one key
// of the settings table - a switch, a number (limited to the key's range), a
// text, or a choice among numbered or named values.  The widget of a field is
// named "Section/Key", which the tests use to find it.
#pragma once

#include <QStringList>
#include <QVariant>
#include <vector>

#include "editor/options/optionpage.h"

class QFormLayout;

struct COptionField {
    enum Kind { Check, Number, Text, Choice, NamedChoice, Heading };
    COptionField(const char* section, const char* key, QString label, Kind kind = Check,
                 QStringList choices = {}, QStringList values = {})
        : section(section), key(key), label(std::move(label)), kind(kind),
          choices(std::move(choices)), values(std::move(values))
    {
    }
    const char* section;
    const char* key;
    QString label;
    Kind kind;
    QStringList choices; // Choice: shown for 0, 1, ...; NamedChoice: shown texts
    QStringList values;  // NamedChoice: the stored strings
};

class COptFieldPage : public COptionPage {
    Q_OBJECT

public:
    COptFieldPage(int id, const QString& title, std::vector<COptionField> fields,
                  QWidget* parent = nullptr);

    bool CanApply() override;
    void Apply() override;
    // The current value of a field as it would be stored (tests).
    QVariant FieldValue(const QString& sectionKey) const;

protected:
    // Room under the fields for a page's own controls.
    QFormLayout* Form() const { return m_form; }

private:
    struct Row {
        COptionField field;
        QWidget* widget;
        QVariant shown; // the value shown when the page was made
    };
    QVariant Current(const Row& row) const;
    std::vector<Row> m_rows;
    QFormLayout* m_form;
};
