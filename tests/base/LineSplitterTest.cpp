#include "base/LineSplitter.h"

#include <gtest/gtest.h>

namespace {

TEST(LineSplitterTest, SplitsAtEveryKindOfLineEnd)
{
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\nb\r\nc\rd\n", {"a", "b", "c", "d"}},
        {"\r", {""}},
        {"\n\n", {"", ""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LineSplitter::split(c.text), c.lines) << c.text.toStdString();
}

TEST(LineSplitterTest, KeepsEachLineEnd)
{
    const QString text = QStringLiteral("a\r\nb\rc\nd");
    LineSplitter splitter(text);
    QStringList ends;
    while (!splitter.atEnd())
        ends.append(splitter.next().end.toString());
    EXPECT_EQ(ends, QStringList({"\r\n", "\r", "\n", ""}));
}

} // namespace
