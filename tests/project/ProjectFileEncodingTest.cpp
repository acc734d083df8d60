// Charts in UTF-8 (from Linux editors, or saved so because the code page lacked a character):
// what a load reads, what a save writes, and what the message window says.

#include "ProjectTestSupport.h"

#include "base/TextEncoding.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ProjectTest;

namespace {

class ProjectFileEncoding : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString &name) const { return dir.filePath(name); }

    bool load(const QByteArray &bytes)
    {
        EXPECT_TRUE(writeBytes(path(QStringLiteral("in.vnp")), bytes));
        return project.load_FILE(path(QStringLiteral("in.vnp")));
    }

    QString outputText() const { return project.theBlockCollection().item(2)->zParam1(); }

    // The example chart with the OUTPUT block's text in UTF-8, the way a Linux editor saves it.
    static QByteArray helloInUtf8(const QByteArray &text = "Merhaba D\xC3\xBCnya \xC5\x9F\xC4\xB1\xC4\x9F")
    {
        return replaceOnce(helloBytes(), "Merhaba D\xFCnya", text);
    }

    QTemporaryDir dir;
    MessageLog log;
    Project project{&log};
};

TEST_F(ProjectFileEncoding, AUtf8ChartLoadsWithItsLetters)
{
    QByteArray lf = helloInUtf8();
    lf.replace("\r\n", "\n");
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"without a byte-order mark", helloInUtf8()},
        {"behind a byte-order mark", TextEncoding::Utf8Bom.toByteArray() + helloInUtf8()},
        {"with LF line ends", lf},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(load(c.bytes)) << c.name << ": " << log.text().toStdString();
        EXPECT_EQ(project.theBlockCollection().Count(), 3) << c.name;
        EXPECT_EQ(outputText(), QStringLiteral("Merhaba Dünya şığ")) << c.name;
    }
    EXPECT_EQ(log.text(), QString());
}

TEST_F(ProjectFileEncoding, ASaveKeepsTheCodePageWhileEveryCharacterFits)
{
    ASSERT_TRUE(load(helloInUtf8()));
    ASSERT_TRUE(project.saveProjectFile(path(QStringLiteral("out.vnp"))));
    const QByteArray saved = readBytes(path(QStringLiteral("out.vnp")));
    EXPECT_TRUE(saved.contains("\r\nOUTPUT\r\nMerhaba D\xFCnya \xFE\xFD\xF0\r\n"));
    EXPECT_EQ(log.text(), QString());
}

TEST_F(ProjectFileEncoding, ACharacterTheCodePageLacksIsSavedInUtf8AndToldOnce)
{
    ASSERT_TRUE(load(helloBytes()));
    const QString text = QStringLiteral("Işık ✓ ✗ ə");
    project.theBlockCollection().item(2)->setZParam1(text);
    ASSERT_TRUE(project.saveProjectFile(path(QStringLiteral("out.vnp"))));
    EXPECT_EQ(log.text(),
              QStringLiteral("Proje UTF-8 olarak kaydedildi:\r\n✓ (U+2713) Windows-1254 ile saklanamıyor.\r\n"));
    const QByteArray saved = readBytes(path(QStringLiteral("out.vnp")));
    EXPECT_TRUE(saved.startsWith(TextEncoding::Utf8Bom.toByteArray() + "3       \t <--SHAPES\r\n"));

    log.dismiss();
    MessageLog secondLog;
    Project second(&secondLog);
    ASSERT_TRUE(second.load_FILE(path(QStringLiteral("out.vnp"))));
    EXPECT_EQ(second.theBlockCollection().item(2)->zParam1(), text);
    EXPECT_EQ(dumpModel(second), dumpModel(project));
}

} // namespace
