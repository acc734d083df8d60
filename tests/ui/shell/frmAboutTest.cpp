#include "ui/shell/ModalAnswer.h"

#include "shell/LinkOpener.h"
#include "shell/WebLinks.h"
#include "ui/shell/LinkLabel.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/openURL.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's browser and mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url.toString()); }
};

class frmAboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The desktop's opener is looked for among the test's own programs only.
        LinkOpener::setSearchPaths({tools.path()});
        about.setSystemInfoTool(SystemInfoTool({tools.path()}));
        about.show();
    }
    void TearDown() override { LinkOpener::setSearchPaths({}); }

    // A stand-in for xdg-open that writes down the address and ends with the exit code given.
    QString installOpener(int exitCode)
    {
        const QString log = tools.filePath(QStringLiteral("opened"));
        QFile opener(tools.filePath(QStringLiteral("xdg-open")));
        opener.open(QIODevice::WriteOnly);
        opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\nexit %2\n").arg(log).arg(exitCode).toUtf8());
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
        return log;
    }

    QWidget *child(const char *name) { return about.findChild<QWidget *>(QLatin1String(name)); }
    QString text(const char *name) { return child(name)->property("text").toString(); }

    // Clicks and returns the text of the message box the click opened.
    QString clickForMessage(const char *name)
    {
        QString shown;
        answerNextModal<QMessageBox>([&shown](QMessageBox *box) {
            shown = box->text();
            box->close();
        }, &about);
        QTest::mouseClick(child(name), Qt::LeftButton);
        return shown;
    }

    QTemporaryDir tools;
    frmAbout about;
};

} // namespace

TEST_F(frmAboutTest, TitleVersionAndLinksUnderlinedOnHover)
{
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Varnel"));
    EXPECT_EQ(text("lblTitle"), QStringLiteral("Varnel"));
    EXPECT_EQ(text("lblVersion"), QStringLiteral("sürüm 3.01"));
    EXPECT_EQ(text("lblURL"), WebLinks::productPage());
    EXPECT_EQ(text("lblEmail"), WebLinks::supportAddress());

    auto *url = static_cast<LinkLabel *>(child("lblURL"));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(url, &enter);
    EXPECT_TRUE(url->isUnderlined());
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&about, &move);
    EXPECT_FALSE(url->isUnderlined());
}

TEST_F(frmAboutTest, LinksOpenThroughTheDesktop)
{
    UrlRecorder recorder;
    for (const char *scheme : {"https", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &recorder, "open");
    for (const char *name : {"lblURL", "lblEmail", "cmdCheckForUpdate"})
        QTest::mouseClick(child(name), Qt::LeftButton);
    for (const char *scheme : {"https", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    EXPECT_EQ(recorder.opened, (QStringList{WebLinks::productPage(), QStringLiteral("mailto:") + WebLinks::supportAddress(),
                                            WebLinks::productPage()}));
}

// The offscreen platform has no browser: every page fails to open here.
TEST_F(frmAboutTest, PagesThatCannotBeOpenedSayWhich)
{
    EXPECT_EQ(clickForMessage("lblURL"), QStringLiteral("Sayfa açılamıyor: ") + WebLinks::productPage());
    EXPECT_EQ(clickForMessage("cmdCheckForUpdate"), QStringLiteral("Cannot open ") + WebLinks::productPage());
    QTest::mouseClick(child("lblEmail"), Qt::LeftButton); // the mail link reports nothing
    EXPECT_EQ(QApplication::activeModalWidget(), &about);
}

TEST_F(frmAboutTest, SystemInformationWhenAProgramIsInstalledAndOkHides)
{
    EXPECT_EQ(clickForMessage("cmdSysInfo"), QStringLiteral("Sistem Bilgisi Şu An Kullanılamıyor"));
    const QString marker = tools.filePath(QStringLiteral("started"));
    QFile tool(tools.filePath(QStringLiteral("hardinfo")));
    tool.open(QIODevice::WriteOnly);
    tool.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    tool.close();
    QTest::mouseClick(child("cmdSysInfo"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));

    QTest::mouseClick(child("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(frmAboutTest, TheIconIsTheProgramsOwn)
{
    const QImage icon = static_cast<QLabel *>(child("picIcon"))->pixmap().toImage();
    ASSERT_FALSE(icon.isNull());
    // The blue of the icon's background, left of the chart it shows.
    const QColor background = icon.pixelColor(icon.width() * 15 / 100, icon.height() / 2);
    EXPECT_EQ(background.alpha(), 255);
    EXPECT_GT(background.blue(), background.red() + 64);
}

TEST_F(frmAboutTest, TheRepositoryIsShownWhenTheBuildNamesOne)
{
    QWidget *repository = child("lblRepository");
    EXPECT_EQ(repository != nullptr, !WebLinks::repositoryPage().isEmpty());
    if (repository) {
        EXPECT_EQ(text("lblRepository"), WebLinks::repositoryPage());
    }
}

TEST_F(frmAboutTest, AnOpenerThatFindsNoBrowserIsReported)
{
    installOpener(3);
    QString shown;
    answerNextModal<QMessageBox>([&shown](QMessageBox *box) {
        shown = box->text();
        box->close();
    }, &about);
    QTest::mouseClick(child("cmdCheckForUpdate"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return !shown.isEmpty(); }, 10000));
    EXPECT_EQ(shown, QStringLiteral("Cannot open ") + WebLinks::productPage());
}

TEST_F(frmAboutTest, AnOpenerThatSucceedsShowsNothing)
{
    const QString log = installOpener(0);
    QTest::mouseClick(child("lblURL"), Qt::LeftButton);
    QTest::mouseClick(child("lblEmail"), Qt::LeftButton);
    // The two openers run side by side and may finish in either order.
    auto opened = [&log] {
        QFile file(log);
        QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts) : QStringList();
        lines.sort();
        return lines;
    };
    const QStringList expected{WebLinks::productPage(), QStringLiteral("mailto:") + WebLinks::supportAddress()};
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened() == expected; }, 10000)) << opened().join(u' ').toStdString();
    // Once every opener is done (one that failed would still be showing its message box).
    EXPECT_TRUE(QTest::qWaitFor([] { return qApp->findChildren<LinkOpener *>().isEmpty(); }, 10000));
    EXPECT_EQ(QApplication::activeModalWidget(), &about);
}

TEST(OpenURLTest, AddressesThatAreNotPagesFail)
{
    EXPECT_FALSE(openURL(QString()));
    EXPECT_FALSE(openURL(QStringLiteral("bozuk adres")));
}

#include "frmAboutTest.moc"
