#pragma once

#include <QComboBox>

namespace glyphora {

// A combo box whose list opens as wide as its widest item (the window's drop-down rule), however
// narrow the box itself is. Its drop button can be taken away: a list of one entry has nothing
// to show that the box does not (the clipboard preview, the entity box). An editable box then
// looks like a text box, its text reaching the right edge.
class FittedComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

    bool DropButtonShown() const { return drop_button_shown_; }
    void SetDropButtonShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitTextField();

    bool drop_button_shown_ = true;
    bool fitting_ = false;
};

}  // namespace glyphora
