#pragma once

#include "model/ModelContext.h"

#include <QString>
#include <QtGlobal>

// One arrow from the block tagged sFrom to the block tagged sTo. The caption's label is the
// line element's (when the line has elements).
class cLine {
public:
    explicit cLine(ModelContext *context);

    qint16 theObjectLine() const { return m_element; }
    void setTheObjectLine(qint16 index) { m_element = index; }
    bool hasElement() const { return m_element > 0; }

    const QString &sFrom() const { return m_from; }
    void setSFrom(const QString &tag);
    const QString &sTo() const { return m_to; }
    void setSTo(const QString &tag);
    const QString &sCaption() const { return m_caption; }
    void setSCaption(const QString &caption);

private:
    ModelContext *m_context;
    qint16 m_element = -1;
    QString m_from;
    QString m_to;
    QString m_caption;
};
