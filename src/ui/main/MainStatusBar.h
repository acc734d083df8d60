#pragma once

#include "model/ActionCode.h"

#include <QStatusBar>
#include <QTimer>

class DrawingSurface;
class Project;
class QLabel;
class QSlider;
class QToolButton;
class ToolColumn;

// The main window's status bar: the selected block's tag and kind, a hint for the armed tool,
// and the zoom with − / + buttons, a slider and the level. During a fast run the selection
// moves on every step, so the block's text follows at screen rate, not once per step.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    MainStatusBar(Project &project, DrawingSurface &surface, ToolColumn &tools, QWidget *parent = nullptr);

    // The kind of block an action code makes, named as its tool is ("Şartlı Dallanma", ...).
    static QString kindOf(ActionCode code);

    QLabel *blockLabel() const { return m_block; }
    QLabel *hintLabel() const { return m_hint; }
    QLabel *zoomLabel() const { return m_zoomLevel; }
    QSlider *zoomSlider() const { return m_slider; }
    QToolButton *zoomOutButton() const { return m_zoomOut; }
    QToolButton *zoomInButton() const { return m_zoomIn; }

private:
    void buildZoom(DrawingSurface &surface);
    void showSelected();
    void showArmed(const QString &word);
    void showZoom(int percent);

    Project &m_project;
    QLabel *m_block;
    QLabel *m_hint;
    QLabel *m_zoomLevel = nullptr;
    QSlider *m_slider = nullptr;
    QToolButton *m_zoomOut = nullptr;
    QToolButton *m_zoomIn = nullptr;
    QTimer m_selectionLater;
};
