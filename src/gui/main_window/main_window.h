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
#include "main_window/preloaded_font_catalog.h"
#include "main_window/qt_clipboard.h"
#include "main_window/qt_glyph_metrics.h"
#include "main_window/qt_text_measure.h"
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
class CopyFrame;
class FittedComboBox;
class FontsWithCharWindow;
class SubrangeGlyphTips;
class PictureFrame;
class SearchFrame;
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
    bool Refused() const { return abort_; }

    MainWindowModel& Model() { return model_; }
    const MainWindowModel& Model() const { return model_; }
    CharTable* Table() const { return pbTable; }
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
    void SyncOnce();
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
    CharView* pbView = nullptr;  // before metrics_: the view font is the metrics' font
    std::unique_ptr<QtGlyphMetrics> metrics_;
    PreloadedFontCatalog catalog_;
    QtClipboard clipboard_;  // before model_: the copy panel writes to it
    MainWindowModel model_;

    WindowFrameRules frame_rules_;
    std::unique_ptr<Frame> frame_;
    std::unique_ptr<Placement> placement_window_;
    WindowPlacement placement_;
    X11LockKeys lock_keys_;

    // fwMain's controls, named as the program's controls are.
    QWidget* pbMain = nullptr;
    QWidget* pbFont = nullptr;
    QLabel* tlFont = nullptr;
    QListView* lvFont = nullptr;
    QPushButton* bbFont = nullptr;
    QWidget* pbRange = nullptr;
    QLabel* tlRange = nullptr;
    QToolButton* bbRange = nullptr;
    QListView* lvRange = nullptr;
    QCheckBox* chRange = nullptr;
    QWidget* pbGrid = nullptr;
    QComboBox* cbRange = nullptr;
    CharTable* pbTable = nullptr;
    QScrollBar* sbTable = nullptr;

    QWidget* pbDown = nullptr;
    QCheckBox* chView = nullptr;
    QGroupBox* fbSearch = nullptr;
    std::array<QRadioButton*, 3> obSearch{};
    QLineEdit* tbGoTo = nullptr;
    QLineEdit* tbSearch = nullptr;
    QComboBox* cbSearch = nullptr;
    QPushButton* bbSearch = nullptr;
    QGroupBox* fbFormat = nullptr;
    std::array<QRadioButton*, kCopyFormatCount> obFormat{};
    QComboBox* cbCharSet = nullptr;
    FittedComboBox* cbEntity = nullptr;
    QLabel* tlEntity = nullptr;
    QGroupBox* fbPicture = nullptr;
    QLabel* tlPicture = nullptr;
    QComboBox* cbPicture = nullptr;
    QLabel* tlPicture2 = nullptr;
    std::array<QCheckBox*, kPictureStyleCount> chPicture{};
    std::array<QPushButton*, 2> bbPicture{};
    QLabel* tlCopy = nullptr;
    QLineEdit* tbCopy = nullptr;
    QPushButton* bbCopy = nullptr;
    QLabel* tlPreview = nullptr;
    FittedComboBox* cbPreview = nullptr;
    QCheckBox* chPreview = nullptr;
    QPushButton* bbReset = nullptr;
    QPushButton* bbAbout = nullptr;
    QPushButton* bbHelp = nullptr;
    QPushButton* bbCharMap = nullptr;
    QPushButton* bbClose = nullptr;
    QCheckBox* chMode = nullptr;
    QCheckBox* chOnTop = nullptr;
    std::array<StatusBar*, 2> pbStatus{};
    QToolButton* pbType = nullptr;
    QMenu* mCell = nullptr;
    QAction* mCellMark = nullptr;
    QAction* mCellFonts = nullptr;
    QMenu* mType = nullptr;
    std::array<QAction*, 3> mTypeList{};

    QWidget* content_ = nullptr;          // pbMain and pbDown, in the scroll area
    QVBoxLayout* down_layout_ = nullptr;  // pbDown's layout, rebuilt by Arrange
    ListAdapter* font_items_ = nullptr;
    ListAdapter* range_items_ = nullptr;
    ContextHelp* context_help_ = nullptr;
    HotKeyFilter* hot_keys_ = nullptr;
    ContextMenus* context_menus_ = nullptr;
    CharMapButton* char_map_ = nullptr;
    FontsWithCharWindow* fwFonts = nullptr;  // made when first opened
    std::unique_ptr<SubrangeGlyphTips> range_tips_;

    // Window fields kept across handlers.
    bool abort_ = false;             // refused at start-up: nothing is saved
    bool first_activation_ = false;  // set by a successful load
    bool unloaded_ = false;
    bool screen_watched_ = false;

    // The copy, search and picture controls on the model's panels, and the Edit menu.
    CopyFrame* copy_frame_ = nullptr;
    SearchFrame* search_frame_ = nullptr;
    PictureFrame* picture_frame_ = nullptr;

    // Sync bookkeeping.
    bool syncing_ = false;
    bool sync_again_ = false;
    bool choosing_from_list_ = false;  // the lists' selection is being set from the model
    int font_to_prepare_ = -1;         // the font list's item the table prepares next
    std::u16string shown_family_;
    std::vector<ComboEntry> shown_combo_;
    std::optional<std::size_t> shown_range_item_;
    std::optional<std::size_t> shown_font_item_;
    std::chrono::steady_clock::time_point trace_last_;
};

}  // namespace glyphora
