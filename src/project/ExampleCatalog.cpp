#include "project/ExampleCatalog.h"

#include <QCoreApplication>
#include <QFileInfo>

const QList<ExampleCatalog::Entry> &ExampleCatalog::entries()
{
    static const QList<Entry> list = {
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Faktöriyel Hesabı (Yinelemeli)"), QStringLiteral("factorial.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Faktöriyel Hesabı (Döngü)"), QStringLiteral("factorial_regular.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Üs Hesabı (Yinelemeli)"), QStringLiteral("power.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Basit Pencere ve Yazı"), QStringLiteral("b.vnp"), true,
         QStringLiteral("Basit Pencere ve Yazı.vnp")},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Web için Basit bir \"Image-Map\" Uygulaması"), QStringLiteral("d.vnp"), true,
         QStringLiteral("Tıklanan Resim.vnp")},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Resim ve Çizim Penceresi"), QStringLiteral("e.vnp"), true,
         QStringLiteral("Resim ve Çizim Penceresi.vnp")},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Merhaba Dünya"), QStringLiteral("test00_hello.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "String Karşılaştırma"), QStringLiteral("test04_comp.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Şartlı Dallanma"), QStringLiteral("test05_if.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "String Birleştirme"), QStringLiteral("test06_concat.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Basit Döngü 1"), QStringLiteral("test07_loop.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Basit Döngü 2"), QStringLiteral("test08_loop.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Fonksiyon Çağırma"), QStringLiteral("test10_call.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Ekran Kaydırma Testi"), QStringLiteral("test11_scroll.vnp"), true},
        {QT_TRANSLATE_NOOP("ExampleCatalog", "Temel SQL testi"), QStringLiteral("test09_sql.vnp"), false},
    };
    return list;
}

QString ExampleCatalog::pathOf(const QString &examplesFolder, int index)
{
    if (index < 0 || index >= entries().size())
        return QString();
    const Entry &entry = entries()[index];
    const QString shortPath = examplesFolder + entry.file;
    if (entry.descriptiveFile.isEmpty() || QFileInfo(shortPath).isFile())
        return shortPath;
    const QString descriptive = examplesFolder + entry.descriptiveFile;
    return QFileInfo(descriptive).isFile() ? descriptive : shortPath;
}

QString ExampleCatalog::Entry::title() const
{
    return QCoreApplication::translate("ExampleCatalog", caption);
}

QString ExampleCatalog::failureMessage(const QString &path)
{
    return QCoreApplication::translate("ExampleCatalog", "Örnek açılırken hata oluştu: ") + path;
}
