#include "exercise/GradeReport.h"

#include "base/CheckedFileWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

namespace {

QString seconds(double value)
{
    return QString::number(value, 'f', 3);
}

// A CSV field, quoted when it holds a separator, a quote, a line break or blanks at its ends.
QString reportCsvField(const QString &text)
{
    const bool plain = !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n')
        && !text.contains(u'\r') && text.trimmed() == text;
    if (plain)
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

QJsonObject testObject(const TestResult &test)
{
    return QJsonObject{{QStringLiteral("name"), test.name},
                       {QStringLiteral("passed"), test.passed()},
                       {QStringLiteral("hidden"), test.hidden},
                       {QStringLiteral("reason"), test.reason},
                       {QStringLiteral("seconds"), test.seconds}};
}

// XML 1.0 has no place for most control characters, nor for halves of surrogate pairs: a
// chart's output may hold any of them, and each becomes the replacement character.
QString xmlSafe(const QString &text)
{
    QString safe = text;
    for (qsizetype i = 0; i < safe.size(); ++i) {
        const char16_t c = safe[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < safe.size() && safe[i + 1].isLowSurrogate();
        if (pair) {
            ++i;
            continue;
        }
        const bool control = c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
        if (control || QChar::isSurrogate(c) || c == 0xFFFE || c == 0xFFFF)
            safe[i] = QChar::ReplacementCharacter;
    }
    return safe;
}

int failures(const ChartGrade &grade)
{
    return grade.total() - grade.passed();
}

} // namespace

GradeReport::GradeReport(QString title, QList<ChartGrade> grades)
    : m_title(std::move(title)), m_grades(std::move(grades))
{
}

std::optional<GradeReport::Format> GradeReport::formatOf(const QString &path)
{
    const QString lower = path.toLower();
    if (lower.endsWith(QStringLiteral(".csv")))
        return Format::Csv;
    if (lower.endsWith(QStringLiteral(".json")))
        return Format::Json;
    if (lower.endsWith(QStringLiteral(".xml")))
        return Format::JUnit;
    return std::nullopt;
}

QByteArray GradeReport::csv() const
{
    QString text = QStringLiteral("chart,passed,total,seconds,first_failure\r\n");
    for (const ChartGrade &grade : m_grades) {
        const TestResult *failure = grade.firstFailure();
        text += reportCsvField(grade.chart) + u',' + QString::number(grade.passed()) + u',' + QString::number(grade.total())
            + u',' + seconds(grade.seconds) + u',' + reportCsvField(failure ? failure->name : QString())
            + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray GradeReport::json() const
{
    QJsonArray charts;
    for (const ChartGrade &grade : m_grades) {
        QJsonArray tests;
        for (const TestResult &test : grade.tests)
            tests.append(testObject(test));
        charts.append(QJsonObject{{QStringLiteral("chart"), grade.chart},
                                  {QStringLiteral("passed"), grade.passed()},
                                  {QStringLiteral("total"), grade.total()},
                                  {QStringLiteral("seconds"), grade.seconds},
                                  {QStringLiteral("tests"), tests}});
    }
    return QJsonDocument(charts).toJson(QJsonDocument::Indented);
}

QByteArray GradeReport::junit() const
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    int tests = 0;
    int failed = 0;
    double time = 0;
    for (const ChartGrade &grade : m_grades) {
        tests += grade.total();
        failed += failures(grade);
        time += grade.seconds;
    }
    xml.writeStartElement(QStringLiteral("testsuites"));
    xml.writeAttribute(QStringLiteral("name"), xmlSafe(m_title));
    xml.writeAttribute(QStringLiteral("tests"), QString::number(tests));
    xml.writeAttribute(QStringLiteral("failures"), QString::number(failed));
    xml.writeAttribute(QStringLiteral("time"), seconds(time));
    for (const ChartGrade &grade : m_grades) {
        xml.writeStartElement(QStringLiteral("testsuite"));
        xml.writeAttribute(QStringLiteral("name"), xmlSafe(grade.chart));
        xml.writeAttribute(QStringLiteral("tests"), QString::number(grade.total()));
        xml.writeAttribute(QStringLiteral("failures"), QString::number(failures(grade)));
        xml.writeAttribute(QStringLiteral("errors"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("skipped"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("time"), seconds(grade.seconds));
        for (const TestResult &test : grade.tests) {
            xml.writeStartElement(QStringLiteral("testcase"));
            xml.writeAttribute(QStringLiteral("name"), xmlSafe(test.name));
            xml.writeAttribute(QStringLiteral("classname"), xmlSafe(grade.chart));
            xml.writeAttribute(QStringLiteral("time"), seconds(test.seconds));
            if (!test.passed()) {
                xml.writeStartElement(QStringLiteral("failure"));
                xml.writeAttribute(QStringLiteral("message"), xmlSafe(test.reason));
                xml.writeCharacters(xmlSafe(test.reason));
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

QByteArray GradeReport::render(Format format) const
{
    switch (format) {
    case Format::Csv:
        return csv();
    case Format::Json:
        return json();
    case Format::JUnit:
        return junit();
    }
    return QByteArray();
}

bool GradeReport::write(const QString &path, Format format, QString *failure) const
{
    CheckedFileWriter writer(path);
    if (writer.write(render(format)))
        return true;
    if (failure)
        *failure = writer.errorText();
    return false;
}
