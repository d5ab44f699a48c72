// The main window on the off-screen platform: start-up, the table's events, the two layouts,
// settings across restarts and the refusal path.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTimer>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QWindow>

#include "main_window/status_bar.h"
#include "table/char_table.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using testing::WindowFixture;

template <typename T = QWidget>
T* Find(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qWarning("no control named %s", name);
    return widget;
}

QString Panel(QWidget* window, const char* bar, const char* key) {
    return Find<StatusBar>(window, bar)->Text(QString::fromLatin1(key));
}

QPoint CellCentre(CharTable* table, int cell) { return table->CellRect(cell).center(); }

// Chooses an item of a list as a click does.
void ClickItem(QListView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

int RowOf(QListView* list, const QString& text) {
    const auto matches = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                              Qt::MatchExactly);
    return matches.isEmpty() ? -1 : matches.first().row();
}

QString RowLabel(MainWindow& window, int row) {
    return QString::fromStdString(window.Model().RowLabels()[static_cast<std::size_t>(row)]);
}

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void FirstStartWritesTheDataFilesAndTheDesktopEntryAndShowsDefaults();
    void ASecondStartKeepsEditedDataFiles();
    void AReadOnlyProgramFolderKeepsTheUsersSettingsAndData();
    void ChoosingFontsAndSubrangesFollowsTheModel();
    void ClicksKeysAndTheWheelMoveTheTable();
    void DoubleClickAppendsTheCharacter();
    void TheScrollBarMirrorsTheModel();
    void TheCellMenuMarksACell();
    void TheCodePanelSwitchesNotationOnDoubleClick();
    void CompactAndExpandedKeepTheContentSize();
    void ClosingSavesAndARestartRestores();
    void RestoringAfterMinimisingReturnsToThePosition();
    void ClosedWhileMaximisedTheLastNormalPositionIsSaved();
    void ASavedPositionOffTheScreensIsCentred_data();
    void ASavedPositionOffTheScreensIsCentred();
    void ANegativeStoredSubrangeRestoresAsZero();
    void AFontNoLongerInstalledSelectsTheFirstFont();
    void ARefusedVersionWritesNothing();
    void EveryCellTellsItsCharacterAndName();
    void PropertiesOpensTheFontFile();
    void AboutOpensTheModalAboutBox();
    void ACombiningMarkEnablesTheViewPattern();
    void OnlyTheChosenFontsGlyphsAreDrawn();
    void AMoveRepaintsOnlyTheCellsAndHeadersThatChanged();
};

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

void MainWindowTest::FirstStartWritesTheDataFilesAndTheDesktopEntryAndShowsDefaults() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    QVERIFY(std::filesystem::exists(home.Paths().name_data_file));
    QVERIFY(std::filesystem::exists(home.Paths().entity_data_file));
    const std::string entry = WindowFixture::ReadFile(home.DesktopEntry());
    QVERIFY(entry.find("\nExec=" + home.Environment().executable.string() + "\n") !=
            std::string::npos);
    QVERIFY(entry.find("\nX-Glyphora-Version=") != std::string::npos);
    QVERIFY(window->windowTitle().startsWith("Glyphora "));

    // Defaults: expanded, hexadecimal codes, Show All off, the first font, the first subrange.
    QVERIFY(Find<QCheckBox>(window.get(), "chMode")->isChecked());
    QVERIFY(Find(window.get(), "lvFont")->isVisible());
    QVERIFY(!Find<QCheckBox>(window.get(), "chRange")->isChecked());
    QVERIFY(!Find<QCheckBox>(window.get(), "chOnTop")->isChecked());
    QCOMPARE(window->Model().FontList().selected, std::optional<std::size_t>(0));
    QCOMPARE(window->Model().CurrentSubrangeStart(), 0L);
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0000"));
    QCOMPARE(Find<QComboBox>(window.get(), "cbRange")->currentText(), QString("Basic Latin"));
    QCOMPARE(RowLabel(*window, 0), QString("000"));
    // The settings file is written only at shutdown.
    QVERIFY(!std::filesystem::exists(home.Paths().settings_file));
}

