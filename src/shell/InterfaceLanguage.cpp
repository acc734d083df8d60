#include "shell/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace {

const QString kLanguageKey = QStringLiteral("interface/language");
const QString kOption = QStringLiteral("--lang");
InterfaceLanguage::Choice activeChoice = InterfaceLanguage::Choice::Turkish;

bool load(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

std::optional<InterfaceLanguage::Choice> InterfaceLanguage::fromCode(const QString &code)
{
    const QString lower = code.toLower();
    if (lower == u"tr")
        return Choice::Turkish;
    if (lower == u"en")
        return Choice::English;
    return std::nullopt;
}

QString InterfaceLanguage::code(Choice choice)
{
    return choice == Choice::English ? QStringLiteral("en") : QStringLiteral("tr");
}

std::optional<InterfaceLanguage::Choice> InterfaceLanguage::takeOption(QStringList &arguments, QString &error)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == kOption) {
            if (i + 1 >= arguments.size()) {
                error = unknownMessage(QString());
                arguments.removeAt(i);
                return std::nullopt;
            }
            value = arguments.takeAt(i + 1);
        } else if (arguments[i].startsWith(kOption + u'=')) {
            value = arguments[i].mid(kOption.size() + 1);
        } else {
            continue;
        }
        arguments.removeAt(i);
        const std::optional<Choice> choice = fromCode(value);
        if (!choice)
            error = unknownMessage(value);
        return choice;
    }
    return std::nullopt;
}

InterfaceLanguage::Choice InterfaceLanguage::saved(const QString &settingsFile)
{
    const QString value = QSettings(settingsFile, QSettings::IniFormat).value(kLanguageKey).toString();
    return fromCode(value).value_or(Choice::Turkish);
}

void InterfaceLanguage::save(const QString &settingsFile, Choice choice)
{
    QSettings(settingsFile, QSettings::IniFormat).setValue(kLanguageKey, code(choice));
}

bool InterfaceLanguage::install(QCoreApplication &app, Choice choice, const QString &dataFolder)
{
    if (choice == Choice::Turkish) {
        activeChoice = choice;
        return load(app, QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    const bool loaded = load(app, QStringLiteral("varnel_en"), dataFolder + QStringLiteral("translations"));
    if (loaded)
        activeChoice = choice;
    return loaded;
}

InterfaceLanguage::Choice InterfaceLanguage::active()
{
    return activeChoice;
}

QString InterfaceLanguage::unknownMessage(const QString &value)
{
    return QStringLiteral("--lang tr ya da en bekliyor: ") + value;
}
