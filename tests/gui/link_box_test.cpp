#include "controls/link_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QSignalSpy>
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

// A link box on a host window, shown.
struct Hosted {
    explicit Hosted(const QString& caption) : box(new LinkBox(&host)) {
        host.resize(300, 100);
        box->setGeometry(20, 20, 200, 30);
        box->SetCaption(caption);
        host.show();
    }
    QWidget host;
    LinkBox* box;
};

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

    // What the bag holds is the core's (link_box_properties_test); here: the widget shows it.
    void PropertiesLoadIntoTheWidgetQuietlyAndSaveBackTheSame() {
        LinkBox saved;
        saved.SetAlignment(1);
        saved.SetAutoSize(true);
        saved.SetCaption("glyphoratest:caption");
        QFont font("DejaVu Serif", 13);
        font.setItalic(true);
        saved.SetFont(font);
        saved.SetForeColor(RgbValue(0, 0, 255));
        saved.SetHotTracking(false);
        PropertyBag bag;
        saved.WriteProperties(bag);

        LinkBox loaded;
        QSignalSpy changes(&loaded, &LinkBox::PropertyChanged);
        loaded.ReadProperties(bag);
        QCOMPARE(changes.count(), 0);  // loading is not a change
        QCOMPARE(loaded.Font(), font);
        QVERIFY(!loaded.HotTracking());
        QCOMPARE(loaded.tlCaption()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(loaded.tlCaption()->alignment() & Qt::AlignRight);
        QCOMPARE(loaded.size(), loaded.tlCaption()->sizeHint());  // auto-sized in the new font
        PropertyBag again;
        loaded.WriteProperties(again);
        QVERIFY(again.Entries() == bag.Entries());
        loaded.ReadProperties(PropertyBag{});
        QVERIFY(loaded.HotTracking());
        QCOMPARE(loaded.Caption(), QString("glyphoratest:caption"));  // the current value stays
    }

    void WritersNotifyTheHostByKeyAndOnlyANewCaptionRelaysOut() {
        LinkBox box;
        QSignalSpy changes(&box, &LinkBox::PropertyChanged);
        box.SetCaption("a");
        box.tlCaption()->move(5, 5);
        box.SetCaption("a");  // unchanged text still tells the host
        QCOMPARE(box.tlCaption()->pos(), QPoint(5, 5));
        box.SetPath("p");
        box.SetHotTracking(false);
        QStringList keys;
        for (const auto& change : changes) keys << change.at(0).toString();
        QCOMPARE(keys, QStringList({"Caption", "Caption", "Path", "HotTracking"}));
        box.SetCaption("other text");
        QCOMPARE(box.tlCaption()->pos(), QPoint(0, 0));
    }

    void AutoSizeWrapsTheText() {
        LinkBox box;
        box.resize(300, 40);
        box.SetCaption("wide enough");
        QCOMPARE(box.tlCaption()->size(), QSize(300, 40));  // without auto-size: filled
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

    void HotTrackingUnderlinesWhileThePointerIsOverOrTheFocusIn() {
        Hosted hosted("hover me");
        LinkBox* box = hosted.box;
        QVERIFY(QTest::qWaitForWindowExposed(&hosted.host));
        QCursor::setPos(box->mapToGlobal(QPoint(10, 10)));
        QTest::mouseMove(box->tlCaption(), QPoint(10, 10));
        QVERIFY(box->tlCaption()->font().underline());
        QTest::qWait(250);  // pointer still inside: stays
        QVERIFY(box->tlCaption()->font().underline());
        QCursor::setPos(hosted.host.mapToGlobal(QPoint(290, 90)));
        QTRY_VERIFY_WITH_TIMEOUT(!box->tlCaption()->font().underline(), 1000);
        QVERIFY(!box->toHotTracking()->isActive());

        auto* other = new QLabel(&hosted.host);
        other->setFocusPolicy(Qt::StrongFocus);
        other->show();
        hosted.host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&hosted.host));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        box->setFocus();
        QTRY_VERIFY(box->tlCaption()->font().underline());
        other->setFocus();
        QTRY_VERIFY(!box->tlCaption()->font().underline());
        box->SetHotTracking(false);  // without hot tracking neither hover nor focus underlines
        QTest::mouseMove(box->tlCaption(), QPoint(10, 10));
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QVERIFY(!box->tlCaption()->font().underline() && !box->toHotTracking()->isActive());
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
        QCOMPARE(opened_->urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>({QUrl(opened)}));
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
        QCOMPARE(LinkTargetUrl("mailto:someone@example.org?subject=x").scheme(), QString("mailto"));
        const QUrl file = LinkTargetUrl("notes/readme.txt");
        QVERIFY(file.isLocalFile());
        QVERIFY(file.toLocalFile().endsWith("/notes/readme.txt"));
        QVERIFY(QDir::isAbsolutePath(file.toLocalFile()));
    }

    void TextMeasuresTipsAndColoursFollowTheWidget() {
        QCOMPARE(LinkBox::Version(),
                 " " + QString::fromStdString(LongVersionText(kProgramVersion)));
        LinkBox box;
        const QFontMetrics metrics(box.Font());
        QCOMPARE(box.TextWidth("ab\nabcdef\nabc"), metrics.horizontalAdvance("abcdef"));
        QVERIFY(box.TextHeight("x\ny") > box.TextHeight("x"));
        QFont big = box.Font();
        big.setPointSizeF(big.pointSizeF() * 3);
        box.SetFont(big);
        QVERIFY(box.TextWidth("abcd") > metrics.horizontalAdvance("abcd"));
        box.setToolTip("host tip");
        box.SetToolTipText();
        QCOMPARE(box.tlCaption()->toolTip(), QString("host tip"));
        // A system colour follows the palette; an RGB value is taken as it is.
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
