#include "project/ChartShelf.h"

std::vector<std::unique_ptr<KeptChart>>::iterator ChartShelf::find(const QString &path)
{
    // Searched from the back: the chart used last is the likeliest.
    for (auto it = m_charts.end(); it != m_charts.begin();) {
        --it;
        if ((*it)->origin.isFrom(path))
            return it;
    }
    return m_charts.end();
}

std::unique_ptr<KeptChart> ChartShelf::remove(std::vector<std::unique_ptr<KeptChart>>::iterator at)
{
    std::unique_ptr<KeptChart> chart = std::move(*at);
    m_charts.erase(at);
    m_bytes -= chart->origin.stamp.size;
    return chart;
}

std::unique_ptr<KeptChart> ChartShelf::take(const QString &path)
{
    const auto it = find(path);
    return it == m_charts.end() ? nullptr : remove(it);
}

void ChartShelf::drop(const QString &path)
{
    const auto it = find(path);
    if (it != m_charts.end())
        remove(it);
}

void ChartShelf::put(std::unique_ptr<KeptChart> chart)
{
    const qint64 bytes = chart->origin.stamp.size;
    if (!chart->origin.known() || bytes > MaxBytes)
        return;
    drop(chart->origin.path);
    while (!m_charts.empty() && (m_charts.size() >= MaxCharts || m_bytes + bytes > MaxBytes))
        remove(m_charts.begin());
    m_charts.push_back(std::move(chart));
    m_bytes += bytes;
}
