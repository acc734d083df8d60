#include "WindowRunHarness.h"

#include "interp/CallStack.h"
#include "ui/guiwin/GuiPicture.h"
#include "ui/guiwin/ScreenTwips.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QImage surfaceOf(QWidget *picture)
{
    return qobject_cast<GuiPicture *>(picture)->surface().toImage();
}

int pixelsOf(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

// With VARNEL_SHOT_DIR set, the window as it looks now goes there as a PNG to look at.
void shoot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("VARNEL_SHOT_DIR");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        window->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace

TEST(WindowExamplesTest, SimpleWindowGreetsTheNameTypedAndGoesOnWhenTheUserClosesIt)
{
    WindowRunHarness h;
    ASSERT_TRUE(h.start(WindowRunHarness::example(QStringLiteral("Basit Pencere ve Yazı.vnp"))));
    frmWindow *window = h.window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Pencere"));
    const TwipsScale scale = ScreenTwips::of(window);
    EXPECT_EQ(window->size(), QSize(scale.toPixelsX(4800), scale.toPixelsY(2700)));
    EXPECT_EQ(window->theGUI().Count(), 4);
    EXPECT_EQ(h.text(QStringLiteral("selam")), QStringLiteral("Selamla"));
    const QString hint = h.text(QStringLiteral("yazi"));
    EXPECT_TRUE(hint.contains(QStringLiteral("\r\n")));
    shoot(window, QStringLiteral("basit-acilis"));

    ASSERT_TRUE(h.click(h.widget(QStringLiteral("selam"))));
    EXPECT_EQ(h.text(QStringLiteral("yazi")), QStringLiteral("Önce adınızı yazın."));

    WindowRunHarness::type(h.widget(QStringLiteral("isim")), QStringLiteral("Ayşe"));
    ASSERT_TRUE(h.click(h.widget(QStringLiteral("selam"))));
    EXPECT_EQ(h.text(QStringLiteral("yazi")), QStringLiteral("Merhaba Ayşe!\r\nPencereye hoş geldin."));
    EXPECT_EQ(h.var(QStringLiteral("selamlanan")), QStringLiteral("1"));
    shoot(window, QStringLiteral("basit-selam"));

    ASSERT_TRUE(h.click(h.widget(QStringLiteral("temizle"))));
    EXPECT_EQ(h.text(QStringLiteral("yazi")), hint);
    EXPECT_EQ(h.text(QStringLiteral("isim")), QString());

    window->close();
    ASSERT_TRUE(h.waitFor([&] { return h.ended(); }));
    EXPECT_TRUE(h.runtime.run.completedNormally());
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("Pencere açılıyor; kapatınca program sürer."),
                                   QStringLiteral("Pencere kapandı. Selamlanan kişi sayısı: 1")}));
    EXPECT_FALSE(h.runtime.flags.windowLoaded);
    EXPECT_EQ(h.window(), nullptr);
    EXPECT_TRUE(h.messages.isEmpty()) << h.messages.join(u'\n').toStdString();
}

TEST(WindowExamplesTest, ClickablePictureDrawsToWhereItWasClickedAndRightClickWipes)
{
    WindowRunHarness h;
    ASSERT_TRUE(h.start(WindowRunHarness::example(QStringLiteral("Tıklanan Resim.vnp"))));
    QWidget *picture = h.widget(QStringLiteral("resim"));
    const QImage target = surfaceOf(picture);
    const QColor pen = picture->palette().color(QPalette::WindowText);
    EXPECT_EQ(colorAt(target, 120, 90).red(), 0x8a); // the image's bull's eye

    ASSERT_TRUE(h.click(picture, Qt::LeftButton, QPoint(30, 40)));
    EXPECT_EQ(h.var(QStringLiteral("sayac")), QStringLiteral("1"));
    EXPECT_EQ(h.var(QStringLiteral("PARAM")), QStringLiteral("PAR-OS")); // the window chart's own is back
    EXPECT_EQ(h.text(QStringLiteral("bilgi")), QStringLiteral("1. tıklama: 30,40"));
    EXPECT_EQ(colorAt(surfaceOf(picture), 75, 65), pen); // half way to the centre
    shoot(h.window(), QStringLiteral("resim-tiklama"));

    ASSERT_TRUE(h.click(picture, Qt::RightButton, QPoint(5, 5)));
    EXPECT_EQ(h.text(QStringLiteral("bilgi")), QStringLiteral("Çizgiler silindi."));
    EXPECT_EQ(surfaceOf(picture), target);
    EXPECT_EQ(h.var(QStringLiteral("sayac")), QStringLiteral("1"));

    h.window()->close();
    ASSERT_TRUE(h.waitFor([&] { return h.ended(); }));
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("Toplam tıklama: 1")});
    EXPECT_TRUE(h.messages.isEmpty()) << h.messages.join(u'\n').toStdString();
}

