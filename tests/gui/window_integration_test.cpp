// The main window's desktop integration on the off-screen platform: hot keys, What's This, the
// controls' pop-up menus, the Type button and the character map button. The rules are the
// core's (platform tests); here: that the window's events reach them and their answers act.
#include <signal.h>

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWhatsThis>
#include <cerrno>
#include <optional>

#include "main_window/char_map_button.h"
#include "main_window/context_help.h"
#include "main_window/context_menus.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using namespace testing;

QWidget* PanelOf(QWidget* window, const char* bar, const char* key) {
    return Find<StatusBar>(window, bar)->Panel(QString::fromLatin1(key));
}

// The items of the menu that can be chosen, as a string of initials: Undo, Cut, cOpy, Paste,
// Delete, Select all.
QString Enabled(QMenu* menu) {
    QString items;
    const std::pair<const char*, char> names[] = {
        {"mEditUndo", 'U'},  {"mEditCut", 'C'},    {"mEditCopy", 'O'},
        {"mEditPaste", 'P'}, {"mEditDelete", 'D'}, {"mEditSelectAll", 'S'},
    };
    for (const auto& [name, letter] : names) {
        const QAction* item = menu->findChild<QAction*>(QString::fromLatin1(name));
        if (item && item->isVisible() && item->isEnabled()) items += QChar(letter);
    }
    return items;
}

class WindowIntegrationTest : public WindowTest {
    Q_OBJECT

private slots:
    void cleanup() {
        ClosePopups();
        WindowTest::cleanup();
    }

