// Thousands of damaged copies of the example project, the same ones on every run: each load
// must end in true or false with its message, and whatever loads completely must save and load
// back to the same drawing.

#include "ProjectTestSupport.h"


#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

using namespace ProjectTest;

namespace {

// std::mt19937 gives the same numbers everywhere; the distributions of <random> do not, so
// draws are made from its raw output.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : m_engine(seed) {}
    std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : m_engine() % n; }
    bool chance(std::uint32_t percent) { return below(100) < percent; }

private:
    std::mt19937 m_engine;
};

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    return bytes.split('\n');
}

QByteArray joinLines(const QList<QByteArray> &lines)
{
    return lines.join('\n');
}

const QByteArray Interesting[] = {
    "\r", "\n", "\r\n", ",", "[\\n]", "[\\N]", "<--SHAPES", "<--shapes", "\t", " ", "-", "+", ".",
    "0", "9", "32767", "32768", "-32769", "32766.5", "2147483648", "-2147483648", "1e5", "1,5",
    "99999999999999999999999999999999999999999", "0.000000000000000000000000000000000000000000001",
    "YES", "no", "EVET", "id1", "ID1", "id2", "\xFC", "\xDD", "\xFD", "\x00", "\x1A", "\xFF",
};

QByteArray mutate(QByteArray bytes, Draw &draw)
{
    const int steps = 1 + int(draw.below(3));
    for (int step = 0; step < steps; ++step) {
        const std::uint32_t size = std::uint32_t(bytes.size());
        switch (draw.below(9)) {
        case 0: // change a byte
            if (size)
                bytes[draw.below(size)] = char(draw.below(256));
            break;
        case 1: // remove a few bytes
            if (size) {
                const std::uint32_t at = draw.below(size);
                bytes.remove(at, 1 + draw.below(8));
            }
            break;
        case 2: // insert something the reader looks for
            bytes.insert(draw.below(size + 1),
                         Interesting[draw.below(std::size(Interesting))]);
            break;
        case 3: // cut the file short
            bytes.truncate(draw.below(size + 1));
            break;
        case 4: { // drop a line
            QList<QByteArray> lines = splitLines(bytes);
            lines.removeAt(draw.below(std::uint32_t(lines.size())));
            bytes = joinLines(lines);
            break;
        }
        case 5: { // repeat a line
            QList<QByteArray> lines = splitLines(bytes);
            const qsizetype at = draw.below(std::uint32_t(lines.size()));
            lines.insert(at, lines.at(at));
            bytes = joinLines(lines);
            break;
        }
        case 6: { // swap two lines
            QList<QByteArray> lines = splitLines(bytes);
            lines.swapItemsAt(draw.below(std::uint32_t(lines.size())), draw.below(std::uint32_t(lines.size())));
            bytes = joinLines(lines);
            break;
        }
        case 7: { // replace a line's start with something interesting
            QList<QByteArray> lines = splitLines(bytes);
            QByteArray &line = lines[draw.below(std::uint32_t(lines.size()))];
            line = Interesting[draw.below(std::size(Interesting))] + line.mid(draw.below(8));
            bytes = joinLines(lines);
            break;
        }
        default: // change the counts
            bytes = QByteArray::number(int(draw.below(8)) - 1) + bytes.mid(1);
            break;
        }
    }
    return bytes;
}

} // namespace

TEST(ProjectFileMutations, EveryDamagedCopyEndsInItsMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("mutant.vnp"));
    const QString saved = dir.filePath(QStringLiteral("saved.vnp"));
    const QByteArray hello = helloBytes();
    ASSERT_FALSE(hello.isEmpty());

    Draw draw(20240607);
    int complete = 0;
    for (int round = 0; round < 4000; ++round) {
        const QByteArray bytes = mutate(hello, draw);
        ASSERT_TRUE(writeBytes(file, bytes));
        // Saving syncs the disk, which is slow: most rounds write the saved bytes directly.
        const QString problem = checkProjectFile(file, saved, round % 50 == 0);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString()
                                       << "\ninput: " << bytes.toPercentEncoding().toStdString();
        complete += ProjectFileReader::parse(bytes).outcome == ParsedProject::Outcome::Complete;
    }
    // The mutations reach both ends.
    EXPECT_GT(complete, 400);
    EXPECT_LT(complete, 3000);
}
