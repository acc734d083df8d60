// Loading and saving whole projects through Project: the state and the messages around them.

#include "ProjectTestSupport.h"

#include "project/ProjectFileWriter.h"
#include "support/ChildProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace ProjectTest;

namespace {

class ProjectLoadSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        log.setModalSink([this](const MessageText &text, const QString &) { modal << text.turkish(); });
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    // Writes the bytes to a file of the temporary folder and loads it.
    bool load(const QByteArray &bytes, const QString &name = QStringLiteral("test.vnp"))
    {
        EXPECT_TRUE(writeBytes(path(name), bytes));
        return project.load_FILE(path(name));
    }

    QString openError(const QString &description, const QString &name = QStringLiteral("test.vnp")) const
    {
        return QStringLiteral("Açma hatası: ") + path(name) + QStringLiteral("\r\n") + description
            + QStringLiteral("\r\n");
    }

    QTemporaryDir dir;
    MessageLog log;
    Project project{&log};
    QStringList modal;
};

} // namespace

TEST_F(ProjectLoadSave, TheExampleLoadsAndSavesBackByteForByte)
{
    int replaced = 0;
    QStringList titles;
    QObject::connect(&project, &Project::projectReplaced, [&] { ++replaced; });
    QObject::connect(&project, &Project::windowTitleChanged, [&](const QString &t) { titles << t; });
    project.setProjectModified(true);
    const QByteArray hello = helloBytes();
    ASSERT_EQ(hello.size(), 831);
    ASSERT_TRUE(load(hello, QStringLiteral("hello.vnp")));

    EXPECT_EQ(log.text(), QString());
    EXPECT_FALSE(project.projectModified());
    EXPECT_EQ(project.projectPath(), path(QStringLiteral("hello.vnp")));
    EXPECT_EQ(project.projectFolder(), dir.path() + u'/');
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01 - hello.vnp"));
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Varnel 3.01"), QStringLiteral("Varnel 3.01 - hello.vnp")}));
    EXPECT_EQ(replaced, 1);

    const Block_Collection &blocks = project.theBlockCollection();
    ASSERT_EQ(blocks.Count(), 3);
    const cBlock *output = blocks.item(QStringLiteral("id2"));
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->Shape(), 91);
    EXPECT_EQ(output->shapeLeft(), 110.0f);
    EXPECT_EQ(output->shapeTop(), 100.0f);
    EXPECT_EQ(output->shapeWidth(), 130);
    EXPECT_EQ(output->shapeHeight(), 40);
    EXPECT_EQ(output->BGColor(), 16777215);
    EXPECT_TRUE(output->Visible());
    EXPECT_EQ(output->zAction(), QStringLiteral("OUTPUT"));
    EXPECT_EQ(output->zParam1(), QStringLiteral("Merhaba Dünya"));
    EXPECT_EQ(blocks.item(1)->zAction(), QStringLiteral("START"));
    EXPECT_EQ(blocks.item(3)->zAction(), QStringLiteral("STOP"));
    ASSERT_EQ(project.theLineCollection().Count(), 2);
    EXPECT_EQ(project.theLineCollection().item(1)->sFrom(), QStringLiteral("id1"));
    EXPECT_EQ(project.theLineCollection().item(1)->sTo(), QStringLiteral("id2"));
    EXPECT_EQ(project.context().shapeElementCount(), 3);
    EXPECT_EQ(project.context().lineElementCount(), 2);
    // Each new block selects itself: the last one read is selected.
    EXPECT_EQ(project.context().selectedIndex(), 3);
    EXPECT_EQ(project.context().previousSelectedIndex(), 2);

    project.setProjectModified(true);
    ASSERT_TRUE(project.saveProjectFile(path(QStringLiteral("copy.vnp"))));
    EXPECT_FALSE(project.projectModified());
    EXPECT_TRUE(modal.isEmpty());
    EXPECT_EQ(readBytes(path(QStringLiteral("copy.vnp"))), hello);
}

