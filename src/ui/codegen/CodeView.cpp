#include "ui/codegen/CodeView.h"

#include "ui/codegen/ChartCode.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A line that only closes what lines above opened belongs to no block of its own.
bool closesOnly(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed == u'}' || trimmed.startsWith(QStringLiteral("} else"))
        || trimmed == QStringLiteral("else:") || trimmed == QStringLiteral("pass");
}

} // namespace

CodeView::CodeView(QWidget *parent) : QWidget(parent), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("codeView"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setToolTip(tr("Şemanın Python kodu; bir satıra tıklamak o satırın bloğunu seçer"));
    m_text->viewport()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    m_delay.setSingleShot(true);
    m_delay.setInterval(DelayMs);
    connect(&m_delay, &QTimer::timeout, this, &CodeView::refresh);
}

void CodeView::refresh()
{
    m_delay.stop();
    if (!m_source)
        return;
    const EditedChart chart = m_source();
    CodeExport code;
    QString error;
    m_blockLines.clear();
    m_chartPath = chart.path;
    const int scroll = m_text->verticalScrollBar()->value();
    if (ChartCode::make(chart, CodeExport::Python, code, error)) {
        m_text->setPlainText(code.code());
        m_blockLines = code.blockLines();
        std::stable_sort(m_blockLines.begin(), m_blockLines.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
    } else {
        m_text->setPlainText(tr("# Bu şemanın kodu gösterilemiyor:\n# ") + error);
    }
    m_text->verticalScrollBar()->setValue(scroll);
    showMark();
}

QPair<int, int> CodeView::linesOf(const QString &tag) const
{
    for (qsizetype i = 0; i < m_blockLines.size(); ++i) {
        if (m_blockLines[i].second != tag)
            continue;
        const int first = m_blockLines[i].first;
        const int next = i + 1 < m_blockLines.size() ? m_blockLines[i + 1].first : m_text->blockCount();
        int last = first;
        while (last + 1 < next && !closesOnly(m_text->document()->findBlockByNumber(last + 1).text()))
            ++last;
        return {first, last};
    }
    return {-1, -1};
}

QString CodeView::blockAt(int line) const
{
    QString tag;
    for (const auto &[first, blockTag] : m_blockLines) {
        if (first > line)
            break;
        tag = blockTag;
    }
    return tag;
}

void CodeView::markBlock(const QString &chartPath, const QString &tag)
{
    m_markedTag = chartPath == m_chartPath ? tag : QString();
    showMark();
}

void CodeView::showMark()
{
    QList<QTextEdit::ExtraSelection> marks;
    const auto [first, last] = linesOf(m_markedTag);
    if (first >= 0) {
        QTextEdit::ExtraSelection mark;
        mark.format.setBackground(QColor(255, 236, 140));
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        for (int line = first; line <= last; ++line) {
            mark.cursor = QTextCursor(m_text->document()->findBlockByNumber(line));
            marks.append(mark);
        }
        m_text->setTextCursor(QTextCursor(m_text->document()->findBlockByNumber(last)));
        m_text->ensureCursorVisible();
        m_text->setTextCursor(QTextCursor(m_text->document()->findBlockByNumber(first)));
        m_text->ensureCursorVisible();
    }
    m_text->setExtraSelections(marks);
}

bool CodeView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QString tag = blockAt(m_text->cursorForPosition(mouse->position().toPoint()).blockNumber());
            if (!tag.isEmpty())
                Q_EMIT blockClicked(tag);
        }
    }
    return QWidget::eventFilter(watched, event);
}
