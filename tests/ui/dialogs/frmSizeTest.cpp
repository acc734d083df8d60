// The size window: showing a block is not an edit; edits are reported with circles kept square
// and never below one pixel.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmSize.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <gtest/gtest.h>

TEST(frmSize, StartsAtOneHundredAndIsModeless)
{
    frmSize d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Boyut"));
    EXPECT_FALSE(d.isModal());
    EXPECT_EQ(d.shownSize(), (BlockSize{100, 100}));
    QStringList labels;
    for (const QLabel *label : d.findChildren<QLabel *>())
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"genişlik:", "yükseklik:"}));
}

TEST(frmSize, ShowingABlockReportsNoEdit)
{
    frmSize d;
    QSignalSpy changes(&d, &frmSize::sizeChanged);
    d.showBlock({70, 30}, 2);
    EXPECT_EQ(d.shownSize(), (BlockSize{70, 30}));
    EXPECT_EQ(changes.count(), 0);
}

TEST(frmSize, EditsFollowTheShapeOfTheShownBlock)
{
    const struct {
        qint16 shape;
        bool widthEdited;
        BlockSize expected;
    } cases[] = {
        {2, true, {71, 30}}, {2, false, {70, 31}}, {3, true, {71, 71}}, {3, false, {31, 31}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shape);
        frmSize d;
        d.show();
        d.showBlock({70, 30}, c.shape);
        QSignalSpy changes(&d, &frmSize::sizeChanged);
        auto *spinner = field<QSpinBox>(&d, c.widthEdited ? "txtWidth" : "txtHeight");
        spinner->setFocus();
        QTest::keyClick(spinner, Qt::Key_Up);
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes[0][0].toInt(), c.expected.width);
        EXPECT_EQ(changes[0][1].toInt(), c.expected.height);
        EXPECT_EQ(d.shownSize(), c.expected);
    }
}

TEST(frmSize, SidesStayAtLeastOnePixel)
{
    frmSize d;
    d.show();
    d.showBlock({1, 5}, 0);
    QSignalSpy changes(&d, &frmSize::sizeChanged);
    auto *width = field<QSpinBox>(&d, "txtWidth");
    width->setFocus();
    QTest::keyClick(width, Qt::Key_Down);
    typeInto(width, "0");
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(width->value(), 1);
    EXPECT_EQ(changes.count(), 0);
}

TEST(frmSize, ActivationAsksForTheSelectedBlock)
{
    frmSize d;
    QSignalSpy activations(&d, &frmSize::activated);
    d.show();
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations.count() >= 1; }, 2000));
}
