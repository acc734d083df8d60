#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// The identifiers of a generated program: each variable keeps the student's name where the
// language allows it, made valid and kept apart from the language's words, the runtime's
// helpers and every other name.
class NameTable {
public:
    // Letters beyond ASCII (Python and Java take Turkish letters; C gets them transliterated).
    enum Letters { AnyLetters, AsciiLetters };
    explicit NameTable(Letters letters) : m_letters(letters) {}

    void reserve(const QString &identifier) { m_taken.insert(identifier); }
    // The identifier for `key`, made from `spelling` when the key is new.
    QString add(const QString &key, const QString &spelling);
    QString of(const QString &key) const { return m_names.value(key); }
    // A new identifier built on `base`.
    QString fresh(const QString &base);

    // ç→c, ğ→g, ı→i, İ→I, ö→o, ş→s, ü→u (and the capitals); other letters stay.
    static QString transliterate(const QString &text);

private:
    QString valid(const QString &spelling) const;

    Letters m_letters;
    QHash<QString, QString> m_names;
    QSet<QString> m_taken;
};
