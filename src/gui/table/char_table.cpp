#include "table/char_table.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGlyphRun>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QVarLengthArray>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "platform/key_commands.h"
#include "platform/theme_colors.h"
#include "table/cell_font.h"
#include "table/cell_patterns.h"
#include "unicode/name_table.h"

namespace glyphora {

namespace {

constexpr int kCells = MainWindowModel::kCells;
constexpr int kRows = MainWindowModel::kRows;
constexpr QRgb kMarkColour = qRgb(255, 0, 0);
// Cells show a glyph for one UTF-16 unit: warming stops at the end of the first plane.
constexpr long kLastWarmed = 0xFFFF;

QString ColumnLabel(long column) { return QString(QLatin1Char("0123456789ABCDEF"[column % 16])); }

}  // namespace

CharTable::CharTable(const MainWindowModel& model, const NameTable& names, QWidget* parent)
    : QWidget(parent), model_(model), names_(names) {
    setObjectName("pbTable");
    // A click selects through the model, which asks for the focus itself when the user acted.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
    UpdateColours();
    warm_timer_.setInterval(0);
    connect(&warm_timer_, &QTimer::timeout, this, &CharTable::WarmSome);
}

QSize CharTable::sizeHint() const {
    return {kRowHeaderWidth + 1 + 16 * kPitch, kColumnHeaderHeight + 1 + kRows * kPitch};
}

QRect CharTable::CellRect(int i) const {
    const QPoint origin = CellOrigin();
    return {origin.x() + (i % 16) * kPitch, origin.y() + (i / 16) * kPitch, kCellSide, kCellSide};
}

QRect CharTable::RowHeaderRect(int row) const {
    return {0, CellOrigin().y() + row * kPitch, kRowHeaderWidth, kCellSide};
}

QRect CharTable::ColumnHeaderRect(int column) const {
    return {CellOrigin().x() + column * kPitch, 0, kCellSide, kColumnHeaderHeight};
}

QRect CharTable::SeparatorRect(int row) const {
    // The one-pixel gap under the row, across the row header and all cells.
    return {0, CellOrigin().y() + row * kPitch + kCellSide, width(), 1};
}

int CharTable::CellAt(const QPoint& point) const {
    const QPoint p = point - CellOrigin();
    if (p.x() < 0 || p.y() < 0) return -1;
    const int column = p.x() / kPitch;
    const int row = p.y() / kPitch;
    if (column >= 16 || row >= kRows) return -1;
    // The grid lines between the cells belong to no cell.
    if (p.x() % kPitch >= kCellSide || p.y() % kPitch >= kCellSide) return -1;
    return row * 16 + column;
}

QString CharTable::CellDescription(int i) const {
    if (i < 0 || i >= kCells || row_labels_[i / 16].empty()) return {};
    const long cp = model_.Page().Cells()[i].code_point;
    QString text;
    if (glyphs_[i].index != 0) text = QChar(static_cast<char16_t>(cp)) + QLatin1Char(' ');
    text += QString::fromStdString("U+" + Hex4(cp));
    const std::string_view name = names_.CharName(cp);
    if (!name.empty()) text += QLatin1Char(' ') + QString::fromUtf8(name.data(), name.size());
    return text;
}

QRawFont CharTable::RawFontOf(const std::u16string& family) {
    const CellFont& face = CellFontOf(family);
    return face.own ? face.raw : QRawFont();
}

void CharTable::LoadFont() {
    const std::u16string family = model_.Fonts().Family();
    to_warm_.clear();
    if (!font_.family.empty()) Keep(std::move(font_));
    const auto kept = std::find_if(kept_fonts_.begin(), kept_fonts_.end(),
                                   [&](const FontGlyphs& f) { return f.family == family; });
    if (kept != kept_fonts_.end()) {
        font_ = std::move(*kept);
        kept_fonts_.erase(kept);
    } else {
        font_ = FontGlyphs{family, RawFontOf(family), {}};
    }
}

void CharTable::Keep(FontGlyphs font) {
    std::erase_if(kept_fonts_, [&](const FontGlyphs& f) { return f.family == font.family; });
    kept_fonts_.push_back(std::move(font));
    if (kept_fonts_.size() > kKeptFonts) kept_fonts_.erase(kept_fonts_.begin());
}

CharTable::FontGlyphs* CharTable::FindFont(const std::u16string& family) {
    if (family == font_.family) return &font_;
    for (FontGlyphs& font : kept_fonts_)
        if (font.family == family) return &font;
    return nullptr;
}

void CharTable::LayOutGlyph(int i) {
    const Cell& cell = model_.Page().Cells()[i];
    const bool drawn = font_.raw.isValid() && cell.caption.size() == 1 && cell.pattern < 0;
    glyphs_[i] = drawn ? GlyphOf(font_, cell.caption[0]) : CellGlyph{};
}

const CharTable::CellGlyph& CharTable::GlyphOf(FontGlyphs& font, char16_t ch) {
    const auto [it, added] = font.layouts.try_emplace(ch);
    if (!added) return it->second;
    CellGlyph& glyph = it->second;
    const QRawFont& raw = font.raw;
    const QChar qch(ch);
    quint32 index = 0;
    int count = 1;
    // Index 0 is the font's .notdef box: the font has no glyph of its own for ch.
    if (raw.glyphIndexesForChars(&qch, 1, &index, &count) && count == 1 && index != 0) {
        QPointF advance;
        raw.advancesForGlyphIndexes(&index, &advance, 1);
        const qreal ascent = raw.ascent();
        const qreal height = ascent + raw.descent();
        const QRectF box = raw.boundingRect(index);
        // A combining mark has no advance and draws left of its origin: centre its ink.
        const qreal left =
            advance.x() >= 1 ? (kCellSide - advance.x()) / 2 : kCellSide / 2.0 - box.center().x();
        glyph.index = index;
        glyph.origin = QPointF(std::round(left), std::round((kCellSide - height) / 2 + ascent));
        FitGlyph(box, glyph);
    }
    return glyph;
}

void CharTable::ScheduleWarming() {
    to_warm_.clear();
    left_to_paint_.clear();
    warm_timer_.stop();
    headers_to_warm_.clear();
    if (!font_.raw.isValid() || !hasFocus()) return;
    long first = -1, last = -1;
    for (const Cell& cell : model_.Page().Cells()) {
        if (cell.code_point <= 0) continue;
        if (first < 0) first = cell.code_point;
        last = cell.code_point;
    }
    if (first < 0) return;
    warming_ = font_.family;
    // Page Down first: it is taken from the back.
    for (long cp = std::max(0L, first - kCells); cp < first; ++cp)
        to_warm_.push_back(static_cast<char16_t>(cp));
    for (long cp = std::min(kLastWarmed, last + kCells); cp > last; --cp)
        to_warm_.push_back(static_cast<char16_t>(cp));
    // A page key keeps the selection in its cell.
    const long current = model_.Page().CurrentCodePoint();
    for (const long cp : {current - kCells, current + kCells})
        if (cp >= 0 && cp <= kLastWarmed) left_to_paint_.push_back(static_cast<char16_t>(cp));
    WarmRowHeaders(std::max(0L, first - kCells), first, current - kCells);
    WarmRowHeaders(last + 1, std::min(kLastWarmed + 1, last + 1 + kCells), current + kCells);
    // The status bar names the new current character: its page of names too.
    names_to_warm_ = {current - kCells, current + kCells};
    if (!to_warm_.empty() || !headers_to_warm_.empty()) warm_timer_.start();
}

void CharTable::WarmRowHeaders(long first, long end, long current) {
    for (long row = first / 16 * 16; row < end; row += 16)
        headers_to_warm_.push_back({QString::fromStdString(CharPage::RowLabelOf(row)), Qt::Vertical,
                                    current >= row && current < row + 16});
}

void CharTable::WarmPageOf(long cp) {
    if (!font_.raw.isValid() || cp < 0 || cp > kLastWarmed) return;
    if (warming_ != font_.family) to_warm_.clear();
    warming_ = font_.family;
    left_to_paint_ = {static_cast<char16_t>(cp)};
    const long row = cp / 16 * 16;
    for (long c = std::min(kLastWarmed, row + kCells - 1); c >= row; --c)
        to_warm_.push_back(static_cast<char16_t>(c));
    headers_to_warm_.clear();
    WarmRowHeaders(row, std::min(kLastWarmed + 1, row + kCells), cp);
    // The current cell's column header moves with the jump.
    headers_to_warm_.push_back({ColumnLabel(cp), Qt::Horizontal, true});
    headers_to_warm_.push_back({ColumnLabel(model_.Page().Current()), Qt::Horizontal, false});
    warm_timer_.start();
}

void CharTable::WarmFont(const std::u16string& family) {
    if (family.empty() || family == font_.family) return;
    if (!FindFont(family)) Keep(FontGlyphs{family, RawFontOf(family), {}});
    if (!FindFont(family)->raw.isValid()) return;
    to_warm_.clear();
    warming_ = family;
    const auto& cells = model_.Page().Cells();
    left_to_paint_ = {cells[model_.Page().Current()].caption.size() == 1
                          ? cells[model_.Page().Current()].caption[0]
                          : char16_t{0}};
    for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell)
        if (cell->caption.size() == 1 && cell->pattern < 0) to_warm_.push_back(cell->caption[0]);
    if (!to_warm_.empty()) warm_timer_.start();
}

