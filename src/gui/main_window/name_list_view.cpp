#include "main_window/name_list_view.h"

#include <QEvent>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

#include "platform/theme_colors.h"

namespace glyphora {

// Every entry is as wide as the column: the list's items all share the first one's size.
class NameItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void SetColumnTextWidth(int width) { column_text_width_ = width; }

    // The entry's width with its own text: icon, margins and the name.
    int NaturalWidth(const QStyleOptionViewItem& option, const QModelIndex& index) const {
        return QStyledItemDelegate::sizeHint(option, index).width();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int text = option.fontMetrics.horizontalAdvance(index.data().toString());
        size.setWidth(size.width() - text + column_text_width_);
        return size;
    }

private:
    int column_text_width_ = 0;
};

NameListView::NameListView(const QString& name, QAbstractItemModel* model, QWidget* parent)
    : QListView(parent), delegate_(new NameItemDelegate(this)) {
    setObjectName(name);
    setItemDelegate(delegate_);
    setModel(model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIconSize(QSize(16, 16));
    connect(model, &QAbstractItemModel::modelReset, this, &NameListView::MeasureNames);
    MeasureNames();
}

void NameListView::MeasureNames() {
    int longest = 0;
    const QFontMetrics metrics(font());
    for (int row = 0, rows = model()->rowCount(); row < rows; ++row) {
        const QString name = model()->index(row, 0).data().toString();
        auto width = widths_.constFind(name);
        if (width == widths_.constEnd())
            width = widths_.insert(name, metrics.horizontalAdvance(name));
        longest = std::max(longest, *width);
    }
    delegate_->SetColumnTextWidth(longest + kNamePadding);
    scheduleDelayedItemsLayout();
}

void NameListView::initViewItemOption(QStyleOptionViewItem* option) const {
    QListView::initViewItemOption(option);
    // The styles draw the inactive colour group for a view in an inactive window only.
    if (!hasFocus()) {
        option->state &= ~QStyle::State_Active;
        option->palette = UnfocusedSelectionPalette(option->palette);
    }
}

bool NameListView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QListView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (index.isValid()) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QRect rect = visualRect(index);
        const int right = rect.left() + delegate_->NaturalWidth(option, index);
        if (rect.left() < 0 || right > viewport()->width()) {
            QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), rect);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void NameListView::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widths_.clear();
        MeasureNames();
    }
}

QPalette UnfocusedSelectionPalette(QPalette palette) {
    const QColor active = palette.color(QPalette::Active, QPalette::Highlight);
    if (palette.color(QPalette::Inactive, QPalette::Highlight) == active) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight,
                         Mix(palette.color(QPalette::Active, QPalette::Base), active, 0.35));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Active, QPalette::Text));
    }
    return palette;
}

}  // namespace glyphora
