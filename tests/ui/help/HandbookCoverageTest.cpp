// The handbook cannot fall behind the program: in each language, every built-in function has its
// entry with an example that gives what the entry says, and every message text the interpreter
// and the windows of a run can show is in the message table.
#include "base/MessageLog.h"
#include "interp/BuiltIns.h"
#include "interp/ConsoleScreen.h"
#include "interp/RunHost.h"
#include "interp/VariableStore.h"
#include "model/VarnelError.h"
#include "support/LocaleScope.h"
#include "ui/help/Handbook.h"
#include "ui/help/HandbookText.h"
#include "ui/help/MessageIndex.h"

#include "ui/help/HandbookPaths.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One language's handbook: its folder, the chapter of the built-in functions and the word that
// marks an example there.
struct Edition {
    InterfaceLanguage::Choice language;
    QString folder;
    QString functionsChapter;
    QString exampleWord;

    QString functionsText() const { return readText(folder + u'/' + functionsChapter); }
};

QList<Edition> editions()
{
    return {{InterfaceLanguage::Choice::Turkish, handbookSource(), QStringLiteral("05-fonksiyonlar.md"),
             QStringLiteral("Örnek")},
            {InterfaceLanguage::Choice::English, handbookSource(QStringLiteral("en")),
             QStringLiteral("05-functions.md"), QStringLiteral("Example")}};
}

// These give the time, a random number or a dialog's answer: their examples say so in words.
const QStringList Unrepeatable = {QStringLiteral("DATE"), QStringLiteral("TIME"), QStringLiteral("NOW"),
                                  QStringLiteral("RND"), QStringLiteral("CLEAR"), QStringLiteral("FILEDIALOG")};

struct Example {
    QString name;
    QString argument;
    QString result;
};

QList<Example> examples(const Edition &edition)
{
    const QRegularExpression line(QStringLiteral("^- ") + edition.exampleWord
                                      + QStringLiteral(": `(\\w+)\\((.*)\\)` → `(.*)`$"),
                                  QRegularExpression::MultilineOption);
    const QString markdown = edition.functionsText();
    QList<Example> found;
    for (auto it = line.globalMatch(markdown); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        found.append({m.captured(1), m.captured(2), m.captured(3)});
    }
    return found;
}

// The texts in the files that build the messages of a run: every literal of a statement that
// shows a message or fails a statement, and the descriptions of errors (not their sources,
// which the message shows as "Kaynak: …").
QStringList messageTexts()
{
    static const QRegularExpression statement(
        QStringLiteral("(mBox|showModal|endRun|fail|VarnelError\\(|MessageText::of\\(|case \\w+: return|default: return|"
                       "QMessageBox::\\w+\\(|error = |return fileName|return QStringLiteral\\(\"[^\"]*\\p{L}[^\"]*: \")[^;]*;"));
    // A message's texts, written as they are or through the translation, adjacent literals joined.
    static const QRegularExpression literal(QStringLiteral(
        "(?:QStringLiteral\\(|\\btr\\(|(?:translate|QT_TRANSLATE_NOOP)\\(\"[^\"]*\",\\s*)"
        "\"((?:[^\"\\\\]|\\\\.)*(?:\"\\s*\"(?:[^\"\\\\]|\\\\.)*)*)\""));
    static const QRegularExpression join(QStringLiteral("\"\\s*\""));
    const QStringList files = {QStringLiteral("interp"), QStringLiteral("guiwin/ObjectStatement.cpp"),
                               QStringLiteral("guiwin/WindowSession.cpp"), QStringLiteral("guiwin/WindowLimits.cpp"),
                               QStringLiteral("model/VarnelError.cpp"), QStringLiteral("project/Project.cpp"),
                               QStringLiteral("project/ProjectFileReader.cpp"), QStringLiteral("base/FileErrors.cpp"),
                               QStringLiteral("runner/TerminalHost.cpp"), QStringLiteral("ui/guiwin/GUI_Collection.cpp"),
                               QStringLiteral("exercise/ExerciseWriter.cpp"), QStringLiteral("ui/exercise"),
                               QStringLiteral("ui/codegen")};
    QStringList texts;
    for (const QString &entry : files) {
        QDirIterator it(sourceFolder() + u'/' + entry, {QStringLiteral("*.cpp")}, QDir::Files);
        QStringList paths;
        while (it.hasNext())
            paths.append(it.next());
        if (paths.isEmpty())
            paths.append(sourceFolder() + u'/' + entry);
        for (const QString &path : paths) {
            const QString code = readText(path);
            EXPECT_FALSE(code.isEmpty()) << path.toStdString();
            for (auto s = statement.globalMatch(code); s.hasNext();) {
                for (auto l = literal.globalMatch(s.next().captured(0)); l.hasNext();)
                    texts.append(l.next().captured(1).remove(join));
            }
        }
    }
    return texts;
}

