#include "ui/runwin/frmScreen.h"

#include "base/MessageLog.h"
#include "interp/AppFlags.h"
#include "interp/ConsoleScreen.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

frmScreen::frmScreen(ConsoleScreen &console, AppFlags &flags, MessageLog &log, EndApplication endApplication,
                     QWidget *owner)
    : QWidget(owner, Qt::Window),
      m_console(console),
      m_flags(flags),
      m_log(log),
      m_endApplication(std::move(endApplication)),
      m_font(QFontDatabase::systemFont(QFontDatabase::FixedFont)),
      m_refresher([this] { m_console.acknowledge(); }, [this] { update(); })
{
    setObjectName(QStringLiteral("frmScreen"));
    setWindowTitle(tr("Ekran"));
    if (owner)
        setWindowIcon(owner->windowIcon());
    m_font.setPointSize(9);
    m_font.setStyleHint(QFont::TypeWriter);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    const QFontMetrics metrics(m_font);
    resize(metrics.horizontalAdvance(QLatin1Char('M')) * 80 + 8, rowHeight() * 25 + 4);
    connect(&m_console, &ConsoleScreen::changed, &m_refresher, &ScreenRateRefresher::schedule);
}

int frmScreen::rowHeight() const
{
    return QFontMetrics(m_font).height();
}

int frmScreen::keyAsciiOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const QList<uint> codes = event->text().toUcs4();
    return codes.isEmpty() ? -1 : int(codes.first());
}

void frmScreen::showRestored()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void frmScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setFont(m_font);
    painter.setPen(Qt::white);
    const QFontMetrics metrics(m_font);
    const int height = metrics.height();
    const int ascent = metrics.ascent();
    for (int i = 0; i < ConsoleScreen::LineCount; ++i) {
        const QString &text = m_console.line(i);
        if (!text.isEmpty())
            painter.drawText(2, 2 + i * height + ascent, text);
    }
    if (m_console.inputPending()) {
        const int y = 2 + m_console.inputRow() * height;
        painter.fillRect(QRect(0, y, width(), height), Qt::black);
        painter.drawText(2, y + ascent, m_console.lastInputDrawn());
    }
}

void frmScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_console.setVisibleRows((height() - 2) / rowHeight());
}

void frmScreen::keyPressEvent(QKeyEvent *event)
{
    const int code = keyAsciiOf(event);
    if (code < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_console.processKey(code);
}

void frmScreen::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu mnuPopup(this);
    QAction *mnuClearScreen = mnuPopup.addAction(QStringLiteral("Clear Screen"));
    mnuClearScreen->setObjectName(QStringLiteral("mnuClearScreen"));
    connect(mnuClearScreen, &QAction::triggered, &m_console, &ConsoleScreen::clearScreen);
    mnuPopup.exec(event->globalPos());
}

bool frmScreen::closeEndsApplication() const
{
    if (m_flags.startUpFlowMode)
        return !m_flags.windowLoaded;
    return m_flags.runFinished && !m_log.messageBoxShown();
}

void frmScreen::closeEvent(QCloseEvent *event)
{
    if (closeEndsApplication()) {
        m_flags.screenShown = false;
        event->accept();
        m_endApplication();
        return;
    }
    // Only hidden: the window and its text stay for the next show.
    event->ignore();
    hide();
}

void frmScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_flags.screenShown = true;
    m_refresher.flush();
}

void frmScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        m_flags.screenShown = false;
}

bool frmScreen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_flags.screenShown = true;
    return QWidget::event(event);
}
