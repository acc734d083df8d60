#pragma once

#include "guiwin/GuiKind.h"
#include "guiwin/GuiTemplates.h"
#include "guiwin/TwipsScale.h"
#include "ui/guiwin/cGUI_obj.h"

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <memory>
#include <vector>

class MessageLog;
class QMouseEvent;

// The objects of one hosting window (the designer's canvas or a run-time window), in insertion
// order, each optionally under a key (keys ignore letter case). Add creates the widget as the
// next element of its kind's family on Parent; Remove drops the entry and leaves the widget.
//
// Widget events reach the host as signals naming the object (found through
// getObjectFromIndex): positions are in the widget's pixels. With intercepting on (the
// designer) the widgets themselves never see the mouse or the keyboard.
class GUI_Collection : public QObject {
    Q_OBJECT
public:
    GUI_Collection(QWidget *parent, MessageLog *log, TwipsScale scale, GuiTemplates templates);
    ~GUI_Collection() override;

    QWidget *Parent() const { return m_parent; }
    const TwipsScale &scale() const { return m_scale; }
    void setIntercepting(bool on) { m_intercepting = on; }

    // Null, with a message, for an unknown kind word or a key that is already taken.
    cGUI_obj *Add(const QString &sID, const QString &sTYPE, const QString &sKey = QString());
    cGUI_obj *item(int position) const; // 1-based; null when out of range
    cGUI_obj *item(const QString &key) const;
    int Count() const { return int(m_entries.size()); }
    void Remove(int position);
    void Remove(const QString &key);
    cGUI_obj *getObjectFromIndex(int Index, const QString &sTYPE) const;
    // Elements in the kind's widget family, the hidden template included.
    int familySize(GuiKind::Kind kind) const { return m_created[kind] + 1; }

    // Insertion order.
    template<typename F> void forEach(F f) const
    {
        for (const Entry &entry : m_entries)
            f(entry.object.get());
    }

Q_SIGNALS:
    void mousePressed(cGUI_obj *object, Qt::MouseButton button, QPoint pos);
    void mouseMoved(cGUI_obj *object, QPoint pos);
    void mouseReleased(cGUI_obj *object, Qt::MouseButton button, QPoint pos);
    void clicked(cGUI_obj *object); // buttons

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        QString key;
        std::unique_ptr<cGUI_obj> object;
    };
    QWidget *createWidget(GuiKind::Kind kind, int index);
    void watch(QWidget *widget);
    int positionOfKey(const QString &key) const;
    cGUI_obj *objectOfWidget(QObject *watched, QPoint &pos, const QMouseEvent *event) const;

    QWidget *m_parent;
    MessageLog *m_log;
    TwipsScale m_scale;
    GuiTemplates m_templates;
    std::vector<Entry> m_entries;
    int m_created[GuiKind::Count] = {};
    bool m_intercepting = false;
    // A mouse event a part ignored reaches its parent too; it is reported once.
    QEvent::Type m_lastType = QEvent::None;
    quint64 m_lastTimestamp = 0;
    QPointF m_lastGlobal;
};
