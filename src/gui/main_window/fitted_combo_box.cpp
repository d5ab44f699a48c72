#include "main_window/fitted_combo_box.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>

#include "platform/drop_down_width.h"

namespace glyphora {

void FittedComboBox::showPopup() {
    if (!drop_button_shown_) return;
    DropDownMeasure measure;
    const QFontMetrics metrics(view()->font());
    measure.item_widths.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i)
        measure.item_widths.push_back(metrics.horizontalAdvance(itemText(i)));
    measure.scroll_bar_width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // The item view's own margins around the text.
    measure.extra = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    view()->setMinimumWidth(FitDropDownWidth(measure, width()));
    QComboBox::showPopup();
}

void FittedComboBox::SetDropButtonShown(bool shown) {
    if (shown == drop_button_shown_) return;
    drop_button_shown_ = shown;
    if (QLineEdit* edit = lineEdit()) {
        // The combo box places its text field again and again (resize, style, current item):
        // each placement is widened while the button is away.
        edit->removeEventFilter(this);
        if (!shown) edit->installEventFilter(this);
    }
    FitTextField();
    update();
}

void FittedComboBox::FitTextField() {
    QLineEdit* edit = lineEdit();
    if (edit == nullptr || fitting_) return;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // As far from the right edge as from the left one.
    if (!drop_button_shown_) field.setRight(rect().right() - (field.left() - rect().left()));
    if (edit->geometry() == field) return;
    fitting_ = true;
    edit->setGeometry(field);
    fitting_ = false;
}

bool FittedComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        FitTextField();
    return QComboBox::eventFilter(watched, event);
}

void FittedComboBox::paintEvent(QPaintEvent* event) {
    if (drop_button_shown_) return QComboBox::paintEvent(event);
    QStylePainter painter(this);
    if (isEditable()) {
        // A text box's frame and ground; the text field draws the text.
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
        frame.state |= QStyle::State_Sunken;
        if (lineEdit()->isReadOnly()) frame.state |= QStyle::State_ReadOnly;
        if (lineEdit()->hasFocus()) frame.state |= QStyle::State_HasFocus;
        painter.drawPrimitive(QStyle::PE_PanelLineEdit, frame);
        return;
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.subControls &= ~QStyle::SC_ComboBoxArrow;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace glyphora
