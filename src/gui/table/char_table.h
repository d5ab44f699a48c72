#pragma once

#include <QHash>
#include <QPixmap>
#include <QRawFont>
#include <QTimer>
#include <QWidget>
#include <array>
#include <bitset>
#include <functional>
#include <string>
#include <unordered_map>

#include "table/main_window_model.h"

namespace glyphora {

class NameTable;

// The character table pbTable: the 16 x 16 cells of the model's page with their column and row
// headers (bbFixHor, bbFixVer) and the subrange separators (loTable), painted in one widget. It
// only shows the model: every click, key, wheel step and focus change goes out as a signal, and
// Refresh() takes the model's state back, repainting just what changed.
//
// Glyphs are drawn from the chosen font's own file (QRawFont), never from a fallback font: a
// character the font has no glyph for shows the empty-cell pattern instead of another font's
// glyph or the font's .notdef box.
class CharTable : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = MainWindowModel::kRows;
    static constexpr int kCellSide = 22;  // every cell is 22 x 22 pixels ...
    static constexpr int kPitch = 23;     // ... with one pixel of the grid between neighbours
    static constexpr int kRowHeaderWidth = 34;
    static constexpr int kColumnHeaderHeight = 22;
    static constexpr qreal kCellFontPixels = 15.0;  // 11.25 points at 96 pixels per inch

    CharTable(const MainWindowModel& model, const NameTable& names, QWidget* parent = nullptr);

    // Takes the model's state after a handler ran: the cells whose look changed, the font when it
    // changed, and the row labels and separators (compared with what is shown).
    void Refresh(const std::bitset<MainWindowModel::kCells>& dirty_cells);

    QRect CellRect(int i) const;
    QRect RowHeaderRect(int row) const;
    QRect ColumnHeaderRect(int column) const;
    QString RowLabel(int row) const { return QString::fromStdString(row_labels_[row]); }
    int CellAt(const QPoint& point) const;  // -1 when the point is on no cell
    // Whether cell i shows a glyph of the chosen font (false: empty-cell pattern or nothing).
    bool CellShowsGlyph(int i) const { return glyphs_[i].index != 0; }
    // What assistive technology reads for cell i: the character, its code and its name.
    QString CellDescription(int i) const;
    int CurrentCell() const { return model_.Page().Current(); }

    // Lays out and rasterises, in idle time, the glyphs of the page that a jump to cp will show
    // (from cp's row on), so that the jump's repaint finds them ready.
    void WarmPageOf(long cp);
    // The same for the shown page in another font, one the user is about to choose.
    void WarmFont(const std::u16string& family);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Called once, after the first paint (start-up tracing).
    std::function<void()> on_first_paint;

signals:
    void CellPressed(int cell);
    void CellDoubleClicked(int cell);
    void CellMenuRequested(int cell, const QPoint& global_position);
    // A key asked for a command of the table.
    void CommandRequested(TableCommand command);
    void FocusGained();
    void FocusLost();
    // Wheel turned by this many rows (positive: towards the end).
    void WheelRows(int rows);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where a cell's glyph stands: its index in the raw font, its pen position relative to the
    // cell's top-left corner and its scale; clip when it was moved or scaled to fit the cell.
    struct CellGlyph {
        quint32 index = 0;
        QPointF origin;
        qreal scale = 1;
        bool clip = false;
    };
    static constexpr qreal kGlyphMargin = 2;  // pixels kept free round a scaled glyph