TEST_F(ProjectLoadSave, LoadWithoutTrackingMakesNoElements)
{
    project.setTrackCurrentBlock(false);
    ASSERT_TRUE(load(helloBytes()));
    ASSERT_EQ(project.theBlockCollection().Count(), 3);
    const cBlock *output = project.theBlockCollection().item(2);
    EXPECT_FALSE(output->hasElement());
    EXPECT_EQ(output->Shape(), 0);
    EXPECT_EQ(output->BGColor(), 0);
    EXPECT_EQ(output->zAction(), QStringLiteral("OUTPUT"));
    EXPECT_EQ(output->zParam1(), QStringLiteral("Merhaba Dünya"));
    EXPECT_THROW(output->shapeLeft(), VarnelError);
    EXPECT_EQ(project.theLineCollection().Count(), 2);
    EXPECT_FALSE(project.theLineCollection().item(1)->hasElement());
    EXPECT_EQ(project.context().shapeElementCount(), 0);
    EXPECT_EQ(project.context().lineElementCount(), 0);
    EXPECT_EQ(project.context().selectedIndex(), -1);

    // Saving needs positions: the modal message, the old file and the flag stay.
    const QString target = path(QStringLiteral("old.vnp"));
    ASSERT_TRUE(writeBytes(target, "old contents"));
    project.setProjectModified(true);
    EXPECT_FALSE(project.saveProjectFile(target));
    EXPECT_EQ(modal, QStringList{QStringLiteral("SAVE_FILE işleminde hata: Nesne değişkeni ayarlanmamış")});
    EXPECT_TRUE(project.projectModified());
    EXPECT_EQ(readBytes(target), QByteArray("old contents"));
}

TEST_F(ProjectLoadSave, LowercaseMarkerWithoutSeparator)
{
    QByteArray bytes = "12<--shapes\r\n0\r\n";
    for (int i = 1; i <= 12; ++i) {
        bytes += "b" + QByteArray::number(i) + "\r\n0\r\n" + QByteArray::number(i * 10)
            + "\r\n5\r\n70\r\n30\r\n1\r\n2\r\n3\r\n\r\n\r\nSTOP\r\n\r\n\r\n\r\n";
    }
    bytes += "  \r\n---- LINES ---- from,to ----\r\n";
    ASSERT_TRUE(load(bytes));
    EXPECT_EQ(project.theBlockCollection().Count(), 12);
    EXPECT_EQ(project.theBlockCollection().item(12)->shapeLeft(), 120.0f);
    EXPECT_EQ(project.theBlockCollection().item(12)->TextColor(), 3);
}

TEST_F(ProjectLoadSave, ABlockCountTooLargeRunsIntoTheLines)
{
    project.setProjectModified(true);
    const QByteArray bytes = replaceOnce(helloBytes(), "3       \t <--SHAPES", "4       \t <--SHAPES");
    EXPECT_FALSE(load(bytes));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Dosya sonu aşıldı")));
    // The three blocks stay, and a fourth one made of the line section ("  " as its tag).
    ASSERT_EQ(project.theBlockCollection().Count(), 4);
    EXPECT_EQ(project.theBlockCollection().item(4)->TagID(), QStringLiteral("  "));
    EXPECT_EQ(project.theBlockCollection().item(2)->zParam1(), QStringLiteral("Merhaba Dünya"));
    EXPECT_EQ(project.theLineCollection().Count(), 0);
    EXPECT_FALSE(project.projectModified());
    EXPECT_EQ(project.projectPath(), QString());
    EXPECT_EQ(project.windowTitle(), Project::baseTitle());
}

TEST_F(ProjectLoadSave, ALineCountTooLargeKeepsTheLinesRead)
{
    EXPECT_FALSE(load(replaceOnce(helloBytes(), "2       \t <--LINES", "3       \t <--LINES")));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Dosya sonu aşıldı")));
    EXPECT_EQ(project.theBlockCollection().Count(), 3);
    EXPECT_EQ(project.theLineCollection().Count(), 2);
}

