// Every text a window shows goes through the translation system, and the English translation
// has an entry for each of them: a text written straight into a window would stay Turkish in
// the English interface.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString sourceRoot = QStringLiteral(VARNEL_SOURCE_DATA "/..");

struct Literal {
    QString text;    // adjacent literals joined, escapes left as written
    QString before;  // the code just before the first literal, blanks simplified
    bool directive = false; // on a preprocessor line
    int line = 0;
};

// The string literals of a C++ source, outside comments and character literals.
QList<Literal> literalsOf(const QString &source)
{
    QList<Literal> found;
    int line = 1;
    qsizetype lineStart = 0;
    bool joinNext = false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'\n') {
            ++line;
            lineStart = i + 1;
        } else if (source.mid(i, 2) == u"//") {
            i = source.indexOf(u'\n', i) - 1;
            if (i < 0)
                break;
        } else if (source.mid(i, 2) == u"/*") {
            const qsizetype end = source.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                break;
            line += int(source.mid(i, end - i).count(u'\n'));
            i = end + 1;
        } else if (c == u'\'' && !(i > 0 && source[i - 1].isDigit())) { // not a digit separator
            i = source.indexOf(u'\'', i + (source.mid(i + 1, 1) == u"\\" ? 3 : 2));
            if (i < 0)
                break;
        } else if (c == u'"') {
            qsizetype end = i + 1;
            while (end < source.size() && source[end] != u'"')
                end += source[end] == u'\\' ? 2 : 1;
            const QString text = source.mid(i + 1, end - i - 1);
            if (joinNext)
                found.last().text += text;
            else
                found.append({text, source.mid(qMax(qsizetype(0), i - 80), qMin(i, qsizetype(80))).simplified(),
                              source.mid(lineStart, i - lineStart).trimmed().startsWith(u'#'), line});
            i = end;
            qsizetype next = end + 1;
            while (next < source.size() && source[next].isSpace())
                ++next;
            joinNext = next < source.size() && source[next] == u'"';
            continue;
        }
        if (!c.isSpace())
            joinNext = false;
    }
    return found;
}

// A label's or a command's words: without its mnemonic marker and without the colon or the
// ellipsis that ends it, so that "&Dil:" and "Kaydet..." read as the words they show.
QString wordsOf(QString text)
{
    static const QRegularExpression ending(QStringLiteral("(:|\\.\\.\\.|…)$"));
    return text.remove(u'&').remove(ending);
}

// A text a reader sees: words with a space or a Turkish letter, one capitalised word, or a label's
// hyphenated word before its colon ("e-posta:").
bool looksShown(const QString &written)
{
    static const QRegularExpression word(QStringLiteral("^[A-ZÇĞİÖŞÜ][a-zçğıöşü]+$"));
    static const QRegularExpression label(QStringLiteral("^[a-zçğıöşü]+(-[a-zçğıöşü]+)+:$"));
    if (label.match(written).hasMatch())
        return true;
    static const QRegularExpression letter(QStringLiteral("[A-Za-zÇĞİÖŞÜçğıöşü]"));
    const QString text = wordsOf(written);
    if (!text.contains(letter))
        return false;
    const bool nonAscii = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0x7f; });
    return text.contains(u' ') || nonAscii || word.match(text).hasMatch();
}

