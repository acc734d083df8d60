#pragma once

#include <QString>

// How a block parameter reads when the block runs: a text that names a variable stands for its
// value, any other text for itself. Whether a name is a variable is known before the run for
// names no block ever assigns (never) and for names assigned on every way to the block (always).
struct FlowOperand {
    enum Kind : unsigned char {
        Text,          // a literal text, as written
        Number,        // a literal that reads as a number
        Variable,      // a variable that certainly exists here
        MaybeVariable, // a variable that may not exist yet: then the text itself (or, read by
                       // OUTPUT, the undefined-variable message and 0)
        Undefined,     // read by OUTPUT, a name no block assigns
    };
    Kind kind = Text;
    QString text; // as written
    QString key;  // variables: the folded name
    double number = 0;

    bool isVariable() const { return kind == Variable || kind == MaybeVariable; }
};
