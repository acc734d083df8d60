// Conversions to the fixed-width integers: halves go to the even neighbour, and the first value
// that rounds out of range is an overflow.

#include "ModelTestSupport.h"

#include "model/Rounding.h"

#include <cmath>
#include <limits>

using ModelTest::errorNumberOf;

namespace {

const QString source = QStringLiteral("test");

} // namespace

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Rounding::halfEven(0.5), 0);
    EXPECT_EQ(Rounding::halfEven(1.5), 2);
    EXPECT_EQ(Rounding::halfEven(2.5), 2);
    EXPECT_EQ(Rounding::halfEven(-2.5), -2);
    EXPECT_EQ(Rounding::halfEven(-3.5), -4);
    EXPECT_EQ(Rounding::halfEven(2.4999999), 2);
    EXPECT_EQ(Rounding::halfEven(2.5000001), 3);
}

TEST(Rounding, Int16Boundaries)
{
    EXPECT_EQ(Rounding::toInt16(32766.5, source), 32766);
    EXPECT_EQ(Rounding::toInt16(32767.4, source), 32767);
    EXPECT_EQ(Rounding::toInt16(-32767.5, source), -32768);
    EXPECT_EQ(Rounding::toInt16(-32768.5, source), -32768);
    EXPECT_EQ(errorNumberOf([] { Rounding::toInt16(32767.5, source); }), VarnelError::Overflow);
    EXPECT_EQ(errorNumberOf([] { Rounding::toInt16(-32769.5, source); }), VarnelError::Overflow);
    EXPECT_EQ(errorNumberOf([] { Rounding::toInt16(-32768.6, source); }), VarnelError::Overflow);
}

TEST(Rounding, Int32Boundaries)
{
    EXPECT_EQ(Rounding::toInt32(2147483646.5, source), 2147483646);
    EXPECT_EQ(Rounding::toInt32(-2147483648.5, source), std::numeric_limits<qint32>::min());
    EXPECT_EQ(errorNumberOf([] { Rounding::toInt32(2147483647.5, source); }), VarnelError::Overflow);
    EXPECT_EQ(errorNumberOf([] { Rounding::toInt32(-2147483649.5, source); }), VarnelError::Overflow);
}

TEST(Rounding, NonFiniteValuesOverflow)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(errorNumberOf([] { Rounding::toInt16(std::nan(""), source); }), VarnelError::Overflow);
    EXPECT_EQ(errorNumberOf([&] { Rounding::toInt16(inf, source); }), VarnelError::Overflow);
    EXPECT_EQ(errorNumberOf([&] { Rounding::toInt32(-inf, source); }), VarnelError::Overflow);
}

TEST(Rounding, OverflowNamesItsSource)
{
    try {
        Rounding::toInt16(40000, QStringLiteral("shapeWidth"));
        FAIL() << "no overflow";
    } catch (const VarnelError &error) {
        EXPECT_EQ(error.source(), QStringLiteral("shapeWidth"));
    }
}
