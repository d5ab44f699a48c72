// The main window on the off-screen platform: start-up, the table's events, the two layouts,
// settings across restarts and the refusal path.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <optional>

#include "window_fixture.h"

namespace glyphora {
namespace {

using namespace testing;

QString RowLabel(MainWindow& window, int row) {
    return QString::fromStdString(window.Model().Page().RowLabels()[static_cast<std::size_t>(row)]);
}

// Collects the regions a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

void Settle() { QApplication::processEvents(); }

class MainWindowTest : public WindowTest {
    Q_OBJECT

private slots:

    // After a portable start the program's folder became read-only: the settings and data files
    // beside the program are still read, and written where they can be.
    void AReadOnlyProgramFolderKeepsTheUsersSettingsAndData() {
        const std::string settings = "[fwMain]\nchRange=1\nlvRange=1024\nchPreview=1\n";
        WindowFixture::WriteFile(home_->ProgramFolder() / "glyphora.dat", settings);
        WindowFixture::WriteFile(home_->ProgramFolder() / "glyphora.ent", "0041,,letterA\r\n");
        home_->MakeProgramFolderReadOnly();
        QVERIFY(Start());
        QCOMPARE(window_->Model().Subranges().CurrentStart(), 0x400L);
        Select(*window_, 0x41);
        QCOMPARE(Find<QComboBox>(W(), "cbEntity")->currentText(), QString("&letterA;"));
        WindowFixture::Close(window_);
        QCOMPARE(ReadBytes(home_->ProgramFolder() / "glyphora.dat"), settings);
        QVERIFY(!std::filesystem::exists(std::filesystem::path(home_->Environment().xdg_data_home) /
                                         "glyphora/glyphora.ent"));
        // Written where it can be, with what shutdown does not write (chPreview) carried over.
        const std::string written = ReadBytes(home_->Paths().settings_file);
        QVERIFY(written.find("chRange=1") != std::string::npos);
        QVERIFY(written.find("chPreview=1") != std::string::npos);
    }

    void MouseKeysWheelAndScrollBarMoveTheTable() {
        QVERIFY(Start());
        Find<QCheckBox>(W(), "chRange")->click();
        CharTable* table = window_->Table();
        QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, 0x41));
        QCOMPARE(Panel(W(), "pbStatus0", "Name"), QString("Latin Capital Letter A"));
        QVERIFY(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Right);
        QCOMPARE(Panel(W(), "pbStatus0", "Hex"), QString("U+0042"));
        QTest::mouseDClick(table, Qt::LeftButton, {}, CellCentre(table, 0x42));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(Find<QLineEdit>(W(), "tbCopy")->text(), QString("BB"));

        // A wheel notch scrolls by the desktop's wheel lines; the selection keeps its character.
        const QPoint at = CellCentre(table, 0x42);
        QWheelEvent down(at, table->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(table, &down);
        const int lines = QApplication::wheelScrollLines();
        QCOMPARE(RowLabel(*window_, 0), QString("%1").arg(lines, 3, 16, QChar('0')).toUpper());
        QCOMPARE(window_->Model().Page().CurrentCodePoint(), 0x42L);

        auto* bar = Find<QScrollBar>(W(), "sbTable");
        QCOMPARE(bar->maximum(), window_->Model().ScrollBar().State().max);
        QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(bar->value(), bar->maximum());
    }

    // Glyphs and headers prepared ahead (a font shown before, pages warmed in idle time) draw
    // as they did when drawn at once.
    void GlyphsPreparedAheadDrawAsDrawnAtOnce() {
        QVERIFY(Start());
        CharTable* table = window_->Table();
        QVERIFY(ChooseFont(W(), "DejaVu Serif"));
        table->setFocus();
        Settle();
        const QImage first = table->grab().toImage();
        QVERIFY(ChooseFont(W(), "DejaVu Sans"));
        QVERIFY(ChooseFont(W(), "DejaVu Serif"));
        table->setFocus();
        for (int i = 0; i < 64; ++i) Settle();
        QTest::keyClick(table, Qt::Key_PageDown);
        for (int i = 0; i < 64; ++i) Settle();
        QTest::keyClick(table, Qt::Key_PageUp);
        Settle();
        QCOMPARE(table->grab().toImage(), first);

        // The headers' pictures are made again for another palette.
        QPalette red = table->palette();
        red.setColor(QPalette::Button, Qt::red);
        table->setPalette(red);
        const QColor corner = table->grab().toImage().pixelColor(
            CharTable::kRowHeaderWidth / 2, CharTable::kColumnHeaderHeight / 2);
        QVERIFY2(corner.red() > 2 * corner.green(), qPrintable(corner.name()));
    }

