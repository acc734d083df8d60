#include "ui/guiwin/GUI_Collection.h"

#include "base/MessageLog.h"
#include "base/tranLng.h"
#include "ui/guiwin/GuiPicture.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const char *const indexProperty = "guiIndex";
const char *const kindProperty = "guiKind";

QString defaultText(GuiKind::Kind kind)
{
    switch (kind) {
    case GuiKind::Button:
        return tranLng(QStringLiteral("button"));
    case GuiKind::TextArea:
        return QStringLiteral("text area");
    case GuiKind::TextBox:
        return QStringLiteral("text box");
    default:
        return QString();
    }
}
}

GUI_Collection::GUI_Collection(QWidget *parent, MessageLog *log, TwipsScale scale, GuiTemplates templates)
    : QObject(parent)
    , m_parent(parent)
    , m_log(log)
    , m_scale(scale)
    , m_templates(templates)
{
}

GUI_Collection::~GUI_Collection() = default;

cGUI_obj *GUI_Collection::Add(const QString &sID, const QString &sTYPE, const QString &sKey)
{
    const GuiKind::Kind kind = GuiKind::fromWord(sTYPE);
    if (kind == GuiKind::Unknown) {
        m_log->mBox(tr("Yanlış nesne eklenmeye çalışılıyor: ") + sTYPE);
        return nullptr;
    }
    if (!sKey.isEmpty() && positionOfKey(sKey) >= 0) {
        m_log->mBox(tr("Aynı isimde ikinci bir nesne eklenemez: ") + sKey);
        return nullptr;
    }
    const int index = familySize(kind);
    ++m_created[kind];
    auto object = std::make_unique<cGUI_obj>(sID, sTYPE, m_scale);
    object->setObjGUI(createWidget(kind, index), index);
    object->setGeometry(m_templates.rect[kind]);
    object->setSText(defaultText(kind));
    object->objGUI()->raise();
    object->objGUI()->show();
    m_entries.push_back({sKey, std::move(object)});
    return m_entries.back().object.get();
}

QWidget *GUI_Collection::createWidget(GuiKind::Kind kind, int index)
{
    QWidget *widget = nullptr;
    switch (kind) {
    case GuiKind::Button:
        widget = new QPushButton(m_parent);
        connect(static_cast<QPushButton *>(widget), &QPushButton::clicked, this, [this, index] {
            if (cGUI_obj *object = getObjectFromIndex(index, GuiKind::word(GuiKind::Button)))
                Q_EMIT clicked(object);
        });
        break;
    case GuiKind::TextArea: {
        auto *area = new QPlainTextEdit(m_parent);
        area->setLineWrapMode(QPlainTextEdit::NoWrap);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        widget = area;
        break;
    }
    case GuiKind::Picture:
        widget = new GuiPicture(m_parent);
        break;
    default:
        widget = new QLineEdit(m_parent);
        break;
    }
    if (m_intercepting)
        widget->setFocusPolicy(Qt::NoFocus);
    widget->setProperty(indexProperty, index);
    widget->setProperty(kindProperty, GuiKind::word(kind));
    widget->setObjectName(GuiKind::word(kind) + QString::number(index));
    watch(widget);
    return widget;
}

// Text areas take the mouse in their viewport and scroll bars; those are watched as well.
void GUI_Collection::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    if (auto *area = qobject_cast<QPlainTextEdit *>(widget))
        for (QWidget *part : area->findChildren<QWidget *>())
            part->installEventFilter(this);
}

cGUI_obj *GUI_Collection::objectOfWidget(QObject *watched, QPoint &pos, const QMouseEvent *event) const
{
    QWidget *widget = qobject_cast<QWidget *>(watched);
    while (widget && !widget->property(indexProperty).isValid())
        widget = widget->parentWidget();
    if (!widget)
        return nullptr;
    pos = widget->mapFromGlobal(event->globalPosition()).toPoint();
    return getObjectFromIndex(widget->property(indexProperty).toInt(), widget->property(kindProperty).toString());
}

bool GUI_Collection::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove
                       || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (!mouse) {
        const bool input = type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::Wheel
                           || type == QEvent::ContextMenu;
        return m_intercepting && input;
    }
    const auto *mouseEvent = static_cast<QMouseEvent *>(event);
    if (type == m_lastType && mouseEvent->timestamp() == m_lastTimestamp
        && mouseEvent->globalPosition() == m_lastGlobal)
        return m_intercepting;
    m_lastType = type;
    m_lastTimestamp = mouseEvent->timestamp();
    m_lastGlobal = mouseEvent->globalPosition();
    QPoint pos;
    cGUI_obj *object = objectOfWidget(watched, pos, mouseEvent);
    if (object) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            Q_EMIT mousePressed(object, mouseEvent->button(), pos);
        else if (type == QEvent::MouseMove)
            Q_EMIT mouseMoved(object, pos);
        else
            Q_EMIT mouseReleased(object, mouseEvent->button(), pos);
    }
    return m_intercepting;
}

cGUI_obj *GUI_Collection::item(int position) const
{
    if (position < 1 || position > Count())
        return nullptr;
    return m_entries[std::size_t(position - 1)].object.get();
}

int GUI_Collection::positionOfKey(const QString &key) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (!m_entries[i].key.isEmpty() && m_entries[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

cGUI_obj *GUI_Collection::item(const QString &key) const
{
    const int at = positionOfKey(key);
    return at < 0 ? nullptr : m_entries[std::size_t(at)].object.get();
}

void GUI_Collection::Remove(int position)
{
    if (position >= 1 && position <= Count())
        m_entries.erase(m_entries.begin() + (position - 1));
}

void GUI_Collection::Remove(const QString &key)
{
    const int at = positionOfKey(key);
    if (at >= 0)
        m_entries.erase(m_entries.begin() + at);
}

cGUI_obj *GUI_Collection::getObjectFromIndex(int Index, const QString &sTYPE) const
{
    for (const Entry &entry : m_entries)
        if (entry.object->Index() == Index && entry.object->sTYPE() == sTYPE)
            return entry.object.get();
    return nullptr;
}
