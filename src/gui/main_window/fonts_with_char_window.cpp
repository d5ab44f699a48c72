#include "main_window/fonts_with_char_window.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "base/text.h"
#include "table/main_window_model.h"
#include "unicode/name_table.h"

namespace glyphora {

namespace {

constexpr int kSampleRole = Qt::UserRole;
constexpr double kSampleScale = 1.8;  // the character, larger than the family's name
constexpr int kPadding = 4;

// A row: the character in a square of its own, then the family's name, both in the family's
// font. The character is drawn without font merging, so what shows is the family's own glyph.
class FamilyRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        row.text.clear();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &row, painter, widget);

        painter->save();
        painter->setClipRect(option.rect);  // a tall script must not draw over its neighbours
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QFont sample_font = SampleFont(row.font);
        const int side = ColumnWidth(option);
        const QRect box(option.rect.left() + kPadding, option.rect.top(), side,
                        option.rect.height());
        painter->setFont(sample_font);
        painter->drawText(box, Qt::AlignCenter, index.data(kSampleRole).toString());
        painter->setFont(row.font);
        const QRect text(box.right() + kPadding, option.rect.top(),
                         option.rect.right() - box.right() - kPadding, option.rect.height());
        const QString name = QFontMetrics(row.font).elidedText(
            index.data(Qt::DisplayRole).toString(), Qt::ElideRight, text.width());
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, name);
        painter->restore();
    }

    // One size for every row, from the list's own font: the list lays out hundreds of families
    // without loading their fonts, and loads only those of the rows it paints.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const QFont list_font = ListFont(option);
        const QFontMetrics sample(SampleFont(list_font));
        return {ColumnWidth(option) + QFontMetrics(list_font).averageCharWidth() * 24,
                sample.height() + kPadding};
    }

private:
    static QFont SampleFont(QFont font) {
        font.setPointSizeF(font.pointSizeF() * kSampleScale);
        font.setStyleStrategy(QFont::NoFontMerging);
        return font;
    }
    static QFont ListFont(const QStyleOptionViewItem& option) {
        return option.widget ? option.widget->font() : QApplication::font();
    }
    // One width for the characters' column, so the names line up.
    static int ColumnWidth(const QStyleOptionViewItem& option) {
        return QFontMetrics(SampleFont(ListFont(option))).height() * 5 / 4;
    }
};

}  // namespace

FontsWithCharWindow::FontsWithCharWindow(MainWindowModel& model, FontCatalog& catalog,
                                         const NameTable& names, std::function<void()> sync,
                                         QWidget* parent)
    : QDialog(parent), list_(model, catalog), names_(names), sync_(std::move(sync)) {
    setObjectName("fwFonts");
    setModal(false);
    tlFontsChar = new QLabel(this);
    tlFontsChar->setObjectName("tlFontsChar");
    tlFontsChar->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lvFonts = new QListWidget(this);
    lvFonts->setObjectName("lvFonts");
    lvFonts->setItemDelegate(new FamilyRowDelegate(lvFonts));
    lvFonts->setUniformItemSizes(true);
    lvFonts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tlFontsChar->setBuddy(lvFonts);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tlFontsChar);
    layout->addWidget(lvFonts, 1);
    resize(340, 420);
    connect(lvFonts, &QListWidget::itemClicked, this, &FontsWithCharWindow::Chosen);
    connect(lvFonts, &QListWidget::itemActivated, this, &FontsWithCharWindow::Chosen);
}

void FontsWithCharWindow::Open() {
    show();
    Sync();
    raise();
    activateWindow();
    lvFonts->setFocus(Qt::OtherFocusReason);
}

void FontsWithCharWindow::Sync() {
    if (!isVisible()) return;
    if (list_.Refresh()) Rebuild();
    const auto row = list_.ChosenRow();
    const int current = row ? static_cast<int>(*row) : -1;
    if (lvFonts->currentRow() != current) {
        const QSignalBlocker block(lvFonts);
        lvFonts->setCurrentRow(current);
    }
}

void FontsWithCharWindow::Rebuild() {
    setWindowTitle(QString::fromStdU16String(list_.Title()));
    QString character;
    if (const auto cp = list_.CodePoint()) {
        character = QString::fromStdString("U+" + Hex4(*cp) + "  ") +
                    QString(QChar(static_cast<char16_t>(*cp))) + "  " +
                    QString::fromStdString(std::string(names_.CharName(*cp)));
    }
    tlFontsChar->setText(character);

    lvFonts->clear();
    const QString sample =
        list_.CodePoint() ? QString(QChar(static_cast<char16_t>(*list_.CodePoint()))) : QString();
    for (std::size_t row = 0; row < list_.Families().size(); ++row) {
        const QString family = QString::fromStdU16String(list_.FamilyName(row));
        auto* item = new QListWidgetItem(family, lvFonts);
        QFont drawn = font();
        drawn.setFamilies({family});
        item->setFont(drawn);
        item->setData(kSampleRole, sample);
    }
}

void FontsWithCharWindow::Chosen(QListWidgetItem* item) {
    const int row = lvFonts->row(item);
    if (row < 0) return;
    list_.Choose(static_cast<std::size_t>(row));
    sync_();
}

}  // namespace glyphora
