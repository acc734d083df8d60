#include "codegen/CRuntime.h"
#include "codegen/DatePatterns.h"
#include "codegen/RuntimePieces.h"

#include "base/Windows1254.h"
#include "interp/Numbers.h"

#include <QHash>
#include <vector>

namespace {

const std::vector<RuntimePiece> &cRuntimePieces()
{
    static const std::vector<RuntimePiece> all{
        {"base", "", R"C(#include <errno.h>
#include <math.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Every value is a text: a variable holds its own copy (NULL while it does not exist yet). */

static _Noreturn void finish(int status)
{
    fflush(stdout);
    exit(status);
}

static char *text_copy(const char *text)
{
    char *copy = malloc(strlen(text) + 1);
    if (!copy)
        abort();
    return strcpy(copy, text);
}
)C"},
        {"temps", "", R"C(
/* The texts helpers make for one statement, kept until it has stored or printed them. */
static char **temps;
static size_t temp_count;
)C"},
        {"free_temps", "temps", R"C(
static void free_temps(void)
{
    while (temp_count > 0)
        free(temps[--temp_count]);
}
)C"},
        {"temp", "temps", R"C(
static size_t temp_room;

static char *temp(char *text)
{
    if (temp_count == temp_room) {
        temp_room = temp_room ? 2 * temp_room : 16;
        temps = realloc(temps, temp_room * sizeof *temps);
        if (!temps)
            abort();
    }
    temps[temp_count++] = text;
    return text;
}
)C"},
        {"set", "free_temps", R"C(
/* variable = value */
static void set(char **variable, const char *value)
{
    char *copy = text_copy(value);
    free(*variable);
    *variable = copy;
    free_temps();
}
)C"},
        {"message", "", R"C(
/* Messages go to standard error, after the output written so far. */
static void message(const char *text)
{
    fflush(stdout);
    fprintf(stderr, "%s\n", text);
    fflush(stderr);
}
)C"},
        {"run_error", "", R"C(
/* A run-time error of a block ends the run with the caught-error message. */
static _Noreturn void run_error(int number, const char *source, const char *description)
{
    fflush(stdout);
    fprintf(stderr, "timerRunner_Timer(). YAKALANAN HATA: \nKaynak: %s\nAçıklama: %s\nHata numarası: %d\n",
            source, description, number);
    finish(1);
}
)C"},
        {"output", "free_temps", R"C(
static void print_line(const char *text)
{
    fputs(text, stdout);
    putchar('\n');
    free_temps();
}
)C"},
        {"concat", "temp", R"C(
static char *concat(const char *left, const char *right)
{
    size_t a = strlen(left), b = strlen(right);
    char *text = malloc(a + b + 1);
    if (!text)
        abort();
    memcpy(text, left, a);
    memcpy(text + a, right, b + 1);
    return temp(text);
}
)C"},
        {"stop_run", "message", R"C(
/* Ends the run after showing the messages (a NULL ends the list). */
static _Noreturn void stop_run(const char *first, ...)
{
    va_list messages;
    va_start(messages, first);
    for (const char *text = first; text; text = va_arg(messages, const char *))
        message(text);
    va_end(messages);
    finish(1);
}
)C"},
        {"enter", "stop_run", R"C(
/* A chart's frame (five entries) and the locals its START saves go on a stack of 249. */
static int stack_depth;

static void enter(int locals_count)
{
    stack_depth += 5 + locals_count;
    if (stack_depth > 249)
        stop_run("YIĞIN TAŞMASI!", NULL);
}
)C"},
        {"leave", "enter", R"C(
static void leave(int locals_count)
{
    stack_depth -= 5 + locals_count;
}

/* variable = saved, which the variable now owns */
static void restore(char **variable, char *saved)
{
    free(*variable);
    *variable = saved;
}
)C"},
        {"parse_number", "", R"C(
static size_t skip_digits(const char *p, size_t i)
{
    while (p[i] >= '0' && p[i] <= '9')
        i++;
    return i;
}

/* Reads a number with the regional decimal separator; 0 for any other text. */
static int parse_number(const char *text, double *number)
{
    size_t begin = 0, end = strlen(text), point = strlen(DECIMAL);
    while (text[begin] == ' ' || text[begin] == '\t')
        begin++;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        end--;
    char *ascii = malloc(end - begin + 3);
    if (!ascii)
        abort();
    size_t i = begin, n = 0, digits = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-')
            ascii[n++] = '-';
        i++;
    }
    size_t after = skip_digits(text, i);
    digits += after - i;
    memcpy(ascii + n, text + i, after - i);
    n += after - i;
    i = after;
    if (i < end && strncmp(text + i, DECIMAL, point) == 0) {
        ascii[n++] = '.';
        i += point;
        after = skip_digits(text, i);
        digits += after - i;
        memcpy(ascii + n, text + i, after - i);
        n += after - i;
        i = after;
    }
    int valid = digits > 0;
    if (valid && i < end && (text[i] == 'e' || text[i] == 'E')) {
        ascii[n++] = 'e';
        i++;
        if (text[i] == '+' || text[i] == '-')
            ascii[n++] = text[i++];
        after = skip_digits(text, i);
        valid = after > i;
        memcpy(ascii + n, text + i, after - i);
        n += after - i;
        i = after;
    }
    ascii[n] = '\0';
    double value = 0;
    valid = valid && i == end;
    if (valid) {
        errno = 0;
        value = strtod(ascii, NULL);
        valid = !(errno == ERANGE && (value == 0 || isinf(value)));
    }
    free(ascii);
    *number = value;
    return valid;
}
)C"},
        {"num_from", "parse_number run_error", R"C(
/* The number a text reads as; an error for any other text. */
static double num_from(const char *text, const char *source)
{
    double value = 0;
    if (!parse_number(text, &value))
        run_error(13, source, "Tür uyuşmazlığı");
    return value;
}
)C"},
        {"num", "num_from", R"C(
static double num(const char *text)
{
    return num_from(text, "timerRunner_Timer");
}
)C"},
        {"fmt_from", "temp run_error", R"C(
/* A number as Varnel writes it: at most 15 significant digits, the regional separator. */
static char *fmt_from(double value, const char *source)
{
    if (isnan(value))
        run_error(5, source, "Geçersiz yordam çağrısı veya bağımsız değişken");
    if (isinf(value))
        run_error(6, source, "Taşma");
    char digits[40];
    snprintf(digits, sizeof digits, "%.15g", value + 0.0);
    char *text = malloc(sizeof digits + 40 * strlen(DECIMAL));
    if (!text)
        abort();
    char *out = text;
    for (const char *p = digits; *p; p++) {
        if (*p == '.') {
            strcpy(out, DECIMAL);
            out += strlen(DECIMAL);
        } else {
            *out++ = *p == 'e' ? 'E' : *p;
        }
    }
    *out = '\0';
    return temp(text);
}
)C"},
        {"fmt", "fmt_from", R"C(
static char *fmt(double value)
{
    return fmt_from(value, "timerRunner_Timer");
}
)C"},
        {"divide", "run_error", R"C(
static double divide(double a, double b)
{
    if (b == 0)
        run_error(11, "timerRunner_Timer", "Sıfıra bölme");
    return a / b;
}
)C"},
        {"to_int32", "run_error", R"C(
/* Rounded to a whole number, halves to even; beyond 32 bits is an overflow. */
static long to_int32(double value, const char *source)
{
    double whole = nearbyint(value);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0))
        run_error(6, source, "Taşma");
    return (long)whole;
}
)C"},
        {"whole_divisor", "to_int32", R"C(
/* The divisor rounded to a whole number; none is zero. */
static long long whole_divisor(double b)
{
    long long y = to_int32(b, "timerRunner_Timer");
    if (y == 0)
        run_error(11, "timerRunner_Timer", "Sıfıra bölme");
    return y;
}
)C"},
        {"div_int", "whole_divisor", R"C(
/* Whole-number division of the rounded operands, truncated toward zero. */
static double div_int(double a, double b)
{
    long long x = to_int32(a, "timerRunner_Timer");
    long long y = whole_divisor(b);
    if (x / y > 2147483647LL)
        run_error(6, "timerRunner_Timer", "Taşma");
    return (double)(x / y);
}
)C"},
        {"modulo", "whole_divisor", R"C(
/* The remainder of the rounded operands, with the sign of the dividend. */
static double modulo(double a, double b)
{
    long long x = to_int32(a, "timerRunner_Timer");
    long long y = whole_divisor(b);
    return (double)(x % y);
}
)C"},
        {"power", "run_error", R"C(
static double power(double a, double b)
{
    if (a == 0 && b < 0)
        run_error(11, "timerRunner_Timer", "Sıfıra bölme");
    return pow(a, b);
}
)C"},
        {"percent", "", R"C(
static double percent(double a, double b)
{
    return a * b / 100;
}
)C"},
        {"unquote", "temp run_error", R"C(
/* The text without one pair of enclosing double quotes. */
static char *unquote(const char *text)
{
    size_t length = strlen(text);
    if (length > 0 && text[0] == '"' && text[length - 1] == '"') {
        if (length == 1)
            run_error(5, "stripQuotes", "Geçersiz yordam çağrısı veya bağımsız değişken");
        char *inner = malloc(length - 1);
        if (!inner)
            abort();
        memcpy(inner, text + 1, length - 2);
        inner[length - 2] = '\0';
        return temp(inner);
    }
    return temp(text_copy(text));
}
)C"},
        {"value", "", R"C(
/* A name stands for its variable's value while the variable exists, else for itself. */
static const char *value(const char *current, const char *name)
{
    return current ? current : name;
}
)C"},
        {"get", "", R"C(
/* A variable's value; an undefined one is reported and reads as 0. */
static const char *get(const char *current, const char *name)
{
    if (current)
        return current;
    fflush(stdout);
    fprintf(stderr, "Değişken: %s - tanımlanmamış!\n", name);
    return "0";
}
)C"},
        {"undefined", "", R"C(
static const char *undefined(const char *name)
{
    fflush(stdout);
    fprintf(stderr, "Değişken: %s - tanımlanmamış!\n", name);
    return "0";
}
)C"},
        {"characters", "", R"C(
/* The number of characters of a UTF-8 text. */
static size_t characters(const char *text)
{
    size_t count = 0;
    for (const unsigned char *p = (const unsigned char *)text; *p; p++)
        count += (*p & 0xC0) != 0x80;
    return count;
}
)C"},
        {"next_character", "", R"C(
/* Decodes one character of a UTF-8 text and moves past it. */
static long next_character(const char **text)
{
    const unsigned char *p = (const unsigned char *)*text;
    long c = *p++;
    int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (more)
        c &= 0x3F >> more;
    while (more-- > 0 && (*p & 0xC0) == 0x80)
        c = (c << 6) | (*p++ & 0x3F);
    *text = (const char *)p;
    return c;
}
)C"},
        {"put_character", "", R"C(
static char *put_character(char *out, long c)
{
    if (c < 0x80) {
        *out++ = (char)c;
    } else if (c < 0x800) {
        *out++ = (char)(0xC0 | (c >> 6));
        *out++ = (char)(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = (char)(0xE0 | (c >> 12));
        *out++ = (char)(0x80 | ((c >> 6) & 0x3F));
        *out++ = (char)(0x80 | (c & 0x3F));
    } else {
        *out++ = (char)(0xF0 | (c >> 18));
        *out++ = (char)(0x80 | ((c >> 12) & 0x3F));
        *out++ = (char)(0x80 | ((c >> 6) & 0x3F));
        *out++ = (char)(0x80 | (c & 0x3F));
    }
    return out;
}
)C"},
        {"check_length", "characters run_error", R"C(
/* No text may grow beyond 16 Mi characters. */
static void check_length(const char *text, const char *source)
{
    if (characters(text) > (1u << 24))
        run_error(7, source, "Yetersiz bellek");
}
)C"},
        {"join", "check_length concat", R"C(
static char *join(const char *left, const char *right)
{
    char *text = concat(left, right);
    check_length(text, "timerRunner_Timer");
    return text;
}
)C"},
        {"lower_letter", "", R"C(
/* Letter case of the Latin, Greek and Cyrillic letters; Turkish I and i are the caller's. */
static long lower_letter(long c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        || (c >= 0x410 && c <= 0x42F))
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && c % 2 == 0)
        return c + 1;
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 1)
        return c + 1;
    return c == 0x178 ? 0xFF : c;
}

)C"},
        {"lower", "lower_letter", R"C(
/* Turkish lower case: İ becomes i, I becomes ı, then every letter its small form. */
static long turkish_lower(long c)
{
    return c == 0x130 ? 'i' : c == 'I' ? 0x131 : lower_letter(c);
}

)C"},
        {"upper", "", R"C(
static long upper_letter(long c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2)
        || (c >= 0x430 && c <= 0x44F))
        return c - 32;
    if (c >= 0x450 && c <= 0x45F)
        return c - 80;
    if (((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && c % 2 == 1)
        return c - 1;
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 0)
        return c - 1;
    return c == 0xFF ? 0x178 : c;
}

