// "Fonts with This Character…" from the cell menu and its key, choosing a family there, and the
// glyph counts in the Subranges list's tool tips. The lists are the core's (FontsWithChar,
// SubrangeGlyphCounts); here: the window's events reach them and their answers are shown.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>

#include "main_window/fonts_with_char_window.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using namespace testing;

class FontsWithCharTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() {
        WindowTest::init();
        QVERIFY(Start() && ChooseFont(W(), "DejaVu Sans"));
        Find<QCheckBox>(W(), "chRange")->click();
    }

    void TheCellMenuOrItsKeyOpenTheListAndAFamilyChosenThereKeepsTheCharacter() {
        RightClick(window_->Table(), CellCentre(window_->Table(), 0x41));  // "A", first page
        Find<QMenu>(W(), "mCell")->hide();
        Find<QAction>(Find<QMenu>(W(), "mCell"), "mCellFonts")->trigger();
        auto* dialog = Find<FontsWithCharWindow>(W(), "fwFonts");
        QVERIFY(dialog->isVisible() && !dialog->isModal());
        const int all = Find<QListView>(W(), "lvFont")->model()->rowCount();
        QCOMPARE(dialog->windowTitle(),
                 QString("%1 of %2 fonts").arg(dialog->List()->count()).arg(all));
        QVERIFY(Find<QLabel>(dialog, "tlFontsChar")->text().startsWith("U+0041"));
        // Each family is drawn in its own font.
        QCOMPARE(dialog->List()->currentItem()->font().families().value(0), QString("DejaVu Sans"));
        dialog->close();

        window_->Model().GoToCodePoint(0x416);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W()));
        QTest::keyClick(W(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(dialog->isVisible());
        QListWidget* list = dialog->List();
        const auto serif = list->findItems("DejaVu Serif", Qt::MatchExactly);
        QVERIFY(!serif.isEmpty());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(serif.first()).center());
        QCOMPARE(Find<QListView>(W(), "lvFont")->currentIndex().data().toString(),
                 QString("DejaVu Serif"));
        QCOMPARE(window_->Model().Page().CurrentCodePoint(), 0x416L);
        QCOMPARE(list->currentItem(), serif.first());
        // The open list follows the table.
        QTest::keyClick(window_->Table(), Qt::Key_Right);
        QVERIFY(Find<QLabel>(dialog, "tlFontsChar")->text().startsWith("U+0417"));
    }

    void SubrangeToolTipsCountTheFontsGlyphs() {
        auto* ranges = Find<QListView>(W(), "lvRange");
        QVERIFY(ClickItem(ranges, "Basic Latin"));
        // DejaVu Sans draws the 95 printable ASCII characters; the 33 controls are named too.
        QCOMPARE(ranges->currentIndex().data(Qt::ToolTipRole).toString(),
                 QString::fromUtf8("Basic Latin — 95 of 128"));
        const QRegularExpression shape(QString::fromUtf8("^.+ — (\\d+) of (\\d+)$"));
        for (int row = 0; row < ranges->model()->rowCount(); ++row) {
            const auto match =
                shape.match(ranges->model()->index(row, 0).data(Qt::ToolTipRole).toString());
            QVERIFY(match.hasMatch() && match.captured(1).toInt() <= match.captured(2).toInt());
        }
    }
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::FontsWithCharTest)
#include "fonts_with_char_test.moc"
