#include "ui/help/HelpTopics.h"

#include "interp/BuiltIns.h"
#include "model/cBlock.h"
#include "ui/help/HandbookText.h"
#include "ui/help/MessageIndex.h"

#include <QHash>
#include <QMetaObject>
#include <QWidget>

namespace {

const QString Blocks = QStringLiteral("02-bloklar.md#");
const QString Statements = QStringLiteral("03-islemler.md#");

const QHash<QString, QString> &windowTopics()
{
    static const QHash<QString, QString> topics{
        {QStringLiteral("frmDlgGeneral"), Blocks + QStringLiteral("basla-blogu")},
        {QStringLiteral("frmDlgAction"), Blocks + QStringLiteral("islem-blogu")},
        {QStringLiteral("frmDlgInput"), Blocks + QStringLiteral("giris-blogu")},
        {QStringLiteral("frmDlgOutput"), Blocks + QStringLiteral("cikis-blogu")},
        {QStringLiteral("frmDlgIf"), Blocks + QStringLiteral("sartli-dallanma-blogu")},
        {QStringLiteral("frmDlgFunction"), Blocks + QStringLiteral("fonksiyon-blogu")},
        {QStringLiteral("frmSize"), Blocks + QStringLiteral("renk-ve-boyut")},
        {QStringLiteral("frmDlgWindow"), QStringLiteral("07-pencereler.md#pencere-duzenleyicisi")},
        {QStringLiteral("frmJavaTest"), QStringLiteral("07-pencereler.md#java-disa-aktarma")},
        {QStringLiteral("frmWindow"), QStringLiteral("07-pencereler.md#calisan-pencere")},
        {QStringLiteral("frmScreen"), QStringLiteral("08-calistirma.md#ekran-penceresi")},
        {QStringLiteral("frmVars"), QStringLiteral("08-calistirma.md#degiskenler-penceresi")},
        {QStringLiteral("frmStack"), QStringLiteral("06-cagrilar.md#yigin-penceresi")},
        {QStringLiteral("frm_mBox"), MessageIndex::chapterFile()},
        {QStringLiteral("frmMakeExecutable"), QStringLiteral("08-calistirma.md#calistirilabilir-dosya-yapmak")},
        {QStringLiteral("frmMain"), HelpTopics::start()},
    };
    return topics;
}

const QHash<QString, QString> &actionTopics()
{
    static const QHash<QString, QString> topics = [] {
        QHash<QString, QString> t{
            {QStringLiteral("START"), Blocks + QStringLiteral("basla-blogu")},
            {QStringLiteral("STOP"), Blocks + QStringLiteral("dur-blogu")},
            {QStringLiteral("INPUT"), Blocks + QStringLiteral("giris-blogu")},
            {QStringLiteral("OUTPUT"), Blocks + QStringLiteral("cikis-blogu")},
            {QStringLiteral("INTERSECTION"), Blocks + QStringLiteral("baglanti-noktasi")},
            {QStringLiteral("FUNCTION"), Blocks + QStringLiteral("fonksiyon-blogu")},
            {QStringLiteral("WINDOW"), Blocks + QStringLiteral("pencere-blogu")},
            {QStringLiteral("SQL"), Blocks + QStringLiteral("islem-blogu")},
            {QStringLiteral("DEFINITION"), Statements + QStringLiteral("atama")},
            {QStringLiteral("JOIN"), Statements + QStringLiteral("metin-islemleri")},
            {QStringLiteral("COMP"), Statements + QStringLiteral("metin-islemleri")},
        };
        for (const char *code : {"ADD", "SUBTRACT", "MULTIPLY", "DIVIDE", "DIVINT", "MODULE", "POWER", "PERCENT"})
            t.insert(QLatin1String(code), Statements + QStringLiteral("aritmetik-islemler"));
        for (const char *code : {"IF_EQUAL", "IF_NOT_EQUAL", "IF_LESS", "IF_LESS_EQUAL", "IF_GREATER",
                                 "IF_GREATER_EQUAL"})
            t.insert(QLatin1String(code), Blocks + QStringLiteral("sartli-dallanma-blogu"));
        return t;
    }();
    return topics;
}

} // namespace

QString HelpTopics::start()
{
    return QStringLiteral("01-baslarken.md");
}

QString HelpTopics::forWindow(const QWidget &window)
{
    const QHash<QString, QString> &topics = windowTopics();
    const QString byClass = topics.value(QString::fromLatin1(window.metaObject()->className()));
    return byClass.isEmpty() ? topics.value(window.objectName()) : byClass;
}

QString HelpTopics::forBlock(const cBlock &block)
{
    if (block.zAction() == QStringLiteral("FUNCTION")) {
        const QString builtIn = forBuiltIn(block.zParam1());
        if (!builtIn.isEmpty())
            return builtIn;
    }
    // A block whose dialog was never confirmed has no code yet: the kinds are introduced together.
    return actionTopics().value(block.zAction(), QStringLiteral("02-bloklar.md"));
}

QString HelpTopics::forBuiltIn(const QString &name)
{
    const QString upper = name.trimmed().toUpper();
    if (!BuiltIns::isBuiltIn(upper))
        return QString();
    return QStringLiteral("05-fonksiyonlar.md#") + HandbookText::anchorOf(upper);
}
