// The copy, picture and search controls of the main window on the off-screen platform. What each
// format encodes is the core's (copy_panel_test); here: what reaches the clipboard in which MIME
// type, the picture copy, the controls following the panels, and their settings across a restart.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <optional>

#include "copy/ansi_code_page.h"
#include "main_window/char_view.h"
#include "main_window/qt_clipboard.h"
#include "main_window/status_bar.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using namespace testing;

constexpr int kUnicode = 0, kRtf = 1, kUtf8 = 3, kNcrDec = 7, kCodePage = 8, kCharName = 9,
              kPicture = 10, kSgml = 11;

QRadioButton* Format(QWidget* window, int i) {
    return Find<QRadioButton>(window, QString("obFormat%1").arg(i));
}

const QMimeData* Clipboard() { return QGuiApplication::clipboard()->mimeData(); }

// Whether the combo box draws its drop button: the button's place holds more than the box's
// ground (the arrow, the button's face).
bool DropButtonDrawn(QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    const QRect arrow =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box);
    const QImage image = box->grab(arrow.adjusted(3, 3, -3, -3)).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return colours.size() > 1;
}

QByteArray AnsiBytes() {
    return Clipboard()->data(QString::fromLatin1(QtClipboard::kAnsiMimeType));
}

void TypeInto(QComboBox* box, const QString& text) {
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, text);
}

class CopySearchTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QGuiApplication::clipboard()->clear();
        window_ = home_.emplace().Start();
        QVERIFY(window_);
        QVERIFY(ChooseFont(W(), "DejaVu Sans"));
    }
    void cleanup() {
        window_.reset();
        home_.reset();
    }

    void TheButtonCopiesTheWholeTextInEachClipboardType() {
        Select(*window_, 0xE9);
        TypeToCopy(QString::fromUtf8("A\u00E9\u20AC"));
        ChooseCodePageRow(8);  // Western European (Windows), 1252
        // Byte formats: the ANSI bytes, and for a reader of text the characters they stand for.
        for (const auto& [format, bytes] : {std::pair{kCodePage, QByteArray("A\xE9\x80")},
                                            {kUtf8, QByteArray("A\xC3\xA9\xE2\x82\xAC")}}) {
            Format(W(), format)->click();
            Copy();
            QCOMPARE(AnsiBytes(), bytes);
            QCOMPARE(Clipboard()->text(),
                     QString::fromStdU16String(AnsiBytesToText(bytes.toStdString())));
        }
        Format(W(), kUnicode)->click();
        Copy();
        QCOMPARE(Clipboard()->text(), QString::fromUtf8("A\u00E9\u20AC"));
        QVERIFY(!Clipboard()->hasFormat(QString::fromLatin1(QtClipboard::kAnsiMimeType)));
        QVERIFY(ToCopy()->hasFocus());
        QCOMPARE(ToCopy()->selectedText(), ToCopy()->text());

        Format(W(), kRtf)->click();
        Copy();
        const QByteArray rtf = Clipboard()->data("text/rtf");
        QVERIFY(rtf.contains("DejaVu Sans;}}{\\colortbl;\\red0\\green0\\blue0;}\\cf1"));
        QVERIFY(rtf.contains("A\\u233?\\u8364?}"));
        QCOMPARE(Clipboard()->data("application/rtf"), rtf);
        QCOMPARE(Clipboard()->text(), QString::fromUtf8("A\u00E9\u20AC"));
        // The table's copy keys copy the current character only.
        Format(W(), kNcrDec)->click();
        window_->Table()->setFocus();
        QTest::keyClick(window_->Table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(AnsiBytes(), QByteArray("&#233;"));
        Format(W(), kPicture)->click();
        QTest::keyClick(window_->Table(), Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(Clipboard()->hasImage());
    }

    void ThePictureIsAsWideAsTheCharactersSlots() {
        Select(*window_, 0x41);
        TypeToCopy("AWj");
        Format(W(), kPicture)->click();
        auto* size = Find<QComboBox>(W(), "cbPicture");
        TypeInto(size, "40");
        Copy();
        const QImage image = qvariant_cast<QImage>(Clipboard()->imageData());
        QFont font("DejaVu Sans");
        font.setPointSize(40);
        const QFontMetrics metrics(font);
        QCOMPARE(image.height(), metrics.ascent() + metrics.descent());
        // Each character takes the larger of its advance and its bearings and ink together: the j
        // reaches left of its pen position.
        int slot_sum = 0, advances = 0;
        for (QChar c : QString("AWj")) {
            const int spread = std::abs(metrics.leftBearing(c)) + metrics.boundingRect(c).width() +
                               std::abs(metrics.rightBearing(c));
            slot_sum += std::max(metrics.horizontalAdvance(c), spread);
            advances += metrics.horizontalAdvance(c);
        }
        QVERIFY(slot_sum > advances);
        QVERIFY(std::abs(image.width() - slot_sum) <= 3);  // Qt's metrics are rounded one by one
        // Black ink on white.
        QCOMPARE(image.pixelColor(image.width() - 1, 0), QColor(Qt::white));
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixelColor(x, metrics.ascent() - 2) == QColor(Qt::black);
        QVERIFY(ink);
        // A size far beyond what fits the view still draws the copy at that size.
        TypeInto(size, "200");
        Copy();
        QVERIFY(qvariant_cast<QImage>(Clipboard()->imageData()).height() > 4 * image.height());
        // An absurd size becomes the largest a picture holds, which still draws the characters.
        TypeInto(size, "99999999");
        QCOMPARE(size->currentText(), QString::number(kMaxPictureSize));
        Copy();
        const QImage largest = qvariant_cast<QImage>(Clipboard()->imageData());
        QVERIFY(largest.height() > 40 * image.height() && largest.width() > 40 * image.width());
        font.setPointSize(kMaxPictureSize);
        ink = false;
        for (int x = 0; x < largest.width() && !ink; x += 4)
            ink = largest.pixelColor(x, QFontMetrics(font).ascent() - 8) == QColor(Qt::black);
        QVERIFY(ink);
        // A text whose picture no clipboard could take copies nothing, and the window says why.
        TypeToCopy(QString(40, QLatin1Char('W')));
        QGuiApplication::clipboard()->setText("before");
        Copy();
        QVERIFY(!Clipboard()->hasImage());
        QCOMPARE(Clipboard()->text(), QString("before"));
        QCOMPARE(Find<StatusBar>(W(), "pbStatus1")->Text("Message"),
                 QString("Picture too large to copy."));
    }

    void TheControlsFollowTheFormat() {
        Select(*window_, 0x439);
        TypeToCopy(QString::fromUtf8("\u0439"));
        auto* entity = Find<QComboBox>(W(), "cbEntity");
        auto* preview = Find<QComboBox>(W(), "cbPreview");
        auto* charset = Find<QCheckBox>(W(), "chPreview");
        QVERIFY(!preview->isEnabled() && !entity->isEnabled());
        Format(W(), kCodePage)->click();  // Cyrillic (Windows) is the first-start row
        QVERIFY(preview->isEnabled() && charset->isEnabled());
        QCOMPARE(preview->currentText(), QString::fromUtf8("\u00E9"));  // byte E9 as ANSI
        charset->click();
        QCOMPARE(preview->currentText(), QString::fromUtf8("\u0439"));  // the same byte in 1251
        Format(W(), kUtf8)->click();
        QVERIFY(!charset->isEnabled());
        QCOMPARE(preview->currentText(), QString::fromUtf8("\u00D0\u00B9"));
        // The drop buttons show for two entries or more only.
        QVERIFY(!DropButtonDrawn(preview));
        Format(W(), kCharName)->click();
        QCOMPARE(preview->count(), 1);
        QVERIFY(!DropButtonDrawn(preview));
        TypeToCopy(QString::fromUtf8("\u0439A"));
        QCOMPARE(preview->count(), 2);
        QVERIFY(DropButtonDrawn(preview));

        Select(*window_, 0xE9);
        Format(W(), kSgml)->click();
        QVERIFY(!ToCopy()->isEnabled() && entity->isEnabled());
        QCOMPARE(ToCopy()->text(), QString::fromUtf8("\u00E9"));
        QVERIFY(!DropButtonDrawn(entity));  // one name
        Select(*window_, 0xA0);
        QCOMPARE(entity->count(), 2);
        QVERIFY(DropButtonDrawn(entity));
        Select(*window_, 0x41);  // no entity names: no "SGML:" format
        QVERIFY(!Format(W(), kSgml)->isEnabled() && ToCopy()->isEnabled());
        QCOMPARE(entity->count(), 0);
    }

    void ThePictureControlsSizeTheViewAndTheColourDialogCanBeCancelled() {
        Select(*window_, 0x41);
        Format(W(), kPicture)->click();
        auto* size = Find<QComboBox>(W(), "cbPicture");
        auto* label = Find<QLabel>(W(), "tlPicture2");
        auto* view = Find<CharView>(W(), "pbView");
        const int max = window_->Model().PictureMaxSize();
        TypeInto(size, "1");
        QCOMPARE(label->text(), QString("(%1)").arg(max));
        QCOMPARE(view->ViewFont().pointSize(), max);
        QTest::keyClicks(size, "2x");
        QCOMPARE(size->currentText(), QString("12"));
        QCOMPARE(label->text(), QString());
        QCOMPARE(view->ViewFont().pointSize(), 12);
        QTest::keyClicks(size, "0");
        QTest::keyClick(size, Qt::Key_Z, Qt::ControlModifier);  // the box's own one-step undo
        QCOMPARE(size->currentText(), QString("12"));
        Find<QCheckBox>(W(), "chPicture0")->click();
        QVERIFY(view->ViewFont().bold());

        const auto answer = [](bool accept) {
            QTimer::singleShot(0, [accept] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->setCurrentColor(QColor(255, 0, 0));
                accept ? dialog->accept() : dialog->reject();
            });
        };
        answer(false);
        QTest::mouseClick(Find<QPushButton>(W(), "bbPicture0"), Qt::LeftButton);
        QCOMPARE(window_->Model().Picture().ForeColour(), 0u);
        answer(true);
        QTest::mouseClick(Find<QPushButton>(W(), "bbPicture0"), Qt::LeftButton);
        QCOMPARE(window_->Model().Picture().ForeColour(), 0x0000FFu);
        Format(W(), kCodePage)->click();  // not used by the Code Page format
        QVERIFY(!size->isEnabled() && !Find<QPushButton>(W(), "bbPicture0")->isEnabled());
    }

    void TheSearchGoToAndSymbolBoxesMoveTheTable() {
        auto* search = Find<QComboBox>(W(), "cbSearch");
        auto* button = Find<QPushButton>(W(), "bbSearch");
        TypeInto(search, "curl d!");  // letters that no name holds are removed as they are typed
        QCOMPARE(search->currentText(), QString("curl d"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(window_->Model().CurrentCodePoint(), 0x221L);
        QCOMPARE(search->itemText(0), QString("curl d"));
        for (int n = 0; n < 500 && button->isEnabled(); ++n)
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), QString("S&earch"));

        auto* go_to = Find<QLineEdit>(W(), "tbGoTo");
        auto* option = Find<QRadioButton>(W(), "obSearch0");
        go_to->setFocus();
        QTest::keyClicks(go_to, "20ac");  // a full box goes at once
        QCOMPARE(window_->Model().CurrentCodePoint(), 0x20ACL);
        QTest::mouseDClick(option, Qt::LeftButton);
        QCOMPARE(option->text(), QString("&Go to (Dec):"));
        QCOMPARE(go_to->text(), QString("8364"));
        go_to->setFocus();
        go_to->clear();
        QTest::keyClicks(go_to, "2a33");
        QTest::keyClick(go_to, Qt::Key_Return);
        QCOMPARE(window_->Model().CurrentCodePoint(), 0xE9L);

        auto* symbol = Find<QLineEdit>(W(), "tbSearch");
        symbol->setFocus();
        QTest::keyClicks(symbol, "A");
        QCOMPARE(window_->Model().CurrentCodePoint(), 0x41L);
        QVERIFY(go_to->text().isEmpty());  // the boxes are exclusive
        window_->Table()->setFocus();      // its character is current: it stays
        QCOMPARE(symbol->text(), QString("A"));
        symbol->setFocus();
        window_->Model().GoToCodePoint(0x42);
        window_->Table()->setFocus();  // another character is current: emptied
        QCOMPARE(symbol->text(), QString());
    }

    void CopyAndSearchSettingsSurviveARestart() {
        Select(*window_, 0x41);
        ChooseCodePageRow(8);
        Format(W(), kPicture)->click();
        TypeInto(Find<QComboBox>(W(), "cbPicture"), "20");
        Find<QCheckBox>(W(), "chPicture1")->click();
        QTest::mouseDClick(Find<QRadioButton>(W(), "obSearch0"), Qt::LeftButton);
        auto* search = Find<QComboBox>(W(), "cbSearch");
        TypeInto(search, "euro");
        QTest::keyClick(search, Qt::Key_Return);
        WindowFixture::Close(window_);
        const std::string saved = WindowFixture::ReadFile(home_->Paths().settings_file);
        for (const char* part :
             {"obFormat=10\ncbCharSet=8\nbHexView=1\nbHexGoto=0\n",
              "[fwMain_Picture]\nbbPicture0=0\nbbPicture1=16777215\ncbPicture=20\nchPicture0=0\n"
              "chPicture1=1\n",
              "[cbSearch_Search]\n0=euro\n"})
            QVERIFY2(saved.find(part) != std::string::npos, saved.c_str());

        window_ = home_->Start();
        QVERIFY(window_);
        QVERIFY(Format(W(), kPicture)->isChecked());
        QCOMPARE(Find<QComboBox>(W(), "cbCharSet")->currentIndex(), 8);
        QVERIFY(Find<CharView>(W(), "pbView")->ViewFont().italic());
        QCOMPARE(Find<QRadioButton>(W(), "obSearch0")->text(), QString("&Go to (Dec):"));
        QCOMPARE(Find<QComboBox>(W(), "cbSearch")->itemText(0), QString("euro"));
    }

private:
    QWidget* W() { return window_.get(); }
    QLineEdit* ToCopy() { return Find<QLineEdit>(W(), "tbCopy"); }
    // The user types the text into the To-copy box after emptying it.
    void TypeToCopy(const QString& text) {
        QTest::mouseClick(Find<QPushButton>(W(), "bbReset"), Qt::LeftButton);
        ToCopy()->setFocus();
        ToCopy()->insert(text);
    }
    // Chooses a row of the code page list with the keys (the list is used by "Code Page:").
    void ChooseCodePageRow(int row) {
        Format(W(), kCodePage)->click();
        auto* box = Find<QComboBox>(W(), "cbCharSet");
        box->setFocus();
        for (int n = 0; n < 16 && box->currentIndex() < row; ++n)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(window_->Model().Copy().CodePageRow(), row);
    }
    void Copy() { QTest::mouseClick(Find<QPushButton>(W(), "bbCopy"), Qt::LeftButton); }

    std::optional<WindowFixture> home_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::CopySearchTest)
#include "copy_search_test.moc"
