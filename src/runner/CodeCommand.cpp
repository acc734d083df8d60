#include "runner/CodeCommand.h"

#include "base/CheckedFileWriter.h"
#include "codegen/CodeExport.h"
#include "exercise/LocaleName.h"
#include "interp/Numbers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int CodeCommand::fail(const QString &message) const
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 2;
}

int CodeCommand::exec()
{
    QStringList rest = m_arguments;
    QLocale locale(QLocale::Turkish, QLocale::Turkey);
    const qsizetype localeAt = rest.indexOf(QStringLiteral("--locale"));
    if (localeAt >= 0) {
        if (localeAt + 1 >= rest.size())
            return fail(QCoreApplication::translate("CodeCommand", "--locale bir değer bekliyor."));
        const std::optional<QLocale> named = LocaleName::parse(rest[localeAt + 1]);
        if (!named) {
            return fail(QStringLiteral("--locale bilinen bir bölgesel ayar adı bekliyor "
                                       "(dil_ÜLKE biçiminde: tr_TR, en_US, de_DE, ...): ") + rest[localeAt + 1]);
        }
        locale = *named;
        rest.remove(localeAt, 2);
    }
    if (rest.size() != 3) {
        return fail(QCoreApplication::translate(
            "CodeCommand", "Kullanım: varnel-run --code python|c|java ÇIKTI DOSYA.vnp [--locale AD]"));
    }
    const std::optional<CodeExport::Language> language = CodeExport::languageNamed(rest[0]);
    if (!language)
        return fail(QCoreApplication::translate("CodeCommand", "--code python, c ya da java bekliyor: ") + rest[0]);
    Numbers::useLocale(locale);
    const QString out = rest[1];
    CodeExport exporter;
    if (!exporter.exportChart(rest[2], *language, QFileInfo(out).completeBaseName()))
        return fail(exporter.error());
    CheckedFileWriter writer(out);
    if (!writer.write(exporter.code().toUtf8()))
        return fail(QCoreApplication::translate("CodeCommand", "Kod yazılamadı: ") + out + QStringLiteral(" - ")
                    + writer.errorText());
    return 0;
}
