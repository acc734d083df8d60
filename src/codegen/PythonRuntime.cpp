#include "codegen/PythonRuntime.h"
#include "codegen/DatePatterns.h"
#include "codegen/RuntimePieces.h"

#include "base/Windows1254.h"
#include "interp/Numbers.h"

#include <QHash>
#include <vector>

namespace {

// In the order they are written.
const std::vector<RuntimePiece> &pythonRuntimePieces()
{
    static const std::vector<RuntimePiece> all{
        {"base", "", R"PY(import sys

sys.stdout.reconfigure(encoding="utf-8", errors="replace")
sys.stderr.reconfigure(encoding="utf-8", errors="replace")
INFINITY = float("inf")


class RunError(Exception):
    """A run-time error of a block: the run ends with the caught-error message."""

    def __init__(self, number, source, description):
        super().__init__(description)
        self.number = number
        self.source = source
        self.description = description


class RunEnded(Exception):
    """The run ends here; its messages have been shown."""


def message(text):
    """Messages go to standard error, after the output written so far."""
    sys.stdout.flush()
    sys.stderr.write(text.replace("\r\n", "\n") + "\n")
    sys.stderr.flush()


def run(chart):
    """Runs the main chart: status 0 when it reaches its END, 1 when anything else ends it."""
    status = 0
    try:
        chart("PAR-OS")
    except RunEnded:
        status = 1
    except RunError as error:
        message("timerRunner_Timer(). YAKALANAN HATA: \nKaynak: " + error.source + "\nAçıklama: "
                + error.description + "\nHata numarası: " + str(error.number))
        status = 1
    sys.stdout.flush()
    sys.exit(status)
)PY"},
        {"stop_run", "", R"PY(
def stop_run(*messages):
    """Ends the run after showing the messages."""
    for text in messages:
        message(text)
    raise RunEnded()
)PY"},
        {"enter", "stop_run", R"PY(
stack_depth = 0


def enter(locals_count):
    """A chart's frame (five entries) and the locals its START saves go on a stack of 249."""
    global stack_depth
    stack_depth += 5 + locals_count
    if stack_depth > 249:
        stop_run("YIĞIN TAŞMASI!")


def leave(locals_count):
    global stack_depth
    stack_depth -= 5 + locals_count
)PY"},
        {"leave", "enter", ""},
        {"num", "", R"PY(
import re

NUMBER = re.compile(r"[ \t]*([+-]?)([0-9]*)(?:" + re.escape(DECIMAL) + r"([0-9]*))?((?:[eE][+-]?[0-9]+)?)[ \t]*\Z")


def num(text, source="timerRunner_Timer"):
    """The number a text reads as, with the regional decimal separator; an error for any other text."""
    match = NUMBER.match(text)
    if match:
        sign, whole, fraction, exponent = match.groups()
        fraction = fraction or ""
        if whole or fraction:
            value = float(sign + (whole or "0") + "." + (fraction or "0") + exponent)
            if value not in (INFINITY, -INFINITY) and (value != 0 or not (whole + fraction).strip("0")):
                return value
    raise RunError(13, source, "Tür uyuşmazlığı")
)PY"},
        {"fmt", "", R"PY(
def fmt(value, source="timerRunner_Timer"):
    """A number as Varnel writes it: at most 15 significant digits, the regional separator."""
    value = float(value)
    if value != value:
        raise RunError(5, source, "Geçersiz yordam çağrısı veya bağımsız değişken")
    if value in (INFINITY, -INFINITY):
        raise RunError(6, source, "Taşma")
    return ("%.15g" % (value + 0.0)).replace("e", "E").replace(".", DECIMAL)
)PY"},
        {"divide", "", R"PY(
def divide(a, b):
    if b == 0:
        raise RunError(11, "timerRunner_Timer", "Sıfıra bölme")
    return a / b
)PY"},
        {"to_int32", "", R"PY(
def to_int32(value, source="timerRunner_Timer"):
    """Rounded to a whole number, halves to even; beyond 32 bits is an overflow."""
    whole = round(value)
    if not -2147483648 <= whole <= 2147483647:
        raise RunError(6, source, "Taşma")
    return whole
)PY"},
        {"whole_divisor", "to_int32", R"PY(
def whole_divisor(b):
    """The divisor rounded to a whole number; none is zero."""
    b = to_int32(b)
    if b == 0:
        raise RunError(11, "timerRunner_Timer", "Sıfıra bölme")
    return b
)PY"},
        {"div_int", "whole_divisor", R"PY(
def div_int(a, b):
    """Whole-number division of the rounded operands, truncated toward zero."""
    a = to_int32(a)
    b = whole_divisor(b)
    quotient = abs(a) // abs(b)
    if (a < 0) != (b < 0):
        quotient = -quotient
    if quotient > 2147483647:
        raise RunError(6, "timerRunner_Timer", "Taşma")
    return quotient
)PY"},
        {"modulo", "whole_divisor", R"PY(
def modulo(a, b):
    """The remainder of the rounded operands, with the sign of the dividend."""
    a = to_int32(a)
    b = whole_divisor(b)
    remainder = abs(a) % abs(b)
    return -remainder if a < 0 else remainder
)PY"},
        {"power", "", R"PY(
import math


def power(a, b):
    if a == 0 and b < 0:
        raise RunError(11, "timerRunner_Timer", "Sıfıra bölme")
    try:
        return math.pow(a, b)
    except OverflowError:
        raise RunError(6, "timerRunner_Timer", "Taşma") from None
    except ValueError:
        raise RunError(5, "timerRunner_Timer", "Geçersiz yordam çağrısı veya bağımsız değişken") from None
)PY"},
        {"percent", "", R"PY(
def percent(a, b):
    return float(a) * b / 100
)PY"},
        {"unquote", "", R"PY(
def unquote(text):
    """The text without one pair of enclosing double quotes."""
    if text[:1] == '"' and text[-1:] == '"':
        if len(text) == 1:
            raise RunError(5, "stripQuotes", "Geçersiz yordam çağrısı veya bağımsız değişken")
        return text[1:-1]
    return text
)PY"},
        {"value", "", R"PY(
def value(current, name):
    """A name stands for its variable's value while the variable exists, else for itself."""
    return name if current is None else current
)PY"},
        {"get", "message", R"PY(
def get(current, name):
    """A variable's value; an undefined one is reported and reads as 0."""
    if current is None:
        message("Değişken: " + name + " - tanımlanmamış!")
        return "0"
    return current
)PY"},
        {"undefined", "message", R"PY(
def undefined(name):
    message("Değişken: " + name + " - tanımlanmamış!")
    return "0"
)PY"},
        {"check_length", "", R"PY(
MAX_TEXT = 1 << 24


def check_length(text, source="timerRunner_Timer"):
    """No text may grow beyond 16 Mi characters."""
    if len(text) > MAX_TEXT:
        raise RunError(7, source, "Yetersiz bellek")
    return text
)PY"},
        {"join", "check_length", R"PY(
def join(left, right):
    return check_length(left + right)
)PY"},
        {"compare", "", R"PY(
import unicodedata


def collation_key(text):
    """Letters in the alphabet's order, letter case ignored; accents count only after that."""
    primary, secondary = [], []
    for c in text.replace("I", "ı").replace("İ", "i").lower():
        base = c if c in ALPHABET else unicodedata.normalize("NFD", c)[:1]
        if base in ALPHABET:
            primary.append((3, ALPHABET.index(base)))
        elif base.isdigit():
            primary.append((2, ord(base)))
        elif base.isalpha():
            primary.append((4, ord(base)))
        else:
            primary.append((1, ord(base)))
        secondary.append(ord(c))
    return primary, secondary


def compare(left, right):
    """-1, 0 or 1 as the first text sorts before, with or after the second."""
    a, b = collation_key(left), collation_key(right)
    return "-1" if a < b else ("1" if a > b else "0")
)PY"},
        {"input_line", "stop_run check_length", R"PY(
def input_line(prompt):
    """One line of standard input; the console row shows the prompt, " >" and the text."""
    interactive = sys.stdin.isatty()
    if interactive:
        sys.stdout.write(prompt + " >")
        sys.stdout.flush()
    line = sys.stdin.buffer.readline()
    if not line:
        if interactive:
            sys.stdout.write("\n")
        print(prompt + " >")
        stop_run('Girdi sona erdi: "' + prompt + '" için satır okunamadı.')
    if line.endswith(b"\n"):
        line = line[:-1]
    if line.endswith(b"\r"):
        line = line[:-1]
    text = line.decode("utf-8", "replace")
    if not interactive:
        print(prompt + " >" + text)
    return check_length(text)
)PY"},
        {"number_text", "fmt", R"PY(
def number_text(value, name):
    """A built-in's numeric result; one that is no finite number is an overflow."""
    value = float(value)
    if value != value or value in (INFINITY, -INFINITY):
        raise RunError(6, name, "Taşma")
    return fmt(value)
)PY"},
        {"math_result", "num number_text power", R"PY(
def math_result(function, text, name):
    try:
        value = function(num(text, name))
    except (OverflowError, ValueError):
        raise RunError(6, name, "Taşma") from None
    return number_text(value, name)


def require(valid, name):
    if not valid:
        raise RunError(5, name, "Geçersiz yordam çağrısı veya bağımsız değişken")
)PY"},
        {"BI_E", "fmt", "\ndef E():\n    return fmt(2.71828182845905)\n"},
        {"BI_PI", "fmt", "\ndef PI():\n    return fmt(3.14159265358979)\n"},
        {"BI_CLEAR", "", "\ndef CLEAR():\n    \"\"\"The console is cleared; a terminal keeps what it has shown.\"\"\"\n    return \"\"\n"},
        {"cp1254", "", ""},
        {"BI_ASC", "cp1254", R"PY(
def ASC(text):
    if not text:
        raise RunError(5, "ASC", "Geçersiz yordam çağrısı veya bağımsız değişken")
    code = CP1254.find(text[0])
    return str(code if code >= 0 else 63)
)PY"},
        {"BI_CHR", "cp1254 num to_int32", R"PY(
def CHR(text):
    code = to_int32(num(text, "CHR"), "CHR")
    if not 0 <= code <= 255:
        raise RunError(5, "CHR", "Geçersiz yordam çağrısı veya bağımsız değişken")
    return CP1254[code]
)PY"},
        {"BI_HEX", "num to_int32", "\ndef HEX(text):\n    return \"%X\" % (to_int32(num(text, \"HEX\"), \"HEX\") & 0xFFFFFFFF)\n"},
        {"BI_OCT", "num to_int32", "\ndef OCT(text):\n    return \"%o\" % (to_int32(num(text, \"OCT\"), \"OCT\") & 0xFFFFFFFF)\n"},
        {"BI_ISNUMERIC", "num", R"PY(
def ISNUMERIC(text):
    try:
        num(text)
        return "True"
    except RunError:
        return "False"
)PY"},
        {"BI_LTRIM", "", "\ndef LTRIM(text):\n    return text.lstrip(\" \")\n"},
        {"BI_RTRIM", "", "\ndef RTRIM(text):\n    return text.rstrip(\" \")\n"},
        {"BI_TRIM", "", "\ndef TRIM(text):\n    return text.strip(\" \")\n"},
        {"BI_FACTORIAL", "num fmt", R"PY(
def FACTORIAL(text):
    n = round(num(text, "FACTORIAL"))
    if not -32768 <= n <= 170:
        raise RunError(6, "FACTORIAL", "Taşma")
    product = 1.0
    for i in range(2, n + 1):
        product *= i
    return fmt(product)
)PY"},
        {"BI_ABS", "math_result", "\ndef ABS(text):\n    return math_result(abs, text, \"ABS\")\n"},
        {"BI_ATN", "math_result", "\ndef ATN(text):\n    return math_result(math.atan, text, \"ATN\")\n"},
        {"BI_COS", "math_result", "\ndef COS(text):\n    return math_result(math.cos, text, \"COS\")\n"},
        {"BI_EXP", "math_result", "\ndef EXP(text):\n    return math_result(math.exp, text, \"EXP\")\n"},
        {"BI_INT", "math_result", "\ndef INT(text):\n    return math_result(math.floor, text, \"INT\")\n"},
        {"BI_FIX", "math_result", "\ndef FIX(text):\n    return math_result(math.trunc, text, \"FIX\")\n"},
        {"BI_ROUND", "math_result", "\ndef ROUND(text):\n    return math_result(round, text, \"ROUND\")\n"},
        {"BI_SIN", "math_result", "\ndef SIN(text):\n    return math_result(math.sin, text, \"SIN\")\n"},
        {"BI_TAN", "math_result", "\ndef TAN(text):\n    return math_result(math.tan, text, \"TAN\")\n"},
        {"BI_SGN", "math_result", "\ndef SGN(text):\n    return math_result(lambda x: (x > 0) - (x < 0), text, \"SGN\")\n"},
        {"BI_LN", "math_result", R"PY(
def LN(text):
    x = num(text, "LN")
    require(x > 0, "LN")
    return number_text(math.log(x), "LN")
)PY"},
        {"BI_LOG", "math_result", R"PY(
def LOG(text):
    x = num(text, "LOG")
    require(x > 0, "LOG")
    return number_text(math.log(x) / math.log(10.0), "LOG")
)PY"},
        {"BI_SQR", "math_result", R"PY(
def SQR(text):
    x = num(text, "SQR")
    require(x >= 0, "SQR")
    return number_text(math.sqrt(x), "SQR")
)PY"},
        {"BI_RND", "num number_text power", R"PY(
import random


def generator_state():
    """The state of the Mersenne Twister seeded with 5489: every run draws the same numbers."""
    state = [5489]
    for i in range(1, 624):
        state.append((1812433253 * (state[-1] ^ (state[-1] >> 30)) + i) & 0xFFFFFFFF)
    return tuple(state) + (624,)


GENERATOR = random.Random()
GENERATOR.setstate((3, generator_state(), None))


def RND(text):
    number = num(text, "RND")
    return number_text(math.floor(number * GENERATOR.random() + 1), "RND")
)PY"},
        {"BI_LEN", "", "\ndef LEN(text):\n    return str(len(text))\n"},
        {"BI_LCASE", "", "\ndef LCASE(text):\n    return text.replace(\"İ\", \"i\").replace(\"I\", \"ı\").lower()\n"},
        {"BI_UCASE", "", "\ndef UCASE(text):\n    return text.replace(\"ı\", \"I\").replace(\"i\", \"İ\").upper()\n"},
        {"BI_SPACE", "num to_int32 check_length", R"PY(
def SPACE(text):
    count = to_int32(num(text, "SPACE"), "SPACE")
    if count < 0:
        raise RunError(5, "SPACE", "Geçersiz yordam çağrısı veya bağımsız değişken")
    return check_length(" " * count, "SPACE")
)PY"},
        {"dates", "", R"PY(
import datetime


def write_moment(tokens, moment):
    """A date or time in the regional format the tokens describe."""
    out = []
    for token in tokens:
        kind, size = token[0], token[1:]
        if kind == "=":
            out.append(size)
        elif kind in "Aa":
            text = AM_PM[moment.hour >= 12]
            out.append(text.upper() if kind == "A" else text.lower())
        elif token == "M3":
            out.append(MONTHS[moment.month - 1])
        else:
            value = {"d": moment.day, "M": moment.month, "y": moment.year, "H": moment.hour,
                     "h": moment.hour % 12 or 12, "m": moment.minute, "s": moment.second}[kind]
            out.append("%02d" % (value % 100) if token == "y2" else str(value).zfill(int(size)))
    return "".join(out)


def read_fields(tokens, text):
    """The numbers a text gives for the tokens, or None when it does not fit them."""
    fields, at = {}, 0
    for token in tokens:
        kind, size = token[0], token[1:]
        if kind == "=":
            if not text.startswith(size, at):
                return None
            at += len(size)
        elif kind in "Aa" or token == "M3":
            words = AM_PM if kind in "Aa" else MONTHS
            for index, word in enumerate(words):
                if text[at:at + len(word)].lower() == word.lower():
                    fields["pm" if kind in "Aa" else "M"] = index + (0 if kind in "Aa" else 1)
                    at += len(word)
                    break
            else:
                return None
        else:
            shortest, longest = (1, 2) if size == "1" else (int(size), int(size))
            end = at
            while end < len(text) and end - at < longest and text[end] in "0123456789":
                end += 1
            if end - at < shortest:
                return None
            fields[kind] = int(text[at:end])
            at = end
    return fields if at == len(text) else None


def read_date(text):
    for tokens, two_digit_year in DATE_READS:
        fields = read_fields(tokens, text)
        if fields is None:
            continue
        year = fields["y"] + (1900 if two_digit_year else 0)
        if two_digit_year and year < 1930:
            year += 100
        try:
            return datetime.date(year, fields["M"], fields["d"])
        except ValueError:
            continue
    return None


def read_time(text):
    for tokens in TIME_READS:
        fields = read_fields(tokens, text)
        if fields is None:
            continue
        hour = fields.get("H", fields.get("h", 0))
        if "pm" in fields:
            if hour > 12:
                continue
            hour = hour % 12 + 12 * fields["pm"]
        try:
            return datetime.time(hour, fields.get("m", 0), fields.get("s", 0))
        except ValueError:
            continue
    return None


def read_moment(text):
    """A date, a time (on 30.12.1899) or both, in the regional format; None for anything else."""
    text = text.strip(" ")
    if len(text) > 100:
        return None
    date = read_date(text)
    if date:
        return datetime.datetime.combine(date, datetime.time())
    time = read_time(text)
    if time:
        return datetime.datetime.combine(datetime.date(1899, 12, 30), time)
    at = text.find(" ")
    while at != -1:
        date = read_date(text[:at].strip(" "))
        time = read_time(text[at + 1:].strip(" ")) if date else None
        if time:
            return datetime.datetime.combine(date, time)
        at = text.find(" ", at + 1)
    return None


def date_part(text, name, part):
    moment = read_moment(text)
    if moment is None:
        raise RunError(13, name, "Tür uyuşmazlığı")
    return str(part(moment))
)PY"},
        {"BI_DATE", "dates", "\ndef DATE():\n    return write_moment(DATE_FORMAT, datetime.datetime.now())\n"},
        {"BI_TIME", "dates", "\ndef TIME():\n    return write_moment(TIME_FORMAT, datetime.datetime.now())\n"},
        {"BI_NOW", "dates", "\ndef NOW():\n    now = datetime.datetime.now()\n    return write_moment(DATE_FORMAT, now) + \" \" + write_moment(TIME_FORMAT, now)\n"},
        {"BI_ISDATE", "dates", "\ndef ISDATE(text):\n    return \"False\" if read_moment(text) is None else \"True\"\n"},
        {"BI_YEAR", "dates", "\ndef YEAR(text):\n    return date_part(text, \"YEAR\", lambda moment: moment.year)\n"},
        {"BI_MONTH", "dates", "\ndef MONTH(text):\n    return date_part(text, \"MONTH\", lambda moment: moment.month)\n"},
        {"BI_DAY", "dates", "\ndef DAY(text):\n    return date_part(text, \"DAY\", lambda moment: moment.day)\n"},
        {"BI_HOUR", "dates", "\ndef HOUR(text):\n    return date_part(text, \"HOUR\", lambda moment: moment.hour)\n"},
        {"BI_MINUTE", "dates", "\ndef MINUTE(text):\n    return date_part(text, \"MINUTE\", lambda moment: moment.minute)\n"},
        {"BI_SECOND", "dates", "\ndef SECOND(text):\n    return date_part(text, \"SECOND\", lambda moment: moment.second)\n"},
        {"BI_WEEKDAY", "dates", "\ndef WEEKDAY(text):\n    return date_part(text, \"WEEKDAY\", lambda moment: moment.isoweekday())\n"},
        {"BI_FILEDIALOG", "", "\ndef FILEDIALOG(text):\n    \"\"\"A terminal has no dialog: nothing is chosen.\"\"\"\n    return \"\"\n"},
        {"BI_EXTRACTFILENAME", "", "\ndef EXTRACTFILENAME(text):\n    return text[max(text.rfind(\"/\"), text.rfind(\"\\\\\")) + 1:]\n"},
    };
    return all;
}

} // namespace

