// CPartPreview: a part's drawing scaled into a small panel, as it will stand
// on the sheet, for the part dialog and the library browser.
#pragma once

#include <QWidget>
#include <memory>

class CPart;
class CSheet;
class CDrawContext;

class CPartPreview : public QWidget {
    Q_OBJECT

public:
    explicit CPartPreview(QWidget* parent = nullptr);
    ~CPartPreview() override;
    // The part (the first gate of gates) to show; an empty sheet clears it.
    void SetPart(const CSheet& gates);
    // One gate as the library holds it; null clears the panel.
    void SetPart(const CPart* part);
    bool IsEmpty() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<CSheet> m_part;
    std::unique_ptr<CDrawContext> m_ctx;
};
