// fwMain's controls: building them once and laying them out for the compact and expanded modes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "copy/code_page_list.h"
#include "main_window/char_view.h"
#include "main_window/context_help.h"
#include "main_window/fitted_combo_box.h"
#include "main_window/list_adapter.h"
#include "main_window/main_window.h"
#include "main_window/name_list_view.h"
#include "main_window/status_bar.h"
#include "platform/window_layout.h"
#include "table/cell_patterns.h"
#include "table/char_table.h"

namespace glyphora {

namespace {

// Logical pixels. The expanded layout adds a left-hand column exactly as wide as the window moves
// when it switches modes, so that the character table keeps its place on the screen.
constexpr int kMargin = 8;
constexpr int kGap = 8;
constexpr int kLeftColumn = WindowFrameRules::kModeShift - kGap;
constexpr int kFontListWidth = 158;
constexpr int kInnerGap = 6;
constexpr int kRangeListWidth = kLeftColumn - kFontListWidth - kInnerGap;
constexpr int kTypePanelWidth = 230;

QString Caption(CopyFormat format) {
    const std::string_view caption = CopyFormatCaption(format);
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

template <typename T>
T* Named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// The scroll area that holds the panels: as large as they are, without a frame of its own.
class ContentScrollArea : public QScrollArea {
public:
    explicit ContentScrollArea(QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(false);
    }
    QSize sizeHint() const override {
        return widget() ? widget()->sizeHint() : QScrollArea::sizeHint();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window's layout keeps the size it last asked for until told it changed.
        if (watched == widget() && event->type() == QEvent::Resize) updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

// Status-bar panel widths in logical pixels; 0: the room left over (Name, Message).
int PanelWidth(std::string_view key) {
    static constexpr std::pair<std::string_view, int> kWidths[] = {
        {"Hex", 86},   {"Type", kTypePanelWidth},
        {"Mode", 132}, {"OnTop", 132},
        {"CAPS", 44},  {"SCRL", 44},
        {"NUM", 44},   {"INS", 40},
        {"KANA", 48},
    };
    for (const auto& [panel, width] : kWidths)
        if (panel == key) return width;
    return 0;
}

// Empties a layout without touching the widgets it placed.
void ClearLayout(QLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QLayout* child = item->layout()) ClearLayout(child);
        delete item;
    }
}

}  // namespace

void MainWindow::BuildControls() {
    setObjectName("fwMain");
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    // The panels above the status bars, always at their own size; on a screen too small for
    // them the window shows what fits and scrolls to the rest (the window's size is set by the
    // resize rules, FitToContent).
    auto* scroll = Named(new ContentScrollArea(this), "pbScroll");
    auto* content = Named(new QWidget(scroll), "pbContent");
    content_ = content;
    auto* panels = new QVBoxLayout(content);
    panels->setContentsMargins(0, 0, 0, 0);
    panels->setSpacing(0);
    panels->setSizeConstraint(QLayout::SetFixedSize);

    panels->addWidget(BuildMainPanel(content));

    panels->addWidget(BuildLowerPanel(content));
    scroll->setWidget(content);
    root->addWidget(scroll);
    lower_.on_top->setEnabled(ClientPlacesWindows());  // greyed where void; its setting is kept

    // Controls of parts of the window that are not wired yet stay visible but disabled, so that
    // the layout is the finished one: the buttons that open other windows.
    for (QWidget* w : std::initializer_list<QWidget*>{lower_.char_map}) w->setEnabled(false);

    BuildStatusBars(root);
    BuildMenus();
    const QIcon check = CheckIcon(palette().color(QPalette::Disabled, QPalette::Text));
    upper_.font_items->SetCheckIcon(check);
    upper_.range_items->SetCheckIcon(check);
    // The track of the scroll bar: its height less the two arrow buttons.
    model_.SetScrollTrackPixels(
        upper_.scroll_bar->height() -
        2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, upper_.scroll_bar));
    model_.Subranges().SetViewWidth(kRangeListWidth);
    model_.Fonts().SetViewWidth(kFontListWidth - 4);
    ContextHelp::ApplyToolTips(this);
}

// pbMain: the font and subrange lists and the search frame left of the table block.
QWidget* MainWindow::BuildMainPanel(QWidget* content) {
    upper_.panel = Named(new QWidget(content), "pbMain");
    auto* main_row = new QHBoxLayout(upper_.panel);
    main_row->setContentsMargins(kMargin, kMargin, kMargin, kGap / 2);
    main_row->setSpacing(kGap);

    auto* left = new QWidget(upper_.panel);
    left->setObjectName("pbLeft");
    left->setFixedWidth(kLeftColumn);
    auto* left_column = new QVBoxLayout(left);
    left_column->setContentsMargins(0, 0, 0, 0);
    left_column->setSpacing(kInnerGap);
    auto* lists_row = new QHBoxLayout;
    lists_row->setSpacing(kInnerGap);
    left_column->addLayout(lists_row, 1);

    BuildFontAndRangeLists(left, lists_row);
    BuildSearchFrame(left, left_column);
    main_row->addWidget(left);

    main_row->addWidget(BuildTableBlock(upper_.panel), 0, Qt::AlignTop);
    // When the lower panel is the wider one, the room it adds stays right of the table, which
    // keeps its place whatever the mode.
    main_row->addStretch(1);
    return upper_.panel;
}

// pbDown: the character view, the format and picture frames, the copy and preview boxes and the
// buttons; Arrange lays them out for the mode.
QWidget* MainWindow::BuildLowerPanel(QWidget* content) {
    lower_.panel = Named(new QWidget(content), "pbDown");
    lower_.layout = new QVBoxLayout(lower_.panel);
    lower_.layout->setContentsMargins(kMargin, kGap / 2, kMargin, kMargin);
    lower_.layout->setSpacing(kInnerGap);

    char_view_->setParent(lower_.panel);  // made first: the model measures with its font
    lower_.view_pattern = Named(new QCheckBox("&View Pattern", lower_.panel), "chView");
    lower_.view_pattern->setEnabled(false);

    BuildFormatFrame(lower_.panel);
    BuildPictureFrame(lower_.panel);
    BuildCopyControls(lower_.panel);
    return lower_.panel;
}

// The font list and the Subranges list side by side, each with its label and button.
void MainWindow::BuildFontAndRangeLists(QWidget* left, QBoxLayout* row) {
    upper_.font_items = new ListAdapter(this);
    upper_.range_items = new ListAdapter(this);

    upper_.font_panel = Named(new QWidget(left), "pbFont");
    upper_.font_panel->setFixedWidth(kFontListWidth);
    auto* font_column = new QVBoxLayout(upper_.font_panel);
    font_column->setContentsMargins(0, 0, 0, 0);
    font_column->setSpacing(4);
    upper_.font_label = Named(new QLabel(" Font:", upper_.font_panel), "tlFont");
    upper_.font_list = new NameListView("lvFont", upper_.font_items, upper_.font_panel);
    upper_.font_label->setBuddy(upper_.font_list);
    upper_.properties = Named(new QPushButton("&Properties", upper_.font_panel), "bbFont");
    font_column->addWidget(upper_.font_label);
    font_column->addWidget(upper_.font_list, 1);
    font_column->addWidget(upper_.properties);
    row->addWidget(upper_.font_panel);

    upper_.range_panel = Named(new QWidget(left), "pbRange");
    upper_.range_panel->setFixedWidth(kRangeListWidth);
    auto* range_column = new QVBoxLayout(upper_.range_panel);
    range_column->setContentsMargins(0, 0, 0, 0);
    range_column->setSpacing(4);
    auto* range_head = new QHBoxLayout;
    upper_.range_label = Named(new QLabel(" Subranges:", upper_.range_panel), "tlRange");
    upper_.range_drop = Named(new QToolButton(upper_.range_panel), "bbRange");
    upper_.range_drop->setArrowType(Qt::DownArrow);
    upper_.range_drop->setAutoRaise(true);
    upper_.range_drop->setFixedSize(18, 16);
    range_head->addWidget(upper_.range_label, 1);
    range_head->addWidget(upper_.range_drop);
    upper_.range_list = new NameListView("lvRange", upper_.range_items, upper_.range_panel);
    upper_.range_label->setBuddy(upper_.range_list);
    upper_.show_all = Named(new QCheckBox("Show A&ll", upper_.range_panel), "chRange");
    range_column->addLayout(range_head);
    range_column->addWidget(upper_.range_list, 1);
    range_column->addWidget(upper_.show_all);
    row->addWidget(upper_.range_panel);
}

// fbSearch: go to a code, a symbol, or search by name or entity.
void MainWindow::BuildSearchFrame(QWidget* left, QBoxLayout* column) {
    lower_.search_frame = Named(new QGroupBox(" Search ", left), "fbSearch");
    auto* search_grid = new QGridLayout(lower_.search_frame);
    search_grid->setContentsMargins(8, 4, 8, 8);
    search_grid->setVerticalSpacing(4);
    search_controls_.options[0] =
        Named(new QRadioButton("&Go to (Hex):", lower_.search_frame), "obSearch0");
    search_controls_.options[1] =
        Named(new QRadioButton("For &Symbol:", lower_.search_frame), "obSearch1");
    search_controls_.options[2] =
        Named(new QRadioButton("Search by &Name/Entity:", lower_.search_frame), "obSearch2");
    search_controls_.code_box = Named(new QLineEdit(lower_.search_frame), "tbGoTo");
    search_controls_.code_box->setMaxLength(4);
    search_controls_.code_box->setFixedWidth(64);
    search_controls_.symbol_box = Named(new QLineEdit(lower_.search_frame), "tbSearch");
    search_controls_.symbol_box->setMaxLength(1);
    search_controls_.symbol_box->setFixedWidth(64);
    search_controls_.text_box = Named(new FittedComboBox(lower_.search_frame), "cbSearch");
    search_controls_.text_box->setEditable(true);
    search_controls_.text_box->setMaxVisibleItems(20);
    search_controls_.text_box->setInsertPolicy(QComboBox::NoInsert);
    search_controls_.button = Named(new QPushButton("S&earch", lower_.search_frame), "bbSearch");
    search_grid->addWidget(search_controls_.options[0], 0, 0);
    search_grid->addWidget(search_controls_.code_box, 0, 1, Qt::AlignLeft);
    search_grid->addWidget(search_controls_.options[1], 1, 0);
    search_grid->addWidget(search_controls_.symbol_box, 1, 1, Qt::AlignLeft);
    search_grid->addWidget(search_controls_.options[2], 2, 0, 1, 3);
    search_grid->addWidget(search_controls_.text_box, 3, 0, 1, 2);
    search_grid->addWidget(search_controls_.button, 3, 2);
    search_grid->setColumnStretch(1, 1);
    column->addWidget(lower_.search_frame);
}

// The subrange box over the character table and its scroll bar.
QWidget* MainWindow::BuildTableBlock(QWidget* parent) {
    upper_.grid = Named(new QWidget(parent), "pbGrid");
    auto* grid = new QGridLayout(upper_.grid);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(kInnerGap);
    upper_.range_combo = Named(new FittedComboBox(upper_.grid), "cbRange");
    // A list of twenty names that scrolls, not one as tall as the screen: the styles that place
    // the list like a menu over the box ignore the number of visible items.
    upper_.range_combo->setMaxVisibleItems(20);
    upper_.range_combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    upper_.table = new CharTable(model_, names_, upper_.grid);
    upper_.scroll_bar = Named(new QScrollBar(Qt::Vertical, upper_.grid), "sbTable");
    upper_.scroll_bar->setSingleStep(ScrollBarState::kSmallChange);
    upper_.scroll_bar->setPageStep(ScrollBarState::kLargeChange);
    // Beside the rows of cells, below the column headers.
    upper_.scroll_bar->setFixedHeight(MainWindowModel::kRows * CharTable::kPitch + 1);
    grid->addWidget(upper_.range_combo, 0, 0, 1, 2);
    grid->addWidget(upper_.table, 1, 0);
    grid->addWidget(upper_.scroll_bar, 1, 1, Qt::AlignBottom);
    return upper_.grid;
}

// fbFormat: the twelve formats, the code page and the entity boxes.
void MainWindow::BuildFormatFrame(QWidget* parent) {
    lower_.format_frame = Named(new QGroupBox(" For&mat to copy:", parent), "fbFormat");
    auto* format_grid = new QGridLayout(lower_.format_frame);
    format_grid->setContentsMargins(8, 4, 8, 8);
    format_grid->setVerticalSpacing(2);
    for (int i = 0; i < kCopyFormatCount; ++i)
        copy_controls_.formats[i] =
            Named(new QRadioButton(Caption(static_cast<CopyFormat>(i)), lower_.format_frame),
                  QString("obFormat%1").arg(i));
    // Three columns; the two formats with a list of their own get room for it.
    const int places[kCopyFormatCount][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1},
                                             {2, 1}, {3, 1}, {4, 0}, {0, 2}, {1, 2}, {2, 2}};
    for (int i = 0; i < kCopyFormatCount; ++i)
        format_grid->addWidget(copy_controls_.formats[i], places[i][0], places[i][1]);
    copy_controls_.code_page = Named(new FittedComboBox(lower_.format_frame), "cbCharSet");
    for (const CodePageRow& row : kCodePageList)
        copy_controls_.code_page->addItem(
            QString::fromUtf8(row.name.data(), static_cast<int>(row.name.size())), row.code_page);
    copy_controls_.code_page->setMaxVisibleItems(static_cast<int>(kCodePageList.size()));
    copy_controls_.entity = Named(new FittedComboBox(lower_.format_frame), "cbEntity");
    copy_controls_.entity->setMinimumWidth(96);
    copy_controls_.entity_label = Named(new QLabel(lower_.format_frame), "tlEntity");
    copy_controls_.entity_label->setMinimumWidth(16);
    auto* entity_row = new QHBoxLayout;
    entity_row->setSpacing(4);
    entity_row->addSpacing(20);
    entity_row->addWidget(copy_controls_.entity, 1);
    entity_row->addWidget(copy_controls_.entity_label);
    format_grid->addLayout(entity_row, 3, 2);
    format_grid->addWidget(copy_controls_.code_page, 4, 1, 1, 2);
}

