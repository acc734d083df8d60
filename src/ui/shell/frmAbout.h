#pragma once

#include "shell/SystemInfoTool.h"

#include <QDialog>

class LinkLabel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: the program's icon, title, version, the product's page, the support address
// and (when the build names one) the source repository as links, the warranty disclaimer, the system-information program and the update check. Shown modally
// over the main window by "Program Hakkında"; Tamam hides it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner = nullptr);

    // Where "Sistem Bilgisi..." looks for a program (tests point it at a folder of their own).
    void setSystemInfoTool(const SystemInfoTool &tool) { m_systemInfo = tool; }

    static QString disclaimerText();

protected:
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildWidgets();
    QLayout *buildHeader();
    QLayout *buildButtons();
    void clearUnderlines();
    void lblURL_Click();
    void lblEmail_Click();
    void lblRepository_Click();
    void cmdSysInfo_Click();
    void cmdCheckForUpdate_Click();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    LinkLabel *lblURL = nullptr;
    LinkLabel *lblEmail = nullptr;
    LinkLabel *lblRepository = nullptr; // only when the build names a repository
    QPlainTextEdit *txtDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QPushButton *cmdCheckForUpdate = nullptr;
    SystemInfoTool m_systemInfo;
};
