#pragma once

#include "guiwin/GuiKind.h"
#include "guiwin/GuiObjectRecord.h"
#include "guiwin/TwipsScale.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// One object of a designed window, bound to the widget that shows it. Geometry is in twips;
// the object keeps the twip values it was given, so a definition read and written again is
// unchanged even where twips do not fall on whole pixels.
class cGUI_obj {
public:
    cGUI_obj(QString id, QString type, TwipsScale scale);

    QWidget *objGUI() const { return m_widget; }
    void setObjGUI(QWidget *widget, int index);
    // The widget's element number in its family (1, 2, 3 ...).
    int Index() const { return m_index; }

    // The widget's text for buttons, text areas and text boxes (line breaks as CR LF); empty
    // for pictures, where writes do nothing.
    QString sText() const;
    void setSText(const QString &text);

    const QString &sTYPE() const { return m_type; }
    GuiKind::Kind kind() const { return GuiKind::fromWord(m_type); }
    const QString &sFunction1() const { return m_function1; }
    void setSFunction1(const QString &name) { m_function1 = name; }
    const QString &sFunction2() const { return m_function2; }
    void setSFunction2(const QString &name) { m_function2 = name; }
    const QString &sID() const { return m_id; }
    void setSID(const QString &id) { m_id = id; }

    qint16 X() const { return m_x; }
    void setX(qint16 twips);
    qint16 Y() const { return m_y; }
    void setY(qint16 twips);
    qint16 w() const { return m_width; }
    void setW(qint16 twips); // 0 or less does nothing
    qint16 h() const { return m_height; }
    void setH(qint16 twips); // 0 or less does nothing
    void setGeometry(const QRect &twips);

    GuiObjectRecord record() const;

private:
    void place();

    QPointer<QWidget> m_widget;
    int m_index = 0;
    QString m_id;
    QString m_function1;
    QString m_function2;
    QString m_type;
    TwipsScale m_scale;
    qint16 m_x = 0;
    qint16 m_y = 0;
    qint16 m_width = 0;
    qint16 m_height = 0;
};
