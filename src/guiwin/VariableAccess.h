#pragma once

#include <QString>

// The two variable operations a property statement needs; the run-time window passes the
// interpreter's variable store through this.
class VariableAccess {
public:
    virtual ~VariableAccess() = default;
    // The value of the variable of that name, else the text itself.
    virtual QString ifVarGetValue(const QString &text) = 0;
    virtual void setVar(const QString &name, const QString &value) = 0;
};
