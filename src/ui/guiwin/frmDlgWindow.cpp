#include "ui/guiwin/frmDlgWindow.h"

#include "base/MessageLog.h"
#include "guiwin/CaptionText.h"
#include "guiwin/DefinitionFields.h"
#include "guiwin/GuiKind.h"
#include "guiwin/GuiTemplates.h"
#include "guiwin/WindowDefinition.h"
#include "model/Rounding.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/GuiLoaders.h"
#include "ui/guiwin/ScreenTwips.h"
#include "ui/guiwin/SizeHandle.h"
#include "ui/guiwin/frmJavaTest.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int handleSize = 110;                 // twips
constexpr QSize initialCanvasTwips(4365, 3585); // also the smallest window the designer writes
constexpr int okFrameMargin = 105;              // twips between OK and its frame

const char *const addCaptions[GuiKind::Count] = {"Button", "Text Area", "Picture", "Text Box"};
const char *const idPrefixes[GuiKind::Count] = {"Button", "TextArea", "Picture", "TextBox"};

qint16 halfTerm(int edge, int size)
{
    return DefinitionFields::toInt16(edge + size / 2.0 - handleSize / 2.0);
}
}

frmDlgWindow::frmDlgWindow(const WindowParams &params, DesignerContext context, QWidget *parent)
    : QDialog(parent)
    , m_context(std::move(context))
    , m_original(params)
    , m_result(params)
{
    setWindowTitle(tr("Pencere Düzenleyicisi"));
    setObjectName(QStringLiteral("frmDlgWindow"));
    // Nothing beside the canvas may hold the dialog larger than the smallest canvas: the side
    // column scrolls and the toolbar folds its buttons into an extension menu.
    auto *grid = new QGridLayout(this);
    grid->addWidget(buildCanvas(), 0, 0);
    auto *side = new QWidget;
    auto *sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(QMargins());
    sideColumn->addWidget(buildProperties());
    sideColumn->addWidget(buildEvents());
    sideColumn->addStretch();
    auto *sideScroll = new QScrollArea;
    sideScroll->setWidget(side);
    sideScroll->setWidgetResizable(true);
    sideScroll->setFrameShape(QFrame::NoFrame);
    sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideScroll->setMinimumWidth(side->minimumSizeHint().width()
                                + sideScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    auto *right = new QVBoxLayout;
    right->addWidget(sideScroll, 1);
    grid->addLayout(right, 0, 1);
    grid->addWidget(buildToolbar(), 1, 0, 1, 2);
    auto *okFrame = new QFrame;
    okFrame->setObjectName(QStringLiteral("ShapeForBTNOK"));
    okFrame->setFrameShape(QFrame::Box);
    auto *okLayout = new QHBoxLayout(okFrame);
    const TwipsScale scale = ScreenTwips::of(this);
    okLayout->setContentsMargins(QMargins() + scale.toPixelsX(okFrameMargin));
    m_cmdOK = new QPushButton(tr("Tamam"));
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    okLayout->addWidget(m_cmdOK);
    right->addWidget(okFrame, 0, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmDlgWindow::confirm);

    m_gui = new GUI_Collection(m_picWin, m_context.log, scale, GuiTemplates::designer());
    m_gui->setIntercepting(true);
    connect(m_gui, &GUI_Collection::mousePressed, this,
            [this](cGUI_obj *object, Qt::MouseButton, QPoint pos) { objectPressed(object, pos); });
    connect(m_gui, &GUI_Collection::mouseMoved, this, &frmDlgWindow::objectMoved);
    connect(m_gui, &GUI_Collection::mouseReleased, this, [this] {
        m_dragging = false;
        placeHandles();
    });
    wireEditing();
    refillFunctionBoxes();
    setWindowPARAMS(params.zParam1, params.zParam3);
    GuiLoaders::loadObjectRecords(*m_gui, params.zParam2, false);
}

frmDlgWindow::~frmDlgWindow() = default;

QWidget *frmDlgWindow::buildCanvas()
{
    m_picWin = new QWidget;
    m_picWin->setObjectName(QStringLiteral("picWin"));
    m_picWin->setAutoFillBackground(true);
    m_picWin->setBackgroundRole(QPalette::Base);
    const TwipsScale scale = ScreenTwips::of(this);
    m_picWin->setMinimumSize(int(std::ceil(initialCanvasTwips.width() / scale.twipsPerPixelX())),
                             int(std::ceil(initialCanvasTwips.height() / scale.twipsPerPixelY())));
    m_picWin->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (int i = 0; i < 8; ++i) {
        auto *handle = new SizeHandle(i, m_picWin);
        m_handles[std::size_t(i)] = handle;
        connect(handle, &SizeHandle::pressed, this, [this](int, QPoint pos) {
            m_handleGrab = pos;
            m_resizing = true;
        });
        connect(handle, &SizeHandle::moved, this, &frmDlgWindow::handleMoved);
        connect(handle, &SizeHandle::released, this, [this] {
            m_resizing = false;
            placeHandles();
        });
    }
    return m_picWin;
}

QWidget *frmDlgWindow::buildToolbar()
{
    auto *bar = new QToolBar;
    bar->setObjectName(QStringLiteral("fraToolbar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto addButton = [bar](const QString &caption, const QString &name) {
        auto *button = new QPushButton(caption);
        button->setObjectName(name);
        button->setAutoDefault(false); // Enter belongs to OK
        bar->addWidget(button);
        return button;
    };
    for (int k = 0; k < GuiKind::Count; ++k) {
        QPushButton *add = addButton(QString::fromLatin1(addCaptions[k]), QStringLiteral("cmdAdd%1").arg(k));
        connect(add, &QPushButton::clicked, this, [this, k] { addObject(k); });
    }
    bar->addSeparator();
    connect(addButton(QStringLiteral("Delete"), QStringLiteral("cmdDelete")), &QPushButton::clicked, this,
            &frmDlgWindow::deleteSelected);
    bar->addSeparator();
    connect(addButton(QStringLiteral("Java Test"), QStringLiteral("cmdJavaTest")), &QPushButton::clicked, this,
            &frmDlgWindow::javaTest);
    return bar;
}

QWidget *frmDlgWindow::buildProperties()
{
    auto *frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("fraProperties"));
    auto *form = new QFormLayout(frame);
    m_txtName = new QLineEdit;
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtCaption = new QLineEdit;
    m_txtCaption->setObjectName(QStringLiteral("txtCaption"));
    form->addRow(QStringLiteral("Name: "), m_txtName);
    form->addRow(QStringLiteral("Caption: "), m_txtCaption);
    return frame;
}

QComboBox *frmDlgWindow::functionBox(const QString &name)
{
    auto *box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(14);
    box->addItem(QStringLiteral("CLEAR"));
    box->setEditText(QString());
    return box;
}

QWidget *frmDlgWindow::buildEvents()
{
    auto *frame = new QGroupBox(QStringLiteral(" Events "));
    frame->setObjectName(QStringLiteral("fraEvents"));
    auto *form = new QFormLayout(frame);
    m_cmbFunction1 = functionBox(QStringLiteral("cmbFunction1"));
    m_cmbFunction2 = functionBox(QStringLiteral("cmbFunction2"));
    m_cmbFuncOnLoad = functionBox(QStringLiteral("cmbFuncOnLoad"));
    m_cmbFuncOnResize = functionBox(QStringLiteral("cmbFuncOnResize"));
    form->addRow(QStringLiteral("Left Click:"), m_cmbFunction1);
    form->addRow(QStringLiteral("Right Click:"), m_cmbFunction2);
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    form->addRow(line);
    form->addRow(QStringLiteral("On Load:"), m_cmbFuncOnLoad);
    form->addRow(QStringLiteral("On Resize:"), m_cmbFuncOnResize);
    return frame;
}

// Every keystroke or list choice goes to the selected object at once, unless the boxes are
// being filled from it.
void frmDlgWindow::wireEditing()
{
    const auto live = [this] { return m_selected && m_liveProperties; };
    connect(m_txtName, &QLineEdit::textChanged, this, [this, live](const QString &text) {
        if (live())
            m_selected->setSID(text);
    });
    connect(m_txtCaption, &QLineEdit::textChanged, this, [this, live](const QString &text) {
        if (live())
            m_selected->setSText(CaptionText::fromTyped(text));
    });
    connect(m_cmbFunction1, &QComboBox::editTextChanged, this, [this, live](const QString &text) {
        if (live())
            m_selected->setSFunction1(text);
    });
    connect(m_cmbFunction2, &QComboBox::editTextChanged, this, [this, live](const QString &text) {
        if (live())
            m_selected->setSFunction2(text);
    });
}

void frmDlgWindow::refillFunctionBoxes()
{
    if (!m_context.fillCombo_func)
        return;
    const bool wasLive = m_liveProperties;
    m_liveProperties = false;
    for (QComboBox *box : {m_cmbFunction1, m_cmbFunction2, m_cmbFuncOnLoad, m_cmbFuncOnResize}) {
        const QString text = box->currentText();
        m_context.fillCombo_func(box);
        box->setEditText(text);
    }
    m_liveProperties = wasLive;
}

bool frmDlgWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        refillFunctionBoxes();
    return QDialog::event(event);
}

