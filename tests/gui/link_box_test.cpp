#include "controls/link_box.h"

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

}  // namespace

class LinkBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QDesktopServices::setUrlHandler("glyphoratest", &opened_, "Open"); }
    void cleanup() {
        QDesktopServices::unsetUrlHandler("glyphoratest");
        opened_.urls.clear();
        QCursor::setPos(0, 0);
    }

    // What the bag holds is the core's (link_box_properties_test); here: the widget shows it.
    void PropertiesLoadIntoTheWidgetQuietlyAndWritersTellTheHost() {
        LinkBox saved;
        saved.SetAlignment(1);
        saved.SetAutoSize(true);
        QFont font("DejaVu Serif", 13);
        saved.SetFont(font);
        saved.SetForeColor(RgbValue(0, 0, 255));
        PropertyBag bag;
        saved.WriteProperties(bag);
        LinkBox loaded;
        QSignalSpy changes(&loaded, &LinkBox::PropertyChanged);
        loaded.ReadProperties(bag);
        QCOMPARE(changes.count(), 0);  // loading is not a change
        QCOMPARE(loaded.Font(), font);
        QCOMPARE(loaded.tlCaption()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(loaded.tlCaption()->alignment() & Qt::AlignRight);
        loaded.SetCaption("a");
        loaded.tlCaption()->move(5, 5);
        loaded.SetCaption("a");  // unchanged text still tells the host, but keeps the layout
        QCOMPARE(loaded.tlCaption()->pos(), QPoint(5, 5));
        loaded.SetPath("p");
        QCOMPARE(changes.count(), 3);
        QCOMPARE(changes.last().at(0).toString(), QString("Path"));
    }

    void HotTrackingUnderlinesWhileThePointerIsOverOrTheFocusIn() {
        QWidget host;
        host.resize(300, 100);
        auto* box = new LinkBox(&host);
        box->setGeometry(20, 20, 200, 30);
        box->SetCaption("hover me");
        auto* other = new QLabel(&host);
        other->setFocusPolicy(Qt::StrongFocus);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        QCursor::setPos(box->mapToGlobal(QPoint(10, 10)));
        QTest::mouseMove(box->tlCaption(), QPoint(10, 10));
        QTest::qWait(250);  // pointer still inside: stays
        QVERIFY(box->tlCaption()->font().underline());
        QCursor::setPos(host.mapToGlobal(QPoint(290, 90)));
        QTRY_VERIFY_WITH_TIMEOUT(!box->tlCaption()->font().underline(), 1000);
        QVERIFY(!box->toHotTracking()->isActive());
        other->setFocus();
        box->setFocus();
        QTRY_VERIFY(box->tlCaption()->font().underline());
        other->setFocus();
        QTRY_VERIFY(!box->tlCaption()->font().underline());
        box->SetHotTracking(false);  // without hot tracking neither hover nor focus underlines
        QVERIFY(!box->HotTracking());
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QVERIFY(!box->tlCaption()->font().underline());
    }

    void ClickOpensPathElseCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("caption_is_path");
        QTest::addColumn<QString>("opened");
        QTest::newRow("path wins") << "glyphoratest:caption"
                                   << "glyphoratest:path" << false << "glyphoratest:path";
        QTest::newRow("caption as path") << "glyphoratest:caption"
                                         << "" << true << "glyphoratest:caption";
        QTest::newRow("nothing to open") << "glyphoratest:caption"
                                         << "" << false << "";
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
        QSignalSpy downs(&box, &LinkBox::MouseDown);
        QTest::mouseClick(box.tlCaption(), Qt::RightButton, {}, QPoint(5, 5));  // opens nothing
        QTest::mouseClick(box.tlCaption(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(downs.count(), 2);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(opened_.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>({QUrl(opened)}));
        box.SetEnabled(false);  // a disabled control opens nothing
        QTest::mouseClick(box.tlCaption(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(opened_.urls.size(), opened.isEmpty() ? 0 : 1);
    }

    void TargetsWithoutSchemeAreLocalFilesAndTheTextFollowsTheWidget() {
        QCOMPARE(LinkTargetUrl("mailto:someone@example.org?subject=x").scheme(), QString("mailto"));
        const QUrl file = LinkTargetUrl("notes/readme.txt");
        QVERIFY(file.isLocalFile() && file.toLocalFile().endsWith("/notes/readme.txt"));
        QVERIFY(QDir::isAbsolutePath(file.toLocalFile()));
        QCOMPARE(LinkBox::Version(),
                 " " + QString::fromStdString(LongVersionText(kProgramVersion)));
        LinkBox box;
        box.setToolTip("host tip");
        box.SetToolTipText();
        QCOMPARE(box.tlCaption()->toolTip(), QString("host tip"));
        QCOMPARE(box.TextWidth("ab\nabcdef\nabc"),
                 QFontMetrics(box.Font()).horizontalAdvance("abcdef"));
        QVERIFY(box.TextHeight("x\ny") > box.TextHeight("x"));
        // A system colour follows the palette; an RGB value is taken as it is.
        QPalette palette = box.palette();
        palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
        box.setPalette(palette);
        QCOMPARE(box.tlCaption()->palette().color(QPalette::WindowText), QColor(1, 2, 3));
    }

private:
    OpenedUrls opened_;
};

}  // namespace glyphora

QTEST_MAIN(glyphora::LinkBoxTest)
#include "link_box_test.moc"
