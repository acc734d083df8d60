#include "ui/main/RecentMenu.h"

#include "project/RecentProjects.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// "&" marks the keyboard letter in a menu caption; a file name's own one is doubled.
QString menuText(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

RecentMenu::RecentMenu(RecentProjects &recent, QMenu *menu, QObject *parent)
    : QObject(parent),
      m_recent(recent),
      m_menu(menu)
{
    rebuild();
}

void RecentMenu::rebuild()
{
    // An entry may be rebuilding the menu from its own triggered signal: it goes later.
    for (QAction *old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList files = m_recent.files();
    for (int i = 0; i < files.size(); ++i)
        addFileEntry(i + 1, files[i]);
    m_menu->addSeparator();
    QAction *clearList = m_menu->addAction(tr("Listeyi Temizle"));
    clearList->setObjectName(QStringLiteral("mnuRecentClear"));
    connect(clearList, &QAction::triggered, this, [this] {
        m_recent.clear();
        rebuild();
    });
    m_menu->setEnabled(!files.isEmpty());
}

void RecentMenu::addFileEntry(int number, const QString &path)
{
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    QAction *entry = m_menu->addAction(QStringLiteral("&%1 %2  (%3)").arg(QString::number(number),
                                                                 menuText(file.fileName()), menuText(folder)));
    entry->setObjectName(QStringLiteral("mnuRecent"));
    entry->setData(path);
    entry->setToolTip(path);
    connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT fileChosen(path); });
}