void frmDlgWindow::setWindowPARAMS(const QString &sSIZE, const QString &sWIN_EVENTS)
{
    QString fields = sSIZE;
    const qint16 w = DefinitionFields::toInt16(DefinitionFields::number(DefinitionFields::nextField(fields)));
    const qint16 h = DefinitionFields::toInt16(DefinitionFields::number(DefinitionFields::nextField(fields)));
    const TwipsScale &scale = ScreenTwips::of(this);
    m_askedTwips = QSize(w, h);
    m_askedPixels = QSize(scale.toPixelsX(w), scale.toPixelsY(h));
    // At its smallest the dialog holds the smallest canvas; the canvas takes all that is added.
    const QSize smallest = m_picWin->minimumSize();
    resize(minimumSizeHint() + (m_askedPixels.expandedTo(smallest) - smallest));
    QString events = sWIN_EVENTS;
    m_cmbFuncOnLoad->setEditText(DefinitionFields::nextField(events));
    m_cmbFuncOnResize->setEditText(DefinitionFields::nextField(events));
}

QSize frmDlgWindow::canvasTwips() const
{
    if (m_picWin->size() == m_askedPixels)
        return m_askedTwips.expandedTo(initialCanvasTwips);
    const TwipsScale &scale = m_gui->scale();
    return QSize(scale.toTwipsX(m_picWin->width()), scale.toTwipsY(m_picWin->height())).expandedTo(initialCanvasTwips);
}

