#pragma once

#include <QString>
#include <QStringList>

// A recent-entry list that feeds the editable lists of the property dialogs: unsorted, unique
// texts (exact comparison), no size limit, never loses an item.
class RecentList {
public:
    RecentList() = default;
    explicit RecentList(QStringList initial);

    // The recent functions start with the built-in function names.
    static RecentList withBuiltInFunctions();

    // Appends the text unless it is empty or already held.
    void add(const QString &text);
    const QStringList &items() const { return m_items; }

private:
    QStringList m_items;
};
