#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <utility>

// Puts an interface language's texts in place for one test, as a translation file would, and
// takes them out afterwards: each entry is the context, the Turkish text and its translation.
class TranslationScope : public QTranslator {
public:
    struct Entry {
        const char *context;
        QString source;
        QString translation;
    };
    explicit TranslationScope(const QList<Entry> &entries)
    {
        for (const Entry &entry : entries)
            m_texts.insert({QString::fromUtf8(entry.context), entry.source}, entry.translation);
        QCoreApplication::installTranslator(this);
    }
    ~TranslationScope() override { QCoreApplication::removeTranslator(this); }
    TranslationScope(const TranslationScope &) = delete;
    TranslationScope &operator=(const TranslationScope &) = delete;

    bool isEmpty() const override { return m_texts.isEmpty(); }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return m_texts.value({QString::fromUtf8(context), QString::fromUtf8(source)});
    }

private:
    QHash<std::pair<QString, QString>, QString> m_texts;
};