// fbPicture: the picture's size, style and colours.
void MainWindow::BuildPictureFrame(QWidget* parent) {
    lower_.picture_frame = Named(new QGroupBox(" Picture:", parent), "fbPicture");
    auto* picture_grid = new QGridLayout(lower_.picture_frame);
    picture_grid->setContentsMargins(8, 4, 8, 8);
    picture_grid->setVerticalSpacing(2);
    picture_controls_.size_label = Named(new QLabel("Si&ze:", lower_.picture_frame), "tlPicture");
    picture_controls_.size_box = Named(new QComboBox(lower_.picture_frame), "cbPicture");
    picture_controls_.size_box->setEditable(true);
    picture_controls_.size_box->setInsertPolicy(QComboBox::NoInsert);
    for (int size : kPictureSizes) picture_controls_.size_box->addItem(QString::number(size));
    picture_controls_.size_box->setFixedWidth(64);
    picture_controls_.size_label->setBuddy(picture_controls_.size_box);
    picture_controls_.size_limit_label = Named(new QLabel(lower_.picture_frame), "tlPicture2");
    const char* style_captions[kPictureStyleCount] = {"Bol&d", "&Italic", "&Underline",
                                                      "Stri&keout"};
    for (int i = 0; i < kPictureStyleCount; ++i)
        picture_controls_.styles[i] = Named(new QCheckBox(style_captions[i], lower_.picture_frame),
                                            QString("chPicture%1").arg(i));
    picture_controls_.colours[0] =
        Named(new QPushButton("&ForeColor...", lower_.picture_frame), "bbPicture0");
    picture_controls_.colours[1] =
        Named(new QPushButton("&BackColor...", lower_.picture_frame), "bbPicture1");
    auto* size_row = new QHBoxLayout;
    size_row->addWidget(picture_controls_.size_label);
    size_row->addWidget(picture_controls_.size_box);
    size_row->addWidget(picture_controls_.size_limit_label, 1);
    picture_grid->addLayout(size_row, 0, 0, 1, 2);
    picture_grid->addWidget(picture_controls_.styles[0], 1, 0);
    picture_grid->addWidget(picture_controls_.styles[1], 1, 1);
    picture_grid->addWidget(picture_controls_.styles[2], 2, 0);
    picture_grid->addWidget(picture_controls_.styles[3], 2, 1);
    picture_grid->addWidget(picture_controls_.colours[0], 3, 0, 1, 2);
    picture_grid->addWidget(picture_controls_.colours[1], 4, 0, 1, 2);
}

