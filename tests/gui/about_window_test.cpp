#include "about/about_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QNetworkProxy>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QtTest>
#include <random>

#include "about/click_sound.h"
#include "about/letter_tile.h"
#include "about/name_library_version.h"
#include "about/update_check_record.h"
#include "about/update_checker.h"
#include "app/version_info.h"
#include "controls/link_box.h"
#include "local_http_server.h"
#include "platform/theme_colors.h"

namespace glyphora {
namespace {

using testing::LocalHttpServer;

class CountingClickSound final : public ClickSound {
public:
    void Play() override { ++plays; }
    int plays = 0;
};

class RecordingRecorder final : public UpdateCheckRecorder {
public:
    void RecordUpdateCheck(const std::filesystem::path& local_path,
                           const UpdateCheckRecord& record) override {
        paths.push_back(local_path);
        records.push_back(record);
    }
    std::vector<std::filesystem::path> paths;
    std::vector<UpdateCheckRecord> records;
};

const QString kNotAccessible = "Remote resource is not accessible now. Please try later.";

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The update check must only ever reach the test's own server.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }

    void init() {
        sound_ = CountingClickSound{};
        recorder_ = RecordingRecorder{};
        services_ = AboutServices{};
        services_.base_name = "glyphora";
        services_.settings_file = "/nonexistent/glyphora.dat";
        services_.click_sound = &sound_;
        services_.update_recorder = &recorder_;
    }

    // The links take the theme's link colour, made readable where the theme pairs it badly.
    void LinksReadWellInLightAndDarkThemes_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("own_colour");  // the theme's link colour reads well as it is
        QTest::newRow("light") << QApplication::style()->standardPalette() << true;
        QPalette dark(QColor(0xE0, 0xE0, 0xE0), QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Link, QColor(0, 0, 255));  // kept from a light theme
        QTest::newRow("dark, blue links") << dark << false;
        dark.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
        QTest::newRow("dark, light links") << dark << true;
    }
    void LinksReadWellInLightAndDarkThemes() {
        QFETCH(QPalette, palette);
        QFETCH(bool, own_colour);
        AboutWindow about(services_);
        QCOMPARE(about.tlSite()->ForeColor(), kThemeLink);
        about.setPalette(palette);
        for (LinkBox* link : {about.tlSite(), about.tlMail()}) {
            const QPalette shown = link->tlCaption()->palette();
            const QColor text = shown.color(QPalette::WindowText);
            QVERIFY(ContrastRatio(text, shown.color(QPalette::Window)) >= 4.5);
            QCOMPARE(shown.color(QPalette::Window), palette.color(QPalette::Window));
            QCOMPARE(text == palette.color(QPalette::Link), own_colour);
        }
    }