TEST_F(ProjectLoadSave, ExtraLinesAtTheEndAreIgnored)
{
    EXPECT_TRUE(load(helloBytes() + "id9,id8\r\nreserved 1\r\nrubbish\r\n\xFF\xFE"));
    EXPECT_EQ(project.theLineCollection().Count(), 2);
}

TEST_F(ProjectLoadSave, EscapedLineBreaksInParameters)
{
    QByteArray bytes = replaceOnce(helloBytes(), "Merhaba D\xFCnya", "a[\\n]b[\\N]c");
    ASSERT_TRUE(load(bytes));
    cBlock *output = project.theBlockCollection().item(2);
    EXPECT_EQ(output->zParam1(), QStringLiteral("a\r\nb\r\nc"));

    // A line break round-trips; a CR or LF alone in a parameter is written as it is.
    output->setZParam2(QStringLiteral("x\r\ny"));
    output->setZParam3(QStringLiteral("[\\n]"));
    ASSERT_TRUE(project.saveProjectFile(path(QStringLiteral("saved.vnp"))));
    const QByteArray saved = readBytes(path(QStringLiteral("saved.vnp")));
    EXPECT_TRUE(saved.contains("OUTPUT\r\na[\\n]b[\\n]c\r\nx[\\n]y\r\n[\\n]\r\n"));
    ASSERT_TRUE(project.load_FILE(path(QStringLiteral("saved.vnp"))));
    output = project.theBlockCollection().item(2);
    EXPECT_EQ(output->zParam2(), QStringLiteral("x\r\ny"));
    EXPECT_EQ(output->zParam3(), QStringLiteral("\r\n"));
}

TEST_F(ProjectLoadSave, LineEndsSplitAtTheFirstComma)
{
    ASSERT_TRUE(load(replaceOnce(helloBytes(), "id2,id3", "id2,id3,x")));
    const cLine *line = project.theLineCollection().item(2);
    EXPECT_EQ(line->sFrom(), QStringLiteral("id2"));
    EXPECT_EQ(line->sTo(), QStringLiteral("id3,x"));
}

TEST_F(ProjectLoadSave, ALineWithoutACommaIsAnError)
{
    EXPECT_FALSE(load(replaceOnce(helloBytes(), "id2,id3", "id2 id3")));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Geçersiz yordam çağrısı veya bağımsız değişken")));
    EXPECT_EQ(project.theLineCollection().Count(), 1);
}

TEST_F(ProjectLoadSave, ALineWithAnEmptyEndIsRefusedByTheCollection)
{
    EXPECT_TRUE(load(replaceOnce(helloBytes(), "id2,id3", "id2,")));
    EXPECT_EQ(log.text(), QStringLiteral("Bağlantı yapılamıyor!!!!\r\n"));
    EXPECT_EQ(project.theLineCollection().Count(), 1);
}

TEST_F(ProjectLoadSave, CaptionsAreTranslated)
{
    QByteArray bytes = replaceOnce(helloBytes(), "id1,id2\r\nreserved 1\r\n\r\n", "id1,id2\r\nreserved 1\r\nYES\r\n");
    bytes = replaceOnce(bytes, "id2,id3\r\nreserved 1\r\n\r\n", "id2,id3\r\nreserved 1\r\nEVET\r\n");
    ASSERT_TRUE(load(bytes));
    EXPECT_EQ(project.theLineCollection().item(1)->sCaption(), QStringLiteral("EVET"));
    EXPECT_EQ(project.theLineCollection().item(2)->sCaption(), QStringLiteral("EVET"));
    EXPECT_EQ(project.context().line(1).labelText, QStringLiteral("EVET"));
    EXPECT_TRUE(project.context().line(1).labelVisible);

    bytes = replaceOnce(helloBytes(), "id1,id2\r\nreserved 1\r\n\r\n", "id1,id2\r\nreserved 1\r\nno\r\n");
    ASSERT_TRUE(load(bytes));
    EXPECT_EQ(project.theLineCollection().item(1)->sCaption(), QStringLiteral("HAYIR"));
}