    void ClosingSavesAndARestartRestores() {
        QVERIFY(Start());
        QVERIFY(ChooseFont(W(), "DejaVu Serif"));
        QTest::mouseClick(Find<QPushButton>(W(), "bbFont"), Qt::LeftButton);
        QVERIFY(home_->opened.at(0).toLocalFile().endsWith("DejaVuSerif.ttf"));
        auto* combo = Find<QComboBox>(W(), "cbRange");
        combo->setCurrentIndex(combo->findText("Greek and Coptic"));
        emit combo->activated(combo->currentIndex());
        QCOMPARE(window_->Model().Subranges().CurrentStart(), 0x370L);
        auto* show_all = Find<QCheckBox>(W(), "chRange");
        QTest::mouseClick(show_all, Qt::LeftButton, {}, QPoint(6, show_all->height() / 2));
        QCOMPARE(RowLabel(*window_, 0), QString("037"));  // the page stays
        QVERIFY(ClickItem(Find<QListView>(W(), "lvRange"), "Cyrillic"));
        QCOMPARE(combo->currentText(), QString("Cyrillic"));
        QTest::mouseDClick(Find<StatusBar>(W(), "pbStatus0")->Label("Hex"), Qt::LeftButton);
        // A letter with a negative side bearing would enable the pattern; set it directly.
        Find<QCheckBox>(W(), "chView")->setEnabled(true);
        Find<QCheckBox>(W(), "chView")->click();
        Find<QCheckBox>(W(), "chOnTop")->click();
        window_->move(222, 111);
        Settle();
        Find<QCheckBox>(W(), "chMode")->click();  // compact: moves right by 361
        Settle();
        // What is written, key by key, is the core's (main_settings_test); here: it comes back.
        WindowFixture::Close(window_);
        QVERIFY(Start());
        QCOMPARE(QString::fromStdU16String(window_->Model().Fonts().Family()),
                 QString("DejaVu Serif"));
        QCOMPARE(window_->Model().Subranges().CurrentStart(), 0x400L);
        QVERIFY(Find<QCheckBox>(W(), "chView")->isChecked());
        QVERIFY(Find<QCheckBox>(W(), "chRange")->isChecked());
        QVERIFY(Panel(W(), "pbStatus0", "Hex").startsWith("Alt+"));
        QVERIFY(!Find(W(), "lvFont")->isVisible());
        QVERIFY(window_->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window_->pos(), QPoint(583, 111));
    }

    void MinimisedOrMaximisedTheWindowRestoresToItsPosition() {
        QVERIFY(Start());
        window_->move(300, 200);
        Settle();
        window_->showMinimized();
        Settle();
        window_->move(-32000, -32000);  // where some window systems park a minimised window
        Settle();
        window_->showNormal();
        Settle();
        QCOMPARE(window_->pos(), QPoint(300, 200));
        QCOMPARE(window_->size(), window_->layout()->sizeHint());

        window_->move(140, 70);
        Settle();
        window_->showMaximized();
        Settle();
        WindowFixture::Close(window_);
        const std::string saved = ReadBytes(home_->Paths().settings_file);
        QVERIFY(saved.find("State=2\nLeft=140\nTop=70\n") != std::string::npos);
        QVERIFY(Start());
        QVERIFY(window_->windowState() & Qt::WindowMaximized);
        window_->showNormal();
        Settle();
        QCOMPARE(window_->pos(), QPoint(140, 70));
    }

    // The rules are OnScreenPosition's (core); here a position off the screens reaches them.
    void ASavedPositionOffTheScreensIsCentred_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QPoint>("shown");  // (-1, -1): centred on the primary screen
        QTest::newRow("on the screen") << "Left=100\nTop=50" << QPoint(100, 50);
        QTest::newRow("left of and above it") << "Left=-5000\nTop=-300" << QPoint(-1, -1);
    }
    void ASavedPositionOffTheScreensIsCentred() {
        QFETCH(QString, stored);
        QFETCH(QPoint, shown);
        WindowFixture::WriteFile(home_->Paths().settings_file,
                                 "[fwMain_State]\n" + stored.toStdString() + "\n");
        QVERIFY(Start());
        if (shown == QPoint(-1, -1)) {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            shown =
                screen.topLeft() + QPoint(std::max(0, (screen.width() - window_->width()) / 2),
                                          std::max(0, (screen.height() - window_->height()) / 2));
        }
        QCOMPARE(window_->pos(), shown);
    }

    void AStoredFontNoLongerInstalledGivesWayToTheFirst() {
        WindowFixture::WriteFile(home_->Paths().settings_file,
                                 "[fwMain]\nlvFont=A Font Nobody Has\nlvRange=-5\nchRange=1\n");
        QVERIFY(Start());
        QCOMPARE(window_->Model().Fonts().Items().selected, std::optional<std::size_t>(0));
        QCOMPARE(Find<QListView>(W(), "lvFont")->currentIndex().row(), 0);
        QCOMPARE(window_->Model().Subranges().CurrentStart(), 0L);
    }

