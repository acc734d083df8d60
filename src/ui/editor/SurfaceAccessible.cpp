#include "ui/editor/SurfaceAccessible.h"

#include "project/Project.h"
#include "render/ChartScene.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/ChartItemAccessible.h"
#include "ui/editor/DrawingSurface.h"

#include <QPointer>

namespace {

// The editor of each surface that has one.
QHash<const QObject *, QPointer<ChartEditor>> &editors()
{
    static QHash<const QObject *, QPointer<ChartEditor>> map;
    return map;
}

QAccessibleInterface *surfaceFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("DrawingSurface"))
        return nullptr;
    const QPointer<ChartEditor> editor = editors().value(object);
    auto *surface = qobject_cast<DrawingSurface *>(object);
    return editor && surface ? new SurfaceAccessible(surface, editor) : nullptr;
}

} // namespace

void SurfaceAccessible::install(DrawingSurface *surface, ChartEditor *editor)
{
    static const bool installed = [] {
        QAccessible::installFactory(surfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
    editors().insert(surface, editor);
    // An interface made for the surface before it had an editor (when it was shown) goes, so
    // the next request makes this one.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(surface);
    if (made && !dynamic_cast<SurfaceAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QObject::connect(surface, &QObject::destroyed, [surface] { editors().remove(surface); });
    // A reader follows the selection as Tab and the arrows move it.
    QObject::connect(editor, &ChartEditor::selectionChanged, surface, [surface] {
        if (!QAccessible::isActive() || !surface->hasFocus())
            return;
        if (QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(surface)->focusChild()) {
            QAccessibleEvent event(focus, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    });
}

SurfaceAccessible::SurfaceAccessible(DrawingSurface *surface, ChartEditor *editor)
    : QAccessibleWidget(surface, QAccessible::Chart, tr("Akış şeması")),
      m_editor(editor)
{
}

SurfaceAccessible::~SurfaceAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

QString SurfaceAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return tr("Akış şeması");
    if (t == QAccessible::Description)
        return tr("Sekme tuşu nesneleri akış sırasıyla gezer; Insert yeni nesne ekler.");
    return QAccessibleWidget::text(t);
}

QVector<QPair<bool, qint16>> SurfaceAccessible::shownItems() const
{
    QVector<QPair<bool, qint16>> items;
    if (!m_editor)
        return items;
    Project &project = m_editor->project();
    const ChartScene &scene = m_editor->scene();
    for (const auto &block : project.theBlockCollection()) {
        if (scene.blockItem(block->theObjectShape()))
            items.append({false, block->theObjectShape()});
    }
    for (const auto &line : project.theLineCollection()) {
        if (scene.lineItem(line->theObjectLine()))
            items.append({true, line->theObjectLine()});
    }
    return items;
}

int SurfaceAccessible::childCount() const
{
    return int(shownItems().size());
}

QAccessibleInterface *SurfaceAccessible::child(int index) const
{
    const QVector<QPair<bool, qint16>> items = shownItems();
    if (index < 0 || index >= items.size())
        return nullptr;
    const QPair<bool, qint16> key = items[index];
    if (!m_children.contains(key)) {
        auto *made = new ChartItemAccessible(m_editor, static_cast<DrawingSurface *>(widget()), key.first, key.second);
        m_children.insert(key, QAccessible::registerAccessibleInterface(made));
    }
    return QAccessible::accessibleInterface(m_children.value(key));
}

int SurfaceAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *item = dynamic_cast<const ChartItemAccessible *>(child);
    return item ? indexOf(item->isLine(), item->element()) : -1;
}

int SurfaceAccessible::indexOf(bool isLine, qint16 element) const
{
    return int(shownItems().indexOf(QPair<bool, qint16>(isLine, element)));
}

QAccessibleInterface *SurfaceAccessible::focusChild() const
{
    if (!m_editor)
        return nullptr;
    const qint16 line = m_editor->selectedLine();
    const int index = line != -1 ? indexOf(true, line) : indexOf(false, m_editor->project().context().selectedIndex());
    return index < 0 ? nullptr : child(index);
}
