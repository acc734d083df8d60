#include "ui/help/HelpWindow.h"

#include "ui/help/HandbookBrowser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QSet>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int TopicRole = Qt::UserRole;

QString topicOf(const QString &fileName, const QString &anchor)
{
    return anchor.isEmpty() ? fileName : fileName + u'#' + anchor;
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(Handbook handbook, QWidget *owner)
    : QWidget(owner, Qt::Window),
      m_handbook(std::move(handbook)),
      m_browser(new HandbookBrowser(this)),
      m_contents(new QTreeWidget(this)),
      m_search(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Varnel Kullanım Kılavuzu"));
    if (owner)
        setWindowIcon(owner->windowIcon());
    m_contents->setObjectName(QStringLiteral("treeContents"));
    m_contents->header()->hide();
    m_contents->setMinimumWidth(200);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 650});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildToolRow());
    layout->addWidget(splitter, 1);
    resize(920, 660);
    buildContents();
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpWindow::openItem);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::openItem);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    if (m_handbook.isEmpty())
        showMissing();
}

QWidget *HelpWindow::buildToolRow()
{
    auto *row = new QWidget(this);
    QToolButton *back = toolButton(row, "cmdBack", tr("◀ Geri"), tr("Önceki sayfa (Alt+Sol)"));
    QToolButton *forward = toolButton(row, "cmdForward", tr("İleri ▶"), tr("Sonraki sayfa (Alt+Sağ)"));
    QToolButton *home = toolButton(row, "cmdContents", tr("İçindekiler"), tr("Kılavuzun başı"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setPlaceholderText(tr("Kılavuzda ara (Ctrl+F)"));
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(tr("Yazdığınız sözcüklerin geçtiği bölümler solda listelenir; Enter ilkini açar."));
    auto *find = new QAction(m_search);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    addAction(find);
    connect(find, &QAction::triggered, m_search, [this] { m_search->setFocus(); m_search->selectAll(); });
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { showTopic(firstChapter()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::openFirstHit);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(back);
    layout->addWidget(forward);
    layout->addWidget(home);
    layout->addStretch(1);
    layout->addWidget(m_search, 2);
    return row;
}

void HelpWindow::buildContents()
{
    for (const HandbookChapter &chapter : m_handbook.chapters()) {
        auto *top = new QTreeWidgetItem(m_contents, {chapter.title});
        top->setData(0, TopicRole, chapter.fileName);
        QTreeWidgetItem *level2 = top;
        for (qsizetype i = 1; i < chapter.sections.size(); ++i) {
            const HandbookSection &section = chapter.sections[i];
            QTreeWidgetItem *parent = section.level <= 2 ? top : level2;
            auto *item = new QTreeWidgetItem(parent, {section.title});
            item->setData(0, TopicRole, topicOf(chapter.fileName, section.anchor));
            if (section.level <= 2)
                level2 = item;
        }
    }
}

void HelpWindow::showTopic(const QString &topic)
{
    if (!m_handbook.isEmpty()) {
        const qsizetype hash = topic.indexOf(u'#');
        const QString fileName = hash == -1 ? topic : topic.left(hash);
        QUrl url = QUrl::fromLocalFile(m_handbook.pathOf(m_handbook.chapter(fileName) ? fileName : firstChapter()));
        if (hash != -1 && m_handbook.chapter(fileName))
            url.setFragment(topic.mid(hash + 1));
        m_browser->setSource(url);
    }
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

QString HelpWindow::firstChapter() const
{
    return m_handbook.isEmpty() ? QString() : m_handbook.chapters().first().fileName;
}

QString HelpWindow::currentTopic() const
{
    return topicOf(m_browser->source().fileName(), m_browser->source().fragment());
}

void HelpWindow::openItem(QTreeWidgetItem *item)
{
    if (!item || m_following)
        return;
    showTopic(item->data(0, TopicRole).toString());
    m_browser->highlight(m_search->text());
}

void HelpWindow::search(const QString &query)
{
    m_found.clear();
    for (const HandbookHit &hit : m_handbook.search(query)) {
        const HandbookChapter *chapter = m_handbook.chapter(hit.fileName);
        const bool chapterHeading = chapter && chapter->sections.first().anchor == hit.anchor;
        m_found.insert(chapterHeading ? hit.fileName : topicOf(hit.fileName, hit.anchor));
    }
    const bool searching = !query.trimmed().isEmpty();
    // While searching only the sections with hits show, each under its chapter.
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it)
        (*it)->setHidden(searching);
    for (QTreeWidgetItemIterator it(m_contents); *it && searching; ++it) {
        if (!m_found.contains((*it)->data(0, TopicRole).toString()))
            continue;
        for (QTreeWidgetItem *item = *it; item; item = item->parent())
            item->setHidden(false);
    }
    if (searching)
        m_contents->expandAll();
    else
        m_contents->collapseAll();
    m_browser->highlight(query);
}

void HelpWindow::openFirstHit()
{
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if (m_found.contains((*it)->data(0, TopicRole).toString())) {
            m_contents->setCurrentItem(*it);
            openItem(*it);
            return;
        }
    }
}

// The tree follows the page on show, also after a link or the back button.
void HelpWindow::followSource(const QUrl &source)
{
    const QString fileName = source.fileName();
    const QString topic = topicOf(fileName, source.fragment());
    QTreeWidgetItem *best = nullptr;
    for (QTreeWidgetItemIterator it(m_contents, QTreeWidgetItemIterator::All); *it; ++it) {
        const QString itemTopic = (*it)->data(0, TopicRole).toString();
        if (itemTopic == topic || (!best && itemTopic == fileName))
            best = *it;
    }
    m_following = true;
    m_contents->setCurrentItem(best);
    m_following = false;
}

void HelpWindow::showMissing()
{
    m_browser->setMarkdown(tr("# Kullanım kılavuzu bulunamadı\n\n"
                              "Kılavuzun dosyaları bu klasörde olmalıydı:\n\n    %1\n\n"
                              "Programı yeniden kurmak kılavuzu da geri getirir.")
                               .arg(m_handbook.folder()));
    m_search->setEnabled(false);
}
