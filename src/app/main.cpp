#include "interp/Numbers.h"
#include "shell/FileAssociation.h"
#include "shell/Registry.h"
#include "shell/SettingsModule.h"
#include "shell/StartUp.h"
#include "ui/main/ProjectCommands.h"
#include "ui/main/frmMain.h"
#include "ui/shell/AppIcon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

namespace {

// Qt's own dialogs and standard buttons in Turkish ("Evet", "Hayır", "İptal").
void installTurkishTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_tr"), folder))
        QApplication::installTranslator(translator);
}

// Unsaved changes that a crash left behind are offered over the editor, once it is on screen.
void offerRecoveryOnceShown(frmMain &window)
{
    QTimer::singleShot(0, &window, [&window] { window.projectCommands()->offerRecovery(); });
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
    installTurkishTranslations(app);
    Numbers::useLocale(QLocale());

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
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
