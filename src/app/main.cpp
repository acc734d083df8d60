#include "interp/Numbers.h"
#include "project/RecentProjects.h"
#include "shell/DataLocator.h"
#include "shell/FileAssociation.h"
#include "shell/InterfaceLanguage.h"
#include "shell/Registry.h"
#include "shell/SettingsModule.h"
#include "shell/StartUp.h"
#include "ui/main/ProjectCommands.h"
#include "ui/main/RecoveryCommands.h"
#include "ui/main/frmMain.h"
#include "ui/shell/AppIcon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

// The interface language: --lang for this start, else the user's choice. Turkish loads Qt's own
// dialogs and buttons in Turkish ("Evet", "Hayır", "İptal"); English loads the program's texts.
void installLanguage(QApplication &app, QStringList &arguments)
{
    QString error;
    const std::optional<InterfaceLanguage::Choice> option = InterfaceLanguage::takeOption(arguments, error);
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));
    const InterfaceLanguage::Choice choice =
        option.value_or(InterfaceLanguage::saved(RecentProjects::defaultSettingsFile()));
    InterfaceLanguage::install(app, choice, DataLocator().dataFolder());
}

// Unsaved changes that a crash left behind are offered over the editor, once it is on screen.
void offerRecoveryOnceShown(frmMain &window)
{
    QTimer::singleShot(0, &window, [&window] { window.projectCommands()->recovery().offerRecovery(); });
}

} // namespace

int main(int argc, char **argv)
{
    // The folder the program was started from, before start-up makes the program folder current.
    const QString startFolder = QDir::currentPath();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    // Every window, the about box among them, shows the program's icon; the desktop entry's name
    // lets a Wayland compositor find it too.
    QApplication::setWindowIcon(AppIcon::icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("varnel"));
    // The program ends by its own rules (main window closed, start-up flow finished).
    QApplication::setQuitOnLastWindowClosed(false);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    installLanguage(app, arguments);
    Numbers::useLocale(QLocale());

    const QString programFolder = QApplication::applicationDirPath();
    const QString exeBaseName = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
    SettingsModule settings;
    const StartPlan plan = StartUp::decide(StartUp::requestFromArguments(arguments), programFolder,
                                           exeBaseName, settings, startFolder);
    if (plan.mode == StartPlan::Mode::FileNotFound) {
        QMessageBox::information(nullptr, Project::baseTitle(), plan.notFoundMessage);
        return 0;
    }

    frmMain window;
    window.project().setProjectFolder(plan.projectFolder.isEmpty() ? programFolder + u'/' : plan.projectFolder);
    if (!plan.settingsNotice.isEmpty())
        window.log().mBox(plan.settingsNotice);
    switch (plan.mode) {
    case StartPlan::Mode::EditorEmpty:
        if (plan.runAssociation) {
            Registry registry(&window.log());
            FileAssociation(settings, registry, &window.log(), QApplication::applicationFilePath()).associateFileType();
        }
        window.show();
        offerRecoveryOnceShown(window);
        break;
    case StartPlan::Mode::EditorWithFile:
        window.openStartFile(plan.path);
        window.show();
        offerRecoveryOnceShown(window);
        break;
    case StartPlan::Mode::StartUpFlow:
        // Once the event loop runs, so that the end of the run can end it.
        QTimer::singleShot(0, &window, [&window, &plan] { window.runStartUpFlow(plan.path); });
        break;
    case StartPlan::Mode::FileNotFound:
        break;
    }
    return QApplication::exec();
}
