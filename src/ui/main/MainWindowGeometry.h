#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QString>

class QMainWindow;

// The main window's size and place: where the user last had it, kept in the per-user
// preferences, or else most of the screen, in its middle. Either way it fits the screen it
// opens on, also when it was kept on a larger screen or at a smaller scale, and it stays on it
// when docked windows opening in it make it grow.
class MainWindowGeometry : public QObject {
public:
    MainWindowGeometry(QMainWindow &window, QString settingsFile);

    // Sizes and places the window before it shows.
    void restore();
    // Keeps the window's size and place, and whether it fills the screen, for the next start.
    void keep() const;

    // The window's inside `wanted`, moved and where it must be shrunk so that with its `frame`
    // around it the window lies on `available`; never smaller than `minimum`.
    static QRect fitted(const QRect &wanted, const QMargins &frame, const QRect &available, const QSize &minimum);
    // The first size and place: most of `available`, in its middle.
    static QRect standard(const QRect &available, const QMargins &frame, const QSize &minimum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins frame() const;
    void keepOnScreen();

    QMainWindow &m_window;
    QString m_settingsFile;
};
