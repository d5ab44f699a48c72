#include "main_window/fitted_combo_box.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyle>

#include "platform/drop_down_width.h"

namespace glyphora {

void FittedComboBox::showPopup() {
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

}  // namespace glyphora
