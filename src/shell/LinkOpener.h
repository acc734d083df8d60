#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Opens a web page or a mailto: address through the desktop's opener (xdg-open) and watches
// it: the opener ends with a failure when no program handles the address (no browser), which
// a plain detached start would never tell. The opener's output goes nowhere, so a browser it
// runs in the foreground lives on after this program ends.
class LinkOpener : public QObject {
    Q_OBJECT
public:
    explicit LinkOpener(QObject *parent = nullptr);

    // The opener's path; empty when it is not installed. Looked up in the search paths.
    static QString openerProgram();
    // Where the opener is looked for; the PATH when empty (tests put a stand-in there).
    static void setSearchPaths(const QStringList &paths);

    // Starts the opener for url; false at once when there is none or it could not be started.
    // Later, failed() tells when it ended with a failure.
    bool open(const QString &url);

Q_SIGNALS:
    void failed(const QString &url);
    // The opener ended, whatever its result.
    void finished();
};
