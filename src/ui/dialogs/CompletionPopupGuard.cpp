#include "ui/dialogs/CompletionPopupGuard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

void CompletionPopupGuard::attach(QCompleter *completer)
{
    new CompletionPopupGuard(completer);
}

CompletionPopupGuard::CompletionPopupGuard(QCompleter *completer)
    : QObject(completer), m_completer(completer)
{
    // Installed after the completer's own filter, so this one sees the pop-up's events first.
    QAbstractItemView *popup = completer->popup();
    popup->setAttribute(Qt::WA_NoMouseReplay);
    popup->installEventFilter(this);
}

bool CompletionPopupGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_completer->popup() || !m_completer->popup()->isVisible())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return pressOutside(*static_cast<QMouseEvent *>(event));
    case QEvent::KeyPress:
        return keyPressed(*static_cast<QKeyEvent *>(event));
    default:
        return false;
    }
}

bool CompletionPopupGuard::pressOutside(const QMouseEvent &event)
{
    QAbstractItemView *popup = m_completer->popup();
    const QPoint global = event.globalPosition().toPoint();
    if (popup->rect().contains(popup->mapFromGlobal(global)))
        return false; // a click on a completion picks it
    popup->hide();
    // The press goes to its window as a fresh one, so it finds its widget the usual way.
    QWidget *target = QApplication::widgetAt(global);
    QWidget *field = m_completer->widget();
    if (!target || !field || target->window() != field->window())
        return true;
    QWindow *window = target->window()->windowHandle();
    if (!window)
        return true;
    // At once rather than posted: the release that follows must find the press already made.
    const QPointF local = window->mapFromGlobal(event.globalPosition());
    QMouseEvent press(QEvent::MouseButtonPress, local, local, event.globalPosition(), event.button(), event.buttons(),
                      event.modifiers(), event.pointingDevice());
    QCoreApplication::sendEvent(window, &press);
    return true;
}

bool CompletionPopupGuard::keyPressed(const QKeyEvent &event)
{
    const QAbstractItemView *popup = m_completer->popup();
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (popup->currentIndex().isValid())
            return false; // the completer takes the highlighted completion
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        break;
    default:
        return false;
    }
    m_completer->popup()->hide();
    passOn(event);
    return true;
}

void CompletionPopupGuard::passOn(const QKeyEvent &event)
{
    QWidget *field = m_completer->widget();
    if (!field)
        return;
    QWidget *receiver = field->focusWidget() ? field->focusWidget() : field;
    QKeyEvent again(event.type(), event.key(), event.modifiers(), event.text(), event.isAutoRepeat(),
                    ushort(event.count()));
    QCoreApplication::sendEvent(receiver, &again);
}