    void UpdateCheckAnswers_data() {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled_after");
        QTest::addColumn<int>("recorded");
        QTest::newRow("newer") << QByteArray("200 OK") << QByteArray("var version = \"99.0.1\";\n")
                               << "Version 99.0.1\nis now available\nto download." << false << 1;
        QTest::newRow("not found")
            << QByteArray("404 Not Found") << QByteArray("missing") << kNotAccessible << true << -1;
        QTest::newRow("nobody listening")
            << QByteArray() << QByteArray() << kNotAccessible << true << -1;
    }
    void UpdateCheckAnswers() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QFETCH(bool, enabled_after);
        QFETCH(int, recorded);
        LocalHttpServer server(LocalHttpServer::Mode::Answer, status, body);
        if (status.isEmpty()) server.Close();
        AboutWindow about(services_);
        about.ucUpdate()->SetRemotePath(server.Url());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::qWait(50);
        QCOMPARE(server.Requests(), 0);  // nothing is fetched without a click
        QTest::mouseClick(about.bbUpdate(), Qt::LeftButton);
        QCOMPARE(about.bbUpdate()->text(), QString("Cancel Check"));
        QCOMPARE(about.cursor().shape(), Qt::WaitCursor);
        QTRY_COMPARE_WITH_TIMEOUT(about.tlUpdate()->text(), text, 10000);
        QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
        QCOMPARE(about.bbUpdate()->isEnabled(), enabled_after);
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
        if (!status.isEmpty()) {
            QCOMPARE(server.Requests(), 1);
            QVERIFY(server.LastRequest().startsWith("GET /Products/Glyphora/Glyphora.js HTTP/1.1"));
            QCOMPARE(recorder_.records.size(), 1u);
            QCOMPARE(static_cast<int>(recorder_.records[0].outcome.result), recorded);
            QCOMPARE(recorder_.paths[0], services_.settings_file);
        }
        if (!enabled_after) return;
        // While the next try runs, the old answer is gone.
        LocalHttpServer slow(LocalHttpServer::Mode::Hold);
        about.ucUpdate()->SetRemotePath(slow.Url());
        QTest::mouseClick(about.bbUpdate(), Qt::LeftButton);
        QVERIFY(about.ucUpdate()->IsChecking());
        QCOMPARE(about.tlUpdate()->text(), QString());
    }

    void CancelOrCloseEndsASlowCheckWithoutAResult() {
        LocalHttpServer server(LocalHttpServer::Mode::Hold);
        {
            AboutWindow about(services_);
            about.ucUpdate()->SetRemotePath(server.Url());
            about.bbUpdate()->click();
            QTRY_COMPARE_WITH_TIMEOUT(server.Requests(), 1, 10000);
            about.bbUpdate()->click();
            QVERIFY(!about.ucUpdate()->IsChecking());
            QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
            QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
            QTest::qWait(50);
            QCOMPARE(about.tlUpdate()->text(), QString());
            // Closed while a second check waits for its answer.
            about.bbUpdate()->click();
            QTRY_COMPARE_WITH_TIMEOUT(server.Requests(), 2, 10000);
        }
        QTest::qWait(50);
        QVERIFY(recorder_.records.empty());
    }

    void AddressesOtherThanHttpAreNotFetched() {
        AboutWindow about(services_);
        about.ucUpdate()->SetRemotePath("file:///etc/hostname");
        about.bbUpdate()->click();
        QCOMPARE(about.tlUpdate()->text(), kNotAccessible);
        QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
    }

    void TheBoardShowsAHintThePointerADirectionAndClicksMoveTheTiles() {
        AboutWindow about(services_);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const LetterBoard& board = about.Board();
        const QPoint hint = about.ibTable()->pos() - QPoint(5, 5);
        bool over_letter = false;
        for (int k = 0; k < board.TileCount(); ++k)
            if (about.tlCell(k)->pos() == hint) over_letter = !board.IsBlank(k);
        QVERIFY(over_letter);
        const auto shown = [&] { return about.ibTable()->pixmap().toImage(); };
        QCOMPARE(shown(), about.ibMouseIcon(1).toImage());
        QTRY_COMPARE_WITH_TIMEOUT(shown(), about.ibMouseIcon(2).toImage(), 1000);
        // 'l' of "Glyphora" (column 4, row 2) can go up into the blank row.
        QTest::mouseMove(about.tlCell(15), QPoint(10, 10));
        QVERIFY(!about.toTable()->isActive() && !about.ibTable()->isVisible());
        QCOMPARE(about.tlCell(15)->cursor().pixmap().toImage(),
                 about.ibMouseIcon(LetterBoard::kUp).toImage());

        const QPoint origin = about.pbTable()->contentsRect().topLeft();
        std::mt19937 random(4711);
        std::uniform_int_distribution<int> pick(0, 59);
        int moves = 0;
        for (int i = 0; i < 400; ++i) {
            const int tile = pick(random);
            if (board.TileDirection(tile) != LetterBoard::kNone) ++moves;
            QTest::mouseClick(about.tlCell(tile), Qt::LeftButton, {}, QPoint(10, 10));
        }
        QVERIFY(moves > 20);
        QCOMPARE(sound_.plays, moves);
        for (int k = 0; k < 60; ++k) {
            const LetterBoard::Cell cell = board.CellOf(k);
            QCOMPARE(about.tlCell(k)->pos(),
                     origin + QPoint((cell.column - 1) * 22, (cell.row - 1) * 22));
            QCOMPARE(about.tlCell(k)->property("Tag").toString(),
                     QString::fromStdString(board.Tag(k)));
        }
        services_.click_sound = nullptr;  // without audio a click only moves the tile
        AboutWindow quiet(services_);
        quiet.show();
        QTest::mouseClick(quiet.tlCell(0), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(quiet.tlCell(0)->property("Tag").toString(), QString("2.1"));
    }

private:
    CountingClickSound sound_;
    RecordingRecorder recorder_;
    AboutServices services_;
};

}  // namespace glyphora

QTEST_MAIN(glyphora::AboutWindowTest)
#include "about_window_test.moc"
