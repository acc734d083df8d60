#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QMainWindow;
class QWidget;
class RunWindowDock;

// Where the run windows (console, variables, stack) open: docked in the main window (the
// console at the right, the whole height of the window, the grids below the drawing) at a size
// that can be read, until the user floats or moves them, and then
// where the user last had them, kept in the per-user preferences. A floating window that would
// open over the main window's menus, tools and buttons goes beside the main window instead, on
// the screen and clear of the other run windows when there is room.
class RunWindowPlacement : public QObject {
    Q_OBJECT
public:
    // surface: the part of the main window a floating run window may cover when there is no
    // room beside it. settingsFile: the per-user preferences the places are kept in.
    RunWindowPlacement(QMainWindow &mainWindow, QWidget &surface, QString settingsFile, QObject *parent = nullptr);

    // Puts a run window in a dock of the main window, where the user last had it or else in
    // `area`; the dock shows when the window is shown.
    RunWindowDock *dock(QWidget *window, Qt::DockWidgetArea area);

    // Keeps the places as they are now, for the next start; the windows that close with the
    // main window after this change nothing.
    void keepForNextStart();

    // The top-left corner (of the frame) for a window whose frame is `size`: inside `screen`,
    // clear of the main window `main` except its `surface` when it can be, then covering as
    // little of the `others` and of the main window as it can, and then as near the main
    // window's top-right corner as that allows.
    static QPoint spotFor(const QSize &size, const QRect &main, const QRect &surface, const QList<QRect> &others,
                          const QRect &screen);

    // How far across its dock area a docked run window reaches: the `wanted` extent within a
    // share of the main window's extent `mainExtent` in the same direction (its width beside
    // the drawing, its height below it), and never less than what is readable there.
    static int readableExtent(int wanted, int mainExtent, Qt::Orientation across);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool overControls(const QWidget *window) const;
    void placeBesideMain(QWidget *window) const;
    void keep() const;
    // A docked window squeezed below a readable size (by a small main window, or a place kept
    // when it was squeezed) gets room again.
    void makeReadable(RunWindowDock *dock);
    void makeReadableLater(RunWindowDock *dock);

    QMainWindow &m_main;
    QWidget &m_surface;
    QString m_settingsFile;
    QList<QPointer<RunWindowDock>> m_docks;
    bool m_kept = false;
};
