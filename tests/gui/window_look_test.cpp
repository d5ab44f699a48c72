// What the main window shows, on the off-screen platform: the focus in the colours of the lists
// and the table, names longer than their list, wide glyphs in their cells, the order of the Tab
// key, the length of the Subranges drop-down and the window's icon.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <utility>

#include "main_window/name_list_view.h"
#include "program/program_icon.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using namespace testing;

// Whether the list paints its selected item in this colour (right of the item's short name);
// the style may shade it a little.
bool SelectionDrawnIn(QListView* list, const QColor& colour) {
    const QRect item = list->visualRect(list->currentIndex());
    const QColor drawn = list->viewport()->grab().toImage().pixelColor(
        list->viewport()->width() - 6, item.center().y());
    return std::abs(drawn.red() - colour.red()) + std::abs(drawn.green() - colour.green()) +
               std::abs(drawn.blue() - colour.blue()) <=
           6;
}

// The first and last columns of rect that hold ink (pixels darker than mid-grey on the light
// ground of the off-screen style); {-1, -1} without any.
std::pair<int, int> InkColumns(const QImage& image, const QRect& rect) {
    std::pair<int, int> columns{-1, -1};
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) >= 128) continue;
            if (columns.first < 0) columns.first = x;
            columns.second = x;
            break;
        }
    }
    return columns;
}

// The focus chain, from the font list, of the controls named: the order Tab visits them in when
// they are shown and enabled.
QStringList TabOrder(QWidget* window, const QStringList& names) {
    QStringList order;
    QWidget* first = Find(window, "lvFont");
    for (QWidget* w = first->nextInFocusChain(); order.size() < names.size() && w != first;
         w = w->nextInFocusChain()) {
        if (names.contains(w->objectName()) && !order.contains(w->objectName()))
            order << w->objectName();
    }
    return order;
}

class WindowLookTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() {
        WindowTest::init();
        QVERIFY(Start());
    }

    void OnlyTheFocusedControlShowsTheFocusedSelection() {
        auto* fonts = Find<QListView>(W(), "lvFont");
        auto* ranges = Find<QListView>(W(), "lvRange");
        QTest::mouseClick(Find(W(), "tbCopy"), Qt::LeftButton);
        ChooseFont(W(), "DejaVu Sans");
        QVERIFY(fonts->hasFocus());
        const QPalette palette = fonts->palette();
        const QColor focused = palette.color(QPalette::Active, QPalette::Highlight);
        const QColor unfocused =
            UnfocusedSelectionPalette(palette).color(QPalette::Inactive, QPalette::Highlight);
        QVERIFY(!SelectionDrawnIn(fonts, unfocused));  // visibly different
        QVERIFY(SelectionDrawnIn(fonts, focused));
        QVERIFY(SelectionDrawnIn(ranges, unfocused));
        QCOMPARE(window_->Model().Page().Cells()[window_->Model().Page().Current()].state,
                 PaintState::SelectedInactive);
        ClickItem(ranges, "Basic Latin");
        QVERIFY(SelectionDrawnIn(fonts, unfocused));
        QVERIFY(SelectionDrawnIn(ranges, focused));
    }

    void NamesLongerThanTheirListScrollAndTellThemselves() {
        Find<QCheckBox>(W(), "chRange")->click();
        auto* ranges = Find<QListView>(W(), "lvRange");
        int longest = 0;
        for (int row = 0; row < ranges->model()->rowCount(); ++row)
            longest = std::max(longest, ranges->fontMetrics().horizontalAdvance(
                                            ranges->model()->index(row, 0).data().toString()));
        QScrollBar* bar = ranges->horizontalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->maximum() + ranges->viewport()->width() >=
                ranges->iconSize().width() + longest + NameListView::kNamePadding);
        // Pointed at, a name the list cuts shows in full; one in view shows nothing.
        const auto tip = [ranges](const QString& name) {
            ClickItem(ranges, name);
            const QPoint at = ranges->visualRect(ranges->currentIndex()).center();
            QHelpEvent event(QEvent::ToolTip, at, ranges->viewport()->mapToGlobal(at));
            QApplication::sendEvent(ranges->viewport(), &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tip("Cyrillic"), QString());
        const QString name = "Combining Diacritical Marks for Symbols";
        QCOMPARE(tip(name), name);
    }

    // U+2031 Per Ten Thousand Sign is wider than a cell at the table's size, and than the view
    // at the size that fits the font's line into it.
    void WideGlyphsStayWholeInTheirCellsAndTheView() {
        ChooseFont(W(), "DejaVu Sans");
        Select(*window_, 0x2031);
        auto* view = Find<QFrame>(W(), "pbView");
        const QRect inner = view->contentsRect();
        const auto [left, right] = InkColumns(view->grab().toImage(), inner);
        QVERIFY(left > inner.left() + 1 && right < inner.right() - 1);
        // In its cell, away from the selection's frame.
        CharTable* table = window_->Table();
        const int cell = window_->Model().Page().Current();
        QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, cell - 1));
        const QRect rect = table->CellRect(cell);
        const auto [first, last] = InkColumns(table->grab().toImage(), rect);
        QVERIFY(first > rect.left() && last < rect.right());
    }

    // Left column, table, then the lower panel's frames and buttons, the copy rows, status bar.
    void TheTabKeyFollowsTheLayout() {
        const QStringList expanded{
            "bbFont",    "lvRange",   "obSearch2", "tbGoTo",     "bbSearch",
            "cbRange",   "pbTable",   "chView",    "obFormat0",  "obFormat11",
            "cbCharSet", "cbEntity",  "cbPicture", "bbPicture1", "bbAbout",
            "bbCharMap", "bbHelp",    "bbClose",   "tbCopy",     "bbCopy",
            "bbReset",   "cbPreview", "chPreview", "chMode",     "chOnTop"};
        QCOMPARE(TabOrder(W(), expanded), expanded);
        Find<QCheckBox>(W(), "chMode")->click();
        const QStringList compact{"cbRange", "pbTable", "chMode", "tbCopy", "bbCopy", "bbClose"};
        QCOMPARE(TabOrder(W(), compact), compact);
    }

    void TheSubrangesDropDownShowsAScreenfulOfNames() {
        Find<QCheckBox>(W(), "chRange")->click();  // all 162 subranges
        auto* combo = Find<QComboBox>(W(), "cbRange");
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        const int rows = list->viewport()->height() / list->sizeHintForRow(0);
        QVERIFY2(rows >= 16 && rows <= 24, qPrintable(QString::number(rows)));
        combo->hidePopup();
    }

    // The window's icon is built from pixels decoded when the program is built.
    void TheWindowIconShowsTheIconFiles() {
        const QIcon icon = WindowIcon();
        QList<QSize> sizes;
        for (const int side : {16, 24, 32, 48, 64, 128}) {
            sizes << QSize(side, side);
            const QImage file(QStringLiteral(GLYPHORA_ICON_DIR "/glyphora-%1.png").arg(side));
            QCOMPARE(icon.pixmap(QSize(side, side)).toImage(),
                     file.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        QCOMPARE(icon.availableSizes(), sizes);
    }
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::WindowLookTest)
#include "window_look_test.moc"
