// Random actions on the real window: clicks on cells, the table's keys, typing into the boxes,
// font and subrange choices, switches, copies, menus opened and closed. After every action the
// window must agree with its model; at the end the settings must come back in a second window.
// usage: monkey [ACTIONS] [SEED]      (exit 1 with the seed and the last actions on a fault)
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <deque>
#include <functional>
#include <random>

#include "app/ini_file.h"
#include "base/list_model.h"
#include "copy/copy_format.h"
#include "main_window/status_bar.h"
#include "table/char_table.h"
#include "window_fixture.h"

namespace glyphora {
namespace {

// What typing brings: names, hexadecimal digits, entities, characters beyond Latin, a surrogate
// pair, a combining mark, a line break.
const QStringList kTexts = {"a",   "latin",    "SIGN", "curl d", "0041", "ffff",   "1F", "zz",
                            "&",   "&eacute;", "é",    "€",      "𝄞",    "\u0301", " ",  "12",
                            "500", "\n",       "ß",    "xyz!",   "0",    "FFFE",   "-",  "99999"};

// Types as a keyboard would: Qt's test keys know ASCII only, so other characters (a surrogate pair
// as one) come as key events that carry just their text.
void TypeText(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(box, Qt::Key_Return);
            continue;
        }
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

class Monkey {
public:
    Monkey(MainWindow& window, unsigned seed) : w_(window), random_(seed) {
        // Each a name and what it does, returning what it chose; the common ones twice.
        actions_ = {
            {"click cell", [this] { return ClickCell(false); }},
            {"double-click cell", [this] { return ClickCell(true); }},
            {"table key", [this] { return TableKey(); }},
            {"table key", [this] { return TableKey(); }},
            {"hot key", [this] { return HotKey(); }},
            {"type", [this] { return Type(); }},
            {"type", [this] { return Type(); }},
            {"font", [this] { return ClickRow("lvFont"); }},
            {"subrange", [this] { return ClickRow("lvRange"); }},
            {"subrange combo", [this] { return ComboKey("cbRange"); }},
            {"code page combo", [this] { return ComboKey("cbCharSet"); }},
            {"click", [this] { return Click(); }},
            {"click", [this] { return Click(); }},
            {"menu", [this] { return Menu(); }},
            {"scroll", [this] { return Scroll(); }},
        };
    }

    void Act() {
        const Action& action = actions_[Pick(actions_.size())];
        Log(QString::fromLatin1(action.first) + ": " + action.second());
    }

    // What disagrees between the window and its model; empty when nothing does.
    QString Broken() const {
        const MainWindowModel& m = w_.Model();
        const int cell = m.Page().Current();
        if (cell < 0 || cell >= MainWindowModel::kCells) return "current cell out of range";
        const long cp = m.Page().CurrentCodePoint();
        const auto& items = m.Subranges().Views().list.items;
        const bool listed = std::any_of(items.begin(), items.end(), [cp](const ListItem& item) {
            return item.id <= cp && cp <= item.last;
        });
        // Cells without a caption (beyond the list's end, before a subrange's start) may be
        // selected too; they show an empty view.
        if (m.Subranges().ListedCount() > 0 && !listed && !m.Page().Cells()[cell].caption.empty())
            return QString("current cell %1 holds U+%2, which no listed subrange holds")
                .arg(cell)
                .arg(cp, 4, 16, QChar('0'));
        auto* bar = Find<QScrollBar>("sbTable");
        const ScrollBarState& scroll = m.ScrollBar().State();
        if (bar->value() != scroll.value || scroll.value < 0 ||
            (scroll.max >= 0 && (scroll.value > scroll.max || bar->maximum() != scroll.max)))
            return QString("scroll bar %1 of %2, model %3 of %4")
                .arg(bar->value())
                .arg(bar->maximum())
                .arg(scroll.value)
                .arg(scroll.max);
        if (!broken_.isEmpty()) return broken_;
        auto* status = Find<StatusBar>("pbStatus0");
        const QString code = m.Status().HexView()
                                 ? QString("U+%1").arg(cp, 4, 16, QChar('0')).toUpper()
                                 : QString("Alt+%1").arg(cp);
        // The name as the table tells it, unless the page does not fill the cell's row.
        const QString name = status->Text("Name");
        const QString cell_text = w_.Table()->CellDescription(cell);
        if (status->Text("Hex").compare(code, Qt::CaseInsensitive) != 0 ||
            (!cell_text.endsWith(name) && !cell_text.isEmpty()))
            return QString("status panels '%1' '%2' for cell '%3'")
                .arg(status->Text("Hex"), name, cell_text);
        if (Row("lvFont") != Selected(m.Fonts().Items().selected) ||
            Row("lvRange") != Selected(m.Subranges().Views().list.selected))
            return "a list's current row is not the model's";
        if (Find<QComboBox>("cbRange")->currentIndex() !=
            Selected(m.Subranges().Views().combo.selected))
            return "the subrange box shows another entry";
        if (Find<QLineEdit>("tbCopy")->text() !=
            QString::fromStdU16String(m.Copy().ToCopyBox().text))
            return "the To-copy box holds other text";
        if (!Find<QAbstractButton>(
                 QString("obFormat%1").arg(CopyFormatIndex(m.Copy().CurrentFormat())))
                 ->isChecked())
            return "the chosen format's option is not checked";
        if (Find<QAbstractButton>("chRange")->isChecked() != m.Subranges().ShowAll())
            return "Show All disagrees";
        return {};
    }

