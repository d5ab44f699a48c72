#include "main_window/picture_frame.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "main_window/char_view.h"
#include "main_window/copy_picture.h"
#include "main_window/qt_text.h"
#include "panels/picture_panel.h"
#include "platform/key_commands.h"
#include "table/main_window_model.h"

namespace glyphora {

namespace {

QColor ColourOf(std::uint32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::uint32_t ValueOf(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

// The family of base with the picture's size and styles; a size below 1 keeps base's size.
QFont Shaped(QFont base, const PictureFont& shape) {
    if (shape.point_size > 0) base.setPointSize(shape.point_size);
    base.setBold(shape.bold);
    base.setItalic(shape.italic);
    base.setUnderline(shape.underline);
    base.setStrikeOut(shape.strikeout);
    return base;
}

std::optional<QColor> AskForColour(QWidget* parent, const QColor& current, int index) {
    QColorDialog dialog(current, parent);
    dialog.setObjectName(QStringLiteral("cdPicture"));
    dialog.setWindowTitle(index == 0 ? QStringLiteral("Fore Color") : QStringLiteral("Back Color"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

}  // namespace

PictureFrame::PictureFrame(const Controls& controls, MainWindowModel& model,
                           std::function<void()> after, QObject* parent)
    : QObject(parent), c_(controls), model_(model), after_(std::move(after)) {
    // Completing "1" to "10" from the list would choose a size the user did not type.
    c_.size_box->setCompleter(nullptr);
    c_.size_box->setInsertPolicy(QComboBox::NoInsert);
    QWidget* window = c_.size_box->window();
    choose_colour_ = [window](const QColor& current, int index) {
        return AskForColour(window, current, index);
    };
    Connect();
}

void PictureFrame::Connect() {
    const auto after = [this](auto&& handler) {
        return [this, handler](auto&&... args) {
            handler(args...);
            after_();
        };
    };
    PicturePanel& panel = model_.Picture();
    QLineEdit* edit = c_.size_box->lineEdit();
    connect(edit, &QLineEdit::textEdited, this, after([&panel, edit](const QString& text) {
                panel.SizeTextChanged(text.toStdU16String(),
                                      static_cast<std::size_t>(edit->cursorPosition()));
            }));
    connect(c_.size_box, &QComboBox::activated, this, after([&panel](int index) {
                if (index >= 0) panel.SizeListChosen(static_cast<std::size_t>(index));
            }));
    for (int i = 0; i < kPictureStyleCount; ++i)
        connect(c_.styles[i], &QCheckBox::clicked, this,
                after([&panel, i](bool on) { panel.StyleClicked(i, on); }));
    for (int i = 0; i < 2; ++i)
        connect(c_.colours[i], &QPushButton::clicked, this, [this, i] { ChooseColour(i); });
    edit->installEventFilter(this);
}

bool PictureFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.size_box->lineEdit() && event->type() == QEvent::KeyPress) {
        if (model_.Picture().SizeKeyDown(BoxKeyOf(*static_cast<QKeyEvent*>(event)))) {
            after_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PictureFrame::ChooseColour(int index) {
    PicturePanel& panel = model_.Picture();
    const QColor current = ColourOf(index == 0 ? panel.ForeColour() : panel.BackColour());
    const std::optional<QColor> chosen =
        choose_colour_ ? choose_colour_(current, index) : std::nullopt;
    if (chosen && chosen->isValid()) {
        if (index == 0)
            panel.SetForeColour(ValueOf(*chosen));
        else
            panel.SetBackColour(ValueOf(*chosen));
    }
    after_();
}

void PictureFrame::Restore(const PictureSettings& settings) {
    PicturePanel& panel = model_.Picture();
    // The stored number is whole unless the file was edited; the box takes digits only.
    const std::string size = std::to_string(settings.size.ToInt32());
    model_.RaiseUpdateBusy();
    panel.SizeTextChanged(std::u16string(size.begin(), size.end()), size.size());
    model_.LowerUpdateBusy();
    for (int i = 0; i < kPictureStyleCount; ++i)
        panel.StyleClicked(i, settings.styles[static_cast<std::size_t>(i)]);
    panel.SetForeColour(static_cast<std::uint32_t>(settings.fore_colour));
    panel.SetBackColour(static_cast<std::uint32_t>(settings.back_colour));
    Sync();
}

PictureSettings PictureFrame::Settings() const {
    const PicturePanel& panel = model_.Picture();
    PictureSettings settings;
    settings.size = Fixed4(PicturePanel::SizeOfText(panel.SizeBox().text));
    for (int i = 0; i < kPictureStyleCount; ++i)
        settings.styles[static_cast<std::size_t>(i)] = panel.Style(i);
    settings.fore_colour = static_cast<std::int32_t>(panel.ForeColour());
    settings.back_colour = static_cast<std::int32_t>(panel.BackColour());
    return settings;
}

QImage PictureFrame::DrawCopyPicture(std::u16string_view units) const {
    const PicturePanel& panel = model_.Picture();
    QFont font(QString::fromStdU16String(model_.Fonts().Family()));
    font = Shaped(font, panel.ViewFont());
    // An empty size box (size 0) draws at the view's size: no font has size 0.
    font = Shaped(font, panel.CopyFont());
    const CopyPicture picture(font, ColourOf(panel.ForeColour()), ColourOf(panel.BackColour()));
    return picture.Draw(units);
}

void PictureFrame::Sync() {
    const PicturePanel& panel = model_.Picture();
    const PictureControlsEnabled enabled = model_.Copy().PictureControls();
    c_.size_label->setEnabled(enabled.size);
    c_.size_box->setEnabled(enabled.size);
    for (QCheckBox* style : c_.styles) style->setEnabled(enabled.styles);
    c_.colours[0]->setEnabled(enabled.fore_colour);
    c_.colours[1]->setEnabled(enabled.back_colour);

    QLineEdit* edit = c_.size_box->lineEdit();
    const QString size = Text(panel.SizeBox().text);
    if (edit->text() != size) {
        const QSignalBlocker block_box(c_.size_box);
        const QSignalBlocker block_edit(edit);
        edit->setText(size);
        edit->setCursorPosition(static_cast<int>(panel.SizeBox().caret));
    }
    c_.size_limit_label->setText(Text(panel.SizeLabel()));
    for (int i = 0; i < kPictureStyleCount; ++i)
        if (c_.styles[i]->isChecked() != panel.Style(i)) c_.styles[i]->setChecked(panel.Style(i));
    SyncView();
}

void PictureFrame::SyncView() {
    const PicturePanel& panel = model_.Picture();
    CharView& view = *c_.view;
    const QFont font = Shaped(view.ViewFont(), panel.ViewFont());
    if (font != shown_view_font_ || font != view.ViewFont()) {
        shown_view_font_ = font;
        view.ViewFont() = font;
        view.FontChanged();
        // The view pattern follows the size of the font's "o".
        const int ink = qRound(QFontMetricsF(font).tightBoundingRect(QStringLiteral("o")).height());
        view.SetPatternSide(PicturePanel::PatternSide(ink, view.logicalDpiY()));
    }
    const std::pair colours{ColourOf(panel.ForeColour()), ColourOf(panel.BackColour())};
    if (colours != shown_colours_) {
        shown_colours_ = colours;
        view.SetColours(colours.first, colours.second);
    }
}

}  // namespace glyphora
