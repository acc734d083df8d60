#pragma once

#include "base/MessageText.h"

#include <QString>

// What the edit command does for the selected block: which property dialog it opens, or which
// message it shows instead. Chosen by the exact action code.
struct EditDispatch {
    enum class Dialog {
        None,      // show the message instead
        General,   // START
        Action,    // assignments, arithmetic, strings and legacy SQL blocks
        Input,
        Output,
        Condition,
        Function,
        Window,    // the window designer
    };

    Dialog dialog = Dialog::None;
    MessageText message;

    static EditDispatch forSelection(bool hasSelection, const QString &zAction);
};
