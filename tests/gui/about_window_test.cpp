#include "about/about_window.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QNetworkProxy>
#include <QPalette>
#include <QPushButton>
#include <QSignalSpy>
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
#include "platform/system_colors.h"

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

QString LongVersion() { return QString::fromStdString(LongVersionText(kProgramVersion)); }

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

    void ShowsVersionsAndLinks() {
        AboutWindow about(services_);
        QCOMPARE(about.objectName(), QString("fwAbout"));
        QCOMPARE(about.windowTitle(), QString("About..."));
        QCOMPARE(about.tlVersion()->text(),
                 "glyphora: " + QString::fromStdString(ShortVersionText(kProgramVersion)) + "\n" +
                     QString::fromStdString(NameLibraryVersionLine()));
        QVERIFY(about.tlVersion()->text().contains(QRegularExpression("\nICU: \\d+\\.\\d+")));
        QVERIFY(about.tlAbout()->text().contains(", Qt " + QString(qVersion()) + "\n"));
        QVERIFY(about.tlAbout()->text().endsWith(
            QString::fromUtf8(kVersionInformation.legal_copyright.data())));

        const SupportAddresses addresses = SplitComments(kVersionInformation.comments);
        const QString site = QString::fromStdString(addresses.site);
        const QString mail = QString::fromStdString(addresses.mail);
        QCOMPARE(about.tlSite()->Caption(), site);
        QCOMPARE(about.tlSite()->Path(), site + "/Products/Glyphora/");
        QCOMPARE(about.tlMail()->Caption(), mail);
        QCOMPARE(about.tlMail()->Path(), mail + "?subject=Glyphora");
        QCOMPARE(about.tlSite()->ForeColor(), kSystemHotLight);
        QVERIFY(about.tlSite()->AutoSize());
        QVERIFY(about.tlSite()->HotTracking());

        QCOMPARE(about.ucUpdate()->RemotePath(), site + "/Products/Glyphora/Glyphora.js");
        QCOMPARE(about.ucUpdate()->LocalVersion(), LongVersion());
        QCOMPARE(about.ucUpdate()->LocalPath(), services_.settings_file);
        QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
        QVERIFY(about.bbUpdate()->width() >= 96);
        QVERIFY(about.bbUpdate()->width() >= about.bbUpdate()->sizeHint().width());
        QCOMPARE(about.bbClose()->text(), QString("&Close"));
        QCOMPARE(about.tlUpdate()->text(), QString());
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
        about.setPalette(palette);
        for (LinkBox* link : {about.tlSite(), about.tlMail()}) {
            const QPalette shown = link->tlCaption()->palette();
            const QColor text = shown.color(QPalette::WindowText);
            QVERIFY(ContrastRatio(text, shown.color(QPalette::Window)) >= 4.5);
            QCOMPARE(shown.color(QPalette::Window), palette.color(QPalette::Window));
            QCOMPARE(text == palette.color(QPalette::Link), own_colour);
        }
    }

    void NothingIsFetchedWithoutAClick() {
        LocalHttpServer server(LocalHttpServer::Mode::Answer, "200 OK", "var version = \"1\";");
        AboutWindow about(services_);
        about.ucUpdate()->SetRemotePath(server.Url());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::qWait(100);
        QCOMPARE(server.Requests(), 0);
        QVERIFY(!about.ucUpdate()->IsChecking());
    }

    void UpdateCheckAnswers_data() {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled_after");
        QTest::addColumn<int>("recorded");
        QTest::newRow("up to date")
            << QByteArray("200 OK")
            << ("// release\nvar version = \"" + LongVersion().toUtf8() + "\";\n")
            << "Your copy of the application is up to date." << false << 0;
        QTest::newRow("newer") << QByteArray("200 OK") << QByteArray("var version = \"99.0.1\";\n")
                               << "Version 99.0.1\nis now available\nto download." << false << 1;
        QTest::newRow("not found")
            << QByteArray("404 Not Found") << QByteArray("missing")
            << "Remote resource is not accessible now. Please try later." << true << -1;
        QTest::newRow("no version in the file")
            << QByteArray("200 OK") << QByteArray("<html>moved</html>")
            << "Remote resource is not accessible now. Please try later." << true << -1;
    }
    void UpdateCheckAnswers() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QFETCH(bool, enabled_after);
        QFETCH(int, recorded);
        LocalHttpServer server(LocalHttpServer::Mode::Answer, status, body);
        AboutWindow about(services_);
        about.ucUpdate()->SetRemotePath(server.Url());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        QTest::mouseClick(about.bbUpdate(), Qt::LeftButton);
        QCOMPARE(about.bbUpdate()->text(), QString("Cancel Check"));
        QCOMPARE(about.cursor().shape(), Qt::WaitCursor);
        QTRY_COMPARE_WITH_TIMEOUT(about.tlUpdate()->text(), text, 10000);
        QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
        QCOMPARE(about.bbUpdate()->isEnabled(), enabled_after);
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(server.Requests(), 1);
        QVERIFY(server.LastRequest().startsWith("GET /Products/Glyphora/Glyphora.js HTTP/1.1"));
        QCOMPARE(recorder_.records.size(), 1u);
        QCOMPARE(static_cast<int>(recorder_.records[0].outcome.result), recorded);
        QCOMPARE(recorder_.paths[0], services_.settings_file);
    }

    void UnreachableServerLeavesTheButtonForAnotherTry() {
        LocalHttpServer server(LocalHttpServer::Mode::Answer);
        server.Close();
        AboutWindow about(services_);
        about.ucUpdate()->SetRemotePath(server.Url());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.bbUpdate(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(
            about.tlUpdate()->text(),
            QString("Remote resource is not accessible now. Please try later."), 10000);
        QVERIFY(about.bbUpdate()->isEnabled());
        QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);

        // While the next try runs, the old answer is gone.
        LocalHttpServer slow(LocalHttpServer::Mode::Hold);
        about.ucUpdate()->SetRemotePath(slow.Url());
        QTest::mouseClick(about.bbUpdate(), Qt::LeftButton);
        QVERIFY(about.ucUpdate()->IsChecking());
        QCOMPARE(about.tlUpdate()->text(), QString());
    }

    void CancelEndsASlowCheckWithoutAResult() {
        LocalHttpServer server(LocalHttpServer::Mode::Hold);
        AboutWindow about(services_);
        about.ucUpdate()->SetRemotePath(server.Url());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.bbUpdate(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(server.Requests(), 1, 10000);
        QVERIFY(about.ucUpdate()->IsChecking());
        QCOMPARE(about.bbUpdate()->text(), QString("Cancel Check"));
        QCOMPARE(about.cursor().shape(), Qt::WaitCursor);

        QTest::mouseClick(about.bbUpdate(), Qt::LeftButton);
        QVERIFY(!about.ucUpdate()->IsChecking());
        QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(about.bbUpdate()->isEnabled());
        QTest::qWait(100);
        QCOMPARE(about.tlUpdate()->text(), QString());
        QVERIFY(recorder_.records.empty());
    }

    void ClosingDuringACheckEndsIt() {
        LocalHttpServer server(LocalHttpServer::Mode::Hold);
        {
            AboutWindow about(services_);
            about.ucUpdate()->SetRemotePath(server.Url());
            about.bbUpdate()->click();
            QTRY_COMPARE_WITH_TIMEOUT(server.Requests(), 1, 10000);
        }
        QTest::qWait(50);
        QVERIFY(recorder_.records.empty());
    }

    void AddressesOtherThanHttpAreNotFetched() {
        AboutWindow about(services_);
        about.ucUpdate()->SetRemotePath("file:///etc/hostname");
        about.bbUpdate()->click();
        QCOMPARE(about.tlUpdate()->text(),
                 QString("Remote resource is not accessible now. Please try later."));
        QCOMPARE(about.bbUpdate()->text(), QString("Check for Update"));
    }

    void BoardStartsWithTheWordsAndAHint() {
        AboutWindow about(services_);
        const LetterBoard& board = about.Board();
        QCOMPARE(board.TileCount(), 60);
        QCOMPARE(about.pbTable()->contentsRect().size(), QSize(12 * 22, 5 * 22));
        for (int k = 0; k < board.TileCount(); ++k) {
            QCOMPARE(about.tlCell(k)->text(), QString(QChar(board.Caption(k))));
        }
        QCOMPARE(about.tlCell(14)->text(), QString("G"));
        QVERIFY(about.ibTable()->isVisibleTo(&about));
        const QPoint hint = about.ibTable()->pos() - QPoint(5, 5);
        bool over_letter = false;
        for (int k = 0; k < board.TileCount(); ++k) {
            if (about.tlCell(k)->pos() == hint) over_letter = !board.IsBlank(k);
        }
        QVERIFY(over_letter);
        QVERIFY(about.toTable()->isActive());
        QCOMPARE(about.toTable()->interval(), 250);
    }

    void HintCyclesThroughTheFourArrows() {
        AboutWindow about(services_);
        const auto shown = [&] { return about.ibTable()->pixmap().toImage(); };
        QCOMPARE(shown(), about.ibMouseIcon(1).toImage());
        QTRY_COMPARE_WITH_TIMEOUT(shown(), about.ibMouseIcon(2).toImage(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), about.ibMouseIcon(3).toImage(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), about.ibMouseIcon(4).toImage(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), about.ibMouseIcon(1).toImage(), 1000);
        for (int d = 1; d <= 4; ++d) {
            for (int e = d + 1; e <= 4; ++e) {
                QVERIFY(about.ibMouseIcon(d).toImage() != about.ibMouseIcon(e).toImage());
            }
        }
    }

    void PointerOverATileShowsItsDirection() {
        AboutWindow about(services_);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // 'l' of "Glyphora" (column 4, row 2) can go up into the blank row.
        LetterTile* up = about.tlCell(15);
        QTest::mouseMove(up, QPoint(10, 10));
        QVERIFY(!about.toTable()->isActive());
        QVERIFY(!about.ibTable()->isVisible());
        QCOMPARE(up->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(up->cursor().pixmap().toImage(), about.ibMouseIcon(LetterBoard::kUp).toImage());
        // 'v' of "every" is boxed in by letters: the ordinary pointer.
        LetterTile* boxed = about.tlCell(28);
        QTest::mouseMove(boxed, QPoint(10, 10));
        QVERIFY(!boxed->testAttribute(Qt::WA_SetCursor));
    }

    void TileWithoutBlankNeighbourDoesNothing() {
        AboutWindow about(services_);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.tlCell(28)->text(), QString("v"));
        std::vector<QPoint> before;
        for (int k = 0; k < 60; ++k) before.push_back(about.tlCell(k)->pos());
        QTest::mouseClick(about.tlCell(28), Qt::LeftButton, {}, QPoint(10, 10));
        for (int k = 0; k < 60; ++k) QCOMPARE(about.tlCell(k)->pos(), before[k]);
        QCOMPARE(sound_.plays, 0);
    }

    void BlankNextToBlankSwaps() {
        AboutWindow about(services_);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint first = about.tlCell(0)->pos();
        const QPoint second = about.tlCell(1)->pos();
        QTest::mouseClick(about.tlCell(0), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(about.tlCell(0)->pos(), second);
        QCOMPARE(about.tlCell(1)->pos(), first);
        QCOMPARE(about.tlCell(0)->property("Tag").toString(), QString("2.1"));
        QCOMPARE(about.tlCell(1)->property("Tag").toString(), QString("1.1"));
        QCOMPARE(sound_.plays, 1);
    }

    void RandomClicksKeepTilesTagsAndBoardTogether() {
        AboutWindow about(services_);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint origin = about.pbTable()->contentsRect().topLeft();
        std::mt19937 random(4711);
        std::uniform_int_distribution<int> pick(0, 59);
        int moves = 0;
        for (int i = 0; i < 400; ++i) {
            const int tile = pick(random);
            if (about.Board().TileDirection(tile) != LetterBoard::kNone) ++moves;
            QTest::mouseClick(about.tlCell(tile), Qt::LeftButton, {}, QPoint(10, 10));
        }
        QVERIFY(moves > 20);
        QCOMPARE(sound_.plays, moves);
        for (int k = 0; k < 60; ++k) {
            const LetterBoard::Cell cell = about.Board().CellOf(k);
            QCOMPARE(about.tlCell(k)->pos(),
                     origin + QPoint((cell.column - 1) * 22, (cell.row - 1) * 22));
            QCOMPARE(about.tlCell(k)->property("Tag").toString(),
                     QString::fromStdString(about.Board().Tag(k)));
            QCOMPARE(about.Board().TileAt(cell), k);
        }
    }

    void EmbeddedClickIsHarmlessWithoutAudio() {
        QFile wav(":/about/click.wav");
        AboutServices services = services_;
        services.click_sound = nullptr;
        AboutWindow about(services);
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray bytes = wav.readAll();
        QCOMPARE(bytes.size(), 1404);
        QVERIFY(bytes.startsWith("RIFF"));
        QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.tlCell(0), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(about.tlCell(0), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::qWait(100);
        QCOMPARE(about.tlCell(0)->property("Tag").toString(), QString("1.1"));
    }

    void EscapeAndCloseButtonClose() {
        AboutWindow about(services_);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Rejected));

        AboutWindow again(services_);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTest::mouseClick(again.bbClose(), Qt::LeftButton);
        QVERIFY(!again.isVisible());
    }

    void StaysOnTopWhenTheOwnerDoes() {
        AboutWindow on(services_);
        on.SetOnTop(1);
        on.show();
        QVERIFY(on.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        AboutWindow off(services_);
        off.SetOnTop(0);
        off.show();
        QVERIFY(!off.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void ShowAboutBoxIsModalOverItsOwner() {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QString seen;
        bool on_top = false;
        bool owned = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            seen = modal->objectName();
            on_top = modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            owned = modal->parentWidget() == &owner;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        ShowAboutBox(&owner, 1, services_);
        QCOMPARE(seen, QString("fwAbout"));
        QVERIFY(on_top);
        QVERIFY(owned);
    }

private:
    CountingClickSound sound_;
    RecordingRecorder recorder_;
    AboutServices services_;
};

}  // namespace glyphora

QTEST_MAIN(glyphora::AboutWindowTest)
#include "about_window_test.moc"
