#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

// A chart and the charts it calls as one program in Python, C or Java that prints what the
// chart prints, number for number, in the regional settings in force (Numbers::locale()).
class CodeExport {
public:
    enum Language { Python, C, Java };

    // "python", "c" or "java", in any letter case.
    static std::optional<Language> languageNamed(const QString &name);
    static QString fileExtension(Language language);

    // False with `error` set (in the user's words) when the chart cannot be loaded or uses a
    // window. Java's class is named after `className` (made valid).
    bool exportChart(const QString &path, Language language, const QString &className = QString());

    const QString &code() const { return m_code; }
    const QString &error() const { return m_error; }
    // Whether every chart came out as branches and loops (no state machine).
    bool structured() const { return m_structured; }
    // The main chart's blocks by line of code (0-based line, tag ID): where a block's code starts.
    const QList<QPair<int, QString>> &blockLines() const { return m_blockLines; }

private:
    QString m_code;
    QString m_error;
    bool m_structured = false;
    QList<QPair<int, QString>> m_blockLines;
};
