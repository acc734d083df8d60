#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "EXE Yap...": the user picks a start-up flow and a target name; the program copies itself
// there with a settings file that runs the flow at start. The main window fills the flow with
// the open project and shows the dialog modally.
class frmMakeExecutable : public QDialog {
    Q_OBJECT
public:
    // programPath: the program that is copied; the running one unless a test says otherwise.
    explicit frmMakeExecutable(QWidget *owner = nullptr,
                               QString programPath = QCoreApplication::applicationFilePath());

    void setStartUpFlow(const QString &path);
    QString startUpFlow() const;

private:
    void buildWidgets();
    QString programFolder() const;
    QString askForTarget();
    void showMessage(const QString &text, bool failure);
    void cmdGetStartFlow_Click();
    void cmdMake_Click();

    QLabel *lblStartUpFlow = nullptr;
    QLineEdit *txtStartUpFlow = nullptr;
    QPushButton *cmdGetStartFlow = nullptr;
    QPushButton *cmdMake = nullptr;
    QPushButton *cmdCancel = nullptr;
    QString m_programPath;
};
