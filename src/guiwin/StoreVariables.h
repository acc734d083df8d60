#pragma once

#include "guiwin/VariableAccess.h"

class VariableStore;

// Property statements read and write the running program's own variables.
class StoreVariables : public VariableAccess {
public:
    explicit StoreVariables(VariableStore &store) : m_store(store) {}

    QString ifVarGetValue(const QString &text) override;
    void setVar(const QString &name, const QString &value) override;

private:
    VariableStore &m_store;
};
