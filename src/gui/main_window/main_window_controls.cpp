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
    chOnTop->setEnabled(ClientPlacesWindows());  // greyed where void; its setting is kept

    // Controls of parts of the window that are not wired yet stay visible but disabled, so that
    // the layout is the finished one: the buttons that open other windows.
    for (QWidget* w : std::initializer_list<QWidget*>{bbCharMap}) w->setEnabled(false);

    BuildStatusBars(root);
    BuildMenus();
    const QIcon check = CheckIcon(palette().color(QPalette::Disabled, QPalette::Text));
    font_items_->SetCheckIcon(check);
    range_items_->SetCheckIcon(check);
    // The track of the scroll bar: its height less the two arrow buttons.
    model_.SetScrollTrackPixels(
        sbTable->height() - 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sbTable));
    model_.Subranges().SetViewWidth(kRangeListWidth);
    model_.Fonts().SetViewWidth(kFontListWidth - 4);
    ContextHelp::ApplyToolTips(this);
}

// pbMain: the font and subrange lists and the search frame left of the table block.
QWidget* MainWindow::BuildMainPanel(QWidget* content) {
    pbMain = Named(new QWidget(content), "pbMain");
    auto* main_row = new QHBoxLayout(pbMain);
    main_row->setContentsMargins(kMargin, kMargin, kMargin, kGap / 2);
    main_row->setSpacing(kGap);

    auto* left = new QWidget(pbMain);
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

    main_row->addWidget(BuildTableBlock(pbMain), 0, Qt::AlignTop);
    // When the lower panel is the wider one, the room it adds stays right of the table, which
    // keeps its place whatever the mode.
    main_row->addStretch(1);
    return pbMain;
}

// pbDown: the character view, the format and picture frames, the copy and preview boxes and the
// buttons; Arrange lays them out for the mode.
QWidget* MainWindow::BuildLowerPanel(QWidget* content) {
    pbDown = Named(new QWidget(content), "pbDown");
    down_layout_ = new QVBoxLayout(pbDown);
    down_layout_->setContentsMargins(kMargin, kGap / 2, kMargin, kMargin);
    down_layout_->setSpacing(kInnerGap);

    pbView->setParent(pbDown);  // made first: the model measures with its font
    chView = Named(new QCheckBox("&View Pattern", pbDown), "chView");
    chView->setEnabled(false);

    BuildFormatFrame(pbDown);
    BuildPictureFrame(pbDown);
    BuildCopyControls(pbDown);
    return pbDown;
}

// The font list and the Subranges list side by side, each with its label and button.
void MainWindow::BuildFontAndRangeLists(QWidget* left, QBoxLayout* row) {
    font_items_ = new ListAdapter(this);
    range_items_ = new ListAdapter(this);

    pbFont = Named(new QWidget(left), "pbFont");
    pbFont->setFixedWidth(kFontListWidth);
    auto* font_column = new QVBoxLayout(pbFont);
    font_column->setContentsMargins(0, 0, 0, 0);
    font_column->setSpacing(4);
    tlFont = Named(new QLabel(" Font:", pbFont), "tlFont");
    lvFont = new NameListView("lvFont", font_items_, pbFont);
    tlFont->setBuddy(lvFont);
    bbFont = Named(new QPushButton("&Properties", pbFont), "bbFont");
    font_column->addWidget(tlFont);
    font_column->addWidget(lvFont, 1);
    font_column->addWidget(bbFont);
    row->addWidget(pbFont);

    pbRange = Named(new QWidget(left), "pbRange");
    pbRange->setFixedWidth(kRangeListWidth);
    auto* range_column = new QVBoxLayout(pbRange);
    range_column->setContentsMargins(0, 0, 0, 0);
    range_column->setSpacing(4);
    auto* range_head = new QHBoxLayout;
    tlRange = Named(new QLabel(" Subranges:", pbRange), "tlRange");
    bbRange = Named(new QToolButton(pbRange), "bbRange");
    bbRange->setArrowType(Qt::DownArrow);
    bbRange->setAutoRaise(true);
    bbRange->setFixedSize(18, 16);
    range_head->addWidget(tlRange, 1);
    range_head->addWidget(bbRange);
    lvRange = new NameListView("lvRange", range_items_, pbRange);
    tlRange->setBuddy(lvRange);
    chRange = Named(new QCheckBox("Show A&ll", pbRange), "chRange");
    range_column->addLayout(range_head);
    range_column->addWidget(lvRange, 1);
    range_column->addWidget(chRange);
    row->addWidget(pbRange);
}