TEST_F(ProjectLoadSave, ACommaDecimalReadsAsItsIntegerPart)
{
    ASSERT_TRUE(load(replaceOnce(helloBytes(), "110       \t <--LEFT", "110,75       \t <--LEFT")));
    EXPECT_EQ(project.theBlockCollection().item(2)->shapeLeft(), 110.0f);
    ASSERT_TRUE(load(replaceOnce(helloBytes(), "110       \t <--LEFT", "110.75       \t <--LEFT")));
    EXPECT_EQ(project.theBlockCollection().item(2)->shapeLeft(), 110.75f);
    // Written back with a point and as few digits as needed.
    ASSERT_TRUE(project.saveProjectFile(path(QStringLiteral("f.vnp"))));
    EXPECT_TRUE(readBytes(path(QStringLiteral("f.vnp"))).contains("\r\n110.75       \t <--LEFT\r\n"));
}

TEST_F(ProjectLoadSave, AMissingFileChangesNothing)
{
    ASSERT_TRUE(load(helloBytes()));
    project.setProjectModified(true);
    int replaced = 0;
    int titles = 0;
    QObject::connect(&project, &Project::projectReplaced, [&] { ++replaced; });
    QObject::connect(&project, &Project::windowTitleChanged, [&] { ++titles; });
    EXPECT_FALSE(project.load_FILE(path(QStringLiteral("nothing-here.vnp"))));
    EXPECT_FALSE(project.load_FILE(QString()));
    EXPECT_EQ(log.text(), QString());
    EXPECT_TRUE(project.projectModified());
    EXPECT_EQ(project.projectPath(), path(QStringLiteral("test.vnp")));
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01 - test.vnp"));
    EXPECT_EQ(project.theBlockCollection().Count(), 3);
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(titles, 0);
}

TEST_F(ProjectLoadSave, NotAProjectFile)
{
    ASSERT_TRUE(load(helloBytes()));
    project.setProjectModified(true);
    int replaced = 0;
    QObject::connect(&project, &Project::projectReplaced, [&] { ++replaced; });
    EXPECT_FALSE(load(replaceOnce(helloBytes(), "<--SHAPES", "<--SHAPE"), QStringLiteral("other.vnp")));
    EXPECT_EQ(log.text(), QStringLiteral("Bu Bir Flow Chart Dosyası Değil!\r\n"));
    EXPECT_EQ(project.theBlockCollection().Count(), 0);
    EXPECT_EQ(project.theLineCollection().Count(), 0);
    EXPECT_EQ(project.context().shapeElementCount(), 0);
    EXPECT_EQ(project.context().lineElementCount(), 0);
    EXPECT_FALSE(project.projectModified());
    EXPECT_EQ(project.projectPath(), QString());
    EXPECT_EQ(project.windowTitle(), Project::baseTitle());
    EXPECT_EQ(replaced, 1);
}

TEST_F(ProjectLoadSave, DuplicateTagIDs)
{
    QByteArray bytes = replaceOnce(helloBytes(), "id3\r\n", "ID2\r\n");
    EXPECT_FALSE(load(bytes));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Bu anahtar koleksiyonda zaten var: ID2")));
    EXPECT_EQ(project.theBlockCollection().Count(), 2);
    EXPECT_EQ(project.theLineCollection().Count(), 0);

    log.dismiss();
    EXPECT_FALSE(load(replaceOnce(helloBytes(), "id3\r\n", "id1\r\n")));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Bu anahtar koleksiyonda zaten var: id1")));
}

