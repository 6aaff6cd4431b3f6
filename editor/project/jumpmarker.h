// CJumpMarker: a ring over the sheet view where a report jump landed, so the
// eye finds the point even where no wire carries a net highlight (an open
// pin).  It follows the point while the view scrolls and goes by itself.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "base/point.h"

class CVIREOView;

class CJumpMarker : public QWidget {
    Q_OBJECT

public:
    // Shows the one marker of view at a sheet point (a previous one goes).
    static CJumpMarker* Show(CVIREOView& view, const CPoint& at);
    const CPoint& Point() const { return m_at; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CJumpMarker(CVIREOView& view, const CPoint& at);
    void Place();

    CVIREOView& m_view;
    CPoint m_at;
    QTimer m_follow;
};