    QPoint CellOrigin() const { return {kRowHeaderWidth + 1, kColumnHeaderHeight + 1}; }
    QRect SeparatorRect(int row) const;
    // The headers and cells as one grid: row 0 holds the column headers, column 0 the row
    // headers, item (1 + r, 1 + c) is the cell of row r and column c.
    using DirtyItems = std::array<std::bitset<kRows + 1>, kRows + 1>;
    QRect ItemRect(int row, int column) const;
    QRegion DamageOf(const DirtyItems& items) const;
    // A font as the table draws it, with the glyph layouts worked out so far, by character.
    struct FontGlyphs {
        std::u16string family;
        QRawFont raw;
        std::unordered_map<char16_t, CellGlyph> layouts;
    };
    static QRawFont RawFontOf(const std::u16string& family);
    void LoadFont();
    void Keep(FontGlyphs font);
    FontGlyphs* FindFont(const std::u16string& family);
    void LayOutGlyph(int i);
    // Where the font's glyph of ch stands in a cell (index 0: the font has none), worked out
    // once per font: FreeType loads a glyph's outline for its metrics, which costs as much as
    // drawing it.
    static const CellGlyph& GlyphOf(FontGlyphs& font, char16_t ch);
    // While the table has the focus, the glyphs of the pages before and after the shown one are
    // laid out in idle time, a few at a time, so that Page Up and Page Down find them ready.
    // They are rasterised too, into the font engine's glyph cache, all but the character that
    // will be current (see WarmSome).
    void ScheduleWarming();
    void WarmSome();
    // Scales and moves a glyph whose ink (box, relative to its pen position) leaves the cell.
    static void FitGlyph(const QRectF& box, CellGlyph& glyph);
    void UpdateColours();
    void PaintHeaders(QPainter& painter, const QRect& dirty);
    void UpdatePatterns();
    void PaintCells(QPainter& painter, const QRect& dirty);
    void PaintHeader(QPainter& painter, const QRect& rect, const QString& text, Qt::Orientation,
                     bool current);
    void DrawHeader(QPainter& painter, const QRect& rect, const QString& text, Qt::Orientation,
                    bool current) const;
    // A header as the style draws it, drawn once per label, orientation, size and state: through
    // the style a header costs as much as 16 glyphs, and labels come back with their pages. The
    // pictures are made again when anything else they depend on changes (HeaderLook).
    const QPixmap& HeaderPicture(const QSize& size, const QString& text, Qt::Orientation,
                                 bool current);
    bool HeadersAsPictures() const;
    QString HeaderLook() const;
    void CheckHeaderLook();
    // For the warming: the row headers of the rows from `first` up to `end` (the row of
    // `current` as current).
    void WarmRowHeaders(long first, long end, long current);

    const MainWindowModel& model_;
    const NameTable& names_;

    FontGlyphs font_;  // the shown font
    // Fonts shown before or prepared ahead of their choice, the latest last.
    std::vector<FontGlyphs> kept_fonts_;
    static constexpr std::size_t kKeptFonts = 3;
    std::array<CellGlyph, MainWindowModel::kCells> glyphs_{};
    std::vector<char16_t> to_warm_;        // taken from the back
    std::u16string warming_;               // the family to_warm_ is for
    std::vector<char16_t> left_to_paint_;  // laid out but not rasterised ahead
    struct Header {
        QString text;
        Qt::Orientation orientation;
        bool current;
    };
    std::vector<Header> headers_to_warm_;        // taken from the back
    std::array<long, 2> names_to_warm_{-1, -1};  // code points whose pages of names to make
    QHash<QString, QHash<QString, QPixmap>> header_looks_;  // pictures by look and key
    QString header_look_;
    static constexpr qsizetype kKeptHeaders = 160;  // per look: 10 pages of row labels
    QTimer warm_timer_;
    bool warm_after_paint_ = false;  // a new page or font: its neighbours, once it is on screen
    std::array<std::string, MainWindowModel::kRows> row_labels_{};
    std::array<bool, MainWindowModel::kRows> separators_{};
    int shown_current_ = -1;  // the cell whose row and column headers are drawn as current

    // Theme colours and the empty-cell patterns, made again when the palette changes.
    QColor grid_colour_, separator_colour_;
    std::array<QPixmap, 3> patterns_;  // by paint state
    qreal patterns_dpr_ = 0;

    int wheel_remainder_ = 0;
    bool painted_ = false;
};

}  // namespace glyphora
