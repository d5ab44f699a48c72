#include "main_window/main_window.h"

#include <sys/resource.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <vector>

#include "about/about_window.h"
#include "about/update_check_record.h"
#include "app/atomic_file.h"
#include "app/data_files.h"
#include "app/desktop_entry.h"
#include "app/version_check.h"
#include "app/version_info.h"
#include "base/text.h"
#include "main_window/char_view.h"
#include "main_window/context_help.h"
#include "main_window/copy_frame.h"
#include "main_window/fonts_with_char_window.h"
#include "main_window/list_adapter.h"
#include "main_window/picture_frame.h"
#include "main_window/qt_text.h"
#include "main_window/search_frame.h"
#include "main_window/status_bar.h"
#include "main_window/subrange_glyph_tips.h"
#include "platform/on_screen_position.h"
#include "platform/window_layout.h"
#include "table/char_table.h"
#include "table/char_table_accessible.h"
#include "unicode/icu_name_service.h"

namespace glyphora {

namespace {

// A plain top-level widget reads as a filler to assistive technology; the main window is a frame
// named by its title, which a screen reader announces when the window is entered.
QAccessibleInterface* MainWindowAccessibleFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(MainWindow::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// The saved frame position when a window of this size can be taken hold of there on one of the
// current screens; otherwise the middle of the primary screen.
FramePosition OnCurrentScreens(FramePosition saved, QSize size) {
    std::vector<ScreenArea> screens;
    std::size_t primary = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen == QGuiApplication::primaryScreen()) primary = screens.size();
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return OnScreenPosition(saved, size.width(), size.height(), screens, primary);
}

WindowState StateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return WindowState::Minimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
    return WindowState::Normal;
}

}  // namespace

// The resize and mode rules see the window through this.
class MainWindow::Frame : public FrameWindow {
public:
    explicit Frame(MainWindow& window) : window_(window) {}
    WindowState State() const override { return StateOf(window_.windowState()); }
    FramePosition Position() const override { return {window_.x(), window_.y()}; }
    void MoveTo(FramePosition position) override {
        if (ClientPlacesWindows()) window_.move(position.left, position.top);
    }
    void Arrange() override { window_.Arrange(); }
    void FitToContent() override { window_.setFixedSize(window_.FittedSize()); }

private:
    MainWindow& window_;
};

// The placement store sees the window through this.
class MainWindow::Placement : public PlacementWindow {
public:
    explicit Placement(MainWindow& window) : window_(window) {}
    std::string Name() const override { return "fwMain"; }
    WindowState State() const override { return StateOf(window_.windowState()); }
    void SetState(WindowState state) override {
        Qt::WindowStates states =
            window_.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (state == WindowState::Minimized) states |= Qt::WindowMinimized;
        if (state == WindowState::Maximized) states |= Qt::WindowMaximized;
        window_.setWindowState(states);
    }
    WindowGeometry Geometry() const override {
        const QRect frame = window_.frameGeometry();
        // Where the window's place is unknown, the one from the last session that knew stays.
        if (!ClientPlacesWindows()) {
            return {window_.placement_.left, window_.placement_.top, frame.width(), frame.height()};
        }
        return {frame.x(), frame.y(), frame.width(), frame.height()};
    }

private:
    MainWindow& window_;
};