void MainWindowTest::ASecondStartKeepsEditedDataFiles() {
    WindowFixture home;
    WindowFixture::WriteFile(home.Paths().entity_data_file, "0041,,letterA\r\n");
    const std::string edited = WindowFixture::ReadFile(home.Paths().entity_data_file);
    auto window = home.Start();
    QVERIFY(window);
    QCOMPARE(WindowFixture::ReadFile(home.Paths().entity_data_file), edited);
    QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 0x41));
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0041"));
    QCOMPARE(Find<QComboBox>(window.get(), "cbEntity")->currentText(), QString("&letterA;"));
    // The name file was missing and is written; the edited entity file stayed as it was.
    QVERIFY(std::filesystem::exists(home.Paths().name_data_file));
}

void MainWindowTest::AReadOnlyProgramFolderKeepsTheUsersSettingsAndData() {
    WindowFixture home;
    const std::string settings = "[fwMain]\nchRange=1\nlvRange=1024\nchPreview=1\n";
    WindowFixture::WriteFile(home.ProgramFolder() / "glyphora.dat", settings);
    WindowFixture::WriteFile(home.ProgramFolder() / "glyphora.ent", "0041,,letterA\r\n");
    home.MakeProgramFolderReadOnly();
    {
        auto window = home.Start();
        QVERIFY(window);
        QVERIFY(Find<QCheckBox>(window.get(), "chRange")->isChecked());
        QCOMPARE(window->Model().CurrentSubrangeStart(), 0x400L);
        window->Model().GoToCodePoint(0x41);
        QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 1));
        QCOMPARE(Find<QComboBox>(window.get(), "cbEntity")->currentText(), QString("&letterA;"));
        WindowFixture::Close(window);
    }
    QCOMPARE(WindowFixture::ReadFile(home.ProgramFolder() / "glyphora.dat"), settings);
    QVERIFY(!std::filesystem::exists(std::filesystem::path(home.Environment().xdg_data_home) /
                                     "glyphora/glyphora.ent"));
    // Written where it can be, with what shutdown does not write (chPreview) carried over.
    const std::string written = WindowFixture::ReadFile(home.Paths().settings_file);
    QVERIFY(written.find("chRange=1") != std::string::npos);
    QVERIFY(written.find("chPreview=1") != std::string::npos);
}

void MainWindowTest::ChoosingFontsAndSubrangesFollowsTheModel() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* fonts = Find<QListView>(window.get(), "lvFont");
    const int mono = RowOf(fonts, "DejaVu Sans Mono");
    QVERIFY(mono >= 0);
    ClickItem(fonts, mono);
    QCOMPARE(QString::fromStdU16String(window->Model().FontFamily()), QString("DejaVu Sans Mono"));
    QCOMPARE(fonts->currentIndex().row(), mono);
    QVERIFY(Find<QPushButton>(window.get(), "bbFont")->isEnabled());

    auto* ranges = Find<QListView>(window.get(), "lvRange");
    const int cyrillic = RowOf(ranges, "Cyrillic");
    QVERIFY(cyrillic >= 0);
    ClickItem(ranges, cyrillic);
    QCOMPARE(window->Model().CurrentSubrangeStart(), 0x400L);
    QCOMPARE(RowLabel(*window, 0), QString("040"));
    QCOMPARE(Find<QComboBox>(window.get(), "cbRange")->currentText(), QString("Cyrillic"));
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0400"));

    // The combo box chooses too.
    auto* combo = Find<QComboBox>(window.get(), "cbRange");
    const int greek = combo->findText("Greek and Coptic");
    QVERIFY(greek >= 0);
    combo->setCurrentIndex(greek);
    emit combo->activated(greek);
    QCOMPARE(window->Model().CurrentSubrangeStart(), 0x370L);
    QCOMPARE(ranges->currentIndex().data().toString(), QString("Greek and Coptic"));

    // Show All lists every subrange and keeps the page.
    auto* show_all = Find<QCheckBox>(window.get(), "chRange");
    const int covered = ranges->model()->rowCount();
    QTest::mouseClick(show_all, Qt::LeftButton, {}, QPoint(6, show_all->height() / 2));
    QVERIFY(show_all->isChecked());
    QCOMPARE(ranges->model()->rowCount(), 162);
    QVERIFY(ranges->model()->rowCount() > covered);
    QCOMPARE(RowLabel(*window, 0), QString("037"));
}

