// The main window's desktop integration on the off-screen platform: hot keys, What's This, the
// controls' pop-up menus, the Type button and the character map button.
#include <signal.h>

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWhatsThis>
#include <cerrno>
#include <optional>

#include "main_window/char_map_button.h"
#include "main_window/context_help.h"
#include "main_window/context_menus.h"
#include "main_window/status_bar.h"
#include "table/char_table.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using testing::WindowFixture;

template <typename T = QWidget>
T* Find(QObject* window, const QString& name) {
    T* object = window->findChild<T*>(name);
    if (!object) qWarning("no object named %s", qPrintable(name));
    return object;
}

// Closes whatever pop-up a step left open: menus and What's This texts.
void ClosePopups() {
    QWhatsThis::hideText();
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
    QApplication::processEvents();
}

// Makes the window active again after a pop-up, so that keys go to its focused control.
bool Reactivate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void RightClick(QWidget* widget, const QPoint& at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
}

QWidget* PanelOf(QWidget* window, const char* bar, const char* key) {
    return Find<StatusBar>(window, bar)->Panel(QString::fromLatin1(key));
}

struct EditItems {
    bool cut, copy, paste, del, select_all;
};

EditItems EnabledItems(QMenu* menu) {
    const auto enabled = [menu](const char* name) {
        QAction* item = menu->findChild<QAction*>(QString::fromLatin1(name));
        return item && item->isVisible() && item->isEnabled();
    };
    return {enabled("mEditCut"), enabled("mEditCopy"), enabled("mEditPaste"),
            enabled("mEditDelete"), enabled("mEditSelectAll")};
}

class WindowIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ClosePopups(); }

    void AltDigitChoosesAnEnabledFormatOnly();
    void AltDigitDoesNothingWhileTheFormatsAreHidden();
    void F3SearchesOnlyOnceASearchIsUnderWay();
    void F1ShowsTheFocusedControlsTopic();
    void F1OnAHighlightedMenuItemClosesTheMenuAndShowsItsTopic();
    void EveryControlHasAWhatsThisText();
    void WhatsThisModeShowsTheTopicOfTheClickedPanel();
    void AMissingHelpFileIsWrittenAndAnUnreadableOneFallsBack();
    void TheEditMenuFollowsTheBox();
    void TheGoToBoxPastesOnlyHexadecimalText();
    void TheListsOfferCopyAlone();
    void RightClickingAHeaderShowsTheTablesTopic();
    void RightClickingAStatusPanelShowsThatPanelsTopic();
    void TheTypeMenuDoesNotReopenInTheMillisecondItClosed();
    void TheLockKeyPanelsAreGreyedWhenTheDesktopDoesNotTell();
    void TheCharacterMapStartsWithTheChosenFont();
    void TheCharacterMapButtonIsDisabledWithoutAProgram();
};

void WindowIntegrationTest::AltDigitChoosesAnEnabledFormatOnly() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* fonts = Find(window.get(), "lvFont");
    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_3, Qt::AltModifier);
    QCOMPARE(window->Model().Copy().CurrentFormat(), 3);
    auto* utf8 = Find<QRadioButton>(window.get(), "obFormat3");
    QVERIFY(utf8->isChecked());
    QVERIFY(utf8->hasFocus());

    // A format the user cannot choose stays unchosen, and the focus stays where it was.
    auto* ucn = Find<QRadioButton>(window.get(), "obFormat5");
    ucn->setEnabled(false);
    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_5, Qt::AltModifier);
    QCOMPARE(window->Model().Copy().CurrentFormat(), 3);
    QVERIFY(!ucn->isChecked());
    QVERIFY(fonts->hasFocus());

    // Without Alt a digit is just a digit, and the keypad's digits are other keys.
    QTest::keyClick(fonts, Qt::Key_0);
    QTest::keyClick(fonts, Qt::Key_0, Qt::AltModifier | Qt::KeypadModifier);
    QCOMPARE(window->Model().Copy().CurrentFormat(), 3);
    QTest::keyClick(fonts, Qt::Key_0, Qt::AltModifier);
    QCOMPARE(window->Model().Copy().CurrentFormat(), 0);

    // The digit that chose a format is not typed into the box that had the focus.
    auto* copy_box = Find<QLineEdit>(window.get(), "tbCopy");
    copy_box->setFocus();
    QTest::keyClick(copy_box, Qt::Key_7, Qt::AltModifier);
    QCOMPARE(window->Model().Copy().CurrentFormat(), 7);
    QCOMPARE(copy_box->text(), QString());
}