void CharTable::WarmSome() {
    FontGlyphs* font = FindFont(warming_);
    if (!font || !font->raw.isValid()) to_warm_.clear();
    // Small steps keep a key pressed meanwhile waiting for one step at most.
    constexpr int kStep = 16;
    for (int n = 0; n < kStep && !to_warm_.empty(); ++n) {
        const char16_t ch = to_warm_.back();
        to_warm_.pop_back();
        if (font->layouts.contains(ch)) continue;
        const CellGlyph& glyph = GlyphOf(*font, ch);
        // Transformed glyphs have glyph caches of their own: left to the paint. So is the
        // character that will be current: all sizes of a font share one FreeType face, and with
        // its table glyph rasterised long before, the picture box's large glyph of it came out a
        // shade different (the order of loads on the face shows; not traced further).
        if (glyph.index == 0 || glyph.scale != 1 ||
            std::find(left_to_paint_.begin(), left_to_paint_.end(), ch) != left_to_paint_.end())
            continue;
        // Into the font engine's own glyph cache, where the paint looks first.
        font->raw.alphaMapForGlyph(glyph.index, QRawFont::PixelAntialiasing);
    }
    if (!HeadersAsPictures()) headers_to_warm_.clear();
    if (to_warm_.empty() && !headers_to_warm_.empty()) {
        CheckHeaderLook();
        constexpr int kHeaderStep = 4;
        for (int n = 0; n < kHeaderStep && !headers_to_warm_.empty(); ++n) {
            const Header header = std::move(headers_to_warm_.back());
            headers_to_warm_.pop_back();
            const QSize size = header.orientation == Qt::Vertical ? RowHeaderRect(0).size()
                                                                  : ColumnHeaderRect(0).size();
            HeaderPicture(size, header.text, header.orientation, header.current);
        }
    }
    if (to_warm_.empty() && headers_to_warm_.empty()) {
        for (const long cp : names_to_warm_)
            if (cp >= 0 && cp <= kLastWarmed) names_.CharName(cp);
        names_to_warm_ = {-1, -1};
        warm_timer_.stop();
    }
}

