#pragma once

#include "shell/InterfaceLanguage.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// "Yardım > Dil / Language": the language the interface starts in from the next start on, kept in
// the user's settings. The running interface keeps its language, as its texts were made when it
// opened; the entry of the kept choice is the checked one.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction *turkish;
        QAction *english;
    };
    // Tells the user that the choice waits for the next start.
    using Notice = std::function<void(const QString &text)>;

    // Without a notice, a message box over window tells it.
    LanguageMenu(QWidget &window, const Actions &actions, QString settingsFile, Notice notice = {});

    // Keeps the choice and tells the user, unless it is the one already kept.
    void choose(InterfaceLanguage::Choice choice);

    // In the chosen language, whatever the running interface's: the user who chose it reads it.
    static QString restartNotice(InterfaceLanguage::Choice choice);

private:
    void showKept();

    Actions m_actions;
    QString m_settingsFile;
    Notice m_notice;
};