static long turkish_upper(long c)
{
    return c == 0x131 ? 'I' : c == 'i' ? 0x130 : upper_letter(c);
}

)C"},
        {"map_letters", "next_character put_character temp", R"C(
static char *map_letters(const char *text, long (*map)(long))
{
    char *out = malloc(2 * strlen(text) + 1), *end = out;
    if (!out)
        abort();
    while (*text)
        end = put_character(end, map(next_character(&text)));
    *end = '\0';
    return temp(out);
}
)C"},
        {"compare", "lower next_character put_character characters", R"C(
/* Where a character sorts: letters in the alphabet's order, letter case ignored; accents count
   only after that. */
static long base_letter(long c)
{
    static const char *const accented[] = {"àáâãäå", "a", "èéêë", "e", "ìíîï", "i", "òóôõ", "o", "ùúû", "u", "ýÿ", "y",
                                           "ñ", "n", 0};
    char own[8];
    *put_character(own, c) = '\0';
    for (int i = 0; accented[i]; i += 2) {
        if (!strstr(ALPHABET, own) && strstr(accented[i], own))
            return accented[i + 1][0];
    }
    return c;
}

static long collation_weight(long c)
{
    char own[8];
    *put_character(own, base_letter(c)) = '\0';
    const char *at = strstr(ALPHABET, own);
    if (at)
        return 3000000 + (long)characters(ALPHABET) - (long)characters(at);
    if (c >= '0' && c <= '9')
        return 2000000 + c;
    if ((c >= 'a' && c <= 'z') || c >= 0xC0)
        return 4000000 + c;
    return 1000000 + c;
}

static int collate(const char *left, const char *right, int accents)
{
    while (*left && *right) {
        long a = turkish_lower(next_character(&left)), b = turkish_lower(next_character(&right));
        long x = accents ? a : collation_weight(a), y = accents ? b : collation_weight(b);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return *left ? 1 : (*right ? -1 : 0);
}

/* -1, 0 or 1 as the first text sorts before, with or after the second. */
static const char *compare(const char *left, const char *right)
{
    int order = collate(left, right, 0);
    if (order == 0)
        order = collate(left, right, 1);
    return order < 0 ? "-1" : order > 0 ? "1" : "0";
}
)C"},
        {"input_line", "check_length temp", R"C(
/* One line of standard input; the console row shows the prompt, " >" and the text. */
static char *input_line(const char *prompt)
{
    size_t length = 0, room = 64;
    char *line = malloc(room);
    int c = 0, any = 0;
    if (!line)
        abort();
    while ((c = getchar()) != EOF && c != '\n') {
        if (length + 1 >= room) {
            room *= 2;
            line = realloc(line, room);
            if (!line)
                abort();
        }
        line[length++] = (char)c;
        any = 1;
    }
    if (c == EOF && !any) {
        printf("%s >\n", prompt);
        fflush(stdout);
        fprintf(stderr, "Girdi sona erdi: \"%s\" için satır okunamadı.\n", prompt);
        finish(1);
    }
    if (length > 0 && line[length - 1] == '\r')
        length--;
    line[length] = '\0';
    printf("%s >%s\n", prompt, line);
    check_length(line, "timerRunner_Timer");
    return temp(line);
}
)C"},

        {"number_text", "fmt_from run_error", R"C(
/* A built-in's numeric result; one that is no finite number is an overflow. */
static char *number_text(double value, const char *name)
{
    if (!isfinite(value))
        run_error(6, name, "Taşma");
    return fmt_from(value, name);
}
)C"},
        {"require", "run_error", R"C(
static void require(int valid, const char *name)
{
    if (!valid)
        run_error(5, name, "Geçersiz yordam çağrısı veya bağımsız değişken");
}
)C"},
        {"BI_E", "fmt", "\nstatic char *E(void)\n{\n    return fmt(2.71828182845905);\n}\n"},
        {"BI_PI", "fmt", "\nstatic char *PI(void)\n{\n    return fmt(3.14159265358979);\n}\n"},
        {"BI_CLEAR", "", "\n/* The console is cleared; a terminal keeps what it has shown. */\nstatic const char *CLEAR(void)\n{\n    return \"\";\n}\n"},
        {"cp1254", "", ""},
        {"BI_ASC", "cp1254 next_character require temp", R"C(
static char *ASC(const char *text)
{
    require(*text != '\0', "ASC");
    long c = next_character(&text);
    int code = 63;
    for (int i = 0; i < 256; i++) {
        if (CP1254[i] == c) {
            code = i;
            break;
        }
    }
    char digits[8];
    snprintf(digits, sizeof digits, "%d", code);
    return temp(text_copy(digits));
}
)C"},
        {"BI_CHR", "cp1254 put_character num_from to_int32 require temp", R"C(
static char *CHR(const char *text)
{
    long code = to_int32(num_from(text, "CHR"), "CHR");
    require(code >= 0 && code <= 255, "CHR");
    char *out = malloc(8);
    if (!out)
        abort();
    *put_character(out, CP1254[code]) = '\0';
    return temp(out);
}
)C"},
        {"radix_digits", "num_from to_int32 temp", R"C(
/* The number's 32 bits in the digits of the format (hexadecimal or octal). */
static char *radix_digits(const char *text, const char *format, const char *source)
{
    char digits[16];
    snprintf(digits, sizeof digits, format, (unsigned long)(to_int32(num_from(text, source), source) & 0xFFFFFFFFL));
    return temp(text_copy(digits));
}
)C"},
        {"BI_HEX", "radix_digits", "\nstatic char *HEX(const char *text)\n{\n    return radix_digits(text, \"%lX\", \"HEX\");\n}\n"},
        {"BI_OCT", "radix_digits", "\nstatic char *OCT(const char *text)\n{\n    return radix_digits(text, \"%lo\", \"OCT\");\n}\n"},
        {"BI_ISNUMERIC", "parse_number", R"C(
static const char *ISNUMERIC(const char *text)
{
    double value = 0;
    return parse_number(text, &value) ? "True" : "False";
}
)C"},
        {"trim", "temp", R"C(
static char *trimmed(const char *text, int left, int right)
{
    size_t begin = 0, end = strlen(text);
    while (left && text[begin] == ' ')
        begin++;
    while (right && end > begin && text[end - 1] == ' ')
        end--;
    char *out = malloc(end - begin + 1);
    if (!out)
        abort();
    memcpy(out, text + begin, end - begin);
    out[end - begin] = '\0';
    return temp(out);
}
)C"},
        {"BI_LTRIM", "trim", "\nstatic char *LTRIM(const char *text)\n{\n    return trimmed(text, 1, 0);\n}\n"},
        {"BI_RTRIM", "trim", "\nstatic char *RTRIM(const char *text)\n{\n    return trimmed(text, 0, 1);\n}\n"},
        {"BI_TRIM", "trim", "\nstatic char *TRIM(const char *text)\n{\n    return trimmed(text, 1, 1);\n}\n"},
        {"BI_FACTORIAL", "num_from fmt run_error", R"C(
static char *FACTORIAL(const char *text)
{
    double n = nearbyint(num_from(text, "FACTORIAL"));
    if (!(n >= -32768 && n <= 170))
        run_error(6, "FACTORIAL", "Taşma");
    double product = 1;
    for (int i = 2; i <= (int)n; i++)
        product *= i;
    return fmt(product);
}
)C"},
        {"BI_ABS", "num_from number_text", "\nstatic char *ABS(const char *text)\n{\n    return number_text(fabs(num_from(text, \"ABS\")), \"ABS\");\n}\n"},
        {"BI_ATN", "num_from number_text", "\nstatic char *ATN(const char *text)\n{\n    return number_text(atan(num_from(text, \"ATN\")), \"ATN\");\n}\n"},
        {"BI_COS", "num_from number_text", "\nstatic char *COS(const char *text)\n{\n    return number_text(cos(num_from(text, \"COS\")), \"COS\");\n}\n"},
        {"BI_EXP", "num_from number_text", "\nstatic char *EXP(const char *text)\n{\n    return number_text(exp(num_from(text, \"EXP\")), \"EXP\");\n}\n"},
        {"BI_INT", "num_from number_text", "\nstatic char *INT(const char *text)\n{\n    return number_text(floor(num_from(text, \"INT\")), \"INT\");\n}\n"},
        {"BI_FIX", "num_from number_text", "\nstatic char *FIX(const char *text)\n{\n    return number_text(trunc(num_from(text, \"FIX\")), \"FIX\");\n}\n"},
        {"BI_ROUND", "num_from number_text", "\n/* Halves to the even neighbour. */\nstatic char *ROUND(const char *text)\n{\n    return number_text(nearbyint(num_from(text, \"ROUND\")), \"ROUND\");\n}\n"},
        {"BI_SIN", "num_from number_text", "\nstatic char *SIN(const char *text)\n{\n    return number_text(sin(num_from(text, \"SIN\")), \"SIN\");\n}\n"},
        {"BI_TAN", "num_from number_text", "\nstatic char *TAN(const char *text)\n{\n    return number_text(tan(num_from(text, \"TAN\")), \"TAN\");\n}\n"},
        {"BI_SGN", "num_from number_text", "\nstatic char *SGN(const char *text)\n{\n    double x = num_from(text, \"SGN\");\n    return number_text((x > 0) - (x < 0), \"SGN\");\n}\n"},
        {"BI_LN", "num_from number_text require", "\nstatic char *LN(const char *text)\n{\n    double x = num_from(text, \"LN\");\n    require(x > 0, \"LN\");\n    return number_text(log(x), \"LN\");\n}\n"},
        {"BI_LOG", "num_from number_text require", "\nstatic char *LOG(const char *text)\n{\n    double x = num_from(text, \"LOG\");\n    require(x > 0, \"LOG\");\n    return number_text(log(x) / log(10.0), \"LOG\");\n}\n"},
        {"BI_SQR", "num_from number_text require", "\nstatic char *SQR(const char *text)\n{\n    double x = num_from(text, \"SQR\");\n    require(x >= 0, \"SQR\");\n    return number_text(sqrt(x), \"SQR\");\n}\n"},
        {"BI_RND", "num_from number_text", R"C(
/* The Mersenne Twister seeded with 5489: every run draws the same numbers. */
static unsigned long twister[624];
static int twister_index = 625;

static unsigned long next_random(void)
{
    if (twister_index >= 624) {
        if (twister_index == 625) {
            twister[0] = 5489UL;
            for (int i = 1; i < 624; i++)
                twister[i] = (1812433253UL * (twister[i - 1] ^ (twister[i - 1] >> 30)) + (unsigned long)i) & 0xFFFFFFFFUL;
        }
        for (int i = 0; i < 624; i++) {
            unsigned long y = (twister[i] & 0x80000000UL) | (twister[(i + 1) % 624] & 0x7FFFFFFFUL);
            twister[i] = twister[(i + 397) % 624] ^ (y >> 1) ^ ((y & 1UL) ? 0x9908B0DFUL : 0UL);
        }
        twister_index = 0;
    }
    unsigned long y = twister[twister_index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680UL;
    y ^= (y << 15) & 0xEFC60000UL;
    y ^= y >> 18;
    return y & 0xFFFFFFFFUL;
}

static char *RND(const char *text)
{
    double number = num_from(text, "RND");
    double high = (double)(next_random() >> 5);
    double low = (double)(next_random() >> 6);
    return number_text(floor(number * ((high * 67108864.0 + low) / 9007199254740992.0) + 1), "RND");
}
)C"},
        {"BI_LEN", "characters temp", R"C(
static char *LEN(const char *text)
{
    char digits[24];
    snprintf(digits, sizeof digits, "%zu", characters(text));
    return temp(text_copy(digits));
}
)C"},
        {"BI_LCASE", "lower map_letters", "\nstatic char *LCASE(const char *text)\n{\n    return map_letters(text, turkish_lower);\n}\n"},
        {"BI_UCASE", "upper map_letters", "\nstatic char *UCASE(const char *text)\n{\n    return map_letters(text, turkish_upper);\n}\n"},
        {"BI_SPACE", "num_from to_int32 require check_length temp", R"C(
static char *SPACE(const char *text)
{
    long count = to_int32(num_from(text, "SPACE"), "SPACE");
    require(count >= 0, "SPACE");
    char *out = malloc((size_t)count + 1);
    if (!out)
        abort();
    memset(out, ' ', (size_t)count);
    out[count] = '\0';
    check_length(out, "SPACE");
    return temp(out);
}
)C"},
        {"dates", "temp characters run_error", R"C(
#include <time.h>

struct moment {
    int year, month, day, hour, minute, second;
};

/* A date or time in the regional format the tokens describe. */
static char *write_moment(const char *const *tokens, const struct moment *m)
{
    char *out = malloc(512), *end = out;
    if (!out)
        abort();
    for (; *tokens; tokens++) {
        const char *t = *tokens;
        int value = 0;
        if (t[0] == '=') {
            end += sprintf(end, "%.60s", t + 1);
            continue;
        }
        if (t[0] == 'A' || t[0] == 'a') {
            end += sprintf(end, "%s", (t[0] == 'A' ? AM_PM_UPPER : AM_PM_LOWER)[m->hour >= 12]);
            continue;
        }
        if (strcmp(t, "M3") == 0) {
            end += sprintf(end, "%s", MONTHS[m->month - 1]);
            continue;
        }
        switch (t[0]) {
        case 'd': value = m->day; break;
        case 'M': value = m->month; break;
        case 'y': value = strcmp(t, "y2") == 0 ? m->year % 100 : m->year; break;
        case 'H': value = m->hour; break;
        case 'h': value = m->hour % 12 ? m->hour % 12 : 12; break;
        case 'm': value = m->minute; break;
        default: value = m->second; break;
        }
        end += sprintf(end, "%0*d", t[1] - '0', value);
    }
    *end = '\0';
    return temp(out);
}

/* The numbers a text gives for the tokens (y M d H h m s, then AM 0 / PM 1), -1 where none;
   0 when the text does not fit the tokens. */
static int read_fields(const char *const *tokens, const char *text, int fields[8])
{
    static const char letters[] = "yMdHhms";
    for (int i = 0; i < 8; i++)
        fields[i] = -1;
    for (; *tokens; tokens++) {
        const char *t = *tokens;
        if (t[0] == '=') {
            size_t length = strlen(t + 1);
            if (strncmp(text, t + 1, length) != 0)
                return 0;
            text += length;
        } else if (t[0] == 'A' || t[0] == 'a' || strcmp(t, "M3") == 0) {
            int matched = -1, months = strcmp(t, "M3") == 0, count = months ? 12 : 2;
            for (int i = 0; i < count && matched < 0; i++) {
                const char *forms[] = {months ? MONTHS[i] : AM_PM_UPPER[i], months ? MONTHS[i] : AM_PM_LOWER[i]};
                for (int f = 0; f < 2 && matched < 0; f++) {
                    if (strncmp(text, forms[f], strlen(forms[f])) == 0) {
                        matched = i;
                        text += strlen(forms[f]);
                    }
                }
            }
            if (matched < 0)
                return 0;
            fields[months ? 1 : 7] = months ? matched + 1 : matched;
        } else {
            int shortest = t[1] == '1' ? 1 : t[1] - '0', longest = t[1] == '1' ? 2 : t[1] - '0', n = 0, value = 0;
            while (n < longest && text[n] >= '0' && text[n] <= '9')
                value = value * 10 + (text[n++] - '0');
            if (n < shortest)
                return 0;
            fields[strchr(letters, t[0]) - letters] = value;
            text += n;
        }
    }
    return *text == '\0';
}

static int days_in_month(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

static int read_date(const char *text, struct moment *m)
{
    for (int i = 0; DATE_READS[i]; i++) {
        int f[8];
        if (!read_fields(DATE_READS[i], text, f))
            continue;
        int year = f[0] + (DATE_READ_TWO_DIGIT_YEAR[i] ? 1900 : 0);
        if (DATE_READ_TWO_DIGIT_YEAR[i] && year < 1930)
            year += 100;
        if (year < 1 || f[1] < 1 || f[1] > 12 || f[2] < 1 || f[2] > days_in_month(year, f[1]))
            continue;
        m->year = year;
        m->month = f[1];
        m->day = f[2];
        return 1;
    }
    return 0;
}

static int read_time(const char *text, struct moment *m)
{
    for (int i = 0; TIME_READS[i]; i++) {
        int f[8];
        if (!read_fields(TIME_READS[i], text, f))
            continue;
        int hour = f[3] >= 0 ? f[3] : (f[4] >= 0 ? f[4] : 0);
        if (f[7] >= 0) {
            if (hour > 12)
                continue;
            hour = hour % 12 + 12 * f[7];
        }
        int minute = f[5] >= 0 ? f[5] : 0, second = f[6] >= 0 ? f[6] : 0;
        if (hour > 23 || minute > 59 || second > 59)
            continue;
        m->hour = hour;
        m->minute = minute;
        m->second = second;
        return 1;
    }
    return 0;
}

/* A date, a time (on 30.12.1899) or both, in the regional format; 0 for anything else. */
static int read_moment(const char *text, struct moment *m)
{
    char whole[512], part[512];
    size_t begin = 0, end = strlen(text);
    while (text[begin] == ' ')
        begin++;
    while (end > begin && text[end - 1] == ' ')
        end--;
    if (characters(text) > 100 + strlen(text) - end + begin || end - begin >= sizeof whole)
        return 0;
    memcpy(whole, text + begin, end - begin);
    whole[end - begin] = '\0';
    *m = (struct moment){1899, 12, 30, 0, 0, 0};
    if (read_date(whole, m) || read_time(whole, m))
        return 1;
    for (char *space = strchr(whole, ' '); space; space = strchr(space + 1, ' ')) {
        size_t length = (size_t)(space - whole);
        while (length > 0 && whole[length - 1] == ' ')
            length--;
        memcpy(part, whole, length);
        part[length] = '\0';
        const char *rest = space + 1;
        while (*rest == ' ')
            rest++;
        if (read_date(part, m) && read_time(rest, m))
            return 1;
    }
    return 0;
}

static struct moment now_moment(void)
{
    time_t now = time(NULL);
    struct tm *local = localtime(&now);
    return (struct moment){local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min,
                           local->tm_sec};
}

static char *date_part(const char *text, const char *name, char part)
{
    struct moment m;
    if (!read_moment(text, &m))
        run_error(13, name, "Tür uyuşmazlığı");
    static const int offset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = m.month < 3 ? m.year - 1 : m.year;
    int sunday_first = (y + y / 4 - y / 100 + y / 400 + offset[m.month - 1] + m.day) % 7;
    int value = part == 'y' ? m.year : part == 'M' ? m.month : part == 'd' ? m.day : part == 'H' ? m.hour
        : part == 'm' ? m.minute : part == 's' ? m.second : (sunday_first ? sunday_first : 7);
    char digits[16];
    snprintf(digits, sizeof digits, "%d", value);
    return temp(text_copy(digits));
}
)C"},
        {"BI_DATE", "dates", "\nstatic char *DATE(void)\n{\n    struct moment m = now_moment();\n    return write_moment(DATE_FORMAT, &m);\n}\n"},
        {"BI_TIME", "dates", "\nstatic char *TIME(void)\n{\n    struct moment m = now_moment();\n    return write_moment(TIME_FORMAT, &m);\n}\n"},
        {"BI_NOW", "dates concat", "\nstatic char *NOW(void)\n{\n    struct moment m = now_moment();\n    return concat(concat(write_moment(DATE_FORMAT, &m), \" \"), write_moment(TIME_FORMAT, &m));\n}\n"},
        {"BI_ISDATE", "dates", "\nstatic const char *ISDATE(const char *text)\n{\n    struct moment m;\n    return read_moment(text, &m) ? \"True\" : \"False\";\n}\n"},
        {"BI_YEAR", "dates", "\nstatic char *YEAR(const char *text)\n{\n    return date_part(text, \"YEAR\", 'y');\n}\n"},
        {"BI_MONTH", "dates", "\nstatic char *MONTH(const char *text)\n{\n    return date_part(text, \"MONTH\", 'M');\n}\n"},
        {"BI_DAY", "dates", "\nstatic char *DAY(const char *text)\n{\n    return date_part(text, \"DAY\", 'd');\n}\n"},
        {"BI_HOUR", "dates", "\nstatic char *HOUR(const char *text)\n{\n    return date_part(text, \"HOUR\", 'H');\n}\n"},
        {"BI_MINUTE", "dates", "\nstatic char *MINUTE(const char *text)\n{\n    return date_part(text, \"MINUTE\", 'm');\n}\n"},
        {"BI_SECOND", "dates", "\nstatic char *SECOND(const char *text)\n{\n    return date_part(text, \"SECOND\", 's');\n}\n"},
        {"BI_WEEKDAY", "dates", "\nstatic char *WEEKDAY(const char *text)\n{\n    return date_part(text, \"WEEKDAY\", 'w');\n}\n"},
        {"BI_FILEDIALOG", "", "\n/* A terminal has no dialog: nothing is chosen. */\nstatic const char *FILEDIALOG(const char *text)\n{\n    (void)text;\n    return \"\";\n}\n"},
        {"BI_EXTRACTFILENAME", "", R"C(
static const char *EXTRACTFILENAME(const char *text)
{
    const char *slash = strrchr(text, '/'), *backslash = strrchr(text, '\\');
    const char *last = slash > backslash ? slash : backslash;
    return last ? last + 1 : text;
}
)C"},
    };
    return all;
}

} // namespace

