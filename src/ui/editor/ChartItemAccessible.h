#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class ChartEditor;
class DrawingSurface;

// One block or line of the drawing surface as a screen reader sees it: a graphic with the name
// and description ChartDescriptions gives, its place on the screen, and whether it is selected.
// It finds its block or line by element each time it is asked, so it never holds on to one
// that has gone.
class ChartItemAccessible : public QAccessibleInterface {
public:
    ChartItemAccessible(ChartEditor *editor, DrawingSurface *surface, bool isLine, qint16 element);

    bool isLine() const { return m_isLine; }
    qint16 element() const { return m_element; }

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    QRectF sceneRect() const;

    QPointer<ChartEditor> m_editor;
    QPointer<DrawingSurface> m_surface;
    bool m_isLine;
    qint16 m_element;
};
