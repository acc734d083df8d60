#include "runner/TraceFile.h"

TraceFile::TraceFile(const QString &path) : m_file(path)
{
    m_failed = !m_file.open(QIODevice::WriteOnly);
}

void TraceFile::addLine(const QString &line)
{
    if (m_failed)
        return;
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    m_failed = m_file.write(bytes) != bytes.size();
}

bool TraceFile::finish()
{
    if (m_failed || !m_file.isOpen()) {
        if (m_file.isOpen())
            m_file.cancelWriting();
        return false;
    }
    return m_file.commit();
}
