#pragma once

#include "model/LineChange.h"
#include "model/LineOwner.h"
#include "model/ModelContext.h"

#include <QString>
#include <QtGlobal>

// One arrow from the block tagged sFrom to the block tagged sTo. The caption's label is the
// line element's (when the line has elements). Once the line is in a collection, every setter
// that changes something announces it to the collection, which tells its views.
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
    // The caption with its label centred on the line as it stands, in one announcement.
    void setCaptionCentred(const QString &caption);

    // The collection that holds the line and announces its changes; none while outside one.
    LineOwner *owner() const { return m_owner; }
    void setOwner(LineOwner *owner) { m_owner = owner; }

private:
    void storeCaption(const QString &caption);
    void announce(LineChanges what);

    ModelContext *m_context;
    LineOwner *m_owner = nullptr;
    qint16 m_element = -1;
    QString m_from;
    QString m_to;
    QString m_caption;
};
