// The real window in a Wayland session (run by check.sh inside a nested weston): typed into with
// real key presses through the compositor, copied from, read back with wl-paste, its X11-only
// features left out quietly, and its settings written at close.
#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>

#include "app/settings_store.h"
#include "main_window/char_map_button.h"
#include "main_window/status_bar.h"
#include "table/char_table.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

// The compositor and xdotool share a busy machine with the rest of the tests.
constexpr int kPatience = 15000;

// Runs a helper program to its end while the window goes on handling its events (wl-paste asks
// this very process for the clipboard's contents).
QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    while (!process.waitForFinished(10)) {
        if (process.state() == QProcess::NotRunning) break;
        QApplication::processEvents();
    }
    QApplication::processEvents();
    return process.readAllStandardOutput();
}

// Key presses that come from the compositor's seat, as a user's do. Weston takes a new clipboard
// owner only when its request carries the serial of an input event newer than the last owner's,
// and Qt sends the serial of the last key or button event; synthetic events carry none.
void RealKeys(const QStringList& arguments) { Run("xdotool", arguments); }

class WaylandCheck : public QObject {
    Q_OBJECT

private slots:
    void TheWindowWorksInAWaylandSession();
};

void WaylandCheck::TheWindowWorksInAWaylandSession() {
    QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
    testing::WindowFixture home;
    const auto file = home.Paths().settings_file;
    // A place and a topmost window from an X11 session.
    testing::WindowFixture::WriteFile(file,
                                      "[fwMain]\nchOnTop=1\n[fwMain_State]\nLeft=100\nTop=80\n");
    auto window = home.Start();
    QVERIFY(window);
    // The compositor gives the new window the keyboard.
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::focusWindow(), window->windowHandle(), kPatience);

    auto* search = window->findChild<QComboBox*>("cbSearch");
    search->setFocus();
    RealKeys({"type", "--delay", "30", "curl d"});
    QTRY_COMPARE_WITH_TIMEOUT(search->currentText(), QString("curl d"), kPatience);
    RealKeys({"key", "Return"});
    QTRY_COMPARE_WITH_TIMEOUT(window->Model().Page().CurrentCodePoint(), 0x221L, kPatience);

    window->Table()->setFocus();
    RealKeys({"key", "ctrl+c"});
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(Run("wl-paste", {"--no-newline"})),
                              QString::fromUtf8("\u0221"), kPatience);

    // The lock keys' state is the compositor's secret: the panels stay greyed.
    auto* second = window->findChild<StatusBar*>("pbStatus1");
    for (const char* key : {"CAPS", "NUM", "SCRL"}) QVERIFY(!second->Label(key)->isEnabled());
    // Another program's window cannot be raised: the character map is started, never waited for.
    auto* char_map = window->findChild<CharMapButton*>();
    QVERIFY(char_map->Launcher().Available());
    char_map->Click();
    QVERIFY(!char_map->TimerActive());
    // The compositor alone places windows and keeps them on top; the X11 session's place and
    // topmost setting are kept for it.
    QVERIFY(!window->findChild<QAbstractButton*>("chOnTop")->isEnabled());
    auto* mode = window->findChild<QAbstractButton*>("chMode");
    mode->click();
    mode->click();
    mode->click();

    testing::WindowFixture::Close(window);
    QCOMPARE(ReadSettingList(file, kSearchHistorySection), std::vector<std::string>{"curl d"});
    QCOMPARE(ReadSettingText(file, "fwMain", "chOnTop"), std::string("1"));
    QCOMPARE(ReadSettingText(file, "fwMain", "chMode"), std::string("0"));
    QCOMPARE(ReadSettingText(file, "fwMain_State", "Left"), std::string("100"));
    QCOMPARE(ReadSettingText(file, "fwMain_State", "Top"), std::string("80"));
}

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::WaylandCheck)
#include "wayland_check.moc"
