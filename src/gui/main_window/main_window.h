#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "about/update_check_record.h"
#include "app/main_settings.h"
#include "app/paths.h"
#include "app/startup_preload.h"
#include "app/window_placement.h"
#include "copy/copy_format.h"
#include "main_window/copy_frame.h"
#include "main_window/picture_frame.h"
#include "main_window/preloaded_font_catalog.h"
#include "main_window/qt_clipboard.h"
#include "main_window/qt_glyph_metrics.h"
#include "main_window/qt_text_measure.h"
#include "main_window/search_frame.h"
#include "platform/window_frame.h"
#include "platform/x11_lock_keys.h"
#include "table/main_window_model.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/name_table.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;
class QUrl;
class QVBoxLayout;

namespace glyphora {

class CharMapButton;
class CharTable;
class CharView;
class ContextHelp;
class ContextMenus;
class HotKeyFilter;
class FittedComboBox;
class FontsWithCharWindow;
class SubrangeGlyphTips;
class ListAdapter;
class StatusBar;

// What the main window is given from outside: where its files are, what the process looks like,
// and the few desktop services that tests replace.
struct MainWindowSetup {
    AppPaths paths;
    PathEnvironment environment;          // the executable and the XDG folders
    std::string runtime_library_version;  // the Qt library found at run time (qVersion())
    // The refusal message box (critical icon, one OK button).
    std::function<void(QWidget* parent, const QString& title, const QString& text)> show_refusal;
    // Opens a file or address with the desktop's own program (the font file for Properties).
    std::function<void(const QUrl& url)> open_url;
    // The font list and the name table, being prepared while the window is built; without it
    // start-up does that work itself at its place in the order.
    StartupPreload* preload = nullptr;
    // Set to trace start-up: the time main() began.
    std::optional<std::chrono::steady_clock::time_point> trace_start;
};

// The main window fwMain: a thin view of MainWindowModel. Widget events become model calls, and
// after every call Sync() carries the model's state back into the widgets. Start-up (Load) and
// shutdown (closeEvent) follow the program's fixed order; the rules that need no widgets live in
// the core (main_settings, desktop_entry, version_check, window_frame).
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(MainWindowSetup setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load handler: version test, desktop entry, files, data, fonts, settings and the saved
    // font. Returns false after the refusal, when the window must close without saving.
    bool Load();
    bool Refused() const { return life_.refused; }

    MainWindowModel& Model() { return model_; }
    const MainWindowModel& Model() const { return model_; }
    CharTable* Table() const { return upper_.table; }
    bool Expanded() const;
    // The window's size in the normal state: wrapping its content, or as much of it as the
    // screen holds, with scroll bars for the rest.
    QSize FittedSize();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Frame;
    class Placement;

    // Building and laying out (main_window_controls.cpp).
    void BuildControls();
    QWidget* BuildMainPanel(QWidget* content);
    QWidget* BuildLowerPanel(QWidget* content);
    void BuildFontAndRangeLists(QWidget* left, QBoxLayout* row);
    void BuildSearchFrame(QWidget* left, QBoxLayout* column);
    QWidget* BuildTableBlock(QWidget* parent);
    void BuildFormatFrame(QWidget* parent);
    void BuildPictureFrame(QWidget* parent);
    void BuildCopyControls(QWidget* parent);
    void BuildStatusBars(QBoxLayout* root);
    void BuildMenus();
    void ConnectControls();
    void ConnectTable();
    void ConnectLists();
    void ConnectFontList();
    template <typename Handler>
    auto ThenSync(Handler handler);
    // Context help, hot keys, control menus and the character map (main_window_integration.cpp).
    void ConnectIntegration();
    void Arrange();
    void ArrangeCompact();
    void ArrangeExpanded();
    void SetTabOrder();

    // Model to widgets.
    void Sync();
    void SyncOnce(bool first_round);
    QWidget* FocusWidget(FocusTarget target) const;
    void SyncLists();
    void SyncStatus();
    void SyncCharacter();
    void ApplyFocusRequest();

    // Start-up and shutdown.
    void RestoreSettings(const MainSettings& settings);
    void RestorePlacementAndMode(const MainSettings& settings);
    void ChooseStartFont(const std::optional<std::string>& saved);
    MainSettings CurrentSettings() const;
    void FirstActivation();
    void TraceStep(const char* step);

    // Handlers.
    void ModeClicked(bool expanded);
    void SetTopmost(bool on);
    void StatusPanelDoubleClicked(const QString& key);
    void ShowCellMenu(int cell, const QPoint& at);
    // "Fonts with This Character…" for the menu's cell (selected first), or the current one.
    void ShowFontsWithChar(int cell);
    void ShowTypeMenu();
    void RefreshLockPanels();
    void ScrollBarMoved(int value);
    void ScrollBarValueChanged(int value);
    void WheelRows(int rows);
    void FontItemChosen(int row);
    void RangeItemChosen(int row);

    MainWindowSetup setup_;

    // Services of the model, in the order they are built.
    NameTable names_;
    IcuCharClassifier classifier_;
    SettingsUpdateCheckRecorder update_recorder_;  // the About box records its update checks
    QtTextMeasure measure_;
    CharView* char_view_ = nullptr;  // before metrics_: the view font is the metrics' font
    std::unique_ptr<QtGlyphMetrics> metrics_;
    PreloadedFontCatalog catalog_;
    QtClipboard clipboard_;  // before model_: the copy panel writes to it
    MainWindowModel model_;

    WindowFrameRules frame_rules_;
    std::unique_ptr<Frame> frame_;
    std::unique_ptr<Placement> placement_window_;
    WindowPlacement placement_;
    X11LockKeys lock_keys_;

    // The window's controls. Their object names (the program's control names) are what the
    // settings file, the help topics and the tests know them by.
    // The font and Subranges lists beside the table.
    struct UpperPanel {
        QWidget* panel = nullptr;       // pbMain
        QWidget* font_panel = nullptr;  // pbFont
        QLabel* font_label = nullptr;
        QListView* font_list = nullptr;     // lvFont
        QPushButton* properties = nullptr;  // bbFont
        QWidget* range_panel = nullptr;     // pbRange
        QLabel* range_label = nullptr;
        QToolButton* range_drop = nullptr;  // bbRange: opens cbRange
        QListView* range_list = nullptr;    // lvRange
        QCheckBox* show_all = nullptr;      // chRange
        QWidget* grid = nullptr;            // pbGrid: the table and its scroll bar
        QComboBox* range_combo = nullptr;   // cbRange
        CharTable* table = nullptr;         // pbTable
        QScrollBar* scroll_bar = nullptr;   // sbTable
        ListAdapter* font_items = nullptr;
        ListAdapter* range_items = nullptr;
    };
    // The character view, the frames, the copy boxes and the buttons.
    struct LowerPanel {
        QWidget* panel = nullptr;            // pbDown
        QCheckBox* view_pattern = nullptr;   // chView
        QGroupBox* search_frame = nullptr;   // fbSearch
        QGroupBox* format_frame = nullptr;   // fbFormat
        QGroupBox* picture_frame = nullptr;  // fbPicture
        QLabel* copy_label = nullptr;
        QLabel* preview_label = nullptr;
        QPushButton* about = nullptr;
        QPushButton* help = nullptr;
        QPushButton* char_map = nullptr;
        QPushButton* close = nullptr;
        QCheckBox* expanded = nullptr;  // chMode
        QCheckBox* on_top = nullptr;
        QVBoxLayout* layout = nullptr;  // rebuilt by Arrange
        std::array<StatusBar*, 2> status_bars{};
        QToolButton* type_button = nullptr;  // pbType
    };
    struct Menus {
        QMenu* cell = nullptr;  // mCell
        QAction* mark = nullptr;
        QAction* fonts_with_char = nullptr;
        QMenu* type = nullptr;  // mType
        std::array<QAction*, 3> type_entries{};
    };
    UpperPanel upper_;
    LowerPanel lower_;
    SearchFrame::Controls search_controls_;
    CopyFrame::Controls copy_controls_;
    PictureFrame::Controls picture_controls_;
    Menus menus_;

    QWidget* content_ = nullptr;                   // pbMain and pbDown, in the scroll area
    FontsWithCharWindow* fonts_window_ = nullptr;  // made when first opened

    // Where the window is in its life.
    struct LifeCycle {
        bool refused = false;           // refused at start-up: nothing is saved
        bool first_activation = false;  // set by a successful load
        bool unloaded = false;
        bool screen_watched = false;
        std::chrono::steady_clock::time_point trace_last;
    };
    LifeCycle life_;

    // The copy, search and picture controls on the model's panels.
    struct Frames {
        CopyFrame* copy = nullptr;
        SearchFrame* search = nullptr;
        PictureFrame* picture = nullptr;
    };
    Frames frames_;

    // Context help, hot keys, control menus, the character map button and the list tips.
    struct Helpers {
        ContextHelp* context_help = nullptr;
        HotKeyFilter* hot_keys = nullptr;
        ContextMenus* context_menus = nullptr;
        CharMapButton* char_map = nullptr;
        std::unique_ptr<SubrangeGlyphTips> range_tips;
    };
    Helpers helpers_;

    // What Sync last showed, so it touches only what changed.
    struct SyncState {
        bool running = false;
        bool again = false;
        bool choosing_from_list = false;  // the lists' selection is being set from the model
        std::u16string shown_family;
        std::vector<ComboEntry> shown_combo;
        std::optional<std::size_t> shown_range_item;
        std::optional<std::size_t> shown_font_item;
    };
    SyncState sync_;
    int font_to_prepare_ = -1;  // the font list's item the table prepares next
};

}  // namespace glyphora