MainWindow::MainWindow(MainWindowSetup setup, QWidget* parent)
    : QWidget(parent),
      setup_(std::move(setup)),
      measure_(font()),
      pbView(new CharView),
      metrics_(std::make_unique<QtGlyphMetrics>(*pbView)),
      catalog_(setup_.preload),
      clipboard_([this](std::u16string_view units) {
          return picture_frame_ ? picture_frame_->DrawCopyPicture(units) : QImage();
      }),
      model_({&names_, &classifier_, &measure_, metrics_.get(), &catalog_, &clipboard_}),
      frame_(std::make_unique<Frame>(*this)),
      placement_window_(std::make_unique<Placement>(*this)) {
    trace_last_ = setup_.trace_start.value_or(std::chrono::steady_clock::now());
    TraceStep("application created");
    if (!setup_.show_refusal) {
        setup_.show_refusal = [](QWidget* parent, const QString& title, const QString& text) {
            QMessageBox::critical(parent, title, text);
        };
    }
    if (!setup_.open_url) setup_.open_url = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    QAccessible::installFactory(CharTableAccessibleFactory);
    QAccessible::installFactory(MainWindowAccessibleFactory);
    BuildControls();
    ConnectControls();
    ConnectIntegration();
    if (setup_.trace_start) {
        pbTable->on_first_paint = [this] {
            TraceStep("first paint of pbTable");
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            const auto cpu_ms = [](const timeval& t) {
                return t.tv_sec * 1000.0 + t.tv_usec / 1000.0;
            };
            std::fprintf(stderr, "glyphora: cpu %.1f ms user, %.1f ms system\n",
                         cpu_ms(usage.ru_utime), cpu_ms(usage.ru_stime));
            std::fprintf(stderr, "glyphora: first-paint-realtime-ns %lld\n",
                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        };
    }
    TraceStep("controls built");
}

MainWindow::~MainWindow() {
    // The controls go first, while the model they report to still exists, and without reporting:
    // a focused control that goes away would otherwise tell the model it lost the focus.
    qApp->removeEventFilter(this);
    // The frames' event filters pass focus changes on to the model: they go before the boxes.
    delete copy_frame_;
    delete search_frame_;
    delete picture_frame_;
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::TraceStep(const char* step) {
    if (!setup_.trace_start) return;
    const auto now = std::chrono::steady_clock::now();
    const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::fprintf(stderr, "glyphora: %-26s +%6.1f ms  %7.1f ms since main\n", step,
                 ms(now - trace_last_), ms(now - *setup_.trace_start));
    trace_last_ = now;
}

// Runs handler, then mirrors the model: the wrapper of every event that changes it.
template <typename Handler>
auto MainWindow::ThenSync(Handler handler) {
    return [this, handler](auto&&... args) {
        handler(args...);
        Sync();
    };
}

// The character table and its scroll bar.
void MainWindow::ConnectTable() {
    connect(pbTable, &CharTable::CellPressed, this,
            ThenSync([this](int i) { model_.SelectCell(i); }));
    connect(pbTable, &CharTable::CellDoubleClicked, this,
            ThenSync([this](int) { model_.CellDoubleClick(); }));
    connect(pbTable, &CharTable::CellMenuRequested, this, &MainWindow::ShowCellMenu);
    connect(pbTable, &CharTable::CommandRequested, this,
            ThenSync([this](TableCommand command) { model_.RunTableCommand(command); }));
    connect(pbTable, &CharTable::FocusGained, this,
            ThenSync([this] { model_.TableFocusGained(); }));
    connect(pbTable, &CharTable::FocusLost, this, ThenSync([this] { model_.TableFocusLost(); }));
    connect(pbTable, &CharTable::WheelRows, this, &MainWindow::WheelRows);

    connect(sbTable, &QScrollBar::sliderMoved, this, &MainWindow::ScrollBarMoved);
    // The bar's own menu (Top, Bottom, Scroll Here) jumps further than a track click pages: the
    // page goes where the thumb lands, as after a drag.
    connect(sbTable, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderToMinimum &&
            action != QAbstractSlider::SliderToMaximum &&
            (action != QAbstractSlider::SliderMove || sbTable->isSliderDown()))
            return;
        model_.ScrollBarScroll();
        // A thumb already there moves no value, yet the page may stand elsewhere.
        if (sbTable->sliderPosition() == sbTable->value()) ScrollBarValueChanged(sbTable->value());
    });
    connect(sbTable, &QScrollBar::valueChanged, this, &MainWindow::ScrollBarValueChanged);
    connect(sbTable, &QScrollBar::sliderReleased, this, [this] { Sync(); });
}

// The font and Subranges lists, the subrange box and the check boxes beside them.
void MainWindow::ConnectLists() {
    connect(lvFont->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                // A press reports itself below; here only the keys move the choice.
                if (!choosing_from_list_ && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
                    FontItemChosen(index.row());
            });
    connect(lvFont, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (QGuiApplication::mouseButtons() & Qt::LeftButton) FontItemChosen(index.row());
    });
    // A press dragged to another item ends there.
    connect(lvFont, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const auto& selected = model_.FontList().selected;
        if (!selected || static_cast<int>(*selected) != index.row()) FontItemChosen(index.row());
    });
    connect(lvRange->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (!choosing_from_list_ && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
                    RangeItemChosen(index.row());
            });
    connect(lvRange, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        // Pressing the current subrange again shows it from its start.
        if (QGuiApplication::mouseButtons() & Qt::LeftButton) RangeItemChosen(index.row());
    });
    connect(lvRange, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const auto& selected = model_.Subranges().list.selected;
        if (!selected || static_cast<int>(*selected) != index.row()) RangeItemChosen(index.row());
    });
    connect(cbRange, &QComboBox::activated, this, ThenSync([this](int entry) {
                if (entry >= 0) model_.ComboSubrangeChosen(static_cast<std::size_t>(entry));
            }));
    connect(bbRange, &QToolButton::clicked, this, [this] {
        cbRange->setFocus();
        cbRange->showPopup();
    });
    connect(chRange, &QCheckBox::clicked, this,
            ThenSync([this](bool on) { model_.SetShowAll(on); }));
    connect(chView, &QCheckBox::clicked, this,
            ThenSync([this](bool on) { model_.ViewPatternClick(on); }));
    connect(bbFont, &QPushButton::clicked, this, [this] {
        if (model_.PropertiesEnabled())
            setup_.open_url(QUrl::fromLocalFile(Text(model_.PropertiesTarget())));
    });
}

void MainWindow::ConnectControls() {
    ConnectTable();
    ConnectLists();

    // The copy, search and picture controls (their boxes' Edit menu is the context menus').
    const auto sync = [this] { Sync(); };
    copy_frame_ = new CopyFrame(
        {obFormat, tbCopy, cbCharSet, cbEntity, tlEntity, bbCopy, bbReset, cbPreview, chPreview},
        model_, sync, this);
    search_frame_ =
        new SearchFrame({obSearch, tbGoTo, tbSearch, cbSearch, bbSearch}, model_, sync, this);
    picture_frame_ = new PictureFrame(
        {cbPicture, tlPicture, tlPicture2, chPicture, bbPicture, pbView}, model_, sync, this);

    connect(chMode, &QCheckBox::clicked, this, &MainWindow::ModeClicked);
    connect(chOnTop, &QCheckBox::clicked, this, &MainWindow::SetTopmost);
    connect(bbClose, &QPushButton::clicked, this, &QWidget::close);
    connect(bbAbout, &QPushButton::clicked, this, [this] {
        AboutServices services;
        services.base_name = setup_.paths.base_name;
        services.settings_file = setup_.paths.settings_file;
        services.update_recorder = &update_recorder_;
        ShowAboutBox(this, chOnTop->isChecked() ? 1 : 0, services);
    });
    for (StatusBar* bar : pbStatus)
        connect(bar, &StatusBar::PanelDoubleClicked, this, &MainWindow::StatusPanelDoubleClicked);
    connect(pbType, &QToolButton::clicked, this, &MainWindow::ShowTypeMenu);
    connect(mCellMark, &QAction::triggered, this,
            ThenSync([this](bool) { model_.ToggleMark(mCellMark->data().toInt()); }));
    connect(mCellFonts, &QAction::triggered, this,
            [this] { ShowFontsWithChar(mCellFonts->data().toInt()); });
    auto* fonts_key = new QShortcut(mCellFonts->shortcut(), this);
    connect(fonts_key, &QShortcut::activated, this, [this] { ShowFontsWithChar(-1); });
    range_tips_ = std::make_unique<SubrangeGlyphTips>(model_, names_);
    range_items_->SetToolTips([this](const std::string& key, const QString& text) {
        return range_tips_->ToolTip(key, text);
    });
    qApp->installEventFilter(this);
}

// ---- Start-up -------------------------------------------------------------------------------

bool MainWindow::Load() {
    // The library the program was built against must be there, or a newer one of its line.
    if (!RuntimeVersionSupported(setup_.runtime_library_version, QT_VERSION_STR)) {
        abort_ = true;
        setup_.show_refusal(this, Text(std::string(kVersionInformation.file_description)),
                            Text(std::string(kUnsupportedSystemText)));
        return false;
    }

    // The desktop entry makes the program known to the desktop's menus: written when it differs,
    // a failure changes nothing.
    const AppPaths& paths = setup_.paths;
    const std::string long_version = LongVersionText(kProgramVersion);
    if (const auto entry = DesktopEntryPath(setup_.environment, paths.base_name)) {
        if (const auto text = DesktopEntryText(setup_.environment.executable, long_version))
            WriteDesktopEntry(*entry, *text);
    }
    setWindowTitle(Text(std::string(kVersionInformation.file_description) + " " +
                        ShortVersionText(kProgramVersion)));
    TraceStep("desktop entry");

    MainSettingsLimits limits;
    limits.format_count = kCopyFormatCount;
    limits.char_set_count = cbCharSet->count();
    // The largest preset: the view first shows the character as large as it fits. (The size
    // box's own font size, a text size, would shrink it to a dot.)
    limits.default_picture_size = Fixed4(kPictureSizes.back());
    AdoptPortableSettings(setup_.paths);
    // A settings write killed half-way leaves its temporary file; it goes now.
    RemoveStaleTemporaries(paths.settings_file);
    const MainSettings settings = ReadMainSettings(paths.settings_file, limits);
    copy_frame_->RestoreCodePageRow(settings.char_set);

    RestorePlacementAndMode(settings);
    TraceStep("settings read, arranged");

    if (setup_.preload) {
        names_ = setup_.preload->TakeNames();
    } else {
        PrepareDataFiles(paths);
        names_.LoadCharDataOnDemand(std::make_shared<IcuNameService>(),
                                    CharDataFiles{paths.name_data_file, paths.entity_data_file});
    }
    context_help_->Load(paths.help_file);
    TraceStep("names loaded");
    model_.LoadFonts();
    TraceStep("font list filled");

    RestoreSettings(settings);
    ChooseStartFont(settings.font);
    TraceStep("font chosen, table filled");

    frame_rules_.Resized(*frame_);
    first_activation_ = true;
    return true;
}

// The saved state and mode, and the saved position when it was normal (and lies on a screen).
void MainWindow::RestorePlacementAndMode(const MainSettings& settings) {
    // Window placement: the saved state, and the saved position when it was normal.
    RestoreWindowPlacement(*placement_window_, placement_, setup_.paths.settings_file,
                           kPlacementSection);

    // The mode, without the mode switch's move.
    model_.RaiseUpdateBusy();
    chMode->setChecked(settings.expanded);
    model_.LowerUpdateBusy();
    Arrange();

    // Placed once the layout has given the window its size, which decides whether it can be
    // taken hold of at the saved position.
    const FramePosition saved = OnCurrentScreens({placement_.left, placement_.top}, FittedSize());
    if (placement_.state == static_cast<std::int32_t>(WindowState::Normal)) {
        frame_rules_.MoveQuietly(*frame_, saved);
    } else {
        // Not moved while minimised or maximised, but the window system learns where the
        // window stands in the normal state, and so does the resize handling.
        const Qt::WindowStates states = windowState();
        setWindowState(states & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        frame_rules_.MoveQuietly(*frame_, saved);
        setWindowState(states);
        frame_rules_.RememberNormalPosition(saved);
    }
}

// The saved font, else the first one listed (a font no longer installed gives way to it).
void MainWindow::ChooseStartFont(const std::optional<std::string>& saved) {
    const auto& fonts = model_.FontList();
    std::optional<std::size_t> font;
    if (saved) font = model_.FontItemByName(Utf8ToUtf16(*saved));
    if (!font && !fonts.items.empty()) font = 0;
    model_.SelectFont(font);
    Sync();
    if (fonts.selected)
        lvFont->scrollTo(font_items_->index(static_cast<int>(*fonts.selected)),
                         QAbstractItemView::PositionAtCenter);
}

void MainWindow::RestoreSettings(const MainSettings& s) {
    search_frame_->RestoreNotation(s.hex_goto);
    model_.SetHexView(s.hex_view);

    model_.RaiseUpdateBusy();
    chRange->setChecked(s.show_all);
    model_.SetShowAllQuiet(s.show_all);
    chView->setChecked(s.view_pattern);
    model_.ViewPatternClick(s.view_pattern);
    model_.LowerUpdateBusy();
    chOnTop->setChecked(s.on_top);
    SetTopmost(s.on_top);

    search_frame_->RestoreHistory(s.search_history);
    copy_frame_->RestoreFormat(CopyFormatFromIndex(s.copy_format), s.preview_charset);
    picture_frame_->Restore(s.picture);

    model_.SetCurrentSubrangeStart(s.subrange_start);
}

void MainWindow::FirstActivation() {
    first_activation_ = false;
    RefreshLockPanels();
    if (lvFont->isVisible() && lvFont->isEnabled()) lvFont->setFocus(Qt::ActiveWindowFocusReason);
    // The table shows its selection without the focus colours until it has the focus.
    model_.TableFocusLost();
    Sync();
}

// ---- Shutdown -------------------------------------------------------------------------------

MainSettings MainWindow::CurrentSettings() const {
    MainSettings s;
    const auto& fonts = model_.FontList();
    if (fonts.selected && *fonts.selected < fonts.items.size())
        s.font = Utf16ToUtf8(fonts.items[*fonts.selected].text);
    s.subrange_start = model_.CurrentSubrangeStart();
    s.show_all = chRange->isChecked();
    s.view_pattern = chView->isChecked();
    s.copy_format = CopyFormatIndex(model_.Copy().CurrentFormat());
    s.char_set = model_.Copy().CodePageRow();
    s.hex_view = model_.HexView();
    s.hex_goto = model_.Search().GoToHex();
    s.expanded = chMode->isChecked();
    s.on_top = chOnTop->isChecked();
    s.preview_charset = chPreview->isChecked();
    s.picture = picture_frame_->Settings();
    s.search_history = search_frame_->History();
    return s;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // After the refusal nothing is written.
    if (!abort_ && !unloaded_) {
        unloaded_ = true;
        WriteMainSettings(setup_.paths.settings_file, CurrentSettings(), *placement_window_,
                          placement_);
    }
    event->accept();
}

// ---- Window events --------------------------------------------------------------------------

QSize MainWindow::FittedSize() {
    content_->layout()->activate();
    layout()->activate();
    const QSize content = layout()->sizeHint();
    const QScreen* shown_on = screen();
    if (shown_on == nullptr) return content;
    // The room for the window's inside: the screen's free area less the window's frame.
    const QSize room = shown_on->availableGeometry().size() - (frameGeometry().size() - size());
    const FrameSize fitted =
        FitContentToRoom({content.width(), content.height()}, {room.width(), room.height()},
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    return {fitted.width, fitted.height};
}

bool MainWindow::event(QEvent* event) {
    // The panels changed their size: the window follows, within the screen.
    if (event->type() == QEvent::LayoutRequest) {
        const bool result = QWidget::event(event);
        if (!abort_ && isVisible()) frame_rules_.Resized(*frame_);
        return result;
    }
    if (event->type() == QEvent::Show && !screen_watched_ && windowHandle()) {
        // Moved to another screen, the window fits that one.
        screen_watched_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (!abort_) frame_rules_.Resized(*frame_);
        });
    }
    if (event->type() == QEvent::WindowActivate && first_activation_) {
        const bool result = QWidget::event(event);
        FirstActivation();
        return result;
    }
    return QWidget::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        placement_.state = static_cast<std::int32_t>(StateOf(windowState()));
        if (!abort_) frame_rules_.Resized(*frame_);
    } else if (event->type() == QEvent::FontChange) {
        measure_.SetFont(font());
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    frame_rules_.Moved(*frame_);
    if (StateOf(windowState()) == WindowState::Normal && ClientPlacesWindows()) {
        const FramePosition position = frame_rules_.NormalPosition();
        placement_.left = position.left;
        placement_.top = position.top;
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!abort_ && isVisible()) frame_rules_.Resized(*frame_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The lock-key panels follow the keyboard while the window is in front.
    if (event->type() == QEvent::KeyRelease && isActiveWindow()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            QTimer::singleShot(0, this, &MainWindow::RefreshLockPanels);
    } else if (event->type() == QEvent::ApplicationActivate) {
        RefreshLockPanels();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Handlers -------------------------------------------------------------------------------

void MainWindow::ModeClicked(bool expanded) {
    if (!frame_rules_.ModeChanged(*frame_, expanded, model_.UpdateBusy())) return;
    if (tbCopy->isVisible() && tbCopy->isEnabled()) tbCopy->setFocus(Qt::OtherFocusReason);
    Sync();
}

void MainWindow::SetTopmost(bool on) {
    // On the native window itself, so that the widget is not re-created, shown again and
    // activated: the window stays where it is in the focus order.
    if (QWindow* window = windowHandle())
        window->setFlag(Qt::WindowStaysOnTopHint, on);
    else
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
}

void MainWindow::StatusPanelDoubleClicked(const QString& key) {
    if (key == "Hex") {
        model_.CodePanelDoubleClick();
        Sync();
        return;
    }
    for (const StatusPanel& panel : StatusBarPanels(1)) {
        if (key == QLatin1String(panel.key.data(), static_cast<qsizetype>(panel.key.size())) &&
            DoubleClickLockPanel(lock_keys_, panel)) {
            // The server changes the indicator after the request: read it a moment later.
            QTimer::singleShot(50, this, &MainWindow::RefreshLockPanels);
        }
    }
}

void MainWindow::RefreshLockPanels() {
    for (const StatusPanel& panel : StatusBarPanels(1)) {
        const std::optional<LockKey> lock = LockKeyOf(panel.style);
        if (!lock) continue;
        const LockPanelView view = ViewLockPanel(lock_keys_, *lock);
        QLabel* label = pbStatus[1]->Label(
            QLatin1String(panel.key.data(), static_cast<qsizetype>(panel.key.size())));
        label->setEnabled(view.on);
        label->setToolTip(view.known ? QString() : QStringLiteral("Not reported by this desktop"));
    }
}

void MainWindow::ShowCellMenu(int cell, const QPoint& at) {
    mCellMark->setData(cell);
    mCellMark->setChecked(model_.CellMarks(cell));
    mCellFonts->setData(cell);
    mCell->popup(at);
}

void MainWindow::ShowFontsWithChar(int cell) {
    if (cell >= 0 && cell < MainWindowModel::kCells && cell != model_.CurrentCell() &&
        !model_.RowLabels()[static_cast<std::size_t>(cell / 16)].empty()) {
        model_.SelectCell(cell);
        Sync();
    }
    if (!fwFonts)
        fwFonts = new FontsWithCharWindow(
            model_, catalog_, names_, [this] { Sync(); }, this);
    fwFonts->Open();
}

void MainWindow::ShowTypeMenu() {
    const QFrame* panel = pbStatus[0]->Panel("Type");
    mType->popup(panel->mapToGlobal(QPoint(0, panel->height())));
}

void MainWindow::ScrollBarMoved(int value) {
    // The thumb is being dragged: the page follows it as it goes.
    model_.ScrollBarScroll();
    model_.ScrollBarChange(value);
    Sync();
}

void MainWindow::ScrollBarValueChanged(int value) {
    if (sbTable->isSliderDown()) return;  // the drag reported itself above
    model_.ScrollBarChange(value);
    Sync();
}

void MainWindow::WheelRows(int rows) {
    // A wheel row is a step of the scroll bar's arrow: the selection stays on its character.
    const int step = rows > 0 ? 1 : -1;
    for (int n = 0; n != rows; n += step) {
        const ScrollBarState& bar = model_.ScrollBar();
        const int target = bar.value + step;
        if (target < 0 || target > bar.max) break;
        model_.ScrollBarChange(target);
    }
    Sync();
}

void MainWindow::FontItemChosen(int row) {
    if (row < 0) return;
    model_.SelectFont(static_cast<std::size_t>(row));
    Sync();
}

void MainWindow::RangeItemChosen(int row) {
    if (row < 0) return;
    model_.ChooseSubrange(static_cast<std::size_t>(row));
    Sync();
}

// ---- Model to widgets -----------------------------------------------------------------------

void MainWindow::Sync() {
    // Focus changes made here call back into the model and ask for another round.
    if (syncing_) {
        sync_again_ = true;
        return;
    }
    syncing_ = true;
    int rounds = 0;
    do {
        sync_again_ = false;
        SyncOnce();
        ApplyFocusRequest();
    } while (sync_again_ && ++rounds < 4);
    syncing_ = false;
}

void MainWindow::SyncOnce() {
    pbTable->Refresh(model_.TakeDirtyCells());
    if (fwFonts) fwFonts->Sync();
    {
        const QSignalBlocker block(sbTable);
        const ScrollBarState& bar = model_.ScrollBar();
        sbTable->setRange(0, std::max(bar.max, 0));
        if (!sbTable->isSliderDown()) sbTable->setValue(bar.value);
        sbTable->setEnabled(bar.max > 0);
    }
    SyncLists();
    SyncStatus();
    SyncCharacter();
}

void MainWindow::SyncLists() {
    choosing_from_list_ = true;
    const ListViewModel& ranges = model_.Subranges().list;
    range_items_->Sync(ranges);
    if (ranges.selected != shown_range_item_ ||
        lvRange->currentIndex().row() !=
            (ranges.selected ? static_cast<int>(*ranges.selected) : -1)) {
        shown_range_item_ = ranges.selected;
        if (ranges.selected) {
            const QModelIndex index = range_items_->index(static_cast<int>(*ranges.selected));
            lvRange->setCurrentIndex(index);
            lvRange->scrollTo(index);
        } else {
            lvRange->setCurrentIndex({});
        }
    }

    const ComboModel& combo = model_.Subranges().combo;
    bool same = combo.entries.size() == shown_combo_.size();
    for (std::size_t i = 0; same && i < shown_combo_.size(); ++i)
        same = combo.entries[i].key == shown_combo_[i].key;
    {
        const QSignalBlocker block(cbRange);
        if (!same) {
            shown_combo_ = combo.entries;
            cbRange->clear();
            QStringList names;
            names.reserve(static_cast<qsizetype>(combo.entries.size()));
            for (const ComboEntry& entry : combo.entries) names.push_back(Text(entry.text));
            cbRange->addItems(names);
        }
        const int entry = combo.selected ? static_cast<int>(*combo.selected) : -1;
        if (cbRange->currentIndex() != entry) cbRange->setCurrentIndex(entry);
    }

    const ListViewModel& fonts = model_.FontList();
    font_items_->Sync(fonts);
    if (fonts.selected != shown_font_item_ ||
        lvFont->currentIndex().row() != (fonts.selected ? static_cast<int>(*fonts.selected) : -1)) {
        shown_font_item_ = fonts.selected;
        if (fonts.selected)
            lvFont->setCurrentIndex(font_items_->index(static_cast<int>(*fonts.selected)));
    }
    if (chRange->isChecked() != model_.ShowAll()) chRange->setChecked(model_.ShowAll());
    choosing_from_list_ = false;
}

void MainWindow::SyncStatus() {
    StatusBar& first = *pbStatus[0];
    first.SetText("Hex", Text(model_.HexPanel()));
    first.SetText("Name", Text(model_.NamePanel()));
    first.SetText("Type", Text(model_.TypePanel()));
    pbStatus[1]->SetText("Message", Text(model_.MessagePanel()));
    const TypeList& types = model_.TypeMenu();
    pbType->setVisible(types.menu_button_visible);
    for (int i = 0; i < 3; ++i) {
        mTypeList[i]->setText(Text(types.captions[i]));
        mTypeList[i]->setVisible(types.visible[i]);
    }
}

void MainWindow::SyncCharacter() {
    if (model_.FontFamily() != shown_family_) {
        shown_family_ = model_.FontFamily();
        QFont copy_font = tbCopy->font();
        copy_font.setFamily(Text(shown_family_));
        tbCopy->setFont(copy_font);
        pbView->FontChanged();
        range_tips_->FontChanged();
    }
    pbView->Show(Text(model_.ViewCaption()), pbTable->CellShowsGlyph(model_.CurrentCell()),
                 model_.ViewPatternChoice(), model_.ViewPatternVisible());
    chView->setEnabled(model_.ViewPatternEnabled());
    if (chView->isChecked() != model_.ViewPatternChecked())
        chView->setChecked(model_.ViewPatternChecked());

    copy_frame_->Sync();
    search_frame_->Sync();
    picture_frame_->Sync();
    bbFont->setEnabled(model_.PropertiesEnabled());
}

void MainWindow::ApplyFocusRequest() {
    const auto focus = [](QWidget* widget) {
        if (widget->isVisible() && widget->isEnabled()) widget->setFocus(Qt::OtherFocusReason);
    };
    switch (model_.TakeFocusRequest()) {
        case FocusTarget::Table:
            focus(pbTable);
            break;
        case FocusTarget::RangeList:
            focus(lvRange);
            break;
        case FocusTarget::FontList:
            focus(lvFont);
            break;
        case FocusTarget::GoToBox:
            focus(tbGoTo);
            break;
        case FocusTarget::SymbolBox:
            focus(tbSearch);
            break;
        case FocusTarget::SearchBox:
            focus(cbSearch);
            break;
        case FocusTarget::SearchButton:
            focus(bbSearch);
            break;
        case FocusTarget::None:
            break;
    }
}

}  // namespace glyphora
