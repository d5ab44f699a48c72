#include "controls/link_box.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "app/version_info.h"
#include "platform/theme_colors.h"
#include "platform/window_layout.h"

namespace glyphora {
namespace {

Qt::Alignment LabelAlignment(int alignment) {
    switch (alignment) {
        case 1:
            return Qt::AlignRight | Qt::AlignTop;
        case 2:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

}  // namespace

QUrl LinkTargetUrl(const QString& target) {
    const QUrl url(target, QUrl::TolerantMode);
    // A one-letter scheme would be a drive letter elsewhere; here no scheme is that short.
    if (url.isValid() && url.scheme().size() > 1) return url;
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(target));
}

LinkBox::LinkBox(QWidget* parent)
    : QWidget(parent), tl_caption_(new QLabel(this)), to_hot_tracking_(new QTimer(this)) {
    tl_caption_->setObjectName("tlCaption");
    tl_caption_->setTextFormat(Qt::PlainText);
    tl_caption_->setMouseTracking(true);
    tl_caption_->setAutoFillBackground(true);
    tl_caption_->setCursor(Qt::PointingHandCursor);
    tl_caption_->setAlignment(LabelAlignment(alignment_));
    tl_caption_->installEventFilter(this);
    tl_caption_->setFont(font());
    tl_caption_->setGeometry(rect());
    to_hot_tracking_->setObjectName("toHotTracking");
    to_hot_tracking_->setInterval(kHotTrackingInterval);
    connect(to_hot_tracking_, &QTimer::timeout, this, &LinkBox::OnHotTrackingTick);
    setFocusPolicy(Qt::StrongFocus);
    ApplyColors();
}

LinkBox::~LinkBox() = default;

void LinkBox::Notify(const char* key) {
    if (!loading_) emit PropertyChanged(QString::fromLatin1(key));
}

void LinkBox::SetAlignment(int alignment) {
    if (alignment != alignment_) {
        alignment_ = alignment;
        tl_caption_->setAlignment(LabelAlignment(alignment));
        Relayout();
    }
    Notify("Alignment");
}

void LinkBox::SetAutoSize(bool auto_size) {
    auto_size_ = auto_size;
    Relayout();
    Notify("AutoSize");
}

void LinkBox::SetBackColor(ColorValue color) {
    back_color_ = color;
    ApplyColors();
    Notify("BackColor");
}

QString LinkBox::Caption() const { return tl_caption_->text(); }

void LinkBox::SetCaption(const QString& caption) {
    if (caption != tl_caption_->text()) {
        tl_caption_->setText(caption);
        Relayout();
    }
    Notify("Caption");
}

void LinkBox::SetCaptionIsPath(bool caption_is_path) {
    caption_is_path_ = caption_is_path;
    Notify("CaptionIsPath");
}

void LinkBox::SetEnabled(bool enabled) {
    setEnabled(enabled);
    Notify("Enabled");
}

void LinkBox::SetFont(const QFont& new_font) {
    if (new_font != font()) {
        setFont(new_font);
        tl_caption_->setFont(new_font);
        // An auto-sized control must wrap the text in its new size at once.
        Relayout();
    }
    if (hot_tracking_) SetUnderline(false);
    Notify("Font");
}

void LinkBox::SetForeColor(ColorValue color) {
    fore_color_ = color;
    ApplyColors();
    Notify("ForeColor");
}

void LinkBox::SetHotTracking(bool hot_tracking) {
    hot_tracking_ = hot_tracking;
    // The text is underlined only while hovered or focused; without hot tracking the underline
    // stays as it is.
    if (hot_tracking) SetUnderline(false);
    Notify("HotTracking");
}

void LinkBox::SetPath(const QString& path) {
    path_ = path;
    Notify("Path");
}

QString LinkBox::Version() {
    return QStringLiteral(" ") + QString::fromStdString(LongVersionText(kProgramVersion));
}

void LinkBox::AboutBox() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("About..."),
                    QString::fromUtf8(kVersionInformation.file_description.data(),
                                      kVersionInformation.file_description.size()) +
                        QStringLiteral("\n\nVersion") + Version(),
                    QMessageBox::Ok, this);
    box.exec();
}

void LinkBox::SetToolTipText(const std::optional<QString>& text) {
    tl_caption_->setToolTip(text.value_or(toolTip()));
}

