#include "guiwin/StoreVariables.h"

#include "interp/VariableStore.h"

QString StoreVariables::ifVarGetValue(const QString &text)
{
    return m_store.ifVarGetValue(text);
}

void StoreVariables::setVar(const QString &name, const QString &value)
{
    m_store.setVar(name, value);
}
