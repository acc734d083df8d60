#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;

// The user's breakpoints: per chart file (by its canonical path) the tag IDs of the blocks
// where a run pauses, each with its condition text (empty: always). They belong to the user,
// not to the chart, so they are kept in the user's settings and never in the chart file.
class Breakpoints : public QObject {
    Q_OBJECT
public:
    explicit Breakpoints(QObject *parent = nullptr);

    // The key a chart's breakpoints are kept under: the canonical path when the file exists.
    static QString chartKey(const QString &path);

    bool isEmpty() const { return m_charts.isEmpty(); }
    bool has(const QString &chart, const QString &tag) const;
    QString condition(const QString &chart, const QString &tag) const;
    // The tags of a chart's breakpoints, in no particular order.
    QStringList tagsOf(const QString &chart) const;

    void set(const QString &chart, const QString &tag, const QString &condition = QString());
    void remove(const QString &chart, const QString &tag);
    // Sets or removes; true when the block has a breakpoint afterwards.
    bool toggle(const QString &chart, const QString &tag);
    void clear();

    // Every chart's breakpoints, kept in the settings' "breakpoints" group.
    void load(QSettings &settings);
    void save(QSettings &settings) const;

Q_SIGNALS:
    void changed();

private:
    static QString tagKey(const QString &tag) { return tag.toLower(); }

    // chart key -> folded tag -> (tag as written, condition)
    QHash<QString, QHash<QString, QStringList>> m_charts;
};
