#pragma once

#include "interp/RunParts.h"

#include <QWidget>

class GUI_Collection;
class RunControl;
class WindowSession;
class cBlock;
class cGUI_obj;

// The run-time window ("Pencere") a WINDOW block opens: its client area, objects and event
// functions come from the block's window definition. The window forwards what the user does to
// the session, which holds the rules; objects are addressed by name in property statements.
// One instance per opening: unloading hides it and deletes it later.
class frmWindow : public QWidget {
    Q_OBJECT
public:
    frmWindow(WindowSession &session, RunParts parts, RunControl &run, QWidget *owner);
    ~frmWindow() override;

    // The load sequence for the WINDOW block (which the on-load function's chart replaces).
    void load(const cBlock &windowBlock);
    // One property statement; false after its message.
    bool processObjectDefinition(const QString &target, const QString &source);
    // Flags down, hidden, deleted once control is back in the event loop.
    void unload();
    bool unloaded() const { return m_unloaded; }

    GUI_Collection &theGUI() const { return *m_gui; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void objectPressed(cGUI_obj *object, Qt::MouseButton button, QPoint pos);
    QString positionText(const cGUI_obj &object, QPoint pos) const;
    void post(const QString &function, const QString &parameter);
    void keepRightClicks();

    WindowSession &m_session;
    RunParts m_parts;
    RunControl &m_run;
    GUI_Collection *m_gui = nullptr;
    bool m_unloaded = false;
};
