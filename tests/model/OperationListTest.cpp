// The operator pick lists of the action and condition dialogs: fixed items in a fixed order,
// each standing for one action code.

#include "model/OperationList.h"

#include <gtest/gtest.h>

namespace {

void expectList(const OperationList &list, const QStringList &items, const QStringList &codes)
{
    EXPECT_EQ(list.items(), items);
    for (int i = 0; i < codes.size(); ++i) {
        SCOPED_TRACE(codes[i].toStdString());
        EXPECT_EQ(list.codeAt(i), codes[i]);
        EXPECT_EQ(list.indexOfCode(codes[i]), i);
    }
}

} // namespace

TEST(OperationList, ItemsAndCodesInOrder)
{
    expectList(OperationList::arithmetic(),
               {"+", "-", "*", "/", "DIV", "MOD", "^", "%"},
               {"ADD", "SUBTRACT", "MULTIPLY", "DIVIDE", "DIVINT", "MODULE", "POWER", "PERCENT"});
    expectList(OperationList::strings(), {"&", "COMP"}, {"JOIN", "COMP"});
    expectList(OperationList::comparison(), {"=", "<", ">", ">=", "<=", "<>"},
               {"IF_EQUAL", "IF_LESS", "IF_GREATER", "IF_GREATER_EQUAL", "IF_LESS_EQUAL",
                "IF_NOT_EQUAL"});
}

TEST(OperationList, UnknownCodesAndIndexes)
{
    const OperationList &list = OperationList::arithmetic();
    EXPECT_EQ(list.indexOfCode(QStringLiteral("add")), -1);
    EXPECT_EQ(list.indexOfCode(QStringLiteral("JOIN")), -1);
    EXPECT_EQ(list.indexOfCode(QString()), -1);
    EXPECT_TRUE(list.codeAt(-1).isEmpty());
    EXPECT_TRUE(list.codeAt(8).isEmpty());
}
