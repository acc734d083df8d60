#include "shell/InterfaceLanguage.h"

#include "base/ChartWords.h"
#include "project/RecoveryStore.h"
#include "project/SaveQuestion.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

using Choice = InterfaceLanguage::Choice;

struct OptionCase {
    QStringList arguments;
    std::optional<Choice> choice;
    QStringList left;
    QString error;
};

TEST(InterfaceLanguageTest, TheOptionIsTakenOutOfTheArguments)
{
    const QString file = QStringLiteral("/tmp/deneme.vnp");
    const QList<OptionCase> cases{
        {{file}, std::nullopt, {file}, QString()},
        {{QStringLiteral("--lang"), QStringLiteral("en"), file}, Choice::English, {file}, QString()},
        {{file, QStringLiteral("--lang=TR")}, Choice::Turkish, {file}, QString()},
        {{QStringLiteral("--lang"), QStringLiteral("de"), file}, std::nullopt, {file},
         QStringLiteral("--lang tr ya da en bekliyor: de")},
        {{file, QStringLiteral("--lang")}, std::nullopt, {file}, QStringLiteral("--lang tr ya da en bekliyor: ")},
        // A file that happens to be called "--language" is not the option.
        {{QStringLiteral("--language")}, std::nullopt, {QStringLiteral("--language")}, QString()},
    };
    for (const OptionCase &c : cases) {
        QStringList arguments = c.arguments;
        QString error;
        EXPECT_EQ(InterfaceLanguage::takeOption(arguments, error), c.choice) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(arguments, c.left) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(error, c.error) << c.arguments.join(u' ').toStdString();
    }
}

TEST(InterfaceLanguageTest, TheChoiceIsKeptForTheUserAndTurkishByDefault)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString settings = dir.filePath(QStringLiteral("varnel.conf"));
    EXPECT_EQ(InterfaceLanguage::saved(settings), Choice::Turkish);
    InterfaceLanguage::save(settings, Choice::English);
    EXPECT_EQ(InterfaceLanguage::saved(settings), Choice::English);
    InterfaceLanguage::save(settings, Choice::Turkish);
    EXPECT_EQ(InterfaceLanguage::saved(settings), Choice::Turkish);
}

TEST(InterfaceLanguageTest, EnglishTranslatesTheWindowsTexts)
{
    // The translation is built beside the programs, one folder up from the tests.
    const QString dataFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/");
    ASSERT_TRUE(InterfaceLanguage::install(*QCoreApplication::instance(), Choice::English, dataFolder));
    EXPECT_EQ(QCoreApplication::translate("frmDlgIf", "Karşılaştırma"), QStringLiteral("Comparison"));
    // The core's texts the windows show, and the chart's words on the surface.
    EXPECT_EQ(SaveQuestion::text(QString()),
              QStringLiteral("The project Untitled has not been saved!\r\n\r\nSave the changes?"));
    EXPECT_EQ(RecoveryStore::questionTitle(), QStringLiteral("Recovery"));
    EXPECT_EQ(ChartWords::shown(QStringLiteral("HAYIR")), QStringLiteral("NO"));
    // English writes the percent sign after the number.
    EXPECT_EQ(QCoreApplication::translate("MainStatusBar", "%%1").arg(150), QStringLiteral("150%"));
    EXPECT_EQ(InterfaceLanguage::active(), Choice::English);
    EXPECT_FALSE(InterfaceLanguage::install(*QCoreApplication::instance(), Choice::English,
                                            QStringLiteral("/yok/")));
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace
