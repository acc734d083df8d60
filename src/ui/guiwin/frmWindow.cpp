#include "ui/guiwin/frmWindow.h"

#include "guiwin/GuiTemplates.h"
#include "guiwin/ObjectStatement.h"
#include "guiwin/StoreVariables.h"
#include "guiwin/WindowSession.h"
#include "interp/RunControl.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/GuiCollectionAccess.h"
#include "ui/guiwin/GuiLoaders.h"
#include "ui/guiwin/ScreenTwips.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>

namespace {
const QString noParameters = QStringLiteral("NO_PARAMETERS");
}

frmWindow::frmWindow(WindowSession &session, RunParts parts, RunControl &run, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_session(session)
    , m_parts(parts)
    , m_run(run)
{
    setWindowTitle(tr("Pencere"));
    if (owner)
        setWindowIcon(owner->windowIcon());
}

frmWindow::~frmWindow() = default;

void frmWindow::load(const cBlock &windowBlock)
{
    const QString sizeRecord = windowBlock.zParam1();
    const QString objectRecords = windowBlock.zParam2();
    m_session.beginLoad(windowBlock);
    m_gui = new GUI_Collection(this, &m_parts.log, ScreenTwips::of(this), GuiTemplates::runtime());
    GuiLoaders::applyWindowSize(this, sizeRecord);
    GuiLoaders::loadObjectRecords(*m_gui, objectRecords, true);
    keepRightClicks();
    connect(m_gui, &GUI_Collection::clicked, this, [this](cGUI_obj *object) { post(object->sFunction1(), noParameters); });
    connect(m_gui, &GUI_Collection::mousePressed, this, &frmWindow::objectPressed);
    m_session.finishLoad();
}

// A text object whose right button runs a function shows no context menu of its own.
void frmWindow::keepRightClicks()
{
    m_gui->forEach([](cGUI_obj *object) {
        const GuiKind::Kind kind = object->kind();
        if (object->sFunction2().isEmpty() || (kind != GuiKind::TextArea && kind != GuiKind::TextBox))
            return;
        object->objGUI()->setContextMenuPolicy(Qt::NoContextMenu);
        if (auto *area = qobject_cast<QAbstractScrollArea *>(object->objGUI()))
            area->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    });
}

void frmWindow::objectPressed(cGUI_obj *object, Qt::MouseButton button, QPoint pos)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    const bool left = button == Qt::LeftButton;
    if (object->kind() == GuiKind::Button) {
        if (!left) // a button's left button acts through its click
            post(object->sFunction2(), noParameters);
        return;
    }
    post(left ? object->sFunction1() : object->sFunction2(), positionText(*object, pos));
}

// Pictures count in pixels, text objects in twips (whole twips, so that the decimal separator
// of the locale never meets the comma between the two numbers).
QString frmWindow::positionText(const cGUI_obj &object, QPoint pos) const
{
    if (object.kind() == GuiKind::Picture)
        return QString::number(pos.x()) + u',' + QString::number(pos.y());
    const TwipsScale &scale = m_gui->scale();
    return QString::number(scale.toTwipsX(pos.x())) + u',' + QString::number(scale.toTwipsY(pos.y()));
}

// Event functions run from the event loop, never inside the widget's own mouse handling.
void frmWindow::post(const QString &function, const QString &parameter)
{
    if (function.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, function, parameter] {
            if (!m_unloaded)
                m_session.objectEvent(function, parameter);
        },
        Qt::QueuedConnection);
}

bool frmWindow::processObjectDefinition(const QString &target, const QString &source)
{
    GuiCollectionAccess access(this, *m_gui);
    StoreVariables variables(m_parts.vars);
    ObjectStatement statement(access, variables, m_parts.log, m_parts.project.projectFolder());
    return statement.processObjectDefinition(target, source);
}

void frmWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_session.unloaded();
    hide();
    deleteLater();
}

void frmWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_unloaded)
        m_session.activated();
}

void frmWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_unloaded)
        return;
    m_session.resized(isMinimized());
    // A run that ended inside the resize handler could not unload the window there.
    if (m_parts.flags.windowClosedByRun && !m_run.runInProgress())
        unload();
}

void frmWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_unloaded)
        return;
    switch (m_session.closeRequested()) {
    case WindowSession::Close::Ignore:
        unload();
        break;
    case WindowSession::Close::AfterFunction:
        break; // hidden; the run continues after the WINDOW block once the function is back
    case WindowSession::Close::Resume: {
        const quint64 serial = m_run.runSerial();
        unload();
        m_session.resumeAfterWindow(serial);
        break;
    }
    }
}
