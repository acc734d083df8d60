#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

// The language of the interface: Turkish, the language every text is written in, or English
// through a translation file. Charts store and run the same whichever is chosen.
class InterfaceLanguage {
public:
    enum class Choice { Turkish, English };

    // "tr" or "en" (any letter case); nothing for another text.
    static std::optional<Choice> fromCode(const QString &code);
    static QString code(Choice choice);

    // Takes "--lang X" (or "--lang=X") out of the arguments. Nothing when the option is absent;
    // `error` is set when it names no language or lacks its value.
    static std::optional<Choice> takeOption(QStringList &arguments, QString &error);

    // The user's choice, kept in the per-user settings file; Turkish when none was made.
    static Choice saved(const QString &settingsFile);
    static void save(const QString &settingsFile, Choice choice);

    // Loads the translations of the choice into the application: the program's own file from
    // `<dataFolder>translations/` for English, Qt's own texts in Turkish for Turkish. False when a
    // translation file could not be loaded (the texts then stay Turkish).
    static bool install(QCoreApplication &app, Choice choice, const QString &dataFolder);
    // The language the interface shows: the last choice installed, Turkish before any.
    static Choice active();

    // The message for a --lang option that names no language.
    static QString unknownMessage(const QString &value);
};
