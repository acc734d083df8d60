#pragma once

#include <QLabel>

class Block_Collection;
class ModelContext;

// A faint text in the middle of an empty drawing surface that says how to place the first
// block or start a new program; it goes as soon as a block is on the surface and comes back
// when the last one goes. It lies over the surface's viewport and lets every click through.
class EmptySurfaceHint : public QLabel {
    Q_OBJECT
public:
    EmptySurfaceHint(ModelContext &context, Block_Collection &blocks, QWidget *viewport);

    static QString text();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
    void centre();

    static constexpr int sideRoom = 8;

    Block_Collection &m_blocks;
};
