#pragma once

#include <QString>
#include <functional>

class MessageLog;
class QComboBox;

// What the window designer and the Java export need from the program around them.
struct DesignerContext {
    MessageLog *log = nullptr;
    // Replaces a function box's list by the built-in and recently used function names, keeping
    // its text (the recent lists' fillCombo_func); without it the boxes offer only "CLEAR".
    std::function<void(QComboBox *)> fillCombo_func;
    // Called after OK with each function box's text (the recent lists' addRecentFunc).
    std::function<void(const QString &)> addRecentFunc;
    // Where GuiTest.java goes: the program's folder, else the open project's (empty: untitled).
    QString programFolder;
    QString projectFolder;
};
