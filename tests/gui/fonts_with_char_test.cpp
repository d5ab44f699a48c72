// "Fonts with This Character…" from the cell menu and its key, choosing a family there, and the
// glyph counts in the Subranges list's tool tips.
#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>

#include "main_window/fonts_with_char_window.h"
#include "table/char_table.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using testing::WindowFixture;

int RowOf(QAbstractItemView* list, const QString& text) {
    const auto matches = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                              Qt::MatchExactly);
    return matches.isEmpty() ? -1 : matches.first().row();
}

QStringList Families(QListWidget* list) {
    QStringList families;
    for (int i = 0; i < list->count(); ++i) families << list->item(i)->text();
    return families;
}

class FontsWithCharTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = home_.emplace().Start();
        QVERIFY(window_);
        auto* fonts = window_->findChild<QListView*>("lvFont");
        const QModelIndex sans = fonts->model()->index(RowOf(fonts, "DejaVu Sans"), 0);
        fonts->scrollTo(sans);
        QTest::mouseClick(fonts->viewport(), Qt::LeftButton, {}, fonts->visualRect(sans).center());
        auto* show_all = window_->findChild<QCheckBox*>("chRange");
        QTest::mouseClick(show_all, Qt::LeftButton, {}, QPoint(6, show_all->height() / 2));
        QVERIFY(show_all->isChecked());
    }
    void cleanup() {
        window_.reset();
        home_.reset();
    }

    void TheCellMenuOpensTheListForItsCell() {
        auto* menu = window_->findChild<QMenu*>("mCell");
        auto* entry = menu->findChild<QAction*>("mCellFonts");
        QVERIFY(entry);
        QCOMPARE(entry->text().remove('&'), QString::fromUtf8("Fonts with This Character…"));
        QCOMPARE(entry->shortcut(), QKeySequence("Ctrl+Shift+F"));
        CharTable* table = window_->Table();
        const QPoint at = table->CellRect(0x41).center();  // "A" on the first page
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->mapToGlobal(at));
        QApplication::sendEvent(table, &event);
        menu->hide();
        entry->trigger();

        QCOMPARE(window_->Model().CurrentCodePoint(), 0x41L);
        auto* dialog = window_->findChild<FontsWithCharWindow*>("fwFonts");
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        const int all = window_->findChild<QListView*>("lvFont")->model()->rowCount();
        const int listed = dialog->List()->count();
        QCOMPARE(dialog->windowTitle(), QString("%1 of %2 fonts").arg(listed).arg(all));
        QVERIFY(Families(dialog->List()).contains("DejaVu Sans Mono"));
        QVERIFY(dialog->findChild<QLabel*>("tlFontsChar")->text().startsWith("U+0041"));
        // Each family is drawn in its own font.
        QCOMPARE(dialog->List()->currentItem()->font().families().value(0), QString("DejaVu Sans"));
    }

    void ChoosingAFamilySelectsItAndKeepsTheCharacter() {
        window_->Model().GoToCodePoint(0x416);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        auto* dialog = window_->findChild<FontsWithCharWindow*>("fwFonts");
        QVERIFY(dialog && dialog->isVisible());
        QListWidget* list = dialog->List();
        const int serif = Families(list).indexOf("DejaVu Serif");
        QVERIFY(serif >= 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(serif)).center());
        QCOMPARE(QString::fromStdU16String(window_->Model().FontFamily()), QString("DejaVu Serif"));
        auto* fonts = window_->findChild<QListView*>("lvFont");
        QCOMPARE(fonts->currentIndex().data().toString(), QString("DejaVu Serif"));
        QCOMPARE(window_->Model().CurrentCodePoint(), 0x416L);
        QCOMPARE(list->currentRow(), serif);

        // The open list follows the table.
        QTest::keyClick(window_->Table(), Qt::Key_Right);
        QVERIFY(dialog->findChild<QLabel*>("tlFontsChar")->text().startsWith("U+0417"));
    }

    void SubrangeToolTipsCountTheFontsGlyphs() {
        auto* ranges = window_->findChild<QListView*>("lvRange");
        const QModelIndex basic = ranges->model()->index(RowOf(ranges, "Basic Latin"), 0);
        // DejaVu Sans draws the 95 printable ASCII characters; the 33 controls are named too.
        QCOMPARE(basic.data(Qt::ToolTipRole).toString(),
                 QString::fromUtf8("Basic Latin — 95 of 128"));
        const QRegularExpression shape(QString::fromUtf8("^.+ — (\\d+) of (\\d+)$"));
        for (int row = 0; row < ranges->model()->rowCount(); ++row) {
            const auto match =
                shape.match(ranges->model()->index(row, 0).data(Qt::ToolTipRole).toString());
            QVERIFY(match.hasMatch());
            QVERIFY(match.captured(1).toInt() <= match.captured(2).toInt());
        }
    }

private:
    std::optional<WindowFixture> home_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::FontsWithCharTest)
#include "fonts_with_char_test.moc"
