// A chart built in the English interface is the chart built in the Turkish one: the line
// captions the user types in English are stored as the Turkish words.

#include "EditorFixture.h"
#include "support/TranslationScope.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class InterfaceLanguageChartTest : public EditorFixture {
protected:
    // A condition whose two lines the user captions the other way round from the ones given.
    QByteArray buildAndSave(const QString &yes, const QString &no)
    {
        cBlock *start = place(QStringLiteral("START"), QPointF(20, 20));
        editor->setPlacementDialog([](const BlockTool &) -> std::optional<ActionFields> {
            return ActionFields{QStringLiteral("IF_EQUAL"), QStringLiteral("x"), QStringLiteral("1"), QString()};
        });
        cBlock *test = place(QStringLiteral("JUNCTION"), QPointF(100, 100));
        cBlock *first = place(QStringLiteral("END"), QPointF(20, 250));
        cBlock *second = place(QStringLiteral("END"), QPointF(300, 250));
        EXPECT_TRUE(start && test && first && second);
        if (!(start && test && first && second))
            return {};
        QString answer;
        editor->setCaptionPrompt([&answer] { return answer; });
        selectPair(*start, *test);
        editor->connectSelected();
        selectPair(*test, *first);
        editor->connectSelected();
        answer = no;
        editor->labelSelectedLines();
        selectPair(*test, *second);
        editor->connectSelected();
        answer = yes;
        editor->labelSelectedLines();
        const QString path = dir.filePath(QStringLiteral("chart.vnp"));
        EXPECT_TRUE(project->saveProjectFile(path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    void clear()
    {
        TearDown();
        SetUp();
    }

    QTemporaryDir dir;
};

TEST_F(InterfaceLanguageChartTest, AChartSavedInEnglishIsTheChartSavedInTurkish)
{
    const QByteArray turkish = buildAndSave(QStringLiteral("EVET"), QStringLiteral("HAYIR"));
    ASSERT_TRUE(turkish.contains("EVET"));
    clear();
    const TranslationScope english({{"ChartWords", QStringLiteral("EVET"), QStringLiteral("YES")},
                                    {"ChartWords", QStringLiteral("HAYIR"), QStringLiteral("NO")},
                                    {"ChartWords", QStringLiteral("başla"), QStringLiteral("start")},
                                    {"ChartWords", QStringLiteral("dur"), QStringLiteral("stop")}});
    EXPECT_EQ(buildAndSave(QStringLiteral("YES"), QStringLiteral("no")), turkish);
}

} // namespace
