// Finding blocks by tag ID: free tags for new blocks, element indexes of tags, the link check
// after a load, and the case-blind name test used before returning into a caller.

#include "ModelTestSupport.h"

using namespace ModelTest;

namespace {

class TagLookup : public Model {};

} // namespace

TEST_F(TagLookup, FreeTagIsTheSmallestUnusedNumber)
{
    EXPECT_EQ(blocks.getFreeTagID(), QStringLiteral("id1"));
    for (const char *tag : {"id4", "id1", "id2"})
        add(QString::fromLatin1(tag));
    EXPECT_EQ(blocks.getFreeTagID(), QStringLiteral("id3"));
    add(QStringLiteral("id3"));
    EXPECT_EQ(blocks.getFreeTagID(), QStringLiteral("id5"));
}

TEST_F(TagLookup, FreeTagSkipsATagThatExistsInAnotherCase)
{
    const LocaleScope locale{QLocale::c()};
    add(QStringLiteral("ID1"));
    const QString tag = blocks.getFreeTagID();
    EXPECT_EQ(tag, QStringLiteral("id2"));
    EXPECT_EQ(errorNumberOf([&] { add(tag); }), 0);
}

TEST_F(TagLookup, FreeTagCountsBlocksWithoutElements)
{
    ctx.trackCurrentBlock = false;
    add(QStringLiteral("id1"));
    EXPECT_EQ(blocks.getFreeTagID(), QStringLiteral("id2"));
}

TEST_F(TagLookup, FreeTagOverflowsPast32767)
{
    ctx.trackCurrentBlock = false;
    for (int n = 1; n <= 32767; ++n)
        add(QStringLiteral("id") + QString::number(n));
    EXPECT_EQ(errorNumberOf([&] { blocks.getFreeTagID(); }), VarnelError::Overflow);
}

TEST_F(TagLookup, IndexFromTagIsExactAndFollowsTagChanges)
{
    cBlock *first = add(QStringLiteral("id1"));
    cBlock *second = add(QStringLiteral("id2"));
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id2")), 2);
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("ID2")), -1);
    EXPECT_EQ(blocks.getIndexFromTag(QString()), -1);

    // Two blocks with one tag: the first in collection order wins.
    second->setTagID(QStringLiteral("id1"));
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id1")), 1);
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id2")), -1);
    first->setTagID(QStringLiteral("x"));
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id1")), 2);
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("x")), 1);
    // The key stays what the block was added under.
    EXPECT_EQ(blocks.item(QStringLiteral("id1")), first);

    blocks.Remove(QStringLiteral("id1"));
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("x")), -1);
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id1")), 2);
}

TEST_F(TagLookup, UntrackedBlocksHaveNoIndex)
{
    ctx.trackCurrentBlock = false;
    add(QStringLiteral("id1"));
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id1")), -1);
}

TEST_F(TagLookup, CheckLinksReportsEveryBadLineByItsElementIndex)
{
    add(QStringLiteral("id1"));
    add(QStringLiteral("id2"));
    lines.AddLine(QStringLiteral("id1"), QStringLiteral("id2"), QString()); // element 1, removed below
    lines.AddLine(QStringLiteral("id1"), QStringLiteral("id2"), QString()); // 2: good
    lines.AddLine(QStringLiteral("yok"), QStringLiteral("id2"), QString()); // 3: bad FROM
    lines.AddLine(QStringLiteral("id2"), QStringLiteral("yok"), QString()); // 4: bad TO
    lines.AddLine(QStringLiteral("yok"), QStringLiteral("yok"), QString()); // 5: FROM only
    lines.AddLine(QStringLiteral("ID1"), QStringLiteral("id2"), QString()); // 6: tags are exact
    lines.Remove(1);

    blocks.checkLinks();
    EXPECT_EQ(errors, (QStringList{
                          QStringLiteral("Satır #3 da yanlış FROM"),
                          QStringLiteral("Satır #4 da yanlış TO"),
                          QStringLiteral("Satır #5 da yanlış FROM"),
                          QStringLiteral("Satır #6 da yanlış FROM"),
                      }));
    EXPECT_EQ(lines.Count(), 5);
}

TEST_F(TagLookup, ObjectNameExistsIgnoresCase)
{
    const LocaleScope locale{QLocale::c()};
    add(QStringLiteral("id12"));
    EXPECT_TRUE(blocks.objectNameExists(QStringLiteral("id12")));
    EXPECT_TRUE(blocks.objectNameExists(QStringLiteral("ID12")));
    EXPECT_FALSE(blocks.objectNameExists(QStringLiteral("id1")));
    EXPECT_FALSE(blocks.objectNameExists(QString()));
}

// Names compare without regard to case the way the user's language pairs letters: in Turkish
// İ is the capital of i and I the capital of ı.
TEST_F(TagLookup, CaseBlindNamesFollowTurkishLetterPairs)
{
    const LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    add(QStringLiteral("şekil"));
    EXPECT_TRUE(blocks.objectNameExists(QStringLiteral("ŞEKİL")));
    EXPECT_EQ(errorNumberOf([&] { add(QStringLiteral("ŞEKİL")); }), VarnelError::DuplicateKey);
    EXPECT_EQ(blocks.Count(), 1);
}
