// CPartPreview: draws one part, scaled to fit, on the same drawing surface
// as the sheet view.
#pragma once

#include <QWidget>
#include <optional>

#include "items/part.h"

class CPartPreview : public QWidget {
    Q_OBJECT

public:
    explicit CPartPreview(QWidget* parent = nullptr);
    // The part to show (its bounding rectangle is expected to start at 0, 0);
    // none draws the empty preview.
    void SetPart(const CPart* part);
    bool HasPart() const { return m_part.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<CPart> m_part;
};