// fbSearch: go to a code, a symbol, or search by name or entity.
void MainWindow::BuildSearchFrame(QWidget* left, QBoxLayout* column) {
    fbSearch = Named(new QGroupBox(" Search ", left), "fbSearch");
    auto* search_grid = new QGridLayout(fbSearch);
    search_grid->setContentsMargins(8, 4, 8, 8);
    search_grid->setVerticalSpacing(4);
    obSearch[0] = Named(new QRadioButton("&Go to (Hex):", fbSearch), "obSearch0");
    obSearch[1] = Named(new QRadioButton("For &Symbol:", fbSearch), "obSearch1");
    obSearch[2] = Named(new QRadioButton("Search by &Name/Entity:", fbSearch), "obSearch2");
    tbGoTo = Named(new QLineEdit(fbSearch), "tbGoTo");
    tbGoTo->setMaxLength(4);
    tbGoTo->setFixedWidth(64);
    tbSearch = Named(new QLineEdit(fbSearch), "tbSearch");
    tbSearch->setMaxLength(1);
    tbSearch->setFixedWidth(64);
    cbSearch = Named(new FittedComboBox(fbSearch), "cbSearch");
    cbSearch->setEditable(true);
    cbSearch->setMaxVisibleItems(20);
    cbSearch->setInsertPolicy(QComboBox::NoInsert);
    bbSearch = Named(new QPushButton("S&earch", fbSearch), "bbSearch");
    search_grid->addWidget(obSearch[0], 0, 0);
    search_grid->addWidget(tbGoTo, 0, 1, Qt::AlignLeft);
    search_grid->addWidget(obSearch[1], 1, 0);
    search_grid->addWidget(tbSearch, 1, 1, Qt::AlignLeft);
    search_grid->addWidget(obSearch[2], 2, 0, 1, 3);
    search_grid->addWidget(cbSearch, 3, 0, 1, 2);
    search_grid->addWidget(bbSearch, 3, 2);
    search_grid->setColumnStretch(1, 1);
    column->addWidget(fbSearch);
}

// The subrange box over the character table and its scroll bar.
QWidget* MainWindow::BuildTableBlock(QWidget* parent) {
    pbGrid = Named(new QWidget(parent), "pbGrid");
    auto* grid = new QGridLayout(pbGrid);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(kInnerGap);
    cbRange = Named(new FittedComboBox(pbGrid), "cbRange");
    // A list of twenty names that scrolls, not one as tall as the screen: the styles that place
    // the list like a menu over the box ignore the number of visible items.
    cbRange->setMaxVisibleItems(20);
    cbRange->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    pbTable = new CharTable(model_, names_, pbGrid);
    sbTable = Named(new QScrollBar(Qt::Vertical, pbGrid), "sbTable");
    sbTable->setSingleStep(ScrollBarState::kSmallChange);
    sbTable->setPageStep(ScrollBarState::kLargeChange);
    // Beside the rows of cells, below the column headers.
    sbTable->setFixedHeight(MainWindowModel::kRows * CharTable::kPitch + 1);
    grid->addWidget(cbRange, 0, 0, 1, 2);
    grid->addWidget(pbTable, 1, 0);
    grid->addWidget(sbTable, 1, 1, Qt::AlignBottom);
    return pbGrid;
}

