#pragma once

#include "exercise/ChartGrade.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The grades of a class as a file that spreadsheets, school platforms and CI systems read:
// CSV (one row per chart), JSON (every test of every chart) or JUnit XML (a testsuite per
// chart, a testcase per test, a failure with its reason).
class GradeReport {
public:
    enum class Format { Csv, Json, JUnit };

    GradeReport(QString title, QList<ChartGrade> grades);

    // By the file name's extension: .csv, .json or .xml (any letter case).
    static std::optional<Format> formatOf(const QString &path);

    QByteArray csv() const;
    QByteArray json() const;
    QByteArray junit() const;
    QByteArray render(Format format) const;
    // Written completely or not at all; false with the cause in *failure.
    bool write(const QString &path, Format format, QString *failure) const;

private:
    QString m_title;
    QList<ChartGrade> m_grades;
};