void MainWindowTest::ClicksKeysAndTheWheelMoveTheTable() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    CharTable* table = window->Table();
    QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, 0x41));
    QCOMPARE(window->Model().CurrentCell(), 0x41);
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0041"));
    QCOMPARE(Panel(window.get(), "pbStatus0", "Name"), QString("Latin Capital Letter A"));
    QVERIFY(table->hasFocus());

    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0042"));
    QTest::keyClick(table, Qt::Key_End);
    QCOMPARE(window->Model().CurrentCell(), 0x4F);
    QTest::keyClick(table, Qt::Key_PageDown);
    QCOMPARE(RowLabel(*window, 0), QString("010"));
    QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(RowLabel(*window, 0), QString("000"));
    QCOMPARE(window->Model().CurrentCell(), 0);

    // A wheel notch scrolls by the desktop's wheel lines; the selection keeps its character.
    QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, 0x61));
    const QPoint at = CellCentre(table, 0x61);
    QWheelEvent down(at, table->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &down);
    const int lines = QApplication::wheelScrollLines();
    QCOMPARE(RowLabel(*window, 0), QString("%1").arg(lines, 3, 16, QChar('0')).toUpper());
    QCOMPARE(window->Model().CurrentCodePoint(), 0x61L);
    QWheelEvent up(at, table->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &up);
    QCOMPARE(RowLabel(*window, 0), QString("000"));
}

void MainWindowTest::DoubleClickAppendsTheCharacter() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    CharTable* table = window->Table();
    QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, 0x41));
    QTest::mouseDClick(table, Qt::LeftButton, {}, CellCentre(table, 0x41));
    QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, 0x42));
    QTest::mouseDClick(table, Qt::LeftButton, {}, CellCentre(table, 0x42));
    QCOMPARE(Find<QLineEdit>(window.get(), "tbCopy")->text(), QString("AB"));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(Find<QLineEdit>(window.get(), "tbCopy")->text(), QString("ABB"));
}

void MainWindowTest::TheScrollBarMirrorsTheModel() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    Find<QCheckBox>(window.get(), "chRange")->click();
    auto* bar = Find<QScrollBar>(window.get(), "sbTable");
    QCOMPARE(bar->maximum(), window->Model().ScrollBar().max);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(RowLabel(*window, 0), QString("010"));
    QCOMPARE(bar->value(), window->Model().ScrollBar().value);
    QTest::keyClick(window->Table(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(RowLabel(*window, 15), QString("FFF"));
}

void MainWindowTest::TheCellMenuMarksACell() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* menu = Find<QMenu>(window.get(), "mCell");
    CharTable* table = window->Table();
    QContextMenuEvent event(QContextMenuEvent::Mouse, CellCentre(table, 5),
                            table->mapToGlobal(CellCentre(table, 5)));
    QApplication::sendEvent(table, &event);
    QVERIFY(menu->isVisible());
    QAction* mark = menu->findChild<QAction*>("mCellMark");
    QVERIFY(mark);
    menu->hide();
    mark->trigger();
    QVERIFY(window->Model().CellMarks(5));
    mark->trigger();
    QVERIFY(!window->Model().CellMarks(5));
}

void MainWindowTest::TheCodePanelSwitchesNotationOnDoubleClick() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 0x41));
    QLabel* hex = Find<StatusBar>(window.get(), "pbStatus0")->Label("Hex");
    QTest::mouseDClick(hex, Qt::LeftButton);
    QCOMPARE(hex->text(), QString("Alt+65"));
    QTest::mouseDClick(hex, Qt::LeftButton);
    QCOMPARE(hex->text(), QString("U+0041"));
    // The off-screen platform reports no lock keys: their panels stay grey.
    QVERIFY(!Find<StatusBar>(window.get(), "pbStatus1")->Label("CAPS")->isEnabled());
}

