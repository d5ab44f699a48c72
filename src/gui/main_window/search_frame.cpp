#include "main_window/search_frame.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include "base/text.h"
#include "main_window/qt_text.h"
#include "platform/key_commands.h"
#include "table/main_window_model.h"

namespace glyphora {

namespace {

// Shows the model's text and caret in a box, touching it only when the text differs.
void ShowBox(QLineEdit* box, const EditBox& shown) {
    const QString text = Text(shown.text);
    if (box->text() == text) return;
    const QSignalBlocker block(box);
    box->setText(text);
    box->setCursorPosition(static_cast<int>(shown.caret));
}

// Focus lost to the box's own pop-up menu is no focus lost.
bool LostToMenu(QEvent* event) {
    return static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
}

}  // namespace

SearchFrame::SearchFrame(const Controls& controls, MainWindowModel& model,
                         std::function<void()> after, QObject* parent)
    : QObject(parent), c_(controls), model_(model), after_(std::move(after)) {
    // The options only pass the focus on to their boxes: keep them out of the Tab order, or
    // Shift+Tab from a box would land on its option and bounce back to the box.
    for (QRadioButton* option : c_.options) option->setFocusPolicy(Qt::ClickFocus);
    c_.text_box->setMaxCount(static_cast<int>(SearchPanel::kHistoryMax) + 1);
    c_.text_box->setDuplicatesEnabled(false);
    if (QCompleter* completer = c_.text_box->completer()) {
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::InlineCompletion);
    }
    c_.symbol_box->setAccessibleName(c_.options[1]->text().remove(QLatin1Char('&')));
    c_.text_box->lineEdit()->setAccessibleName(c_.options[2]->text().remove(QLatin1Char('&')));
    Connect();
}

void SearchFrame::Connect() {
    const auto after = [this](auto&& handler) {
        return [this, handler](auto&&... args) {
            handler(args...);
            after_();
        };
    };
    SearchPanel& panel = model_.Search();
    connect(c_.button, &QPushButton::clicked, this, after([&panel](bool) { panel.Search(); }));
    connect(c_.code_box, &QLineEdit::textEdited, this, after([this, &panel](const QString& text) {
                panel.GoToTextChanged(text.toStdU16String(),
                                      static_cast<std::size_t>(c_.code_box->cursorPosition()));
            }));
    connect(c_.symbol_box, &QLineEdit::textEdited, this, after([&panel](const QString& text) {
                panel.SymbolTextChanged(text.toStdU16String());
            }));
    // Every change of the edit text, since completing from the history writes the completed text
    // without an edit signal; the frame's own writes are blocked.
    QLineEdit* search_edit = c_.text_box->lineEdit();
    connect(search_edit, &QLineEdit::textChanged, this,
            after([this, &panel, search_edit](const QString& text) {
                panel.SearchTextChanged(text.toStdU16String(),
                                        static_cast<std::size_t>(search_edit->cursorPosition()));
            }));
    connect(c_.text_box, &QComboBox::activated, this, [this, &panel](int index) {
        // Leaving the box makes the combo box choose the entry equal to its text: no choice of
        // the user's, and it would start the search afresh.
        if (leaving_search_box_ || index < 0) return;
        panel.HistoryClicked(static_cast<std::size_t>(index));
        after_();
    });

    for (QRadioButton* option : c_.options) option->installEventFilter(this);
    c_.code_box->installEventFilter(this);
    c_.symbol_box->installEventFilter(this);
    search_edit->installEventFilter(this);
    c_.text_box->installEventFilter(this);
}

