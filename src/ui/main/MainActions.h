#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QWidget;

// Every menu and command of the main window, made once, each under a name of its own. A command
// class receives the entries it serves in its constructor and connects them, so a missing entry
// is a compile error rather than a dead menu entry. Each action keeps its object name for the
// tests and for settings that refer to it, and carries its key and its tool tip here, so this
// file lists every key the main window takes.
//
// To add a command: add a member to the struct of its menu (or a new struct and menu), make it
// in that menu's build function with entry(), and hand it to the class that runs it. Classes
// outside ui/main take their actions as plain QAction pointers, so that only the main window's
// folder depends on this set.
class MainActions {
    Q_DECLARE_TR_FUNCTIONS(MainActions)

public:
    // "Dosya"
    struct File {
        QMenu *menu;
        QAction *newChart;
        QAction *open;
        QMenu *recent;
        QMenu *examples;
        QAction *openExercise;
        QAction *checkExercise;
        QAction *exerciseEditor;
        QAction *makeExecutable;
        QAction *save;
        QAction *saveAs;
        QAction *saveImage;
        QAction *print;
        QAction *pictureBreakpoints;
        QAction *exportCode;
        QAction *codeView;
        QAction *exit;
    };
    // "Düzen"; the editor's undo and redo entries go above these.
    struct Edit {
        QMenu *menu;
        QAction *fillColour;
        QAction *textColour;
        QAction *borderColour;
        QAction *size;
        QAction *captionToLine;
        QAction *autoLayout;
        QAction *cut;
        QAction *copy;
        QAction *paste;
        QAction *selectAll;
        QAction *insertBlock;
        QAction *grid;
    };
    // "Sil"
    struct Delete {
        QMenu *menu;
        QAction *line;
        QAction *block;
    };
    // "Yardım"
    struct Help {
        QMenu *menu;
        QAction *handbook;
        QAction *topics;
        QMenu *language; // "Dil / Language"
        QAction *turkish;
        QAction *english;
        QAction *about;
    };
    // "Çalıştır": the run buttons' commands, the delay choices and the debugger's commands.
    struct Run {
        QMenu *menu;
        QAction *run;
        QAction *stop;
        QAction *pause;
        QAction *nextStep;
        QAction *fast;
        QAction *slow;
        QAction *stepMode;
        QAction *toggleBreakpoint;
        QAction *breakpointCondition;
        QAction *clearBreakpoints;
        QAction *stepInto;
        QAction *stepOver;
        QAction *stepOut;
        QAction *stepBack;
        QAction *runToHere;
        QAction *counts;
    };
    // The bottom bar's commands that have no menu entry; its buttons trigger these.
    struct Bar {
        QAction *connect;
        QAction *edit;
    };

    // The menus and actions are children of owner, which shows them.
    explicit MainActions(QWidget *owner);

    // The menus in the order of the menu bar.
    QList<QMenu *> menus() const;

    const File file;
    const Edit edit;
    const Delete remove;
    const Run run;
    const Help help;
    const Bar bar;

    // A new action named objectName at the end of menu (or unattached when menu is null); the
    // tip is shown as its tool tip and in the status bar.
    static QAction *entry(QMenu *menu, QWidget *owner, const char *objectName, const QString &caption,
                          const QString &tip, const QKeySequence &keys = {});
    static QMenu *newMenu(QWidget *owner, const char *objectName, const QString &title);

private:
    static File buildFile(QWidget *owner);
    static Edit buildEdit(QWidget *owner);
    static Delete buildDelete(QWidget *owner);
    static Run buildRun(QWidget *owner);
    static Help buildHelp(QWidget *owner);
    static Bar buildBar(QWidget *owner);
};
