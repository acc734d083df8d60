// Where the examples are looked for: the short file name first, a window example's
// descriptive name when only that is shipped, and the short name again for the message when
// neither is there.

#include "project/ExampleCatalog.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ExampleCatalog, FindsTheFileUnderEitherName)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const auto touch = [&folder](const QString &name) {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    touch(QStringLiteral("Basit Pencere ve Yazı.vnp"));
    touch(QStringLiteral("e.vnp"));
    touch(QStringLiteral("Resim ve Çizim Penceresi.vnp"));

    const struct {
        int index;
        const char *file;
    } cases[] = {
        {0, "factorial.vnp"},             // missing: the name the message shows
        {3, "Basit Pencere ve Yazı.vnp"}, // only the descriptive name is there
        {4, "d.vnp"},                     // neither
        {5, "e.vnp"},                     // both: the short one wins
    };
    for (const auto &c : cases)
        EXPECT_EQ(ExampleCatalog::pathOf(folder, c.index), folder + QString::fromUtf8(c.file)) << c.index;
    EXPECT_EQ(ExampleCatalog::pathOf(folder, 15), QString());
    EXPECT_EQ(ExampleCatalog::pathOf(folder, -1), QString());
}

TEST(ExampleCatalog, FourteenOfFifteenAreOffered)
{
    const QList<ExampleCatalog::Entry> &entries = ExampleCatalog::entries();
    ASSERT_EQ(entries.size(), 15);
    EXPECT_EQ(std::count_if(entries.cbegin(), entries.cend(), [](const auto &e) { return e.visible; }), 14);
    EXPECT_FALSE(entries.last().visible);
    EXPECT_EQ(entries.last().file, QStringLiteral("test09_sql.vnp"));
    EXPECT_EQ(ExampleCatalog::failureMessage(QStringLiteral("/p/Examples/b.vnp")),
              QStringLiteral("Örnek açılırken hata oluştu: /p/Examples/b.vnp"));
}
