#pragma once

#include "model/ActionCode.h"
#include "model/BlockCaption.h"
#include "model/BlockChange.h"
#include "model/BlockOwner.h"
#include "model/ModelContext.h"
#include "model/RunCache.h"

#include <QString>
#include <QtGlobal>

class cLine;

// One flowchart element. Geometry and visibility live in its picture element (when it has one);
// everything else is the record's own. Setters never validate. Once the block is in a
// collection, every setter that changes something announces it through the collection's
// blockChanged signal.
class cBlock {
public:
    explicit cBlock(ModelContext *context);

    // Picture element index; -1 when the block was created without one.
    qint16 theObjectShape() const { return m_element; }
    void setTheObjectShape(qint16 index) { m_element = index; }
    bool hasElement() const { return m_element > 0; }

    const QString &zAction() const { return m_zAction; }
    ActionCode actionCode() const { return m_actionCode; }
    void setZAction(const QString &code);
    const QString &zParam1() const { return m_zParam[0]; }
    const QString &zParam2() const { return m_zParam[1]; }
    const QString &zParam3() const { return m_zParam[2]; }
    const QString &zParam(int slot) const { return m_zParam[slot]; }
    void setZParam1(const QString &text) { setZParam(0, text); }
    void setZParam2(const QString &text) { setZParam(1, text); }
    void setZParam3(const QString &text) { setZParam(2, text); }
    void setZParam(int slot, const QString &text);

    const QString &TagID() const { return m_tagID; }
    void setTagID(const QString &tag);

    qint32 TextColor() const { return m_textColor; }
    void setTextColor(qint32 colour);
    qint32 BGColor() const { return m_bgColor; }
    void setBGColor(qint32 colour);
    qint32 BorderColor() const { return m_borderColor; }
    void setBorderColor(qint32 colour);
    qint16 Shape() const { return m_shape; }
    void setShape(qint16 code);

    // Rebuilds both captions from the action code and parameters and widens the block (when it
    // has an element) so that the caption fits; never redraws.
    void setCaptionToAction();
    // What the captions follow from, for BlockCaption.
    BlockCaption::Source captionSource() const;
    const QString &sCaptionUp() const { return m_captionUp; }
    void setSCaptionUp(const QString &text);
    const QString &sCaption() const { return m_caption; }
    void setSCaption(const QString &text);

    // Element properties: an error when the block has no element.
    float shapeLeft() const;
    void setShapeLeft(float left);
    float shapeTop() const;
    void setShapeTop(float top);
    qint16 shapeWidth() const;
    void setShapeWidth(double width);
    qint16 shapeHeight() const;
    void setShapeHeight(double height);
    bool Visible() const;
    void setVisible(bool visible);
    // Both coordinates, or both sides, with one announcement.
    void setShapePosition(float left, float top);
    void setShapeSize(double width, double height);

    // The collection that holds the block and announces its changes; none while outside one.
    BlockOwner *owner() const { return m_owner; }
    void setOwner(BlockOwner *owner) { m_owner = owner; }

    // Bumped on every change the interpreter's per-block caches depend on.
    quint32 revision() const { return m_revision; }
    RunCache &runCache() const { return m_runCache; }

private:
    ShapeElement &element() const;
    void announce(BlockChanges what);

    ModelContext *m_context;
    BlockOwner *m_owner = nullptr;
    qint16 m_element = -1;
    QString m_zAction;
    ActionCode m_actionCode = ActionCode::Unknown;
    QString m_zParam[3];
    QString m_tagID;
    qint32 m_textColor = 0;
    qint32 m_bgColor = 0;
    qint16 m_shape = 0;
    qint32 m_borderColor = 0;
    QString m_captionUp;
    QString m_caption;
    quint32 m_revision = 0;
    mutable RunCache m_runCache;
};
