#include "base/LineSplitter.h"

#include <gtest/gtest.h>

namespace {

using LoneLf = LineSplitter::LoneLf;

TEST(LineSplitterTest, SplitsAtEveryKindOfLineEnd)
{
    const struct {
        QString text;
        LoneLf loneLf;
        QStringList lines;
    } cases[] = {
        {"", LoneLf::EndsLine, {}},
        {"a", LoneLf::EndsLine, {"a"}},
        {"a\r\n", LoneLf::EndsLine, {"a"}},
        {"a\r\nb\rc\nd", LoneLf::EndsLine, {"a", "b", "c", "d"}},
        {"\r\n\r\n", LoneLf::EndsLine, {"", ""}},
        {"a\n\rb", LoneLf::EndsLine, {"a", "", "b"}},
        {"a\nb\r\nc\rd\n", LoneLf::IsText, {"a\nb", "c", "d\n"}},
        {"\r", LoneLf::IsText, {""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LineSplitter::split(c.text, c.loneLf), c.lines) << c.text.toStdString();
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
