// The main window on a screen smaller than its content: the off-screen platform's screen at
// twice the scale, as a 1600 x 1200 desktop at 2x is for the expanded layout.
#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>

#include "window_fixture.h"

namespace glyphora {
namespace {

using testing::WindowFixture;

class SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void EveryControlCanBeReachedOnAScreenTooSmall();
};

void SmallScreenTest::EveryControlCanBeReachedOnAScreenTooSmall() {
    WindowFixture home;
    auto window = home.Start();
    QVERIFY(window);
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(window->layout()->sizeHint().height() > screen.height());  // the case under test
    const QSize fitted = window->size();
    QVERIFY(window->frameGeometry().width() <= screen.width());
    QVERIFY(window->frameGeometry().height() <= screen.height());

    // The status bars stay in view; each control of the panels scrolls into it.
    auto* scroll = window->findChild<QScrollArea*>("pbScroll");
    QVERIFY(scroll);
    for (const char* name : {"pbStatus0", "pbStatus1"}) {
        const QWidget* bar = window->findChild<QWidget*>(name);
        QVERIFY(window->rect().contains(QRect(bar->mapTo(window.get(), QPoint()), bar->size())));
    }
    // A point of a control can be scrolled into the viewport; the corners stand for the whole.
    const auto reachable = [&](QWidget* control, QPoint point) {
        const QPoint at = control->mapTo(scroll->widget(), point);
        scroll->ensureVisible(at.x(), at.y(), 1, 1);
        return scroll->viewport()->rect().contains(control->mapTo(scroll->viewport(), point));
    };
    for (const char* name :
         {"lvFont", "bbFont", "chRange", "cbSearch", "cbRange", "pbTable", "sbTable", "pbView",
          "bbAbout", "bbClose", "tbCopy", "bbCopy", "bbReset", "cbPreview", "chPreview"}) {
        QWidget* control = window->findChild<QWidget*>(name);
        QVERIFY2(reachable(control, control->rect().topLeft()), name);
        QVERIFY2(reachable(control, control->rect().bottomRight()), name);
    }

    // Sized by hand, it snaps back to the screen's size.
    window->resize(window->layout()->sizeHint());
    QApplication::processEvents();
    QCOMPARE(window->size(), fitted);
}

}  // namespace
}  // namespace glyphora

int main(int argc, char* argv[]) {
    // Set before the application starts: the off-screen screen shows half as many logical pixels.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    glyphora::SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
