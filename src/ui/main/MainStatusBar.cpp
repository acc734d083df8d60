#include "ui/main/MainStatusBar.h"

#include "model/ActionCode.h"
#include "project/Project.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/main/ToolColumn.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int screenRateMs = 40;

QString toolWordOf(ActionCode code)
{
    switch (code) {
    case ActionCode::Start:
        return QStringLiteral("START");
    case ActionCode::Stop:
        return QStringLiteral("END");
    case ActionCode::Input:
        return QStringLiteral("INPUT");
    case ActionCode::Output:
        return QStringLiteral("OUTPUT");
    case ActionCode::IfEqual:
    case ActionCode::IfNotEqual:
    case ActionCode::IfLess:
    case ActionCode::IfLessEqual:
    case ActionCode::IfGreater:
    case ActionCode::IfGreaterEqual:
        return QStringLiteral("JUNCTION");
    case ActionCode::Intersection:
        return QStringLiteral("INTERSECTION");
    case ActionCode::Function:
        return QStringLiteral("FUNCTION");
    case ActionCode::Window:
        return QStringLiteral("WINDOW");
    default:
        return QStringLiteral("ACTION");
    }
}

const ToolColumn::Tool *toolOf(const QString &word)
{
    for (const ToolColumn::Tool &tool : ToolColumn::tools())
        if (tool.word == word)
            return &tool;
    return nullptr;
}

QToolButton *zoomButton(QAction *action, const QString &sign, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(sign);
    button->setToolTip(action->text() + QStringLiteral(" (") + action->shortcut().toString(QKeySequence::NativeText) +
                       u')');
    button->setAccessibleName(action->text());
    button->setAutoRaise(true);
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    return button;
}

} // namespace

MainStatusBar::MainStatusBar(Project &project, DrawingSurface &surface, ToolColumn &tools, QWidget *parent)
    : QStatusBar(parent), m_project(project), m_block(new QLabel(this)), m_hint(new QLabel(this))
{
    setObjectName(QStringLiteral("statusBar"));
    m_block->setObjectName(QStringLiteral("lblStatusBlock"));
    m_block->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("id0000 · ") + tr("Şartlı Dallanma")));
    m_hint->setObjectName(QStringLiteral("lblStatusHint"));
    addWidget(m_block);
    addWidget(m_hint, 1);
    buildZoom(surface);

    m_selectionLater.setSingleShot(true);
    m_selectionLater.setInterval(screenRateMs);
    connect(&m_selectionLater, &QTimer::timeout, this, &MainStatusBar::showSelected);
    const auto later = [this] {
        if (!m_selectionLater.isActive())
            m_selectionLater.start();
    };
    ModelContext &context = project.context();
    connect(&context, &ModelContext::selectionChanged, this, later);
    connect(&context, &ModelContext::replaced, this, later);
    connect(&project.theBlockCollection(), &Block_Collection::blockChanged, this, later);
    connect(&project.theBlockCollection(), &Block_Collection::blockRemoved, this, later);
    connect(&project.theBlockCollection(), &Block_Collection::cleared, this, later);
    connect(&tools, &ToolColumn::armedChanged, this, [this](const QString &word) { showArmed(word); });
    showSelected();
    showArmed(tools.armedWord());
}

void MainStatusBar::buildZoom(DrawingSurface &surface)
{
    m_zoomOut = zoomButton(surface.zoomOutAction(), QStringLiteral("−"), this);
    m_zoomOut->setObjectName(QStringLiteral("cmdZoomOut"));
    m_zoomIn = zoomButton(surface.zoomInAction(), QStringLiteral("+"), this);
    m_zoomIn->setObjectName(QStringLiteral("cmdZoomIn"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sldZoom"));
    m_slider->setRange(DrawingSurface::minimumZoom, DrawingSurface::maximumZoom);
    m_slider->setPageStep(25);
    m_slider->setFixedWidth(120);
    m_slider->setToolTip(tr("Yakınlaştırma"));
    m_slider->setAccessibleName(tr("Yakınlaştırma"));
    m_zoomLevel = new QLabel(this);
    m_zoomLevel->setObjectName(QStringLiteral("lblZoom"));
    m_zoomLevel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("%400")) + 4);
    m_zoomLevel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_zoomLevel->setToolTip(tr("Yakınlaştırma düzeyi"));
    addPermanentWidget(m_zoomOut);
    addPermanentWidget(m_slider);
    addPermanentWidget(m_zoomIn);
    addPermanentWidget(m_zoomLevel);
    connect(m_slider, &QSlider::valueChanged, &surface, [&surface](int percent) {
        if (percent != surface.zoomPercent())
            surface.setZoomPercent(percent);
    });
    connect(&surface, &DrawingSurface::zoomChanged, this, &MainStatusBar::showZoom);
    showZoom(surface.zoomPercent());
}

QString MainStatusBar::kindOf(ActionCode code)
{
    const ToolColumn::Tool *tool = toolOf(toolWordOf(code));
    return tool ? tool->label : QString();
}

void MainStatusBar::showSelected()
{
    const ModelContext &context = m_project.context();
    const qint16 selected = context.selectedIndex();
    const cBlock *block = context.hasShape(selected)
        ? m_project.theBlockCollection().item(context.shape(selected).tag) : nullptr;
    if (!block || block->theObjectShape() != selected) {
        m_block->setText(tr("Seçili blok yok"));
        return;
    }
    m_block->setText(block->TagID() + QStringLiteral(" · ") + kindOf(block->actionCode()));
}

void MainStatusBar::showArmed(const QString &word)
{
    const ToolColumn::Tool *tool = toolOf(word);
    m_hint->setText(tool ? tr("%1: yerleştirmek için çizim alanında bir yere tıklayın; "
                              "vazgeçmek için araç sütununun boş yerine tıklayın.")
                               .arg(tool->label)
                         : QString());
}

void MainStatusBar::showZoom(int percent)
{
    // Turkish writes the sign before the number, English after it.
    m_zoomLevel->setText(tr("%%1").arg(percent));
    const QSignalBlocker quiet(m_slider);
    m_slider->setValue(percent);
}
