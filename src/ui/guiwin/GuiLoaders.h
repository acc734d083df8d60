#pragma once

#include <QString>

class GUI_Collection;
class QWidget;

// Turning a window definition back into a sized window full of objects; shared by the
// designer and the run-time window.
namespace GuiLoaders {

// Sizes a window so that its client area (what a QWidget's size is) is W x H twips, each side
// held to the pixels of WindowLimits.
void applyWindowSize(QWidget *window, const QString &sizeRecord);

// One object per record through the collection; with useKeys each object is stored under its
// ID. A record of an unknown kind shows its message and is skipped whole.
void loadObjectRecords(GUI_Collection &theGUI, const QString &objectRecords, bool useKeys);

} // namespace GuiLoaders