bool translated(const Literal &literal)
{
    static const QRegularExpression call(QStringLiteral(
        R"((\btr|\bQT_TR_NOOP|\btranslate\s*\(\s*"[^"]*"\s*,|\bQT_TRANSLATE_NOOP\s*\(\s*"[^"]*"\s*,)\s*\(?\s*$)"));
    // The first argument of a translation is its context, a name.
    static const QRegularExpression context(QStringLiteral(R"((\btranslate|\bQT_TRANSLATE_NOOP)\s*\(\s*$)"));
    return literal.directive || call.match(literal.before).hasMatch() || context.match(literal.before).hasMatch();
}

// Texts that are shown but not translated, each for its reason.
const QSet<QString> &allowed()
{
    static const QSet<QString> texts{
        // The window designer's own words are English in both interfaces.
        QStringLiteral("Button"), QStringLiteral("Text Area"), QStringLiteral("Picture"),
        QStringLiteral("Text Box"), QStringLiteral("Delete"), QStringLiteral("Java Test"),
        QStringLiteral("Name: "), QStringLiteral("Caption: "), QStringLiteral(" Events "),
        QStringLiteral("Left Click:"), QStringLiteral("Right Click:"), QStringLiteral("On Load:"),
        QStringLiteral("On Resize:"), QStringLiteral("text area"), QStringLiteral("text box"),
        QStringLiteral("Cannot open "), QStringLiteral("Clear Screen"), QStringLiteral("SP >"),
        // Font families, queries and patterns rather than texts.
        QStringLiteral("Sans Serif"), QStringLiteral("SELECT ....\\n"), QStringLiteral("DejaVu Sans"),
        QStringLiteral("DejaVu Sans Mono"),
        QStringLiteral("^- (?:İleti|Message): `(.+)`$"), QStringLiteral("color: #b00000"),
        // Names of programming languages.
        QStringLiteral("Python 3"), QStringLiteral("C (C11)"), QStringLiteral("Java"),
        // Code the code view reads.
        QStringLiteral("} else"),
        // The letters the handbook's search treats alike.
        QStringLiteral("cçCÇ"), QStringLiteral("gğGĞ"), QStringLiteral("iıİI"), QStringLiteral("oöOÖ"),
        QStringLiteral("sşSŞ"), QStringLiteral("uüUÜ"), QStringLiteral("çğıİöşüÇĞIÖŞÜâîûÂÎÛ"),
        // The program's name.
        QStringLiteral("Varnel"),
        // Messages the handbook's message table lists by their Turkish words, in both handbooks.
        QStringLiteral("Alıştırma açılamadı:"),
        QStringLiteral("Örnek çözüm bu testleri bitiremedi; beklenen satırları değişmedi:"),
        QStringLiteral("Alıştırma kaydedilemedi; dosyada şu hatalar olurdu:"),
        QStringLiteral("Şema değişti; kontrol durduruldu."),
        // A link's markup, and a sample of a block's name that sizes the label showing it.
        QStringLiteral("<a href=\\\"%1\\\">%1</a>"), QStringLiteral("id0000 · "),
        // The end of a widget's object name.
        QStringLiteral("Strip"),
        // The language menu, named in both languages, its languages in their own words, and what
        // it says in the language chosen rather than the one running.
        QStringLiteral("Dil / Language"), QStringLiteral("Türkçe"), QStringLiteral("English"),
        QStringLiteral("The interface will be in English when Varnel is started again."),
        QStringLiteral("Varnel yeniden başlatıldığında arayüz Türkçe olacak."),
        // What an exported program prints when it stops, word for word as the run in Varnel does.
        QStringLiteral("timerRunner_Timer(). BİLİNMEYEN İŞLEM!: "), QStringLiteral("Nesne: "),
        QStringLiteral(" - BAĞLI DEĞİL!"), QStringLiteral(" ile bağlı değil."), QStringLiteral("Fonksiyon bağlı değil!"),
        QStringLiteral("Fonksiyon yüklenemiyor: "), QStringLiteral("Nesne: START - bulunamadı!"),
        // The routine a breakpoint's failed condition names: an error's source, never shown.
        QStringLiteral("Kesme noktası"),
        // Values of the charts' language: truth values and a file dialog's filter.
        QStringLiteral("True"), QStringLiteral("False"), QStringLiteral(" files|"),
        // Operators of the charts' language, in the captions the blocks derive.
        QStringLiteral(" MOD "), QStringLiteral(" COMP "),
        // The delay label's key in the fixed table, and its step mark, after which the panel shows its own word.
        QStringLiteral("delay "), QStringLiteral(": P"),
        // File names of the shipped examples.
        QStringLiteral("Basit Pencere ve Yazı.vnp"), QStringLiteral("Tıklanan Resim.vnp"),
        QStringLiteral("Resim ve Çizim Penceresi.vnp"),
    };
    return texts;
}

// Files whose texts are not shown by the program: the build-time tool that writes the handbook's
// web pages in the handbook's own language, and the built-in functions' names, which are the
// charts' language.
bool fileAllowed(const QString &path)
{
    return path.endsWith(u"help/HandbookWebPages.cpp") || path.endsWith(u"model/RecentList.cpp");
}

// The rooms of src/ui whose texts are translated: all of them.
const QStringList translatedRooms{QStringLiteral("codegen"), QStringLiteral("dialogs"), QStringLiteral("editor"),
                                  QStringLiteral("exercise"), QStringLiteral("export"), QStringLiteral("guiwin"),
                                  QStringLiteral("help"),     QStringLiteral("main"),   QStringLiteral("run"),
                                  QStringLiteral("runwin"),   QStringLiteral("shell")};

TEST(TranslatedTextsTest, EveryShownTextOfTheWindowsIsTranslatable)
{
    QStringList missing;
    QStringList paths;
    QStringList folders;
    for (const QString &room : translatedRooms)
        folders << QStringLiteral("/src/ui/") + room;
    // The drawing library names the picture formats the save dialog offers; the model and the
    // interpreter say what went wrong in the message window.
    folders << QStringLiteral("/src/render") << QStringLiteral("/src/model") << QStringLiteral("/src/interp");
    for (const QString &folder : std::as_const(folders)) {
        QDirIterator files(sourceRoot + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            paths << files.next();
    }
    // The examples' titles and the code export's refusals; the rest of the code export writes code.
    for (const char *file : {"/src/project/ExampleCatalog.cpp", "/src/codegen/FlowChart.cpp", "/src/codegen/FlowProgram.cpp"})
        paths << sourceRoot + QString::fromLatin1(file);
    for (const QString &path : std::as_const(paths)) {
        if (fileAllowed(path))
            continue;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const Literal &literal : literalsOf(QString::fromUtf8(file.readAll()))) {
            if (looksShown(literal.text) && !translated(literal) && !allowed().contains(literal.text))
                missing << path.mid(sourceRoot.size() + 1) + u':' + QString::number(literal.line) + u' ' + literal.text;
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << "not wrapped for translation:\n" << missing.join(u'\n').toStdString();
}

TEST(TranslatedTextsTest, TheScanTellsShownTextsFromNames)
{
    const QList<Literal> literals = literalsOf(QStringLiteral(
        "a(QStringLiteral(\"cmdOK\")); b(tr(\"Tamam\")); c(QStringLiteral(\"İptal\"));\n"
        "// d(QStringLiteral(\"Yorum içinde\"));\n"
        "e(QStringLiteral(\"birinci \"\n    \"ikinci\")); f('\"'); g(QStringLiteral(\"Kapat\"));\n"
        "h(QCoreApplication::translate(\"frmMain\", \"Dosya\")); int n = 1'000; j(u'\"');\n"
        "i(QStringLiteral(\"Sonra\")); /* açık kalan yorum"));
    QStringList shownUnwrapped;
    for (const Literal &literal : literals) {
        if (looksShown(literal.text) && !translated(literal))
            shownUnwrapped << literal.text;
    }
    EXPECT_EQ(shownUnwrapped, (QStringList{QStringLiteral("İptal"), QStringLiteral("birinci ikinci"),
                                           QStringLiteral("Kapat"), QStringLiteral("Sonra")}));
}

TEST(TranslatedTextsTest, ALabelsMnemonicAndEndingDoNotHideItsWords)
{
    const struct {
        const char *text;
        bool shown;
    } cases[] = {
        {"Kaydet", true},        {"Kaydet...", true},    {"Kaydet…", true},       {"&Dil:", true},
        {"&Kaydet", true},       {"Dil:", true},         {"cmdOK", false},        {"txt:", false},
        {"...", false},          {"&", false},           {"%1:", false},          {"Strip", true},
        {"a.b...", false},       {"Farklı Kaydet...", true}, {"e-posta:", true},     {"mailto:", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(looksShown(QString::fromUtf8(c.text)), c.shown) << c.text;
}

struct TranslationEntry {
    QString context;
    QString source;
    QString translation;
};

QList<TranslationEntry> englishEntries()
{
    QFile file(sourceRoot + QStringLiteral("/translations/varnel_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<TranslationEntry> entries;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            entries.append({context, xml.readElementText(QXmlStreamReader::IncludeChildElements), QString()});
        else if (xml.name() == u"translation" && !entries.isEmpty())
            entries.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return entries;
}

QStringList placesOf(const QString &text)
{
    static const QRegularExpression place(QStringLiteral("%[1-9]"));
    QStringList places;
    for (auto it = place.globalMatch(text); it.hasNext();)
        places << it.next().captured();
    places.sort();
    places.removeDuplicates();
    return places;
}

// A translation fills the same places with the values, and a message keeps its lines: the message
// window takes the n-th line shown for the n-th Turkish line when it looks a line up in the handbook.
TEST(TranslatedTextsTest, TranslationsKeepTheirPlacesAndAMessageItsLines)
{
    const QList<TranslationEntry> entries = englishEntries();
    ASSERT_FALSE(entries.isEmpty());
    QStringList wrong;
    for (const TranslationEntry &e : entries) {
        if (e.translation.isEmpty())
            continue;
        if (placesOf(e.source) != placesOf(e.translation))
            wrong << e.context + QStringLiteral(" places: ") + e.source;
        if (e.context == u"Message" && e.source.count(u'\n') != e.translation.count(u'\n'))
            wrong << e.context + QStringLiteral(" lines: ") + e.source;
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(u'\n').toStdString();
}

TEST(TranslatedTextsTest, TheEnglishTranslationHasNoUnfinishedEntry)
{
    QFile file(sourceRoot + QStringLiteral("/translations/varnel_en.ts"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    QStringList unfinished;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation") {
            ++messages;
            const bool open = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
            if (open || xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty())
                unfinished << source;
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 0);
    EXPECT_TRUE(unfinished.isEmpty()) << "untranslated:\n" << unfinished.join(u'\n').toStdString();
}

} // namespace
