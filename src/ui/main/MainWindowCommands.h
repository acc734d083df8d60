#pragma once

#include "ui/main/MainActions.h"

#include <QObject>

class BlockEditing;
class ChartEditor;
class frmMain;

// Wires the main window's block-editing, appearance and program commands: "Düzenle" and the
// double click, the three colour entries and "Boyutu Değiştir" of "Düzen", "EXE Yap..." and
// "Program Hakkında", and "Dil / Language". Lives as long as the window, which it is a child of.
class MainWindowCommands : public QObject {
    Q_OBJECT
public:
    MainWindowCommands(frmMain &window, ChartEditor &editor, const MainActions &actions);

    BlockEditing &blockEditing() const { return *m_editing; }

    void mnuMakeExecutable_Click();
    void mnuAbout_Click();

private:
    void wireEditing(const MainActions &actions);
    void wireProgramEntries(const MainActions &actions);

    frmMain &m_window;
    BlockEditing *m_editing;
};
