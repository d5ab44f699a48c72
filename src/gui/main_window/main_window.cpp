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
#include <QFontMetrics>
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
      char_view_(new CharView),
      metrics_(std::make_unique<QtGlyphMetrics>(*char_view_)),
      catalog_(setup_.preload),
      clipboard_([this](std::u16string_view units) {
          return frames_.picture ? frames_.picture->DrawCopyPicture(units) : QImage();
      }),
      model_({&names_, &classifier_, &measure_, metrics_.get(), &catalog_, &clipboard_}),
      frame_(std::make_unique<Frame>(*this)),
      placement_window_(std::make_unique<Placement>(*this)) {
    life_.trace_last = setup_.trace_start.value_or(std::chrono::steady_clock::now());
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
        upper_.table->on_first_paint = [this] {
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
    delete frames_.copy;
    delete frames_.search;
    delete frames_.picture;
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::TraceStep(const char* step) {
    if (!setup_.trace_start) return;
    const auto now = std::chrono::steady_clock::now();
    const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::fprintf(stderr, "glyphora: %-26s +%6.1f ms  %7.1f ms since main\n", step,
                 ms(now - life_.trace_last), ms(now - *setup_.trace_start));
    life_.trace_last = now;
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
    connect(upper_.table, &CharTable::CellPressed, this,
            ThenSync([this](int i) { model_.SelectCell(i); }));
    connect(upper_.table, &CharTable::CellDoubleClicked, this,
            ThenSync([this](int) { model_.CellDoubleClick(); }));
    connect(upper_.table, &CharTable::CellMenuRequested, this, &MainWindow::ShowCellMenu);
    connect(upper_.table, &CharTable::CommandRequested, this,
            ThenSync([this](TableCommand command) { model_.RunTableCommand(command); }));
    connect(upper_.table, &CharTable::FocusGained, this,
            ThenSync([this] { model_.TableFocusGained(); }));
    connect(upper_.table, &CharTable::FocusLost, this,
            ThenSync([this] { model_.TableFocusLost(); }));
    connect(upper_.table, &CharTable::WheelRows, this, &MainWindow::WheelRows);

    connect(upper_.scroll_bar, &QScrollBar::sliderMoved, this, &MainWindow::ScrollBarMoved);
    // The bar's own menu (Top, Bottom, Scroll Here) jumps further than a track click pages: the
    // page goes where the thumb lands, as after a drag.
    connect(upper_.scroll_bar, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderToMinimum &&
            action != QAbstractSlider::SliderToMaximum &&
            (action != QAbstractSlider::SliderMove || upper_.scroll_bar->isSliderDown()))
            return;
        model_.ScrollBarScroll();
        // A thumb already there moves no value, yet the page may stand elsewhere.
        if (upper_.scroll_bar->sliderPosition() == upper_.scroll_bar->value())
            ScrollBarValueChanged(upper_.scroll_bar->value());
    });
    connect(upper_.scroll_bar, &QScrollBar::valueChanged, this, &MainWindow::ScrollBarValueChanged);
    connect(upper_.scroll_bar, &QScrollBar::sliderReleased, this, [this] { Sync(); });
}

// The font list: a choice by keys, by a press or by a press dragged to another item.
void MainWindow::ConnectFontList() {
    // The font the pointer rests on is prepared in the table ahead of its click; one chosen with
    // the keys, the next one in the same direction.
    auto* prepare = new QTimer(this);
    prepare->setSingleShot(true);
    prepare->setInterval(100);
    connect(prepare, &QTimer::timeout, this, [this] {
        const auto& fonts = model_.Fonts().Items().items;
        if (font_to_prepare_ < 0 || static_cast<std::size_t>(font_to_prepare_) >= fonts.size())
            return;
        const std::u16string& family = fonts[static_cast<std::size_t>(font_to_prepare_)].text;
        upper_.table->WarmFont(family);
        // The To-copy box shows the family at a size of its own: Qt opens a face per size,
        // which costs as much as a page of glyphs. (The picture box's size is fitted to the
        // font once it is chosen: not known here.)
        QFont copy_font = copy_controls_.copy_box->font();
        copy_font.setFamily(Text(family));
        QFontMetrics(copy_font).height();
    });
    connect(upper_.font_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, prepare](const QModelIndex& index, const QModelIndex& previous) {
                // A press reports itself below; here only the keys move the choice.
                if (sync_.choosing_from_list || (QGuiApplication::mouseButtons() & Qt::LeftButton))
                    return;
                FontItemChosen(index.row());
                font_to_prepare_ = index.row() + (index.row() < previous.row() ? -1 : 1);
                prepare->start();
            });
    connect(upper_.font_list, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (QGuiApplication::mouseButtons() & Qt::LeftButton) FontItemChosen(index.row());
    });
    upper_.font_list->setMouseTracking(true);
    connect(upper_.font_list, &QAbstractItemView::entered, this,
            [this, prepare](const QModelIndex& index) {
                font_to_prepare_ = index.row();
                prepare->start();
            });
    // A press dragged to another item ends there.
    connect(upper_.font_list, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const auto& selected = model_.Fonts().Items().selected;
        if (!selected || static_cast<int>(*selected) != index.row()) FontItemChosen(index.row());
    });
}

// The font and Subranges lists, the subrange box and the check boxes beside them.
void MainWindow::ConnectLists() {
    ConnectFontList();
    connect(
        upper_.range_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& index) {
            if (!sync_.choosing_from_list && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
                RangeItemChosen(index.row());
        });
    connect(upper_.range_list, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        // Pressing the current subrange again shows it from its start.
        if (QGuiApplication::mouseButtons() & Qt::LeftButton) RangeItemChosen(index.row());
    });
    connect(upper_.range_list, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const auto& selected = model_.Subranges().Views().list.selected;
        if (!selected || static_cast<int>(*selected) != index.row()) RangeItemChosen(index.row());
    });
    connect(upper_.range_combo, &QComboBox::activated, this, ThenSync([this](int entry) {
                if (entry >= 0) model_.ComboSubrangeChosen(static_cast<std::size_t>(entry));
            }));
    connect(upper_.range_drop, &QToolButton::clicked, this, [this] {
        upper_.range_combo->setFocus();
        upper_.range_combo->showPopup();
    });
    connect(upper_.show_all, &QCheckBox::clicked, this,
            ThenSync([this](bool on) { model_.SetShowAll(on); }));
    connect(lower_.view_pattern, &QCheckBox::clicked, this,
            ThenSync([this](bool on) { model_.ViewPatternClick(on); }));
    connect(upper_.properties, &QPushButton::clicked, this, [this] {
        if (model_.Fonts().PropertiesEnabled())
            setup_.open_url(QUrl::fromLocalFile(Text(model_.Fonts().PropertiesTarget())));
    });
}

void MainWindow::ConnectControls() {
    ConnectTable();
    ConnectLists();

    // The copy, search and picture controls (their boxes' Edit menu is the context menus').
    const auto sync = [this] { Sync(); };
    frames_.copy = new CopyFrame(copy_controls_, model_, sync, this);
    frames_.search = new SearchFrame(search_controls_, model_, sync, this);
    // While the user types a name, the page its search will jump to is prepared in idle time: the
    // search index as far as the match, the glyphs of the page and its names for the status bar.
    auto* anticipate = new QTimer(this);
    anticipate->setSingleShot(true);
    anticipate->setInterval(0);
    connect(search_controls_.text_box->lineEdit(), &QLineEdit::textEdited, anticipate,
            qOverload<>(&QTimer::start));
    connect(anticipate, &QTimer::timeout, this, [this] {
        if (const std::optional<long> cp = model_.Search().NameSearchTarget()) {
            upper_.table->WarmPageOf(*cp);
            names_.CharName(*cp);
        }
    });
    picture_controls_.view = char_view_;
    frames_.picture = new PictureFrame(picture_controls_, model_, sync, this);

    connect(lower_.expanded, &QCheckBox::clicked, this, &MainWindow::ModeClicked);
    connect(lower_.on_top, &QCheckBox::clicked, this, &MainWindow::SetTopmost);
    connect(lower_.close, &QPushButton::clicked, this, &QWidget::close);
    connect(lower_.about, &QPushButton::clicked, this, [this] {
        AboutServices services;
        services.base_name = setup_.paths.base_name;
        services.settings_file = setup_.paths.settings_file;
        services.update_recorder = &update_recorder_;
        ShowAboutBox(this, lower_.on_top->isChecked() ? 1 : 0, services);
    });
    for (StatusBar* bar : lower_.status_bars)
        connect(bar, &StatusBar::PanelDoubleClicked, this, &MainWindow::StatusPanelDoubleClicked);
    connect(lower_.type_button, &QToolButton::clicked, this, &MainWindow::ShowTypeMenu);
    connect(menus_.mark, &QAction::triggered, this,
            ThenSync([this](bool) { model_.ToggleMark(menus_.mark->data().toInt()); }));
    connect(menus_.fonts_with_char, &QAction::triggered, this,
            [this] { ShowFontsWithChar(menus_.fonts_with_char->data().toInt()); });
    auto* fonts_key = new QShortcut(menus_.fonts_with_char->shortcut(), this);
    connect(fonts_key, &QShortcut::activated, this, [this] { ShowFontsWithChar(-1); });
    helpers_.range_tips = std::make_unique<SubrangeGlyphTips>(model_, names_);
    upper_.range_items->SetToolTips([this](long first, const QString& text) {
        return helpers_.range_tips->ToolTip(first, text);
    });
    qApp->installEventFilter(this);
}

// ---- Start-up -------------------------------------------------------------------------------

