#include "model/OperationList.h"

OperationList::OperationList(QStringList items, QStringList codes)
    : m_items(std::move(items)), m_codes(std::move(codes))
{
}

const OperationList &OperationList::arithmetic()
{
    static const OperationList list(
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/"),
         QStringLiteral("DIV"), QStringLiteral("MOD"), QStringLiteral("^"), QStringLiteral("%")},
        {QStringLiteral("ADD"), QStringLiteral("SUBTRACT"), QStringLiteral("MULTIPLY"),
         QStringLiteral("DIVIDE"), QStringLiteral("DIVINT"), QStringLiteral("MODULE"),
         QStringLiteral("POWER"), QStringLiteral("PERCENT")});
    return list;
}

const OperationList &OperationList::strings()
{
    static const OperationList list({QStringLiteral("&"), QStringLiteral("COMP")},
                                    {QStringLiteral("JOIN"), QStringLiteral("COMP")});
    return list;
}

const OperationList &OperationList::comparison()
{
    static const OperationList list(
        {QStringLiteral("="), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral(">="),
         QStringLiteral("<="), QStringLiteral("<>")},
        {QStringLiteral("IF_EQUAL"), QStringLiteral("IF_LESS"), QStringLiteral("IF_GREATER"),
         QStringLiteral("IF_GREATER_EQUAL"), QStringLiteral("IF_LESS_EQUAL"),
         QStringLiteral("IF_NOT_EQUAL")});
    return list;
}

QString OperationList::codeAt(int index) const
{
    return m_codes.value(index);
}

int OperationList::indexOfCode(const QString &code) const
{
    return m_codes.indexOf(code);
}