QString PythonRuntime::quoted(const QString &text)
{
    return RuntimePieces::quoted(text, RuntimePieces::Language::Python);
}

namespace {

QString tokenList(const QStringList &tokens)
{
    QStringList quotedTokens;
    for (const QString &token : tokens)
        quotedTokens.append(PythonRuntime::quoted(token));
    return u'[' + quotedTokens.join(QStringLiteral(", ")) + u']';
}

// The regional formats of dates and times, fixed when the code was made.
QString pythonDateConstants()
{
    QString out = QStringLiteral("\nDATE_FORMAT = ") + tokenList(DatePatterns::dateDisplay())
        + QStringLiteral("\nTIME_FORMAT = ") + tokenList(DatePatterns::timeDisplay()) + QStringLiteral("\nDATE_READS = [");
    for (const DatePatterns::DateRead &read : DatePatterns::dateReads())
        out += u'(' + tokenList(read.tokens) + (read.twoDigitYear ? QStringLiteral(", True), ") : QStringLiteral(", False), "));
    out += QStringLiteral("]\nTIME_READS = [");
    for (const QStringList &read : DatePatterns::timeReads())
        out += tokenList(read) + QStringLiteral(", ");
    const QLocale &locale = Numbers::locale();
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months.append(locale.monthName(month, QLocale::ShortFormat));
    return out + QStringLiteral("]\nAM_PM = (") + PythonRuntime::quoted(locale.amText()) + QStringLiteral(", ")
        + PythonRuntime::quoted(locale.pmText()) + QStringLiteral(")\nMONTHS = ") + tokenList(months) + u'\n';
}

QString pythonCodePageTable()
{
    QString table;
    for (int byte = 0; byte < 256; ++byte)
        table += QChar(Windows1254::fromByte(byte));
    return QStringLiteral("\n# The Turkish code page of ASC and CHR, one character per byte.\nCP1254 = ")
        + PythonRuntime::quoted(table) + u'\n';
}

} // namespace

