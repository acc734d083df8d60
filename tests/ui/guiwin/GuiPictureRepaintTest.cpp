#include "ui/guiwin/GuiPicture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

// A chart drawing line after line at full speed must not be bound by repainting: the picture
// is painted at most once a frame however many lines arrive, and the last lines show.
TEST(GuiPictureRepaintTest, LinesDrawnBackToBackRepaintThePictureOnceAFrame)
{
    GuiPicture picture;
    picture.resize(200, 200);
    picture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
    PaintCounter counter;
    picture.installEventFilter(&counter);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 500; ++i) {
        picture.drawLine(0, i % 200, 199, 0);
        QCoreApplication::processEvents();
    }
    const qint64 frames = elapsed.elapsed() / 16 + 2;
    EXPECT_LE(counter.paints, frames);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 1000));
}