    void AltDigitChoosesAVisibleEnabledFormatAndF3SearchesOn() {
        QVERIFY(Start());
        auto* fonts = Find(W(), "lvFont");
        fonts->setFocus();
        QTest::keyClick(fonts, Qt::Key_3, Qt::AltModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), CopyFormat::Utf8);
        QVERIFY(Find<QRadioButton>(W(), "obFormat3")->hasFocus());
        // A format the user cannot choose stays unchosen, and the focus stays where it was.
        Find(W(), "obFormat5")->setEnabled(false);
        fonts->setFocus();
        QTest::keyClick(fonts, Qt::Key_5, Qt::AltModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), CopyFormat::Utf8);
        QVERIFY(fonts->hasFocus());
        // The digit that chose a format is not typed into the box that had the focus.
        auto* copy_box = Find<QLineEdit>(W(), "tbCopy");
        copy_box->setFocus();
        QTest::keyClick(copy_box, Qt::Key_7, Qt::AltModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), CopyFormat::NcrDec);
        QCOMPARE(copy_box->text(), QString());

        MainWindowModel& model = window_->Model();
        Find<QAbstractButton>(W(), "chRange")->click();
        window_->Table()->setFocus();
        QTest::keyClick(window_->Table(), Qt::Key_F3);  // no search under way: nothing
        QCOMPARE(model.Page().CurrentCodePoint(), 0L);
        model.Search().SearchTextChanged(u"WITH CURL", 9);
        const long first = model.Search().Search().value_or(-1);
        QTest::keyClick(window_->Table(), Qt::Key_F3);
        QVERIFY(model.Page().CurrentCodePoint() > first && first > 0);
        QCOMPARE(window_->Table()->CurrentCell(), model.Page().Current());

        // Hidden in the compact layout, the formats cannot be chosen.
        Find<QAbstractButton>(W(), "chMode")->click();
        copy_box->setFocus();
        QTest::keyClick(copy_box, Qt::Key_3, Qt::AltModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), CopyFormat::NcrDec);
    }

    void F1WhatsThisAndRightClicksShowTheTopicOfTheControlPanelOrMenuItem() {
        QVERIFY(Start());
        QSignalSpy shown(Find<ContextHelp>(W(), "ContextHelp"), &ContextHelp::TopicShown);
        const auto last = [&] { return shown.isEmpty() ? 0 : shown.last().at(0).toInt(); };
        auto* copy_box = Find<QLineEdit>(W(), "tbCopy");
        copy_box->setFocus();
        QTest::keyClick(copy_box, Qt::Key_F1);
        QCOMPARE(last(), 141);
        ClosePopups();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W()));

        // In a menu: the highlighted item's topic, and the menu closes.
        auto* menus = Find<ContextMenus>(W(), "ContextMenus");
        QTest::keyClicks(copy_box, "abc");
        RightClick(copy_box, QPoint(5, 5));
        QTRY_VERIFY(menus->EditMenu()->isVisible());
        QTest::keyClick(menus->EditMenu(), Qt::Key_Up);  // the last item, "Select All"
        QTest::keyClick(menus->EditMenu(), Qt::Key_F1);
        QVERIFY(!menus->EditMenu()->isVisible());
        QCOMPARE(last(), 216);
        ClosePopups();

        // What's This mode: the click shows the control's help instead of acting.
        Find<QAbstractButton>(W(), "bbHelp")->click();
        QWidget* name_panel = PanelOf(W(), "pbStatus0", "Name");
        QTest::mouseClick(name_panel, Qt::LeftButton, {}, name_panel->rect().center());
        QTRY_COMPARE(last(), 172);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        ClosePopups();

        // The right button offers the topic of a header, a panel (the gap between two belongs
        // to the left one) or a cell, whose Cell menu has the same item.
        auto* item = Find<QAction>(menus->HelpMenu(), "mHelpWhatsThis");
        const auto topic_at = [&](QWidget* widget, QPoint at) {
            RightClick(widget, at);
            if (!QTest::qWaitFor([&] { return menus->HelpMenu()->isVisible(); })) return 0;
            const int topic = item->data().toInt();
            ClosePopups();
            return topic;
        };
        CharTable* table = window_->Table();
        QCOMPARE(topic_at(table, QPoint(table->CellRect(3).center().x(), 5)), 101);
        QWidget* hex = PanelOf(W(), "pbStatus0", "Hex");
        QWidget* first = Find(W(), "pbStatus0");
        QCOMPARE(topic_at(first, {hex->geometry().right() + 1, hex->geometry().center().y()}), 171);
        RightClick(table, table->CellRect(0x41).center());
        auto* cell_menu = Find<QMenu>(W(), "mCell");
        QTRY_VERIFY(cell_menu->isVisible());
        Find<QAction>(cell_menu, "mCellWhatsThis")->trigger();
        QCOMPARE(last(), 101);
        Find<QAction>(cell_menu, "mCellMark")->trigger();  // and marks the cell
        QVERIFY(window_->Model().Page().Cells()[0x41].marked);
    }

    void TheEditMenuActsOnTheBoxItWasOpenedOn() {
        QVERIFY(Start());
        auto* menu = Find<ContextMenus>(W(), "ContextMenus")->EditMenu();
        const auto open = [menu](QWidget* surface) {
            RightClick(surface, QPoint(5, 5));
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(QApplication::activePopupWidget(), menu);  // the box's own menu stays shut
        };
        const auto choose = [menu](const char* name) {
            menu->findChild<QAction*>(name)->trigger();
            ClosePopups();
        };
        auto* copy_box = Find<QLineEdit>(W(), "tbCopy");
        copy_box->setFocus();
        QTest::keyClicks(copy_box, "abc");
        QGuiApplication::clipboard()->setText("x");
        open(copy_box);
        QCOMPARE(Enabled(menu), QString("UPS"));  // caret at the end, nothing selected
        ClosePopups();
        copy_box->setSelection(0, 2);
        open(copy_box);
        QCOMPARE(Enabled(menu), QString("UCOPDS"));
        choose("mEditCut");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("ab"));
        QCOMPARE(window_->Model().Copy().ToCopyBox().text, std::u16string(u"c"));
        open(copy_box);  // back to the text before the cut: the model's one-step undo
        choose("mEditUndo");
        QCOMPARE(copy_box->text(), QString("abc"));

        // The lists offer Copy alone.
        auto* fonts = Find<QListView>(W(), "lvFont");
        RightClick(fonts->viewport(), fonts->visualRect(fonts->currentIndex()).center());
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(Enabled(menu), QString("O"));
        choose("mEditCopy");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdU16String(window_->Model().Fonts().Family()));
    }

    void TheTypeMenuOpensBelowThePanelButNotInTheMillisecondItClosed() {
        QVERIFY(Start());
        auto* menus = Find<ContextMenus>(W(), "ContextMenus");
        std::int64_t now = 1000;
        menus->SetClock([&now] { return now; });
        auto* button = Find(W(), "pbType");
        auto* type_menu = Find<QMenu>(W(), "mType");
        button->show();
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_VERIFY(type_menu->isVisible());
        auto* bar = Find<StatusBar>(W(), "pbStatus0");
        QCOMPARE(type_menu->pos(), QPoint(bar->Panel("Type")->mapToGlobal(QPoint()).x(),
                                          bar->mapToGlobal(QPoint(0, bar->height())).y()));
        type_menu->hide();
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!type_menu->isVisible());
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));
        RightClick(button, QPoint(4, 4));  // the right button asks for the button's help
        QTRY_VERIFY(menus->HelpMenu()->isVisible());
        QCOMPARE(Find<QAction>(menus->HelpMenu(), "mHelpWhatsThis")->data().toInt(), 173);
    }

    void TheCharacterMapStartsWithTheChosenFontOrIsDisabledWithoutAProgram() {
        // A stand-in for the desktop's character map that writes down its arguments.
        QTemporaryDir dir;
        const QString record = dir.filePath("args");
        const std::filesystem::path program = dir.filePath("gucharmap").toStdString();
        WindowFixture::WriteFile(
            program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record.toStdString() + ".tmp'\nmv '" +
                         record.toStdString() + ".tmp' '" + record.toStdString() + "'\n");
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        const QByteArray path = qgetenv("PATH");
        const auto start_with = [&](const QByteArray& search) {
            window_.reset();
            qputenv("PATH", search);
            const bool started = Start();
            qputenv("PATH", path);
            return started;
        };
        QVERIFY(start_with("/nonexistent"));
        QVERIFY(!Find<QAbstractButton>(W(), "bbCharMap")->isEnabled());
        QVERIFY(start_with("/nonexistent:" + dir.path().toUtf8()));
        Find<QAbstractButton>(W(), "bbCharMap")->click();
        QTRY_VERIFY(QFile::exists(record));
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString family = QString::fromStdU16String(window_->Model().Fonts().Family());
        QCOMPARE(QString::fromUtf8(file.readAll()), QString("--font\n%1 20\n").arg(family));
        // Windows of other programs cannot be raised here, so nothing is polled for.
        auto* launcher = Find<CharMapButton>(W(), "CharMapButton");
        QVERIFY(!launcher->TimerActive());
        // Once it has ended it is reaped at once: a zombie would still answer kill(pid, 0).
        const std::optional<ProcessId> started = launcher->Launcher().Started();
        QVERIFY(started);
        QTRY_VERIFY(kill(*started, 0) == -1 && errno == ESRCH);
        QCOMPARE(launcher->Watched(), std::size_t{0});
    }
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::WindowIntegrationTest)
#include "window_integration_test.moc"
