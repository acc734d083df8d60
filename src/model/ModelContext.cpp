#include "model/ModelContext.h"

#include "model/FixedPitchMeasure.h"
#include "model/VarnelError.h"

#include <limits>

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

ModelContext::Elements ModelContext::takeElements()
{
    Elements taken{std::move(m_shapes), std::move(m_lines), m_shapeElementCount, m_lineElementCount,
                   m_linkGeneration, m_tagGeneration};
    unloadShapeElements();
    unloadLineElements();
    bumpTags();
    return taken;
}

void ModelContext::putElements(Elements &&elements)
{
    m_shapes = elements.shapes.isEmpty() ? templateShapes() : std::move(elements.shapes);
    m_lines = elements.lines.isEmpty() ? templateLines() : std::move(elements.lines);
    m_shapeElementCount = elements.shapeCount;
    m_lineElementCount = elements.lineCount;
    m_linkGeneration = elements.linkGeneration;
    m_tagGeneration = elements.tagGeneration;
}

static void checkIndex(bool ok)
{
    if (!ok)
        throw VarnelError(VarnelError::NoObject, QStringLiteral("ModelContext"),
                          QStringLiteral("Nesne değişkeni ayarlanmamış"));
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
