#include "ui/runwin/frm_mBox.h"

#include "base/MessageLog.h"
#include "interp/AppFlags.h"
#include "ui/runwin/MessageLine.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

frm_mBox::frm_mBox(MessageLog &log, AppFlags &flags, EndApplication endApplication, QWidget *owner)
    : QDialog(owner),
      m_log(log),
      m_flags(flags),
      m_endApplication(std::move(endApplication)),
      m_txtMessage(new QPlainTextEdit(this)),
      m_cmdOK(new QPushButton(tr("Tamam"), this)),
      m_refresher([] {}, [this] { appendNewText(); })
{
    setObjectName(QStringLiteral("frm_mBox"));
    setWindowTitle(tr("Uyarı"));
    setModal(false);
    if (owner)
        setWindowIcon(owner->windowIcon());
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setReadOnly(true);
    m_txtMessage->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdOK->setAutoDefault(true);
    m_cmdOK->setMinimumWidth(61);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 6);
    layout->addWidget(m_txtMessage, 1);
    layout->addWidget(m_cmdOK, 0, Qt::AlignHCenter);
    resize(337, 158);
    connect(m_cmdOK, &QPushButton::clicked, this, &frm_mBox::cmdOK_Click);
    connect(&m_log, &MessageLog::messageAdded, &m_refresher, &ScreenRateRefresher::schedule);
}

void frm_mBox::showLog()
{
    m_log.setMessageBoxShown(true);
    m_refresher.schedule();
    if (!isVisible())
        show();
}

QString frm_mBox::text() const
{
    return m_txtMessage->toPlainText();
}

void frm_mBox::appendNewText()
{
    const QList<MessageText> &messages = m_log.messages();
    if (messages.size() < m_shownCount) {
        m_txtMessage->clear();
        m_shownCount = 0;
    }
    if (messages.size() == m_shownCount)
        return;
    for (; m_shownCount < messages.size(); ++m_shownCount)
        appendMessage(messages[m_shownCount]);
    m_txtMessage->verticalScrollBar()->setValue(m_txtMessage->verticalScrollBar()->maximum());
}

// Line for line: a translation keeps its message's lines, so the n-th line shown stands for the
// n-th Turkish one.
void frm_mBox::appendMessage(const MessageText &message)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\r?\\n"));
    const QStringList shown = message.translated().split(lineBreak);
    const QStringList turkish = message.turkish().split(lineBreak);
    QTextCursor cursor(m_txtMessage->document());
    cursor.movePosition(QTextCursor::End);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        cursor.insertText(shown[i]);
        cursor.block().setUserData(new MessageLine(turkish[qMin(i, turkish.size() - 1)]));
        cursor.insertBlock();
    }
}

void frm_mBox::cmdOK_Click()
{
    m_log.dismiss();
    m_txtMessage->clear();
    m_shownCount = 0;
    hide();
    endIfLastWindow();
}

void frm_mBox::endIfLastWindow()
{
    if (m_flags.runFinished && !m_flags.screenShown)
        m_endApplication();
}

void frm_mBox::closeEvent(QCloseEvent *event)
{
    m_log.dismiss();
    m_shownCount = 0;
    setAttribute(Qt::WA_DeleteOnClose);
    event->accept();
    endIfLastWindow();
}

void frm_mBox::reject()
{
    cmdOK_Click();
}

bool frm_mBox::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_log.setMessageBoxShown(true);
    return QDialog::event(event);
}
