#include "exercise/ExerciseReader.h"

#include "base/FileKind.h"
#include "exercise/LineComparer.h"
#include "exercise/LocaleName.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>

namespace {

const QStringList &topKeys()
{
    static const QStringList keys{QStringLiteral("title"), QStringLiteral("text"), QStringLiteral("locale"),
                                  QStringLiteral("maxBlocks"), QStringLiteral("seconds"), QStringLiteral("tests")};
    return keys;
}

const QStringList &testKeys()
{
    static const QStringList keys{QStringLiteral("name"), QStringLiteral("input"), QStringLiteral("output"),
                                  QStringLiteral("transcript"), QStringLiteral("hidden"), QStringLiteral("compare")};
    return keys;
}

QString parseErrorText(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("nesne kapanmamış: \"}\" ya da \",\" bekleniyordu");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("anahtardan sonra \":\" bekleniyordu");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("dizi kapanmamış: \"]\" ya da \",\" bekleniyordu");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("iki öğe arasında \",\" bekleniyordu");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("geçersiz değer (metinler çift tırnak içinde yazılır)");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("dosya bir sayının ortasında bitiyor");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("geçersiz sayı ya da tırnaksız metin (metinler çift tırnak içinde yazılır)");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("geçersiz kaçış dizisi (\\ işaretinden sonra)");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("geçersiz karakter: dosya UTF-8 olmalı");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("metin kapanmamış: \" bekleniyordu");
    case QJsonParseError::MissingObject:
        return QStringLiteral("bir değer bekleniyordu (son öğeden sonra virgül konmaz)");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("iç içe yapılar çok derin");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("dosya çok büyük");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("JSON nesnesinden sonra fazladan metin");
    case QJsonParseError::NoError:
        break;
    }
    return QStringLiteral("geçersiz JSON");
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool separates(char c)
{
    return isBlank(c) || QByteArrayView("{}[],:").contains(c);
}

// Where to show a parse error. The parser mostly stops one character into the token it could
// not take, or just past it; the teacher wants the token's start. A stray byte, text after the
// end, a token the parser stopped at the start of, and the end of the text are shown as they are.
qsizetype faultOffset(const QByteArray &text, const QJsonParseError &error)
{
    qsizetype at = error.offset;
    if (at <= 0 || at >= text.size() || error.error == QJsonParseError::GarbageAtEnd
        || error.error == QJsonParseError::IllegalUTF8String || (!separates(text[at]) && separates(text[at - 1])))
        return at;
    --at;
    while (at > 0 && isBlank(text[at]))
        --at;
    while (at > 0 && !separates(text[at - 1]))
        --at;
    return at;
}

QString keyPath(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + u'/' + key;
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

} // namespace

std::optional<Exercise> ExerciseReader::readFile(const QString &path)
{
    m_faults.clear();
    m_fileName = path;
    const QFileInfo info(path);
    const QString kind = FileKind::nonFileKind(path);
    if (!kind.isEmpty()) {
        m_faults.append(
            {0, 0, QCoreApplication::translate("ExerciseReader", "%1, alıştırma dosyası değil").arg(kind)});
        return std::nullopt;
    }
    QFile file(path);
    if (!info.exists()) {
        m_faults.append({0, 0, QStringLiteral("dosya bulunamadı")});
        return std::nullopt;
    }
    if (info.size() > MaxFileSize) {
        m_faults.append({0, 0, QStringLiteral("dosya çok büyük: bir alıştırma dosyası en çok 64 MB olabilir")});
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_faults.append({0, 0, QStringLiteral("dosya okunamadı (izin yok ya da okuma hatası)")});
        return std::nullopt;
    }
    // Read one byte past the limit: a file that grew since it was measured is still refused.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize) {
        m_faults.append({0, 0, QStringLiteral("dosya çok büyük: bir alıştırma dosyası en çok 64 MB olabilir")});
        return std::nullopt;
    }
    return parse(bytes, path);
}

