#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Where each value of a well-formed JSON text stands, by its path: member names and array
// indexes joined by "/" ("tests/2/name"; "" for the whole text). QJsonDocument keeps no places,
// so a fault found after parsing is placed by this second, plain walk over the same text.
class JsonPlaces {
public:
    struct Place {
        int line = 1;
        int column = 1;
    };

    // The text must be one that QJsonDocument accepted.
    explicit JsonPlaces(QByteArray json);

    // Where the member's name stands (for an array item, the item itself); the start of the
    // text for a path it does not have.
    Place of(const QString &path) const;
    // The value as written: a number's own digits, a string with its quotes.
    QByteArray rawValue(const QString &path) const;
    // A member whose name repeats an earlier member's in the same object.
    struct Repeat {
        QString name;
        Place place;
    };
    const QList<Repeat> &repeatedNames() const { return m_repeated; }

    // Line and column, both from 1, of a byte offset into UTF-8 text; columns count characters.
    static Place placeAt(QByteArrayView text, qsizetype offset);

private:
    struct Span {
        qsizetype name = 0;
        qsizetype start = 0;
        qsizetype end = 0;
    };

    void skipBlanks();
    QString readName();
    void walkValue(const QString &path, qsizetype nameAt);
    void walkObject(const QString &path);
    void walkArray(const QString &path);
    void skipString();

    QByteArray m_json;
    qsizetype m_pos = 0;
    QHash<QString, Span> m_spans;
    QList<Repeat> m_repeated;
};
