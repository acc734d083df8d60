#include "codegen/JavaRuntime.h"

#include "base/Windows1254.h"
#include "codegen/DatePatterns.h"
#include "codegen/RuntimePieces.h"
#include "interp/Numbers.h"

#include <vector>

namespace {

// Each piece is written inside the program's class, indented by four spaces.
const std::vector<RuntimePiece> &javaRuntimePieces()
{
    static const std::vector<RuntimePiece> all{
        {"base", "", R"J(
    // Every value is a text; a variable holds null while it does not exist yet.
    static final java.io.PrintStream OUT = new java.io.PrintStream(
            new java.io.FileOutputStream(java.io.FileDescriptor.out), false, java.nio.charset.StandardCharsets.UTF_8);
    static final java.io.PrintStream ERR = new java.io.PrintStream(
            new java.io.FileOutputStream(java.io.FileDescriptor.err), true, java.nio.charset.StandardCharsets.UTF_8);

    /** The run ends here; its messages have been shown. */
    static final class RunEnded extends RuntimeException {
        RunEnded() {
            super(null, null, false, false);
        }
    }

    /** Messages go to standard error, after the output written so far. */
    static void message(String text) {
        OUT.flush();
        ERR.print(text + "\n");
    }

    static void finish(int status) {
        OUT.flush();
        System.exit(status);
    }

    /** A run-time error of a block: the run ends with the caught-error message. */
    static RunEnded runError(int number, String source, String description) {
        message("timerRunner_Timer(). YAKALANAN HATA: \nKaynak: " + source + "\nAçıklama: " + description
                + "\nHata numarası: " + number);
        return new RunEnded();
    }
)J"},
        {"output", "", R"J(
    static void printLine(String text) {
        OUT.print(text + "\n");
    }
)J"},
        {"stop_run", "", R"J(
    /** Ends the run after showing the messages: throw stopRun(...). */
    static RunEnded stopRun(String... messages) {
        for (String text : messages)
            message(text);
        return new RunEnded();
    }
)J"},
        {"enter", "stop_run", R"J(
    /** A chart's frame (five entries) and the locals its START saves go on a stack of 249. */
    static int stackDepth;

    static void enter(int localsCount) {
        stackDepth += 5 + localsCount;
        if (stackDepth > 249)
            throw stopRun("YIĞIN TAŞMASI!");
    }
)J"},
        {"leave", "enter", R"J(
    static void leave(int localsCount) {
        stackDepth -= 5 + localsCount;
    }
)J"},
        {"parse_number", "", R"J(
    /** The number a text reads as, with the regional decimal separator; null for any other text. */
    static Double parseNumber(String text) {
        int begin = 0, end = text.length();
        while (begin < end && (text.charAt(begin) == ' ' || text.charAt(begin) == '\t'))
            begin++;
        while (end > begin && (text.charAt(end - 1) == ' ' || text.charAt(end - 1) == '\t'))
            end--;
        StringBuilder ascii = new StringBuilder();
        int i = begin, digits = 0;
        if (i < end && (text.charAt(i) == '+' || text.charAt(i) == '-'))
            ascii.append(text.charAt(i++));
        for (; i < end && text.charAt(i) >= '0' && text.charAt(i) <= '9'; i++, digits++)
            ascii.append(text.charAt(i));
        if (text.startsWith(DECIMAL, i) && i < end) {
            ascii.append('.');
            i += DECIMAL.length();
            for (; i < end && text.charAt(i) >= '0' && text.charAt(i) <= '9'; i++, digits++)
                ascii.append(text.charAt(i));
        }
        if (digits == 0)
            return null;
        if (i < end && (text.charAt(i) == 'e' || text.charAt(i) == 'E')) {
            ascii.append('e');
            i++;
            if (i < end && (text.charAt(i) == '+' || text.charAt(i) == '-'))
                ascii.append(text.charAt(i++));
            int start = i;
            for (; i < end && text.charAt(i) >= '0' && text.charAt(i) <= '9'; i++)
                ascii.append(text.charAt(i));
            if (i == start)
                return null;
        }
        if (i != end)
            return null;
        double value = Double.parseDouble(ascii.toString());
        boolean underflow = value == 0 && !ascii.toString().split("e")[0].replaceAll("[^1-9]", "").isEmpty();
        return Double.isInfinite(value) || underflow ? null : value;
    }
)J"},
        {"num_from", "parse_number", R"J(
    static double numFrom(String text, String source) {
        Double value = parseNumber(text);
        if (value == null)
            throw runError(13, source, "Tür uyuşmazlığı");
        return value;
    }
)J"},
        {"num", "num_from", R"J(
    static double num(String text) {
        return numFrom(text, "timerRunner_Timer");
    }
)J"},
        {"fmt_from", "", R"J(
    /** A number as Varnel writes it: at most 15 significant digits, the regional separator. */
    static String fmtFrom(double value, String source) {
        if (Double.isNaN(value))
            throw runError(5, source, "Geçersiz yordam çağrısı veya bağımsız değişken");
        if (Double.isInfinite(value))
            throw runError(6, source, "Taşma");
        if (value == 0)
            return "0";
        java.math.BigDecimal exact = new java.math.BigDecimal(value)
                .round(new java.math.MathContext(15, java.math.RoundingMode.HALF_EVEN));
        int exponent = exact.precision() - exact.scale() - 1;
        String digits = exact.unscaledValue().abs().toString().replaceAll("0+$", "");
        String sign = value < 0 ? "-" : "";
        if (exponent < -4 || exponent >= 15) {
            String mantissa = digits.length() > 1 ? digits.charAt(0) + DECIMAL + digits.substring(1) : digits;
            String power = String.valueOf(Math.abs(exponent));
            return sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + (power.length() < 2 ? "0" : "") + power;
        }
        if (exponent < 0)
            return sign + "0" + DECIMAL + "0".repeat(-exponent - 1) + digits;
        if (digits.length() <= exponent + 1)
            return sign + digits + "0".repeat(exponent + 1 - digits.length());
        return sign + digits.substring(0, exponent + 1) + DECIMAL + digits.substring(exponent + 1);
    }
)J"},
        {"fmt", "fmt_from", R"J(
    static String fmt(double value) {
        return fmtFrom(value, "timerRunner_Timer");
    }
)J"},
        {"divide", "", R"J(
    static double divide(double a, double b) {
        if (b == 0)
            throw runError(11, "timerRunner_Timer", "Sıfıra bölme");
        return a / b;
    }
)J"},
        {"to_int32", "", R"J(
    /** Rounded to a whole number, halves to even; beyond 32 bits is an overflow. */
    static long toInt32(double value, String source) {
        double whole = Math.rint(value);
        if (!(whole >= -2147483648.0 && whole <= 2147483647.0))
            throw runError(6, source, "Taşma");
        return (long) whole;
    }
)J"},
        {"whole_divisor", "to_int32", R"J(
    /** The divisor rounded to a whole number; none is zero. */
    static long wholeDivisor(double b) {
        long y = toInt32(b, "timerRunner_Timer");
        if (y == 0)
            throw runError(11, "timerRunner_Timer", "Sıfıra bölme");
        return y;
    }
)J"},
        {"div_int", "whole_divisor", R"J(
    /** Whole-number division of the rounded operands, truncated toward zero. */
    static double divInt(double a, double b) {
        long x = toInt32(a, "timerRunner_Timer");
        long y = wholeDivisor(b);
        if (x / y > 2147483647L)
            throw runError(6, "timerRunner_Timer", "Taşma");
        return x / y;
    }
)J"},
        {"modulo", "whole_divisor", R"J(
    /** The remainder of the rounded operands, with the sign of the dividend. */
    static double modulo(double a, double b) {
        long x = toInt32(a, "timerRunner_Timer");
        long y = wholeDivisor(b);
        return x % y;
    }
)J"},
        {"power", "", R"J(
    static double power(double a, double b) {
        if (a == 0 && b < 0)
            throw runError(11, "timerRunner_Timer", "Sıfıra bölme");
        return Math.pow(a, b);
    }
)J"},
        {"percent", "", R"J(
    static double percent(double a, double b) {
        return a * b / 100;
    }
)J"},
        {"unquote", "", R"J(
    /** The text without one pair of enclosing double quotes. */
    static String unquote(String text) {
        if (text.startsWith("\"") && text.endsWith("\"")) {
            if (text.length() == 1)
                throw runError(5, "stripQuotes", "Geçersiz yordam çağrısı veya bağımsız değişken");
            return text.substring(1, text.length() - 1);
        }
        return text;
    }
)J"},
        {"value", "", R"J(
    /** A name stands for its variable's value while the variable exists, else for itself. */
    static String value(String current, String name) {
        return current == null ? name : current;
    }
)J"},
        {"get", "", R"J(
    /** A variable's value; an undefined one is reported and reads as 0. */
    static String get(String current, String name) {
        if (current != null)
            return current;
        message("Değişken: " + name + " - tanımlanmamış!");
        return "0";
    }
)J"},
        {"undefined", "", R"J(
    static String undefined(String name) {
        message("Değişken: " + name + " - tanımlanmamış!");
        return "0";
    }
)J"},
        {"check_length", "", R"J(
    /** No text may grow beyond 16 Mi characters. */
    static String checkLength(String text, String source) {
        if (text.length() > (1 << 24))
            throw runError(7, source, "Yetersiz bellek");
        return text;
    }
)J"},
        {"join", "check_length", R"J(
    static String join(String left, String right) {
        return checkLength(left + right, "timerRunner_Timer");
    }
)J"},
        {"lower", "", R"J(
    /** Turkish lower case: İ becomes i, I becomes ı, then every letter its small form. */
    static String turkishLower(String text) {
        return text.replace("İ", "i").replace("I", "ı").toLowerCase(java.util.Locale.ROOT);
    }
)J"},
        {"compare", "lower", R"J(
    /** Where each character sorts: letters in the alphabet's order, letter case ignored. */
    static long[] collationKey(String text) {
        return turkishLower(text).codePoints().mapToLong(c -> {
            String own = new String(Character.toChars(c));
            String base = ALPHABET.contains(own) ? own
                    : java.text.Normalizer.normalize(own, java.text.Normalizer.Form.NFD).substring(0, 1);
            if (ALPHABET.contains(base))
                return 3000000 + ALPHABET.indexOf(base);
            int b = base.codePointAt(0);
            if (b >= '0' && b <= '9')
                return 2000000 + b;
            return Character.isLetter(b) ? 4000000 + b : 1000000 + b;
        }).toArray();
    }

    /** -1, 0 or 1 as the first text sorts before, with or after the second. */
    static String compare(String left, String right) {
        int order = java.util.Arrays.compare(collationKey(left), collationKey(right));
        if (order == 0)
            order = java.util.Arrays.compare(turkishLower(left).codePoints().toArray(),
                    turkishLower(right).codePoints().toArray());
        return order < 0 ? "-1" : order > 0 ? "1" : "0";
    }
)J"},
        {"input_line", "check_length stop_run", R"J(
    /** One line of standard input; the console row shows the prompt, " >" and the text. */
    static String inputLine(String prompt) {
        java.io.ByteArrayOutputStream line = new java.io.ByteArrayOutputStream();
        int c = -1;
        boolean any = false;
        try {
            while ((c = System.in.read()) != -1 && c != '\n') {
                line.write(c);
                any = true;
            }
        } catch (java.io.IOException e) {
            c = -1;
        }
        if (c == -1 && !any) {
            printLine(prompt + " >");
            throw stopRun("Girdi sona erdi: \"" + prompt + "\" için satır okunamadı.");
        }
        String text = new String(line.toByteArray(), java.nio.charset.StandardCharsets.UTF_8);
        if (text.endsWith("\r"))
            text = text.substring(0, text.length() - 1);
        printLine(prompt + " >" + text);
        return checkLength(text, "timerRunner_Timer");
    }
)J"},
        {"number_text", "fmt_from", R"J(
    /** A built-in's numeric result; one that is no finite number is an overflow. */
    static String numberText(double value, String name) {
        if (Double.isNaN(value) || Double.isInfinite(value))
            throw runError(6, name, "Taşma");
        return fmtFrom(value, name);
    }
)J"},
        {"require", "", R"J(
    static void require(boolean valid, String name) {
        if (!valid)
            throw runError(5, name, "Geçersiz yordam çağrısı veya bağımsız değişken");
    }
)J"},
        {"BI_E", "fmt", "\n    static String E() {\n        return fmt(2.71828182845905);\n    }\n"},
        {"BI_PI", "fmt", "\n    static String PI() {\n        return fmt(3.14159265358979);\n    }\n"},
        {"BI_CLEAR", "", "\n    /** The console is cleared; a terminal keeps what it has shown. */\n    static String CLEAR() {\n        return \"\";\n    }\n"},
        {"cp1254", "", ""},
        {"BI_ASC", "cp1254 require", R"J(
    static String ASC(String text) {
        require(!text.isEmpty(), "ASC");
        int code = CP1254.indexOf(text.charAt(0));
        return String.valueOf(code >= 0 ? code : 63);
    }
)J"},
        {"BI_CHR", "cp1254 num_from to_int32 require", R"J(
    static String CHR(String text) {
        long code = toInt32(numFrom(text, "CHR"), "CHR");
        require(code >= 0 && code <= 255, "CHR");
        return String.valueOf(CP1254.charAt((int) code));
    }
)J"},
        {"BI_HEX", "num_from to_int32", "\n    static String HEX(String text) {\n        return Long.toHexString(toInt32(numFrom(text, \"HEX\"), \"HEX\") & 0xFFFFFFFFL).toUpperCase();\n    }\n"},
        {"BI_OCT", "num_from to_int32", "\n    static String OCT(String text) {\n        return Long.toOctalString(toInt32(numFrom(text, \"OCT\"), \"OCT\") & 0xFFFFFFFFL);\n    }\n"},
        {"BI_ISNUMERIC", "parse_number", "\n    static String ISNUMERIC(String text) {\n        return parseNumber(text) != null ? \"True\" : \"False\";\n    }\n"},
        {"BI_LTRIM", "", "\n    static String LTRIM(String text) {\n        return text.replaceAll(\"^ +\", \"\");\n    }\n"},
        {"BI_RTRIM", "", "\n    static String RTRIM(String text) {\n        return text.replaceAll(\" +$\", \"\");\n    }\n"},
        {"BI_TRIM", "", "\n    static String TRIM(String text) {\n        return text.replaceAll(\"^ +| +$\", \"\");\n    }\n"},
        {"BI_FACTORIAL", "num_from fmt", R"J(
    static String FACTORIAL(String text) {
        double n = Math.rint(numFrom(text, "FACTORIAL"));
        if (!(n >= -32768 && n <= 170))
            throw runError(6, "FACTORIAL", "Taşma");
        double product = 1;
        for (int i = 2; i <= (int) n; i++)
            product *= i;
        return fmt(product);
    }
)J"},
        {"BI_ABS", "num_from number_text", "\n    static String ABS(String text) {\n        return numberText(Math.abs(numFrom(text, \"ABS\")), \"ABS\");\n    }\n"},
        {"BI_ATN", "num_from number_text", "\n    static String ATN(String text) {\n        return numberText(Math.atan(numFrom(text, \"ATN\")), \"ATN\");\n    }\n"},
        {"BI_COS", "num_from number_text", "\n    static String COS(String text) {\n        return numberText(Math.cos(numFrom(text, \"COS\")), \"COS\");\n    }\n"},
        {"BI_EXP", "num_from number_text", "\n    static String EXP(String text) {\n        return numberText(Math.exp(numFrom(text, \"EXP\")), \"EXP\");\n    }\n"},
        {"BI_INT", "num_from number_text", "\n    static String INT(String text) {\n        return numberText(Math.floor(numFrom(text, \"INT\")), \"INT\");\n    }\n"},
        {"BI_FIX", "num_from number_text", "\n    static String FIX(String text) {\n        double x = numFrom(text, \"FIX\");\n        return numberText(x < 0 ? Math.ceil(x) : Math.floor(x), \"FIX\");\n    }\n"},
        {"BI_ROUND", "num_from number_text", "\n    /** Halves to the even neighbour. */\n    static String ROUND(String text) {\n        return numberText(Math.rint(numFrom(text, \"ROUND\")), \"ROUND\");\n    }\n"},
        {"BI_SIN", "num_from number_text", "\n    static String SIN(String text) {\n        return numberText(Math.sin(numFrom(text, \"SIN\")), \"SIN\");\n    }\n"},
        {"BI_TAN", "num_from number_text", "\n    static String TAN(String text) {\n        return numberText(Math.tan(numFrom(text, \"TAN\")), \"TAN\");\n    }\n"},
        {"BI_SGN", "num_from number_text", "\n    static String SGN(String text) {\n        return numberText(Math.signum(numFrom(text, \"SGN\")), \"SGN\");\n    }\n"},
        {"BI_LN", "num_from number_text require", "\n    static String LN(String text) {\n        double x = numFrom(text, \"LN\");\n        require(x > 0, \"LN\");\n        return numberText(Math.log(x), \"LN\");\n    }\n"},
        {"BI_LOG", "num_from number_text require", "\n    static String LOG(String text) {\n        double x = numFrom(text, \"LOG\");\n        require(x > 0, \"LOG\");\n        return numberText(Math.log(x) / Math.log(10.0), \"LOG\");\n    }\n"},
        {"BI_SQR", "num_from number_text require", "\n    static String SQR(String text) {\n        double x = numFrom(text, \"SQR\");\n        require(x >= 0, \"SQR\");\n        return numberText(Math.sqrt(x), \"SQR\");\n    }\n"},
        {"BI_RND", "num_from number_text", R"J(
    /** The Mersenne Twister seeded with 5489: every run draws the same numbers. */
    static final long[] TWISTER = new long[624];
    static int twisterIndex = 625;

    static long nextRandom() {
        if (twisterIndex >= 624) {
            if (twisterIndex == 625) {
                TWISTER[0] = 5489L;
                for (int i = 1; i < 624; i++)
                    TWISTER[i] = (1812433253L * (TWISTER[i - 1] ^ (TWISTER[i - 1] >>> 30)) + i) & 0xFFFFFFFFL;
            }
            for (int i = 0; i < 624; i++) {
                long y = (TWISTER[i] & 0x80000000L) | (TWISTER[(i + 1) % 624] & 0x7FFFFFFFL);
                TWISTER[i] = TWISTER[(i + 397) % 624] ^ (y >>> 1) ^ ((y & 1L) != 0 ? 0x9908B0DFL : 0L);
            }
            twisterIndex = 0;
        }
        long y = TWISTER[twisterIndex++];
        y ^= y >>> 11;
        y ^= (y << 7) & 0x9D2C5680L;
        y ^= (y << 15) & 0xEFC60000L;
        y ^= y >>> 18;
        return y & 0xFFFFFFFFL;
    }

    static String RND(String text) {
        double number = numFrom(text, "RND");
        double high = nextRandom() >>> 5;
        double low = nextRandom() >>> 6;
        return numberText(Math.floor(number * ((high * 67108864.0 + low) / 9007199254740992.0) + 1), "RND");
    }
)J"},
        {"BI_LEN", "", "\n    static String LEN(String text) {\n        return String.valueOf(text.codePointCount(0, text.length()));\n    }\n"},
        {"BI_LCASE", "lower", "\n    static String LCASE(String text) {\n        return turkishLower(text);\n    }\n"},
        {"BI_UCASE", "", "\n    static String UCASE(String text) {\n        return text.replace(\"ı\", \"I\").replace(\"i\", \"İ\").toUpperCase(java.util.Locale.ROOT);\n    }\n"},
        {"BI_SPACE", "num_from to_int32 require check_length", R"J(
    static String SPACE(String text) {
        long count = toInt32(numFrom(text, "SPACE"), "SPACE");
        require(count >= 0, "SPACE");
        if (count > (1 << 24))
            throw runError(7, "SPACE", "Yetersiz bellek");
        return " ".repeat((int) count);
    }
)J"},
        {"dates", "", R"J(
    /** A date or time in the regional format the tokens describe. */
    static String writeMoment(String[] tokens, java.time.LocalDateTime moment) {
        StringBuilder out = new StringBuilder();
        for (String token : tokens) {
            char kind = token.charAt(0);
            if (kind == '=') {
                out.append(token.substring(1));
            } else if (kind == 'A' || kind == 'a') {
                String text = AM_PM[moment.getHour() >= 12 ? 1 : 0];
                out.append(kind == 'A' ? text.toUpperCase(java.util.Locale.ROOT) : text.toLowerCase(java.util.Locale.ROOT));
            } else if (token.equals("M3")) {
                out.append(MONTHS[moment.getMonthValue() - 1]);
            } else {
                int value = switch (kind) {
                    case 'd' -> moment.getDayOfMonth();
                    case 'M' -> moment.getMonthValue();
                    case 'y' -> token.equals("y2") ? moment.getYear() % 100 : moment.getYear();
                    case 'H' -> moment.getHour();
                    case 'h' -> moment.getHour() % 12 == 0 ? 12 : moment.getHour() % 12;
                    case 'm' -> moment.getMinute();
                    default -> moment.getSecond();
                };
                out.append(String.format("%0" + token.charAt(1) + "d", value));
            }
        }
        return out.toString();
    }

    /** The numbers a text gives for the tokens ("pm": 0 or 1), or null when it does not fit them. */
    static java.util.Map<Character, Integer> readFields(String[] tokens, String text) {
        java.util.Map<Character, Integer> fields = new java.util.HashMap<>();
        int at = 0;
        for (String token : tokens) {
            char kind = token.charAt(0);
            if (kind == '=') {
                if (!text.startsWith(token.substring(1), at))
                    return null;
                at += token.length() - 1;
            } else if (kind == 'A' || kind == 'a' || token.equals("M3")) {
                String[] words = token.equals("M3") ? MONTHS : AM_PM;
                int matched = -1;
                for (int i = 0; i < words.length && matched < 0; i++) {
                    if (text.regionMatches(true, at, words[i], 0, words[i].length())) {
                        matched = i;
                        at += words[i].length();
                    }
                }
                if (matched < 0)
                    return null;
                fields.put(token.equals("M3") ? 'M' : 'p', token.equals("M3") ? matched + 1 : matched);
            } else {
                int shortest = token.charAt(1) == '1' ? 1 : token.charAt(1) - '0';
                int longest = token.charAt(1) == '1' ? 2 : shortest;
                int end = at;
                while (end < text.length() && end - at < longest && text.charAt(end) >= '0' && text.charAt(end) <= '9')
                    end++;
                if (end - at < shortest)
                    return null;
                fields.put(kind, Integer.parseInt(text.substring(at, end)));
                at = end;
            }
        }
        return at == text.length() ? fields : null;
    }

    static java.time.LocalDate readDate(String text) {
        for (int i = 0; i < DATE_READS.length; i++) {
            java.util.Map<Character, Integer> f = readFields(DATE_READS[i], text);
            if (f == null)
                continue;
            int year = f.get('y') + (DATE_READ_TWO_DIGIT_YEAR[i] ? 1900 : 0);
            if (DATE_READ_TWO_DIGIT_YEAR[i] && year < 1930)
                year += 100;
            try {
                if (year >= 1)
                    return java.time.LocalDate.of(year, f.get('M'), f.get('d'));
            } catch (java.time.DateTimeException invalid) {
                // not a day of the calendar: the next format may read it
            }
        }
        return null;
    }

    static java.time.LocalTime readTime(String text) {
        for (String[] tokens : TIME_READS) {
            java.util.Map<Character, Integer> f = readFields(tokens, text);
            if (f == null)
                continue;
            int hour = f.getOrDefault('H', f.getOrDefault('h', 0));
            if (f.containsKey('p')) {
                if (hour > 12)
                    continue;
                hour = hour % 12 + 12 * f.get('p');
            }
            try {
                return java.time.LocalTime.of(hour, f.getOrDefault('m', 0), f.getOrDefault('s', 0));
            } catch (java.time.DateTimeException invalid) {
                // not a time of day: the next format may read it
            }
        }
        return null;
    }

    /** A date, a time (on 30.12.1899) or both, in the regional format; null for anything else. */
    static java.time.LocalDateTime readMoment(String text) {
        text = text.replaceAll("^ +| +$", "");
        if (text.codePointCount(0, text.length()) > 100)
            return null;
        java.time.LocalDate date = readDate(text);
        if (date != null)
            return date.atStartOfDay();
        java.time.LocalTime time = readTime(text);
        if (time != null)
            return java.time.LocalDate.of(1899, 12, 30).atTime(time);
        for (int at = text.indexOf(' '); at != -1; at = text.indexOf(' ', at + 1)) {
            date = readDate(text.substring(0, at).replaceAll(" +$", ""));
            time = date != null ? readTime(text.substring(at + 1).replaceAll("^ +", "")) : null;
            if (time != null)
                return date.atTime(time);
        }
        return null;
    }

    static String datePart(String text, String name, java.util.function.ToIntFunction<java.time.LocalDateTime> part) {
        java.time.LocalDateTime moment = readMoment(text);
        if (moment == null)
            throw runError(13, name, "Tür uyuşmazlığı");
        return String.valueOf(part.applyAsInt(moment));
    }
)J"},
        {"BI_DATE", "dates", "\n    static String DATE() {\n        return writeMoment(DATE_FORMAT, java.time.LocalDateTime.now());\n    }\n"},
        {"BI_TIME", "dates", "\n    static String TIME() {\n        return writeMoment(TIME_FORMAT, java.time.LocalDateTime.now());\n    }\n"},
        {"BI_NOW", "dates", "\n    static String NOW() {\n        java.time.LocalDateTime now = java.time.LocalDateTime.now();\n        return writeMoment(DATE_FORMAT, now) + \" \" + writeMoment(TIME_FORMAT, now);\n    }\n"},
        {"BI_ISDATE", "dates", "\n    static String ISDATE(String text) {\n        return readMoment(text) != null ? \"True\" : \"False\";\n    }\n"},
        {"BI_YEAR", "dates", "\n    static String YEAR(String text) {\n        return datePart(text, \"YEAR\", moment -> moment.getYear());\n    }\n"},
        {"BI_MONTH", "dates", "\n    static String MONTH(String text) {\n        return datePart(text, \"MONTH\", moment -> moment.getMonthValue());\n    }\n"},
        {"BI_DAY", "dates", "\n    static String DAY(String text) {\n        return datePart(text, \"DAY\", moment -> moment.getDayOfMonth());\n    }\n"},
        {"BI_HOUR", "dates", "\n    static String HOUR(String text) {\n        return datePart(text, \"HOUR\", moment -> moment.getHour());\n    }\n"},
        {"BI_MINUTE", "dates", "\n    static String MINUTE(String text) {\n        return datePart(text, \"MINUTE\", moment -> moment.getMinute());\n    }\n"},
        {"BI_SECOND", "dates", "\n    static String SECOND(String text) {\n        return datePart(text, \"SECOND\", moment -> moment.getSecond());\n    }\n"},
        {"BI_WEEKDAY", "dates", "\n    static String WEEKDAY(String text) {\n        return datePart(text, \"WEEKDAY\", moment -> moment.getDayOfWeek().getValue());\n    }\n"},
        {"BI_FILEDIALOG", "", "\n    /** A terminal has no dialog: nothing is chosen. */\n    static String FILEDIALOG(String text) {\n        return \"\";\n    }\n"},
        {"BI_EXTRACTFILENAME", "", "\n    static String EXTRACTFILENAME(String text) {\n        return text.substring(Math.max(text.lastIndexOf('/'), text.lastIndexOf('\\\\')) + 1);\n    }\n"},
    };
    return all;
}

QString javaTokenArray(const QStringList &tokens)
{
    QStringList quotedTokens;
    for (const QString &token : tokens)
        quotedTokens.append(JavaRuntime::quoted(token));
    return QStringLiteral("{") + quotedTokens.join(QStringLiteral(", ")) + u'}';
}

// The regional formats of dates and times, fixed when the code was made.
QString javaDateConstants()
{
    QString out = QStringLiteral("\n    static final String[] DATE_FORMAT = ") + javaTokenArray(DatePatterns::dateDisplay())
        + QStringLiteral(";\n    static final String[] TIME_FORMAT = ") + javaTokenArray(DatePatterns::timeDisplay())
        + QStringLiteral(";\n    static final String[][] DATE_READS = {");
    QStringList twoDigits;
    for (const DatePatterns::DateRead &read : DatePatterns::dateReads()) {
        out += javaTokenArray(read.tokens) + QStringLiteral(", ");
        twoDigits.append(read.twoDigitYear ? QStringLiteral("true") : QStringLiteral("false"));
    }
    out += QStringLiteral("};\n    static final boolean[] DATE_READ_TWO_DIGIT_YEAR = {") + twoDigits.join(QStringLiteral(", "))
        + QStringLiteral("};\n    static final String[][] TIME_READS = {");
    for (const QStringList &read : DatePatterns::timeReads())
        out += javaTokenArray(read) + QStringLiteral(", ");
    const QLocale &locale = Numbers::locale();
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months.append(locale.monthName(month, QLocale::ShortFormat));
    return out + QStringLiteral("};\n    static final String[] AM_PM = {") + JavaRuntime::quoted(locale.amText())
        + QStringLiteral(", ") + JavaRuntime::quoted(locale.pmText()) + QStringLiteral("};\n    static final String[] MONTHS = ")
        + javaTokenArray(months) + QStringLiteral(";\n");
}

} // namespace

