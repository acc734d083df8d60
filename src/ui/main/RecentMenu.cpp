#include "ui/main/RecentMenu.h"

#include "project/RecentProjects.h"

#include <QDir>
#include <QFileInfo>

namespace {

// "&" marks the keyboard letter in a menu caption; a file name's own one is doubled.
QString menuText(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

RecentMenu::RecentMenu(RecentProjects &recent, QWidget *parent)
    : QMenu(QStringLiteral("Son Açılanlar"), parent),
      m_recent(recent)
{
    setObjectName(QStringLiteral("mnuRecentMenu"));
    setToolTipsVisible(true);
    rebuild();
}

void RecentMenu::rebuild()
{
    // An entry may be rebuilding the menu from its own triggered signal: it goes later.
    for (QAction *old : actions()) {
        removeAction(old);
        old->deleteLater();
    }
    const QStringList files = m_recent.files();
    for (int i = 0; i < files.size(); ++i)
        addFileEntry(i + 1, files[i]);
    addSeparator();
    QAction *clearList = addAction(QStringLiteral("Listeyi Temizle"));
    clearList->setObjectName(QStringLiteral("mnuRecentClear"));
    connect(clearList, &QAction::triggered, this, [this] {
        m_recent.clear();
        rebuild();
    });
    setEnabled(!files.isEmpty());
}

void RecentMenu::addFileEntry(int number, const QString &path)
{
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    QAction *entry = addAction(QStringLiteral("&%1 %2  (%3)").arg(QString::number(number),
                                                                 menuText(file.fileName()), menuText(folder)));
    entry->setObjectName(QStringLiteral("mnuRecent"));
    entry->setData(path);
    entry->setToolTip(path);
    connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT fileChosen(path); });
}
