#pragma once

#include <QComboBox>

namespace glyphora {

// A combo box whose list opens as wide as its widest item (the window's drop-down rule), however
// narrow the box itself is.
class FittedComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;
};

}  // namespace glyphora
