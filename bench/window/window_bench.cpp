// The main window on Qt's off-screen platform: what the user waits for after choosing a font and
// at each step of a held Page Down, from the event to the repainted widgets (the backing store is
// painted as on a real screen; only the final copy to the display is missing).
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListView>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/paths.h"
#include "main_window/main_window.h"
#include "table/char_table.h"

namespace glyphora {

// One window for all benchmarks, in a home of its own.
class BenchWindow {
public:
    BenchWindow() {
        const std::filesystem::path root = dir_.path().toStdString();
        PathEnvironment env;
        env.executable = root / "opt" / "glyphora";  // not writable: files go to the XDG folders
        env.home = (root / "home").string();
        env.xdg_config_home = (root / "config").string();
        env.xdg_data_home = (root / "data").string();
        MainWindowSetup setup;
        setup.environment = env;
        setup.paths = ResolvePaths(env, "glyphora");
        setup.runtime_library_version = QT_VERSION_STR;
        window_ = std::make_unique<MainWindow>(std::move(setup));
        window_->Load();
        window_->show();
        Settle();
    }

    MainWindow& Window() { return *window_; }
    QListView* Fonts() { return window_->findChild<QListView*>("lvFont"); }
    int FontRow(const QString& family) {
        auto* model = Fonts()->model();
        const auto found =
            model->match(model->index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first().row();
    }
    // Delivers what is pending, the repaints among them.
    static void Settle() { QApplication::processEvents(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<MainWindow> window_;
};

// Made at the first use and dropped by main() while the application still exists.
std::unique_ptr<BenchWindow>& SharedSlot() {
    static std::unique_ptr<BenchWindow> window;
    return window;
}

BenchWindow& Shared() {
    if (!SharedSlot()) SharedSlot() = std::make_unique<BenchWindow>();
    return *SharedSlot();
}

// Choosing another font in the list with the keyboard: the font choice, the table refilled with
// the new font's glyphs, the lists, view and status bars brought up to date and repainted.
void BM_ChooseFontAndRepaint(benchmark::State& state) {
    BenchWindow& bench = Shared();
    const int rows[2] = {bench.FontRow("DejaVu Sans"), bench.FontRow("DejaVu Serif")};
    if (rows[0] < 0 || rows[1] < 0) return state.SkipWithError("DejaVu fonts are not installed");
    QListView* fonts = bench.Fonts();
    int next = 0;
    for (auto _ : state) {
        fonts->setCurrentIndex(fonts->model()->index(rows[next], 0));
        BenchWindow::Settle();
        next ^= 1;
    }
}

// Every installed family chosen once in list order, each for the first time: its font file
// opened and its glyphs drawn for the first time.
void BM_ChooseEachFontForTheFirstTime(benchmark::State& state) {
    BenchWindow& bench = Shared();
    QListView* fonts = bench.Fonts();
    int row = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        fonts->setCurrentIndex(fonts->model()->index(row, 0));
        const auto t1 = std::chrono::steady_clock::now();
        BenchWindow::Settle();
        if (qEnvironmentVariableIsSet("GLYPHORA_BENCH_VERBOSE")) {
            const auto ms = [](auto d) {
                return std::chrono::duration<double, std::milli>(d).count();
            };
            std::fprintf(stderr, "%-28s %6.2f ms choice, %6.2f ms repaint\n",
                         qPrintable(fonts->model()->index(row, 0).data().toString()), ms(t1 - t0),
                         ms(std::chrono::steady_clock::now() - t1));
        }
        row = (row + 1) % fonts->model()->rowCount();
    }
}

// One step of a held Page Down through every subrange of DejaVu Sans (Show All on, so CJK pages
// full of empty cells come by too), back to the top when the end is reached.
void BM_PageDownStepAndRepaint(benchmark::State& state) {
    BenchWindow& bench = Shared();
    bench.Fonts()->setCurrentIndex(bench.Fonts()->model()->index(bench.FontRow("DejaVu Sans"), 0));
    auto* show_all = bench.Window().findChild<QCheckBox*>("chRange");
    if (!show_all->isChecked()) show_all->click();
    CharTable* table = bench.Window().Table();
    table->setFocus();
    BenchWindow::Settle();
    QKeyEvent page_down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QKeyEvent to_top(QEvent::KeyPress, Qt::Key_Home, Qt::ControlModifier);
    std::int64_t steps = 0;
    for (auto _ : state) {
        const std::string first_row = bench.Window().Model().Page().RowLabels()[0];
        QApplication::sendEvent(table, &page_down);
        BenchWindow::Settle();
        ++steps;
        if (bench.Window().Model().Page().RowLabels()[0] == first_row) {
            state.PauseTiming();
            QApplication::sendEvent(table, &to_top);
            BenchWindow::Settle();
            state.ResumeTiming();
        }
    }
    state.counters["steps"] = static_cast<double>(steps);
}

}  // namespace glyphora

int main(int argc, char** argv) {
    // Off-screen unless told otherwise, so that the figures do not depend on a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Registered here, in this order: first every installed family once (one iteration per
    // family, which only the running window knows), while no font has been drawn yet.
    const int families = glyphora::Shared().Fonts()->model()->rowCount();
    benchmark::RegisterBenchmark("BM_ChooseEachFontForTheFirstTime",
                                 glyphora::BM_ChooseEachFontForTheFirstTime)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(families);
    // Then the same fonts again, warm, and the paging.
    benchmark::RegisterBenchmark("BM_ChooseFontAndRepaint", glyphora::BM_ChooseFontAndRepaint)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    benchmark::RegisterBenchmark("BM_PageDownStepAndRepaint", glyphora::BM_PageDownStepAndRepaint)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    glyphora::SharedSlot().reset();
    return 0;
}
