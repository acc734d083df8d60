#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

// Where the run windows (console, variables, stack) open. The first showing of each puts it
// where the user last had it, kept in the per-user preferences; otherwise beside the main
// window, on the screen, never over the main window's menus, tools and buttons, and clear of
// the other run windows when there is room. A window's place is kept whenever it is hidden.
class RunWindowPlacement : public QObject {
    Q_OBJECT
public:
    // surface: the part of the main window a run window may cover when there is no room
    // beside it. settingsFile: the per-user preferences the places are kept in.
    RunWindowPlacement(QWidget &mainWindow, QWidget &surface, QString settingsFile, QObject *parent = nullptr);

    // Takes a run window in; it is placed on its first showing.
    void manage(QWidget *window);

    // The top-left corner (of the frame) for a window whose frame is `size`: inside `screen`,
    // clear of the main window `main` except its `surface` when it can be, then covering as
    // little of the `others` and of the main window as it can, and then as near the main
    // window's top-right corner as that allows.
    static QPoint spotFor(const QSize &size, const QRect &main, const QRect &surface, const QList<QRect> &others,
                          const QRect &screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeOnFirstShow(QWidget *window);
    bool restore(QWidget *window) const;
    void placeBesideMain(QWidget *window) const;
    void keep(QWidget *window) const;
    static QString key(const QWidget *window);

    QWidget &m_main;
    QWidget &m_surface;
    QString m_settingsFile;
    QList<QPointer<QWidget>> m_windows;
};
