#pragma once

#include "guiwin/WindowParams.h"
#include "ui/guiwin/DesignerContext.h"

#include <QDialog>
#include <optional>

class QLabel;

// The Java export dialog: writes GuiTest.java for a window definition (none: no block selected)
// into the program's folder, or into the project's folder when the program's cannot be written.
class frmJavaTest : public QDialog {
    Q_OBJECT
public:
    frmJavaTest(std::optional<WindowParams> params, DesignerContext context, QWidget *parent = nullptr);

    // cmdMake. The path written, empty when nothing was.
    QString make();
    QString targetFolder() const;

private:
    int frameExtraPixels() const;

    std::optional<WindowParams> m_params;
    DesignerContext m_context;
    QLabel *m_lblFolder = nullptr;
};
