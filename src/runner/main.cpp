#include "exercise/LocaleName.h"
#include "interp/Numbers.h"
#include "runner/CodeCommand.h"
#include "runner/GradeCommand.h"
#include "runner/GradeWorker.h"
#include "runner/TerminalRenderer.h"
#include "runner/TerminalRunner.h"
#include "shell/DataLocator.h"
#include "shell/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

const char *const usage = QT_TRANSLATE_NOOP(
    "RunnerMain",
    "Kullanım: varnel-run [--locale AD] [--max-blocks N] [--counts SAYILAR.csv] [--trace İZ.txt] DOSYA.vnp\n"
    "          varnel-run --render RESİM.png|RESİM.svg|RESİM.pdf DOSYA.vnp\n"
    "          varnel-run --code python|c|java ÇIKTI DOSYA.vnp [--locale AD]\n"
    "          varnel-run --grade ALIŞTIRMA.vnx [--jobs N] [--report RAPOR] ŞEMA.vnp|KLASÖR...\n"
    "  Akış şemasını terminalde çalıştırır: ÇIKIŞ satırları standart çıktıya,\n"
    "  GİRİŞ satırları standart girdiden, iletiler standart hataya.\n"
    "  --locale AD       bölgesel ayarlar (örneğin tr_TR); varsayılan ortamınki\n"
    "  --max-blocks N    N bloktan fazlasını çalıştıran programı durdurur\n"
    "  --counts DOSYA    her bloğun kaç kez çalıştığını DOSYA'ya CSV olarak yazar\n"
    "  --trace DOSYA     çalışan her blok için DOSYA'ya bir satır yazar\n"
    "  --render RESİM    şemayı çalıştırmaz, resmini RESİM dosyasına çizer;\n"
    "                    biçimi uzantısı seçer (PNG, SVG ya da tek sayfa PDF)\n"
    "Çıkış durumu: 0 program sonuna ulaştı (ya da resim yazıldı), 1 program bir\n"
    "hatayla ya da başka bir nedenle durdu, 2 dosya yüklenemedi, resim, sayılar ya da\n"
    "iz dosyası yazılamadı ya da bağımsız değişkenler yanlış.\n");

// A closed standard stream gets /dev/null, read-only, in its place: no file the run opens can
// take its number, and writing to it fails (and is reported) as writing to the closed one would.
void reserveStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY); // the lowest free number is fd
    }
}

// Whether the leading options ask for a picture; decided before any application exists, since
// only a picture needs the graphical one.
bool renderRequested(int argc, char **argv)
{
    for (int i = 1; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        if (std::strcmp(argv[i], "--render") == 0)
            return true;
        if (std::strcmp(argv[i], "--locale") == 0 || std::strcmp(argv[i], "--max-blocks") == 0
            || std::strcmp(argv[i], "--counts") == 0 || std::strcmp(argv[i], "--trace") == 0
            || std::strcmp(argv[i], "--lang") == 0)
            ++i;
    }
    return false;
}

int usageError(const QString &problem)
{
    if (!problem.isEmpty())
        std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
    std::fputs(QCoreApplication::translate("RunnerMain", usage).toUtf8().constData(), stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    reserveStandardStreams();
    const std::unique_ptr<QCoreApplication> app = renderRequested(argc, argv)
        ? TerminalRenderer::makeApplication(argc, argv)
        : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    // The runner's own texts and the run's messages follow --lang; what the chart writes stays as it is.
    QString languageError;
    const std::optional<InterfaceLanguage::Choice> language = InterfaceLanguage::takeOption(args, languageError);
    if (!languageError.isEmpty())
        return usageError(languageError);
    if (language == InterfaceLanguage::Choice::English)
        InterfaceLanguage::install(*app, *language, DataLocator().dataFolder());
    if (!args.isEmpty() && args.first() == QStringLiteral("--grade"))
        return GradeCommand(args.mid(1)).exec();
    if (!args.isEmpty() && args.first() == QStringLiteral("--code"))
        return CodeCommand(args.mid(1)).exec();
    if (args.size() == 2 && args.first() == QStringLiteral("--grade-worker"))
        return GradeWorker(args.last()).exec();
    TerminalRunner::Options options;
    QLocale locale;
    std::optional<QString> picture;
    while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        if (option == QStringLiteral("--help"))
            return usageError(QString());
        if (option != QStringLiteral("--locale") && option != QStringLiteral("--max-blocks")
            && option != QStringLiteral("--render") && option != QStringLiteral("--counts")
            && option != QStringLiteral("--trace"))
            return usageError(QCoreApplication::translate("RunnerMain", "Bilinmeyen seçenek: ") + option);
        if (args.isEmpty())
            return usageError(option + QCoreApplication::translate("RunnerMain", " bir değer bekliyor."));
        const QString value = args.takeFirst();
        if (option == QStringLiteral("--locale")) {
            const std::optional<QLocale> named = LocaleName::parse(value);
            if (!named) {
                return usageError(QCoreApplication::translate("RunnerMain",
                                                              "--locale bilinen bir bölgesel ayar adı bekliyor "
                                                              "(dil_ÜLKE biçiminde: tr_TR, en_US, de_DE, ...): ")
                                  + value);
            }
            locale = *named;
        } else if (option == QStringLiteral("--render")) {
            picture = value;
        } else if (option == QStringLiteral("--counts")) {
            options.countsFile = value;
        } else if (option == QStringLiteral("--trace")) {
            options.traceFile = value;
        } else {
            bool ok = false;
            options.maxBlocks = value.toLongLong(&ok);
            if (!ok || options.maxBlocks < 1)
                return usageError(
                    QCoreApplication::translate("RunnerMain", "--max-blocks pozitif bir tam sayı bekliyor: ") + value);
        }
    }
    if (args.size() != 1)
        return usageError(QCoreApplication::translate("RunnerMain", "Tek bir proje dosyası verilmeli."));
    options.file = args.first();
    Numbers::useLocale(locale);
    if (picture)
        return TerminalRenderer(options.file, *picture).exec();
    TerminalRunner runner(options);
    return runner.exec();
}
