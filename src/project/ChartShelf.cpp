#include "project/ChartShelf.h"

std::vector<std::unique_ptr<KeptChart>>::iterator ChartShelf::find(const QString &path)
{
    // Searched from the back: the chart used last is the likeliest.
    for (auto it = m_charts.end(); it != m_charts.begin();) {
        --it;
        if ((*it)->origin.path == path)
            return it;
    }
    return m_charts.end();
}

std::unique_ptr<KeptChart> ChartShelf::take(const QString &path)
{
    const auto it = find(path);
    if (it == m_charts.end())
        return nullptr;
    std::unique_ptr<KeptChart> chart = std::move(*it);
    m_charts.erase(it);
    return chart;
}

void ChartShelf::drop(const QString &path)
{
    const auto it = find(path);
    if (it != m_charts.end())
        m_charts.erase(it);
}

qint64 ChartShelf::bytesKept() const
{
    qint64 total = 0;
    for (const auto &chart : m_charts)
        total += chart->origin.stamp.size;
    return total;
}

void ChartShelf::put(std::unique_ptr<KeptChart> chart)
{
    if (!chart->origin.known() || chart->origin.stamp.size > MaxBytes)
        return;
    drop(chart->origin.path);
    while (!m_charts.empty()
           && (m_charts.size() >= MaxCharts || bytesKept() + chart->origin.stamp.size > MaxBytes))
        m_charts.erase(m_charts.begin());
    m_charts.push_back(std::move(chart));
}