int LinkBox::TextWidth(const QString& text) const {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

int LinkBox::TextHeight(const QString& text) const {
    const QFontMetrics metrics(font());
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    return metrics.height() + (lines - 1) * metrics.lineSpacing();
}

LinkBoxProperties LinkBox::CurrentProperties() const {
    LinkBoxProperties current;
    current.alignment = alignment_;
    current.auto_size = auto_size_;
    current.back_color = back_color_;
    current.caption = Caption().toStdString();
    current.caption_is_path = caption_is_path_;
    current.enabled = isEnabled();
    current.font = font().toString().toStdString();
    current.fore_color = fore_color_;
    current.hot_tracking = hot_tracking_;
    current.path = path_.toStdString();
    return current;
}

void LinkBox::ReadProperties(const PropertyBag& bag) {
    const LinkBoxProperties read = ReadLinkBoxProperties(bag, CurrentProperties());
    loading_ = true;
    SetAlignment(read.alignment);
    SetAutoSize(read.auto_size);
    SetBackColor(read.back_color);
    SetCaption(QString::fromStdString(read.caption));
    caption_is_path_ = read.caption_is_path;
    SetEnabled(read.enabled);
    QFont read_font = font();
    if (read_font.fromString(QString::fromStdString(read.font))) SetFont(read_font);
    SetForeColor(read.fore_color);
    hot_tracking_ = read.hot_tracking;
    SetPath(QString::fromStdString(read.path));
    loading_ = false;
}

void LinkBox::WriteProperties(PropertyBag& bag) const {
    WriteLinkBoxProperties(bag, CurrentProperties());
}

void LinkBox::Relayout() {
    tl_caption_->move(0, 0);
    if (auto_size_) {
        tl_caption_->adjustSize();
        FitWindow(this, tl_caption_->width(), tl_caption_->height());
    } else {
        tl_caption_->resize(size());
    }
}

void LinkBox::ApplyColors() {
    // Built from the control's own palette, so a theme change reaches every other role too.
    const QPalette& host = palette();
    QPalette colors = host;
    const QColor back = ColorFromValue(back_color_, host, QPalette::Window);
    colors.setColor(QPalette::Window, back);
    QColor fore = ColorFromValue(fore_color_, host, QPalette::WindowText);
    if (fore_color_ == kThemeLink) {
        // The theme's link colours, made readable where a theme pairs them badly with the ground
        // (many dark themes keep the light themes' pure blue).
        fore = ReadableOn(host.color(visited_ ? QPalette::LinkVisited : QPalette::Link), back,
                          kReadableContrast);
    }
    colors.setColor(QPalette::Active, QPalette::WindowText, fore);
    colors.setColor(QPalette::Inactive, QPalette::WindowText, fore);
    tl_caption_->setPalette(colors);
}

void LinkBox::SetUnderline(bool on) {
    QFont label_font = tl_caption_->font();
    if (label_font.underline() == on) return;
    label_font.setUnderline(on);
    tl_caption_->setFont(label_font);
}

void LinkBox::OnCaptionClick() {
    emit Click();
    QString target;
    if (!path_.isEmpty()) {
        target = path_;
    } else if (!Caption().isEmpty() && caption_is_path_) {
        target = Caption();
    } else {
        return;
    }
    // A failed open is not reported: the desktop shows its own message where it has one.
    if (QDesktopServices::openUrl(LinkTargetUrl(target)) && !visited_) {
        visited_ = true;
        ApplyColors();
    }
}

void LinkBox::OnHotTrackingTick() {
    const QPoint pointer = QCursor::pos();
    const QPoint top_left = mapToGlobal(QPoint(0, 0));
    const bool inside = pointer.x() >= top_left.x() && pointer.x() <= top_left.x() + width() &&
                        pointer.y() >= top_left.y() && pointer.y() <= top_left.y() + height();
    if (inside) return;
    SetUnderline(false);
    to_hot_tracking_->stop();
}

bool LinkBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != tl_caption_) return QWidget::eventFilter(watched, event);
    // Mouse events reach a disabled control's filters too; a disabled link does nothing.
    if (!isEnabled()) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (hot_tracking_) {
                SetUnderline(true);
                to_hot_tracking_->start();
            }
            const QPoint at = mouse->position().toPoint();
            emit MouseMove(mouse->buttons(), mouse->modifiers(), at.x(), at.y());
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // The second press of a double click does not make a second click.
            pressed_ = event->type() == QEvent::MouseButtonPress;
            const QPoint at = mouse->position().toPoint();
            emit MouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y());
            break;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            const bool click =
                pressed_ && mouse->button() == Qt::LeftButton && tl_caption_->rect().contains(at);
            pressed_ = false;
            emit MouseUp(mouse->button(), mouse->modifiers(), at.x(), at.y());
            if (click) OnCaptionClick();
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void LinkBox::changeEvent(QEvent* event) {
    // Desktop colours follow the theme.
    if (event->type() == QEvent::PaletteChange) ApplyColors();
    QWidget::changeEvent(event);
}

void LinkBox::focusInEvent(QFocusEvent* event) {
    if (hot_tracking_) SetUnderline(true);
    QWidget::focusInEvent(event);
}

void LinkBox::focusOutEvent(QFocusEvent* event) {
    if (hot_tracking_) SetUnderline(false);
    QWidget::focusOutEvent(event);
}

void LinkBox::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty()) emit KeyPress(event->text().at(0).unicode());
    QWidget::keyPressEvent(event);
}

void LinkBox::keyReleaseEvent(QKeyEvent* event) {
    emit KeyUp(event->key(), event->modifiers());
    QWidget::keyReleaseEvent(event);
}

void LinkBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void LinkBox::showEvent(QShowEvent* event) {
    tl_caption_->setToolTip(toolTip());
    tl_caption_->setWhatsThis(whatsThis());
    QWidget::showEvent(event);
}

}  // namespace glyphora
