// Block captions: the texts each action code gives, how a block widens to fit its caption,
// where the caption lines sit, and the outline each shape code stands for.

#include "ModelTestSupport.h"

#include "model/BlockCaption.h"
#include "model/BlockShape.h"
#include "model/FixedPitchMeasure.h"

using namespace ModelTest;

namespace {

struct CaptionCase {
    const char *zAction, *p1, *p2, *p3;
    const char *up, *main; // what the block shows afterwards
};

// The block starts with the captions "önce" (upper) and "eski" (main).
const CaptionCase captionCases[] = {
    {"START", "a;b", "", "", "önce", "başla"},
    {"STOP", "", "", "", "önce", "dur"},
    {"INTERSECTION", "", "", "", "önce", "eski"},
    {"OUTPUT", "Merhaba", "x", "", "çıkış", "\"Merhaba\", x"},
    {"OUTPUT", "Merhaba", "", "", "çıkış", "\"Merhaba\""},
    {"OUTPUT", "", "x", "", "çıkış", "x"},
    {"OUTPUT", "", "", "", "çıkış", "\"\""},
    {"INPUT", "Adın?", "ad", "", "giriş", "\"Adın?\", ad"},
    {"INPUT", "", "ad", "", "giriş", "ad"},
    {"INPUT", "", "", "", "giriş", ""},
    {"DEFINITION", "x", "5", "", "önce", "x = 5"},
    {"IF_EQUAL", "a", "b", "", "önce", "a = b"},
    {"IF_NOT_EQUAL", "a", "b", "", "önce", "a <> b"},
    {"IF_LESS", "a", "b", "", "önce", "a < b"},
    {"IF_LESS_EQUAL", "a", "b", "", "önce", "a <= b"},
    {"IF_GREATER", "a", "b", "", "önce", "a > b"},
    {"IF_GREATER_EQUAL", "a", "b", "", "önce", "a >= b"},
    {"ADD", "a", "b", "c", "önce", "c = a + b"},
    {"SUBTRACT", "a", "b", "c", "önce", "c = a - b"},
    {"MULTIPLY", "a", "b", "c", "önce", "c = a * b"},
    {"DIVIDE", "a", "b", "c", "önce", "c = a / b"},
    {"DIVINT", "a", "b", "c", "önce", "c = a \\ b"},
    {"MODULE", "a", "b", "c", "önce", "c = a MOD b"},
    {"POWER", "a", "b", "c", "önce", "c = a ^ b"},
    {"PERCENT", "a", "b", "c", "önce", "c = a % b"},
    {"JOIN", "a", "b", "c", "önce", "c = a & b"},
    {"COMP", "a", "b", "c", "önce", "c = a COMP b"},
    {"SQL", "select", "", "", "önce", "SQL"},
    {"FUNCTION", "KAREKOK", "16", "k", "önce", "k = KAREKOK(16)"},
    {"FUNCTION", "altprog", "", "", "önce", "altprog()"},
    {"WINDOW", "w", "o", "e", "önce", "pencere"},
    {"", "a", "b", "c", "önce", "eski"},
    {"add", "a", "b", "c", "önce", "eski"},
    {"IF_", "a", "b", "", "önce", "eski"},
};

class Captions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Captions, FollowTheActionCode)
{
    const CaptionCase &c = GetParam();
    const BlockCaption::Texts texts = BlockCaption::textsFor(
        {actionCodeOf(QString::fromUtf8(c.zAction)), QString::fromUtf8(c.p1), QString::fromUtf8(c.p2),
         QString::fromUtf8(c.p3), {QStringLiteral("önce"), QStringLiteral("eski")}});
    EXPECT_EQ(texts.up, QString::fromUtf8(c.up)) << c.zAction;
    EXPECT_EQ(texts.main, QString::fromUtf8(c.main)) << c.zAction;
}

// A block takes the captions its operation calls for, and announces them once.
TEST_F(Model, ABlockTakesItsOperationsCaptions)
{
    cBlock *b = add(QStringLiteral("id1"));
    b->setZAction(QStringLiteral("ADD"));
    b->setZParam1(QStringLiteral("a"));
    b->setZParam2(QStringLiteral("b"));
    b->setZParam3(QStringLiteral("c"));
    int announced = 0;
    QObject::connect(&blocks, &Block_Collection::blockChanged, [&](cBlock *, BlockChanges what) {
        announced += what.testFlag(BlockChange::Caption);
    });
    b->setCaptionToAction();
    b->setCaptionToAction();
    EXPECT_EQ(b->sCaption(), QStringLiteral("c = a + b"));
    EXPECT_EQ(announced, 1);
}

INSTANTIATE_TEST_SUITE_P(ActionCodes, Captions, ::testing::ValuesIn(captionCases));

class Widening : public Model {
protected:
    void SetUp() override { ctx.setTextMeasure(&measure); }

    cBlock *block(qint16 shape, qint16 width, const char *zAction, const char *p1, const char *p2)
    {
        cBlock *b = add(blocks.getFreeTagID(), shape);
        b->setShapeWidth(width);
        b->setShapeHeight(30);
        b->setZAction(QString::fromLatin1(zAction));
        b->setZParam1(QString::fromLatin1(p1));
        b->setZParam2(QString::fromLatin1(p2));
        return b;
    }

    FixedPitchMeasure measure{8, 12};
};

