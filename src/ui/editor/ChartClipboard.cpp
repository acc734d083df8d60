#include "ui/editor/ChartClipboard.h"

#include "model/Block_Collection.h"
#include "model/GroupEdits.h"
#include "model/Line_Collection.h"
#include "project/ProjectFileReader.h"
#include "project/ProjectFileWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QByteArray ChartClipboard::encode(const ChartFragment &fragment)
{
    // A drawing of its own holds the fragment, so the project file's writer writes it.
    ModelContext context;
    Line_Collection lines(&context);
    Block_Collection blocks(&context, &lines);
    for (const EditRecord::BlockState &state : fragment.blocks) {
        const ShapeElement &at = state.shapeElement;
        GroupEdits::writeContents(*blocks.AddShape(state.shape, state.tagID, at.left, at.top), state);
    }
    for (const EditRecord::LineState &state : fragment.lines)
        lines.AddLine(state.from, state.to, state.caption);
    return ProjectFileWriter::serialize(blocks, lines);
}

ChartFragment ChartClipboard::decode(QByteArrayView bytes)
{
    const ParsedProject parsed = ProjectFileReader::parse(bytes);
    ChartFragment fragment;
    if (parsed.outcome != ParsedProject::Outcome::Complete)
        return fragment;
    for (const ParsedBlock &record : parsed.blocks) {
        EditRecord::BlockState state;
        state.tagID = record.tagID;
        state.shape = record.shape;
        state.shapeElement = ShapeElement{record.tagID, record.left, record.top, double(record.width),
                                          double(record.height), true};
        state.bgColor = record.bgColor;
        state.borderColor = record.borderColor;
        state.textColor = record.textColor;
        state.zAction = record.zAction;
        for (int slot = 0; slot < 3; ++slot)
            state.zParam[slot] = record.zParam[slot];
        fragment.blocks.append(state);
    }
    for (const ParsedLine &record : parsed.lines)
        fragment.lines.append(EditRecord::LineState{record.sFrom, record.sTo, record.sCaption, -1, {}});
    return fragment;
}

void ChartClipboard::put(const ChartFragment &fragment)
{
    auto *data = new QMimeData;
    data->setData(mimeType, encode(fragment));
    QGuiApplication::clipboard()->setMimeData(data);
}

ChartFragment ChartClipboard::take()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(mimeType))
        return ChartFragment();
    return decode(data->data(mimeType));
}

bool ChartClipboard::holdsBlocks()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(mimeType);
}
