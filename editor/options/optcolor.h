// COptColor: the display colours - a swatch per colour that opens a colour
// picker, and a reset to the program's defaults.
#pragma once

#include <QColor>
#include <functional>
#include <vector>

#include "editor/options/optionpage.h"

class QPushButton;

class COptColor : public COptionPage {
    Q_OBJECT

public:
    explicit COptColor(QWidget* parent = nullptr);

    // The colour picker; tests answer it.  An invalid colour is a Cancel.
    using Picker = std::function<QColor(const QColor& current, const QString& title)>;
    static void SetPicker(Picker picker);

    void Apply() override;
    // Every colour back to its default (stored on OK).
    void ResetToDefaults();
    QColor ColorOf(const char* key) const;

private:
    struct Row {
        const char* key;
        QString label;
        QPushButton* button;
        QColor shown;
        QColor current;
    };
    void Show(Row& row);
    std::vector<Row> m_rows;
};
