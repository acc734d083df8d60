#pragma once

#include <QMenu>

class RecentProjects;

// The "Son Açılanlar" submenu of the file menu: the recent charts, newest first, numbered for
// the keyboard, and an entry that empties the list. Disabled while the list is empty.
class RecentMenu : public QMenu {
    Q_OBJECT
public:
    RecentMenu(RecentProjects &recent, QWidget *parent = nullptr);

    // Reads the list again (another program may have changed it).
    void rebuild();

Q_SIGNALS:
    void fileChosen(const QString &path);

private:
    void addFileEntry(int number, const QString &path);

    RecentProjects &m_recent;
};