const QStringList &PythonRuntime::names()
{
    static const QStringList all = QStringLiteral(
        "sys INFINITY RunError RunEnded message run stop_run stack_depth enter leave re NUMBER num fmt "
        "divide to_int32 whole_divisor div_int modulo math power percent unquote value get undefined MAX_TEXT "
        "check_length join unicodedata collation_key compare input_line number_text math_result "
        "require CP1254 random generator_state GENERATOR datetime write_moment read_fields read_date read_time "
        "read_moment date_part DATE_FORMAT TIME_FORMAT DATE_READS TIME_READS AM_PM MONTHS DECIMAL ALPHABET argument caller_param "
        "False None True and as assert async await break class continue def del elif else except "
        "finally for from global if import in is lambda nonlocal not or pass raise return try while "
        "with yield print len str float int round abs range list tuple dict set object type id "
        "input open exit max min sum any all ord chr")
                                         .split(u' ');
    return all;
}

QString PythonRuntime::text(const QSet<QString> &features)
{
    QSet<QString> wanted = RuntimePieces::wanted(pythonRuntimePieces(), features);
    QString out;
    if (wanted.contains(QStringLiteral("num")) || wanted.contains(QStringLiteral("fmt")))
        wanted.insert(QStringLiteral("decimal"));
    for (const RuntimePiece &piece : pythonRuntimePieces()) {
        const QString feature = QString::fromLatin1(piece.feature);
        if (!wanted.contains(feature))
            continue;
        // Two blank lines between the pieces, as between any two functions in Python.
        out += (out.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromUtf8(piece.code);
        if (feature == u"base" && wanted.contains(QStringLiteral("decimal")))
            out += QStringLiteral("DECIMAL = ") + PythonRuntime::quoted(Numbers::locale().decimalPoint())
                + QStringLiteral("  # the regional decimal separator, fixed when the code was made\n");
        if (feature == u"base" && wanted.contains(QStringLiteral("compare")))
            out += QStringLiteral("ALPHABET = ") + PythonRuntime::quoted(RuntimePieces::alphabet(Numbers::locale())) + u'\n';
        if (feature == u"cp1254")
            out += pythonCodePageTable();
        if (feature == u"dates")
            out += pythonDateConstants();
    }
    return out;
}
