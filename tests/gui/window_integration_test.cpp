// The main window's desktop integration on the off-screen platform: hot keys, What's This, the
// controls' pop-up menus, the Type button and the character map button. The rules are the
// core's (platform tests); here: that the window's events reach them and their answers act.
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
#include <optional>

#include "main_window/char_map_button.h"
#include "main_window/context_help.h"
#include "main_window/context_menus.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using namespace testing;

// Closes whatever pop-up a step left open: menus and What's This texts.
void ClosePopups() {
    QWhatsThis::hideText();
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
    QApplication::processEvents();
}

QWidget* PanelOf(QWidget* window, const char* bar, const char* key) {
    return Find<StatusBar>(window, bar)->Panel(QString::fromLatin1(key));
}

// The items of the menu that can be chosen, as a string of initials: Undo, Cut, cOpy, Paste,
// Delete, Select all.
QString Enabled(QMenu* menu) {
    QString items;
    for (const auto& [name, letter] : {std::pair{"mEditUndo", 'U'},
                                       {"mEditCut", 'C'},
                                       {"mEditCopy", 'O'},
                                       {"mEditPaste", 'P'},
                                       {"mEditDelete", 'D'},
                                       {"mEditSelectAll", 'S'}}) {
        const QAction* item = menu->findChild<QAction*>(QString::fromLatin1(name));
        if (item && item->isVisible() && item->isEnabled()) items += QChar(letter);
    }
    return items;
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

class WindowIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void init() { home_.emplace(); }
    void cleanup() {
        ClosePopups();
        window_.reset();
        home_.reset();
    }

    void AltDigitChoosesAVisibleEnabledFormatAndIsNotTyped() {
        QVERIFY(Start());
        auto* fonts = Find(W(), "lvFont");
        fonts->setFocus();
        QTest::keyClick(fonts, Qt::Key_3, Qt::AltModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), 3);
        QVERIFY(Find<QRadioButton>(W(), "obFormat3")->hasFocus());
        // A format the user cannot choose stays unchosen, and the focus stays where it was.
        Find(W(), "obFormat5")->setEnabled(false);
        fonts->setFocus();
        QTest::keyClick(fonts, Qt::Key_5, Qt::AltModifier);
        QTest::keyClick(fonts, Qt::Key_0, Qt::AltModifier | Qt::KeypadModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), 3);
        QVERIFY(fonts->hasFocus());
        // The digit that chose a format is not typed into the box that had the focus.
        auto* copy_box = Find<QLineEdit>(W(), "tbCopy");
        copy_box->setFocus();
        QTest::keyClick(copy_box, Qt::Key_7, Qt::AltModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), 7);
        QCOMPARE(copy_box->text(), QString());
        // Hidden in the compact layout, the formats cannot be chosen.
        Find<QAbstractButton>(W(), "chMode")->click();
        copy_box->setFocus();
        QTest::keyClick(copy_box, Qt::Key_3, Qt::AltModifier);
        QCOMPARE(window_->Model().Copy().CurrentFormat(), 7);
    }

    void F3SearchesOnlyOnceASearchIsUnderWay() {
        QVERIFY(Start());
        Find<QAbstractButton>(W(), "chRange")->click();
        MainWindowModel& model = window_->Model();
        const long before = model.CurrentCodePoint();
        window_->Table()->setFocus();
        QTest::keyClick(window_->Table(), Qt::Key_F3);
        QCOMPARE(model.CurrentCodePoint(), before);
        model.Search().SearchTextChanged(u"WITH CURL", 9);
        const std::optional<long> first = model.Search().Search();
        QVERIFY(first.has_value());
        QTest::keyClick(window_->Table(), Qt::Key_F3);
        QVERIFY(model.CurrentCodePoint() > *first);
        QVERIFY(Panel(W(), "pbStatus0", "Name").contains("With Curl"));
        QCOMPARE(window_->Table()->CurrentCell(), model.CurrentCell());
    }

    void F1ShowsTheTopicOfTheFocusedControlOrMenuItem() {
        QVERIFY(Start());
        QSignalSpy shown(Find<ContextHelp>(W(), "ContextHelp"), &ContextHelp::TopicShown);
        auto* copy_box = Find<QLineEdit>(W(), "tbCopy");
        copy_box->setFocus();
        QTest::keyClick(copy_box, Qt::Key_F1);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), 141);
        ClosePopups();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W()));
        // The focus inside a combo box counts for the box.
        auto* search = Find<QComboBox>(W(), "cbSearch");
        search->setEnabled(true);
        search->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(shown.at(1).at(0).toInt(), 184);
        ClosePopups();

        // In a menu: the highlighted item's topic, and the menu closes.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W()));
        auto* menu = Find<ContextMenus>(W(), "ContextMenus")->EditMenu();
        QTest::keyClicks(copy_box, "abc");
        RightClick(copy_box, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Up);  // the last item, "Select All"
        QTest::keyClick(menu, Qt::Key_F1);
        QVERIFY(!menu->isVisible());
        QCOMPARE(shown.count(), 3);
        QCOMPARE(shown.at(2).at(0).toInt(), 216);
        ClosePopups();
        RightClick(copy_box, QPoint(5, 5));  // nothing highlighted: nothing shown
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_F1);
        QVERIFY(!menu->isVisible());
        QCOMPARE(shown.count(), 3);
    }

    void EveryControlHasAWhatsThisText() {
        QVERIFY(Start());
        int controls = 0;
        for (QWidget* widget : window_->findChildren<QWidget*>()) {
            const bool control =
                qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                qobject_cast<QComboBox*>(widget) || qobject_cast<QListView*>(widget) ||
                qobject_cast<QScrollBar*>(widget) || qobject_cast<CharTable*>(widget) ||
                qobject_cast<QLabel*>(widget);
            if (!control || widget->objectName().isEmpty()) continue;
            ++controls;
            QVERIFY2(ContextHelp::TopicOf(widget) > 0, qPrintable(widget->objectName()));
            QVERIFY2(widget->whatsThis().size() > 20, qPrintable(widget->objectName()));
        }
        QVERIFY(controls > 50);
        for (const char* key : {"Hex", "Name", "Type"})
            QVERIFY(!PanelOf(W(), "pbStatus0", key)->whatsThis().isEmpty());
        for (const char* key : {"Message", "Mode", "OnTop", "CAPS", "SCRL", "NUM", "INS", "KANA"})
            QVERIFY(!PanelOf(W(), "pbStatus1", key)->whatsThis().isEmpty());
    }

    void WhatsThisModeShowsTheTopicOfTheClickedControl() {
        QVERIFY(Start());
        QSignalSpy shown(Find<ContextHelp>(W(), "ContextHelp"), &ContextHelp::TopicShown);
        auto* button = Find<QAbstractButton>(W(), "bbHelp");
        button->click();
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWidget* name_panel = PanelOf(W(), "pbStatus0", "Name");
        QTest::mouseClick(name_panel, Qt::LeftButton, {}, name_panel->rect().center());
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), 172);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        ClosePopups();
        // The click shows the control's help instead of acting.
        button->click();
        auto* mode = Find<QAbstractButton>(W(), "chMode");
        QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(6, mode->height() / 2));
        QTRY_COMPARE(shown.count(), 2);
        QCOMPARE(shown.at(1).at(0).toInt(), 177);
        QVERIFY(mode->isChecked());
    }

    void TheHelpTextsComeFromTheUsersFileElseTheBuiltInOnes() {
        // An edited file is the user's: its texts are shown.
        WindowFixture::WriteFile(home_->Paths().help_file, "[141]\nMy own words.\n");
        QVERIFY(Start());
        QVERIFY(Find(W(), "tbCopy")->whatsThis().contains("My own words."));
        QVERIFY(Find(W(), "bbCopy")->whatsThis().isEmpty());
        // A folder where the file should be: the built-in texts serve.
        window_.reset();
        home_.emplace();
        std::filesystem::create_directories(home_->Paths().help_file);
        QVERIFY(Start());
        QVERIFY(!Find(W(), "bbCopy")->whatsThis().isEmpty());
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
        QCOMPARE(window_->Model().Copy().ToCopyText(), std::u16string(u"c"));
        open(copy_box);  // back to the text before the cut: the model's one-step undo
        choose("mEditUndo");
        QCOMPARE(copy_box->text(), QString("abc"));
        Find<QAbstractButton>(W(), "bbReset")->click();
        QGuiApplication::clipboard()->clear();
        open(copy_box);
        QCOMPARE(Enabled(menu), QString("U"));  // only the reset can be undone

        // The read-only preview offers Copy and Select All only.
        Find<QRadioButton>(W(), "obFormat7")->click();
        copy_box->insert("ab");
        auto* preview = Find<QComboBox>(W(), "cbPreview")->lineEdit();
        open(preview);
        choose("mEditSelectAll");
        open(preview);
        QCOMPARE(Enabled(menu), QString("OS"));
        choose("mEditCopy");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("&#97;&#98;"));

        // The go-to box pastes hexadecimal text only; the lists offer Copy alone.
        auto* go_to = Find<QLineEdit>(W(), "tbGoTo");
        go_to->setEnabled(true);
        go_to->setFocus();
        for (const auto& [clipboard, items] : {std::pair{"g12", ""}, {"a12", "P"}}) {
            QGuiApplication::clipboard()->setText(clipboard);
            open(go_to);
            QCOMPARE(Enabled(menu), QString(items));
            ClosePopups();
        }
        auto* fonts = Find<QListView>(W(), "lvFont");
        RightClick(fonts->viewport(), fonts->visualRect(fonts->currentIndex()).center());
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(Enabled(menu), QString("O"));
        choose("mEditCopy");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdU16String(window_->Model().FontFamily()));
    }

    void RightClickingHeadersAndPanelsOffersTheirTopics() {
        QVERIFY(Start());
        auto* menus = Find<ContextMenus>(W(), "ContextMenus");
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
        QCOMPARE(topic_at(table, QPoint(5, table->CellRect(32).center().y())), 101);
        QWidget* caps = PanelOf(W(), "pbStatus1", "CAPS");
        QCOMPARE(topic_at(caps, caps->rect().center()), 176);
        // The gap between two panels belongs to the left one; beside every panel, nothing.
        QWidget* hex = PanelOf(W(), "pbStatus0", "Hex");
        QWidget* first = Find(W(), "pbStatus0");
        QCOMPARE(topic_at(first, QPoint(hex->geometry().right() + 1, hex->geometry().center().y())),
                 171);
        RightClick(first, QPoint(0, 0));
        QVERIFY(!menus->HelpMenu()->isVisible());
        // A cell keeps its Cell menu, which offers the same help.
        QSignalSpy shown(Find<ContextHelp>(W(), "ContextHelp"), &ContextHelp::TopicShown);
        RightClick(table, table->CellRect(0x41).center());
        auto* cell_menu = Find<QMenu>(W(), "mCell");
        QTRY_VERIFY(cell_menu->isVisible());
        Find<QAction>(cell_menu, "mCellWhatsThis")->trigger();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), 101);
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
        QCOMPARE(type_menu->pos().x(), bar->Panel("Type")->mapToGlobal(QPoint()).x());
        QCOMPARE(type_menu->pos().y(), bar->mapToGlobal(QPoint(0, bar->height())).y());
        type_menu->hide();
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!type_menu->isVisible());
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));
        now = 1001;
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(type_menu->isVisible());
        type_menu->hide();
        RightClick(button, QPoint(4, 4));
        QTRY_VERIFY(menus->HelpMenu()->isVisible());
        QCOMPARE(Find<QAction>(menus->HelpMenu(), "mHelpWhatsThis")->data().toInt(), 173);
    }

    void TheLockKeyPanelsAreGreyedWhenTheDesktopDoesNotTell() {
        QVERIFY(Start());
        auto* second = Find<StatusBar>(W(), "pbStatus1");
        for (const char* key : {"CAPS", "SCRL", "NUM", "INS", "KANA"}) {
            QTest::mouseDClick(second->Label(key), Qt::LeftButton);
            QVERIFY(!second->Label(key)->isEnabled());
        }
    }

    void TheCharacterMapStartsWithTheChosenFontOrIsDisabledWithoutAProgram() {
        QTemporaryDir dir;
        const QString record = WriteFakeProgram(dir, "gucharmap");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", ("/nonexistent:" + dir.path()).toUtf8());
        const bool started = Start();
        qputenv("PATH", path);
        QVERIFY(started);
        auto* button = Find<QAbstractButton>(W(), "bbCharMap");
        button->click();
        QTRY_VERIFY(QFile::exists(record));
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString family = QString::fromStdU16String(window_->Model().FontFamily());
        QCOMPARE(QString::fromUtf8(file.readAll()), QString("--font\n%1 20\n").arg(family));
        // Windows of other programs cannot be raised here, so nothing is polled for.
        QVERIFY(!Find<CharMapButton>(W(), "CharMapButton")->TimerActive());

        window_.reset();
        qputenv("PATH", "/nonexistent");
        const bool without = Start();
        qputenv("PATH", path);
        QVERIFY(without);
        QVERIFY(!Find<QAbstractButton>(W(), "bbCharMap")->isEnabled());
    }

private:
    bool Start() {
        window_ = home_->Start();
        return window_ && !window_->Refused();
    }
    QWidget* W() { return window_.get(); }

    std::optional<WindowFixture> home_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::WindowIntegrationTest)
#include "window_integration_test.moc"
