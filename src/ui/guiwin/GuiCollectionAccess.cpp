#include "ui/guiwin/GuiCollectionAccess.h"

#include "guiwin/WindowLimits.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/GuiPicture.h"

GuiCollectionAccess::GuiCollectionAccess(QWidget *window, GUI_Collection &theGUI)
    : m_window(window)
    , m_gui(theGUI)
{
}

double GuiCollectionAccess::twipsPerPixelX() const
{
    return m_gui.scale().twipsPerPixelX();
}

double GuiCollectionAccess::twipsPerPixelY() const
{
    return m_gui.scale().twipsPerPixelY();
}

int GuiCollectionAccess::windowOuter(Field field) const
{
    const QRect frame = m_window->frameGeometry();
    return field == W ? int(frame.width() * twipsPerPixelX()) : int(frame.height() * twipsPerPixelY());
}

// The outer size asked for, less what the border and title take.
void GuiCollectionAccess::setWindowOuter(Field field, int twips)
{
    const QSize border = m_window->frameGeometry().size() - m_window->size();
    QSize client = m_window->size();
    if (field == W)
        client.setWidth(m_gui.scale().toPixelsX(twips) - border.width());
    else
        client.setHeight(m_gui.scale().toPixelsY(twips) - border.height());
    m_window->resize(WindowLimits::side(client.width()), WindowLimits::side(client.height()));
}

cGUI_obj &GuiCollectionAccess::object(const QString &name) const
{
    return *m_gui.item(name);
}

GuiKind::Kind GuiCollectionAccess::objectKind(const QString &name) const
{
    const cGUI_obj *found = m_gui.item(name);
    return found ? found->kind() : GuiKind::Unknown;
}

QString GuiCollectionAccess::objectText(const QString &name) const
{
    return object(name).sText();
}

void GuiCollectionAccess::setObjectText(const QString &name, const QString &text)
{
    object(name).setSText(text);
}

int GuiCollectionAccess::objectGeometry(const QString &name, Field field) const
{
    const cGUI_obj &o = object(name);
    switch (field) {
    case X: return o.X();
    case Y: return o.Y();
    case W: return o.w();
    default: return o.h();
    }
}

void GuiCollectionAccess::setObjectGeometry(const QString &name, Field field, int twips)
{
    cGUI_obj &o = object(name);
    const auto value = qint16(twips);
    switch (field) {
    case X: o.setX(value); break;
    case Y: o.setY(value); break;
    case W: o.setW(value); break;
    default: o.setH(value); break;
    }
}

void GuiCollectionAccess::setObjectVisible(const QString &name, bool visible)
{
    object(name).objGUI()->setVisible(visible);
}

QString GuiCollectionAccess::setObjectImage(const QString &name, const QString &file)
{
    if (auto *picture = qobject_cast<GuiPicture *>(object(name).objGUI()))
        return picture->setImage(file);
    return QString();
}

void GuiCollectionAccess::drawObjectLine(const QString &name, double x1, double y1, double x2, double y2)
{
    if (auto *picture = qobject_cast<GuiPicture *>(object(name).objGUI()))
        picture->drawLine(x1, y1, x2, y2);
}

void GuiCollectionAccess::setObjectDrawMode(const QString &name, bool invert)
{
    if (auto *picture = qobject_cast<GuiPicture *>(object(name).objGUI()))
        picture->setInvertMode(invert);
}
