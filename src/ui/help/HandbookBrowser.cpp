#include "ui/help/HandbookBrowser.h"

#include "ui/help/HandbookDocument.h"
#include "ui/help/HandbookText.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

namespace {

// The letters a folded letter stands for: the query "yigin" finds "Yığın" and "YIĞIN".
QString letterClass(QChar folded)
{
    static const QHash<QChar, QString> variants{
        {u'c', QStringLiteral("cçCÇ")}, {u'g', QStringLiteral("gğGĞ")}, {u'i', QStringLiteral("iıİI")},
        {u'o', QStringLiteral("oöOÖ")}, {u's', QStringLiteral("sşSŞ")}, {u'u', QStringLiteral("uüUÜ")},
    };
    const auto it = variants.constFind(folded);
    return it == variants.cend() ? QRegularExpression::escape(QString(folded))
                                 : QStringLiteral("[") + *it + QStringLiteral("]");
}

QRegularExpression queryExpression(const QString &query)
{
    QStringList words;
    for (const QString &word : HandbookText::fold(query).split(u' ', Qt::SkipEmptyParts)) {
        QString pattern;
        for (const QChar c : word)
            pattern += letterClass(c);
        words.append(pattern);
    }
    return QRegularExpression(words.join(u'|'), QRegularExpression::CaseInsensitiveOption);
}

} // namespace

HandbookBrowser::HandbookBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("handbookBrowser"));
    setOpenExternalLinks(true);
}

void HandbookBrowser::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    QUrl page = name;
    page.setFragment(QString());
    QTextBrowser::doSetSource(name, type);
    if (page != m_preparedPage) {
        HandbookDocument::prepare(*document());
        m_preparedPage = page;
    }
    setExtraSelections({});
    showHeading(name.fragment());
}

void HandbookBrowser::showHeading(const QString &anchor)
{
    const int position = anchor.isEmpty() ? 0 : HandbookDocument::positionOf(*document(), anchor);
    QTextCursor cursor(document());
    cursor.setPosition(qMax(position, 0));
    setTextCursor(cursor);
    document()->adjustSize();
    const QTextBlock block = document()->findBlock(cursor.position());
    const QRectF box = document()->documentLayout()->blockBoundingRect(block);
    verticalScrollBar()->setValue(int(box.top()));
}

void HandbookBrowser::highlight(const QString &query)
{
    QList<QTextEdit::ExtraSelection> marks;
    const QRegularExpression expression = queryExpression(query);
    if (HandbookText::fold(query).trimmed().isEmpty() || !expression.isValid()) {
        setExtraSelections(marks);
        return;
    }
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 230, 120));
    const int from = textCursor().position();
    int first = -1;
    for (QTextCursor found = document()->find(expression); !found.isNull();
         found = document()->find(expression, found)) {
        marks.append({found, marked});
        if (first == -1 && found.selectionStart() >= from)
            first = found.selectionStart();
    }
    setExtraSelections(marks);
    if (first != -1) {
        QTextCursor cursor(document());
        cursor.setPosition(first);
        setTextCursor(cursor);
        ensureCursorVisible();
    }
}