// Condition blocks grow to the caption's width + 40, others + 20; never shrink; only the main
// line is measured.
TEST_F(Widening, BlocksGrowToTheirCaptionOnly)
{
    cBlock *condition = block(92, 112, "IF_LESS", "sayac", "uzunsinir"); // 17 cells = 136
    condition->setCaptionToAction();
    EXPECT_EQ(condition->shapeWidth(), 176);
    cBlock *action = block(0, 70, "DEFINITION", "sayac", "uzunsinir");
    action->setCaptionToAction();
    EXPECT_EQ(action->shapeWidth(), 156);
    EXPECT_EQ(action->shapeHeight(), 30);
    action->setZParam2(QStringLiteral("1"));
    action->setCaptionToAction();
    EXPECT_EQ(action->shapeWidth(), 156);
    cBlock *input = block(91, 90, "INPUT", "", "x"); // "giriş" above is never measured
    input->setCaptionToAction();
    EXPECT_EQ(input->shapeWidth(), 90);
    cBlock *empty = block(0, 5, "", "", ""); // an empty caption is not measured at all
    empty->setCaptionToAction();
    EXPECT_EQ(empty->shapeWidth(), 5);
}

TEST(WidthFor, NeededWidthIsRoundedHalfToEvenAndCappedAtTheLargestWidth)
{
    const FixedPitchMeasure halves(2.5, 12);
    EXPECT_EQ(BlockCaption::widthFor(10, 0, QStringLiteral("a"), halves), 22);   // 22.5
    EXPECT_EQ(BlockCaption::widthFor(10, 0, QStringLiteral("abc"), halves), 28); // 27.5
    EXPECT_EQ(BlockCaption::widthFor(30, 0, QStringLiteral("abc"), halves), 30);
    EXPECT_EQ(BlockCaption::widthFor(10, 0, QString(20000, u'x'), FixedPitchMeasure(7, 14)), 32767);
}

// A block made while tracking is off has no element: its captions are still built.
TEST_F(Widening, BlockWithoutElementGetsItsCaptionsOnly)
{
    ctx.trackCurrentBlock = false;
    cBlock *b = add(QStringLiteral("id9"));
    b->setZAction(QStringLiteral("OUTPUT"));
    b->setZParam1(QStringLiteral("uzun bir metin"));
    b->setCaptionToAction();
    EXPECT_EQ(b->sCaption(), QStringLiteral("\"uzun bir metin\""));
    EXPECT_FALSE(b->hasElement());
}

TEST(CaptionLayout, OneLineIsCentredTwoLinesMeetAtTheCentre)
{
    const FixedPitchMeasure m(8, 12);
    // Element 101 x 41: w = 100, h = 40.
    auto one = BlockCaption::layout({QString(), QStringLiteral("x = 5")}, 101, 41, m);
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].text, QStringLiteral("x = 5"));
    EXPECT_EQ(one[0].topLeft, QPointF(50 - 20, 20 - 6));

    auto two = BlockCaption::layout({QStringLiteral("giriş"), QStringLiteral("ad")}, 101, 41, m);
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two[0].topLeft, QPointF(50 - 20, 20 - 12));
    EXPECT_EQ(two[1].text, QStringLiteral("ad"));
    EXPECT_EQ(two[1].topLeft, QPointF(50 - 8, 20));

    EXPECT_EQ(BlockCaption::layout({QStringLiteral("giriş"), QString()}, 101, 41, m).size(), 1);
    EXPECT_TRUE(BlockCaption::layout({}, 101, 41, m).isEmpty());
}

TEST(Shapes, OutlinesInTheElementsOwnCoordinates)
{
    using K = BlockShape::Kind;
    // Element 91 x 41: w = 90, h = 40.
    EXPECT_EQ(BlockShape::outline(0, 91, 41).kind, K::Rectangle);
    EXPECT_EQ(BlockShape::outline(0, 91, 41).bounds, QRectF(0, 0, 90, 40));
    EXPECT_EQ(BlockShape::outline(2, 91, 41).bounds, QRectF(0, 0, 90, 40));
    EXPECT_EQ(BlockShape::outline(3, 11, 21).bounds, QRectF(0, 5, 10, 10));
    EXPECT_EQ(BlockShape::outline(91, 91, 41).points,
              (QVector<QPoint>{{10, 0}, {90, 0}, {80, 40}, {0, 40}}));
    EXPECT_EQ(BlockShape::outline(92, 112, 50).points, // w/2 = 55.5 and h/2 = 24.5 round to even
              (QVector<QPoint>{{56, 0}, {111, 24}, {56, 49}, {0, 24}}));
    EXPECT_EQ(BlockShape::outline(93, 91, 41).points,
              (QVector<QPoint>{{0, 20}, {10, 0}, {80, 0}, {90, 20}, {80, 40}, {10, 40}}));
    EXPECT_EQ(BlockShape::outline(2, 1, 30).kind, K::Nothing);
    EXPECT_EQ(BlockShape::outline(7, 91, 41).kind, K::Invalid);
}

TEST(Shapes, UnknownCodeHasItsMessage)
{
    for (qint16 code : {0, 2, 3, 91, 92, 93})
        EXPECT_TRUE(BlockShape::invalidShapeMessage(code).isEmpty()) << code;
    EXPECT_EQ(BlockShape::invalidShapeMessage(1).turkish(), QStringLiteral("Shape özelliğinde yanlış ayar var: 1"));
    EXPECT_EQ(BlockShape::invalidShapeMessage(-4).turkish(), QStringLiteral("Shape özelliğinde yanlış ayar var: -4"));
}

TEST(FixedPitch, MeasuresTheWidestLineAndEveryLine)
{
    const FixedPitchMeasure m(8, 12);
    const auto f = TextMeasure::Font::BlockCaption;
    EXPECT_EQ(m.width(f, QStringLiteral("ab\r\nabcd\nx")), 32);
    EXPECT_EQ(m.height(f, QStringLiteral("ab\r\nabcd\nx")), 36);
}

} // namespace
