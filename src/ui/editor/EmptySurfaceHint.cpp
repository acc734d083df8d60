#include "ui/editor/EmptySurfaceHint.h"

#include "model/Block_Collection.h"

#include <QEvent>
#include <QPalette>

EmptySurfaceHint::EmptySurfaceHint(ModelContext &context, Block_Collection &blocks, QWidget *viewport)
    : QLabel(text(), viewport), m_blocks(blocks)
{
    setObjectName(QStringLiteral("lblEmptyHint"));
    setAlignment(Qt::AlignCenter);
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

void EmptySurfaceHint::centre()
{
    adjustSize();
    const QWidget *viewport = parentWidget();
    move((viewport->width() - width()) / 2, (viewport->height() - height()) / 2);
}
