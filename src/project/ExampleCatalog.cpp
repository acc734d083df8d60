#include "project/ExampleCatalog.h"

#include <QCoreApplication>
#include <QFileInfo>

const QList<ExampleCatalog::Entry> &ExampleCatalog::entries()
{
    static const QList<Entry> list = {
        {QStringLiteral("Faktöriyel Hesabı (Yinelemeli)"), QStringLiteral("factorial.vnp"), true},
        {QStringLiteral("Faktöriyel Hesabı (Döngü)"), QStringLiteral("factorial_regular.vnp"), true},
        {QStringLiteral("Üs Hesabı (Yinelemeli)"), QStringLiteral("power.vnp"), true},
        {QStringLiteral("Basit Pencere ve Yazı"), QStringLiteral("b.vnp"), true,
         QStringLiteral("Basit Pencere ve Yazı.vnp")},
        {QStringLiteral("Web için Basit bir \"Image-Map\" Uygulaması"), QStringLiteral("d.vnp"), true,
         QStringLiteral("Tıklanan Resim.vnp")},
        {QStringLiteral("Resim ve Çizim Penceresi"), QStringLiteral("e.vnp"), true,
         QStringLiteral("Resim ve Çizim Penceresi.vnp")},
        {QStringLiteral("Merhaba Dünya"), QStringLiteral("test00_hello.vnp"), true},
        {QStringLiteral("String Karşılaştırma"), QStringLiteral("test04_comp.vnp"), true},
        {QStringLiteral("Şartlı Dallanma"), QStringLiteral("test05_if.vnp"), true},
        {QStringLiteral("String Birleştirme"), QStringLiteral("test06_concat.vnp"), true},
        {QStringLiteral("Basit Döngü 1"), QStringLiteral("test07_loop.vnp"), true},
        {QStringLiteral("Basit Döngü 2"), QStringLiteral("test08_loop.vnp"), true},
        {QStringLiteral("Fonksiyon Çağırma"), QStringLiteral("test10_call.vnp"), true},
        {QStringLiteral("Ekran Kaydırma Testi"), QStringLiteral("test11_scroll.vnp"), true},
        {QStringLiteral("Temel SQL testi"), QStringLiteral("test09_sql.vnp"), false},
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

QString ExampleCatalog::failureMessage(const QString &path)
{
    return QCoreApplication::translate("ExampleCatalog", "Örnek açılırken hata oluştu: ") + path;
}