TEST_F(ProjectLoadSave, NumbersOutOfRange)
{
    EXPECT_FALSE(load(replaceOnce(helloBytes(), "130       \t <--WIDTH", "32767.5       \t <--WIDTH")));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Taşma")));
    // The block whose line overflowed stays, with the fields read before it.
    ASSERT_EQ(project.theBlockCollection().Count(), 2);
    EXPECT_EQ(project.theBlockCollection().item(2)->shapeTop(), 100.0f);
    EXPECT_EQ(project.theBlockCollection().item(2)->zAction(), QString());

    // Halves round to the even neighbour, so 32766.5 still fits.
    log.dismiss();
    EXPECT_TRUE(load(replaceOnce(helloBytes(), "130       \t <--WIDTH", "32766.5       \t <--WIDTH")));
    EXPECT_EQ(project.theBlockCollection().item(2)->shapeWidth(), 32766);

    log.dismiss();
    EXPECT_FALSE(load(replaceOnce(helloBytes(), "16777215", "2147483648")));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Taşma")));
    log.dismiss();
    EXPECT_TRUE(load(replaceOnce(helloBytes(), "16777215", "-2147483648")));
    EXPECT_EQ(project.theBlockCollection().item(1)->BGColor(), std::numeric_limits<qint32>::min());

    log.dismiss();
    EXPECT_FALSE(load(replaceOnce(helloBytes(), "3       \t <--SHAPES", "32768<--SHAPES")));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Taşma")));
    EXPECT_EQ(project.theBlockCollection().Count(), 0);
}

TEST_F(ProjectLoadSave, AFolderOrAnEmptyFileCannotBeOpened)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.vnp")));
    EXPECT_FALSE(project.load_FILE(path(QStringLiteral("folder.vnp"))));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Yol/Dosya erişim hatası"), QStringLiteral("folder.vnp")));

    log.dismiss();
    EXPECT_FALSE(load(QByteArray()));
    EXPECT_EQ(log.text(), openError(QStringLiteral("Dosya sonu aşıldı")));
}

TEST_F(ProjectLoadSave, WindowsStyleNamesGiveTheirFileName)
{
    // A file whose name holds a backslash: the title shows the part after it.
    ASSERT_TRUE(load(helloBytes(), QStringLiteral("a\\b.vnp")));
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01 - b.vnp"));
}

TEST_F(ProjectLoadSave, ASaveThatFailsWhileWritingKeepsTheOldFile)
{
    ASSERT_TRUE(load(helloBytes()));
    cBlock *output = project.theBlockCollection().item(2);
    output->setZParam2(QString(20000, u'x')); // the new file is much larger than the old one
    project.setProjectModified(true);
    const QString target = path(QStringLiteral("test.vnp"));

    // Files may not grow past 4 KiB while saving: the write fails half-way.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = project.saveProjectFile(target);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    ASSERT_EQ(modal.size(), 1);
    EXPECT_TRUE(modal.first().startsWith(QStringLiteral("SAVE_FILE işleminde hata: "))) << modal.first().toStdString();
    EXPECT_TRUE(project.projectModified());
    EXPECT_EQ(readBytes(target), helloBytes());
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.vnp")});
}

TEST_F(ProjectLoadSave, ASmallSaveMeetingAFullDiskSaysSoAndKeepsTheOldFile)
{
    ASSERT_TRUE(load(helloBytes()));
    project.theBlockCollection().item(2)->setZParam2(QString(9000, u'x')); // about 9.8 KB in all
    project.setProjectModified(true);
    const QString target = path(QStringLiteral("test.vnp"));
    // Two pages of room: the whole file fits in the write buffer, so only the flush meets the
    // end of the room.
    const QString answer = ChildProcess::withFileSizeLimit(8192, [&] {
        const bool saved = project.saveProjectFile(target);
        return QStringLiteral("saved=%1 modified=%2 ").arg(saved).arg(project.projectModified())
            + modal.join(u'/');
    });
    EXPECT_EQ(answer, QStringLiteral("saved=0 modified=1 SAVE_FILE işleminde hata: Disk dolu"));
    EXPECT_EQ(readBytes(target), helloBytes());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.vnp")});
}

