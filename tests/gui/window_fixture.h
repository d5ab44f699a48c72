#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWhatsThis>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../core/app/temp_folder.h"
#include "app/paths.h"
#include "main_window/main_window.h"
#include "main_window/status_bar.h"
#include "table/char_table.h"

namespace glyphora::testing {

// A home of its own for one test: the settings and data files go to its XDG folders, the
// executable seems to stand in a folder that cannot be written (so nothing is portable), and
// the desktop services are recorders.
class WindowFixture {
public:
    WindowFixture() {
        root_ = std::filesystem::path(dir_.path().toStdString());
        env_.executable = root_ / "opt" / "glyphora" / "glyphora";
        env_.home = (root_ / "home").string();
        env_.xdg_config_home = (root_ / "config").string();
        env_.xdg_data_home = (root_ / "data").string();
        paths_ = ResolvePaths(env_, "glyphora");
    }

    MainWindowSetup Setup(std::string runtime_version = QT_VERSION_STR) {
        MainWindowSetup setup;
        setup.paths = paths_;
        setup.environment = env_;
        setup.runtime_library_version = std::move(runtime_version);
        setup.show_refusal = [this](QWidget*, const QString& title, const QString& text) {
            refusals.push_back(title + "|" + text);
        };
        setup.open_url = [this](const QUrl& url) { opened.push_back(url); };
        return setup;
    }

    // A loaded window, shown and exposed.
    std::unique_ptr<MainWindow> Start() {
        auto window = std::make_unique<MainWindow>(Setup());
        if (!window->Load()) return window;
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
        QApplication::processEvents();
        return window;
    }

    // Closes the window as the user would, which writes the settings.
    static void Close(std::unique_ptr<MainWindow>& window) {
        window->close();
        window.reset();
    }

    // The program's folder, as after a portable start: the files now in it stay, and it can no
    // longer be written (said through the environment: the test may run as root).
    std::filesystem::path ProgramFolder() const { return env_.executable.parent_path(); }
    void MakeProgramFolderReadOnly() {
        env_.folder_writable = [](const std::filesystem::path&) { return false; };
        paths_ = ResolvePaths(env_, "glyphora");
    }

    const AppPaths& Paths() const { return paths_; }
    const PathEnvironment& Environment() const { return env_; }
    std::filesystem::path DesktopEntry() const {
        return root_ / "data" / "applications" / "glyphora.desktop";
    }

    static void WriteFile(const std::filesystem::path& file, const std::string& text) {
        std::filesystem::create_directories(file.parent_path());
        WriteBytes(file, text);
    }

    std::vector<QString> refusals;
    std::vector<QUrl> opened;

private:
    QTemporaryDir dir_;
    std::filesystem::path root_;
    PathEnvironment env_;
    AppPaths paths_;
};

// The preamble of the window's Qt test classes: a fresh home for every test function, and the
// window started in it. A class that needs more in init() or cleanup() calls these as well.
class WindowTest : public QObject {
    Q_OBJECT

protected slots:
    void init() { home_.emplace(); }
    void cleanup() {
        window_.reset();
        home_.reset();
    }

protected:
    bool Start() {
        window_ = home_->Start();
        return window_ && !window_->Refused();
    }
    QWidget* W() { return window_.get(); }

    std::optional<WindowFixture> home_;
    std::unique_ptr<MainWindow> window_;
};

template <typename T = QWidget>
T* Find(QObject* window, const QString& name) {
    T* object = window->findChild<T*>(name);
    if (!object) qWarning("no object named %s", qPrintable(name));
    return object;
}

inline QString Panel(QWidget* window, const char* bar, const char* key) {
    return Find<StatusBar>(window, bar)->Text(QString::fromLatin1(key));
}

// Closes whatever pop-up a step left open: menus, What's This texts and mode.
inline void ClosePopups() {
    QWhatsThis::hideText();
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
    QApplication::processEvents();
}

inline QPoint CellCentre(CharTable* table, int cell) { return table->CellRect(cell).center(); }

inline void RightClick(QWidget* widget, const QPoint& at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
}

// Chooses the item with this text in a list as a click does; false if there is none.
inline bool ClickItem(QListView* list, const QString& text) {
    const auto matches = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                              Qt::MatchExactly);
    if (matches.isEmpty()) return false;
    list->scrollTo(matches.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(matches.first()).center());
    return true;
}

inline bool ChooseFont(QWidget* window, const QString& family) {
    return ClickItem(Find<QListView>(window, "lvFont"), family);
}

// Selects a character in the table as a click on its cell does.
inline void Select(MainWindow& window, long cp) {
    window.Model().GoToCodePoint(cp);
    QTest::mouseClick(window.Table(), Qt::LeftButton, {},
                      CellCentre(window.Table(), window.Model().Page().Current()));
}

}  // namespace glyphora::testing