bool MainWindow::Load() {
    // The library the program was built against must be there, or a newer one of its line.
    if (!RuntimeVersionSupported(setup_.runtime_library_version, QT_VERSION_STR)) {
        life_.refused = true;
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
    limits.char_set_count = copy_controls_.code_page->count();
    // The largest preset: the view first shows the character as large as it fits. (The size
    // box's own font size, a text size, would shrink it to a dot.)
    limits.default_picture_size = Fixed4(kPictureSizes.back());
    AdoptPortableSettings(setup_.paths);
    // A settings write killed half-way leaves its temporary file; it goes now.
    RemoveStaleTemporaries(paths.settings_file);
    const MainSettings settings = ReadMainSettings(paths.settings_file, limits);
    frames_.copy->RestoreCodePageRow(settings.char_set);

    RestorePlacementAndMode(settings);
    TraceStep("settings read, arranged");

    if (setup_.preload) {
        names_ = setup_.preload->TakeNames();
    } else {
        PrepareDataFiles(paths);
        names_.LoadCharDataOnDemand(std::make_shared<IcuNameService>(),
                                    CharDataFiles{paths.name_data_file, paths.entity_data_file});
    }
    helpers_.context_help->Load(paths.help_file);
    TraceStep("names loaded");
    model_.LoadFonts();
    TraceStep("font list filled");

    RestoreSettings(settings);
    ChooseStartFont(settings.font);
    TraceStep("font chosen, table filled");

    frame_rules_.Resized(*frame_);
    life_.first_activation = true;
    return true;
}

// The saved state and mode, and the saved position when it was normal (and lies on a screen).
void MainWindow::RestorePlacementAndMode(const MainSettings& settings) {
    // Window placement: the saved state, and the saved position when it was normal.
    RestoreWindowPlacement(*placement_window_, placement_, setup_.paths.settings_file,
                           kPlacementSection);

    // The mode, without the mode switch's move.
    model_.RaiseUpdateBusy();
    lower_.expanded->setChecked(settings.expanded);
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
    const auto& fonts = model_.Fonts().Items();
    std::optional<std::size_t> font;
    if (saved) font = model_.Fonts().ItemByName(Utf8ToUtf16(*saved));
    if (!font && !fonts.items.empty()) font = 0;
    model_.SelectFont(font);
    Sync();
    if (fonts.selected)
        upper_.font_list->scrollTo(upper_.font_items->index(static_cast<int>(*fonts.selected)),
                                   QAbstractItemView::PositionAtCenter);
}

void MainWindow::RestoreSettings(const MainSettings& s) {
    frames_.search->RestoreNotation(s.hex_goto);
    model_.Status().SetHexView(s.hex_view);

    model_.RaiseUpdateBusy();
    upper_.show_all->setChecked(s.show_all);
    model_.Subranges().SetShowAll(s.show_all);
    lower_.view_pattern->setChecked(s.view_pattern);
    model_.ViewPatternClick(s.view_pattern);
    model_.LowerUpdateBusy();
    lower_.on_top->setChecked(s.on_top);
    SetTopmost(s.on_top);

    frames_.search->RestoreHistory(s.search_history);
    frames_.copy->RestoreFormat(CopyFormatFromIndex(s.copy_format), s.preview_charset);
    frames_.picture->Restore(s.picture);

    model_.Subranges().SetCurrentStart(s.subrange_start);
}

void MainWindow::FirstActivation() {
    life_.first_activation = false;
    RefreshLockPanels();
    if (upper_.font_list->isVisible() && upper_.font_list->isEnabled())
        upper_.font_list->setFocus(Qt::ActiveWindowFocusReason);
    // The table shows its selection without the focus colours until it has the focus.
    model_.TableFocusLost();
    Sync();
}

// ---- Shutdown -------------------------------------------------------------------------------

MainSettings MainWindow::CurrentSettings() const {
    MainSettings s;
    const auto& fonts = model_.Fonts().Items();
    if (fonts.selected && *fonts.selected < fonts.items.size())
        s.font = Utf16ToUtf8(fonts.items[*fonts.selected].text);
    s.subrange_start = model_.Subranges().CurrentStart();
    s.show_all = upper_.show_all->isChecked();
    s.view_pattern = lower_.view_pattern->isChecked();
    s.copy_format = CopyFormatIndex(model_.Copy().CurrentFormat());
    s.char_set = model_.Copy().CodePageRow();
    s.hex_view = model_.Status().HexView();
    s.hex_goto = model_.Search().GoToHex();
    s.expanded = lower_.expanded->isChecked();
    s.on_top = lower_.on_top->isChecked();
    s.preview_charset = copy_controls_.preview_charset->isChecked();
    s.picture = frames_.picture->Settings();
    s.search_history = frames_.search->History();
    return s;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // After the refusal nothing is written.
    if (!life_.refused && !life_.unloaded) {
        life_.unloaded = true;
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
        if (!life_.refused && isVisible()) frame_rules_.Resized(*frame_);
        return result;
    }
    if (event->type() == QEvent::Show && !life_.screen_watched && windowHandle()) {
        // Moved to another screen, the window fits that one.
        life_.screen_watched = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (!life_.refused) frame_rules_.Resized(*frame_);
        });
    }
    if (event->type() == QEvent::WindowActivate && life_.first_activation) {
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
        if (!life_.refused) frame_rules_.Resized(*frame_);
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
    if (!life_.refused && isVisible()) frame_rules_.Resized(*frame_);
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
    if (copy_controls_.copy_box->isVisible() && copy_controls_.copy_box->isEnabled())
        copy_controls_.copy_box->setFocus(Qt::OtherFocusReason);
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
        QLabel* label = lower_.status_bars[1]->Label(
            QLatin1String(panel.key.data(), static_cast<qsizetype>(panel.key.size())));
        label->setEnabled(view.on);
        label->setToolTip(view.known ? QString() : QStringLiteral("Not reported by this desktop"));
    }
}

void MainWindow::ShowCellMenu(int cell, const QPoint& at) {
    menus_.mark->setData(cell);
    menus_.mark->setChecked(model_.Page().Cells()[cell].marked);
    menus_.fonts_with_char->setData(cell);
    menus_.cell->popup(at);
}

