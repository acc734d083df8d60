#include "interp/BuiltIns.h"

#include "base/Paths.h"
#include "base/Windows1254.h"
#include "interp/ConsoleScreen.h"
#include "interp/Numbers.h"
#include "interp/RunHost.h"
#include "interp/TextRules.h"
#include "interp/VariableStore.h"
#include "model/Rounding.h"
#include "model/VarnelError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <charconv>
#include <cmath>
#include <optional>

namespace {
using Evaluate = std::function<QString(BuiltIns &self, const QString &name, const QString &argument)>;

// ASC of a character the code page lacks, as the system's conversion replaces it.
constexpr int UnencodableCode = '?';
// No date and time spelling is longer; a longer text is not tried word by word.
constexpr qsizetype MaxDateLength = 100;

// ---- numbers

double numberOf(const QString &name, const QString &argument)
{
    double value = 0;
    if (!Numbers::parse(argument, value))
        throw VarnelError::typeMismatch(name);
    return value;
}

QString numberText(double value, const QString &name)
{
    if (!std::isfinite(value))
        throw VarnelError::overflow(name);
    return Numbers::format(value);
}

void require(bool valid, const char *name)
{
    if (!valid)
        throw VarnelError::invalidCall(QLatin1String(name));
}

Evaluate numeric(double (*f)(double))
{
    return [f](BuiltIns &, const QString &name, const QString &argument) {
        return numberText(f(numberOf(name, argument)), name);
    };
}

Evaluate numberToText(QString (*f)(double))
{
    return [f](BuiltIns &, const QString &name, const QString &argument) {
        return f(numberOf(name, argument));
    };
}

Evaluate textual(QString (*f)(const QString &))
{
    return [f](BuiltIns &, const QString &, const QString &argument) { return f(argument); };
}

Evaluate constant(double value)
{
    return [value](BuiltIns &, const QString &, const QString &) { return Numbers::format(value); };
}

double factorial(double value)
{
    const qint16 n = Rounding::toInt16(value, QStringLiteral("FACTORIAL"));
    if (n > 170)
        throw VarnelError::overflow(QStringLiteral("FACTORIAL")); // 171! is beyond a double
    double product = 1;
    for (int i = 2; i <= n; ++i)
        product *= i;
    return product;
}

QString digitsOf(double value, int base, const char *name)
{
    const auto bits = quint32(Rounding::toInt32(value, QLatin1String(name))); // two's complement
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, bits, base);
    return QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
}

QString spaces(double value)
{
    const qint32 count = Rounding::toInt32(value, QStringLiteral("SPACE"));
    require(count >= 0, "SPACE");
    TextRules::checkLength(count, QStringLiteral("SPACE"));
    return QString(count, u' ');
}

QString asc(const QString &text)
{
    require(!text.isEmpty(), "ASC");
    const int code = Windows1254::toByte(text.front().unicode());
    return Numbers::formatInt(code == Windows1254::NoByte ? UnencodableCode : code);
}

QString chr(double value)
{
    const qint32 code = Rounding::toInt32(value, QStringLiteral("CHR"));
    require(code >= 0 && code <= 255, "CHR");
    return QString(QChar(Windows1254::fromByte(code)));
}

// ---- texts

QString length(const QString &text)
{
    qsizetype count = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())
            --count; // a pair is one character
    }
    return Numbers::formatInt(count);
}

QString turkishLower(const QString &text)
{
    QString t = text;
    t.replace(u'\u0130', u'i').replace(u'I', u'\u0131');
    return t.toLower();
}

QString turkishUpper(const QString &text)
{
    QString t = text;
    t.replace(u'\u0131', u'I').replace(u'i', u'\u0130');
    return t.toUpper();
}

QString truthWord(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString isNumeric(const QString &text)
{
    double value = 0;
    return truthWord(Numbers::parse(text, value));
}

// ---- dates and times

// Rewrites each run of one pattern letter outside quoted literals.
QString rewriteRuns(const QString &format, QString (*rewrite)(QChar letter, qsizetype count))
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || !c.isLetter()) {
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        out += rewrite(c, run);
        i += run;
    }
    return out;
}

// A two-digit year would not read back into the same century.
QString fourDigitYear(QChar letter, qsizetype count)
{
    return letter == u'y' ? QStringLiteral("yyyy") : QString(count, letter);
}

QString twoDigitYear(QChar letter, qsizetype count)
{
    return letter == u'y' ? QStringLiteral("yy") : QString(count, letter);
}

QString withoutZone(QChar letter, qsizetype count)
{
    return letter == u't' ? QString() : QString(count, letter);
}

// Reading accepts one digit wherever the regional format writes two ("5.1.2025" for "05.01.2025").
QString oneOrTwoDigits(QChar letter, qsizetype count)
{
    return count == 2 && QStringLiteral("dMHhms").contains(letter) ? QString(letter) : QString(count, letter);
}

QString lenientFormat(const QString &format)
{
    return rewriteRuns(format, oneOrTwoDigits);
}

QString dateDisplayFormat()
{
    return rewriteRuns(Numbers::locale().dateFormat(QLocale::ShortFormat), fourDigitYear);
}

