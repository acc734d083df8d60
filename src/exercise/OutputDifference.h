#pragma once

#include <QString>
#include <optional>

// The first line where what a chart printed and what a test expects part: its number (from 1)
// and the two lines; a line that one side does not have at all is nullopt.
struct OutputDifference {
    int line = 0;
    std::optional<QString> expected;
    std::optional<QString> got;

    // "satır 3: beklenen "Toplam = 15", gelen "Toplam = 14"" and the like, for reports.
    QString text() const;
};