// The To-copy and preview boxes and the window's buttons and check boxes.
void MainWindow::BuildCopyControls(QWidget* parent) {
    lower_.copy_label = Named(new QLabel("To cop&y:", parent), "tlCopy");
    copy_controls_.copy_box = Named(new QLineEdit(lower_.panel), "tbCopy");
    copy_controls_.copy_box->setMaxLength(32767);
    // It takes the chosen font: its height stays that of the window's font, so that a font
    // choice never changes the layout.
    copy_controls_.copy_box->setFixedHeight(copy_controls_.copy_box->sizeHint().height());
    lower_.copy_label->setBuddy(copy_controls_.copy_box);
    copy_controls_.copy = Named(new QPushButton("&Copy", parent), "bbCopy");
    lower_.preview_label = Named(new QLabel("Clipboard Previe&w:", parent), "tlPreview");
    copy_controls_.preview = Named(new FittedComboBox(lower_.panel), "cbPreview");
    lower_.preview_label->setBuddy(copy_controls_.preview);
    copy_controls_.preview_charset =
        Named(new QCheckBox("Show with charse&t", parent), "chPreview");
    copy_controls_.reset = Named(new QPushButton("&Reset", parent), "bbReset");
    lower_.about = Named(new QPushButton("&About...", parent), "bbAbout");
    lower_.help = Named(new QPushButton("What's This?", parent), "bbHelp");
    lower_.char_map = Named(new QPushButton("C&haracter Map", parent), "bbCharMap");
    lower_.close = Named(new QPushButton("&Quit", parent), "bbClose");
    lower_.expanded = Named(new QCheckBox("E&xpanded Mode", parent), "chMode");
    lower_.on_top = Named(new QCheckBox("Always on T&op", parent), "chOnTop");
}

