#include "interp/Breakpoints.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString group = QStringLiteral("breakpoints");

} // namespace

Breakpoints::Breakpoints(QObject *parent) : QObject(parent) {}

QString Breakpoints::chartKey(const QString &path)
{
    if (path.isEmpty())
        return path;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

bool Breakpoints::has(const QString &chart, const QString &tag) const
{
    const auto found = m_charts.constFind(chart);
    return found != m_charts.cend() && found->contains(tagKey(tag));
}

QString Breakpoints::condition(const QString &chart, const QString &tag) const
{
    const auto found = m_charts.constFind(chart);
    if (found == m_charts.cend())
        return QString();
    return found->value(tagKey(tag), {QString(), QString()}).value(1);
}

QStringList Breakpoints::tagsOf(const QString &chart) const
{
    QStringList tags;
    for (const QStringList &entry : m_charts.value(chart))
        tags.append(entry[0]);
    return tags;
}

void Breakpoints::set(const QString &chart, const QString &tag, const QString &condition)
{
    m_charts[chart].insert(tagKey(tag), {tag, condition.trimmed()});
    Q_EMIT changed();
}

void Breakpoints::remove(const QString &chart, const QString &tag)
{
    auto found = m_charts.find(chart);
    if (found == m_charts.end() || !found->remove(tagKey(tag)))
        return;
    if (found->isEmpty())
        m_charts.erase(found);
    Q_EMIT changed();
}

bool Breakpoints::toggle(const QString &chart, const QString &tag)
{
    if (has(chart, tag)) {
        remove(chart, tag);
        return false;
    }
    set(chart, tag);
    return true;
}

void Breakpoints::clear()
{
    if (m_charts.isEmpty())
        return;
    m_charts.clear();
    Q_EMIT changed();
}

// One array per chart; each entry is the chart path, the tag and the condition.
void Breakpoints::load(QSettings &settings)
{
    m_charts.clear();
    const int count = settings.beginReadArray(group);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QString chart = settings.value(QStringLiteral("chart")).toString();
        const QString tag = settings.value(QStringLiteral("tag")).toString();
        if (!tag.isEmpty())
            m_charts[chart].insert(tagKey(tag), {tag, settings.value(QStringLiteral("condition")).toString()});
    }
    settings.endArray();
    Q_EMIT changed();
}

void Breakpoints::save(QSettings &settings) const
{
    settings.beginWriteArray(group);
    int index = 0;
    for (auto chart = m_charts.cbegin(); chart != m_charts.cend(); ++chart) {
        for (const QStringList &entry : *chart) {
            settings.setArrayIndex(index++);
            settings.setValue(QStringLiteral("chart"), chart.key());
            settings.setValue(QStringLiteral("tag"), entry[0]);
            settings.setValue(QStringLiteral("condition"), entry[1]);
        }
    }
    settings.endArray();
}
