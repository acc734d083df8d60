#include "ui/main/ExamplesMenu.h"

#include "project/ExampleCatalog.h"

#include <QMenu>

ExamplesMenu::ExamplesMenu(QMenu *menu, QObject *parent)
    : QObject(parent),
      m_menu(menu)
{
    m_menu->clear();
    const QList<ExampleCatalog::Entry> &entries = ExampleCatalog::entries();
    for (int i = 0; i < entries.size(); ++i) {
        QAction *entry = m_menu->addAction(entries[i].title());
        entry->setObjectName(QStringLiteral("mnuExample"));
        entry->setData(i);
        entry->setVisible(entries[i].visible);
        connect(entry, &QAction::triggered, this, [this, i] { Q_EMIT exampleChosen(i); });
    }
}
