#pragma once

#include <QObject>

class QMenu;
class RecentProjects;

// Fills the "Son Açılanlar" submenu of the file menu: the recent charts, newest first, numbered
// for the keyboard, and an entry that empties the list. The submenu is disabled while the list
// is empty.
class RecentMenu : public QObject {
    Q_OBJECT
public:
    RecentMenu(RecentProjects &recent, QMenu *menu, QObject *parent = nullptr);

    QMenu *menu() const { return m_menu; }
    // Reads the list again (another program may have changed it).
    void rebuild();

Q_SIGNALS:
    void fileChosen(const QString &path);

private:
    void addFileEntry(int number, const QString &path);

    RecentProjects &m_recent;
    QMenu *m_menu;
};
