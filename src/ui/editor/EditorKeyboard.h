#pragma once

#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>
#include <functional>

class ChartEditor;
class DrawingSurface;
class QKeyEvent;

// The drawing surface without a mouse. Tab and Shift+Tab walk the blocks in flow order (from
// the start block along the lines, then the blocks no line reaches); Down goes along the
// selected block's first line, Left and Right to the targets of its lines that lie farther left
// or right (a condition's branches), Up back along a line coming in; Enter opens the block's
// dialog; Insert asks for a block kind and adds the block after the selected one, on its
// outgoing line when it has one; Ctrl+arrows move the selected blocks by the grid step.
// While a program runs, keys go on to the console untouched.
class EditorKeyboard : public QObject {
    Q_OBJECT
public:
    // A block kind offered by Insert: its tool word and its name.
    using Kind = QPair<QString, QString>;
    // Asks which kind to add; an empty word when nothing was chosen.
    using KindChooser = std::function<QString(const QVector<Kind> &kinds)>;

    EditorKeyboard(ChartEditor &editor, DrawingSurface &surface, QVector<Kind> kinds);

    void setKindChooser(KindChooser chooser) { m_chooser = std::move(chooser); }

    // The blocks' elements in the order Tab visits them.
    QVector<qint16> flowOrder() const;
    // Asks for a block kind and adds the block after the selected one (the Insert key).
    void insertBlock();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent &key);
    void step(int by);
    void follow(int key);
    QString chooseKind() const;
    void select(qint16 element);

    ChartEditor &m_editor;
    DrawingSurface &m_surface;
    QVector<Kind> m_kinds;
    KindChooser m_chooser;
};
