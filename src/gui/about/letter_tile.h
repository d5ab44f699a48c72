#pragma once

#include <QLabel>

namespace glyphora {

// tlCell(i): one tile of the letter board. Tells its board about clicks and pointer moves; the
// board decides what they do.
class LetterTile : public QLabel {
    Q_OBJECT

public:
    LetterTile(int index, QWidget* parent);
    int Index() const { return index_; }

signals:
    void Clicked(int index);
    void PointerMoved(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool pressed_ = false;
};

}  // namespace glyphora