TEST(WindowExamplesTest, ClicksDuringARunningEventFunctionRunAfterItOneByOne)
{
    WindowRunHarness h;
    ASSERT_TRUE(h.start(WindowRunHarness::example(QStringLiteral("Tıklanan Resim.vnp")), 5));
    const int bottom = h.runtime.stack.SP();
    QWidget *picture = h.widget(QStringLiteral("resim"));
    QSignalSpy presses(&h.window()->theGUI(), &GUI_Collection::mousePressed);
    QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(100, 20));
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 170));
    int deepest = bottom;
    ASSERT_TRUE(h.waitFor([&] {
        deepest = qMin(deepest, h.runtime.stack.SP());
        return h.waiting() && h.var(QStringLiteral("sayac")) == QString::number(presses.count());
    }));
    EXPECT_GE(presses.count(), 3);
    EXPECT_EQ(h.runtime.stack.SP(), bottom);
    EXPECT_EQ(deepest, bottom - 5); // never a frame on top of a running event's frame
    EXPECT_EQ(h.text(QStringLiteral("bilgi")), h.var(QStringLiteral("sayac")) + QStringLiteral(". tıklama: 10,170"));
    EXPECT_TRUE(h.messages.isEmpty()) << h.messages.join(u'\n').toStdString();
}

TEST(WindowExamplesTest, PictureWithImageDrawsFramesWithTheInvertingPenAndRays)
{
    WindowRunHarness h;
    ASSERT_TRUE(h.start(WindowRunHarness::example(QStringLiteral("Resim ve Çizim Penceresi.vnp"))));
    QWidget *picture = h.widget(QStringLiteral("tablo"));
    const QImage landscape = surfaceOf(picture);
    EXPECT_NE(colorAt(landscape, 210, 40), picture->palette().color(QPalette::Window)); // the sun

    auto press = [&](const char *button) { return h.click(h.widget(QString::fromUtf8(button))) && !h.ended(); };
    ASSERT_TRUE(press("cerceve"));
    const QImage framed = surfaceOf(picture);
    const QRgb sky = pixelAt(landscape, 100, 5);
    EXPECT_EQ(pixelAt(framed, 100, 5), sky ^ 0x00ffffffu); // inverted
    EXPECT_EQ(pixelAt(framed, 100, 50), pixelAt(landscape, 100, 50));
    shoot(h.window(), QStringLiteral("cizim-cerceve"));
    ASSERT_TRUE(press("cerceve")); // inverting again takes the frame away
    EXPECT_EQ(surfaceOf(picture), landscape);

    ASSERT_TRUE(press("isinlar"));
    const QColor pen = picture->palette().color(QPalette::WindowText);
    EXPECT_GT(pixelsOf(surfaceOf(picture), pen), 23 * 150);
    EXPECT_EQ(h.var(QStringLiteral("i")), QStringLiteral("276"));
    shoot(h.window(), QStringLiteral("cizim-isinlar"));

    ASSERT_TRUE(press("temiz"));
    EXPECT_EQ(surfaceOf(picture), landscape);
    EXPECT_TRUE(h.messages.isEmpty()) << h.messages.join(u'\n').toStdString();
}

TEST(WindowExamplesTest, StoppingTheRunClosesTheWindowAndDoesNotGoOn)
{
    WindowRunHarness h;
    ASSERT_TRUE(h.start(WindowRunHarness::example(QStringLiteral("Basit Pencere ve Yazı.vnp"))));
    QPointer<frmWindow> window = h.window();
    h.runtime.run.cmdStop_MouseDown();
    EXPECT_TRUE(h.runtime.flags.windowClosedByRun);
    EXPECT_FALSE(h.runtime.flags.windowLoaded);
    EXPECT_FALSE(h.runtime.flags.windowShown);
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(h.waitFor([&] { return window.isNull(); }));
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("Pencere açılıyor; kapatınca program sürer.")});
    EXPECT_FALSE(h.runtime.run.completedNormally());
}
