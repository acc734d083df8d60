#include "model/BlockTool.h"

#include <array>

namespace {

using Dialog = EditDispatch::Dialog;

BlockTool tool(const char *word, qint16 shape, int width, int height, Dialog dialog,
               const char *action = "", bool rebuildsCaption = true)
{
    BlockTool t;
    t.word = QString::fromLatin1(word);
    t.shape = shape;
    t.width = width;
    t.height = height;
    t.dialog = dialog;
    t.fields.zAction = QString::fromLatin1(action);
    t.rebuildsCaption = rebuildsCaption;
    return t;
}

} // namespace

std::optional<BlockTool> BlockTool::find(const QString &word)
{
    static const std::array<BlockTool, 9> tools{
        tool("START", 2, 70, 30, Dialog::None, "START"),
        tool("ACTION", 0, 70, 30, Dialog::Action),
        tool("INPUT", 91, 90, 40, Dialog::Input),
        tool("OUTPUT", 91, 90, 40, Dialog::Output),
        tool("JUNCTION", 92, 112, 50, Dialog::Condition),
        tool("INTERSECTION", 3, 10, 10, Dialog::None, "INTERSECTION", false),
        tool("FUNCTION", 93, 90, 40, Dialog::Function),
        tool("WINDOW", 0, 90, 40, Dialog::Window),
        tool("END", 2, 70, 30, Dialog::None, "STOP"),
    };
    for (const BlockTool &t : tools) {
        if (t.word == word)
            return t;
    }
    return std::nullopt;
}
