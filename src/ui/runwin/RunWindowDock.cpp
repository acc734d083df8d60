#include "ui/runwin/RunWindowDock.h"

#include <QCloseEvent>
#include <QEvent>

RunWindowDock::RunWindowDock(QWidget *window, QWidget *parent)
    : QDockWidget(window->windowTitle(), parent), m_window(window), m_windowSize(window->size())
{
    setObjectName(QStringLiteral("dock_") + window->objectName());
    setAllowedAreas(Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setWidget(window); // from here on a part of the dock, no longer a window of its own
    window->resize(m_windowSize);
    // Hidden in so many words, so that the program's next show() of it shows the dock.
    window->hide();
    window->installEventFilter(this);
    hide();
    // Hidden by the user through the dock, the window counts as hidden too, so that showing it
    // again brings the dock back.
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && isHidden())
            m_window->hide();
    });
}

void RunWindowDock::bringForward()
{
    // A program made from a chart runs it with the main window hidden: there a docked window
    // could not be seen, so it stands on its own.
    if (parentWidget() && !parentWidget()->isVisible() && !isFloating())
        setFloating(true);
    show();
    raise();
}

// The console draws its rows itself and offers no size of its own: docked, each window asks
// for the size it was made with, below the dock's title.
QSize RunWindowDock::sizeHint() const
{
    const QSize dock = QDockWidget::sizeHint();
    const QSize inside = m_window->sizeHint().expandedTo(QSize(0, 0));
    return dock.expandedTo(m_windowSize + QSize(0, dock.height() - inside.height()));
}

bool RunWindowDock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::ShowToParent)
            bringForward();
        else if (event->type() == QEvent::HideToParent && !isHidden())
            hide();
        else if (event->type() == QEvent::WindowTitleChange)
            setWindowTitle(m_window->windowTitle());
    }
    return QDockWidget::eventFilter(watched, event);
}

void RunWindowDock::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_window->close());
}
