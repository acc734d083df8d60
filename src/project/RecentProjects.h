#pragma once

#include <QString>
#include <QStringList>

// The charts last opened or saved, newest first, at most eight, kept in a per-user settings
// file (not in the program's three-line settings file). Every change is stored at once, and
// every read goes to the file, so two running copies of the program share one list.
class RecentProjects {
public:
    static constexpr int MaxFiles = 8;

    // settingsFile: an .ini-style file; the default is varnel.conf in the user's config folder.
    explicit RecentProjects(QString settingsFile = defaultSettingsFile());

    static QString defaultSettingsFile();

    QStringList files() const;
    // Puts the file (as an absolute, clean path) first; an entry for it further down goes.
    void add(const QString &path);
    // false when the file was not listed.
    bool remove(const QString &path);
    void clear();
    // The listed files that are gone, removed from the list.
    QStringList dropMissing();

    // The message shown for a listed file that is gone.
    static QString missingMessage(const QString &path);

private:
    void store(const QStringList &files);

    QString m_settingsFile;
};
