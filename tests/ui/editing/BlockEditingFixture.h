#pragma once

#include "ui/dialogs/DialogTestSupport.h"

#include "base/MessageLog.h"
#include "model/EditOperations.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "ui/main/BlockEditing.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"

#include <QUndoStack>
#include <QWidget>
#include <gtest/gtest.h>

// The editing commands plugged into a chart editor over a model of their own.
class BlockEditingFixture : public ::testing::Test {
protected:
    EditOperations &operations() { return editor.operations(); }
    QUndoStack &undoStack() { return editor.undoStack(); }
    cBlock *selected() { return operations().blockAt(project.context().selectedIndex()); }
    int blockCount() const { return project.theBlockCollection().Count(); }

    // A block placed without asking anyone, given the dialog's answer.
    cBlock *placeDirect(const QString &word, float x, float y, const ActionFields &fields = {})
    {
        operations().placeBlock(word, x, y, fields);
        return selected();
    }

    void setFields(const ActionFields &fields) { operations().setSelectedActionFields(fields); }

    MessageLog log;
    Project project{&log};
    QWidget window;
    DrawingSurface surface{&window};
    ChartEditor editor{project, surface};
    BlockEditing editing{project, editor, &window};
};