QString CRuntime::quoted(const QString &text)
{
    return RuntimePieces::quoted(text, RuntimePieces::Language::C);
}

const QStringList &CRuntime::names()
{
    static const QStringList all = QStringLiteral(
        "temps temp_count temp_room temp free_temps text_copy set message finish run_error print_line concat "
        "stop_run stack_depth enter leave restore skip_digits parse_number num_from num fmt_from fmt divide "
        "to_int32 whole_divisor div_int modulo radix_digits power percent unquote value get undefined characters next_character "
        "put_character check_length join lower_letter upper_letter turkish_lower turkish_upper map_letters "
        "base_letter collation_weight collate compare input_line number_text require CP1254 trimmed twister "
        "twister_index next_random moment write_moment read_fields days_in_month read_date read_time read_moment "
        "now_moment date_part DATE_FORMAT TIME_FORMAT DATE_READS DATE_READ_TWO_DIGIT_YEAR TIME_READS AM_PM_UPPER "
        "AM_PM_LOWER MONTHS tm time_t localtime DATE_READ_0 DATE_READ_1 DATE_READ_2 TIME_READ_0 TIME_READ_1 "
        "TIME_READ_2 TIME_READ_3 DECIMAL ALPHABET argument caller_param main "
        "auto break case char const continue default do double else enum extern float for goto if inline int "
        "long register restrict return short signed sizeof static struct switch typedef union unsigned void "
        "volatile while _Bool _Complex _Imaginary _Noreturn _Alignas _Alignof _Atomic _Generic _Static_assert "
        "_Thread_local bool true false NULL EOF FILE size_t errno ERANGE stdin stdout stderr "
        "printf fprintf sprintf snprintf puts fputs putchar getchar fflush scanf malloc realloc free calloc abort "
        "exit strlen strcpy strncmp strcmp strstr strrchr strtod memcpy memset va_list va_start va_arg va_end "
        "acos asin atan atan2 cos sin tan cosh sinh tanh exp log log10 log2 pow sqrt ceil floor fabs fmod "
        "nearbyint round trunc isnan isinf isfinite HUGE_VAL INFINITY NAN remainder rint lround cbrt hypot "
        "erf erfc gamma lgamma tgamma expm1 log1p ldexp frexp modf logb scalbn fmin fmax fdim fma signbit "
        "assert offsetof time clock rand srand qsort bsearch div ldiv labs atoi atof atol getenv system")
                                         .split(u' ');
    return all;
}