// The two status bars, with the Type button and the mode check boxes on their panels.
void MainWindow::BuildStatusBars(QBoxLayout* root) {
    for (int bar = 0; bar < 2; ++bar)
        lower_.status_bars[bar] = new StatusBar(bar, PanelWidth, this);
    lower_.type_button = Named(new QToolButton(lower_.status_bars[0]->Panel("Type")), "pbType");
    lower_.type_button->setArrowType(Qt::DownArrow);
    lower_.type_button->setAutoRaise(true);
    lower_.type_button->setFixedSize(16, 14);
    lower_.type_button->hide();
    lower_.status_bars[0]->PanelLayout("Type")->addWidget(lower_.type_button, 0, Qt::AlignVCenter);
    lower_.status_bars[1]->PanelLayout("OnTop")->addWidget(lower_.on_top);
    // The two check boxes sit on their panels: the panels are as wide as the wider of them.
    const int box_panel = std::max(
        {132, lower_.expanded->sizeHint().width() + 12, lower_.on_top->sizeHint().width() + 12});
    lower_.status_bars[1]->Panel("Mode")->setFixedWidth(box_panel);
    lower_.status_bars[1]->Panel("OnTop")->setFixedWidth(box_panel);
    root->addWidget(lower_.status_bars[0]);
    root->addWidget(lower_.status_bars[1]);
    model_.Status().SetTypePanelWidth(kTypePanelWidth - 24);
}

