#pragma once

#include <QString>
#include <QStringList>

// A fixed pick list of operators and the action code each item stands for, in item order.
class OperationList {
public:
    static const OperationList &arithmetic();
    static const OperationList &strings();
    static const OperationList &comparison();

    const QStringList &items() const { return m_items; }
    // The action code of the item at index; empty when the index is out of range.
    QString codeAt(int index) const;
    // The item index of an action code (exact comparison); -1 when the list does not hold it.
    int indexOfCode(const QString &code) const;

private:
    OperationList(QStringList items, QStringList codes);

    QStringList m_items;
    QStringList m_codes;
};
