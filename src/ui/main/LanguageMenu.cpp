#include "ui/main/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMessageBox>
#include <QWidget>

#include <utility>

using Choice = InterfaceLanguage::Choice;

LanguageMenu::LanguageMenu(QWidget &window, const Actions &actions, QString settingsFile, Notice notice)
    : QObject(&window), m_actions(actions), m_settingsFile(std::move(settingsFile)), m_notice(std::move(notice))
{
    if (!m_notice) {
        m_notice = [&window](const QString &text) {
            QMessageBox::information(&window, QStringLiteral("Dil / Language"), text);
        };
    }
    auto *group = new QActionGroup(this);
    for (QAction *action : {m_actions.turkish, m_actions.english}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    connect(m_actions.turkish, &QAction::triggered, this, [this] { choose(Choice::Turkish); });
    connect(m_actions.english, &QAction::triggered, this, [this] { choose(Choice::English); });
    showKept();
}

void LanguageMenu::choose(Choice choice)
{
    const bool changed = InterfaceLanguage::saved(m_settingsFile) != choice;
    InterfaceLanguage::save(m_settingsFile, choice);
    showKept();
    if (changed)
        m_notice(restartNotice(choice));
}

QString LanguageMenu::restartNotice(Choice choice)
{
    return choice == Choice::English ? QStringLiteral("The interface will be in English when Varnel is started again.")
                                     : QStringLiteral("Varnel yeniden başlatıldığında arayüz Türkçe olacak.");
}

void LanguageMenu::showKept()
{
    const Choice kept = InterfaceLanguage::saved(m_settingsFile);
    m_actions.turkish->setChecked(kept == Choice::Turkish);
    m_actions.english->setChecked(kept == Choice::English);
}