void MainWindow::ShowFontsWithChar(int cell) {
    if (cell >= 0 && cell < MainWindowModel::kCells && cell != model_.Page().Current() &&
        !model_.Page().RowLabels()[static_cast<std::size_t>(cell / 16)].empty()) {
        model_.SelectCell(cell);
        Sync();
    }
    if (!fonts_window_)
        fonts_window_ = new FontsWithCharWindow(
            model_, catalog_, names_, [this] { Sync(); }, this);
    fonts_window_->Open();
}

void MainWindow::ShowTypeMenu() {
    const QFrame* panel = lower_.status_bars[0]->Panel("Type");
    menus_.type->popup(panel->mapToGlobal(QPoint(0, panel->height())));
}

void MainWindow::ScrollBarMoved(int value) {
    // The thumb is being dragged: the page follows it as it goes.
    model_.ScrollBarScroll();
    model_.ScrollBarChange(value);
    Sync();
}

void MainWindow::ScrollBarValueChanged(int value) {
    if (upper_.scroll_bar->isSliderDown()) return;  // the drag reported itself above
    model_.ScrollBarChange(value);
    Sync();
}

void MainWindow::WheelRows(int rows) {
    // A wheel row is a step of the scroll bar's arrow: the selection stays on its character.
    const int step = rows > 0 ? 1 : -1;
    for (int n = 0; n != rows; n += step) {
        const ScrollBarState& bar = model_.ScrollBar().State();
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
    if (sync_.running) {
        sync_.again = true;
        return;
    }
    sync_.running = true;
    int rounds = 0;
    do {
        sync_.again = false;
        SyncOnce(rounds == 0);
        ApplyFocusRequest();
    } while (sync_.again && ++rounds < 4);
    sync_.running = false;
}

void MainWindow::SyncOnce(bool first_round) {
    upper_.table->Refresh(model_.TakeDirtyCells());
    if (fonts_window_) fonts_window_->Sync();
    {
        const QSignalBlocker block(upper_.scroll_bar);
        const ScrollBarState& bar = model_.ScrollBar().State();
        upper_.scroll_bar->setRange(0, std::max(bar.max, 0));
        if (!upper_.scroll_bar->isSliderDown()) upper_.scroll_bar->setValue(bar.value);
        upper_.scroll_bar->setEnabled(bar.max > 0);
    }
    // The table is what the user looks at: what changed in it and its scroll bar reaches the
    // screen now, before the lists, the picture and the status bar are brought up to date. Not
    // before a focus change, which repaints the current cell once more, nor in the rounds after
    // one, when every control is already waiting for its repaint.
    const QWidget* focus = FocusWidget(model_.FocusRequest());
    if (first_round && isVisible() && (!focus || focus->hasFocus()))
        QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
    SyncLists();
    SyncStatus();
    SyncCharacter();
}

void MainWindow::SyncLists() {
    sync_.choosing_from_list = true;
    const ListViewModel& ranges = model_.Subranges().Views().list;
    upper_.range_items->Sync(ranges);
    if (ranges.selected != sync_.shown_range_item ||
        upper_.range_list->currentIndex().row() !=
            (ranges.selected ? static_cast<int>(*ranges.selected) : -1)) {
        sync_.shown_range_item = ranges.selected;
        if (ranges.selected) {
            const QModelIndex index = upper_.range_items->index(static_cast<int>(*ranges.selected));
            upper_.range_list->setCurrentIndex(index);
            upper_.range_list->scrollTo(index);
        } else {
            upper_.range_list->setCurrentIndex({});
        }
    }

    const ComboModel& combo = model_.Subranges().Views().combo;
    bool same = combo.entries.size() == sync_.shown_combo.size();
    for (std::size_t i = 0; same && i < sync_.shown_combo.size(); ++i)
        same = combo.entries[i].id == sync_.shown_combo[i].id;
    {
        const QSignalBlocker block(upper_.range_combo);
        if (!same) {
            sync_.shown_combo = combo.entries;
            upper_.range_combo->clear();
            QStringList names;
            names.reserve(static_cast<qsizetype>(combo.entries.size()));
            for (const ComboEntry& entry : combo.entries) names.push_back(Text(entry.text));
            upper_.range_combo->addItems(names);
        }
        const int entry = combo.selected ? static_cast<int>(*combo.selected) : -1;
        if (upper_.range_combo->currentIndex() != entry) upper_.range_combo->setCurrentIndex(entry);
    }

    const ListViewModel& fonts = model_.Fonts().Items();
    upper_.font_items->Sync(fonts);
    if (fonts.selected != sync_.shown_font_item ||
        upper_.font_list->currentIndex().row() !=
            (fonts.selected ? static_cast<int>(*fonts.selected) : -1)) {
        sync_.shown_font_item = fonts.selected;
        if (fonts.selected)
            upper_.font_list->setCurrentIndex(
                upper_.font_items->index(static_cast<int>(*fonts.selected)));
    }
    if (upper_.show_all->isChecked() != model_.Subranges().ShowAll())
        upper_.show_all->setChecked(model_.Subranges().ShowAll());
    sync_.choosing_from_list = false;
}

void MainWindow::SyncStatus() {
    StatusBar& first = *lower_.status_bars[0];
    first.SetText("Hex", Text(model_.Status().HexPanel()));
    first.SetText("Name", Text(model_.Status().NamePanel()));
    first.SetText("Type", Text(model_.Status().TypePanel()));
    lower_.status_bars[1]->SetText("Message", Text(model_.Status().MessagePanel()));
    const TypeList& types = model_.Status().TypeMenu();
    lower_.type_button->setVisible(types.menu_button_visible);
    for (int i = 0; i < 3; ++i) {
        menus_.type_entries[i]->setText(Text(types.captions[i]));
        menus_.type_entries[i]->setVisible(types.visible[i]);
    }
}

void MainWindow::SyncCharacter() {
    if (model_.Fonts().Family() != sync_.shown_family) {
        sync_.shown_family = model_.Fonts().Family();
        QFont copy_font = copy_controls_.copy_box->font();
        copy_font.setFamily(Text(sync_.shown_family));
        copy_controls_.copy_box->setFont(copy_font);
        char_view_->FontChanged();
        helpers_.range_tips->FontChanged();
    }
    char_view_->Show(Text(model_.Status().ViewCaption()),
                     upper_.table->CellShowsGlyph(model_.Page().Current()),
                     model_.Status().ViewPatternChoice(), model_.Status().ViewPatternVisible());
    lower_.view_pattern->setEnabled(model_.Status().ViewPatternEnabled());
    if (lower_.view_pattern->isChecked() != model_.Status().ViewPatternChecked())
        lower_.view_pattern->setChecked(model_.Status().ViewPatternChecked());

    frames_.copy->Sync();
    frames_.search->Sync();
    frames_.picture->Sync();
    upper_.properties->setEnabled(model_.Fonts().PropertiesEnabled());
}

QWidget* MainWindow::FocusWidget(FocusTarget target) const {
    switch (target) {
        case FocusTarget::Table:
            return upper_.table;
        case FocusTarget::RangeList:
            return upper_.range_list;
        case FocusTarget::FontList:
            return upper_.font_list;
        case FocusTarget::GoToBox:
            return search_controls_.code_box;
        case FocusTarget::SymbolBox:
            return search_controls_.symbol_box;
        case FocusTarget::SearchBox:
            return search_controls_.text_box;
        case FocusTarget::SearchButton:
            return search_controls_.button;
        case FocusTarget::None:
            break;
    }
    return nullptr;
}

void MainWindow::ApplyFocusRequest() {
    QWidget* widget = FocusWidget(model_.TakeFocusRequest());
    if (widget && widget->isVisible() && widget->isEnabled())
        widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace glyphora
