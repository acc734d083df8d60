#include "ui/help/HandbookHelp.h"

#include "shell/DataLocator.h"
#include "ui/help/HelpTopics.h"
#include "ui/help/HelpWindow.h"
#include "ui/runwin/MessageLine.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

const QString MessageWindowName = QStringLiteral("frm_mBox");
const QString MessageTextName = QStringLiteral("txtMessage");

// The message window's text, when the widget is it or its viewport.
QPlainTextEdit *messageText(QObject *object)
{
    for (QObject *o = object; o; o = o->parent()) {
        auto *edit = qobject_cast<QPlainTextEdit *>(o);
        if (edit)
            return edit->objectName() == MessageTextName && edit->window()->objectName() == MessageWindowName ? edit : nullptr;
    }
    return nullptr;
}

bool isF1(const QEvent *event)
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

} // namespace

HandbookHelp::HandbookHelp(QAction *menuEntry, SelectedBlock selectedBlock, QWidget *mainWindow)
    : QObject(mainWindow),
      m_selectedBlock(std::move(selectedBlock)),
      m_mainWindow(mainWindow),
      m_language(handbookLanguage())
{
    m_folder = handbookFolder(m_language);
    menuEntry->setShortcut(QKeySequence::HelpContents);
    menuEntry->setToolTip(tr("Kullanım kılavuzunu açar; seçili bloğun türünü anlatan bölümden"));
    menuEntry->setStatusTip(menuEntry->toolTip());
    connect(menuEntry, &QAction::triggered, this, &HandbookHelp::openForMainWindow);
    qApp->installEventFilter(this);
}

HandbookHelp::~HandbookHelp()
{
    qApp->removeEventFilter(this);
    delete m_window;
}

QString HandbookHelp::handbookFolder(InterfaceLanguage::Choice language)
{
    return DataLocator().dataFolder() + QStringLiteral("handbook/") + InterfaceLanguage::code(language);
}

InterfaceLanguage::Choice HandbookHelp::handbookLanguage()
{
    const InterfaceLanguage::Choice language = InterfaceLanguage::active();
    const bool installed = QFileInfo::exists(handbookFolder(language) + u'/' + HelpTopics::start(language));
    return installed ? language : InterfaceLanguage::Choice::Turkish;
}

HelpWindow *HandbookHelp::window() const
{
    return m_window;
}

void HandbookHelp::setFolder(const QString &folder, InterfaceLanguage::Choice language)
{
    m_folder = folder;
    m_language = language;
    m_handbook.reset();
    m_messages.reset();
    delete m_window;
}

const Handbook &HandbookHelp::handbook()
{
    if (!m_handbook)
        m_handbook = Handbook::load(m_folder);
    return *m_handbook;
}

void HandbookHelp::openTopic(const QString &topic)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && !qobject_cast<HelpWindow *>(modal->window())) {
        auto *beside = new HelpWindow(handbook(), modal);
        beside->setAttribute(Qt::WA_DeleteOnClose);
        beside->showTopic(topic);
        return;
    }
    if (!m_window)
        m_window = new HelpWindow(handbook(), m_mainWindow);
    m_window->showTopic(topic);
}

void HandbookHelp::openForMainWindow()
{
    const cBlock *block = m_selectedBlock ? m_selectedBlock() : nullptr;
    openTopic(block ? HelpTopics::forBlock(*block, m_language) : HelpTopics::start(m_language));
}

QString HandbookHelp::messageTopic(const QString &line)
{
    if (!m_messages)
        m_messages = MessageIndex::load(handbook().folder(), m_language);
    const QString anchor = m_messages->anchorFor(line);
    const QString chapter = MessageIndex::chapterFile(m_language);
    return anchor.isEmpty() ? chapter : chapter + u'#' + anchor;
}

// The innermost part around the focus that the handbook describes: a dialog, a panel docked in
// the main window, a run window in its dock (floating or not). The main window itself is not
// one: F1 there is about the selected block.
QString HandbookHelp::topicAround(QWidget *focus) const
{
    for (QWidget *part = focus; part && part != m_mainWindow; part = part->parentWidget()) {
        QString topic = HelpTopics::forWindow(*part, m_language);
        const auto *dock = qobject_cast<QDockWidget *>(part);
        if (topic.isEmpty() && dock && dock->widget())
            topic = HelpTopics::forWindow(*dock->widget(), m_language);
        if (!topic.isEmpty())
            return topic;
    }
    return QString();
}

bool HandbookHelp::helpForWindow(QWidget *focus)
{
    QWidget *window = focus->window();
    if (qobject_cast<HelpWindow *>(window))
        return false;
    if (QPlainTextEdit *text = messageText(focus)) {
        openTopic(messageTopic(MessageLine::turkishOf(text->textCursor().block())));
        return true;
    }
    const QString topic = topicAround(focus);
    if (topic.isEmpty() && window == m_mainWindow)
        openForMainWindow();
    else
        openTopic(topic.isEmpty() ? HelpTopics::start(m_language) : topic);
    return true;
}

bool HandbookHelp::openMessageLine(QObject *viewport, const QPoint &position)
{
    QPlainTextEdit *text = messageText(viewport);
    if (!text || viewport != text->viewport())
        return false;
    const QString line = MessageLine::turkishOf(text->cursorForPosition(position).block());
    if (line.trimmed().isEmpty())
        return false;
    openTopic(messageTopic(line));
    return true;
}

bool HandbookHelp::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // In a panel of the main window F1 would be the main window's menu entry; the panel
        // takes the key so that its own chapter opens.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!isF1(event) || !widget || topicAround(widget).isEmpty())
            return false;
        event->accept();
        return true;
    }
    case QEvent::KeyPress: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!isF1(event) || !widget)
            return false;
        return helpForWindow(widget);
    }
    case QEvent::MouseButtonDblClick:
        return openMessageLine(watched, static_cast<QMouseEvent *>(event)->position().toPoint());
    case QEvent::Show:
        if (watched->objectName() == MessageWindowName) {
            if (auto *text = watched->findChild<QPlainTextEdit *>(MessageTextName))
                text->setToolTip(tr("Bir satıra çift tıklayın (ya da F1'e basın): kılavuzdaki açıklaması açılır."));
        }
        return false;
    default:
        return false;
    }
}
