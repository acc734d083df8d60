#pragma once

#include <QString>

// The four kinds of objects a designed window holds. Kind words are upper case and compared
// exactly, case included.
namespace GuiKind {

enum Kind { Button, TextArea, Picture, TextBox, Count, Unknown = -1 };

inline const QString &word(Kind kind)
{
    static const QString words[Count] = {
        QStringLiteral("BUTTON"), QStringLiteral("TAREA"), QStringLiteral("PIC"), QStringLiteral("TBOX")};
    return words[kind];
}

inline Kind fromWord(const QString &text)
{
    for (int k = 0; k < Count; ++k)
        if (text == word(Kind(k)))
            return Kind(k);
    return Unknown;
}

// The name a deleted object keeps in the designer; such objects are never written.
inline const QString deletedId = QStringLiteral("<DELETED>");

} // namespace GuiKind
