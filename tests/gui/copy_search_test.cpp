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

#include "copy/cp1252.h"
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

QByteArray Cp1252Bytes() {
    return Clipboard()->data(QString::fromLatin1(QtClipboard::kCp1252MimeType));
}

void TypeInto(QComboBox* box, const QString& text) {
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, text);
}

class CopySearchTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() {
        QGuiApplication::clipboard()->clear();
        WindowTest::init();
        QVERIFY(Start() && ChooseFont(W(), "DejaVu Sans"));
    }

    void TheButtonCopiesTheWholeTextInEachClipboardType() {
        Select(*window_, 0xE9);
        TypeToCopy(QString::fromUtf8("A\u00E9\u20AC"));
        ChooseCodePageRow(8);  // Western European (Windows), 1252
        // Byte formats: the Windows-1252 bytes, and for a reader of text the characters they stand
        // for.
        for (const auto& [format, bytes] : {std::pair{kCodePage, QByteArray("A\xE9\x80")},
                                            {kUtf8, QByteArray("A\xC3\xA9\xE2\x82\xAC")}}) {
            Format(W(), format)->click();
            Copy();
            QCOMPARE(Cp1252Bytes(), bytes);
            QCOMPARE(Clipboard()->text(),
                     QString::fromStdU16String(Cp1252BytesToText(bytes.toStdString())));
        }
        Format(W(), kUnicode)->click();
        Copy();
        QCOMPARE(Clipboard()->text(), QString::fromUtf8("A\u00E9\u20AC"));
        QVERIFY(ToCopy()->hasFocus());
        QCOMPARE(ToCopy()->selectedText(), ToCopy()->text());

        Format(W(), kRtf)->click();
        Copy();
        const QByteArray rtf = Clipboard()->data("text/rtf");
        QVERIFY(rtf.contains("DejaVu Sans;}}{\\colortbl;\\red0\\green0\\blue0;}\\cf1"));
        QVERIFY(rtf.contains("A\\u233?\\u8364?}"));
        QCOMPARE(Clipboard()->text(), QString::fromUtf8("A\u00E9\u20AC"));
        // The table's copy keys copy the current character only.
        Format(W(), kNcrDec)->click();
        window_->Table()->setFocus();
        QTest::keyClick(window_->Table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Cp1252Bytes(), QByteArray("&#233;"));
        Format(W(), kPicture)->click();
        QTest::keyClick(window_->Table(), Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(Clipboard()->hasImage());
    }

    // Each character takes the larger of its advance and its bearings and ink together (the j
    // reaches left of its pen position); the size is held at the largest a picture may have, and a
    // picture no clipboard could take copies nothing and says why.
    void ThePictureIsAsWideAsTheCharactersSlotsAndNoLarger() {
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
        int slot_sum = 0;
        for (QChar c : QString("AWj"))
            slot_sum +=
                std::max(metrics.horizontalAdvance(c), std::abs(metrics.leftBearing(c)) +
                                                           metrics.boundingRect(c).width() +
                                                           std::abs(metrics.rightBearing(c)));
        QVERIFY(std::abs(image.width() - slot_sum) <= 3);  // Qt's metrics are rounded one by one
        QCOMPARE(image.height(), metrics.ascent() + metrics.descent());
        TypeInto(size, "99999999");
        QCOMPARE(size->currentText(), QString::number(kMaxPictureSize));
        TypeToCopy(QString(40, QLatin1Char('W')));
        QGuiApplication::clipboard()->setText("before");
        Copy();
        QCOMPARE(Clipboard()->text(), QString("before"));
        QCOMPARE(Find<StatusBar>(W(), "pbStatus1")->Text("Message"),
                 QString("Picture too large to copy."));
    }

    // The drop buttons of the preview and the entity box show for two entries or more only.
    void DropButtonsShowForTwoEntriesOrMore() {
        Select(*window_, 0x439);
        TypeToCopy(QString::fromUtf8("\u0439"));
        auto* preview = Find<QComboBox>(W(), "cbPreview");
        Format(W(), kCharName)->click();
        QVERIFY(!DropButtonDrawn(preview));
        TypeToCopy(QString::fromUtf8("\u0439A"));
        QCOMPARE(preview->count(), 2);
        QVERIFY(DropButtonDrawn(preview));
        auto* entity = Find<QComboBox>(W(), "cbEntity");
        Select(*window_, 0xE9);
        Format(W(), kSgml)->click();
        QVERIFY(!DropButtonDrawn(entity));
        Select(*window_, 0xA0);
        QVERIFY(DropButtonDrawn(entity));
    }

    void ThePictureControlsSizeTheViewAndTheColourDialogCanBeCancelled() {
        Select(*window_, 0x41);
        Format(W(), kPicture)->click();
        auto* size = Find<QComboBox>(W(), "cbPicture");
        auto* label = Find<QLabel>(W(), "tlPicture2");
        auto* view = Find<CharView>(W(), "pbView");
        TypeInto(size, "1");
        QCOMPARE(label->text(), QString("(%1)").arg(window_->Model().Fonts().PictureMaxSize()));
        QTest::keyClicks(size, "2x");
        QCOMPARE(size->currentText(), QString("12"));
        QCOMPARE(label->text(), QString());
        QCOMPARE(view->ViewFont().pointSize(), 12);
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
        QCOMPARE(window_->Model().Page().CurrentCodePoint(), 0x221L);
        QCOMPARE(search->itemText(0), QString("curl d"));
        for (int n = 0; n < 500 && button->isEnabled(); ++n)
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), QString("S&earch"));

        auto* go_to = Find<QLineEdit>(W(), "tbGoTo");
        auto* option = Find<QRadioButton>(W(), "obSearch0");
        go_to->setFocus();
        QTest::keyClicks(go_to, "20ac");  // a full box goes at once
        QCOMPARE(window_->Model().Page().CurrentCodePoint(), 0x20ACL);
        QTest::mouseDClick(option, Qt::LeftButton);
        QCOMPARE(option->text(), QString("&Go to (Dec):"));
        QCOMPARE(go_to->text(), QString("8364"));
        go_to->setFocus();
        go_to->clear();
        QTest::keyClicks(go_to, "2a33");
        QTest::keyClick(go_to, Qt::Key_Return);
        QCOMPARE(window_->Model().Page().CurrentCodePoint(), 0xE9L);

        auto* symbol = Find<QLineEdit>(W(), "tbSearch");
        symbol->setFocus();
        QTest::keyClicks(symbol, "A");
        QCOMPARE(window_->Model().Page().CurrentCodePoint(), 0x41L);
        QVERIFY(go_to->text().isEmpty());  // the boxes are exclusive
        window_->Table()->setFocus();      // its character is current: it stays
        QCOMPARE(symbol->text(), QString("A"));
        symbol->setFocus();
        window_->Model().GoToCodePoint(0x42);
        window_->Table()->setFocus();  // another character is current: emptied
        QCOMPARE(symbol->text(), QString());
    }

private:
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
};

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::CopySearchTest)
#include "copy_search_test.moc"