void WindowIntegrationTest::AltDigitDoesNothingWhileTheFormatsAreHidden() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    Find<QAbstractButton>(window.get(), "chMode")->click();
    QVERIFY(!Find(window.get(), "obFormat3")->isVisible());
    auto* copy_box = Find(window.get(), "tbCopy");
    copy_box->setFocus();
    QTest::keyClick(copy_box, Qt::Key_3, Qt::AltModifier);
    QCOMPARE(window->Model().Copy().CurrentFormat(), 0);
}

void WindowIntegrationTest::F3SearchesOnlyOnceASearchIsUnderWay() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    Find<QAbstractButton>(window.get(), "chRange")->click();  // every subrange is listed
    MainWindowModel& model = window->Model();
    const long before = model.CurrentCodePoint();
    window->Table()->setFocus();
    QTest::keyClick(window->Table(), Qt::Key_F3);
    QCOMPARE(model.CurrentCodePoint(), before);
    QCOMPARE(model.Search().SearchPosition(), 0L);

    model.Search().SearchTextChanged(u"WITH CURL", 9);
    const std::optional<long> first = model.Search().Search();
    QVERIFY(first.has_value());
    QCOMPARE(model.CurrentCodePoint(), *first);
    QTest::keyClick(window->Table(), Qt::Key_F3);
    const long second = model.CurrentCodePoint();
    QVERIFY(second > *first);
    QVERIFY(Find<StatusBar>(window.get(), "pbStatus0")->Text("Name").contains("With Curl"));
    // The table shows where the search went.
    QCOMPARE(window->Table()->CurrentCell(), model.CurrentCell());

    // A changed search text ends the search under way.
    model.Search().SearchTextChanged(u"WITH CUR", 8);
    QTest::keyClick(window->Table(), Qt::Key_F3);
    QCOMPARE(model.CurrentCodePoint(), second);
}

void WindowIntegrationTest::F1ShowsTheFocusedControlsTopic() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* help = Find<ContextHelp>(window.get(), "ContextHelp");
    QSignalSpy shown(help, &ContextHelp::TopicShown);
    auto* copy_box = Find(window.get(), "tbCopy");
    copy_box->setFocus();
    QTest::keyClick(copy_box, Qt::Key_F1);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), 141);
    ClosePopups();
    QVERIFY(Reactivate(window.get()));

    // The focus inside a combo box counts for the box.
    auto* search = Find<QComboBox>(window.get(), "cbSearch");
    search->setEnabled(true);
    search->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(shown.count(), 2);
    QCOMPARE(shown.at(1).at(0).toInt(), 184);
}

void WindowIntegrationTest::F1OnAHighlightedMenuItemClosesTheMenuAndShowsItsTopic() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* help = Find<ContextHelp>(window.get(), "ContextHelp");
    QSignalSpy shown(help, &ContextHelp::TopicShown);
    auto* copy_box = Find<QLineEdit>(window.get(), "tbCopy");
    copy_box->setFocus();
    QTest::keyClicks(copy_box, "abc");
    RightClick(copy_box, QPoint(5, 5));
    auto* menu = Find<ContextMenus>(window.get(), "ContextMenus")->EditMenu();
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Up);  // the last item, "Select All"
    QCOMPARE(menu->activeAction(), Find<QAction>(menu, "mEditSelectAll"));
    QTest::keyClick(menu, Qt::Key_F1);
    QVERIFY(!menu->isVisible());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), 216);
    ClosePopups();

    // Nothing highlighted: the menu closes and nothing is shown.
    RightClick(copy_box, QPoint(5, 5));
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_F1);
    QVERIFY(!menu->isVisible());
    QCOMPARE(shown.count(), 1);
}

void WindowIntegrationTest::EveryControlHasAWhatsThisText() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    // Everything the user can see and work with, apart from the containers that only group.
    int controls = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<QListView*>(widget) ||
            qobject_cast<QScrollBar*>(widget) || qobject_cast<CharTable*>(widget) ||
            (qobject_cast<QLabel*>(widget) && !widget->objectName().isEmpty());
        if (!control || widget->objectName().isEmpty()) continue;
        ++controls;
        QVERIFY2(ContextHelp::TopicOf(widget) > 0, qPrintable(widget->objectName()));
        QVERIFY2(widget->whatsThis().size() > 20, qPrintable(widget->objectName()));
    }
    QVERIFY(controls > 50);
    // The panels of both status bars have texts of their own.
    for (const char* key : {"Hex", "Name", "Type"})
        QVERIFY(!PanelOf(window.get(), "pbStatus0", key)->whatsThis().isEmpty());
    for (const char* key : {"Message", "Mode", "OnTop", "CAPS", "SCRL", "NUM", "INS", "KANA"})
        QVERIFY(!PanelOf(window.get(), "pbStatus1", key)->whatsThis().isEmpty());
}

