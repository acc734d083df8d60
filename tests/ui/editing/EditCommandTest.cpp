// The edit command: the dialog that fits the selected block, filled from it, or the message why
// there is none; after every edit, refused or not, the frame sits on the block.

#include "BlockEditingFixture.h"

#include "ui/guiwin/frmDlgWindow.h"

#include <QTabBar>

class EditCommandTest : public BlockEditingFixture {
protected:
    bool frameOn(const cBlock *block) const
    {
        return surface.selectorVisible() && surface.selectorRect() == ChartEditor::selectorFrame(*block);
    }
    ActionFields fieldsOfSelected()
    {
        const cBlock *b = selected();
        return {b->zAction(), b->zParam1(), b->zParam2(), b->zParam3()};
    }
};

TEST_F(EditCommandTest, BlocksWithoutADialogAreRefusedWithTheirMessage)
{
    struct Case {
        const char *tool;
        std::optional<ActionFields> fields;
        QString message;
    };
    const QString unsupported = QStringLiteral("Bu fonksiyon için henüz düzenleme desteği yok: ");
    const QVector<Case> cases = {
        {"INTERSECTION", std::nullopt, QStringLiteral("INTERSECTION düzenlenemez!")},
        {"END", std::nullopt, QStringLiteral("STOP düzenlenemez!")},
        {"ACTION", ActionFields{"if_equal", "a", "b", ""}, unsupported + QStringLiteral("if_equal. üzgünüz")},
        {"ACTION", ActionFields{}, unsupported + QStringLiteral(". üzgünüz")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        cBlock *block = placeDirect(QString::fromLatin1(c.tool), 0, 0, {"DEFINITION", "", "", ""});
        if (c.fields)
            setFields(*c.fields);
        log.dismiss();
        editing.cmdEdit_Click();
        EXPECT_EQ(log.text(), c.message + QStringLiteral("\r\n"));
        EXPECT_TRUE(frameOn(block));
    }
    EXPECT_EQ(undoStack().count(), 0);
}

TEST_F(EditCommandTest, WithoutSelectionTheCommandSaysSo)
{
    editing.cmdEdit_Click();
    EXPECT_EQ(log.text(), QStringLiteral("Nesne seçilmemiş!\r\n"));
    EXPECT_FALSE(surface.selectorVisible());
}

TEST_F(EditCommandTest, TheDialogOpensFilledAndItsConfirmIsOneEdit)
{
    placeDirect(QStringLiteral("ACTION"), 0, 0, {"MODULE", "a", "b", "r"});
    const QString captionBefore = selected()->sCaption();
    project.context().setProjectModified(false);
    whenModal([](QWidget *d) {
        auto *operation = field<QComboBox>(d, "cboxOperation");
        EXPECT_EQ(operation->currentText(), QStringLiteral("MOD"));
        EXPECT_EQ(field<QTabBar>(d, "TabStrip1")->currentIndex(), 1);
        pickItem(operation, "^");
        clickOK(d);
    });
    editing.cmdEdit_Click();
    EXPECT_EQ(fieldsOfSelected(), (ActionFields{"POWER", "a", "b", "r"}));
    EXPECT_NE(selected()->sCaption(), captionBefore);
    EXPECT_TRUE(project.projectModified());
    ASSERT_EQ(undoStack().count(), 1);

    editor.undo();
    EXPECT_EQ(fieldsOfSelected(), (ActionFields{"MODULE", "a", "b", "r"}));
    EXPECT_EQ(selected()->sCaption(), captionBefore);
    EXPECT_FALSE(project.projectModified());
}

TEST_F(EditCommandTest, EveryActionCodeOpensItsDialog)
{
    const QVector<std::pair<ActionFields, const char *>> cases = {
        {{"START", "a,b", "", ""}, "frmDlgGeneral"},      {{"DEFINITION", "a", "1", ""}, "frmDlgAction"},
        {{"DIVINT", "a", "2", "b"}, "frmDlgAction"},      {{"COMP", "s", "t", "u"}, "frmDlgAction"},
        {{"SQL", "db", "SELECT 1", ""}, "frmDlgAction"},  {{"INPUT", "Sayı?", "n", ""}, "frmDlgInput"},
        {{"OUTPUT", "", "n", ""}, "frmDlgOutput"},        {{"IF_LESS", "i", "10", ""}, "frmDlgIf"},
        {{"FUNCTION", "Sqr", "x", "y"}, "frmDlgFunction"}, {{"WINDOW", "", "", ""}, "frmDlgWindow"},
    };
    for (const auto &[fields, dialogClass] : cases) {
        SCOPED_TRACE(fields.zAction.toStdString());
        placeDirect(QStringLiteral("ACTION"), 0, 0, {"DEFINITION", "", "", ""});
        setFields(fields);
        QString opened;
        whenModal([&opened](QWidget *d) {
            opened = QString::fromLatin1(d->metaObject()->className());
            d->close();
        });
        editing.cmdEdit_Click();
        EXPECT_EQ(opened, QString::fromLatin1(dialogClass));
        EXPECT_EQ(fieldsOfSelected(), fields);
    }
    EXPECT_TRUE(log.text().isEmpty());
}

TEST_F(EditCommandTest, ClosingTheDialogWithoutConfirmingChangesNothing)
{
    placeDirect(QStringLiteral("ACTION"), 0, 0, {"ADD", "1", "2", "s"});
    project.context().setProjectModified(false);
    whenModal([](QWidget *d) {
        typeInto(field<QComboBox>(d, "cboxOperand1"), "99");
        d->close();
    });
    editing.cmdEdit_Click();
    EXPECT_EQ(fieldsOfSelected(), (ActionFields{"ADD", "1", "2", "s"}));
    EXPECT_FALSE(project.projectModified());
    EXPECT_EQ(undoStack().count(), 0);
    EXPECT_TRUE(frameOn(selected()));
}

TEST_F(EditCommandTest, TheWindowDesignerEditsAWindowBlock)
{
    placeDirect(QStringLiteral("WINDOW"), 0, 0, {"WINDOW", "6000|4000|", "", "hazirla|boyutla|"});
    whenModal([](QWidget *d) {
        auto *designer = qobject_cast<frmDlgWindow *>(d);
        ASSERT_NE(designer, nullptr);
        designer->addObject(0);
        clickOK(d);
    });
    editing.cmdEdit_Click();
    const cBlock *block = selected();
    EXPECT_EQ(block->zAction(), QStringLiteral("WINDOW"));
    EXPECT_EQ(block->zParam1(), QStringLiteral("6000|4000|"));
    EXPECT_TRUE(block->zParam2().startsWith(QStringLiteral("BUTTON|Button1|")));
    EXPECT_EQ(block->zParam3(), QStringLiteral("hazirla|boyutla|"));
    EXPECT_TRUE(editing.lists().ListBox_functions().items().contains(QStringLiteral("hazirla")));
}

TEST_F(EditCommandTest, TheAnswerGoesToTheEditedBlockWhenTheSelectionMovedMeanwhile)
{
    cBlock *other = placeDirect(QStringLiteral("END"), 0, 100);
    cBlock *edited = placeDirect(QStringLiteral("ACTION"), 0, 0, {"DEFINITION", "a", "1", ""});
    whenModal([this, other](QWidget *d) {
        project.context().setSelection(other->theObjectShape(), -1);
        typeInto(field<QWidget>(d, "txtVarValue"), "2");
        clickOK(d);
    });
    editing.cmdEdit_Click();
    EXPECT_EQ(edited->zParam2(), QStringLiteral("2"));
    EXPECT_EQ(other->zAction(), QStringLiteral("STOP"));
    EXPECT_EQ(selected(), edited);
}

TEST_F(EditCommandTest, AnAnswerForABlockThatWentIsNotWritten)
{
    placeDirect(QStringLiteral("ACTION"), 0, 0, {"DEFINITION", "a", "1", ""});
    whenModal([this](QWidget *d) {
        operations().deleteSelectedBlock();
        clickOK(d);
    });
    editing.cmdEdit_Click();
    EXPECT_TRUE(log.text().startsWith(QStringLiteral("Düzenlenen nesne artık çizimde yok")));
    EXPECT_EQ(undoStack().count(), 0);
}
