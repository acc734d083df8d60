#include "ui/help/HelpTopics.h"

#include "interp/BuiltIns.h"
#include "model/cBlock.h"
#include "ui/help/HandbookText.h"
#include "ui/help/MessageIndex.h"

#include <QHash>
#include <QMetaObject>
#include <QWidget>

namespace {

// One place of the handbook, in the Turkish chapters and in the English ones.
struct Topic {
    QString turkish;
    QString english;

    QString in(HelpTopics::Language language) const
    {
        return language == HelpTopics::Language::English ? english : turkish;
    }
};

Topic topic(const char *turkish, const char *english)
{
    return {QString::fromUtf8(turkish), QString::fromUtf8(english)};
}

const QHash<QString, Topic> &windowTopics()
{
    using Language = HelpTopics::Language;
    static const QHash<QString, Topic> topics{
        {QStringLiteral("frmDlgGeneral"), topic("02-bloklar.md#basla-blogu", "02-blocks.md#start-block")},
        {QStringLiteral("frmDlgAction"), topic("02-bloklar.md#islem-blogu", "02-blocks.md#action-block")},
        {QStringLiteral("frmDlgInput"), topic("02-bloklar.md#giris-blogu", "02-blocks.md#input-block")},
        {QStringLiteral("frmDlgOutput"), topic("02-bloklar.md#cikis-blogu", "02-blocks.md#output-block")},
        {QStringLiteral("frmDlgIf"),
         topic("02-bloklar.md#sartli-dallanma-blogu", "02-blocks.md#conditional-branch-block")},
        {QStringLiteral("frmDlgFunction"), topic("02-bloklar.md#fonksiyon-blogu", "02-blocks.md#function-block")},
        {QStringLiteral("frmSize"), topic("02-bloklar.md#renk-ve-boyut", "02-blocks.md#color-and-size")},
        {QStringLiteral("frmDlgWindow"),
         topic("07-pencereler.md#pencere-duzenleyicisi", "07-windows.md#window-designer")},
        {QStringLiteral("frmJavaTest"), topic("07-pencereler.md#java-disa-aktarma", "07-windows.md#java-export")},
        {QStringLiteral("frmWindow"), topic("07-pencereler.md#calisan-pencere", "07-windows.md#running-window")},
        {QStringLiteral("frmScreen"), topic("08-calistirma.md#ekran-penceresi", "08-running.md#screen-window")},
        {QStringLiteral("frmVars"),
         topic("08-calistirma.md#degiskenler-penceresi", "08-running.md#variables-window")},
        {QStringLiteral("frmStack"), topic("06-cagrilar.md#yigin-penceresi", "06-calls.md#stack-window")},
        {QStringLiteral("frm_mBox"),
         {MessageIndex::chapterFile(Language::Turkish), MessageIndex::chapterFile(Language::English)}},
        {QStringLiteral("frmMakeExecutable"),
         topic("08-calistirma.md#calistirilabilir-dosya-yapmak", "08-running.md#making-an-executable")},
        {QStringLiteral("frmMain"), {HelpTopics::start(Language::Turkish), HelpTopics::start(Language::English)}},
        {QStringLiteral("RunControlPanel"), topic("08-calistirma.md", "08-running.md")},
        {QStringLiteral("dlgLineCaption"), topic("02-bloklar.md#cizgiler", "02-blocks.md#lines")},
        {QStringLiteral("dlgBreakpointCondition"),
         topic("10-hata-ayiklama.md#kosullu-kesme-noktalari", "10-debugging.md#conditional-breakpoints")},
        {QStringLiteral("ExercisePanel"),
         topic("11-alistirmalar.md#alistirma-acmak", "11-exercises.md#opening-an-exercise")},
        {QStringLiteral("ExerciseEditorDialog"),
         topic("11-alistirmalar.md#alistirma-duzenleyici", "11-exercises.md#exercise-editor")},
        {QStringLiteral("CodeView"), topic("12-kod-aktarma.md#kod-gorunumu", "12-code-export.md#code-view")},
        {QStringLiteral("CodeExportDialog"),
         topic("12-kod-aktarma.md#kod-olarak-disa-aktar", "12-code-export.md#export-as-code")},
    };
    return topics;
}

const QHash<QString, Topic> &actionTopics()
{
    static const QHash<QString, Topic> topics = [] {
        const Topic arithmetic = topic("03-islemler.md#aritmetik-islemler", "03-operations.md#arithmetic");
        const Topic strings = topic("03-islemler.md#metin-islemleri", "03-operations.md#string-operations");
        const Topic branch = topic("02-bloklar.md#sartli-dallanma-blogu", "02-blocks.md#conditional-branch-block");
        const Topic action = topic("02-bloklar.md#islem-blogu", "02-blocks.md#action-block");
        QHash<QString, Topic> t{
            {QStringLiteral("START"), topic("02-bloklar.md#basla-blogu", "02-blocks.md#start-block")},
            {QStringLiteral("STOP"), topic("02-bloklar.md#dur-blogu", "02-blocks.md#stop-block")},
            {QStringLiteral("INPUT"), topic("02-bloklar.md#giris-blogu", "02-blocks.md#input-block")},
            {QStringLiteral("OUTPUT"), topic("02-bloklar.md#cikis-blogu", "02-blocks.md#output-block")},
            {QStringLiteral("INTERSECTION"), topic("02-bloklar.md#baglanti-noktasi", "02-blocks.md#connection-point")},
            {QStringLiteral("FUNCTION"), topic("02-bloklar.md#fonksiyon-blogu", "02-blocks.md#function-block")},
            {QStringLiteral("WINDOW"), topic("02-bloklar.md#pencere-blogu", "02-blocks.md#window-block")},
            {QStringLiteral("SQL"), action},
            {QStringLiteral("DEFINITION"), topic("03-islemler.md#atama", "03-operations.md#assignment")},
            {QStringLiteral("JOIN"), strings},
            {QStringLiteral("COMP"), strings},
        };
        for (const char *code : {"ADD", "SUBTRACT", "MULTIPLY", "DIVIDE", "DIVINT", "MODULE", "POWER", "PERCENT"})
            t.insert(QLatin1String(code), arithmetic);
        for (const char *code : {"IF_EQUAL", "IF_NOT_EQUAL", "IF_LESS", "IF_LESS_EQUAL", "IF_GREATER",
                                 "IF_GREATER_EQUAL"})
            t.insert(QLatin1String(code), branch);
        return t;
    }();
    return topics;
}

} // namespace