bool SearchFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.code_box) return GoToEvent(event);
    if (watched == c_.symbol_box) return SymbolEvent(event);
    if (watched == c_.text_box || watched == c_.text_box->lineEdit()) {
        if (SearchBoxEvent(event, watched == c_.text_box)) return true;
        return QObject::eventFilter(watched, event);
    }
    for (int i = 0; i < 3; ++i) {
        if (watched != c_.options[i]) continue;
        if (event->type() == QEvent::FocusIn) {
            model_.Search().OptionFocusGained(static_cast<SearchOption>(i));
            after_();
        } else if (i == 0 && event->type() == QEvent::MouseButtonDblClick) {
            model_.Search().SwitchGoToNotation();
            after_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool SearchFrame::GoToEvent(QEvent* event) {
    SearchPanel& panel = model_.Search();
    switch (event->type()) {
        case QEvent::FocusIn:
            panel.BoxFocusGained(SearchOption::GoTo);
            after_();
            break;
        case QEvent::FocusOut:
            if (LostToMenu(event)) break;
            panel.GoToFocusLost();
            after_();
            break;
        case QEvent::KeyPress:
            if (panel.GoToKeyDown(BoxKeyOf(*static_cast<QKeyEvent*>(event)))) {
                after_();
                return true;
            }
            break;
        default:
            break;
    }
    return false;
}

bool SearchFrame::SymbolEvent(QEvent* event) {
    SearchPanel& panel = model_.Search();
    switch (event->type()) {
        case QEvent::FocusIn:
            panel.BoxFocusGained(SearchOption::Symbol);
            after_();
            break;
        case QEvent::FocusOut:
            if (LostToMenu(event)) break;
            panel.SymbolFocusLost();
            after_();
            break;
        case QEvent::KeyPress: {
            panel.SymbolKeyDown(BoxKeyOf(*static_cast<QKeyEvent*>(event)));
            // The whole content selected, so that a typed character replaces the one there.
            if (panel.SymbolSelectionLength() > 0)
                c_.symbol_box->setSelection(0, static_cast<int>(c_.symbol_box->text().size()));
            break;
        }
        case QEvent::Drop:
            panel.SymbolBeforePaste();
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
                panel.SymbolBeforePaste();
            break;
        default:
            break;
    }
    return false;
}

bool SearchFrame::SearchBoxEvent(QEvent* event, bool watched_is_box) {
    SearchPanel& panel = model_.Search();
    if (event->type() == QEvent::FocusIn) {
        panel.BoxFocusGained(SearchOption::Name);
        after_();
        return false;
    }
    if (event->type() == QEvent::FocusOut && watched_is_box) {
        leaving_search_box_ = true;
        QTimer::singleShot(0, this, [this] { leaving_search_box_ = false; });
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const BoxKey key = BoxKeyOf(*static_cast<QKeyEvent*>(event));
    // Enter is the search's alone: the combo box would otherwise also choose the history entry
    // that matches the text, which starts the search afresh.
    const bool undo = panel.ButtonEnabled() && key.command == EditCommand::Undo;
    panel.SearchKeyDown(key);
    if (key.enter || undo) {
        after_();
        return true;
    }
    return false;
}

void SearchFrame::RestoreNotation(bool hex) {
    model_.Search().RestoreGoToNotation(hex);
    Sync();
}

void SearchFrame::RestoreHistory(const std::vector<std::string>& history) {
    std::vector<std::u16string> entries;
    entries.reserve(history.size());
    for (const std::string& entry : history) entries.push_back(Utf8ToUtf16(entry));
    model_.Search().SetHistory(std::move(entries));
    Sync();
}

std::vector<std::string> SearchFrame::History() const {
    std::vector<std::string> history;
    for (const auto& entry : model_.Search().History()) history.push_back(Utf16ToUtf8(entry));
    return history;
}

void SearchFrame::Sync() {
    const SearchPanel& panel = model_.Search();
    c_.options[0]->setText(Text(panel.GoToCaption()));
    // The options are the boxes' labels, but Qt reads only labels of its own kind.
    c_.code_box->setAccessibleName(c_.options[0]->text().remove(QLatin1Char('&')));
    QRadioButton* option = c_.options[static_cast<int>(panel.Option())];
    if (!option->isChecked()) option->setChecked(true);

    const int max_length = static_cast<int>(panel.GoToMaxLength());
    if (c_.code_box->maxLength() != max_length) {
        const QSignalBlocker block(c_.code_box);
        c_.code_box->setMaxLength(max_length);
    }
    ShowBox(c_.code_box, panel.GoToBox());
    ShowBox(c_.symbol_box, panel.SymbolBox());

    SyncHistory();
    QLineEdit* edit = c_.text_box->lineEdit();
    ShowBox(edit, panel.SearchBox());
    c_.button->setText(Text(panel.ButtonCaption()));
    c_.button->setEnabled(panel.ButtonEnabled());
}

void SearchFrame::SyncHistory() {
    const auto& history = model_.Search().History();
    bool same = c_.text_box->count() == static_cast<int>(history.size());
    for (int i = 0; same && i < c_.text_box->count(); ++i)
        same = c_.text_box->itemText(i) == Text(history[static_cast<std::size_t>(i)]);
    if (same) return;
    QLineEdit* edit = c_.text_box->lineEdit();
    const QSignalBlocker block_box(c_.text_box);
    const QSignalBlocker block_edit(edit);
    const QString text = edit->text();
    const int caret = edit->cursorPosition();
    c_.text_box->clear();
    QStringList entries;
    for (const auto& entry : history) entries.push_back(Text(entry));
    c_.text_box->addItems(entries);
    c_.text_box->setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(caret);
}

}  // namespace glyphora