// fbFormat: the twelve formats, the code page and the entity boxes.
void MainWindow::BuildFormatFrame(QWidget* parent) {
    fbFormat = Named(new QGroupBox(" For&mat to copy:", parent), "fbFormat");
    auto* format_grid = new QGridLayout(fbFormat);
    format_grid->setContentsMargins(8, 4, 8, 8);
    format_grid->setVerticalSpacing(2);
    for (int i = 0; i < kCopyFormatCount; ++i)
        obFormat[i] = Named(new QRadioButton(Caption(static_cast<CopyFormat>(i)), fbFormat),
                            QString("obFormat%1").arg(i));
    // Three columns; the two formats with a list of their own get room for it.
    const int places[kCopyFormatCount][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1},
                                             {2, 1}, {3, 1}, {4, 0}, {0, 2}, {1, 2}, {2, 2}};
    for (int i = 0; i < kCopyFormatCount; ++i)
        format_grid->addWidget(obFormat[i], places[i][0], places[i][1]);
    cbCharSet = Named(new FittedComboBox(fbFormat), "cbCharSet");
    for (const CodePageRow& row : kCodePageList)
        cbCharSet->addItem(QString::fromUtf8(row.name.data(), static_cast<int>(row.name.size())),
                           row.code_page);
    cbCharSet->setMaxVisibleItems(static_cast<int>(kCodePageList.size()));
    cbEntity = Named(new FittedComboBox(fbFormat), "cbEntity");
    cbEntity->setMinimumWidth(96);
    tlEntity = Named(new QLabel(fbFormat), "tlEntity");
    tlEntity->setMinimumWidth(16);
    auto* entity_row = new QHBoxLayout;
    entity_row->setSpacing(4);
    entity_row->addSpacing(20);
    entity_row->addWidget(cbEntity, 1);
    entity_row->addWidget(tlEntity);
    format_grid->addLayout(entity_row, 3, 2);
    format_grid->addWidget(cbCharSet, 4, 1, 1, 2);
}

// fbPicture: the picture's size, style and colours.
void MainWindow::BuildPictureFrame(QWidget* parent) {
    fbPicture = Named(new QGroupBox(" Picture:", parent), "fbPicture");
    auto* picture_grid = new QGridLayout(fbPicture);
    picture_grid->setContentsMargins(8, 4, 8, 8);
    picture_grid->setVerticalSpacing(2);
    tlPicture = Named(new QLabel("Si&ze:", fbPicture), "tlPicture");
    cbPicture = Named(new QComboBox(fbPicture), "cbPicture");
    cbPicture->setEditable(true);
    cbPicture->setInsertPolicy(QComboBox::NoInsert);
    for (int size : kPictureSizes) cbPicture->addItem(QString::number(size));
    cbPicture->setFixedWidth(64);
    tlPicture->setBuddy(cbPicture);
    tlPicture2 = Named(new QLabel(fbPicture), "tlPicture2");
    const char* style_captions[kPictureStyleCount] = {"Bol&d", "&Italic", "&Underline",
                                                      "Stri&keout"};
    for (int i = 0; i < kPictureStyleCount; ++i)
        chPicture[i] =
            Named(new QCheckBox(style_captions[i], fbPicture), QString("chPicture%1").arg(i));
    bbPicture[0] = Named(new QPushButton("&ForeColor...", fbPicture), "bbPicture0");
    bbPicture[1] = Named(new QPushButton("&BackColor...", fbPicture), "bbPicture1");
    auto* size_row = new QHBoxLayout;
    size_row->addWidget(tlPicture);
    size_row->addWidget(cbPicture);
    size_row->addWidget(tlPicture2, 1);
    picture_grid->addLayout(size_row, 0, 0, 1, 2);
    picture_grid->addWidget(chPicture[0], 1, 0);
    picture_grid->addWidget(chPicture[1], 1, 1);
    picture_grid->addWidget(chPicture[2], 2, 0);
    picture_grid->addWidget(chPicture[3], 2, 1);
    picture_grid->addWidget(bbPicture[0], 3, 0, 1, 2);
    picture_grid->addWidget(bbPicture[1], 4, 0, 1, 2);
}

