#pragma once

#include "project/KeptChart.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

// The charts of a run that are not on show, kept whole by the path they were loaded from, so
// that a function call or its return shows them again without reading and linking their files.
// Whether a kept chart is still what its file holds is the caller's to check (ChartOrigin).
class ChartShelf {
public:
    // At most this many charts are kept, the one used longest ago going first,
    static constexpr std::size_t MaxCharts = 32;
    // and at most charts read from this many bytes of files in all.
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    // Takes the chart kept under path off the shelf; none when there is none.
    std::unique_ptr<KeptChart> take(const QString &path);
    // Keeps a chart with a known origin in place of any chart of the same path.
    void put(std::unique_ptr<KeptChart> chart);
    void drop(const QString &path);
    void clear()
    {
        m_charts.clear();
        m_bytes = 0;
    }
    std::size_t size() const { return m_charts.size(); }

private:
    std::vector<std::unique_ptr<KeptChart>>::iterator find(const QString &path);
    std::unique_ptr<KeptChart> remove(std::vector<std::unique_ptr<KeptChart>>::iterator at);

    std::vector<std::unique_ptr<KeptChart>> m_charts; // the one used last at the back
    qint64 m_bytes = 0; // of the files the kept charts were read from
};
