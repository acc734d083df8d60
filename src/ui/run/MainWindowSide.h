#pragma once

class MessageLog;
class Project;
class QWidget;
class cBlock;
class Runtime;

// What a run driven from the main window asks of that window: the parts it runs on, the
// selection frame, the console and the end of the program. The main window implements it, so
// this folder does not depend on the window's own.
class MainWindowSide {
public:
    virtual ~MainWindowSide() = default;

    // The parent of the dialogs and windows a run opens.
    virtual QWidget *widget() = 0;
    virtual Runtime &runtime() = 0;
    virtual Project &project() = 0;
    virtual MessageLog &log() = 0;
    virtual void setSelector(const cBlock *block) = 0;
    virtual void hideSelector() = 0;
    virtual void showScreen(bool restore) = 0;
    virtual void restoreScreen() = 0;
    virtual bool confirmDiscardChanges() = 0;
    virtual void endApplication() = 0;
};