void MainWindowTest::CompactAndExpandedKeepTheContentSize() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    window->move(600, 100);
    QApplication::processEvents();
    const QSize expanded = window->size();
    QCOMPARE(expanded, window->layout()->sizeHint());

    auto* mode = Find<QCheckBox>(window.get(), "chMode");
    QTest::mouseClick(mode, Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(!mode->isChecked());
    QVERIFY(!Find(window.get(), "lvFont")->isVisible());
    QVERIFY(!Find(window.get(), "pbStatus0")->isVisible());
    QVERIFY(!Find(window.get(), "fbFormat")->isVisible());
    QVERIFY(window->Table()->isVisible());
    QVERIFY(Find(window.get(), "tbCopy")->isVisible());
    QVERIFY(mode->isVisible());
    QCOMPARE(window->size(), window->layout()->sizeHint());
    QVERIFY(window->width() < expanded.width());
    QVERIFY(window->height() < expanded.height());
    QCOMPARE(window->x(), 600 + 361);
    // The table keeps its place on the screen.
    const QPoint table_compact = window->Table()->mapToGlobal(QPoint(0, 0));

    QTest::mouseClick(mode, Qt::LeftButton);
    QApplication::processEvents();
    QCOMPARE(window->size(), expanded);
    QCOMPARE(window->x(), 600);
    QCOMPARE(window->Table()->mapToGlobal(QPoint(0, 0)).x(), table_compact.x());

    // A size given by hand snaps back.
    window->resize(expanded + QSize(50, 50));
    QApplication::processEvents();
    QCOMPARE(window->size(), expanded);
}

void MainWindowTest::ClosingSavesAndARestartRestores() {
    WindowFixture home;
    {
        auto window = home.Start();
        QVERIFY(window);
        auto* fonts = Find<QListView>(window.get(), "lvFont");
        ClickItem(fonts, RowOf(fonts, "DejaVu Serif"));
        Find<QCheckBox>(window.get(), "chRange")->click();
        auto* ranges = Find<QListView>(window.get(), "lvRange");
        ClickItem(ranges, RowOf(ranges, "Cyrillic"));
        QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 0x16));
        QTest::mouseDClick(Find<StatusBar>(window.get(), "pbStatus0")->Label("Hex"),
                           Qt::LeftButton);
        // A letter with a negative side bearing would enable the pattern; set it directly.
        Find<QCheckBox>(window.get(), "chView")->setEnabled(true);
        Find<QCheckBox>(window.get(), "chView")->click();
        Find<QCheckBox>(window.get(), "chOnTop")->click();
        window->move(222, 111);
        QApplication::processEvents();
        Find<QCheckBox>(window.get(), "chMode")->click();  // compact: moves right by 361
        QApplication::processEvents();
        QCOMPARE(window->x(), 222 + 361);
        WindowFixture::Close(window);
    }
    const std::string saved = WindowFixture::ReadFile(home.Paths().settings_file);
    for (const char* line :
         {"lvFont=DejaVu Serif", "lvRange=1024", "chRange=1", "chView=1", "obFormat=0",
          "cbCharSet=7", "bHexView=0", "bHexGoto=1", "chMode=0", "chOnTop=1", "[fwMain_Picture]",
          "[fwMain_State]", "State=0", "Left=583", "Top=111"})
        QVERIFY2(saved.find(line) != std::string::npos, line);
    // In the order shutdown writes them.
    QVERIFY(saved.find("lvFont=") < saved.find("chOnTop="));
    QVERIFY(saved.find("chOnTop=") < saved.find("[fwMain_Picture]"));
    QVERIFY(saved.find("[fwMain_Picture]") < saved.find("[fwMain_State]"));

    auto window = home.Start();
    QVERIFY(window);
    QCOMPARE(QString::fromStdU16String(window->Model().FontFamily()), QString("DejaVu Serif"));
    QCOMPARE(window->Model().CurrentSubrangeStart(), 0x400L);
    QVERIFY(Find<QCheckBox>(window.get(), "chRange")->isChecked());
    QVERIFY(Find<QCheckBox>(window.get(), "chView")->isChecked());
    QVERIFY(!window->Model().HexView());
    QVERIFY(Panel(window.get(), "pbStatus0", "Hex").startsWith("Alt+"));
    QVERIFY(!Find<QCheckBox>(window.get(), "chMode")->isChecked());
    QVERIFY(!Find(window.get(), "lvFont")->isVisible());
    QVERIFY(Find<QCheckBox>(window.get(), "chOnTop")->isChecked());
    QVERIFY(window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window->pos(), QPoint(583, 111));
}

void MainWindowTest::RestoringAfterMinimisingReturnsToThePosition() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    window->move(300, 200);
    QApplication::processEvents();
    window->showMinimized();
    QApplication::processEvents();
    window->move(-32000, -32000);  // where some window systems park a minimised window
    QApplication::processEvents();
    window->showNormal();
    QApplication::processEvents();
    QCOMPARE(window->pos(), QPoint(300, 200));
    QCOMPARE(window->size(), window->layout()->sizeHint());
}