// Texts of those statements that are no message: a box's title, and the support address, which
// the table shows as "…".
const QStringList NotMessages = {QStringLiteral("Varnel"), QStringLiteral("destek@varnel.org")};

// A piece of a message worth looking up: the parts of its lines between the places of its values
// (%1, %2…), without the blanks around them, that hold a word of two letters or more.
QStringList pieces(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}\\p{L}"));
    static const QRegularExpression lineOrPlace(QStringLiteral("\n|%[1-9]"));
    QStringList out;
    for (const QString &part : QString(text).replace(QStringLiteral("\\r\\n"), QStringLiteral("\n")).split(lineOrPlace)) {
        const QString piece = part.trimmed();
        if (word.match(piece).hasMatch() && !NotMessages.contains(piece))
            out.append(piece);
    }
    return out;
}

} // namespace

TEST(HandbookCoverage, EveryBuiltInFunctionHasAnEntryWithAnExample)
{
    EXPECT_EQ(BuiltIns::names().size(), 43);
    for (const Edition &edition : editions()) {
        SCOPED_TRACE(edition.folder.toStdString());
        const Handbook handbook = Handbook::load(edition.folder);
        const HandbookChapter *chapter = handbook.chapter(edition.functionsChapter);
        ASSERT_NE(chapter, nullptr);
        QStringList entries;
        for (const HandbookSection &section : chapter->sections) {
            if (section.level == 3)
                entries.append(section.title);
        }
        for (const QString &name : BuiltIns::names())
            EXPECT_TRUE(entries.contains(name)) << "no entry for " << name.toStdString();
        for (const QString &entry : entries)
            EXPECT_TRUE(BuiltIns::isBuiltIn(entry)) << entry.toStdString() << " is no built-in function";

        QStringList exemplified;
        for (const Example &e : examples(edition))
            exemplified.append(e.name);
        for (const QString &name : BuiltIns::names()) {
            if (!Unrepeatable.contains(name)) {
                EXPECT_EQ(exemplified.count(name), 1) << name.toStdString() << " needs exactly one checked example";
            }
        }
    }
}

TEST(HandbookCoverage, BuiltInExamplesGiveWhatTheyClaim)
{
    LocaleScope turkish(QLocale(QLocale::Turkish, QLocale::Turkey));
    MessageLog log;
    VariableStore vars(&log);
    ConsoleScreen console;
    RunHost host;
    BuiltIns builtIns(vars, console, host, [] { return QString(); });
    for (const Edition &edition : editions()) {
        SCOPED_TRACE(edition.folder.toStdString());
        const QList<Example> all = examples(edition);
        ASSERT_GE(all.size(), 37);
        for (const Example &e : all) {
            SCOPED_TRACE(e.name.toStdString() + '(' + e.argument.toStdString() + ')');
            try {
                ASSERT_TRUE(builtIns.callBuiltIn(e.name, e.argument, QStringLiteral("r")));
                EXPECT_EQ(vars.getVar(QStringLiteral("r")), e.result);
            } catch (const VarnelError &error) {
                ADD_FAILURE() << "raised " << error.description().toStdString();
            }
        }
    }
    EXPECT_TRUE(log.text().isEmpty());
}

TEST(HandbookCoverage, EveryMessageOfARunIsInTheMessageTable)
{
    const QStringList texts = messageTexts();
    ASSERT_GE(texts.size(), 40) << "the scan of the sources found too little";
    for (const Edition &edition : editions()) {
        SCOPED_TRACE(edition.folder.toStdString());
        const MessageIndex index = MessageIndex::load(edition.folder, edition.language);
        QStringList patterns;
        for (const MessageIndex::Entry &entry : index.entries())
            patterns += entry.patterns;
        const QString table = patterns.join(u'\n');
        for (const QString &text : texts) {
            for (const QString &piece : pieces(text))
                EXPECT_TRUE(table.contains(piece)) << "not in the message table: \"" << piece.toStdString() << '"';
        }
    }
}