void WindowIntegrationTest::WhatsThisModeShowsTheTopicOfTheClickedPanel() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* help = Find<ContextHelp>(window.get(), "ContextHelp");
    QSignalSpy shown(help, &ContextHelp::TopicShown);
    auto* button = Find<QAbstractButton>(window.get(), "bbHelp");
    QVERIFY(button->isVisible());
    button->click();
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QWidget* name_panel = PanelOf(window.get(), "pbStatus0", "Name");
    QTest::mouseClick(name_panel, Qt::LeftButton, {}, name_panel->rect().center());
    QTRY_COMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), 172);
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    ClosePopups();

    // The click shows the control's help instead of acting.
    button->click();
    auto* mode = Find<QAbstractButton>(window.get(), "chMode");
    QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(6, mode->height() / 2));
    QTRY_COMPARE(shown.count(), 2);
    QCOMPARE(shown.at(1).at(0).toInt(), 177);
    QVERIFY(mode->isChecked());
}

void WindowIntegrationTest::AMissingHelpFileIsWrittenAndAnUnreadableOneFallsBack() {
    {
        WindowFixture home;
        auto window = home.Start();
        QVERIFY(window);
        QVERIFY(std::filesystem::exists(home.Paths().help_file));
        QVERIFY(!Find<ContextHelp>(window.get(), "ContextHelp")->TopicText(171).isEmpty());
    }
    {
        // An edited file is the user's: its texts are shown.
        WindowFixture home;
        WindowFixture::WriteFile(home.Paths().help_file, "[141]\nMy own words.\n");
        auto window = home.Start();
        QVERIFY(window);
        QVERIFY(Find(window.get(), "tbCopy")->whatsThis().contains("My own words."));
        QVERIFY(Find(window.get(), "bbCopy")->whatsThis().isEmpty());
    }
    {
        // A folder where the file should be: the built-in texts serve.
        WindowFixture home;
        std::filesystem::create_directories(home.Paths().help_file);
        auto window = home.Start();
        QVERIFY(window);
        QVERIFY(!Find(window.get(), "bbCopy")->whatsThis().isEmpty());
    }
}

void WindowIntegrationTest::TheEditMenuFollowsTheBox() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* menu = Find<ContextMenus>(window.get(), "ContextMenus")->EditMenu();
    auto* copy_box = Find<QLineEdit>(window.get(), "tbCopy");
    copy_box->setFocus();
    QTest::keyClicks(copy_box, "abc");
    QCOMPARE(window->Model().Copy().ToCopyText(), std::u16string(u"abc"));
    QGuiApplication::clipboard()->setText("x");

    // Caret at the end, nothing selected.
    RightClick(copy_box, QPoint(5, 5));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), menu);  // the box's own menu does not open
    EditItems items = EnabledItems(menu);
    QVERIFY(!items.cut && !items.copy && !items.del);
    QVERIFY(items.select_all && items.paste);
    QVERIFY(Find<QAction>(menu, "mEditUndo")->isEnabled());  // the typing can be undone
    ClosePopups();

    // A selection: Cut and Copy; the caret before text: Delete.
    copy_box->setSelection(0, 2);
    RightClick(copy_box, QPoint(5, 5));
    QTRY_VERIFY(menu->isVisible());
    items = EnabledItems(menu);
    QVERIFY(items.cut && items.copy && items.del && items.select_all);
    Find<QAction>(menu, "mEditCut")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("ab"));
    QCOMPARE(window->Model().Copy().ToCopyText(), std::u16string(u"c"));
    ClosePopups();

    // Undo goes back to the text before the cut, the model's one-step undo.
    RightClick(copy_box, QPoint(5, 5));
    QTRY_VERIFY(menu->isVisible());
    Find<QAction>(menu, "mEditUndo")->trigger();
    QCOMPARE(copy_box->text(), QString("abc"));
    ClosePopups();

    // An empty box with an empty clipboard: nothing to do.
    Find<QAbstractButton>(window.get(), "bbReset")->click();
    QGuiApplication::clipboard()->clear();
    RightClick(copy_box, QPoint(5, 5));
    QTRY_VERIFY(menu->isVisible());
    items = EnabledItems(menu);
    QVERIFY(!items.cut && !items.copy && !items.paste && !items.del && !items.select_all);
}