// The cells' and the Type button's menus.
void MainWindow::BuildMenus() {
    menus_.cell = Named(new QMenu("&Cell", this), "mCell");
    menus_.mark = menus_.cell->addAction("&Mark");
    menus_.mark->setObjectName("mCellMark");
    menus_.mark->setCheckable(true);
    menus_.fonts_with_char = menus_.cell->addAction("&Fonts with This Character\u2026");
    menus_.fonts_with_char->setObjectName("mCellFonts");
    // Shown in the menu; the window's own shortcut (ConnectControls) works without it.
    menus_.fonts_with_char->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    menus_.type = Named(new QMenu("&Type", this), "mType");
    for (int i = 0; i < 3; ++i) {
        menus_.type_entries[i] = menus_.type->addAction(QString());
        menus_.type_entries[i]->setObjectName(QString("mTypeList%1").arg(i + 1));
        menus_.type_entries[i]->setVisible(false);
    }
}

bool MainWindow::Expanded() const { return lower_.expanded->isChecked(); }

void MainWindow::Arrange() {
    const bool expanded = Expanded();
    for (QWidget* w : std::initializer_list<QWidget*>{
             upper_.font_panel, upper_.range_panel, lower_.search_frame, lower_.on_top,
             lower_.preview_label, copy_controls_.preview, copy_controls_.preview_charset,
             lower_.format_frame, lower_.picture_frame, char_view_, lower_.view_pattern,
             copy_controls_.reset, lower_.about, lower_.char_map, lower_.help,
             lower_.status_bars[0], lower_.status_bars[1]})
        w->setVisible(expanded);
    upper_.panel->findChild<QWidget*>("pbLeft")->setVisible(expanded);
    ClearLayout(lower_.layout);
    if (expanded)
        ArrangeExpanded();
    else
        ArrangeCompact();
    // The panels take their new size now, inside out, and the window's layout learns it.
    for (QWidget* panel : {lower_.panel, upper_.panel, content_, static_cast<QWidget*>(this)})
        panel->layout()->activate();
    SetTabOrder();
}