QString timeDisplayFormat()
{
    return rewriteRuns(Numbers::locale().timeFormat(QLocale::LongFormat), withoutZone).trimmed();
}

struct DateFormat {
    QString pattern;
    bool twoDigitYear;
};

QList<DateFormat> dateReadFormats()
{
    const QString regional = Numbers::locale().dateFormat(QLocale::ShortFormat);
    return {{lenientFormat(rewriteRuns(regional, fourDigitYear)), false},
            {lenientFormat(rewriteRuns(regional, twoDigitYear)), true},
            {QStringLiteral("yyyy-M-d"), false}};
}

QStringList timeReadFormats()
{
    return {lenientFormat(timeDisplayFormat()), lenientFormat(Numbers::locale().timeFormat(QLocale::ShortFormat)),
            QStringLiteral("H:m:s"), QStringLiteral("H:m")};
}

std::optional<QDate> readDate(const QString &text)
{
    for (const DateFormat &format : dateReadFormats()) {
        const QDate date = Numbers::locale().toDate(text, format.pattern);
        if (date.isValid()) // two-digit years 00..29 are this century's
            return format.twoDigitYear && date.year() < 1930 ? date.addYears(100) : date;
    }
    return std::nullopt;
}

std::optional<QTime> readTime(const QString &text)
{
    for (const QString &format : timeReadFormats()) {
        const QTime time = Numbers::locale().toTime(text, format);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

// A date with its time of day, read without any time zone. A time alone falls on the day
// that serial dates count from.
struct Moment {
    QDate date;
    QTime time;
};

std::optional<Moment> readMoment(const QString &argument)
{
    const QString text = TextRules::trim(argument);
    if (text.size() > MaxDateLength)
        return std::nullopt;
    if (const auto date = readDate(text))
        return Moment{*date, QTime(0, 0)};
    if (const auto time = readTime(text))
        return Moment{QDate(1899, 12, 30), *time};
    for (qsizetype space = text.indexOf(u' '); space != -1; space = text.indexOf(u' ', space + 1)) {
        const auto date = readDate(TextRules::trim(QStringView(text).first(space)));
        const auto time = date ? readTime(TextRules::trim(QStringView(text).sliced(space + 1))) : std::nullopt;
        if (time)
            return Moment{*date, *time};
    }
    return std::nullopt;
}

Evaluate datePart(int (*part)(const Moment &))
{
    return [part](BuiltIns &, const QString &name, const QString &argument) {
        const auto moment = readMoment(argument);
        if (!moment)
            throw VarnelError::typeMismatch(name);
        return Numbers::formatInt(part(*moment));
    };
}

QString isDate(const QString &text)
{
    return truthWord(readMoment(text).has_value());
}

QString dateText(const QDate &date)
{
    return Numbers::locale().toString(date, dateDisplayFormat());
}

QString timeText(const QTime &time)
{
    return Numbers::locale().toString(time, timeDisplayFormat());
}

Evaluate clockText(QString (*f)(const QDateTime &now))
{
    return [f](BuiltIns &, const QString &, const QString &) { return f(QDateTime::currentDateTime()); };
}
}

struct BuiltIns::Function {
    bool takesArgument;
    Evaluate evaluate;
};

BuiltIns::BuiltIns(VariableStore &vars, ConsoleScreen &console, RunHost &host, FolderSource projectFolder)
    : m_vars(vars), m_console(console), m_host(host), m_projectFolder(std::move(projectFolder))
{
}

bool BuiltIns::callBuiltIn(const QString &name, const QString &argument, const QString &resultVariable)
{
    QString result;
    if (!name.isEmpty()) {
        const QString upperName = name.toUpper();
        const auto found = functions().constFind(upperName);
        if (found == functions().cend())
            return false;
        result = evaluate(*found, upperName, argument);
        TextRules::checkLength(result.size(), upperName);
    }
    if (!resultVariable.isEmpty())
        m_vars.setVar(resultVariable, result);
    return true;
}

QString BuiltIns::evaluate(const Function &function, const QString &upperName, const QString &argument)
{
    // Functions without argument never look at it, so any text there is harmless.
    const QString resolved =
        function.takesArgument ? TextRules::stripQuotes(m_vars.ifVarGetValue(argument)) : QString();
    return function.evaluate(*this, upperName, resolved);
}

bool BuiltIns::isBuiltIn(const QString &upperName)
{
    return functions().contains(upperName);
}

QStringList BuiltIns::names()
{
    QStringList all = functions().keys();
    all.sort();
    return all;
}

const QStringList &BuiltIns::namesWithoutArgument()
{
    static const QStringList names = QStringLiteral("E,PI,DATE,TIME,NOW,CLEAR").split(u',');
    return names;
}

QString BuiltIns::buildFileFilter(const QString &argument)
{
    const QStringList items = TextRules::listItems(argument);
    if (items.isEmpty())
        return QString();
    QStringList patterns;
    for (const QString &item : items)
        patterns.append(QStringLiteral("*.") + item);
    return items.join(QStringLiteral(", ")) + QStringLiteral(" files|") + patterns.join(u';');
}

QString BuiltIns::clear()
{
    m_host.showConsole(false);
    m_console.clearScreen();
    return QString();
}

QString BuiltIns::random(const QString &name, const QString &argument)
{
    const double number = numberOf(name, argument);
    // 53 random bits: r is uniform in [0, 1).
    const double high = double(m_generator() >> 5);
    const double low = double(m_generator() >> 6);
    const double r = (high * 67108864.0 + low) / 9007199254740992.0;
    return numberText(std::floor(number * r + 1), name);
}

// Never fails: a cancelled dialog, or one that could not be shown, gives the empty text.
QString BuiltIns::fileDialog(const QString &argument)
{
    const QString projectFolder = m_projectFolder ? m_projectFolder() : QString();
    const QString folder = projectFolder.isEmpty() ? QCoreApplication::applicationDirPath() : projectFolder;
    try {
        return m_host.fileDialog(folder, buildFileFilter(argument), QStringLiteral("gif"));
    } catch (const std::exception &) {
        return QString();
    }
}

const QHash<QString, BuiltIns::Function> &BuiltIns::functions()
{
    using S = QString;
    static const QHash<QString, Function> table{
        {S("CLEAR"), {false, [](BuiltIns &self, const S &, const S &) { return self.clear(); }}},
        // These values, not the full-precision constants.
        {S("E"), {false, constant(2.71828182845905)}},
        {S("PI"), {false, constant(3.14159265358979)}},
        {S("ASC"), {true, textual(asc)}},
        {S("CHR"), {true, numberToText(chr)}},
        {S("HEX"), {true, numberToText([](double x) { return digitsOf(x, 16, "HEX"); })}},
        {S("OCT"), {true, numberToText([](double x) { return digitsOf(x, 8, "OCT"); })}},
        {S("ISDATE"), {true, textual(isDate)}},
        {S("ISNUMERIC"), {true, textual(isNumeric)}},
        {S("LTRIM"), {true, textual([](const S &t) { return TextRules::ltrim(t); })}},
        {S("RTRIM"), {true, textual([](const S &t) { return TextRules::rtrim(t); })}},
        {S("TRIM"), {true, textual([](const S &t) { return TextRules::trim(t); })}},
        {S("FACTORIAL"), {true, numeric(factorial)}},
        {S("ABS"), {true, numeric([](double x) { return std::fabs(x); })}},
        {S("ATN"), {true, numeric([](double x) { return std::atan(x); })}},
        {S("COS"), {true, numeric([](double x) { return std::cos(x); })}},
        {S("EXP"), {true, numeric([](double x) { return std::exp(x); })}},
        {S("INT"), {true, numeric([](double x) { return std::floor(x); })}},
        {S("FIX"), {true, numeric([](double x) { return std::trunc(x); })}},
        {S("ROUND"), {true, numeric(Rounding::halfEven)}},
        {S("LN"), {true, numeric([](double x) { require(x > 0, "LN"); return std::log(x); })}},
        {S("LOG"), {true, numeric([](double x) { require(x > 0, "LOG"); return std::log(x) / std::log(10.0); })}},
        {S("RND"), {true, [](BuiltIns &self, const S &name, const S &arg) { return self.random(name, arg); }}},
        {S("SGN"), {true, numeric([](double x) { return double((x > 0) - (x < 0)); })}},
        {S("SIN"), {true, numeric([](double x) { return std::sin(x); })}},
        {S("SQR"), {true, numeric([](double x) { require(x >= 0, "SQR"); return std::sqrt(x); })}},
        {S("TAN"), {true, numeric([](double x) { return std::tan(x); })}},
        {S("LEN"), {true, textual(length)}},
        {S("LCASE"), {true, textual(turkishLower)}},
        {S("UCASE"), {true, textual(turkishUpper)}},
        {S("SPACE"), {true, numberToText(spaces)}},
        {S("DATE"), {false, clockText([](const QDateTime &now) { return dateText(now.date()); })}},
        {S("TIME"), {false, clockText([](const QDateTime &now) { return timeText(now.time()); })}},
        {S("NOW"), {false, clockText([](const QDateTime &now) {
             return dateText(now.date()) + u' ' + timeText(now.time());
         })}},
        {S("YEAR"), {true, datePart([](const Moment &m) { return m.date.year(); })}},
        {S("MONTH"), {true, datePart([](const Moment &m) { return m.date.month(); })}},
        {S("DAY"), {true, datePart([](const Moment &m) { return m.date.day(); })}},
        {S("HOUR"), {true, datePart([](const Moment &m) { return m.time.hour(); })}},
        {S("MINUTE"), {true, datePart([](const Moment &m) { return m.time.minute(); })}},
        {S("SECOND"), {true, datePart([](const Moment &m) { return m.time.second(); })}},
        {S("WEEKDAY"), {true, datePart([](const Moment &m) { return m.date.dayOfWeek(); })}},
        {S("FILEDIALOG"), {true, [](BuiltIns &self, const S &, const S &arg) { return self.fileDialog(arg); }}},
        {S("EXTRACTFILENAME"), {true, textual(Paths::fileNameOf)}},
    };
    return table;
}