void MainWindowTest::ASavedPositionOffTheScreensIsCentred_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("shown");  // (-1, -1): centred on the primary screen
    QTest::newRow("on the screen") << "100"
                                   << "50" << QPoint(100, 50);
    QTest::newRow("left of and above it") << "-5000"
                                          << "-300" << QPoint(-1, -1);
    QTest::newRow("beyond 16 bits") << "99999999"
                                    << "10" << QPoint(-1, -1);
    QTest::newRow("beyond 32 bits: the default") << "5000000000"
                                                 << "40" << QPoint(0, 40);
    QTest::newRow("no number: the default") << "abc"
                                            << "40" << QPoint(0, 40);
}

void MainWindowTest::ASavedPositionOffTheScreensIsCentred() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, shown);
    WindowFixture home;
    WindowFixture::WriteFile(
        home.Paths().settings_file,
        "[fwMain_State]\nLeft=" + left.toStdString() + "\nTop=" + top.toStdString() + "\n");
    auto window = home.Start();
    QVERIFY(window);
    if (shown == QPoint(-1, -1)) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        shown = screen.topLeft() + QPoint(std::max(0, (screen.width() - window->width()) / 2),
                                          std::max(0, (screen.height() - window->height()) / 2));
    }
    QCOMPARE(window->pos(), shown);
}

void MainWindowTest::ClosedWhileMaximisedTheLastNormalPositionIsSaved() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    window->move(140, 70);
    QApplication::processEvents();
    window->showMaximized();
    QApplication::processEvents();
    WindowFixture::Close(window);
    const std::string saved = WindowFixture::ReadFile(home.Paths().settings_file);
    for (const char* line : {"State=2", "Left=140", "Top=70"})
        QVERIFY2(saved.find(line) != std::string::npos, line);

    // The next start shows the window maximised again.
    window = home.Start();
    QVERIFY(window);
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    window->showNormal();
    QApplication::processEvents();
    QCOMPARE(window->pos(), QPoint(140, 70));
}

void MainWindowTest::ANegativeStoredSubrangeRestoresAsZero() {
    WindowFixture home;
    WindowFixture::WriteFile(home.Paths().settings_file, "[fwMain]\nlvRange=-5\nchRange=1\n");
    auto window = home.Start();
    QVERIFY(window);
    QCOMPARE(window->Model().CurrentSubrangeStart(), 0L);
    QCOMPARE(RowLabel(*window, 0), QString("000"));
}

void MainWindowTest::AFontNoLongerInstalledSelectsTheFirstFont() {
    WindowFixture home;
    WindowFixture::WriteFile(home.Paths().settings_file,
                             "[fwMain]\nlvFont=A Font Nobody Has Installed\n");
    auto window = home.Start();
    QVERIFY(window);
    QCOMPARE(window->Model().FontList().selected, std::optional<std::size_t>(0));
    QCOMPARE(Find<QListView>(window.get(), "lvFont")->currentIndex().row(), 0);
}

void MainWindowTest::ARefusedVersionWritesNothing() {
    WindowFixture home;
    auto window = std::make_unique<MainWindow>(home.Setup("5.15.2"));
    QVERIFY(!window->Load());
    QVERIFY(window->Refused());
    QCOMPARE(home.refusals.size(), std::size_t{1});
    QCOMPARE(home.refusals[0], QString("Glyphora|This program cannot be run in your system."));
    window->close();
    window.reset();
    QVERIFY(!std::filesystem::exists(home.Paths().settings_file));
    QVERIFY(!std::filesystem::exists(home.Paths().name_data_file));
    QVERIFY(!std::filesystem::exists(home.DesktopEntry()));
}

void MainWindowTest::EveryCellTellsItsCharacterAndName() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->Table());
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->childCount(), 256 + 16 + 16);  // the cells, then the column and row headers
    QAccessibleInterface* cell = table->child(0x41);
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->text(QAccessible::Name), QString("A U+0041 Latin Capital Letter A"));
    QCOMPARE(cell->text(QAccessible::Value), QString("A"));
    QCOMPARE(table->indexOfChild(cell), 0x41);
    QCOMPARE(cell->parent(), table);
    QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 0x41));
    QVERIFY(cell->state().selected);
    QVERIFY(!table->child(0x42)->state().selected);
}