void CharTable::FitGlyph(const QRectF& box, CellGlyph& glyph) {
    const QRectF cell(0, 0, kCellSide, kCellSide);
    QRectF ink = box.translated(glyph.origin);
    if (cell.contains(ink)) return;
    // A glyph wider or taller than the cell is drawn smaller, centred, so that it stays whole;
    // one that only stands off the cell's middle (a low mark, a wide overhang) is moved in.
    const qreal room = kCellSide - 2 * kGlyphMargin;
    if (ink.width() > room || ink.height() > room) {
        glyph.scale = std::min(room / ink.width(), room / ink.height());
        glyph.origin = cell.center() - box.center() * glyph.scale;
        ink =
            QRectF(box.topLeft() * glyph.scale, box.size() * glyph.scale).translated(glyph.origin);
    }
    const auto shift = [](qreal low, qreal high, qreal end) {
        if (low < 0) return -low;
        if (high > end) return end - high;
        return qreal(0);
    };
    glyph.origin += QPointF(shift(ink.left(), ink.right(), kCellSide),
                            shift(ink.top(), ink.bottom(), kCellSide));
    // Antialiasing may still reach a little past the measured ink.
    glyph.clip = true;
}

void CharTable::Refresh(const std::bitset<MainWindowModel::kCells>& dirty_cells) {
    // Everything that changed goes out in one update(): Qt merges it into one paint, and the
    // damage the window system sees stays a few rectangles instead of one per cell.
    DirtyItems items{};
    QRegion damage;
    if (model_.Fonts().Family() != font_.family) {
        LoadFont();
        for (int i = 0; i < kCells; ++i) LayOutGlyph(i);
        warm_after_paint_ = true;
        // The headers keep their look: only the cells take the new font.
        damage += QRect(CellOrigin(), CellRect(kCells - 1).bottomRight());
    } else if (dirty_cells.any()) {
        for (int i = 0; i < kCells; ++i) {
            if (!dirty_cells.test(static_cast<std::size_t>(i))) continue;
            LayOutGlyph(i);
            items[1 + i / 16].set(1 + i % 16);
        }
        // A selection moves a few cells; a page or a scrolled row changes a row at least.
        if (dirty_cells.count() >= 16) warm_after_paint_ = true;
    }
    for (int r = 0; r < kRows; ++r) {
        if (model_.Page().RowLabels()[r] != row_labels_[r]) {
            row_labels_[r] = model_.Page().RowLabels()[r];
            items[1 + r].set(0);
        }
        if (model_.Page().Separators()[r] != separators_[r]) {
            separators_[r] = model_.Page().Separators()[r];
            damage += SeparatorRect(r);
        }
    }
    const int current = model_.Page().Current();
    if (current != shown_current_) {
        // The headers of the current row and column are drawn raised: repaint those that move.
        for (int cell : {shown_current_, current}) {
            if (cell < 0) continue;
            if (shown_current_ < 0 ||
                cell / 16 != (cell == current ? shown_current_ : current) / 16)
                items[1 + cell / 16].set(0);
            if (shown_current_ < 0 ||
                cell % 16 != (cell == current ? shown_current_ : current) % 16)
                items[0].set(1 + cell % 16);
        }
        shown_current_ = current;
        if (QAccessible::isActive() && hasFocus()) {
            QAccessibleEvent event(this, QAccessible::Focus);
            event.setChild(current);
            QAccessible::updateAccessibility(&event);
        }
    }
    damage += DamageOf(items);
    if (!damage.isEmpty()) update(damage);
}

