// The copy, picture and search controls of the main window on the off-screen platform: what each
// copy format puts on the clipboard, the To-copy box, the preview, the picture size box and colour
// dialog, the Edit menu, the search, go-to and symbol boxes, and their settings across a restart.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>

#include "copy/ansi_code_page.h"
#include "main_window/char_view.h"
#include "main_window/qt_clipboard.h"
#include "main_window/status_bar.h"
#include "table/char_table.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

using testing::WindowFixture;

constexpr int kUnicode = 0, kRtf = 1, kPercent = 2, kUtf8 = 3, kUtf7 = 4, kUcn = 5, kNcrHex = 6,
              kNcrDec = 7, kCodePage = 8, kCharName = 9, kPicture = 10, kSgml = 11;

template <typename T = QWidget>
T* Find(QWidget* window, const QString& name) {
    T* widget = window->findChild<T*>(name);
    if (!widget) qWarning("no control named %s", qPrintable(name));
    return widget;
}

QRadioButton* Format(QWidget* window, int i) {
    return Find<QRadioButton>(window, QString("obFormat%1").arg(i));
}

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

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

// What a reader of the ANSI bytes gets, or the text for the formats that copy text.
QByteArray AnsiBytes() {
    return Clipboard()->data(QString::fromLatin1(QtClipboard::kAnsiMimeType));
}

class CopySearchTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QGuiApplication::clipboard()->clear();
        window_ = home_.emplace().Start();
        QVERIFY(window_);
        ChooseFont("DejaVu Sans");
    }
    void cleanup() {
        window_.reset();
        home_.reset();
    }

    void EveryFormatCopiesTheWholeTextFromTheButton();
    void TheTablesCopyKeyCopiesTheCurrentCharacterOnly();
    void ThePictureIsAsWideAsTheCharactersSlots();
    void TheSgmlFormatGreysAndRefillsTheToCopyBox();
    void ThePreviewFollowsTheFormatAndTheCharacterSet();
    void TheSizeBoxShowsTheMaximumInParentheses();
    void CancellingTheColourDialogChangesNothing();
    void TheEditMenuUndoesAndCopiesInTheBoxItWasOpenedOn();
    void EnterSearchesAndTheButtonTurnsToNext();
    void TheGoToBoxTakesHexadecimalAndDecimalCodes();
    void TheSymbolBoxJumpsAndEmptiesWhenLeftElsewhere();
    void CopyAndSearchSettingsSurviveARestart();

private:
    QWidget* W() { return window_.get(); }
    QLineEdit* ToCopy() { return Find<QLineEdit>(W(), "tbCopy"); }
    void ChooseFont(const QString& family) {
        auto* fonts = Find<QListView>(W(), "lvFont");
        const auto matches = fonts->model()->match(fonts->model()->index(0, 0), Qt::DisplayRole,
                                                   family, 1, Qt::MatchExactly);
        QVERIFY(!matches.isEmpty());
        fonts->scrollTo(matches.first());
        QTest::mouseClick(fonts->viewport(), Qt::LeftButton, {},
                          fonts->visualRect(matches.first()).center());
        QCOMPARE(QString::fromStdU16String(window_->Model().FontFamily()), family);
    }
    // Selects a character in the table as a click on its cell does.
    void Select(long cp) {
        window_->Model().GoToCodePoint(cp);
        CharTable* table = window_->Table();
        QTest::mouseClick(table, Qt::LeftButton, {},
                          table->CellRect(window_->Model().CurrentCell()).center());
        QCOMPARE(window_->Model().CurrentCodePoint(), cp);
    }
    // The user types the text into the To-copy box after emptying it.
    void TypeToCopy(const QString& text) {
        QTest::mouseClick(Find<QPushButton>(W(), "bbReset"), Qt::LeftButton);
        ToCopy()->setFocus();
        ToCopy()->insert(text);
        QCOMPARE(ToCopy()->text(), text);
    }
    // Chooses a row of the code page list with the keys (the list is used by "Code Page:").
    void ChooseCodePageRow(int row) {
        Format(W(), kCodePage)->click();
        auto* box = Find<QComboBox>(W(), "cbCharSet");
        QVERIFY(box->isEnabled());
        box->setFocus();
        for (int n = 0; n < 16 && box->currentIndex() < row; ++n)
            QTest::keyClick(box, Qt::Key_Down);
        for (int n = 0; n < 16 && box->currentIndex() > row; ++n) QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(window_->Model().Copy().CodePageRow(), row);
    }
    void Copy() { QTest::mouseClick(Find<QPushButton>(W(), "bbCopy"), Qt::LeftButton); }

    std::optional<WindowFixture> home_;
    std::unique_ptr<MainWindow> window_;
};