void WindowIntegrationTest::TheGoToBoxPastesOnlyHexadecimalText() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* menu = Find<ContextMenus>(window.get(), "ContextMenus")->EditMenu();
    auto* go_to = Find<QLineEdit>(window.get(), "tbGoTo");
    go_to->setEnabled(true);
    go_to->setFocus();
    for (const auto& [clipboard, paste] :
         {std::pair{"g12", false}, {"a12", true}, {"F", true}, {" 12", false}}) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(clipboard));
        RightClick(go_to, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), menu);
        QVERIFY2(EnabledItems(menu).paste == paste, clipboard);
        ClosePopups();
    }
}

void WindowIntegrationTest::TheListsOfferCopyAlone() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* menu = Find<ContextMenus>(window.get(), "ContextMenus")->EditMenu();
    auto* fonts = Find<QListView>(window.get(), "lvFont");
    const QRect item = fonts->visualRect(fonts->currentIndex());
    RightClick(fonts->viewport(), item.center());
    QTRY_VERIFY(menu->isVisible());
    int visible = 0;
    for (QAction* action : menu->actions()) visible += action->isVisible() ? 1 : 0;
    QCOMPARE(visible, 1);
    QAction* copy = Find<QAction>(menu, "mEditCopy");
    QVERIFY(copy->isVisible() && copy->isEnabled());
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdU16String(window->Model().FontFamily()));
}

void WindowIntegrationTest::RightClickingAHeaderShowsTheTablesTopic() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* menus = Find<ContextMenus>(window.get(), "ContextMenus");
    auto* help = Find<ContextHelp>(window.get(), "ContextHelp");
    QSignalSpy shown(help, &ContextHelp::TopicShown);
    CharTable* table = window->Table();
    // The header of column 3 and the header of row 2.
    for (const QPoint at : {QPoint(table->CellRect(3).center().x(), 5),
                            QPoint(5, table->CellRect(32).center().y())}) {
        RightClick(table, at);
        QTRY_VERIFY(menus->HelpMenu()->isVisible());
        Find<QAction>(menus->HelpMenu(), "mHelpWhatsThis")->trigger();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.takeFirst().at(0).toInt(), 101);
        ClosePopups();
    }
    // A cell keeps its Cell menu, which offers the same help.
    RightClick(table, table->CellRect(0x41).center());
    auto* cell_menu = Find<QMenu>(window.get(), "mCell");
    QTRY_VERIFY(cell_menu->isVisible());
    QVERIFY(!menus->HelpMenu()->isVisible());
    Find<QAction>(cell_menu, "mCellWhatsThis")->trigger();
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.takeFirst().at(0).toInt(), 101);
}

void WindowIntegrationTest::RightClickingAStatusPanelShowsThatPanelsTopic() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* menus = Find<ContextMenus>(window.get(), "ContextMenus");
    auto* item = Find<QAction>(menus->HelpMenu(), "mHelpWhatsThis");
    auto* second = Find<StatusBar>(window.get(), "pbStatus1");
    const struct {
        const char* key;
        int topic;
    } cases[] = {{"Message", 174}, {"CAPS", 176}, {"KANA", 176}};
    for (const auto& c : cases) {
        QWidget* panel = second->Panel(c.key);
        RightClick(panel, panel->rect().center());
        QTRY_VERIFY(menus->HelpMenu()->isVisible());
        QCOMPARE(item->data().toInt(), c.topic);
        ClosePopups();
    }
    // The gap between two panels belongs to the left one.
    QWidget* hex = PanelOf(window.get(), "pbStatus0", "Hex");
    QWidget* first = Find(window.get(), "pbStatus0");
    RightClick(first, QPoint(hex->geometry().right() + 1, hex->geometry().center().y()));
    QTRY_VERIFY(menus->HelpMenu()->isVisible());
    QCOMPARE(item->data().toInt(), 171);
    ClosePopups();
    // Beside every panel, nothing.
    RightClick(first, QPoint(0, 0));
    QVERIFY(!menus->HelpMenu()->isVisible());
}

