#pragma once

#include <QString>

// The action codes a block may carry, decoded once when zAction is set so that the interpreter
// dispatches on a number. Codes compare exactly, case included; anything else is Unknown.
enum class ActionCode : unsigned char {
    Unknown,
    Start,
    Stop,
    Input,
    Output,
    Definition,
    Add,
    Subtract,
    Multiply,
    Divide,
    DivInt,
    Module,
    Power,
    Percent,
    Join,
    Comp,
    Sql,
    IfEqual,
    IfNotEqual,
    IfLess,
    IfLessEqual,
    IfGreater,
    IfGreaterEqual,
    Function,
    Window,
    Intersection,
};

ActionCode actionCodeOf(const QString &zAction);
