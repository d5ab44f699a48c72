#pragma once

#include <QHash>
#include <QListView>

namespace glyphora {

class NameItemDelegate;

// The font list and the Subranges list (lvFont, lvRange): one column of names with their tick
// icons. The column is as wide as the longest name plus kNamePadding, so a name that does not
// fit brings a horizontal scroll bar instead of being cut, and pointing at an entry that is not
// wholly in view shows its full name. The selection is drawn in the palette's inactive
// highlight while the list does not have the focus, so that only the focused control shows the
// focused colours.
class NameListView : public QListView {
    Q_OBJECT

public:
    static constexpr int kNamePadding = 12;  // pixels after the longest name

    NameListView(const QString& name, QAbstractItemModel* model, QWidget* parent = nullptr);

protected:
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void MeasureNames();

    NameItemDelegate* delegate_;
    // Each name's width in the list's font: the Subranges list is filled anew at every font
    // choice, mostly with names measured before.
    QHash<QString, int> widths_;
};

// The selection colours of a view that does not have the focus: the palette's inactive
// highlight, or, where the theme gives it the active one's colour (most do), a pale tint of it
// with the normal text colour, so that the two states can be told apart.
QPalette UnfocusedSelectionPalette(QPalette palette);

}  // namespace glyphora