void CopySearchTest::EveryFormatCopiesTheWholeTextFromTheButton() {
    Select(0xE9);
    TypeToCopy(QString::fromUtf8("A\u00E9\u20AC"));
    ChooseCodePageRow(8);  // Western European (Windows), 1252
    const struct {
        int format;
        std::string bytes;  // the ANSI bytes; the text for formats 0 and 9
    } cases[] = {
        {kPercent, "%41%e9%E2%82%AC"},
        {kUtf8, "A\xC3\xA9\xE2\x82\xAC"},
        {kUtf7, "A+AOk-+IKw-"},
        {kUcn, "\\u0041\\u00e9\\u20ac"},
        {kNcrHex, "&#x0041;&#x00e9;&#x20ac;"},
        {kNcrDec, "&#65;&#233;&#8364;"},
        {kCodePage, "A\xE9\x80"},
        {kCharName, "Latin Capital Letter A\r\nLatin Small Letter E With Acute\r\nEuro Sign\r\n"},
    };
    for (const auto& c : cases) {
        Format(W(), c.format)->click();
        Copy();
        QCOMPARE(AnsiBytes(), Bytes(c.bytes));
        // A reader of text gets the characters the bytes stand for in the ANSI code page.
        QCOMPARE(Clipboard()->text(), QString::fromStdU16String(AnsiBytesToText(c.bytes)));
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
    QVERIFY(rtf.contains("{\\fonttbl"));
    QVERIFY(rtf.contains("DejaVu Sans;"));
    QVERIFY(rtf.contains("}}{\\colortbl;\\red0\\green0\\blue0;}\\cf1"));
    QVERIFY(rtf.contains("A\\u233?\\u8364?}"));
    QCOMPARE(Clipboard()->data("application/rtf"), rtf);
    QCOMPARE(Clipboard()->text(), QString::fromUtf8("A\u00E9\u20AC"));

    Format(W(), kSgml)->click();
    Copy();
    QCOMPARE(AnsiBytes(), QByteArray("&eacute;"));
}

void CopySearchTest::TheTablesCopyKeyCopiesTheCurrentCharacterOnly() {
    TypeToCopy("xyz");
    Select(0xE9);
    ChooseCodePageRow(8);
    const struct {
        int format;
        std::string bytes;
    } cases[] = {
        {kPercent, "%e9"},     {kUtf8, "\xC3\xA9"},
        {kUtf7, "+AOk-"},      {kUcn, "\\u00e9"},
        {kNcrHex, "&#x00e9;"}, {kNcrDec, "&#233;"},
        {kCodePage, "\xE9"},   {kCharName, "Latin Small Letter E With Acute"},
        {kSgml, "&eacute;"},
    };
    for (const auto& c : cases) {
        Format(W(), c.format)->click();
        window_->Table()->setFocus();
        QTest::keyClick(window_->Table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(AnsiBytes(), Bytes(c.bytes));
    }
    Format(W(), kUnicode)->click();
    QTest::keyClick(window_->Table(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(Clipboard()->text(), QString::fromUtf8("\u00E9"));
    Format(W(), kRtf)->click();
    QTest::keyClick(window_->Table(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(Clipboard()->data("text/rtf").contains("\\u233?}"));
    QVERIFY(!Clipboard()->data("text/rtf").contains("x"));
    Format(W(), kPicture)->click();
    QTest::keyClick(window_->Table(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(Clipboard()->hasImage());
}

void CopySearchTest::ThePictureIsAsWideAsTheCharactersSlots() {
    Select(0x41);
    TypeToCopy("AWj");
    Format(W(), kPicture)->click();
    auto* size = Find<QComboBox>(W(), "cbPicture");
    QVERIFY(size->isEnabled());
    size->lineEdit()->selectAll();
    QTest::keyClicks(size, "40");
    QCOMPARE(size->currentText(), QString("40"));
    Copy();
    QVERIFY(Clipboard()->hasImage());
    const QImage image = qvariant_cast<QImage>(Clipboard()->imageData());

    QFont font("DejaVu Sans");
    font.setPointSize(40);
    const QFontMetrics metrics(font);
    QCOMPARE(image.height(), metrics.ascent() + metrics.descent());
    // Each character takes the larger of its advance and its bearings and ink together: the j
    // reaches left of its pen position.
    int slot_sum = 0;
    int advances = 0;
    for (QChar c : QString("AWj")) {
        const int ink = metrics.boundingRect(c).width();
        const int spread =
            std::abs(metrics.leftBearing(c)) + ink + std::abs(metrics.rightBearing(c));
        slot_sum += std::max(metrics.horizontalAdvance(c), spread);
        advances += metrics.horizontalAdvance(c);
    }
    QVERIFY(slot_sum > advances);
    QVERIFY2(std::abs(image.width() - slot_sum) <= 3,  // Qt's metrics are rounded one by one
             qPrintable(QString("%1 vs %2").arg(image.width()).arg(slot_sum)));
    // Black ink on white, and the background at the far corner.
    QCOMPARE(image.pixelColor(image.width() - 1, 0), QColor(Qt::white));
    bool ink = false;
    for (int x = 0; x < image.width() && !ink; ++x)
        ink = image.pixelColor(x, metrics.ascent() - 2) == QColor(Qt::black);
    QVERIFY(ink);

    // A size far beyond what fits the view still draws the copy at that size.
    size->lineEdit()->selectAll();
    QTest::keyClicks(size, "200");
    Copy();
    const QImage large = qvariant_cast<QImage>(Clipboard()->imageData());
    QVERIFY(large.height() > 4 * image.height());

    // An absurd size becomes the largest a picture holds, which still draws the characters.
    size->lineEdit()->selectAll();
    QTest::keyClicks(size, "99999999");
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

void CopySearchTest::TheSgmlFormatGreysAndRefillsTheToCopyBox() {
    Select(0xE9);
    TypeToCopy("xyz");
    auto* entity = Find<QComboBox>(W(), "cbEntity");
    QCOMPARE(entity->currentText(), QString("&eacute;"));
    QVERIFY(!entity->isEnabled());
    Format(W(), kSgml)->click();
    QVERIFY(!ToCopy()->isEnabled());
    QCOMPARE(ToCopy()->text(), QString::fromUtf8("\u00E9"));
    QVERIFY(entity->isEnabled());
    QVERIFY(Find<QPushButton>(W(), "bbCopy")->isEnabled());
    QVERIFY(!DropButtonDrawn(entity));  // one name
    Select(0xA0);
    QCOMPARE(entity->count(), 2);
    QVERIFY(DropButtonDrawn(entity));
    Select(0xE9);
    Format(W(), kUnicode)->click();
    QVERIFY(ToCopy()->isEnabled());
    QCOMPARE(ToCopy()->text(), QString::fromUtf8("\u00E9"));
    QVERIFY(!entity->isEnabled());
    // A character without entity names has no "SGML:" format.
    Select(0x41);
    QVERIFY(!Format(W(), kSgml)->isEnabled());
    QCOMPARE(entity->count(), 0);
}

void CopySearchTest::ThePreviewFollowsTheFormatAndTheCharacterSet() {
    Select(0x439);
    TypeToCopy(QString::fromUtf8("\u0439"));
    auto* preview = Find<QComboBox>(W(), "cbPreview");
    auto* charset = Find<QCheckBox>(W(), "chPreview");
    QVERIFY(!preview->isEnabled());
    QCOMPARE(preview->currentText(), QString());

    Format(W(), kCodePage)->click();  // Cyrillic (Windows) is the first-start row
    QVERIFY(preview->isEnabled());
    QVERIFY(charset->isEnabled());
    QCOMPARE(preview->currentText(), QString::fromUtf8("\u00E9"));  // byte E9 as ANSI
    charset->click();
    QCOMPARE(preview->currentText(), QString::fromUtf8("\u0439"));  // the same byte in 1251
    ChooseCodePageRow(8);  // another code page shows the same byte its way, unconverted
    QCOMPARE(preview->currentText(), QString::fromUtf8("\u00E9"));

    Format(W(), kUtf8)->click();
    QVERIFY(!charset->isEnabled());
    QVERIFY(charset->isChecked());
    QCOMPARE(preview->currentText(), QString::fromUtf8("\u00D0\u00B9"));  // D0 B9
    QVERIFY(!DropButtonDrawn(preview));  // one line: nothing to drop down

    Format(W(), kCharName)->click();
    QCOMPARE(preview->count(), 1);
    QCOMPARE(preview->currentText(), QString("Cyrillic Small Letter Short I"));
    QVERIFY(!DropButtonDrawn(preview));
    ToCopy()->setFocus();
    ToCopy()->end(false);
    ToCopy()->insert("A");
    QCOMPARE(preview->count(), 2);
    QCOMPARE(preview->itemText(1), QString("Latin Capital Letter A"));
    QVERIFY(DropButtonDrawn(preview));

    // Keys do not change the preview.
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_Backspace);
    QTest::keyClicks(preview, "zz");
    QCOMPARE(preview->currentText(), QString("Cyrillic Small Letter Short I"));
}

void CopySearchTest::TheSizeBoxShowsTheMaximumInParentheses() {
    Select(0x41);
    Format(W(), kPicture)->click();
    auto* size = Find<QComboBox>(W(), "cbPicture");
    auto* label = Find<QLabel>(W(), "tlPicture2");
    auto* view = Find<CharView>(W(), "pbView");
    const int max = window_->Model().PictureMaxSize();
    QVERIFY(max > 12);
    size->setFocus();
    size->lineEdit()->selectAll();
    QTest::keyClicks(size, "1");
    QCOMPARE(label->text(), QString("(%1)").arg(max));
    QCOMPARE(view->ViewFont().pointSize(), max);
    QTest::keyClicks(size, "2");
    QCOMPARE(label->text(), QString());
    QCOMPARE(view->ViewFont().pointSize(), 12);
    QTest::keyClicks(size, "x");
    QCOMPARE(size->currentText(), QString("12"));
    QCOMPARE(size->lineEdit()->cursorPosition(), 2);
    QTest::keyClicks(size, "0");
    QCOMPARE(label->text(), QString("(%1)").arg(max));
    QTest::keyClick(size, Qt::Key_Z, Qt::ControlModifier);  // the box's own one-step undo
    QCOMPARE(size->currentText(), QString("12"));
    Find<QCheckBox>(W(), "chPicture0")->click();
    QVERIFY(view->ViewFont().bold());
    // Not used by the Code Page format.
    Format(W(), kCodePage)->click();
    QVERIFY(!size->isEnabled());
    QVERIFY(!Find<QPushButton>(W(), "bbPicture0")->isEnabled());
}

void CopySearchTest::CancellingTheColourDialogChangesNothing() {
    Select(0x41);
    Format(W(), kPicture)->click();
    const auto answer = [](bool accept) {
        QTimer::singleShot(0, [accept] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setCurrentColor(QColor(255, 0, 0));
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
    };
    answer(false);
    QTest::mouseClick(Find<QPushButton>(W(), "bbPicture0"), Qt::LeftButton);
    QCOMPARE(window_->Model().Picture().ForeColour(), 0u);
    answer(true);
    QTest::mouseClick(Find<QPushButton>(W(), "bbPicture0"), Qt::LeftButton);
    QCOMPARE(window_->Model().Picture().ForeColour(), 0x0000FFu);
    answer(true);
    QTest::mouseClick(Find<QPushButton>(W(), "bbPicture1"), Qt::LeftButton);
    QCOMPARE(window_->Model().Picture().BackColour(), 0x0000FFu);
    // The rich text takes the fore colour.
    Format(W(), kRtf)->click();
    TypeToCopy("A");
    Copy();
    QVERIFY(Clipboard()->data("text/rtf").contains("{\\colortbl;\\red255\\green0\\blue0;}"));
}

void CopySearchTest::TheEditMenuUndoesAndCopiesInTheBoxItWasOpenedOn() {
    auto* menu = Find<QMenu>(W(), "mEdit");
    const auto open = [menu](QWidget* surface) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                surface->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(surface, &event);
        QTRY_VERIFY(menu->isVisible());
    };
    const auto item = [menu](const char* name) { return menu->findChild<QAction*>(name); };

    TypeToCopy("ab");
    ToCopy()->end(false);
    QTest::keyClicks(ToCopy(), "c");
    QCOMPARE(ToCopy()->text(), QString("abc"));
    open(ToCopy());
    QVERIFY(item("mEditUndo")->isVisible());
    QVERIFY(item("mEditUndo")->isEnabled());
    item("mEditUndo")->trigger();
    menu->hide();
    QCOMPARE(ToCopy()->text(), QString("ab"));
    open(ToCopy());
    item("mEditUndo")->trigger();
    menu->hide();
    QCOMPARE(ToCopy()->text(), QString("abc"));
    QTest::keyClick(ToCopy(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ToCopy()->text(), QString("ab"));

    // The read-only preview offers Copy and Select All only.
    Format(W(), kNcrDec)->click();
    auto* preview = Find<QComboBox>(W(), "cbPreview");
    open(preview->lineEdit());
    QVERIFY(!item("mEditUndo")->isVisible());
    QVERIFY(!item("mEditPaste")->isVisible());
    QVERIFY(item("mEditSelectAll")->isVisible());
    item("mEditSelectAll")->trigger();
    menu->hide();
    open(preview->lineEdit());
    QVERIFY(item("mEditCopy")->isEnabled());
    item("mEditCopy")->trigger();
    menu->hide();
    QCOMPARE(Clipboard()->text(), QString("&#97;&#98;"));
}

void CopySearchTest::EnterSearchesAndTheButtonTurnsToNext() {
    auto* box = Find<QComboBox>(W(), "cbSearch");
    auto* button = Find<QPushButton>(W(), "bbSearch");
    QVERIFY(!button->isEnabled());
    box->setFocus();
    QTest::keyClicks(box, "curl d");
    QVERIFY(button->isEnabled());
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window_->Model().CurrentCodePoint(), 0x221L);
    QCOMPARE(button->text(), QString("N&ext (F3)"));
    QVERIFY(window_->Model().Search().CanSearchNext());
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemText(0), QString("curl d"));
    QCOMPARE(box->currentText(), QString("curl d"));
    // The search goes on from the following character, to the end of the list.
    const long first = window_->Model().CurrentCodePoint();
    for (int n = 0; n < 500 && button->isEnabled(); ++n) QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(window_->Model().CurrentCodePoint() >= first);
    QCOMPARE(QString::fromStdU16String(window_->Model().MessagePanel()),
             QString("No more occurences."));
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->text(), QString("S&earch"));

    // Letters that no name holds are removed as they are typed.
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, "&eacute;");
    QTest::keyClicks(box, "!");
    QCOMPARE(box->currentText(), QString("&eacute;"));
    QTest::keyClick(box, Qt::Key_Enter);
    QCOMPARE(window_->Model().CurrentCodePoint(), 0xE9L);
    QCOMPARE(box->itemText(0), QString("&eacute;"));
    QCOMPARE(box->itemText(1), QString("curl d"));
}

void CopySearchTest::TheGoToBoxTakesHexadecimalAndDecimalCodes() {
    auto* box = Find<QLineEdit>(W(), "tbGoTo");
    auto* option = Find<QRadioButton>(W(), "obSearch0");
    QCOMPARE(option->text(), QString("&Go to (Hex):"));
    box->setFocus();
    QTest::keyClicks(box, "20ac");  // a full box goes at once
    QCOMPARE(window_->Model().CurrentCodePoint(), 0x20ACL);
    QCOMPARE(box->text(), QString("20ac"));
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "e9");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window_->Model().CurrentCodePoint(), 0xE9L);

    QTest::mouseDClick(option, Qt::LeftButton);
    QCOMPARE(option->text(), QString("&Go to (Dec):"));
    QCOMPARE(box->text(), QString("233"));
    QCOMPARE(box->maxLength(), 5);
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "8364");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window_->Model().CurrentCodePoint(), 0x20ACL);
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "6553a6");  // the letter is dropped, the digit past 65535 too
    QCOMPARE(box->text(), QString("6553"));
    // Leaving the box while it shows another code than the current character's empties it.
    window_->Table()->setFocus();
    QCOMPARE(box->text(), QString());

    box->setFocus();
    QTest::keyClicks(box, "8364");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::mouseDClick(option, Qt::LeftButton);
    QCOMPARE(option->text(), QString("&Go to (Hex):"));
    QCOMPARE(box->text(), QString("20AC"));
    QCOMPARE(box->maxLength(), 4);
}

