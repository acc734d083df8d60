#pragma once

#include <QObject>

class QMenu;

// Fills the "Örnekler" submenu of the file menu with the examples that ship with the program,
// in catalogue order; an entry announces its index in the catalogue.
class ExamplesMenu : public QObject {
    Q_OBJECT
public:
    ExamplesMenu(QMenu *menu, QObject *parent = nullptr);

    QMenu *menu() const { return m_menu; }

Q_SIGNALS:
    void exampleChosen(int index);

private:
    QMenu *m_menu;
};