QString JavaRuntime::quoted(const QString &text)
{
    return RuntimePieces::quoted(text, RuntimePieces::Language::Java);
}

const QStringList &JavaRuntime::names()
{
    static const QStringList all = QStringLiteral(
        "OUT ERR RunEnded message finish runError printLine stopRun stackDepth enter leave parseNumber numFrom "
        "num fmtFrom fmt divide toInt32 wholeDivisor divInt modulo power percent unquote value get undefined checkLength "
        "join turkishLower collationKey compare inputLine numberText require CP1254 TWISTER twisterIndex "
        "nextRandom writeMoment readFields readDate readTime readMoment datePart DATE_FORMAT TIME_FORMAT DATE_READS "
        "DATE_READ_TWO_DIGIT_YEAR TIME_READS AM_PM MONTHS DECIMAL ALPHABET argument callerParam main args java String Math System Object Double "
        "abstract assert boolean break byte case catch char class const continue default do double else enum "
        "extends final finally float for goto if implements import instanceof int interface long native new "
        "package private protected public return short static strictfp super switch synchronized this throw "
        "throws transient try void volatile while true false null var record yield sealed permits")
                                         .split(u' ');
    return all;
}

QString JavaRuntime::text(const QSet<QString> &features)
{
    const QSet<QString> wanted = RuntimePieces::wanted(javaRuntimePieces(), features);
    QString out;
    for (const RuntimePiece &piece : javaRuntimePieces()) {
        const QString feature = QString::fromLatin1(piece.feature);
        if (!wanted.contains(feature))
            continue;
        out += QString::fromUtf8(piece.code);
        if (feature == u"base" && (wanted.contains(QStringLiteral("parse_number")) || wanted.contains(QStringLiteral("fmt_from"))))
            out += QStringLiteral("\n    /** The regional decimal separator, fixed when the code was made. */\n    static final String DECIMAL = ")
                + quoted(Numbers::locale().decimalPoint()) + QStringLiteral(";\n");
        if (feature == u"base" && wanted.contains(QStringLiteral("compare")))
            out += QStringLiteral("    static final String ALPHABET = ") + quoted(RuntimePieces::alphabet(Numbers::locale())) + QStringLiteral(";\n");
        if (feature == u"dates")
            out += javaDateConstants();
        if (feature == u"cp1254") {
            QString table;
            for (int byte = 0; byte < 256; ++byte)
                table += QChar(Windows1254::fromByte(byte));
            out += QStringLiteral("\n    /** The Turkish code page of ASC and CHR, one character per byte. */\n    static final String CP1254 = ")
                + quoted(table) + QStringLiteral(";\n");
        }
    }
    return out;
}