namespace {

QString cTokenArray(const QString &name, const QStringList &tokens)
{
    QStringList quotedTokens;
    for (const QString &token : tokens)
        quotedTokens.append(CRuntime::quoted(token));
    quotedTokens.append(QStringLiteral("NULL"));
    return QStringLiteral("static const char *const ") + name + QStringLiteral("[] = {") + quotedTokens.join(QStringLiteral(", "))
        + QStringLiteral("};\n");
}

// The regional formats of dates and times, fixed when the code was made.
QString cDateConstants()
{
    QString out = u'\n' + cTokenArray(QStringLiteral("DATE_FORMAT"), DatePatterns::dateDisplay())
        + cTokenArray(QStringLiteral("TIME_FORMAT"), DatePatterns::timeDisplay());
    QStringList dates;
    QStringList twoDigits;
    for (const DatePatterns::DateRead &read : DatePatterns::dateReads()) {
        const QString name = QStringLiteral("DATE_READ_") + QString::number(dates.size());
        out += cTokenArray(name, read.tokens);
        dates.append(name);
        twoDigits.append(read.twoDigitYear ? QStringLiteral("1") : QStringLiteral("0"));
    }
    QStringList times;
    for (const QStringList &read : DatePatterns::timeReads()) {
        const QString name = QStringLiteral("TIME_READ_") + QString::number(times.size());
        out += cTokenArray(name, read);
        times.append(name);
    }
    const QLocale &locale = Numbers::locale();
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months.append(CRuntime::quoted(locale.monthName(month, QLocale::ShortFormat)));
    return out + QStringLiteral("static const char *const *const DATE_READS[] = {") + dates.join(QStringLiteral(", "))
        + QStringLiteral(", NULL};\nstatic const int DATE_READ_TWO_DIGIT_YEAR[] = {") + twoDigits.join(QStringLiteral(", "))
        + QStringLiteral("};\nstatic const char *const *const TIME_READS[] = {") + times.join(QStringLiteral(", "))
        + QStringLiteral(", NULL};\nstatic const char *const AM_PM_UPPER[] = {") + CRuntime::quoted(locale.amText().toUpper())
        + QStringLiteral(", ") + CRuntime::quoted(locale.pmText().toUpper()) + QStringLiteral("};\nstatic const char *const AM_PM_LOWER[] = {")
        + CRuntime::quoted(locale.amText().toLower()) + QStringLiteral(", ") + CRuntime::quoted(locale.pmText().toLower())
        + QStringLiteral("};\nstatic const char *const MONTHS[] = {") + months.join(QStringLiteral(", ")) + QStringLiteral("};\n");
}

QString cCodePageTable()
{
    QString table = QStringLiteral("\n/* The Turkish code page of ASC and CHR: the character of each byte. */\nstatic const long CP1254[256] = {");
    for (int byte = 0; byte < 256; ++byte)
        table += (byte % 12 == 0 ? QStringLiteral("\n    ") : QStringLiteral(" ")) + QString::number(Windows1254::fromByte(byte)) + u',';
    return table + QStringLiteral("\n};\n");
}

} // namespace

QString CRuntime::text(const QSet<QString> &features)
{
    QSet<QString> wanted = RuntimePieces::wanted(cRuntimePieces(), features);
    QString out;
    for (const RuntimePiece &piece : cRuntimePieces()) {
        const QString feature = QString::fromLatin1(piece.feature);
        if (!wanted.contains(feature))
            continue;
        // The tables come first: C names nothing before it is declared.
        if (feature == u"dates")
            out += cDateConstants();
        out += QString::fromUtf8(piece.code);
        if (feature == u"base" && (wanted.contains(QStringLiteral("parse_number")) || wanted.contains(QStringLiteral("fmt_from"))))
            out += QStringLiteral("\n/* the regional decimal separator, fixed when the code was made */\nstatic const char DECIMAL[] = ")
                + quoted(Numbers::locale().decimalPoint()) + QStringLiteral(";\n");
        if (feature == u"base" && wanted.contains(QStringLiteral("compare")))
            out += QStringLiteral("static const char ALPHABET[] = ") + quoted(RuntimePieces::alphabet(Numbers::locale())) + QStringLiteral(";\n");
        if (feature == u"cp1254")
            out += cCodePageTable();
    }
    return out;
}