    void ARefusedVersionWritesNothing() {
        window_ = std::make_unique<MainWindow>(home_->Setup("5.15.2"));
        QVERIFY(!window_->Load());
        QVERIFY(window_->Refused());
        QCOMPARE(home_->refusals,
                 std::vector<QString>{"Glyphora|This program cannot be run in your system."});
        WindowFixture::Close(window_);
        QVERIFY(!std::filesystem::exists(home_->Paths().settings_file));
        QVERIFY(!std::filesystem::exists(home_->Paths().name_data_file));
        QVERIFY(!std::filesystem::exists(home_->DesktopEntry()));
    }

    void EveryCellTellsItsCharacterAndName() {
        QVERIFY(Start());
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window_->Table());
        QCOMPARE(table->childCount(), 256 + 16 + 16);  // the cells, then the column and row headers
        QAccessibleInterface* cell = table->child(0x41);
        QCOMPARE(cell->text(QAccessible::Name), QString("A U+0041 Latin Capital Letter A"));
        QCOMPARE(table->indexOfChild(cell), 0x41);
        QTest::mouseClick(window_->Table(), Qt::LeftButton, {}, CellCentre(window_->Table(), 0x41));
        QVERIFY(cell->state().selected);
        QVERIFY(!table->child(0x42)->state().selected);
        // As a table: 16 x 16, the current cell its selection and focus, the headers the labels.
        QAccessibleTableInterface* grid = table->tableInterface();
        QCOMPARE(grid->rowCount() * grid->columnCount(), 256);
        QCOMPARE(grid->cellAt(4, 1), cell);
        QCOMPARE(grid->selectedCells(), QList<QAccessibleInterface*>{cell});
        QCOMPARE(table->focusChild(), cell);
        QCOMPARE(grid->columnDescription(0xB), QString("B"));
        QCOMPARE(grid->rowDescription(4), RowLabel(*window_, 4));
        QCOMPARE(cell->tableCellInterface()->rowHeaderCells().value(0)->role(),
                 QAccessible::RowHeader);
        QCOMPARE(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QCOMPARE(cell->text(QAccessible::Value), QString("A"));
    }

    void AboutOpensTheModalAboutBox() {
        QVERIFY(Start());
        QString caption;
        bool modal = false;
        // The box runs its own event loop: look at it from inside, then close it with Escape.
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            if (!about) return;
            caption = about->windowTitle();
            modal = about->isModal() && about->parentWidget() == W();
            QTest::keyClick(about, Qt::Key_Escape);
        });
        QTest::mouseClick(Find<QPushButton>(W(), "bbAbout"), Qt::LeftButton);
        QCOMPARE(caption, QString("About..."));
        QVERIFY(modal);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void OnlyTheChosenFontsGlyphsAreDrawn() {
        QVERIFY(Start());
        QVERIFY(ChooseFont(W(), "DejaVu Sans Mono"));
        Find<QCheckBox>(W(), "chRange")->click();
        Select(*window_, 0x4E00);  // no CJK ideographs in DejaVu Sans Mono
        for (int i = 0; i < 256; ++i) QVERIFY(!window_->Table()->CellShowsGlyph(i));
        Select(*window_, 0x41);  // the page of U+0040 .. U+013F
        QVERIFY(window_->Table()->CellShowsGlyph(1));
        QVERIFY(!window_->Table()->CellShowsGlyph(0x40));  // U+0080, a control character
        Select(*window_, 0x20);  // the font's own blank glyph, not the empty-cell pattern
        QVERIFY(window_->Table()->CellShowsGlyph(window_->Model().Page().Current()));
    }

    // A move repaints only the two cells and their column headers (the row stays the same); a
    // new page reaches the window system as one damage rectangle, not one per cell and header.
    void RepaintsCoverWhatChangedInOneRegion() {
        QVERIFY(Start());
        CharTable* table = window_->Table();
        QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, 0x41));
        Settle();
        PaintRecorder move(table);
        QTest::keyClick(table, Qt::Key_Right);
        Settle();
        QVERIFY(move.painted.intersects(table->CellRect(0x42)));
        for (const QRect& rect : move.painted - table->CellRect(0x41) - table->CellRect(0x42))
            QVERIFY2(rect.y() < CharTable::kColumnHeaderHeight, "beyond the headers");
        PaintRecorder page(table);
        QTest::keyClick(table, Qt::Key_PageDown);
        Settle();
        QCOMPARE(page.painted.rectCount(), 1);
        QVERIFY(page.painted.contains(table->CellRect(0) | table->CellRect(255)));
        QVERIFY(page.painted.contains(table->RowHeaderRect(15)));
    }
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::MainWindowTest)
#include "main_window_test.moc"
