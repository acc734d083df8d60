// libFuzzer target: any bytes, as a project file, through the whole load (with and without
// picture elements) and, when it loads, a save and a reload that must give the same drawing.

#include "ProjectTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir &scratchDir()
{
    // In memory where there is such a folder: every input is written and read back.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/varnel-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/varnel-fuzz-XXXXXX"));
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_project_file";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    QTemporaryDir &dir = scratchDir();
    if (!dir.isValid())
        std::abort();
    const QString file = dir.filePath(QStringLiteral("input.vnp"));
    if (!ProjectTest::writeBytes(file, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        std::abort();
    const QString problem = ProjectTest::checkProjectFile(file, dir.filePath(QStringLiteral("saved.vnp")), false);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
