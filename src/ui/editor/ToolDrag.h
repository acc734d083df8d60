#pragma once

#include <QString>

class QMimeData;

// A block tool carried from the tool column to the drawing surface: the tool word travels under a
// MIME type of the program's own, so nothing else dropped on the surface is taken for a tool.
class ToolDrag {
public:
    static const QString mimeType;

    static QMimeData *mimeData(const QString &toolWord);
    // The tool word carried, or an empty text when the data carries no tool.
    static QString toolWord(const QMimeData *data);
};
