// Tag keys are folded the same way whatever the user's language: whether a drawing with "ID1"
// and "id1" is accepted never depends on the locale.

#include "ModelTestSupport.h"

using namespace ModelTest;

namespace {

class TagKeyFolding : public Model, public ::testing::WithParamInterface<QLocale::Language> {
protected:
    const LocaleScope locale{QLocale(GetParam())};
};

TEST_P(TagKeyFolding, UpperAndLowerCaseIdAreOneKey)
{
    add(QStringLiteral("ID1"));
    EXPECT_EQ(errorNumberOf([&] { add(QStringLiteral("id1")); }), VarnelError::DuplicateKey);
    EXPECT_EQ(blocks.Count(), 1);
    EXPECT_TRUE(blocks.objectNameExists(QStringLiteral("id1")));
    EXPECT_TRUE(blocks.objectNameExists(QStringLiteral("Id1")));
    EXPECT_EQ(blocks.getFreeTagID(), QStringLiteral("id2"));
}

TEST_P(TagKeyFolding, TurkishLetterPairsAreOneKeyToo)
{
    add(QStringLiteral("şekil"));
    EXPECT_TRUE(blocks.objectNameExists(QStringLiteral("ŞEKİL")));
    EXPECT_TRUE(blocks.objectNameExists(QStringLiteral("ŞEKIL")));
    EXPECT_EQ(errorNumberOf([&] { add(QStringLiteral("ŞEKİL")); }), VarnelError::DuplicateKey);
}

TEST_P(TagKeyFolding, ARefusedKeyLeavesNoElementBehind)
{
    add(QStringLiteral("id1"));
    ctx.setProjectModified(false);
    const qint16 selected = ctx.selectedIndex();
    EXPECT_EQ(errorNumberOf([&] { add(QStringLiteral("ID1")); }), VarnelError::DuplicateKey);
    EXPECT_EQ(ctx.shapeElementCount(), 1);
    EXPECT_EQ(ctx.selectedIndex(), selected);
    EXPECT_FALSE(ctx.projectModified());
}

INSTANTIATE_TEST_SUITE_P(Locales, TagKeyFolding,
                         ::testing::Values(QLocale::English, QLocale::Turkish, QLocale::German));

} // namespace
