// An empty surface says faintly how to begin; the text goes with the first block and comes back
// with the last one's removal, by undo too.

#include "EditorFixture.h"
#include "ui/editor/EmptySurfaceHint.h"

#include <QImage>

namespace {

class EmptySurfaceHintTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        hint = new EmptySurfaceHint(context(), blocks(), surface->viewport());
    }
    EmptySurfaceHint *hint = nullptr;
};

// The darkest grey of the text as drawn: fainter than the chart's own black text.
int darkestGrey(QWidget &widget)
{
    const QImage image = widget.grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

TEST_F(EmptySurfaceHintTest, ShowsFaintlyInTheMiddleOnlyWhileTheSurfaceIsEmpty)
{
    ASSERT_TRUE(hint->isVisible());
    const QPoint middle = surface->viewport()->rect().center();
    EXPECT_LE((hint->geometry().center() - middle).manhattanLength(), 2);
    EXPECT_GE(darkestGrey(*hint), 100);
    const int oneLineEach = hint->height();
    surface->resize(260, 600);
    QCoreApplication::processEvents();
    EXPECT_TRUE(surface->viewport()->rect().contains(hint->geometry()));
    EXPECT_GT(hint->height(), oneLineEach); // wrapped, not cut off

    ASSERT_NE(place(QStringLiteral("START"), QPointF(200, 150)), nullptr);
    EXPECT_FALSE(hint->isVisible());
    editor->undo();
    EXPECT_TRUE(hint->isVisible());
    editor->redo();
    EXPECT_FALSE(hint->isVisible());
}

} // namespace