std::optional<Exercise> ExerciseReader::parse(const QByteArray &json, const QString &fileName)
{
    m_faults.clear();
    m_fileName = fileName;
    m_places.reset();
    // Editors on some systems start UTF-8 files with a byte-order mark; it is no part of the JSON.
    const QByteArray text = json.startsWith("\xEF\xBB\xBF") ? json.sliced(3) : json;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        const JsonPlaces::Place place = JsonPlaces::placeAt(text, faultOffset(text, error));
        m_faults.append({place.line, place.column, parseErrorText(error.error)});
        return std::nullopt;
    }
    m_places.emplace(text);
    if (!document.isObject()) {
        fault(QString(), QStringLiteral("alıştırma dosyası bir JSON nesnesi olmalı: { \"title\": ..., \"tests\": [...] }"));
        return std::nullopt;
    }
    for (const JsonPlaces::Repeat &repeat : m_places->repeatedNames())
        m_faults.append({repeat.place.line, repeat.place.column, quoted(repeat.name) + QStringLiteral(" iki kez yazılmış")});
    const QJsonObject top = document.object();
    refuseUnknown(top, QString(), topKeys());
    Exercise exercise;
    exercise.title = optionalText(top, QString(), QStringLiteral("title"))
                         .value_or(QFileInfo(fileName).completeBaseName());
    exercise.text = optionalText(top, QString(), QStringLiteral("text")).value_or(QString());
    readLimits(top, exercise);
    readTests(top.value(QStringLiteral("tests")), exercise);
    if (!m_faults.isEmpty())
        return std::nullopt;
    return exercise;
}

QString ExerciseReader::message() const
{
    QStringList lines;
    for (const Fault &f : m_faults) {
        QString where = m_fileName + QStringLiteral(": ");
        if (f.line > 0)
            where += QStringLiteral("satır ") + QString::number(f.line) + QStringLiteral(", sütun ")
                + QString::number(f.column) + QStringLiteral(": ");
        lines.append(where + f.text);
    }
    return lines.join(u'\n');
}

void ExerciseReader::fault(const QString &path, const QString &text)
{
    const JsonPlaces::Place place = m_places->of(path);
    m_faults.append({place.line, place.column, text});
}

void ExerciseReader::refuseUnknown(const QJsonObject &object, const QString &path, const QStringList &known)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) {
            fault(keyPath(path, it.key()), QStringLiteral("bilinmeyen anahtar ") + quoted(it.key())
                      + QStringLiteral(" (bilinenler: ") + known.join(QStringLiteral(", ")) + u')');
        }
    }
}

std::optional<QString> ExerciseReader::optionalText(const QJsonObject &object, const QString &path,
                                                    const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isString()) {
        fault(keyPath(path, key), quoted(key) + QStringLiteral(" bir metin olmalı (çift tırnak içinde)"));
        return std::nullopt;
    }
    return value.toString();
}

void ExerciseReader::readLimits(const QJsonObject &top, Exercise &exercise)
{
    if (const std::optional<QString> locale = optionalText(top, QString(), QStringLiteral("locale"))) {
        if (LocaleName::parse(*locale))
            exercise.locale = *locale;
        else
            fault(QStringLiteral("locale"), QStringLiteral("\"locale\" bilinen bir bölgesel ayar adı olmalı "
                                                           "(dil_ÜLKE biçiminde: tr_TR, en_US, de_DE, ...): ") + *locale);
    }
    const QJsonValue blocks = top.value(QStringLiteral("maxBlocks"));
    if (!blocks.isUndefined()) {
        const double n = blocks.toDouble(-1);
        if (!blocks.isDouble() || n < 1 || n > 1e15 || std::floor(n) != n)
            fault(QStringLiteral("maxBlocks"), QStringLiteral("\"maxBlocks\" pozitif bir tam sayı olmalı"));
        else
            exercise.maxBlocks = qint64(n);
    }
    const QJsonValue seconds = top.value(QStringLiteral("seconds"));
    if (!seconds.isUndefined()) {
        const double s = seconds.toDouble(-1);
        if (!seconds.isDouble() || !(s > 0) || s > 86400)
            fault(QStringLiteral("seconds"), QStringLiteral("\"seconds\" sıfırdan büyük bir sayı olmalı (en çok 86400)"));
        else
            exercise.seconds = s;
    }
}

