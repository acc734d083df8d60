#pragma once

#include <QTextBrowser>

// Shows one chapter of the handbook: Qt renders the Markdown, the chapter is then prepared
// (heading anchors, picture sizes) and scrolled to the heading the address names. Links
// between chapters and the back and forward history are the text browser's own.
class HandbookBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HandbookBrowser(QWidget *parent = nullptr);

    // Marks every place where the words of the query occur (Turkish marks and letter case
    // ignored) and moves to the first one from the shown heading on; nothing for an empty query.
    void highlight(const QString &query);

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    void showHeading(const QString &anchor);

    QUrl m_preparedPage;
};
