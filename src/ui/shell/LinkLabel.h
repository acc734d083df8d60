#pragma once

#include <QLabel>

// A label that acts as a link: link-coloured, a hand cursor, underlined while the mouse is
// over it, and clicked by the mouse or by Enter or Space when it has the focus.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    bool isUnderlined() const { return font().underline(); }
    void setUnderlined(bool underlined);

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
