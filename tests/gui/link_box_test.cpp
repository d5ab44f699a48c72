#include "controls/link_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "app/version_info.h"
#include "base/color_value.h"

namespace glyphora {
namespace {

// Stands in for the desktop: records what a link would have opened.
class OpenedUrls : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls.append(url); }
};

QStringList Keys(const PropertyBag& bag) {
    QStringList keys;
    for (const auto& [key, value] : bag.Entries()) keys << QString::fromStdString(key);
    return keys;
}

}  // namespace

class LinkBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        opened_ = new OpenedUrls;
        QDesktopServices::setUrlHandler("glyphoratest", opened_, "Open");
    }
    void cleanup() {
        QDesktopServices::unsetUrlHandler("glyphoratest");
        delete opened_;
        QCursor::setPos(0, 0);
    }

    void NewInstanceHasTheDesignDefaults() {
        LinkBox box;
        QCOMPARE(box.Alignment(), 0);
        QCOMPARE(box.AutoSize(), false);
        QCOMPARE(box.BackColor(), kSystemButtonFace);
        QCOMPARE(box.Caption(), QString());
        QCOMPARE(box.CaptionIsPath(), true);
        QCOMPARE(box.Enabled(), true);
        QCOMPARE(box.ForeColor(), kSystemButtonText);
        QCOMPARE(box.HotTracking(), true);
        QCOMPARE(box.Path(), QString());
        QCOMPARE(box.tlCaption()->objectName(), QString("tlCaption"));
        QCOMPARE(box.toHotTracking()->interval(), 100);
        QVERIFY(!box.toHotTracking()->isActive());
        QCOMPARE(box.tlCaption()->font().underline(), false);
    }

    void PropertyBagRoundTrips() {
        LinkBox saved;
        saved.SetAlignment(2);
        saved.SetAutoSize(true);
        saved.SetBackColor(RgbValue(10, 20, 30));
        saved.SetCaption("glyphoratest:caption");
        saved.SetCaptionIsPath(false);
        saved.SetEnabled(false);
        QFont font("DejaVu Serif", 13);
        font.setItalic(true);
        saved.SetFont(font);
        saved.SetForeColor(kSystemHighlight);
        saved.SetHotTracking(false);
        saved.SetPath("glyphoratest:path");
        PropertyBag bag;
        saved.WriteProperties(bag);
        QCOMPARE(Keys(bag),
                 QStringList({"Alignment", "AutoSize", "BackColor", "Caption", "CaptionIsPath",
                              "Enabled", "Font", "ForeColor", "HotTracking", "Path"}));

        LinkBox loaded;
        QSignalSpy changes(&loaded, &LinkBox::PropertyChanged);
        loaded.ReadProperties(bag);
        QCOMPARE(changes.count(), 0);  // loading is not a change
        QCOMPARE(loaded.Alignment(), 2);
        QCOMPARE(loaded.AutoSize(), true);
        QCOMPARE(loaded.BackColor(), RgbValue(10, 20, 30));
        QCOMPARE(loaded.Caption(), QString("glyphoratest:caption"));
        QCOMPARE(loaded.CaptionIsPath(), false);
        QCOMPARE(loaded.Enabled(), false);
        QCOMPARE(loaded.Font(), font);
        QCOMPARE(loaded.ForeColor(), kSystemHighlight);
        QCOMPARE(loaded.HotTracking(), false);
        QCOMPARE(loaded.Path(), QString("glyphoratest:path"));
        // An auto-sized control wraps the text in the loaded font.
        QCOMPARE(loaded.size(), loaded.tlCaption()->sizeHint());

        PropertyBag again;
        loaded.WriteProperties(again);
        QVERIFY(again.Entries() == bag.Entries());
    }

    void EmptyBagGivesTheDefaults() {
        LinkBox box;
        box.SetAlignment(1);
        box.SetAutoSize(true);
        box.SetCaption("kept caption");
        box.SetCaptionIsPath(false);
        box.SetHotTracking(false);
        box.SetPath("kept path");
        box.SetForeColor(RgbValue(255, 0, 0));
        QFont bold = box.Font();
        bold.setBold(true);
        box.SetFont(bold);
        box.SetEnabled(false);

        box.ReadProperties(PropertyBag{});
        QCOMPARE(box.Alignment(), 0);
        QCOMPARE(box.AutoSize(), false);
        QCOMPARE(box.Caption(), QString("kept caption"));
        QCOMPARE(box.CaptionIsPath(), true);
        QCOMPARE(box.Enabled(), true);
        QCOMPARE(box.Font(), bold);
        QCOMPARE(box.ForeColor(), RgbValue(255, 0, 0));
        QCOMPARE(box.HotTracking(), true);
        QCOMPARE(box.Path(), QString("kept path"));
    }

    void KeysAreMatchedInAnyCase() {
        PropertyBag bag;
        bag.WriteProperty("alignment", "1");
        bag.WriteProperty("AUTOSIZE", "True");
        bag.WriteProperty("caption", "http://");
        bag.WriteProperty("captionispath", "False");
        bag.WriteProperty("forecolor", std::to_string(RgbValue(0, 0, 255)));
        bag.WriteProperty("hottracking", "False");
        bag.WriteProperty("Path", "mailto:");
        LinkBox box;
        box.ReadProperties(bag);
        QCOMPARE(box.Alignment(), 1);
        QCOMPARE(box.AutoSize(), true);
        QCOMPARE(box.Caption(), QString("http://"));
        QCOMPARE(box.CaptionIsPath(), false);
        QCOMPARE(box.ForeColor(), RgbValue(0, 0, 255));
        QCOMPARE(box.tlCaption()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(box.HotTracking(), false);
        QCOMPARE(box.Path(), QString("mailto:"));
        QVERIFY(box.tlCaption()->alignment() & Qt::AlignRight);
    }

    void WritersNotifyTheHostByKey() {
        LinkBox box;
        QSignalSpy changes(&box, &LinkBox::PropertyChanged);
        box.SetCaption("a");
        box.SetCaption("a");  // unchanged text still tells the host
        box.SetPath("p");
        box.SetHotTracking(false);
        QStringList keys;
        for (const auto& change : changes) keys << change.at(0).toString();
        QCOMPARE(keys, QStringList({"Caption", "Caption", "Path", "HotTracking"}));
    }

    void CaptionSetToItsTextDoesNotRelayout() {
        LinkBox box;
        box.SetCaption("some text");
        box.tlCaption()->move(5, 5);
        box.SetCaption("some text");
        QCOMPARE(box.tlCaption()->pos(), QPoint(5, 5));
        box.SetCaption("other text");
        QCOMPARE(box.tlCaption()->pos(), QPoint(0, 0));
    }

    void AutoSizeWrapsTheText() {
        LinkBox box;
        box.resize(300, 40);
        box.SetCaption("wide enough");
        QCOMPARE(box.size(), QSize(300, 40));  // without auto-size the label fills the control
        QCOMPARE(box.tlCaption()->size(), QSize(300, 40));
        box.SetAutoSize(true);
        QCOMPARE(box.size(), box.tlCaption()->sizeHint());
        const int short_width = box.width();
        box.SetCaption("a much longer text than before");
        QVERIFY(box.width() > short_width);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.resize(500, 100);  // a host's resize snaps back to the text
        QCOMPARE(box.size(), box.tlCaption()->sizeHint());
    }

    void HotTrackingUnderlinesWhileThePointerIsOver() {
        QWidget host;
        host.resize(300, 100);
        auto* box = new LinkBox(&host);
        box->setGeometry(20, 20, 200, 30);
        box->SetCaption("hover me");
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        QCursor::setPos(box->mapToGlobal(QPoint(10, 10)));
        QTest::mouseMove(box->tlCaption(), QPoint(10, 10));
        QVERIFY(box->tlCaption()->font().underline());
        QVERIFY(box->toHotTracking()->isActive());
        QTest::qWait(250);  // pointer still inside: stays
        QVERIFY(box->tlCaption()->font().underline());

        QCursor::setPos(host.mapToGlobal(QPoint(290, 90)));
        QTRY_VERIFY_WITH_TIMEOUT(!box->tlCaption()->font().underline(), 1000);
        QVERIFY(!box->toHotTracking()->isActive());
    }

    void WithoutHotTrackingHoverAndFocusLeaveTheUnderline() {
        QWidget host;
        host.resize(300, 100);
        auto* box = new LinkBox(&host);
        box->setGeometry(20, 20, 200, 30);
        box->SetCaption("plain");
        box->SetHotTracking(false);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseMove(box->tlCaption(), QPoint(10, 10));
        QVERIFY(!box->tlCaption()->font().underline());
        QVERIFY(!box->toHotTracking()->isActive());
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QVERIFY(!box->tlCaption()->font().underline());
    }

    void FocusUnderlinesWithHotTracking() {
        QWidget host;
        auto* box = new LinkBox(&host);
        box->SetCaption("focus me");
        auto* other = new QLabel(&host);
        other->setFocusPolicy(Qt::StrongFocus);
        other->move(0, 50);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QVERIFY(box->tlCaption()->font().underline());
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QVERIFY(!box->tlCaption()->font().underline());
    }

    void ClickOpensPathElseCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("caption_is_path");
        QTest::addColumn<QString>("opened");
        QTest::newRow("path wins") << "glyphoratest:caption"
                                   << "glyphoratest:path" << true << "glyphoratest:path";
        QTest::newRow("path without caption-is-path")
            << "glyphoratest:caption"
            << "glyphoratest:path" << false << "glyphoratest:path";
        QTest::newRow("caption as path") << "glyphoratest:caption"
                                         << "" << true << "glyphoratest:caption";
        QTest::newRow("nothing to open") << "glyphoratest:caption"
                                         << "" << false << "";
        QTest::newRow("empty caption") << ""
                                       << "" << true << "";
    }
    void ClickOpensPathElseCaption() {
        QFETCH(QString, caption);
        QFETCH(QString, path);
        QFETCH(bool, caption_is_path);
        QFETCH(QString, opened);
        LinkBox box;
        box.resize(200, 30);
        box.SetCaption(caption);
        box.SetPath(path);
        box.SetCaptionIsPath(caption_is_path);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy clicks(&box, &LinkBox::Click);
        QTest::mouseClick(box.tlCaption(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        if (opened.isEmpty()) {
            QVERIFY(opened_->urls.isEmpty());
        } else {
            QCOMPARE(opened_->urls, QList<QUrl>({QUrl(opened)}));
        }
    }

    void RightClickAndDisabledControlOpenNothing() {
        LinkBox box;
        box.resize(200, 30);
        box.SetPath("glyphoratest:path");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy downs(&box, &LinkBox::MouseDown);
        QTest::mouseClick(box.tlCaption(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(downs.count(), 1);
        box.SetEnabled(false);
        QTest::mouseClick(box.tlCaption(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(opened_->urls.isEmpty());
    }

    void TargetsWithoutSchemeAreLocalFiles() {
        QCOMPARE(LinkTargetUrl("https://glyphora.example.org/a b"),
                 QUrl("https://glyphora.example.org/a b"));
        QCOMPARE(LinkTargetUrl("mailto:someone@example.org?subject=Glyphora").scheme(),
                 QString("mailto"));
        const QUrl file = LinkTargetUrl("notes/readme.txt");
        QVERIFY(file.isLocalFile());
        QVERIFY(file.toLocalFile().endsWith("/notes/readme.txt"));
        QVERIFY(QDir::isAbsolutePath(file.toLocalFile()));
        QCOMPARE(LinkTargetUrl("/tmp/x.ttf"), QUrl::fromLocalFile("/tmp/x.ttf"));
    }

    void VersionAndAboutBoxTexts() {
        const QString long_text = QString::fromStdString(LongVersionText(kProgramVersion));
        QCOMPARE(LinkBox::Version(), " " + long_text);
        LinkBox box;
        QString title;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (message == nullptr) return;
            title = message->windowTitle();
            text = message->text();
            message->accept();
        });
        box.AboutBox();
        QCOMPARE(title, QString("About..."));
        QCOMPARE(text, "Glyphora\n\nVersion " + long_text);
    }

    void TextMeasuresFollowTheFont() {
        LinkBox box;
        const QFontMetrics metrics(box.Font());
        QCOMPARE(box.TextWidth("abcd"), metrics.horizontalAdvance("abcd"));
        QCOMPARE(box.TextWidth("ab\nabcdef\nabc"), metrics.horizontalAdvance("abcdef"));
        QCOMPARE(box.TextHeight("x"), metrics.height());
        QVERIFY(box.TextHeight("x\ny") > box.TextHeight("x"));
        QFont big = box.Font();
        big.setPointSizeF(big.pointSizeF() * 3);
        box.SetFont(big);
        QVERIFY(box.TextWidth("abcd") > metrics.horizontalAdvance("abcd"));
    }

    void ToolTipComesFromTheHost() {
        LinkBox box;
        box.setToolTip("host tip");
        box.SetToolTipText();
        QCOMPARE(box.tlCaption()->toolTip(), QString("host tip"));
        box.SetToolTipText(QString("own tip"));
        QCOMPARE(box.tlCaption()->toolTip(), QString("own tip"));
    }

    void SystemColorsFollowThePalette() {
        LinkBox box;
        QPalette palette = box.palette();
        palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
        box.setPalette(palette);
        QCOMPARE(box.tlCaption()->palette().color(QPalette::WindowText), QColor(1, 2, 3));
        box.SetForeColor(RgbValue(9, 8, 7));
        QCOMPARE(box.tlCaption()->palette().color(QPalette::WindowText), QColor(9, 8, 7));
    }

private:
    OpenedUrls* opened_ = nullptr;
};

}  // namespace glyphora

QTEST_MAIN(glyphora::LinkBoxTest)
#include "link_box_test.moc"
