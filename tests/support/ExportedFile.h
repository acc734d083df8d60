#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Reading back the files the picture export and printing write.
namespace ExportedFile {

inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pages of a PDF file: "/Type /Page" objects, not the "/Type /Pages" tree.
inline int pdfPageCount(const QByteArray &pdf)
{
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
        if (pdf.mid(at + 11, 1) != "s")
            ++pages;
    }
    return pages;
}

} // namespace ExportedFile