void WindowIntegrationTest::TheTypeMenuDoesNotReopenInTheMillisecondItClosed() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* menus = Find<ContextMenus>(window.get(), "ContextMenus");
    std::int64_t now = 1000;
    menus->SetClock([&now] { return now; });
    auto* button = Find(window.get(), "pbType");
    auto* type_menu = Find<QMenu>(window.get(), "mType");
    button->show();

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
    QTRY_VERIFY(type_menu->isVisible());
    // Below the status bar, at the left of the "Type" panel.
    auto* bar = Find<StatusBar>(window.get(), "pbStatus0");
    QCOMPARE(type_menu->pos().x(), bar->Panel("Type")->mapToGlobal(QPoint()).x());
    QCOMPARE(type_menu->pos().y(), bar->mapToGlobal(QPoint(0, bar->height())).y());
    type_menu->hide();
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!type_menu->isVisible());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));

    now = 1001;
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
    QTRY_VERIFY(type_menu->isVisible());
    type_menu->hide();

    // Alt+Down acts as a click, and a plain Down does not.
    now = 1005;
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Down);
    QVERIFY(!type_menu->isVisible());
    QTest::keyClick(button, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(type_menu->isVisible());
    type_menu->hide();

    // The right button asks for the button's help.
    RightClick(button, QPoint(4, 4));
    QTRY_VERIFY(menus->HelpMenu()->isVisible());
    QCOMPARE(Find<QAction>(menus->HelpMenu(), "mHelpWhatsThis")->data().toInt(), 173);
}

void WindowIntegrationTest::TheLockKeyPanelsAreGreyedWhenTheDesktopDoesNotTell() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    auto* second = Find<StatusBar>(window.get(), "pbStatus1");
    for (const char* key : {"CAPS", "SCRL", "NUM", "INS", "KANA"}) {
        QVERIFY(!second->Label(key)->isEnabled());
        QTest::mouseDClick(second->Label(key), Qt::LeftButton);
        QTest::qWait(60);
        QVERIFY(!second->Label(key)->isEnabled());
    }
}

// A stand-in for the desktop's character map that writes its arguments, one a line, into a file.
QString WriteFakeProgram(const QTemporaryDir& dir, const QString& name) {
    const QString record = dir.filePath(name + ".args");
    QFile program(dir.filePath(name));
    if (!program.open(QIODevice::WriteOnly)) return {};
    program.write(QString("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp'\nmv '%1.tmp' '%1'\n")
                      .arg(record)
                      .toUtf8());
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return record;
}

class PathOverride {
public:
    explicit PathOverride(const QByteArray& path) : saved_(qgetenv("PATH")) {
        qputenv("PATH", path);
    }
    ~PathOverride() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

void WindowIntegrationTest::TheCharacterMapStartsWithTheChosenFont() {
    QTemporaryDir dir;
    const QString record = WriteFakeProgram(dir, "gucharmap");
    QVERIFY(!record.isEmpty());
    WindowFixture home;
    std::unique_ptr<MainWindow> window;
    {
        const PathOverride path(("/nonexistent:" + dir.path()).toUtf8());
        window = home.Start();
    }
    QVERIFY(window);
    auto* button = Find<QAbstractButton>(window.get(), "bbCharMap");
    QVERIFY(button->isEnabled());
    button->click();
    QTRY_VERIFY(QFile::exists(record));
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString family = QString::fromStdU16String(window->Model().FontFamily());
    QVERIFY(!family.isEmpty());
    QCOMPARE(QString::fromUtf8(file.readAll()), QString("--font\n%1 20\n").arg(family));
    // Windows of other programs cannot be raised here, so nothing is polled for.
    auto* launcher = Find<CharMapButton>(window.get(), "CharMapButton");
    QVERIFY(!launcher->TimerActive());
    // Once it has ended it is reaped at once: a zombie would still answer kill(pid, 0).
    const std::optional<ProcessId> started = launcher->Launcher().Started();
    QVERIFY(started);
    QTRY_VERIFY(kill(*started, 0) == -1 && errno == ESRCH);
    QCOMPARE(launcher->Watched(), std::size_t{0});
}

void WindowIntegrationTest::TheCharacterMapButtonIsDisabledWithoutAProgram() {
    QTemporaryDir dir;
    WindowFixture home;
    std::unique_ptr<MainWindow> window;
    {
        const PathOverride path(dir.path().toUtf8());
        window = home.Start();
    }
    QVERIFY(window);
    QVERIFY(!Find<QAbstractButton>(window.get(), "bbCharMap")->isEnabled());
}

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::WindowIntegrationTest)
#include "window_integration_test.moc"