void CopySearchTest::TheSymbolBoxJumpsAndEmptiesWhenLeftElsewhere() {
    auto* box = Find<QLineEdit>(W(), "tbSearch");
    box->setFocus();
    QVERIFY(Find<QRadioButton>(W(), "obSearch1")->isChecked());
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QString::fromUtf8("\u00E9"), {});
    QCOMPARE(window_->Model().CurrentCodePoint(), 0xE9L);
    QCOMPARE(box->text(), QString::fromUtf8("\u00E9"));
    // Leaving it while its character is current keeps it.
    box->setFocus();
    window_->Table()->setFocus();
    QCOMPARE(box->text(), QString::fromUtf8("\u00E9"));
    // A typed character replaces the one there.
    box->setFocus();
    QTest::keyClicks(box, "A");
    QCOMPARE(box->text(), QString("A"));
    QCOMPARE(window_->Model().CurrentCodePoint(), 0x41L);
    // Leaving it while another character is current empties it.
    box->setFocus();
    window_->Model().GoToCodePoint(0x42);
    window_->Table()->setFocus();
    QCOMPARE(box->text(), QString());
}

void CopySearchTest::CopyAndSearchSettingsSurviveARestart() {
    Select(0x41);
    ChooseCodePageRow(8);
    Find<QCheckBox>(W(), "chPreview")->click();
    Format(W(), kPicture)->click();
    auto* size = Find<QComboBox>(W(), "cbPicture");
    size->lineEdit()->selectAll();
    QTest::keyClicks(size, "20");
    Find<QCheckBox>(W(), "chPicture1")->click();
    QTest::mouseDClick(Find<QRadioButton>(W(), "obSearch0"), Qt::LeftButton);
    auto* search = Find<QComboBox>(W(), "cbSearch");
    search->setFocus();
    QTest::keyClicks(search, "euro");
    QTest::keyClick(search, Qt::Key_Return);
    WindowFixture::Close(window_);

    const std::string saved = WindowFixture::ReadFile(home_->Paths().settings_file);
    for (const char* line :
         {"obFormat=10", "cbCharSet=8", "bHexGoto=0", "cbPicture=20", "chPicture0=0",
          "chPicture1=1", "bbPicture0=0", "bbPicture1=16777215", "[cbSearch_Search]\n0=euro"})
        QVERIFY2(saved.find(line) != std::string::npos, line);
    // Shown at start-up only.
    QVERIFY(saved.find("chPreview") == std::string::npos);
    QVERIFY(saved.find("[fwMain_Picture]") < saved.find("[cbSearch_Search]"));

    window_ = home_->Start();
    QVERIFY(window_);
    QVERIFY(Format(W(), kPicture)->isChecked());
    QCOMPARE(window_->Model().Copy().CodePageRow(), 8);
    QCOMPARE(Find<QComboBox>(W(), "cbCharSet")->currentIndex(), 8);
    QCOMPARE(Find<QComboBox>(W(), "cbPicture")->currentText(), QString("20"));
    QVERIFY(Find<QCheckBox>(W(), "chPicture1")->isChecked());
    QVERIFY(Find<CharView>(W(), "pbView")->ViewFont().italic());
    QCOMPARE(Find<QRadioButton>(W(), "obSearch0")->text(), QString("&Go to (Dec):"));
    search = Find<QComboBox>(W(), "cbSearch");
    QCOMPARE(search->count(), 1);
    QCOMPARE(search->itemText(0), QString("euro"));
}

}  // namespace
}  // namespace glyphora

QTEST_MAIN(glyphora::CopySearchTest)
#include "copy_search_test.moc"
