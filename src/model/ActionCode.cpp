#include "model/ActionCode.h"

#include <QHash>

ActionCode actionCodeOf(const QString &zAction)
{
    static const QHash<QString, ActionCode> codes = {
        {QStringLiteral("START"), ActionCode::Start},
        {QStringLiteral("STOP"), ActionCode::Stop},
        {QStringLiteral("INPUT"), ActionCode::Input},
        {QStringLiteral("OUTPUT"), ActionCode::Output},
        {QStringLiteral("DEFINITION"), ActionCode::Definition},
        {QStringLiteral("ADD"), ActionCode::Add},
        {QStringLiteral("SUBTRACT"), ActionCode::Subtract},
        {QStringLiteral("MULTIPLY"), ActionCode::Multiply},
        {QStringLiteral("DIVIDE"), ActionCode::Divide},
        {QStringLiteral("DIVINT"), ActionCode::DivInt},
        {QStringLiteral("MODULE"), ActionCode::Module},
        {QStringLiteral("POWER"), ActionCode::Power},
        {QStringLiteral("PERCENT"), ActionCode::Percent},
        {QStringLiteral("JOIN"), ActionCode::Join},
        {QStringLiteral("COMP"), ActionCode::Comp},
        {QStringLiteral("SQL"), ActionCode::Sql},
        {QStringLiteral("IF_EQUAL"), ActionCode::IfEqual},
        {QStringLiteral("IF_NOT_EQUAL"), ActionCode::IfNotEqual},
        {QStringLiteral("IF_LESS"), ActionCode::IfLess},
        {QStringLiteral("IF_LESS_EQUAL"), ActionCode::IfLessEqual},
        {QStringLiteral("IF_GREATER"), ActionCode::IfGreater},
        {QStringLiteral("IF_GREATER_EQUAL"), ActionCode::IfGreaterEqual},
        {QStringLiteral("FUNCTION"), ActionCode::Function},
        {QStringLiteral("WINDOW"), ActionCode::Window},
        {QStringLiteral("INTERSECTION"), ActionCode::Intersection},
    };
    return codes.value(zAction, ActionCode::Unknown);
}