QRect CharTable::ItemRect(int row, int column) const {
    const int x = column == 0 ? 0 : ColumnHeaderRect(column - 1).x();
    const int y = row == 0 ? 0 : RowHeaderRect(row - 1).y();
    return {x, y, column == 0 ? kRowHeaderWidth : kCellSide,
            row == 0 ? kColumnHeaderHeight : kCellSide};
}

QRegion CharTable::DamageOf(const DirtyItems& items) const {
    // A row with many changed items (a new page) is repainted from its first to its last changed
    // item, grid lines included, and such rows one under another make one rectangle: the lines
    // between them are painted as they were. A few scattered changes keep their own rectangles.
    constexpr std::size_t kSpanFrom = 4;
    QRegion damage;
    QRect open;  // the span rectangle still growing downwards
    for (std::size_t r = 0; r < items.size(); ++r) {
        const auto& row = items[r];
        QRect span;
        if (row.count() >= kSpanFrom) {
            int first = 0, last = static_cast<int>(row.size()) - 1;
            while (!row.test(static_cast<std::size_t>(first))) ++first;
            while (!row.test(static_cast<std::size_t>(last))) --last;
            span = ItemRect(static_cast<int>(r), first).united(ItemRect(static_cast<int>(r), last));
        } else {
            for (int c = 0; c < static_cast<int>(row.size()); ++c)
                if (row.test(static_cast<std::size_t>(c)))
                    damage += ItemRect(static_cast<int>(r), c);
        }
        if (!open.isNull() && !span.isNull() && span.left() == open.left() &&
            span.right() == open.right()) {
            open.setBottom(span.bottom());
            continue;
        }
        if (!open.isNull()) damage += open;
        open = span;
    }
    if (!open.isNull()) damage += open;
    return damage;
}

