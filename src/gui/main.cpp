// glyphora: the desktop character map.
#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <optional>

#include "app/paths.h"
#include "app/startup_preload.h"
#include "app/version_check.h"
#include "main_window/main_window.h"
#include "program/command_line.h"
#include "program/program_icon.h"

int main(int argc, char* argv[]) {
    const auto started = std::chrono::steady_clock::now();
    // Before anything that needs a display or touches a file.
    if (const auto status = glyphora::HandleCommandLine(argc, argv)) return *status;
    glyphora::MainWindowSetup setup;
    setup.environment = glyphora::CurrentPathEnvironment();
    setup.paths = glyphora::ResolvePaths(setup.environment, "glyphora");
    setup.runtime_library_version = qVersion();
    // The font list and the character data are prepared while the display connection and the
    // widgets are set up; not after a refused version, which must leave no file behind.
    std::optional<glyphora::StartupPreload> preload;
    if (glyphora::RuntimeVersionSupported(setup.runtime_library_version, QT_VERSION_STR)) {
        preload.emplace(setup.paths);
        setup.preload = &*preload;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Glyphora");
    QApplication::setDesktopFileName("glyphora");
    QApplication::setWindowIcon(glyphora::WindowIcon());

    // A developer's aid: how long start-up takes up to the first painted table.
    if (qEnvironmentVariable("GLYPHORA_TRACE_STARTUP") == QLatin1String("1"))
        setup.trace_start = started;

    // The window's first text uses the font configuration the font list's worker is loading.
    if (preload) preload->WaitForFontConfiguration();
    glyphora::MainWindow window(std::move(setup));
    if (!window.Load()) return EXIT_FAILURE;  // refused: nothing was written
    window.show();
    return app.exec();
}
