#pragma once

#include <QObject>

class QCompleter;
class QKeyEvent;
class QMouseEvent;

// Makes a completion pop-up step aside instead of swallowing what the user does next: a click
// elsewhere closes it and lands where it was aimed (another field gets the focus, a button is
// pressed), Tab closes it and moves on, and Enter takes a completion only when one is
// highlighted; otherwise it closes the pop-up and acts as Enter does in the dialog.
class CompletionPopupGuard : public QObject {
    Q_OBJECT
public:
    // Guards the completer's pop-up for as long as the completer lives.
    static void attach(QCompleter *completer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CompletionPopupGuard(QCompleter *completer);
    bool pressOutside(const QMouseEvent &event);
    bool keyPressed(const QKeyEvent &event);
    // The event again, to the completer's field, as if no pop-up had been open.
    void passOn(const QKeyEvent &event);

    QCompleter *m_completer;
};
