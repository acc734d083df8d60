#include "ui/editor/EmptySurfaceHint.h"

#include "model/Block_Collection.h"

#include <QEvent>
#include <algorithm>
#include <QPalette>

EmptySurfaceHint::EmptySurfaceHint(ModelContext &context, Block_Collection &blocks, QWidget *viewport)
    : QLabel(text(), viewport), m_blocks(blocks)
{
    setObjectName(QStringLiteral("lblEmptyHint"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // On the surface's white a label writes in the Text role; both roles take the faint colour
    // input fields use for their hints.
    QPalette faint = palette();
    faint.setColor(QPalette::WindowText, faint.color(QPalette::PlaceholderText));
    faint.setColor(QPalette::Text, faint.color(QPalette::PlaceholderText));
    setPalette(faint);
    viewport->installEventFilter(this);
    const auto later = [this] { follow(); };
    connect(&blocks, &Block_Collection::blockAdded, this, later);
    connect(&blocks, &Block_Collection::blockRemoved, this, later);
    connect(&blocks, &Block_Collection::cleared, this, later);
    connect(&context, &ModelContext::replaced, this, later);
    follow();
}

QString EmptySurfaceHint::text()
{
    return tr("İlk bloğu yerleştirmek için soldaki araçlardan birini seçip buraya tıklayın.\n"
              "Yeni bir program için: Dosya > Yeni");
}

bool EmptySurfaceHint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        centre();
    return QLabel::eventFilter(watched, event);
}

void EmptySurfaceHint::follow()
{
    bool empty = true;
    for (const auto &block : m_blocks)
        if (block->hasElement() && block->Visible()) {
            empty = false;
            break;
        }
    setVisible(empty);
    if (empty)
        centre();
}

// On its lines as written where there is room; wrapped to the surface where it is narrower (a
// docked console beside it, a large scale), rather than cut off at both sides.
void EmptySurfaceHint::centre()
{
    const QWidget *viewport = parentWidget();
    const int natural = fontMetrics().boundingRect(QRect(), 0, text()).width() + 2 * margin() + 2;
    const int w = std::max(1, std::min(natural, viewport->width() - 2 * sideRoom));
    const int h = heightForWidth(w);
    setGeometry((viewport->width() - w) / 2, (viewport->height() - h) / 2, w, h);
}