void ExerciseReader::readTests(const QJsonValue &tests, Exercise &exercise)
{
    const QString path = QStringLiteral("tests");
    if (tests.isUndefined()) {
        fault(QString(), QStringLiteral("\"tests\" eksik: en az bir test gerekli"));
        return;
    }
    if (!tests.isArray()) {
        fault(path, QStringLiteral("\"tests\" bir dizi olmalı: [ { ... }, ... ]"));
        return;
    }
    const QJsonArray list = tests.toArray();
    if (list.isEmpty())
        fault(path, QStringLiteral("\"tests\" boş: en az bir test gerekli"));
    for (qsizetype i = 0; i < list.size(); ++i)
        readTest(list[i], path + u'/' + QString::number(i), int(i + 1), exercise);
}

void ExerciseReader::readTest(const QJsonValue &value, const QString &path, int number, Exercise &exercise)
{
    if (!value.isObject()) {
        fault(path, QStringLiteral("her test bir nesne olmalı: { \"input\": [...], \"output\": [...] }"));
        return;
    }
    const QJsonObject object = value.toObject();
    refuseUnknown(object, path, testKeys());
    ExerciseTest test;
    test.name = optionalText(object, path, QStringLiteral("name")).value_or(QStringLiteral("test ") + QString::number(number));
    for (const ExerciseTest &earlier : std::as_const(exercise.tests)) {
        if (earlier.name == test.name)
            fault(keyPath(path, QStringLiteral("name")), QStringLiteral("aynı adda iki test: ") + quoted(test.name));
    }
    test.input = lines(object.value(QStringLiteral("input")), path, QStringLiteral("input"));
    const bool hasOutput = object.contains(QStringLiteral("output"));
    test.wholeTranscript = object.contains(QStringLiteral("transcript"));
    if (hasOutput == test.wholeTranscript) {
        fault(path, hasOutput ? QStringLiteral("bir testte \"output\" ile \"transcript\" birlikte olamaz")
                              : QStringLiteral("testte \"output\" (ya da \"transcript\") eksik"));
    }
    const QString expectedKey = test.wholeTranscript ? QStringLiteral("transcript") : QStringLiteral("output");
    test.expected = lines(object.value(expectedKey), path, expectedKey);
    const QJsonValue hidden = object.value(QStringLiteral("hidden"));
    if (!hidden.isUndefined() && !hidden.isBool())
        fault(keyPath(path, QStringLiteral("hidden")), QStringLiteral("\"hidden\" true ya da false olmalı"));
    test.hidden = hidden.toBool(false);
    if (const std::optional<QString> compare = optionalText(object, path, QStringLiteral("compare"))) {
        if (const std::optional<CompareMode> mode = LineComparer::modeNamed(*compare))
            test.compare = *mode;
        else
            fault(keyPath(path, QStringLiteral("compare")),
                  QStringLiteral("\"compare\" exact, trim, nocase ya da numbers olmalı: ") + quoted(*compare));
    }
    exercise.tests.append(test);
}

// A list of lines: texts, or numbers kept as written.
QStringList ExerciseReader::lines(const QJsonValue &value, const QString &path, const QString &key)
{
    const QString listPath = keyPath(path, key);
    if (value.isUndefined())
        return {};
    if (!value.isArray()) {
        fault(listPath, quoted(key) + QStringLiteral(" satırların dizisi olmalı: [\"satır 1\", \"satır 2\"]"));
        return {};
    }
    QStringList result;
    const QJsonArray items = value.toArray();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString itemPath = listPath + u'/' + QString::number(i);
        if (items[i].isDouble()) {
            result.append(QString::fromUtf8(m_places->rawValue(itemPath)));
        } else if (!items[i].isString()) {
            fault(itemPath, quoted(key) + QStringLiteral(" içindeki her satır bir metin olmalı (çift tırnak içinde)"));
        } else if (items[i].toString().contains(u'\n') || items[i].toString().contains(u'\r')) {
            fault(itemPath, quoted(key) + QStringLiteral(" içindeki bir satır satır sonu içeremez; "
                                                          "her satırı ayrı bir öğe olarak yazın"));
        } else {
            result.append(items[i].toString());
        }
    }
    return result;
}
