#pragma once

#include "guiwin/GuiObjectAccess.h"

class GUI_Collection;
class QWidget;
class cGUI_obj;

// Property statements on a run-time window: the window itself and its objects, found by key
// (the run-time window stores each object under its ID). The run-time window hands this to
// ObjectStatement together with the interpreter's variables.
class GuiCollectionAccess : public GuiObjectAccess {
public:
    GuiCollectionAccess(QWidget *window, GUI_Collection &theGUI);

    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    int windowOuter(Field field) const override;
    void setWindowOuter(Field field, int twips) override;
    GuiKind::Kind objectKind(const QString &name) const override;
    QString objectText(const QString &name) const override;
    void setObjectText(const QString &name, const QString &text) override;
    int objectGeometry(const QString &name, Field field) const override;
    void setObjectGeometry(const QString &name, Field field, int twips) override;
    void setObjectVisible(const QString &name, bool visible) override;
    // Pictures show the image; a button accepts it and stays a plain push button.
    QString setObjectImage(const QString &name, const QString &file) override;
    void drawObjectLine(const QString &name, double x1, double y1, double x2, double y2) override;
    void setObjectDrawMode(const QString &name, bool invert) override;

private:
    cGUI_obj &object(const QString &name) const;

    QWidget *m_window;
    GUI_Collection &m_gui;
};