    const std::deque<QString>& Recent() const { return recent_; }

private:
    using Action = std::pair<const char*, std::function<QString()>>;

    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return w_.findChild<T*>(name);
    }
    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    static int Selected(std::optional<std::size_t> item) {
        return item ? static_cast<int>(*item) : -1;
    }
    int Row(const char* list) const { return Find<QListView>(list)->currentIndex().row(); }
    void Log(const QString& step) {
        recent_.push_back(step);
        if (recent_.size() > 25) recent_.pop_front();
    }

    QString ClickCell(bool twice) {
        const int cell = static_cast<int>(Pick(MainWindowModel::kCells));
        CharTable* table = w_.Table();
        const QPoint at = table->CellRect(cell).center();
        if (twice)
            QTest::mouseDClick(table, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(table, Qt::LeftButton, {}, at);
        return QString::number(cell);
    }

    QString TableKey() {
        static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,
                                       Qt::Key_Down,   Qt::Key_PageUp, Qt::Key_PageDown,
                                       Qt::Key_Home,   Qt::Key_End,    Qt::Key_Return,
                                       Qt::Key_Escape, Qt::Key_C,      Qt::Key_Insert};
        const Qt::Key key = keys[Pick(std::size(keys))];
        const Qt::KeyboardModifiers modifiers = Pick(3) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        w_.Table()->setFocus();
        QTest::keyClick(w_.Table(), key, modifiers);
        return QString("%1%2").arg(modifiers ? "Ctrl+" : "").arg(QKeySequence(key).toString());
    }

    QString HotKey() {
        const int digit = static_cast<int>(Pick(10));
        const std::pair<QKeyCombination, QString> keys[] = {
            {Qt::Key_F1, "F1"},
            {Qt::Key_F3, "F3"},
            {Qt::Key_Escape, "Escape"},
            {Qt::AltModifier | static_cast<Qt::Key>(Qt::Key_0 + digit),
             QString("Alt+%1").arg(digit)},
        };
        const auto& [key, name] = keys[Pick(std::size(keys))];
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w_;
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        return name;
    }

    QString Type() {
        static const char* boxes[] = {"cbSearch", "tbGoTo", "tbSearch", "cbPicture", "tbCopy"};
        const char* name = boxes[Pick(std::size(boxes))];
        QWidget* box = Find(name);
        if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
            box = combo->lineEdit();
        box->setFocus();
        const QString text = kTexts[static_cast<int>(Pick(kTexts.size()))];
        static const char* hows[] = {" after BS", " Enter", "", ""};
        const std::size_t how = Pick(std::size(hows));
        if (how == 0) QTest::keyClick(box, Qt::Key_Backspace);
        TypeText(box, text);
        if (how == 1) QTest::keyClick(box, Qt::Key_Return);
        return QString("%1 '%2'%3").arg(name, text, hows[how]);
    }

