#include "ui/main/LanguageMenu.h"
#include "ui/main/MainActions.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Choice = InterfaceLanguage::Choice;

// The Help menu's language entries over a settings file of their own; the notices are kept
// rather than shown in a box.
struct LanguageEntries {
    explicit LanguageEntries(const QString &settingsFile)
        : menu(new LanguageMenu(window, {actions.help.turkish, actions.help.english}, settingsFile,
                                [this](const QString &text) { notices << text; }))
    {
    }

    QWidget window;
    MainActions actions{&window};
    QStringList notices;
    LanguageMenu *menu;
};

QString keptCode(const QString &settingsFile)
{
    return QSettings(settingsFile, QSettings::IniFormat).value(QStringLiteral("interface/language")).toString();
}

TEST(LanguageMenuTest, ChoosingKeepsTheLanguageAndSaysInItThatItWaitsForTheNextStart)
{
    const QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("varnel.conf"));
    LanguageEntries entries(settings);
    struct Step {
        QAction *pick;
        const char *kept;
        QAction *checked;
        QString notice; // empty: nothing new is said, the choice was already kept
    };
    const Step steps[] = {
        {entries.actions.help.english, "en", entries.actions.help.english,
         QStringLiteral("The interface will be in English when Varnel is started again.")},
        {entries.actions.help.english, "en", entries.actions.help.english, QString()},
        {entries.actions.help.turkish, "tr", entries.actions.help.turkish,
         QStringLiteral("Varnel yeniden başlatıldığında arayüz Türkçe olacak.")},
    };
    for (const Step &step : steps) {
        const qsizetype said = entries.notices.size();
        step.pick->trigger();
        EXPECT_EQ(keptCode(settings), QLatin1String(step.kept)) << step.pick->objectName().toStdString();
        EXPECT_TRUE(step.checked->isChecked());
        EXPECT_EQ(entries.actions.help.turkish->isChecked() + entries.actions.help.english->isChecked(), 1);
        EXPECT_EQ(entries.notices.mid(said), step.notice.isEmpty() ? QStringList() : QStringList{step.notice});
    }
}

TEST(LanguageMenuTest, TheKeptChoiceIsTheCheckedEntry)
{
    struct Case {
        const char *kept; // nullptr: no choice kept yet
        Choice checked;
    };
    const Case cases[] = {{nullptr, Choice::Turkish}, {"en", Choice::English}, {"tr", Choice::Turkish},
                          {"fr", Choice::Turkish}};
    for (const Case &c : cases) {
        const QTemporaryDir folder;
        const QString settings = folder.filePath(QStringLiteral("varnel.conf"));
        if (c.kept) {
            QSettings(settings, QSettings::IniFormat)
                .setValue(QStringLiteral("interface/language"), QString::fromLatin1(c.kept));
        }
        const LanguageEntries entries(settings);
        EXPECT_EQ(entries.actions.help.english->isChecked(), c.checked == Choice::English) << (c.kept ? c.kept : "-");
        EXPECT_EQ(entries.actions.help.turkish->isChecked(), c.checked == Choice::Turkish) << (c.kept ? c.kept : "-");
        EXPECT_TRUE(entries.notices.isEmpty());
    }
}

TEST(LanguageMenuTest, TheEntriesStandInTheHelpMenuUnderBothLanguagesNames)
{
    QWidget window;
    const MainActions actions(&window);
    EXPECT_TRUE(actions.help.menu->actions().contains(actions.help.language->menuAction()));
    EXPECT_EQ(actions.help.language->title(), QStringLiteral("Dil / Language"));
    EXPECT_EQ(actions.help.language->actions(), (QList<QAction *>{actions.help.turkish, actions.help.english}));
    for (QAction *entry : {actions.help.language->menuAction(), actions.help.turkish, actions.help.english})
        EXPECT_FALSE(entry->toolTip().isEmpty()) << entry->objectName().toStdString();
}

} // namespace
