#pragma once

#include <QString>

// The unsaved-changes question that guards every command which would replace or close the
// drawing, and what each answer leads to. Asking and saving are the caller's.
class SaveQuestion {
public:
    enum class Answer { Yes, No, Cancel };
    enum class Step {
        Proceed,   // nothing to save, or the user lets the changes go
        SaveFirst, // save, and go on only when the save went through
        Stop       // the command ends and changes nothing
    };

    static QString title();
    // "<name> projesi kaydedilmemiş!" and the question below it; "Adsız" names an untitled one.
    static QString text(const QString &projectPath);

    // Whether the question has to be asked at all.
    static bool needed(bool projectModified) { return projectModified; }
    static Step stepFor(Answer answer);
    // After SaveFirst: a save that failed or whose file dialog was cancelled keeps the drawing,
    // so the changes are never thrown away without the user having said so.
    static bool proceedAfterSave(bool saved) { return saved; }
};