void MainWindow::SetTabOrder() {
    // The Tab key goes through the controls as they are read: panel by panel, left to right and
    // top to bottom. Hidden and disabled controls are passed over by Qt itself.
    std::vector<QWidget*> order{upper_.font_list, upper_.properties, upper_.range_drop,
                                upper_.range_list, upper_.show_all};
    order.insert(order.end(), search_controls_.options.begin(), search_controls_.options.end());
    order.insert(order.end(),
                 {search_controls_.code_box, search_controls_.symbol_box, search_controls_.text_box,
                  search_controls_.button, upper_.range_combo, upper_.table, lower_.view_pattern});
    order.insert(order.end(), copy_controls_.formats.begin(), copy_controls_.formats.end());
    order.insert(order.end(),
                 {copy_controls_.code_page, copy_controls_.entity, picture_controls_.size_box});
    order.insert(order.end(), picture_controls_.styles.begin(), picture_controls_.styles.end());
    order.insert(order.end(), picture_controls_.colours.begin(), picture_controls_.colours.end());
    order.insert(order.end(), {lower_.about, lower_.char_map, lower_.help});
    if (Expanded()) {
        order.insert(order.end(),
                     {lower_.close, copy_controls_.copy_box, copy_controls_.copy,
                      copy_controls_.reset, copy_controls_.preview, copy_controls_.preview_charset,
                      lower_.type_button, lower_.expanded});
    } else {
        // The mode box stands above the copy row, Quit at its end.
        order.insert(order.end(),
                     {lower_.expanded, copy_controls_.copy_box, copy_controls_.copy, lower_.close});
    }
    order.push_back(lower_.on_top);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::ArrangeCompact() {
    auto* head = new QHBoxLayout;
    head->addWidget(lower_.copy_label, 1, Qt::AlignBottom);
    head->addWidget(lower_.expanded);
    auto* row = new QHBoxLayout;
    row->addWidget(copy_controls_.copy_box, 1);
    row->addWidget(copy_controls_.copy);
    row->addWidget(lower_.close);
    lower_.layout->addLayout(head);
    lower_.layout->addLayout(row);
    lower_.expanded->setParent(lower_.panel);
    lower_.expanded->show();
}

void MainWindow::ArrangeExpanded() {
    auto* frames = new QHBoxLayout;
    frames->setSpacing(kInnerGap);
    auto* view_column = new QVBoxLayout;
    view_column->setSpacing(4);
    view_column->addWidget(char_view_);
    view_column->addWidget(lower_.view_pattern);
    view_column->addStretch(1);
    frames->addLayout(view_column);
    frames->addWidget(lower_.format_frame, 1);
    frames->addWidget(lower_.picture_frame);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(kInnerGap);
    buttons->setContentsMargins(0, 7, 0, 0);
    buttons->addWidget(lower_.about);
    buttons->addWidget(lower_.char_map);
    buttons->addWidget(lower_.help);
    buttons->addStretch(1);
    buttons->addWidget(lower_.close);
    frames->addLayout(buttons);
    lower_.layout->addLayout(frames);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(kInnerGap);
    boxes->setVerticalSpacing(kInnerGap);
    boxes->addWidget(lower_.copy_label, 0, 0);
    boxes->addWidget(copy_controls_.copy_box, 0, 1);
    boxes->addWidget(copy_controls_.copy, 0, 2);
    boxes->addWidget(copy_controls_.reset, 0, 3);
    boxes->addWidget(lower_.preview_label, 1, 0);
    boxes->addWidget(copy_controls_.preview, 1, 1);
    boxes->addWidget(copy_controls_.preview_charset, 1, 2, 1, 2);
    boxes->setColumnStretch(1, 1);
    lower_.layout->addLayout(boxes);

    lower_.status_bars[1]->PanelLayout("Mode")->addWidget(lower_.expanded);
    lower_.expanded->show();
}

}  // namespace glyphora
