#include "ui/guiwin/cGUI_obj.h"

#include "guiwin/WindowLimits.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QString toWidgetText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QString fromWidgetText(const QString &shown)
{
    QString text = shown;
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}
}

cGUI_obj::cGUI_obj(QString id, QString type, TwipsScale scale)
    : m_id(std::move(id))
    , m_type(std::move(type))
    , m_scale(scale)
{
}

void cGUI_obj::setObjGUI(QWidget *widget, int index)
{
    m_widget = widget;
    m_index = index;
    place();
}

QString cGUI_obj::sText() const
{
    if (auto *button = qobject_cast<QPushButton *>(m_widget.data()); button && kind() == GuiKind::Button)
        return fromWidgetText(button->text());
    if (auto *area = qobject_cast<QPlainTextEdit *>(m_widget.data()); area && kind() == GuiKind::TextArea)
        return fromWidgetText(area->toPlainText());
    if (auto *box = qobject_cast<QLineEdit *>(m_widget.data()); box && kind() == GuiKind::TextBox)
        return box->text();
    return QString();
}

void cGUI_obj::setSText(const QString &text)
{
    if (auto *button = qobject_cast<QPushButton *>(m_widget.data()); button && kind() == GuiKind::Button)
        button->setText(toWidgetText(text));
    else if (auto *area = qobject_cast<QPlainTextEdit *>(m_widget.data()); area && kind() == GuiKind::TextArea)
        area->setPlainText(toWidgetText(text));
    else if (auto *box = qobject_cast<QLineEdit *>(m_widget.data()); box && kind() == GuiKind::TextBox)
        box->setText(text);
}

void cGUI_obj::setX(qint16 twips)
{
    m_x = twips;
    place();
}

void cGUI_obj::setY(qint16 twips)
{
    m_y = twips;
    place();
}

void cGUI_obj::setW(qint16 twips)
{
    if (twips <= 0)
        return;
    m_width = twips;
    place();
}

void cGUI_obj::setH(qint16 twips)
{
    if (twips <= 0)
        return;
    m_height = twips;
    place();
}

void cGUI_obj::setGeometry(const QRect &twips)
{
    m_x = qint16(twips.x());
    m_y = qint16(twips.y());
    m_width = qint16(twips.width());
    m_height = qint16(twips.height());
    place();
}

void cGUI_obj::place()
{
    if (!m_widget)
        return;
    // Half a pixel or less still shows as one.
    m_widget->setGeometry(m_scale.toPixelsX(m_x), m_scale.toPixelsY(m_y),
                          WindowLimits::side(m_scale.toPixelsX(m_width)), WindowLimits::side(m_scale.toPixelsY(m_height)));
}

GuiObjectRecord cGUI_obj::record() const
{
    return {m_type, m_id, sText(), m_x, m_y, m_width, m_height, m_function1, m_function2};
}
