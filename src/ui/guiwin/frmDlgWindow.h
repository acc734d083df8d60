#pragma once

#include "guiwin/WindowParams.h"
#include "ui/guiwin/DesignerContext.h"

#include <QDialog>
#include <QPoint>
#include <QStringList>
#include <array>
#include <optional>

class GUI_Collection;
class QComboBox;
class QLineEdit;
class QPushButton;
class SizeHandle;
class cGUI_obj;

// The window designer ("Pencere Düzenleyicisi"): the canvas stands for the window's client
// area; objects are added from the toolbar, moved by dragging and resized with eight handles.
// Built from a WINDOW block's three parameters; after OK (accepted), result() holds the new
// three; the four function boxes' texts have gone to addRecentFunc.
class frmDlgWindow : public QDialog {
    Q_OBJECT
public:
    frmDlgWindow(const WindowParams &params, DesignerContext context, QWidget *parent = nullptr);
    ~frmDlgWindow() override;

    void setWindowPARAMS(const QString &sSIZE, const QString &sWIN_EVENTS);
    // fillCombo_func on the four function boxes; runs on every activation.
    void refillFunctionBoxes();

    // The definition as OK would write it now.
    WindowParams windowParams() const;
    const WindowParams &result() const { return m_result; }
    // cmbFunction1, cmbFunction2, cmbFuncOnLoad, cmbFuncOnResize.
    QStringList usedFunctionNames() const;

    GUI_Collection &theGUI() const { return *m_gui; }
    cGUI_obj *selectedGUI() const { return m_selected; }
    QWidget *canvas() const { return m_picWin; }
    SizeHandle *handle(int i) const { return m_handles[std::size_t(i)]; }

    void addObject(int kind); // cmdAdd element k
    void deleteSelected();    // cmdDelete
    bool confirm();           // cmdOK: false when a name is not unique
    void javaTest();          // cmdJavaTest

protected:
    bool event(QEvent *event) override;
    // Opens the Java export for a definition (none: nothing to export); tests replace it.
    virtual void openJavaTest(const std::optional<WindowParams> &params);

private:
    QWidget *buildCanvas();
    QWidget *buildToolbar();
    QWidget *buildProperties();
    QWidget *buildEvents();
    QComboBox *functionBox(const QString &name);
    void wireEditing();
    void select(cGUI_obj *object);
    void showProperties();
    void clearProperties();
    void placeHandles();
    void hideHandles();
    void objectPressed(cGUI_obj *object, QPoint pos);
    void objectMoved(cGUI_obj *object, QPoint pos);
    void handleMoved(int index, QPoint pos);
    QString duplicateNameMessage() const;
    QSize canvasTwips() const;

    DesignerContext m_context;
    WindowParams m_original;
    WindowParams m_result;
    GUI_Collection *m_gui = nullptr;
    cGUI_obj *m_selected = nullptr;
    QWidget *m_picWin = nullptr;
    std::array<SizeHandle *, 8> m_handles{};
    std::array<QPoint, 8> m_handleTwips{};
    QLineEdit *m_txtName = nullptr;
    QLineEdit *m_txtCaption = nullptr;
    QComboBox *m_cmbFunction1 = nullptr;
    QComboBox *m_cmbFunction2 = nullptr;
    QComboBox *m_cmbFuncOnLoad = nullptr;
    QComboBox *m_cmbFuncOnResize = nullptr;
    QPushButton *m_cmdOK = nullptr;
    bool m_dragging = false;
    QPoint m_grab;
    bool m_resizing = false;
    QPoint m_handleGrab;
    bool m_liveProperties = true;
    // The canvas size last asked for, in twips and as shown, so an unchanged canvas keeps the
    // exact twips it was given.
    QSize m_askedTwips;
    QSize m_askedPixels;
};
