#pragma once

#include "shell/InterfaceLanguage.h"
#include "ui/help/Handbook.h"
#include "ui/help/MessageIndex.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class HelpWindow;
class QAction;
class QWidget;
class cBlock;

// The handbook one key away, in the language of the interface. The menu entry "Kullanım
// Kılavuzu" (F1 in the main window) opens the entry of the selected block's kind, or the first
// chapter. An application-wide filter answers F1 in every other window, and in the panels docked
// in the main window, with their chapter, and a double click (or F1) on a line of the message
// window with that message's entry in the message table.
class HandbookHelp : public QObject {
    Q_OBJECT
public:
    using SelectedBlock = std::function<const cBlock *()>;

    HandbookHelp(QAction *menuEntry, SelectedBlock selectedBlock, QWidget *mainWindow);
    ~HandbookHelp() override;

    // "<data folder>/handbook/<language code>", where the program finds its handbook.
    static QString handbookFolder(InterfaceLanguage::Choice language);
    // The handbook in the language of the interface; the Turkish one when that language's
    // chapters are not installed.
    static InterfaceLanguage::Choice handbookLanguage();

    // Reads the handbook of that language from this folder from now on (tests).
    void setFolder(const QString &folder, InterfaceLanguage::Choice language);

    // Shows "chapter.md#anchor": in the one help window, or, while a modal dialog is open, in
    // a window of that dialog's own, which the dialog does not block.
    void openTopic(const QString &topic);
    // What F1 in the main window shows.
    void openForMainWindow();
    // The entry of a message window line; the message table's start for a line it lacks.
    QString messageTopic(const QString &line);
    // The one help window, once it exists.
    HelpWindow *window() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString topicAround(QWidget *focus) const;
    bool helpForWindow(QWidget *focus);
    bool openMessageLine(QObject *viewport, const QPoint &position);
    const Handbook &handbook();

    SelectedBlock m_selectedBlock;
    QWidget *m_mainWindow;
    QPointer<HelpWindow> m_window;
    QString m_folder;
    InterfaceLanguage::Choice m_language;
    std::optional<Handbook> m_handbook;
    std::optional<MessageIndex> m_messages;
};
