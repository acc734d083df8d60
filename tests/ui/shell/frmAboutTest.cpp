#include "ui/shell/ModalAnswer.h"

#include "shell/WebLinks.h"
#include "ui/shell/LinkLabel.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/openURL.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
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
        about.setSystemInfoTool(SystemInfoTool({tools.path()}));
        about.show();
    }
    void TearDown() override
    {
        for (const char *scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    template<typename T>
    T *child(const char *name) { return about.findChild<T *>(QLatin1String(name)); }

    void handleUrls()
    {
        for (const char *scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &recorder, "open");
    }

    // Clicks and returns the text of the message box the click opened.
    QString clickForMessage(QWidget *widget)
    {
        QString text;
        answerNextModal([&text](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            text = box ? box->text() : QStringLiteral("<not a message box>");
            modal->close();
        }, &about);
        QTest::mouseClick(widget, Qt::LeftButton);
        return text;
    }

    QTemporaryDir tools;
    UrlRecorder recorder;
    frmAbout about;
};

} // namespace

TEST_F(frmAboutTest, ShowsTitleVersionAndLinks)
{
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Varnel"));
    EXPECT_EQ(child<QLabel>("lblTitle")->text(), QStringLiteral("Varnel"));
    EXPECT_EQ(child<QLabel>("lblVersion")->text(), QStringLiteral("sürüm 3.01"));
    EXPECT_EQ(child<QLabel>("lblURL")->text(), WebLinks::productPage());
    EXPECT_EQ(child<QLabel>("lblEmail")->text(), WebLinks::supportAddress());
    EXPECT_FALSE(child<QLabel>("picIcon")->pixmap().isNull());
    EXPECT_EQ(child<QPushButton>("cmdSysInfo")->text(), QStringLiteral("Sistem Bilgisi..."));
    EXPECT_EQ(child<QPushButton>("cmdCheckForUpdate")->text(), QStringLiteral("Güncelleştirme Kontrolü!"));
    EXPECT_TRUE(child<QPushButton>("cmdOK")->isDefault());
}

TEST_F(frmAboutTest, LinksAreUnderlinedOnlyWhileTheMouseIsOverThem)
{
    auto *url = child<LinkLabel>("lblURL");
    auto *mail = child<LinkLabel>("lblEmail");
    EXPECT_FALSE(url->isUnderlined());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(url, &enter);
    EXPECT_TRUE(url->isUnderlined());
    EXPECT_FALSE(mail->isUnderlined());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(url, &leave);
    EXPECT_FALSE(url->isUnderlined());

    QApplication::sendEvent(mail, &enter);
    QTest::mouseMove(&about, QPoint(2, 2));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&about, &move);
    EXPECT_FALSE(mail->isUnderlined());
}

TEST_F(frmAboutTest, LinksOpenTheProductPageAndTheSupportAddress)
{
    handleUrls();
    QTest::mouseClick(child<QWidget>("lblURL"), Qt::LeftButton);
    QTest::mouseClick(child<QWidget>("lblEmail"), Qt::LeftButton);
    QTest::mouseClick(child<QWidget>("cmdCheckForUpdate"), Qt::LeftButton);
    EXPECT_EQ(recorder.opened, (QStringList{WebLinks::productPage(),
                                            QStringLiteral("mailto:") + WebLinks::supportAddress(),
                                            WebLinks::productPage()}));
}

// The offscreen platform has no browser, so every page fails to open here.
TEST_F(frmAboutTest, PagesThatCannotBeOpenedSayWhich)
{
    EXPECT_EQ(clickForMessage(child<QWidget>("lblURL")),
              QStringLiteral("Sayfa açılamıyor: ") + WebLinks::productPage());
    EXPECT_EQ(clickForMessage(child<QWidget>("cmdCheckForUpdate")),
              QStringLiteral("Cannot open ") + WebLinks::productPage());
    // The mail link reports nothing.
    QTest::mouseClick(child<QWidget>("lblEmail"), Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), &about);
}

TEST_F(frmAboutTest, SystemInformationWhenAProgramIsInstalled)
{
    EXPECT_EQ(clickForMessage(child<QWidget>("cmdSysInfo")), QStringLiteral("Sistem Bilgisi Şu An Kullanılamıyor"));

    const QString marker = tools.filePath(QStringLiteral("started"));
    QFile tool(tools.filePath(QStringLiteral("hardinfo")));
    tool.open(QIODevice::WriteOnly);
    tool.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    tool.close();
    tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    QTest::mouseClick(child<QWidget>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
}

TEST_F(frmAboutTest, OkHidesTheBox)
{
    QTest::mouseClick(child<QWidget>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(OpenURLTest, AddressesThatAreNotPagesFailWithTheirMessage)
{
    EXPECT_FALSE(openURL(QString()));
    EXPECT_FALSE(openURL(QStringLiteral("bozuk adres")));
    QString text;
    answerNextModal([&text](QWidget *modal) {
        text = qobject_cast<QMessageBox *>(modal)->text();
        modal->close();
    });
    EXPECT_FALSE(openURLOrWarn(QStringLiteral("https://yardim.example.org/Help/index.html"), nullptr));
    EXPECT_EQ(text, QStringLiteral("Sayfa açılamıyor: https://yardim.example.org/Help/index.html"));
}

#include "frmAboutTest.moc"