TEST_F(ProjectLoadSave, ASaveOntoAPipeIsRefused)
{
    ASSERT_TRUE(load(helloBytes()));
    const QString fifo = path(QStringLiteral("boru.vnp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_FALSE(project.saveProjectFile(fifo));
    EXPECT_EQ(modal, QStringList{QStringLiteral(
                         "SAVE_FILE işleminde hata: Yol/Dosya erişim hatası: bir adlandırılmış boru (FIFO), dosya değil")});
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST_F(ProjectLoadSave, ASaveIntoAMissingFolderFails)
{
    ASSERT_TRUE(load(helloBytes()));
    project.setProjectModified(true);
    EXPECT_FALSE(project.saveProjectFile(path(QStringLiteral("no/such/folder/x.vnp"))));
    EXPECT_EQ(modal, QStringList{QStringLiteral("SAVE_FILE işleminde hata: Yol bulunamadı")});
    EXPECT_TRUE(project.projectModified());
}

TEST_F(ProjectLoadSave, SavedTextIsInTheCodePage)
{
    ASSERT_TRUE(load(helloBytes()));
    project.theBlockCollection().item(2)->setZParam1(QStringLiteral("Işık ğüşiöç"));
    ASSERT_TRUE(project.saveProjectFile(path(QStringLiteral("tr.vnp"))));
    EXPECT_TRUE(readBytes(path(QStringLiteral("tr.vnp"))).contains("\r\nOUTPUT\r\nI\xFE\xFDk \xF0\xFC\xFEi\xF6\xE7\r\n"));
}

TEST_F(ProjectLoadSave, AnUnchangedFileIsParsedOnce)
{
    const QString file = path(QStringLiteral("cached.vnp"));
    ASSERT_TRUE(writeBytes(file, helloBytes()));
    // A file is kept only once its times are older than the step in which file times move.
    waitUntilSettled(file);
    ASSERT_TRUE(project.load_FILE(file));
    ASSERT_TRUE(project.load_FILE(file));
    ASSERT_TRUE(project.load_FILE(file));
    EXPECT_EQ(project.fileCache().misses(), 1u);
    EXPECT_EQ(project.fileCache().hits(), 2u);
    EXPECT_EQ(project.theBlockCollection().Count(), 3);

    // Rewritten (same size, new content): read again.
    ASSERT_TRUE(writeBytes(file, replaceOnce(helloBytes(), "Merhaba", "Selamlar")));
    ASSERT_TRUE(project.load_FILE(file));
    EXPECT_EQ(project.fileCache().misses(), 2u);
    EXPECT_EQ(project.theBlockCollection().item(2)->zParam1(), QStringLiteral("Selamlar Dünya"));

    // A failed read is replayed the same way from the cache, messages included.
    const QString broken = path(QStringLiteral("broken.vnp"));
    ASSERT_TRUE(writeBytes(broken, replaceOnce(helloBytes(), "id3\r\n", "ID1\r\n")));
    waitUntilSettled(broken);
    log.dismiss();
    EXPECT_FALSE(project.load_FILE(broken));
    const QString first = log.text();
    const QStringList firstModel = dumpModel(project);
    log.dismiss();
    EXPECT_FALSE(project.load_FILE(broken));
    EXPECT_EQ(log.text(), first);
    EXPECT_EQ(dumpModel(project), firstModel);
    EXPECT_EQ(project.fileCache().hits(), 3u);
}

TEST_F(ProjectLoadSave, RelativePathsShareTheCacheEntryOfTheirAbsolutePath)
{
    const QString file = path(QStringLiteral("rel.vnp"));
    ASSERT_TRUE(writeBytes(file, helloBytes()));
    waitUntilSettled(file);
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool first = project.load_FILE(QStringLiteral("rel.vnp"));
    const QString folder = project.projectFolder();
    const bool second = project.load_FILE(file);
    QDir::setCurrent(before);
    EXPECT_TRUE(first);
    EXPECT_EQ(folder, QString()); // the name as given has no folder part
    EXPECT_TRUE(second);
    EXPECT_EQ(project.fileCache().hits(), 1u);
}
