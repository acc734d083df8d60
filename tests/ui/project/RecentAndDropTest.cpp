// Opening by drag and drop, and the "Son Açılanlar" submenu.

#include "ProjectCommandsFixture.h"

#include "ui/main/RecentMenu.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

using Answer = SaveQuestion::Answer;

namespace {

class RecentAndDropTest : public ProjectCommandsFixture {
protected:
    // Drags the data over the window and drops it, as the user does; true when the window
    // took the drag.
    bool drop(const QMimeData &data)
    {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &dropped);
        QCoreApplication::processEvents(); // the file opens once the drop is over
        return true;
    }

    static void setFiles(QMimeData &data, const QStringList &files)
    {
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
    }

    QStringList recentEntries() const
    {
        QStringList texts;
        commands->recentMenu()->rebuild();
        for (const QAction *action : commands->recentMenu()->menu()->actions()) {
            if (action->objectName() == QLatin1String("mnuRecent"))
                texts << action->data().toString();
        }
        return texts;
    }
};

} // namespace

TEST_F(RecentAndDropTest, ADroppedFileOpensTheFirstOfSeveral)
{
    QMimeData data;
    setFiles(data, {example(QStringLiteral("test05_if.vnp")), example(QStringLiteral("test00_hello.vnp"))});
    EXPECT_TRUE(drop(data));
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test05_if.vnp")));
    EXPECT_EQ(project.context().selectedIndex(), -1);
    EXPECT_TRUE(dialogs->shown.isEmpty());

    QMimeData text;
    text.setText(QStringLiteral("factorial.vnp"));
    EXPECT_FALSE(drop(text));
}

TEST_F(RecentAndDropTest, ADropAsksAboutUnsavedChangesFirst)
{
    const QString mine = openChanged();
    QMimeData data;
    setFiles(data, {example(QStringLiteral("test05_if.vnp"))});

    dialogs->saveAnswers = {Answer::Cancel};
    drop(data);
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Kaydet?")});
    EXPECT_EQ(project.projectPath(), mine);
    EXPECT_TRUE(project.projectModified());

    dialogs->saveAnswers = {Answer::No};
    drop(data);
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test05_if.vnp")));
    EXPECT_EQ(undoStack.count(), 0);
}

TEST_F(RecentAndDropTest, ADropDuringARunIsRefused)
{
    commands->openExample(6);
    runtime.run.setDelay(RunControl::DelayMaximum);
    runtime.run.cmdRun_ClickP();
    QMimeData data;
    setFiles(data, {example(QStringLiteral("test05_if.vnp"))});
    drop(data);
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Önce şu anki işlemi durdurun!")});
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test00_hello.vnp")));
}

TEST_F(RecentAndDropTest, OpenedAndSavedChartsAreListedNewestFirst)
{
    EXPECT_FALSE(commands->recentMenu()->menu()->isEnabled());
    const QString mine = openChanged();
    dialogs->saveAnswer = temp(QStringLiteral("other.vnp"));
    commands->saveAs();
    QMimeData data;
    setFiles(data, {example(QStringLiteral("test05_if.vnp"))});
    drop(data);
    commands->openExample(6); // the examples have a menu of their own

    EXPECT_EQ(recentEntries(), (QStringList{example(QStringLiteral("test05_if.vnp")), temp(QStringLiteral("other.vnp")), mine}));
    EXPECT_TRUE(commands->recentMenu()->menu()->isEnabled());
    const QAction *first = commands->recentMenu()->menu()->actions().first();
    EXPECT_EQ(first->text(), QStringLiteral("&1 test05_if.vnp  (") + QDir::toNativeSeparators(programFolder() + QStringLiteral("Examples")) + u')');

    // Another program sees the same list.
    EXPECT_EQ(RecentProjects(places().recentSettingsFile).files().size(), 3);
}

TEST_F(RecentAndDropTest, ChoosingAnEntryOpensItAndAGoneOneIsDroppedWithAMessage)
{
    const QString mine = openChanged();
    commands->save();
    commands->openExample(6);
    commands->recentMenu()->rebuild(); // as when the file menu opens
    QAction *entry = commands->recentMenu()->menu()->actions().first();
    ASSERT_EQ(entry->data().toString(), mine);
    entry->trigger();
    EXPECT_EQ(project.projectPath(), mine);

    ASSERT_TRUE(QFile::remove(mine));
    commands->openExample(6);
    commands->recentMenu()->rebuild();
    commands->recentMenu()->menu()->actions().first()->trigger();
    EXPECT_EQ(log.text(), QStringLiteral("Dosya bulunamadı, Son Açılanlar listesinden çıkarıldı: ") + mine + QStringLiteral("\r\n"));
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test00_hello.vnp")));
    EXPECT_TRUE(recentEntries().isEmpty());
    EXPECT_FALSE(commands->recentMenu()->menu()->isEnabled());
}

TEST_F(RecentAndDropTest, TheListCanBeEmptied)
{
    openChanged();
    commands->recentMenu()->rebuild();
    const QList<QAction *> entries = commands->recentMenu()->menu()->actions();
    ASSERT_EQ(entries.last()->text(), QStringLiteral("Listeyi Temizle"));
    entries.last()->trigger();
    EXPECT_TRUE(commands->recentProjects().files().isEmpty());
    EXPECT_FALSE(commands->recentMenu()->menu()->isEnabled());
}