void CharTable::UpdateColours() {
    const QPalette& pal = palette();
    grid_colour_ = Mix(pal.color(QPalette::Base), pal.color(QPalette::Text), 0.16);
    separator_colour_ = Mix(pal.color(QPalette::Base), pal.color(QPalette::Text), 0.9);
    patterns_dpr_ = 0;  // made again at the next paint, for the screen it paints on
}

void CharTable::PaintHeader(QPainter& painter, const QRect& rect, const QString& text,
                            Qt::Orientation orientation, bool current) {
    if (!HeadersAsPictures()) return DrawHeader(painter, rect, text, orientation, current);
    painter.drawPixmap(rect.topLeft(), HeaderPicture(rect.size(), text, orientation, current));
}

void CharTable::DrawHeader(QPainter& painter, const QRect& rect, const QString& text,
                           Qt::Orientation orientation, bool current) const {
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect;
    option.text = text;
    option.orientation = orientation;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    option.state |= QStyle::State_Raised;
    if (current) option.state |= QStyle::State_On;
    // Headers stay readable whether the table has the focus or not, and all of them would
    // light up with the pointer anywhere on the table.
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    // Styles may leave their clip and font on the painter.
    painter.save();
    QFont font = painter.font();
    font.setBold(current);
    painter.setFont(font);
    style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    painter.restore();
}

// At a fractional pixel ratio a picture would be scaled when drawn: headers are drawn directly.
bool CharTable::HeadersAsPictures() const {
    const qreal ratio = devicePixelRatioF();
    return ratio == std::floor(ratio);
}

const QPixmap& CharTable::HeaderPicture(const QSize& size, const QString& text,
                                        Qt::Orientation orientation, bool current) {
    QString key = text;
    for (const int part :
         {static_cast<int>(orientation), current ? 1 : 0, size.width(), size.height()})
        key += QChar(static_cast<char16_t>(part));
    QHash<QString, QPixmap>& pictures = header_looks_[header_look_];
    if (const auto found = pictures.constFind(key); found != pictures.constEnd()) return *found;
    if (pictures.size() >= kKeptHeaders) pictures.clear();
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size * static_cast<int>(ratio));
    picture.setDevicePixelRatio(ratio);
    // What the paint puts under a header: the style may leave pixels to it.
    picture.fill(grid_colour_);
    QPainter painter(&picture);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.setLayoutDirection(layoutDirection());
    DrawHeader(painter, QRect(QPoint(0, 0), size), text, orientation, current);
    painter.end();
    return *pictures.insert(key, picture);
}

