#include "model/ModelContext.h"

#include "model/FixedPitchMeasure.h"
#include "model/VarnelError.h"

#include <limits>
#include <utility>

static const FixedPitchMeasure &standInMeasure()
{
    static const FixedPitchMeasure measure;
    return measure;
}

// The arrays of an empty drawing: the templates alone, shared until something is added.
static const QVector<ShapeElement> &templateShapes()
{
    static const QVector<ShapeElement> shapes(1);
    return shapes;
}

static const QVector<LineElement> &templateLines()
{
    static const QVector<LineElement> lines(1);
    return lines;
}

ModelContext::ModelContext()
    : m_shapes(templateShapes()), m_lines(templateLines()), m_textMeasure(&standInMeasure())
{
}

void ModelContext::setTextMeasure(const TextMeasure *measure)
{
    m_textMeasure = measure ? measure : &standInMeasure();
}

static qint16 nextIndex(qint16 count, const char *source)
{
    if (count == std::numeric_limits<qint16>::max())
        throw VarnelError::overflow(QString::fromLatin1(source));
    return qint16(count + 1);
}

qint16 ModelContext::newShapeElement()
{
    m_shapeElementCount = nextIndex(m_shapeElementCount, "AddShape");
    m_shapes.append(ShapeElement());
    return m_shapeElementCount;
}

qint16 ModelContext::newLineElement()
{
    m_lineElementCount = nextIndex(m_lineElementCount, "AddLine");
    m_lines.append(LineElement());
    return m_lineElementCount;
}

void ModelContext::setProjectModified(bool modified)
{
    if (modified == m_projectModified)
        return;
    m_projectModified = modified;
    if (!replacing())
        Q_EMIT projectModifiedChanged(modified);
}

void ModelContext::setSelection(qint16 selected, qint16 previous)
{
    if (selected == m_selectedIndex && previous == m_previousSelectedIndex)
        return;
    m_selectedIndex = selected;
    m_previousSelectedIndex = previous;
    if (!replacing())
        Q_EMIT selectionChanged(selected, previous);
}

void ModelContext::beginReplace()
{
    if (m_replaceDepth++ == 0)
        Q_EMIT aboutToReplace();
}

void ModelContext::endReplace()
{
    if (m_replaceDepth > 0 && --m_replaceDepth == 0)
        Q_EMIT replaced();
}

void ModelContext::releaseShapeElement(qint16 index)
{
    if (index > 0 && index == m_shapeElementCount) {
        m_shapes.removeLast();
        --m_shapeElementCount;
    }
}

void ModelContext::releaseLineElement(qint16 index)
{
    if (index > 0 && index == m_lineElementCount) {
        m_lines.removeLast();
        --m_lineElementCount;
    }
}

void ModelContext::unloadShapeElements()
{
    m_shapes = templateShapes();
    m_shapeElementCount = 0;
}

void ModelContext::unloadLineElements()
{
    m_lines = templateLines();
    m_lineElementCount = 0;
}

void ModelContext::takeElements(Elements &into)
{
    into.shapes = std::move(m_shapes);
    into.lines = std::move(m_lines);
    into.shapeCount = m_shapeElementCount;
    into.lineCount = m_lineElementCount;
    into.linkGeneration = m_linkGeneration;
    into.tagGeneration = m_tagGeneration;
    unloadShapeElements();
    unloadLineElements();
    bumpTags();
}

void ModelContext::putElements(Elements &from)
{
    m_shapes = from.shapes.isEmpty() ? templateShapes() : std::move(from.shapes);
    m_lines = from.lines.isEmpty() ? templateLines() : std::move(from.lines);
    m_shapeElementCount = from.shapeCount;
    m_lineElementCount = from.lineCount;
    m_linkGeneration = from.linkGeneration;
    m_tagGeneration = from.tagGeneration;
    from.shapes.clear();
    from.lines.clear();
}

static void checkIndex(bool ok)
{
    if (!ok)
        throw VarnelError(VarnelError::NoObject, QStringLiteral("ModelContext"),
                          MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne değişkeni ayarlanmamış")));
}

ShapeElement &ModelContext::shape(qint16 index)
{
    checkIndex(index >= 0 && index <= m_shapeElementCount);
    return m_shapes[index];
}

const ShapeElement &ModelContext::shape(qint16 index) const
{
    checkIndex(index >= 0 && index <= m_shapeElementCount);
    return m_shapes[index];
}

LineElement &ModelContext::line(qint16 index)
{
    checkIndex(index >= 0 && index <= m_lineElementCount);
    return m_lines[index];
}

const LineElement &ModelContext::line(qint16 index) const
{
    checkIndex(index >= 0 && index <= m_lineElementCount);
    return m_lines[index];
}
