#pragma once

#include "ui/help/Handbook.h"

#include <QSet>
#include <QWidget>

class HandbookBrowser;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The handbook window: the contents as a tree on the left, the chapter on the right, a search
// box over the text above them, and back, forward and contents buttons. It never blocks the
// program; F1 and the help menu bring it forward at the fitting place.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Handbook handbook, QWidget *owner = nullptr);

    // Shows "chapter.md#anchor" (or a whole chapter) and brings the window forward.
    void showTopic(const QString &topic);
    // The chapter file and heading anchor last shown.
    QString currentTopic() const;

    const Handbook &handbook() const { return m_handbook; }
    HandbookBrowser *browser() const { return m_browser; }
    QTreeWidget *contents() const { return m_contents; }
    QLineEdit *searchBox() const { return m_search; }

private:
    QWidget *buildToolRow();
    void buildContents();
    void search(const QString &query);
    void openItem(QTreeWidgetItem *item);
    void openFirstHit();
    void followSource(const QUrl &source);
    void showMissing();
    // Where the handbook opens, in whichever language it is written.
    QString firstChapter() const;

    Handbook m_handbook;
    HandbookBrowser *m_browser;
    QTreeWidget *m_contents;
    QLineEdit *m_search;
    QSet<QString> m_found; // the topics of the last search's hits
    bool m_following = false;
};
