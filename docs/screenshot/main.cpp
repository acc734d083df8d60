// Draws the README's screenshot without a display: the main window with a chart that has just
// run, and its console beside it, grabbed offscreen and put side by side.
//   varnel-screenshot CHART.vnp OUTPUT.png
#include "interp/Numbers.h"
#include "interp/RunControl.h"
#include "project/Project.h"
#include "ui/RunControlPanel.h"
#include "ui/frmMain.h"
#include "ui/runwin/frmScreen.h"
#include "ui/shell/AppIcon.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include <cstdio>

namespace {

void settle(int rounds = 20)
{
    for (int i = 0; i < rounds; ++i)
        QApplication::processEvents();
}

QPixmap sideBySide(const QPixmap &left, const QPixmap &right)
{
    const int gap = 16;
    QPixmap picture(left.width() + gap + right.width(), std::max(left.height(), right.height()));
    picture.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(left.width() + gap, 0, right);
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setWindowIcon(AppIcon::icon());
    if (argc != 3) {
        std::fputs("usage: varnel-screenshot CHART.vnp OUTPUT.png\n", stderr);
        return 2;
    }
    Numbers::useLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    frmMain window;
    window.project().setProjectFolder(QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/');
    window.openStartFile(QString::fromLocal8Bit(argv[1]));
    window.resize(900, 620);
    window.show();
    window.runControls()->scroll_ExecutionDelay->setValue(0);
    window.runtime().run.cmdRun_ClickP();
    const QDeadlineTimer deadline(30000);
    while (window.runtime().run.runInProgress() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    window.screen()->resize(420, 360);
    window.screen()->refresh();
    settle();
    if (!sideBySide(window.grab(), window.screen()->grab()).save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "varnel-screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
