#pragma once

#include "model/ArrowHead.h"
#include "model/TextMeasure.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <QtGlobal>

// The on-screen element of a block: index i of the main window's shape array. The model keeps
// the element's geometry and tag here so that the rules of the model run without a display;
// the drawing surface shows what these records say.
struct ShapeElement {
    QString tag;
    float left = 0;
    float top = 0;
    double width = 0;
    double height = 0;
    bool visible = false;

    friend bool operator==(const ShapeElement &, const ShapeElement &) = default;
};

// A corner of a line's route, in drawing-surface units.
struct LinePoint {
    float x = 0, y = 0;

    friend bool operator==(const LinePoint &, const LinePoint &) = default;
};

// The five elements a line owns under one index: the line itself, its tip dot, the two arrow
// strokes and its caption label. The route (ends, head, label position) is the core's.
struct LineElement {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // The corners between (x1, y1) and (x2, y2) in order: none for a straight line.
    QVector<LinePoint> bends;
    ArrowHead head;
    float labelLeft = 0, labelTop = 0;
    float labelWidth = 0, labelHeight = 0;
    QString labelText;
    bool labelVisible = false;
    bool visible = false;

    friend bool operator==(const LineElement &, const LineElement &) = default;
};

// State the main window owns and the collections advance: the tracking flag, the element
// arrays with their counters, the editor selection and the unsaved-changes flag. Changes of the
// selection and of the flag are announced; a load is announced as one replacement, during which
// the model announces nothing else (views rebuild once, at replaced()).
class ModelContext : public QObject {
    Q_OBJECT
public:
    ModelContext();

    bool trackCurrentBlock = true;

    bool projectModified() const { return m_projectModified; }
    void setProjectModified(bool modified);
    // Element indexes of the selected block and of the one selected before it; -1 for none.
    qint16 selectedIndex() const { return m_selectedIndex; }
    qint16 previousSelectedIndex() const { return m_previousSelectedIndex; }
    void setSelection(qint16 selected, qint16 previous);

    // The replacement bracket of a load: aboutToReplace() at the first begin, replaced() at the
    // matching end; in between, blocks, lines, the selection and the flag announce nothing.
    void beginReplace();
    void endReplace();
    bool replacing() const { return m_replaceDepth > 0; }

    qint16 shapeElementCount() const { return m_shapeElementCount; }
    qint16 lineElementCount() const { return m_lineElementCount; }

    // Creates the next element (index count + 1); an overflow error past 32767.
    qint16 newShapeElement();
    qint16 newLineElement();
    // Unloads every element but the templates and resets both counters (a load does this).
    void unloadShapeElements();
    void unloadLineElements();
    // Gives back the newest element when it is index (undoing the edit that created it, so that
    // a redo gets the same index again); any other index stays in use.
    void releaseShapeElement(qint16 index);
    void releaseLineElement(qint16 index);

    // The element arrays of one drawing with their counters and generations, so that a chart
    // can be put aside whole and brought back as it was (a function call switches charts).
    struct Elements {
        QVector<ShapeElement> shapes;
        QVector<LineElement> lines;
        qint16 shapeCount = 0;
        qint16 lineCount = 0;
        quint64 linkGeneration = 0;
        quint64 tagGeneration = 0;
    };
    // Hands the drawing's elements over into `into` (whose earlier elements are dropped),
    // leaving only the templates (as the unloads do) under new generations.
    void takeElements(Elements &into);
    // Installs elements taken earlier, generations included, so that what was looked up in that
    // drawing still holds; `from` is left without elements.
    void putElements(Elements &from);

    ShapeElement &shape(qint16 index);
    const ShapeElement &shape(qint16 index) const;
    LineElement &line(qint16 index);
    const LineElement &line(qint16 index) const;
    bool hasShape(qint16 index) const { return index > 0 && index <= m_shapeElementCount; }
    bool hasLine(qint16 index) const { return index > 0 && index <= m_lineElementCount; }

    // Changes whenever a line or a block's tag changes, so cached routes from block to block
    // (the interpreter's next-block cache) know when to look again.
    quint64 linkGeneration() const { return m_linkGeneration; }
    void bumpLinks() { m_linkGeneration = ++m_generationSource; }
    // Changes when a block's tag or the set of blocks changes (and then bumps the links too),
    // so that looking blocks up by tag does not start over for every new line.
    quint64 tagGeneration() const { return m_tagGeneration; }
    void bumpTags()
    {
        m_tagGeneration = ++m_generationSource;
        bumpLinks();
    }

    // Caption and label sizes are measured with this; a fixed-pitch stand-in until the
    // drawing surface installs its fonts' measure (which must outlive the context).
    const TextMeasure &textMeasure() const { return *m_textMeasure; }
    void setTextMeasure(const TextMeasure *measure);

Q_SIGNALS:
    void selectionChanged(qint16 selectedIndex, qint16 previousSelectedIndex);
    void projectModifiedChanged(bool modified);
    void aboutToReplace();
    void replaced();

private:
    bool m_projectModified = false;
    qint16 m_selectedIndex = -1;
    qint16 m_previousSelectedIndex = -1;
    int m_replaceDepth = 0;
    qint16 m_shapeElementCount = 0;
    qint16 m_lineElementCount = 0;
    QVector<ShapeElement> m_shapes; // index 0 is the design-time template
    QVector<LineElement> m_lines;
    // Generations come from one source, so that no two drawings ever share one.
    quint64 m_generationSource = 2;
    quint64 m_linkGeneration = 1;
    quint64 m_tagGeneration = 2;
    const TextMeasure *m_textMeasure;
};