QString HelpTopics::start(Language language)
{
    return topic("01-baslarken.md", "01-getting-started.md").in(language);
}

QString HelpTopics::forWindow(const QWidget &window, Language language)
{
    const QHash<QString, Topic> &topics = windowTopics();
    auto found = topics.constFind(QString::fromLatin1(window.metaObject()->className()));
    if (found == topics.constEnd())
        found = topics.constFind(window.objectName());
    return found == topics.constEnd() ? QString() : found->in(language);
}

QString HelpTopics::forBlock(const cBlock &block, Language language)
{
    if (block.zAction() == QStringLiteral("FUNCTION")) {
        const QString builtIn = forBuiltIn(block.zParam1(), language);
        if (!builtIn.isEmpty())
            return builtIn;
    }
    // A block whose dialog was never confirmed has no code yet: the kinds are introduced together.
    static const Topic blocks = topic("02-bloklar.md", "02-blocks.md");
    return actionTopics().value(block.zAction(), blocks).in(language);
}

QString HelpTopics::forBuiltIn(const QString &name, Language language)
{
    const QString upper = name.trimmed().toUpper();
    if (!BuiltIns::isBuiltIn(upper))
        return QString();
    return topic("05-fonksiyonlar.md#", "05-functions.md#").in(language) + HandbookText::anchorOf(upper);
}