// The To-copy and preview boxes and the window's buttons and check boxes.
void MainWindow::BuildCopyControls(QWidget* parent) {
    tlCopy = Named(new QLabel("To cop&y:", parent), "tlCopy");
    tbCopy = Named(new QLineEdit(pbDown), "tbCopy");
    tbCopy->setMaxLength(32767);
    // It takes the chosen font: its height stays that of the window's font, so that a font
    // choice never changes the layout.
    tbCopy->setFixedHeight(tbCopy->sizeHint().height());
    tlCopy->setBuddy(tbCopy);
    bbCopy = Named(new QPushButton("&Copy", parent), "bbCopy");
    tlPreview = Named(new QLabel("Clipboard Previe&w:", parent), "tlPreview");
    cbPreview = Named(new FittedComboBox(pbDown), "cbPreview");
    tlPreview->setBuddy(cbPreview);
    chPreview = Named(new QCheckBox("Show with charse&t", parent), "chPreview");
    bbReset = Named(new QPushButton("&Reset", parent), "bbReset");
    bbAbout = Named(new QPushButton("&About...", parent), "bbAbout");
    bbHelp = Named(new QPushButton("What's This?", parent), "bbHelp");
    bbCharMap = Named(new QPushButton("C&haracter Map", parent), "bbCharMap");
    bbClose = Named(new QPushButton("&Quit", parent), "bbClose");
    chMode = Named(new QCheckBox("E&xpanded Mode", parent), "chMode");
    chOnTop = Named(new QCheckBox("Always on T&op", parent), "chOnTop");
}

// The two status bars, with the Type button and the mode check boxes on their panels.
void MainWindow::BuildStatusBars(QBoxLayout* root) {
    for (int bar = 0; bar < 2; ++bar) pbStatus[bar] = new StatusBar(bar, PanelWidth, this);
    pbType = Named(new QToolButton(pbStatus[0]->Panel("Type")), "pbType");
    pbType->setArrowType(Qt::DownArrow);
    pbType->setAutoRaise(true);
    pbType->setFixedSize(16, 14);
    pbType->hide();
    pbStatus[0]->PanelLayout("Type")->addWidget(pbType, 0, Qt::AlignVCenter);
    pbStatus[1]->PanelLayout("OnTop")->addWidget(chOnTop);
    // The two check boxes sit on their panels: the panels are as wide as the wider of them.
    const int box_panel =
        std::max({132, chMode->sizeHint().width() + 12, chOnTop->sizeHint().width() + 12});
    pbStatus[1]->Panel("Mode")->setFixedWidth(box_panel);
    pbStatus[1]->Panel("OnTop")->setFixedWidth(box_panel);
    root->addWidget(pbStatus[0]);
    root->addWidget(pbStatus[1]);
    model_.Status().SetTypePanelWidth(kTypePanelWidth - 24);
}

// The cells' and the Type button's menus.
void MainWindow::BuildMenus() {
    mCell = Named(new QMenu("&Cell", this), "mCell");
    mCellMark = mCell->addAction("&Mark");
    mCellMark->setObjectName("mCellMark");
    mCellMark->setCheckable(true);
    mCellFonts = mCell->addAction("&Fonts with This Character\u2026");
    mCellFonts->setObjectName("mCellFonts");
    // Shown in the menu; the window's own shortcut (ConnectControls) works without it.
    mCellFonts->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    mType = Named(new QMenu("&Type", this), "mType");
    for (int i = 0; i < 3; ++i) {
        mTypeList[i] = mType->addAction(QString());
        mTypeList[i]->setObjectName(QString("mTypeList%1").arg(i + 1));
        mTypeList[i]->setVisible(false);
    }
}

bool MainWindow::Expanded() const { return chMode->isChecked(); }