void frmDlgWindow::addObject(int kind)
{
    const auto k = GuiKind::Kind(kind);
    const QString id = QString::fromLatin1(idPrefixes[k]) + QString::number(m_gui->familySize(k));
    cGUI_obj *object = m_gui->Add(id, GuiKind::word(k));
    if (!object)
        return;
    select(object);
}

void frmDlgWindow::select(cGUI_obj *object)
{
    m_selected = object;
    showProperties();
    placeHandles();
}

void frmDlgWindow::showProperties()
{
    m_liveProperties = false;
    m_txtName->setText(m_selected->sID());
    m_txtCaption->setText(CaptionText::toTyped(m_selected->sText()));
    m_cmbFunction1->setEditText(m_selected->sFunction1());
    m_cmbFunction2->setEditText(m_selected->sFunction2());
    m_liveProperties = true;
}

void frmDlgWindow::clearProperties()
{
    m_liveProperties = false;
    m_txtName->clear();
    m_txtCaption->clear();
    m_cmbFunction1->setEditText(QString());
    m_cmbFunction2->setEditText(QString());
    m_liveProperties = true;
}

void frmDlgWindow::placeHandles()
{
    if (!m_selected)
        return;
    const int x = m_selected->X();
    const int y = m_selected->Y();
    const int w = m_selected->w();
    const int h = m_selected->h();
    const int s = handleSize;
    const qint16 midX = halfTerm(x, w);
    const qint16 midY = halfTerm(y, h);
    m_handleTwips = {QPoint(x - s, y - s), QPoint(midX, y - s), QPoint(x + w, y - s), QPoint(x + w, midY),
                     QPoint(x + w, y + h), QPoint(midX, y + h), QPoint(x - s, y + h), QPoint(x - s, midY)};
    const TwipsScale &scale = m_gui->scale();
    for (std::size_t i = 0; i < m_handles.size(); ++i) {
        const QPoint &at = m_handleTwips[i];
        m_handles[i]->setGeometry(scale.toPixelsX(at.x()), scale.toPixelsY(at.y()), scale.toPixelsX(s),
                                  scale.toPixelsY(s));
        m_handles[i]->raise();
        m_handles[i]->show();
    }
}

void frmDlgWindow::hideHandles()
{
    for (SizeHandle *handle : m_handles)
        handle->hide();
}

void frmDlgWindow::objectPressed(cGUI_obj *object, QPoint pos)
{
    m_grab = pos;
    m_dragging = true;
    select(object);
}

