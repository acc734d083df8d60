#pragma once

#include <QCursor>
#include <QFrame>
#include <QIcon>
#include <QString>
#include <QVector>

class QToolButton;

// The column of nine block tools (fraToolBar1), each with its name under its icon and a tool tip
// that says what its block does. A click arms a tool: the column remembers the tool word and
// announces it with the tool's cursor; a press on the column's background disarms it. A tool
// dragged out of the column onto the drawing surface places its block where it is dropped, its
// picture under the pointer. While blocks are not tracked the tools do nothing.
class ToolColumn : public QFrame {
    Q_OBJECT
public:
    struct Tool {
        const char *name;   // the button's object name
        QString label;      // shown under the icon
        QString does;       // what the block does, below the label in the tool tip
        QString word;
        qint16 shape;       // the shape of its icon and cursor
    };

    explicit ToolColumn(QWidget *parent = nullptr);

    static const QVector<Tool> &tools();
    // The icon and the cursor of a tool word's shape; the cursor's hot spot is its top-left
    // corner, where a new block's top-left corner goes.
    static QIcon iconFor(qint16 shape);
    static QCursor cursorFor(qint16 shape);

    QToolButton *button(const QString &word) const;
    const QString &armedWord() const { return m_armedWord; }
    void disarm();
    void setToolsActive(bool active) { m_active = active; }

Q_SIGNALS:
    // The armed tool changed; an empty word means none, with the default arrow.
    void armedChanged(const QString &word, const QCursor &cursor);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arm(const Tool &tool);
    void drag(int index);
    QSize buttonSize() const;

    QVector<QToolButton *> m_buttons;
    QString m_armedWord;
    bool m_active = true;
    QPoint m_pressedAt; // where the left button went down on a tool, to tell a drag from a click
};