void MainWindow::Arrange() {
    const bool expanded = Expanded();
    for (QWidget* w :
         std::initializer_list<QWidget*>{pbFont, pbRange, fbSearch, chOnTop, tlPreview, cbPreview,
                                         chPreview, fbFormat, fbPicture, pbView, chView, bbReset,
                                         bbAbout, bbCharMap, bbHelp, pbStatus[0], pbStatus[1]})
        w->setVisible(expanded);
    pbMain->findChild<QWidget*>("pbLeft")->setVisible(expanded);
    ClearLayout(down_layout_);
    if (expanded)
        ArrangeExpanded();
    else
        ArrangeCompact();
    // The panels take their new size now, inside out, and the window's layout learns it.
    for (QWidget* panel : {pbDown, pbMain, content_, static_cast<QWidget*>(this)})
        panel->layout()->activate();
    SetTabOrder();
}

void MainWindow::SetTabOrder() {
    // The Tab key goes through the controls as they are read: panel by panel, left to right and
    // top to bottom. Hidden and disabled controls are passed over by Qt itself.
    std::vector<QWidget*> order{lvFont, bbFont, bbRange, lvRange, chRange};
    order.insert(order.end(), obSearch.begin(), obSearch.end());
    order.insert(order.end(), {tbGoTo, tbSearch, cbSearch, bbSearch, cbRange, pbTable, chView});
    order.insert(order.end(), obFormat.begin(), obFormat.end());
    order.insert(order.end(), {cbCharSet, cbEntity, cbPicture});
    order.insert(order.end(), chPicture.begin(), chPicture.end());
    order.insert(order.end(), bbPicture.begin(), bbPicture.end());
    order.insert(order.end(), {bbAbout, bbCharMap, bbHelp});
    if (Expanded()) {
        order.insert(order.end(),
                     {bbClose, tbCopy, bbCopy, bbReset, cbPreview, chPreview, pbType, chMode});
    } else {
        // The mode box stands above the copy row, Quit at its end.
        order.insert(order.end(), {chMode, tbCopy, bbCopy, bbClose});
    }
    order.push_back(chOnTop);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::ArrangeCompact() {
    auto* head = new QHBoxLayout;
    head->addWidget(tlCopy, 1, Qt::AlignBottom);
    head->addWidget(chMode);
    auto* row = new QHBoxLayout;
    row->addWidget(tbCopy, 1);
    row->addWidget(bbCopy);
    row->addWidget(bbClose);
    down_layout_->addLayout(head);
    down_layout_->addLayout(row);
    chMode->setParent(pbDown);
    chMode->show();
}

void MainWindow::ArrangeExpanded() {
    auto* frames = new QHBoxLayout;
    frames->setSpacing(kInnerGap);
    auto* view_column = new QVBoxLayout;
    view_column->setSpacing(4);
    view_column->addWidget(pbView);
    view_column->addWidget(chView);
    view_column->addStretch(1);
    frames->addLayout(view_column);
    frames->addWidget(fbFormat, 1);
    frames->addWidget(fbPicture);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(kInnerGap);
    buttons->setContentsMargins(0, 7, 0, 0);
    buttons->addWidget(bbAbout);
    buttons->addWidget(bbCharMap);
    buttons->addWidget(bbHelp);
    buttons->addStretch(1);
    buttons->addWidget(bbClose);
    frames->addLayout(buttons);
    down_layout_->addLayout(frames);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(kInnerGap);
    boxes->setVerticalSpacing(kInnerGap);
    boxes->addWidget(tlCopy, 0, 0);
    boxes->addWidget(tbCopy, 0, 1);
    boxes->addWidget(bbCopy, 0, 2);
    boxes->addWidget(bbReset, 0, 3);
    boxes->addWidget(tlPreview, 1, 0);
    boxes->addWidget(cbPreview, 1, 1);
    boxes->addWidget(chPreview, 1, 2, 1, 2);
    boxes->setColumnStretch(1, 1);
    down_layout_->addLayout(boxes);

    pbStatus[1]->PanelLayout("Mode")->addWidget(chMode);
    chMode->show();
}

}  // namespace glyphora