    QString ClickRow(const char* name) {
        auto* list = Find<QListView>(name);
        const int rows = list->model()->rowCount();
        if (rows == 0) return "empty";
        const QModelIndex index = list->model()->index(static_cast<int>(Pick(rows)), 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        return QString("%1 row %2").arg(name).arg(index.row());
    }

    QString ComboKey(const char* name) {
        auto* combo = Find<QComboBox>(name);
        combo->setFocus();
        const Qt::Key key = Pick(2) ? Qt::Key_Down : Qt::Key_Up;
        QTest::keyClick(combo, key);
        return QString("%1 %2").arg(name, key == Qt::Key_Down ? "Down" : "Up");
    }

    // Check boxes, options (a copy format three times as often) and buttons.
    QString Click() {
        static const char* names[] = {
            "chRange",   "chMode",    "chView",    "chPreview",  "chPicture0", "chPicture2",
            "obSearch0", "obSearch1", "obSearch2", "obFormat",   "obFormat",   "obFormat",
            "bbCopy",    "bbReset",   "bbSearch",  "bbPicture0", "bbHelp"};
        QString name = names[Pick(std::size(names))];
        if (name == "obFormat") name += QString::number(Pick(kCopyFormatCount));
        auto* button = Find<QAbstractButton>(name);
        if (name == "obSearch0" && Pick(2)) {  // switches hexadecimal and decimal
            QTest::mouseDClick(button, Qt::LeftButton);
            return name + " double";
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return name;
    }

    QString Menu() {
        static const char* names[] = {"pbTable", "tbCopy", "cbSearch", "pbType"};
        const QString name = names[Pick(std::size(names))];
        QWidget* widget = Find(name);
        if (name == "pbType")
            QTest::mouseClick(widget, Qt::LeftButton);
        else
            testing::RightClick(widget,
                                name == "pbTable"
                                    ? w_.Table()->CellRect(static_cast<int>(Pick(256))).center()
                                    : widget->rect().center());
        return name;
    }

    QString Scroll() {
        auto* bar = Find<QScrollBar>("sbTable");
        const auto action = static_cast<QAbstractSlider::SliderAction>(1 + Pick(7));
        bar->triggerAction(action);
        // The bar's Top goes to the top, as a drag there does.
        const auto& items = w_.Model().Subranges().Views().list.items;
        if (action == QAbstractSlider::SliderToMinimum && bar->maximum() > 0 && !items.empty() &&
            w_.Model().Page().Cells()[0].code_point != items.front().id)
            broken_ = "the scroll bar's Top left the page where it was";
        return QString("sbTable action %1").arg(action);
    }

    MainWindow& w_;
    std::mt19937 random_;
    std::vector<Action> actions_;
    std::deque<QString> recent_;
    QString broken_;  // found by an action itself
};

// Closes what an action opened and would wait for: menus, dialogs, What's This.
void StartCloser(QObject* owner) {
    auto* closer = new QTimer(owner);
    QObject::connect(closer, &QTimer::timeout, [] {
        testing::ClosePopups();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer->start(5);
}

int Run(long actions, unsigned seed) {
    testing::WindowFixture home;
    auto window = home.Start();
    if (!window) return 2;
    StartCloser(window.get());
    Monkey monkey(*window, seed);
    const auto started = std::chrono::steady_clock::now();
    for (long n = 1; n <= actions; ++n) {
        monkey.Act();
        QApplication::processEvents();
        if (const QString broken = monkey.Broken(); !broken.isEmpty()) {
            std::printf("FAIL after action %ld of seed %u: %s\nlast actions:\n", n, seed,
                        qPrintable(broken));
            for (const QString& step : monkey.Recent()) std::printf("  %s\n", qPrintable(step));
            return 1;
        }
        if (n % 10000 == 0) {
            const auto seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
            std::printf("%ld actions, %.0f s\n", n, seconds.count());
            std::fflush(stdout);
        }
    }

    // Closing writes the settings; a second window must come back as the first one was.
    const auto state = [](MainWindow& w) {
        const MainWindowModel& m = w.Model();
        return QString("%1|%2|%3|%4|%5|%6")
            .arg(QString::fromStdU16String(m.Fonts().Family()))
            .arg(m.Subranges().CurrentStart())
            .arg(m.Subranges().ShowAll())
            .arg(CopyFormatIndex(m.Copy().CurrentFormat()))
            .arg(m.Status().HexView())
            .arg(w.Expanded());
    };
    const QString before = state(*window);
    testing::WindowFixture::Close(window);
    const std::string bytes = testing::ReadBytes(home.Paths().settings_file);
    if (IniFile::Parse(bytes).Serialize() != bytes) {
        std::printf("FAIL: the settings file does not parse back to itself (seed %u)\n", seed);
        return 1;
    }
    window = home.Start();
    if (!window) return 2;
    const QString after = state(*window);
    if (after != before) {
        std::printf("FAIL: settings came back as %s, not %s (seed %u)\n", qPrintable(after),
                    qPrintable(before), seed);
        return 1;
    }
    std::printf("PASS: %ld actions of seed %u\n", actions, seed);
    return 0;
}

}  // namespace
}  // namespace glyphora

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const long actions = argc > 1 ? std::atol(argv[1]) : 2000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                   : std::random_device()();
    return glyphora::Run(actions, seed);
}