// What the header pictures depend on besides their label: the style, its state and palette
// (the window's activation among them), the font and the pixel ratio.
QString CharTable::HeaderLook() const {
    QStyleOption option;
    option.initFrom(this);
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(static_cast<int>(option.state & ~(QStyle::State_HasFocus | QStyle::State_MouseOver)))
        .arg(option.palette.cacheKey())
        .arg(reinterpret_cast<quintptr>(style()))
        .arg(devicePixelRatioF())
        .arg(font().key());
}

// The pictures of two looks are kept: the window's, active and inactive.
void CharTable::CheckHeaderLook() {
    QString look = HeaderLook();
    if (look == header_look_) return;
    if (header_looks_.size() >= 2 && !header_looks_.contains(look)) header_looks_.clear();
    header_look_ = std::move(look);
}

void CharTable::paintEvent(QPaintEvent* event) {
    const QRect dirty = event->rect();
    QPainter painter(this);
    painter.fillRect(dirty, grid_colour_);
    PaintHeaders(painter, dirty);
    UpdatePatterns();
    PaintCells(painter, dirty);
    for (int r = 0; r < kRows; ++r) {
        if (separators_[r] && SeparatorRect(r).intersects(dirty))
            painter.fillRect(SeparatorRect(r), separator_colour_);
    }
    painter.end();

    if (warm_after_paint_) {
        warm_after_paint_ = false;
        ScheduleWarming();
    }
    if (!painted_) {
        painted_ = true;
        if (on_first_paint) on_first_paint();
    }
}

// The corner, the column headers and the row headers, the current cell's raised.
void CharTable::PaintHeaders(QPainter& painter, const QRect& dirty) {
    CheckHeaderLook();
    const int current = model_.Page().Current();
    const QRect corner(0, 0, kRowHeaderWidth, kColumnHeaderHeight);
    if (corner.intersects(dirty)) PaintHeader(painter, corner, {}, Qt::Horizontal, false);
    for (int c = 0; c < 16; ++c) {
        const QRect rect = ColumnHeaderRect(c);
        if (rect.intersects(dirty))
            PaintHeader(painter, rect, ColumnLabel(c), Qt::Horizontal, c == current % 16);
    }
    for (int r = 0; r < kRows; ++r) {
        const QRect rect = RowHeaderRect(r);
        if (rect.intersects(dirty))
            PaintHeader(painter, rect, QString::fromStdString(row_labels_[r]), Qt::Vertical,
                        r == current / 16 && !row_labels_[r].empty());
    }
}

// The empty-cell patterns in the palette's colours, made again for another pixel ratio.
void CharTable::UpdatePatterns() {
    const qreal dpr = devicePixelRatioF();
    const QPalette& pal = palette();
    if (patterns_dpr_ != dpr) {
        patterns_[0] =
            EmptyCellPattern(Mix(pal.color(QPalette::Base), pal.color(QPalette::Text), 0.45), dpr);
        patterns_[1] = EmptyCellPattern(
            Mix(pal.color(QPalette::Highlight), pal.color(QPalette::HighlightedText), 0.6), dpr);
        patterns_[2] = EmptyCellPattern(
            Mix(pal.color(QPalette::Button), pal.color(QPalette::ButtonText), 0.45), dpr);
        patterns_dpr_ = dpr;
    }
}

