#include "project/ProjectFileWriter.h"

#include "base/CheckedFileWriter.h"
#include "base/MessageLog.h"
#include "base/TextEncoding.h"
#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/VarnelError.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ProjectFileWriter {

namespace {

const QLatin1String LineEnd("\r\n");

void numericLine(QString &out, const QString &number, QLatin1String label)
{
    out += number;
    out += Separator;
    out += label;
    out += LineEnd;
}

void textLine(QString &out, const QString &text)
{
    out += text;
    out += LineEnd;
}

} // namespace

void writeFile(const QString &path, QByteArrayView bytes)
{
    CheckedFileWriter writer(path);
    if (!writer.write(bytes))
        throw VarnelError(writer.error(), QStringLiteral("saveProjectFile"), writer.errorText());
}

QString escapeNewlines(const QString &text)
{
    // A CR or a LF alone is a line break as well: written as it is, it would end the file's
    // line early. One pass, each character copied once however many breaks there are.
    const auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
    const auto firstBreak = [&](qsizetype from) {
        const auto found = std::find_if(text.begin() + from, text.end(), isBreak);
        return found == text.end() ? qsizetype(-1) : qsizetype(found - text.begin());
    };
    qsizetype at = firstBreak(0);
    if (at < 0)
        return text;
    const QStringView whole(text);
    QString result;
    result.reserve(text.size() + text.size() / 2 + 2);
    qsizetype copied = 0;
    for (; at >= 0; at = firstBreak(copied)) {
        result.append(whole.mid(copied, at - copied));
        result.append(QLatin1String("[\\n]"));
        copied = at + (whole.mid(at, 2) == LineEnd ? 2 : 1);
    }
    result.append(whole.mid(copied));
    return result;
}

QString formatFloat(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // The largest float is 39 digits long and the smallest one 45 decimals: 64 is plenty.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0f,
                                      std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QByteArray encode(QStringView text)
{
    return TextEncoding::encode(text).bytes;
}

QString utf8Notice(const QString &character)
{
    const char32_t code = character.toUcs4().value(0);
    const QString codeText = QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    return QCoreApplication::translate("ProjectFileWriter",
                                       "Proje UTF-8 olarak kaydedildi:\r\n%1 (%2) Windows-1254 ile saklanamıyor.")
        .arg(character, codeText);
}

void save(const QString &path, const Block_Collection &blocks, const Line_Collection &lines, MessageLog &log)
{
    // Everything is formatted before the file is touched.
    const TextEncoding::Encoded file = TextEncoding::encode(serializeText(blocks, lines));
    writeFile(path, file.bytes);
    if (!file.unstorable.isEmpty())
        log.mBox(utf8Notice(file.unstorable));
}

QByteArray serialize(const Block_Collection &blocks, const Line_Collection &lines)
{
    return encode(serializeText(blocks, lines));
}

QString serializeText(const Block_Collection &blocks, const Line_Collection &lines)
{
    QString out;
    numericLine(out, QString::number(blocks.Count()), QLatin1String("SHAPES"));
    numericLine(out, QString::number(lines.Count()), QLatin1String("LINES"));
    for (const auto &block : blocks) {
        textLine(out, block->TagID());
        numericLine(out, QString::number(block->Shape()), QLatin1String("TYPE"));
        numericLine(out, formatFloat(block->shapeLeft()), QLatin1String("LEFT"));
        numericLine(out, formatFloat(block->shapeTop()), QLatin1String("TOP"));
        numericLine(out, QString::number(block->shapeWidth()), QLatin1String("WIDTH"));
        numericLine(out, QString::number(block->shapeHeight()), QLatin1String("HEIGHT"));
        numericLine(out, QString::number(block->BGColor()), QLatin1String("BACKCOLOR"));
        numericLine(out, QString::number(block->BorderColor()), QLatin1String("BORDERCOLOR"));
        // The text colour carries the label of the line before it.
        numericLine(out, QString::number(block->TextColor()), QLatin1String("BORDERCOLOR"));
        textLine(out, QStringLiteral("-reserved 1-"));
        textLine(out, QStringLiteral("-reserved 2-"));
        textLine(out, block->zAction());
        for (int slot = 0; slot < 3; ++slot)
            textLine(out, escapeNewlines(block->zParam(slot)));
    }
    textLine(out, QStringLiteral("  "));
    textLine(out, QStringLiteral("---- LINES ---- from,to ----"));
    for (const auto &line : lines) {
        textLine(out, line->sFrom() + u',' + line->sTo());
        textLine(out, QStringLiteral("reserved 1"));
        textLine(out, line->sCaption());
    }
    return out;
}

} // namespace ProjectFileWriter
