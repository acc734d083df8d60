#pragma once

#include "shell/InterfaceLanguage.h"

#include <QString>

class QWidget;
class cBlock;

// Which part of the handbook explains a window or a block: "chapter.md#anchor" in the handbook
// of the given language, whose chapters and headings have names of their own. F1 asks here.
namespace HelpTopics {
using Language = InterfaceLanguage::Choice;

// The first chapter, where the handbook opens when nothing more fitting is known.
QString start(Language language);
// The chapter of a window or a panel by its class or its object name (the dialogs, the run
// windows, the designer, the docked panels); empty for one the handbook does not describe.
QString forWindow(const QWidget &window, Language language);
// The entry of a block's kind; a FUNCTION block that names a built-in function leads to that
// function's entry.
QString forBlock(const cBlock &block, Language language);
// A built-in function's entry, from its name in any letter case.
QString forBuiltIn(const QString &name, Language language);
}