// The grabbed spot stays under the pointer.
void frmDlgWindow::objectMoved(cGUI_obj *object, QPoint pos)
{
    if (!m_dragging || object != m_selected)
        return;
    const QPoint topLeft = object->objGUI()->pos() + (pos - m_grab);
    const TwipsScale &scale = m_gui->scale();
    object->setX(scale.toTwipsX(topLeft.x()));
    object->setY(scale.toTwipsY(topLeft.y()));
    hideHandles();
}

// The edge opposite the handle stays; corners move both ways, 1 and 5 only up and down, 3 and
// 7 only sideways.
void frmDlgWindow::handleMoved(int index, QPoint pos)
{
    if (!m_resizing || !m_selected)
        return;
    const TwipsScale &scale = m_gui->scale();
    const bool sideways = index != 1 && index != 5;
    const bool upDown = index != 3 && index != 7;
    const QPoint &at = m_handleTwips[std::size_t(index)];
    const int l = sideways ? at.x() + int(Rounding::halfEven((pos.x() - m_handleGrab.x()) * scale.twipsPerPixelX())) : at.x();
    const int t = upDown ? at.y() + int(Rounding::halfEven((pos.y() - m_handleGrab.y()) * scale.twipsPerPixelY())) : at.y();
    cGUI_obj &o = *m_selected;
    const int x0 = o.X(), y0 = o.Y(), w0 = o.w(), h0 = o.h();
    const int s = handleSize;
    const auto i16 = [](int v) { return DefinitionFields::toInt16(v); };
    if (index == 0 || index == 6 || index == 7) {
        o.setX(i16(l + s));
        o.setW(i16(x0 - o.X() + w0));
    }
    if (index == 0 || index == 1 || index == 2) {
        o.setY(i16(t + s));
        o.setH(i16(y0 - o.Y() + h0));
    }
    if (index == 2 || index == 3 || index == 4)
        o.setW(i16(l - x0));
    if (index == 4 || index == 5 || index == 6)
        o.setH(i16(t - y0));
    placeHandles();
    m_picWin->update();
}

void frmDlgWindow::deleteSelected()
{
    if (!m_selected)
        return;
    m_selected->setSID(GuiKind::deletedId);
    m_selected->objGUI()->hide();
    hideHandles();
    // The boxes would otherwise keep editing the hidden object and bring its name back.
    m_selected = nullptr;
    clearProperties();
}

QString frmDlgWindow::duplicateNameMessage() const
{
    QString message;
    m_gui->forEach([&](const cGUI_obj *object) {
        if (!message.isEmpty() || object->sID() == GuiKind::deletedId)
            return;
        int count = 0;
        m_gui->forEach([&](const cGUI_obj *other) {
            count += other->sID().compare(object->sID(), Qt::CaseInsensitive) == 0 ? 1 : 0;
        });
        if (count > 1)
            message = tr("%1 isminde %2 adet bileşen var.\r\nHer nesnenin benzersiz ismi olmalıdır!")
                          .arg(object->sID(), QString::number(count));
    });
    return message;
}

WindowParams frmDlgWindow::windowParams() const
{
    WindowDefinition definition;
    const QSize size = canvasTwips();
    definition.width = qint16(size.width());
    definition.height = qint16(size.height());
    m_gui->forEach([&](const cGUI_obj *object) { definition.objects.append(object->record()); });
    definition.onLoad = m_cmbFuncOnLoad->currentText();
    definition.onResize = m_cmbFuncOnResize->currentText();
    return {definition.sizeRecord(), definition.objectRecords(), definition.eventRecord()};
}

QStringList frmDlgWindow::usedFunctionNames() const
{
    return {m_cmbFunction1->currentText(), m_cmbFunction2->currentText(), m_cmbFuncOnLoad->currentText(),
            m_cmbFuncOnResize->currentText()};
}

bool frmDlgWindow::confirm()
{
    const QString duplicate = duplicateNameMessage();
    if (!duplicate.isEmpty()) {
        m_context.log->showModal(duplicate);
        return false;
    }
    m_result = windowParams();
    accept();
    if (m_context.addRecentFunc)
        for (const QString &name : usedFunctionNames())
            m_context.addRecentFunc(name);
    return true;
}

// The export reads what the block holds: the new definition after OK, else the one before.
void frmDlgWindow::javaTest()
{
    const bool saved = confirm();
    openJavaTest(saved ? m_result : m_original);
}

void frmDlgWindow::openJavaTest(const std::optional<WindowParams> &params)
{
    frmJavaTest dialog(params, m_context, isVisible() ? this : parentWidget());
    dialog.exec();
}
