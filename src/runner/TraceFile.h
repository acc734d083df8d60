#pragma once

#include <QSaveFile>
#include <QString>

// The --trace file: one line per executed block, written as the run goes and put in place of
// any old file only when every line went.
class TraceFile {
public:
    explicit TraceFile(const QString &path);

    bool isOpen() const { return m_file.isOpen(); }
    void addLine(const QString &line);
    // true when the whole file is in place; otherwise errorText() says why.
    bool finish();
    QString errorText() const { return m_file.errorString(); }

private:
    QSaveFile m_file;
    bool m_failed = false;
};
