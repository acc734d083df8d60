#include "ui/support/MainWindowFixture.h"

#include "ui/main/MainActions.h"

#include <QAction>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The entries of a menu and of its fixed submenus, by object name; separators are left out
// and the lists the program fills (examples, recent charts) count as their submenu.
void collectEntries(const QMenu *menu, QStringList &names)
{
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        names << (action->menu() ? action->menu()->objectName() : action->objectName());
    }
}

using MainActionsTest = MainWindowFixture;

} // namespace

TEST(MainActionsFileMenu, PictureAndPrintStandAboveTheSeparatorBeforeExit)
{
    QWidget owner;
    const MainActions actions(&owner);
    const QList<QAction *> entries = actions.file.menu->actions();
    ASSERT_GE(entries.size(), 4);
    const auto last = entries.size() - 1;
    EXPECT_EQ(entries[last], actions.file.exit);
    EXPECT_TRUE(entries[last - 1]->isSeparator());
    EXPECT_EQ(entries[last - 2], actions.file.print);
    EXPECT_EQ(entries[last - 3], actions.file.saveImage);
    EXPECT_EQ(actions.file.saveImage->text(), QStringLiteral("Resim Olarak Kaydet..."));
    EXPECT_EQ(actions.file.print->text(), QStringLiteral("Yazdır..."));
    EXPECT_EQ(actions.file.print->shortcut(), QKeySequence(QKeySequence::Print));
}

// Tests and settings find the entries by object name: two entries under one name would make
// one of them unreachable.
TEST_F(MainActionsTest, EveryMenuEntryHasANameOfItsOwn)
{
    QStringList names;
    for (const QAction *top : window->menuBar()->actions())
        collectEntries(top->menu(), names);
    for (const QString &name : names) {
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(names.count(name), 1) << name.toStdString();
    }
    EXPECT_TRUE(names.contains(QStringLiteral("mnuUndo")));
    EXPECT_TRUE(names.contains(QStringLiteral("mnuSaveImage")));
}

// A key given to two commands runs neither: Qt reports it as ambiguous.
TEST_F(MainActionsTest, NoTwoCommandsShareAKey)
{
    QMap<QKeySequence, QString> owners;
    for (const QAction *action : window->findChildren<QAction *>()) {
        for (const QKeySequence &keys : action->shortcuts()) {
            const auto taken = owners.constFind(keys);
            EXPECT_TRUE(taken == owners.cend())
                << keys.toString().toStdString() << ": " << taken.value().toStdString() << " and "
                << action->objectName().toStdString();
            owners.insert(keys, action->objectName());
        }
    }
    EXPECT_GE(owners.size(), 10);
}

TEST_F(MainActionsTest, TheBottomBarButtonsRunTheirCommands)
{
    QAction *deleteBlock = window->actions().remove.block;
    int runs = 0;
    QObject::connect(deleteBlock, &QAction::triggered, window.get(), [&runs] { ++runs; });
    auto *button = window->findChild<QPushButton *>(QStringLiteral("cmdDeleteBlock"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(runs, 1);
    deleteBlock->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), deleteBlock->toolTip());
}
