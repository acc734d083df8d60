#pragma once

#include "exercise/EditedChart.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class QPlainTextEdit;

// The "Kod" dock: the Python of the chart on screen, made again a moment after the last edit.
// The lines of one block can be marked (the run's current block, the selected block), and a
// click on a line asks for the block it comes from.
class CodeView : public QWidget {
    Q_OBJECT
public:
    using ChartSource = std::function<EditedChart()>;
    // How long the view waits after an edit before it makes the code again: typing a caption
    // is many edits in a row.
    static constexpr int DelayMs = 400;

    explicit CodeView(QWidget *parent = nullptr);

    void setChartSource(ChartSource source) { m_source = std::move(source); }
    // The chart changed: the code follows after DelayMs without further edits.
    void chartEdited() { m_delay.start(); }
    // Makes the code now.
    void refresh();
    // Marks the lines of the block with this tag when the code on show is of that chart;
    // anything else (another chart during a call, an empty tag) clears the mark.
    void markBlock(const QString &chartPath, const QString &tag);

    QPlainTextEdit *text() const { return m_text; }
    const QString &markedTag() const { return m_markedTag; }
    // The first and the last line (0-based) of a block's code; {-1, -1} for a block not in it.
    QPair<int, int> linesOf(const QString &tag) const;
    // The block a line of the code comes from; empty above the first block.
    QString blockAt(int line) const;

Q_SIGNALS:
    void blockClicked(const QString &tag);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMark();

    QPlainTextEdit *m_text;
    QTimer m_delay;
    ChartSource m_source;
    QString m_chartPath;
    QList<QPair<int, QString>> m_blockLines; // sorted by line
    QString m_markedTag;
};