// The cells: background, frame of an inactive selection, and the glyph or the empty pattern.
void CharTable::PaintCells(QPainter& painter, const QRect& dirty) {
    const QPalette& pal = palette();
    const QColor backgrounds[3] = {pal.color(QPalette::Base), pal.color(QPalette::Highlight),
                                   pal.color(QPalette::Button)};
    const QColor texts[3] = {pal.color(QPalette::Text), pal.color(QPalette::HighlightedText),
                             pal.color(QPalette::ButtonText)};
    const int offset = (kCellSide - kEmptyPatternSide) / 2;

    // Most cells share the normal text colour: their glyphs go out as one run.
    QVarLengthArray<quint32, kCells> run_glyphs;
    QVarLengthArray<QPointF, kCells> run_positions;
    const auto& cells = model_.Page().Cells();
    for (int i = 0; i < kCells; ++i) {
        const QRect rect = CellRect(i);
        if (!rect.intersects(dirty)) continue;
        const Cell& cell = cells[i];
        const int state = static_cast<int>(cell.state);
        painter.fillRect(rect, backgrounds[state]);
        if (cell.state == PaintState::SelectedInactive) {
            // Button face alone hardly differs from the window colour in most themes: a frame in
            // the selection colour keeps the inactive selection in sight.
            painter.save();
            painter.setPen(pal.color(QPalette::Inactive, QPalette::Highlight));
            painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
            painter.restore();
        }
        const CellGlyph& glyph = glyphs_[i];
        if (glyph.index != 0) {
            const QPointF at = rect.topLeft() + glyph.origin;
            const QColor colour = cell.marked ? QColor(kMarkColour) : texts[state];
            if (state == 0 && !cell.marked && !glyph.clip) {
                run_glyphs.append(glyph.index);
                run_positions.append(at);
                continue;
            }
            QGlyphRun run;
            run.setRawFont(font_.raw);
            run.setGlyphIndexes({glyph.index});
            run.setPositions({QPointF(0, 0)});
            painter.save();
            if (glyph.clip) painter.setClipRect(rect);
            painter.setPen(colour);
            painter.translate(at);
            painter.scale(glyph.scale, glyph.scale);
            painter.drawGlyphRun(QPointF(0, 0), run);
            painter.restore();
        } else if (cell.pattern >= 0 || !cell.caption.empty()) {
            // Also a character the font's own file turns out not to hold: never its .notdef box.
            painter.drawPixmap(rect.topLeft() + QPoint(offset, offset), patterns_[state]);
        }
    }
    if (!run_glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(font_.raw);
        run.setRawData(run_glyphs.constData(), run_positions.constData(), run_glyphs.size());
        painter.setPen(texts[0]);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
}

void CharTable::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0) emit CellPressed(cell);
}

void CharTable::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0) emit CellDoubleClicked(cell);
}

void CharTable::contextMenuEvent(QContextMenuEvent* event) {
    int cell = CellAt(event->pos());
    // From the keyboard (the menu key) the menu is about the current cell.
    if (event->reason() == QContextMenuEvent::Keyboard) cell = model_.Page().Current();
    if (cell < 0) return;
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? mapToGlobal(CellRect(cell).bottomLeft())
                          : event->globalPos();
    emit CellMenuRequested(cell, at);
}

void CharTable::keyPressEvent(QKeyEvent* event) {
    const auto command = TableCommandForKey(*event);
    if (!command) return QWidget::keyPressEvent(event);
    emit CommandRequested(*command);
}

void CharTable::wheelEvent(QWheelEvent* event) {
    // One notch (120 units) moves as many rows as the desktop's wheel setting; smaller steps of
    // precise wheels and touch pads add up until they make a row.
    wheel_remainder_ += event->angleDelta().y() * QApplication::wheelScrollLines();
    const int rows = wheel_remainder_ / 120;
    wheel_remainder_ -= rows * 120;
    if (rows != 0) emit WheelRows(-rows);
    event->accept();
}

void CharTable::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit FocusGained();
    ScheduleWarming();
    // A screen reader is told of the table's focus after this handler; the current cell's focus
    // must come after that, or the reader never hears which character it is on.
    if (QAccessible::isActive()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!hasFocus()) return;
                QAccessibleEvent focus(this, QAccessible::Focus);
                focus.setChild(CurrentCell());
                QAccessible::updateAccessibility(&focus);
            },
            Qt::QueuedConnection);
    }
}

void CharTable::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit FocusLost();
}

void CharTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        UpdateColours();
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace glyphora
