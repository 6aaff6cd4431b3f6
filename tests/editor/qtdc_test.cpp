// The painter surface: sheet coordinates reach the right pixels, arcs turn
// the right way, texts sit on their anchor, pens and brushes change when the
// items change them, and items outside the drawn area are skipped.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "editor/view/qtdc.h"

namespace {

// 200 x 200 pixels showing sheet units 0..2000 with y upwards.
constexpr CDeviceMapping kMap{0.1, 0, 200};

struct Canvas {
    QImage image{200, 200, QImage::Format_RGB32};
    QPainter painter;
    Canvas()
    {
        image.fill(Qt::white);
        painter.begin(&image);
    }
    // The bounding box of the pixels that are not white.
    QRect Inked()
    {
        painter.end();
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    r |= QRect(x, y, 1, 1);
        return r;
    }
};

} // namespace

TEST(QtDC, MapsSheetUnitsYUp)
{
    EXPECT_EQ(kMap.Map(CPoint(0, 0)), QPointF(0, 200));
    EXPECT_EQ(kMap.Map(CPoint(1000, 1500)), QPointF(100, 50));
    const CRect back = kMap.Unmap(QRectF(10, 20, 30, 40));
    EXPECT_EQ(back, CRect(100, 1400, 400, 1800));
    Canvas c;
    {
        CQtDC dc(c.painter, kMap, QRectF(0, 0, 200, 200));
        dc.SelectPen(CPen{PS_SOLID, 0, RGB(255, 0, 0)});
        dc.MoveTo(CPoint(500, 500));
        dc.LineTo(CPoint(1500, 500));
    }
    const QRect ink = c.Inked();
    EXPECT_EQ(ink.top(), ink.bottom() - (ink.height() - 1));
    EXPECT_NEAR(ink.center().y(), 150, 1);
    EXPECT_NEAR(ink.left(), 50, 1);
    EXPECT_NEAR(ink.right(), 150, 1);
    EXPECT_EQ(QColor(c.image.pixel(100, ink.center().y())).red(), 255);
}

TEST(QtDC, ArcsRunCounterClockwiseAsSeenUnlessTurnedRound)
{
    // A quarter from 0 to 90 degrees about (1000, 1000): the upper right.
    const auto quarter = [](int direction) {
        Canvas c;
        {
            CQtDC dc(c.painter, kMap, QRectF(0, 0, 200, 200));
            dc.SetArcDirection(direction);
            dc.SelectPen(CPen{PS_SOLID, 0, 0});
            dc.Arc(CRect(500, 1500, 1500, 500), CPoint(1500, 1000), CPoint(1000, 1500));
        }
        return c.Inked();
    };
    const QRect ccw = quarter(AD_COUNTERCLOCKWISE);
    EXPECT_GE(ccw.left(), 98);
    EXPECT_LE(ccw.bottom(), 102);
    // Clockwise from the same points: the other three quarters.
    const QRect cw = quarter(AD_CLOCKWISE);
    EXPECT_LE(cw.left(), 52);
    EXPECT_GE(cw.bottom(), 148);
}

TEST(QtDC, TextsSitOnTheirAnchor)
{
    const auto ink = [](unsigned align, int escapement) {
        Canvas c;
        {
            CQtDC dc(c.painter, kMap, QRectF(0, 0, 200, 200));
            LOGFONT f;
            f.lfHeight = -300; // 30 pixels
            f.lfEscapement = escapement;
            f.SetFaceName("Arial");
            dc.SelectFont(f);
            dc.SetTextAlign(align);
            dc.TextOut(CPoint(1000, 1000), "HHH");
        }
        return c.Inked();
    };
    const QRect left = ink(TA_LEFT | TA_BASELINE, 0);
    EXPECT_NEAR(left.left(), 100, 3);
    EXPECT_NEAR(left.bottom(), 100, 2); // capitals stand on the baseline
    EXPECT_NEAR(left.height(), 22, 4);  // the cap height of a 30-pixel face
    const QRect centre = ink(TA_CENTER | TA_BASELINE, 0);
    EXPECT_NEAR(centre.center().x(), 100, 2);
    const QRect right = ink(TA_RIGHT | TA_BASELINE, 0);
    EXPECT_NEAR(right.right(), 100, 3);
    // A text of direction 0x100 (escapement 2700, as items set it) reads
    // upwards: it starts at the anchor and its glyphs stand left of the baseline.
    const QRect up = ink(TA_LEFT | TA_BASELINE, 2700);
    EXPECT_NEAR(up.bottom(), 100, 3);
    EXPECT_NEAR(up.right(), 100, 2);
    EXPECT_GT(up.height(), up.width());
    // Escapement 900 (direction 0x300) reads downwards, glyphs right of the baseline.
    const QRect down = ink(TA_LEFT | TA_BASELINE, 900);
    EXPECT_NEAR(down.top(), 100, 3);
    EXPECT_NEAR(down.left(), 100, 2);
}

TEST(QtDC, PenAndBrushChangesReachThePainterAndHiddenItemsAreSkipped)
{
    Canvas c;
    {
        CQtDC dc(c.painter, kMap, QRectF(0, 0, 100, 200)); // the left half is drawn
        dc.SelectPen(CPen{PS_SOLID, 100, RGB(255, 0, 0)});
        dc.SelectPen(CPen{PS_SOLID, 100, RGB(0, 0, 255)}); // the last one counts
        dc.MoveTo(CPoint(200, 1800));
        dc.LineTo(CPoint(800, 1800));
        dc.SelectBrush(CBrush{RGB(0, 255, 0), false});
        dc.SelectPen(CPen{PS_NULL, 0, 0});
        dc.Ellipse(CRect(200, 1000, 800, 400));
        EXPECT_TRUE(dc.RectVisible(CRect(900, 0, 1100, 100)));
        EXPECT_FALSE(dc.RectVisible(CRect(1100, 0, 1900, 100)));
        EXPECT_FALSE(dc.RectVisible(CRect(1900, 100, 1100, 0))); // not normalised either
    }
    EXPECT_EQ(QColor(c.image.pixel(50, 20)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(c.image.pixel(50, 130)), QColor(0, 255, 0));
    EXPECT_EQ(MapFaceName("Arial"), "Liberation Sans");
    EXPECT_EQ(MapFaceName(CString("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E")),
              "IPAGothic");
    EXPECT_EQ(MapFaceName("Some Face"), "Some Face");
}
