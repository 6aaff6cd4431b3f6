// CPartPreview: a part's drawing scaled into a small panel, as it will stand
// on the sheet, for the part dialog.
#pragma once

#include <QWidget>
#include <memory>

class CSheet;
class CDrawContext;

class CPartPreview : public QWidget {
    Q_OBJECT

public:
    explicit CPartPreview(QWidget* parent = nullptr);
    ~CPartPreview() override;
    // The part (the first gate of gates) to show; an empty sheet clears it.
    void SetPart(const CSheet& gates);
    bool IsEmpty() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<CSheet> m_part;
    std::unique_ptr<CDrawContext> m_ctx;
};
