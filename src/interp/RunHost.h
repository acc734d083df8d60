#pragma once

#include <QString>

class cBlock;

// What the interpreter needs from a screen, implemented by the desktop program and by the
// terminal runner (and by tests). Every default does nothing, as without a display.
class RunHost {
public:
    virtual ~RunHost() = default;

    // The selection frame follows the current block while blocks are tracked.
    virtual void setSelector(const cBlock *block) { (void)block; }
    virtual void hideSelector() {}
    // Shows the console, restoring it first when it is minimised (restore false: just show).
    virtual void showConsole(bool restore) { (void)restore; }
    // Restores a minimised console without bringing it forward.
    virtual void restoreConsole() {}
    // The unsaved-changes question before a run; false when the user cancelled.
    virtual bool confirmDiscardChanges() { return true; }
    // The open-file dialog of FILEDIALOG; the chosen full path, empty when cancelled.
    virtual QString fileDialog(const QString &folder, const QString &filter, const QString &defaultExtension)
    {
        (void)folder; (void)filter; (void)defaultExtension;
        return QString();
    }
    // A WINDOW block: load and show its run-time window. False when windows cannot be shown
    // here (the run then ends with the host's own message).
    virtual bool openWindow(cBlock *block) { (void)block; return false; }
    virtual bool windowLoaded() const { return false; }
    // DEFINITION on a window object; false when it failed (the window reports why).
    virtual bool processObjectDefinition(const QString &target, const QString &source)
    {
        (void)target; (void)source;
        return false;
    }
    virtual void closeWindowForTermination() {}
    // The run ended in start-up-flow mode with nothing left open.
    virtual void endApplication() {}
};
