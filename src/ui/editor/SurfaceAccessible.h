#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPair>

class ChartEditor;
class DrawingSurface;

// The drawing surface to a screen reader: a chart whose children are its blocks, then its
// lines, in collection order. Children are made on first request and kept for the surface's
// life.
class SurfaceAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(SurfaceAccessible)

public:
    SurfaceAccessible(DrawingSurface *surface, ChartEditor *editor);
    ~SurfaceAccessible() override;

    // Makes every drawing surface with an editor answer with this interface.
    static void install(DrawingSurface *surface, ChartEditor *editor);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // The child index of the block or line with this element; -1 when it is not shown.
    int indexOf(bool isLine, qint16 element) const;

private:
    QVector<QPair<bool, qint16>> shownItems() const;

    ChartEditor *m_editor;
    mutable QHash<QPair<bool, qint16>, QAccessible::Id> m_children;
};
