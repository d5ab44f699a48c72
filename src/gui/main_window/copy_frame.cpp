#include "main_window/copy_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "main_window/fitted_combo_box.h"
#include "main_window/qt_text.h"
#include "platform/key_commands.h"
#include "table/main_window_model.h"

namespace glyphora {

namespace {

// A combo box whose text can be selected and copied but not changed.
void MakeReadOnly(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->lineEdit()->setReadOnly(true);
}

// Shows items and a text in a read-only combo box, touching it only when they differ.
void ShowItems(QComboBox* box, const QStringList& items, int current, const QString& text) {
    bool same = box->count() == items.size() && box->currentText() == text &&
                box->currentIndex() == (items.isEmpty() ? -1 : current);
    for (int i = 0; same && i < items.size(); ++i) same = box->itemText(i) == items[i];
    if (same) return;
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    if (!items.isEmpty()) box->setCurrentIndex(current);
    box->setEditText(text);
    box->lineEdit()->setCursorPosition(0);
}

}  // namespace

CopyFrame::CopyFrame(const Controls& controls, MainWindowModel& model, std::function<void()> after,
                     QObject* parent)
    : QObject(parent), c_(controls), model_(model), after_(std::move(after)) {
    MakeReadOnly(c_.preview);
    MakeReadOnly(c_.entity);
    // Greyed, the box shows the button face, as the program's other inactive boxes do.
    QPalette palette = c_.copy_box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     palette.color(QPalette::Active, QPalette::Button));
    c_.copy_box->setPalette(palette);

    Connect();
}

void CopyFrame::Connect() {
    const auto after = [this](auto&& handler) {
        return [this, handler](auto&&... args) {
            handler(args...);
            after_();
        };
    };
    for (int i = 0; i < kCopyFormatCount; ++i)
        connect(c_.formats[i], &QRadioButton::clicked, this,
                after([this, i](bool) { model_.SelectCopyFormat(*CopyFormatFromIndex(i)); }));
    connect(c_.copy_box, &QLineEdit::textEdited, this, after([this](const QString& text) {
                model_.Copy().ToCopyEdited(text.toStdU16String(),
                                           static_cast<std::size_t>(c_.copy_box->cursorPosition()));
            }));
    connect(c_.copy, &QPushButton::clicked, this, [this] { Copy(); });
    connect(c_.reset, &QPushButton::clicked, this, after([this](bool) { model_.Copy().Reset(); }));
    connect(c_.code_page, &QComboBox::activated, this,
            after([this](int row) { model_.Copy().ChooseCodePageRow(row); }));
    connect(c_.entity, &QComboBox::activated, this,
            after([this](int row) { model_.Copy().ChooseEntityRow(row); }));
    // The list is for viewing: a click on an entry shows the first one again.
    connect(c_.preview, &QComboBox::activated, this, after([](int) {}));
    connect(c_.preview_charset, &QCheckBox::clicked, this,
            after([this](bool on) { model_.Copy().SetPreviewCharsetChecked(on); }));

    c_.copy_box->installEventFilter(this);
    c_.preview->lineEdit()->installEventFilter(this);
    c_.preview->installEventFilter(this);
    c_.entity->lineEdit()->installEventFilter(this);
    c_.entity->installEventFilter(this);
}

void CopyFrame::Copy() {
    CopyPanel& panel = model_.Copy();
    panel.CopyToClipboard();
    if (panel.TakeSelectAllRequest() && c_.copy_box->isEnabled()) {
        // As after the box's own copy of all its text: it has the focus, the text selected.
        c_.copy_box->setFocus(Qt::OtherFocusReason);
        c_.copy_box->selectAll();
    }
    after_();
}

bool CopyFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == c_.copy_box) {
        CopyPanel& panel = model_.Copy();
        if (type == QEvent::KeyPress) {
            if (panel.ToCopyKeyDown(BoxKeyOf(*static_cast<QKeyEvent*>(event)))) {
                after_();
                return true;
            }
        } else if (type == QEvent::Drop) {
            panel.ToCopyBeforePaste();
        } else if (type == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
            panel.ToCopyBeforePaste();  // the desktop's selection is pasted
        }
        return false;
    }
    const bool preview = watched == c_.preview || watched == c_.preview->lineEdit();
    const bool entity = watched == c_.entity || watched == c_.entity->lineEdit();
    if ((preview || entity) && type == QEvent::KeyPress) {
        if (!ReadOnlyBoxKeyPasses(*static_cast<QKeyEvent*>(event), entity)) return true;
    }
    return QObject::eventFilter(watched, event);
}

void CopyFrame::RestoreCodePageRow(int row) {
    model_.Copy().ChooseCodePageRow(row);
    Sync();
}

void CopyFrame::RestoreFormat(std::optional<CopyFormat> format, bool preview_charset) {
    if (format) model_.SelectCopyFormat(*format);
    model_.Copy().SetPreviewCharsetChecked(preview_charset);
    Sync();
}

void CopyFrame::Sync() {
    const CopyPanel& panel = model_.Copy();
    for (int i = 0; i < kCopyFormatCount; ++i)
        c_.formats[i]->setEnabled(panel.FormatEnabled(*CopyFormatFromIndex(i)));
    QRadioButton* chosen = c_.formats[CopyFormatIndex(panel.CurrentFormat())];
    if (!chosen->isChecked()) chosen->setChecked(true);

    const QString to_copy = Text(panel.ToCopyBox().text);
    if (c_.copy_box->text() != to_copy) {
        // Characters added at the end leave the caret after them; an Undo leaves it in place.
        const QString before = c_.copy_box->text();
        const int caret = c_.copy_box->cursorPosition();
        c_.copy_box->setText(to_copy);
        if (!to_copy.startsWith(before))
            c_.copy_box->setCursorPosition(std::min(caret, int(to_copy.size())));
    }
    c_.copy_box->setEnabled(panel.ToCopyEnabled());
    c_.copy->setEnabled(panel.CopyEnabled());
    c_.reset->setEnabled(panel.ResetEnabled());

    c_.code_page->setEnabled(panel.CodePageEnabled());
    if (c_.code_page->currentIndex() != panel.CodePageRow()) {
        const QSignalBlocker block(c_.code_page);
        c_.code_page->setCurrentIndex(panel.CodePageRow());
    }
    SyncEntities();
    SyncPreview();
}

void CopyFrame::SyncEntities() {
    const CopyPanel& panel = model_.Copy();
    QStringList rows;
    const EntityBox entity = panel.Entity();
    for (const auto& row : entity.rows) rows.push_back(Text(row));
    ShowItems(c_.entity, rows, entity.row, Text(entity.text));
    c_.entity->setEnabled(entity.enabled);
    c_.entity->SetDropButtonShown(entity.drop_button);
    c_.entity_label->setText(Text(entity.label));
}

void CopyFrame::SyncPreview() {
    const CopyPanel& panel = model_.Copy();
    const ClipboardPreview& preview = panel.Preview();
    QStringList entries;
    for (const auto& entry : preview.list) entries.push_back(Text(entry));
    ShowItems(c_.preview, entries, 0, Text(preview.text));
    c_.preview->setEnabled(preview.enabled);
    c_.preview->SetDropButtonShown(preview.drop_button);
    c_.preview_charset->setEnabled(panel.PreviewCharsetEnabled());
    if (c_.preview_charset->isChecked() != panel.PreviewCharsetChecked())
        c_.preview_charset->setChecked(panel.PreviewCharsetChecked());
}

}  // namespace glyphora
