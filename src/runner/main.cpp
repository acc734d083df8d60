#include "interp/Numbers.h"
#include "runner/TerminalRunner.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

const char *const usage =
    "Kullanım: varnel-run [--locale AD] [--max-blocks N] DOSYA.vnp\n"
    "  Akış şemasını terminalde çalıştırır: ÇIKIŞ satırları standart çıktıya,\n"
    "  GİRİŞ satırları standart girdiden, iletiler standart hataya.\n"
    "  --locale AD       bölgesel ayarlar (örneğin tr_TR); varsayılan ortamınki\n"
    "  --max-blocks N    N bloktan fazlasını çalıştıran programı durdurur\n"
    "Çıkış durumu: 0 program sonuna ulaştı, 1 program bir hatayla ya da\n"
    "başka bir nedenle durdu, 2 dosya yüklenemedi ya da bağımsız değişkenler yanlış.\n";

int usageError(const QString &problem)
{
    if (!problem.isEmpty())
        std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
    std::fputs(usage, stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    TerminalRunner::Options options;
    QLocale locale;
    while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        if (option == QStringLiteral("--help"))
            return usageError(QString());
        if (args.isEmpty())
            return usageError(option + QStringLiteral(" bir değer bekliyor."));
        const QString value = args.takeFirst();
        if (option == QStringLiteral("--locale")) {
            locale = QLocale(value);
        } else if (option == QStringLiteral("--max-blocks")) {
            bool ok = false;
            options.maxBlocks = value.toLongLong(&ok);
            if (!ok || options.maxBlocks < 1)
                return usageError(QStringLiteral("--max-blocks pozitif bir tam sayı bekliyor: ") + value);
        } else {
            return usageError(QStringLiteral("Bilinmeyen seçenek: ") + option);
        }
    }
    if (args.size() != 1)
        return usageError(QStringLiteral("Tek bir proje dosyası verilmeli."));
    options.file = args.first();
    Numbers::useLocale(locale);
    TerminalRunner runner(options);
    return runner.exec();
}