void MainWindowTest::PropertiesOpensTheFontFile() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* fonts = Find<QListView>(window.get(), "lvFont");
    ClickItem(fonts, RowOf(fonts, "DejaVu Sans"));
    QTest::mouseClick(Find<QPushButton>(window.get(), "bbFont"), Qt::LeftButton);
    QCOMPARE(home.opened.size(), std::size_t{1});
    QVERIFY(home.opened[0].isLocalFile());
    QVERIFY(home.opened[0].toLocalFile().endsWith("DejaVuSans.ttf"));
}

void MainWindowTest::AboutOpensTheModalAboutBox() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    QString caption;
    bool modal = false;
    // The box runs its own event loop: look at it from inside, then close it with Escape.
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        if (!about) return;
        caption = about->windowTitle();
        modal = about->isModal() && about->parentWidget() == window.get();
        QTest::keyClick(about, Qt::Key_Escape);
    });
    QTest::mouseClick(Find<QPushButton>(window.get(), "bbAbout"), Qt::LeftButton);
    QCOMPARE(caption, QString("About..."));
    QVERIFY(modal);
    QVERIFY(!QApplication::activeModalWidget());
}

void MainWindowTest::ACombiningMarkEnablesTheViewPattern() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* fonts = Find<QListView>(window.get(), "lvFont");
    ClickItem(fonts, RowOf(fonts, "DejaVu Sans"));
    window->Model().GoToCodePoint(0x301);
    QTest::mouseClick(window->Table(), Qt::LeftButton, {},
                      CellCentre(window->Table(), window->Model().CurrentCell()));
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0301"));
    auto* view = Find<QCheckBox>(window.get(), "chView");
    QVERIFY(view->isEnabled());
    QTest::mouseClick(view, Qt::LeftButton);
    QVERIFY(window->Model().ViewPatternVisible());
    // U+0391 Greek Capital Letter Alpha, on the same page, neither a mark nor overhanging.
    QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 0x91));
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0391"));
    QVERIFY(!view->isEnabled());
}

void MainWindowTest::OnlyTheChosenFontsGlyphsAreDrawn() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* fonts = Find<QListView>(window.get(), "lvFont");
    ClickItem(fonts, RowOf(fonts, "DejaVu Sans Mono"));
    Find<QCheckBox>(window.get(), "chRange")->click();
    window->Model().GoToCodePoint(0x4E00);  // no CJK ideographs in DejaVu Sans Mono
    window->Model().SelectCell(window->Model().CurrentCell());
    QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 0));
    QCOMPARE(RowLabel(*window, 0), QString("4E0"));
    for (int i = 0; i < 256; ++i) QVERIFY(!window->Table()->CellShowsGlyph(i));
    window->Model().GoToCodePoint(0x41);  // the page of U+0040 .. U+013F
    QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 1));
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0041"));
    QVERIFY(window->Table()->CellShowsGlyph(1));
    QVERIFY(!window->Table()->CellShowsGlyph(0x40));  // U+0080, a control character
    // U+0020 is the font's own blank glyph, not the empty-cell pattern.
    window->Model().GoToCodePoint(0x20);
    QTest::mouseClick(window->Table(), Qt::LeftButton, {}, CellCentre(window->Table(), 0));
    QCOMPARE(Panel(window.get(), "pbStatus0", "Hex"), QString("U+0020"));
    QVERIFY(window->Table()->CellShowsGlyph(0));
}

void MainWindowTest::AMoveRepaintsOnlyTheCellsAndHeadersThatChanged() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    CharTable* table = window->Table();
    QTest::mouseClick(table, Qt::LeftButton, {}, CellCentre(table, 0x41));
    QApplication::processEvents();
    PaintRecorder recorder(table);
    QTest::keyClick(table, Qt::Key_Right);
    QApplication::processEvents();
    // The old and the new cell and their column headers (the row stays the same).
    QRegion expected = QRegion(table->CellRect(0x41)) + table->CellRect(0x42);
    const QRegion outside = recorder.painted - expected;
    QVERIFY(!recorder.painted.isEmpty());
    QVERIFY(recorder.painted.intersects(table->CellRect(0x42)));
    for (const QRect& rect : outside)
        QVERIFY2(rect.y() < CharTable::kColumnHeaderHeight, "beyond the headers");
}

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::MainWindowTest)
#include "main_window_test.moc"
