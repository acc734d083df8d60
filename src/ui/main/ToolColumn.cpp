#include "ui/main/ToolColumn.h"

#include "render/BlockPainter.h"
#include "ui/editor/ToolDrag.h"

#include <QApplication>
#include <QDrag>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr QSize iconPixels(44, 24);

QPixmap shapePixmap(qint16 shape, QSize size, qreal dpr)
{
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // A diamond or a circle is drawn in its own proportions, the others fill the icon.
    QRectF rect(0.5, 0.5, size.width() - 1.5, size.height() - 1.5);
    if (shape == BlockPainter::Circle)
        rect = QRectF(rect.center().x() - rect.height() / 2, rect.top(), rect.height(), rect.height());
    BlockPainter::paint(painter, shape, rect, QColor(0xFF, 0xFF, 0xE8), QColor(0x20, 0x30, 0x80));
    return pixmap;
}

qreal highestScreenRatio()
{
    qreal ratio = 1;
    for (const QScreen *screen : QGuiApplication::screens())
        ratio = std::max(ratio, screen->devicePixelRatio());
    return ratio;
}

} // namespace

ToolColumn::ToolColumn(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraToolBar1"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 8, 4, 4);
    layout->setSpacing(3);
    const QSize size = buttonSize();
    for (const Tool &tool : tools()) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setText(tool.label);
        button->setToolTip(tool.label + u'\n' + tool.does);
        button->setAccessibleName(tool.label);
        button->setAccessibleDescription(tool.does);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(iconFor(tool.shape));
        button->setIconSize(QSize(40, 20));
        button->setFixedSize(size);
        button->setAutoRaise(false);
        connect(button, &QToolButton::clicked, this, [this, &tool] { arm(tool); });
        button->installEventFilter(this);
        layout->addWidget(button, 0, Qt::AlignHCenter);
        m_buttons.append(button);
    }
    layout->addStretch(1);
}

const QVector<ToolColumn::Tool> &ToolColumn::tools()
{
    using S = BlockPainter::Shape;
    static const QVector<Tool> list = {
        {"cmdStart", tr("Başla"), tr("Programın başladığı blok; her akış şemasında bir tane olur."),
         QStringLiteral("START"), S::Oval},
        {"cmdAction", tr("İşlem"), tr("Bir değişkene değer verir ya da bir hesap yapar."),
         QStringLiteral("ACTION"), S::Rectangle},
        {"cmdInput", tr("Giriş"), tr("Kullanıcının yazdığı değeri bir değişkene okur."),
         QStringLiteral("INPUT"), S::Parallelogram},
        {"cmdOutput", tr("Çıkış"), tr("Bir yazıyı ya da değişkenin değerini ekrana yazar."),
         QStringLiteral("OUTPUT"), S::Parallelogram},
        {"cmdJunction", tr("Şartlı Dallanma"),
         tr("İki değeri karşılaştırır: şart doğruysa EVET, değilse HAYIR çizgisinden devam eder."),
         QStringLiteral("JUNCTION"), S::Diamond},
        {"cmdIntersection", tr("Bağlantı"), tr("Birden çok çizgiyi tek noktada birleştirir."),
         QStringLiteral("INTERSECTION"), S::Circle},
        {"cmdFunction", tr("Fonksiyon"),
         tr("Başka bir akış şemasını fonksiyon olarak çağırır ve sonucunu alır."),
         QStringLiteral("FUNCTION"), S::Function},
        {"cmdWindow", tr("Pencere"), tr("Tasarladığınız pencereyi program çalışırken açar."),
         QStringLiteral("WINDOW"), S::Rectangle},
        {"cmdEnd", tr("Dur"), tr("Programı ya da çağrılan fonksiyonu bitirir."),
         QStringLiteral("END"), S::Oval},
    };
    return list;
}

// One size for every button: the widest name fits under its icon.
QSize ToolColumn::buttonSize() const
{
    int widest = 0;
    for (const Tool &tool : tools())
        widest = std::max(widest, fontMetrics().horizontalAdvance(tool.label));
    return QSize(std::max(60, widest + 12), 20 + fontMetrics().height() + 12);
}

QIcon ToolColumn::iconFor(qint16 shape)
{
    QIcon icon;
    for (qreal dpr : {1.0, 2.0})
        icon.addPixmap(shapePixmap(shape, iconPixels, dpr));
    return icon;
}

QCursor ToolColumn::cursorFor(qint16 shape)
{
    return QCursor(shapePixmap(shape, QSize(32, 18), highestScreenRatio()), 0, 0);
}

QToolButton *ToolColumn::button(const QString &word) const
{
    for (int i = 0; i < tools().size(); ++i)
        if (tools()[i].word == word)
            return m_buttons[i];
    return nullptr;
}

void ToolColumn::arm(const Tool &tool)
{
    if (!m_active)
        return;
    m_armedWord = tool.word;
    Q_EMIT armedChanged(m_armedWord, cursorFor(tool.shape));
}

void ToolColumn::disarm()
{
    m_armedWord.clear();
    Q_EMIT armedChanged(m_armedWord, QCursor(Qt::ArrowCursor));
}

void ToolColumn::mousePressEvent(QMouseEvent *event)
{
    disarm();
    QFrame::mousePressEvent(event);
}

// A press on a tool and a move beyond the drag distance start a drag; a press and a release
// stay a click, which arms the tool.
bool ToolColumn::eventFilter(QObject *watched, QEvent *event)
{
    const int index = int(m_buttons.indexOf(watched));
    const bool mouse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove;
    if (index == -1 || !m_active || !mouse)
        return QFrame::eventFilter(watched, event);
    const auto *pointer = static_cast<QMouseEvent *>(event);
    const QPoint at = pointer->position().toPoint();
    if (event->type() == QEvent::MouseButtonPress) {
        if (pointer->button() == Qt::LeftButton)
            m_pressedAt = at;
    } else if (pointer->buttons().testFlag(Qt::LeftButton)
               && (at - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        drag(index);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

// A drag carries the tool and leaves the armed tool as it was; the button it began on comes up.
void ToolColumn::drag(int index)
{
    const Tool &tool = tools()[index];
    auto *drag = new QDrag(m_buttons[index]);
    drag->setMimeData(ToolDrag::mimeData(tool.word));
    drag->setPixmap(iconFor(tool.shape).pixmap(iconPixels, devicePixelRatio()));
    drag->setHotSpot(QPoint(0, 0));
    drag->exec(Qt::CopyAction);
    m_buttons[index]->setDown(false);
}
