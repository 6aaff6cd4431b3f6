// The example sheets drawn through the view, compared with reference images
// checked by eye.  The comparison forgives anti-aliasing and font rendering
// differences of a few pixels but not a missing or moved item.
//
// VIREO_UPDATE_REFERENCE=1 writes the images anew (look at them before
// committing).
#include <QToolBar>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "app/vireodoc.h"
#include "editor/view/vireoview.h"
#include "editorenv.h"

namespace {

// The view of a sheet at a fixed size, zoomed to area.
QImage RenderSheet(CEditorEnv& env, const std::string& sheet, const CRect& area, QSize size)
{
    // The sheet also opens in a window of the main frame, which stores the
    // area it shows into the document; the references were made with the
    // frame's work area as it is without tool bars.
    for (QToolBar* bar : env.frame->findChildren<QToolBar*>())
        env.frame->removeToolBar(bar);
    QApplication::processEvents();
    CVIREODoc* doc = env.app->OpenDocumentFile(env.Demo(sheet));
    if (!doc)
        return QImage();
    doc->Header().visibleArea = area;
    CVIREOView view(*doc, env.options);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(size);
    view.show();
    QApplication::processEvents();
    view.resize(size + (size - view.viewport()->size()));
    // Shown at its first size, the view already stored what it showed there.
    doc->Header().visibleArea = area;
    view.OnInitialUpdate();
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    view.RenderSheet(painter, image.rect());
    return image;
}

// The share of pixels that differ by more than tolerance in any channel,
// after each image was allowed to match the other within one pixel.
double DifferentShare(const QImage& a, const QImage& b, int tolerance)
{
    const auto close = [tolerance](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) <= tolerance &&
               std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
               std::abs(qBlue(p) - qBlue(q)) <= tolerance;
    };
    const auto matchesNear = [&](const QImage& x, const QImage& y, int px, int py) {
        const QRgb p = x.pixel(px, py);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int qx = px + dx, qy = py + dy;
                if (qx >= 0 && qy >= 0 && qx < y.width() && qy < y.height() &&
                    close(p, y.pixel(qx, qy)))
                    return true;
            }
        return false;
    };
    long bad = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!matchesNear(a, b, x, y) || !matchesNear(b, a, x, y))
                ++bad;
    return double(bad) / (double(a.width()) * a.height());
}

void CompareWithReference(const QImage& image, const QString& name)
{
    ASSERT_FALSE(image.isNull());
    const QString path = QStringLiteral(VIREO_EDITOR_TEST_DATA "/") + name;
    if (std::getenv("VIREO_UPDATE_REFERENCE")) {
        ASSERT_TRUE(image.save(path));
        GTEST_SKIP() << "wrote " << path.toStdString();
    }
    QImage reference(path);
    ASSERT_FALSE(reference.isNull()) << "no reference image " << path.toStdString();
    reference = reference.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), reference.size());
    const double share = DifferentShare(image, reference, 64);
    if (share > 0.002)
        image.save(QStringLiteral("%1-actual.png").arg(name.chopped(4)));
    EXPECT_LE(share, 0.002) << name.toStdString() << ": the actual image is in the test's folder";
}

} // namespace

TEST(EditorScreenshot, ControllerSheetZoomedIn)
{
    CEditorEnv env;
    const QImage image =
        RenderSheet(env, "controller.dcd", CRect(2000, 7000, 6500, 9700), QSize(480, 300));
    CompareWithReference(image, "controller.png");
}

TEST(EditorScreenshot, WholeSheetWithTitleBlockAndGrid)
{
    CEditorEnv env;
    env.options.gridPitch = env.options.subGrid;
    env.options.gridStyle = 1;
    const QImage image = RenderSheet(env, "leds.dcd", CRect(0, 0, 16535, 11693), QSize(400, 290));
    CompareWithReference(image, "leds-whole.png");
}
