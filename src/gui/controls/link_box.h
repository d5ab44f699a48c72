#pragma once

#include <QFont>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <optional>

#include "base/color_value.h"
#include "base/property_bag.h"
#include "controls/link_box_properties.h"

class QLabel;
class QTimer;

namespace glyphora {

// A one-line text that opens a web address, mail address or file when clicked, underlined while
// the pointer is over it or it has the focus (hot tracking). The inner label tlCaption fills the
// control and carries text, font and colours; the timer toHotTracking notices the pointer leaving,
// which a label's own leave event misses when the pointer moves fast or the window loses the
// mouse. Settings persist through a PropertyBag (ReadProperties / WriteProperties).
class LinkBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(uint BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption USER true)
    Q_PROPERTY(bool CaptionIsPath READ CaptionIsPath WRITE SetCaptionIsPath)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(bool HotTracking READ HotTracking WRITE SetHotTracking)
    Q_PROPERTY(QString Path READ Path WRITE SetPath)
    Q_PROPERTY(QString Version READ Version)
    Q_CLASSINFO("Alignment", "Returns/sets which corner the control's text will be docked to.")
    Q_CLASSINFO("AutoSize",
                "Determines whether a control is automatically resized to display its entire "
                "contents.")
    Q_CLASSINFO("BackColor",
                "Returns/sets the background color of all text portions of the control.")
    Q_CLASSINFO("Caption",
                "Returns/sets the text displayed in an object's title bar or below an object's "
                "icon.")
    Q_CLASSINFO("CaptionIsPath",
                "Determines whether a control path is equal to the control caption.")
    Q_CLASSINFO("Enabled",
                "Returns/sets a value that determines whether the control can respond to "
                "user-generated events.")
    Q_CLASSINFO("Font", "Returns/sets a Font object.")
    Q_CLASSINFO("ForeColor",
                "Returns/sets the foreground color used to display text portions in the control.")
    Q_CLASSINFO("HotTracking",
                "Returns/sets a value that determines whether mouse-sensitive highlighting is "
                "enabled.")
    Q_CLASSINFO("Path", "Specifies the URL or file to open or execute.")

public:
    static constexpr int kHotTrackingInterval = 100;  // milliseconds
    // The least contrast of the theme's link colours on the ground (the Web Content Accessibility
    // Guidelines' level AA for text).
    static constexpr double kReadableContrast = 4.5;

    // A new instance: no caption or path, CaptionIsPath and HotTracking on, the desktop's label
    // colours, the control's font.
    explicit LinkBox(QWidget* parent = nullptr);
    ~LinkBox() override;

    // 0 left, 1 right, 2 centre.
    int Alignment() const { return alignment_; }
    void SetAlignment(int alignment);
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool auto_size);
    ColorValue BackColor() const { return back_color_; }
    void SetBackColor(ColorValue color);
    QString Caption() const;
    void SetCaption(const QString& caption);
    bool CaptionIsPath() const { return caption_is_path_; }
    void SetCaptionIsPath(bool caption_is_path);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled);
    QFont Font() const { return font(); }
    void SetFont(const QFont& font);
    ColorValue ForeColor() const { return fore_color_; }
    void SetForeColor(ColorValue color);
    bool HotTracking() const { return hot_tracking_; }
    void SetHotTracking(bool hot_tracking);
    QString Path() const { return path_; }
    void SetPath(const QString& path);

    // " 0.01": the program's major version as a signed number prints (leading blank), a dot, the
    // minor version in two digits, and ".revision" in four digits when the revision is not 0.
    static QString Version();

    // A message box "About..." with the program's description and Version.
    void AboutBox();
    // The tool tip of the visible text; without a text, the host's tool tip for this control.
    void SetToolTipText(const std::optional<QString>& text = std::nullopt);
    // The size of a text in the current font, in pixels; a text of several lines is as wide as
    // its widest line.
    int TextHeight(const QString& text) const;
    int TextWidth(const QString& text) const;

    // Applies every key through the writers in their order; a missing key gives its default.
    // Loading is not a change: no PropertyChanged notices.
    void ReadProperties(const PropertyBag& bag);
    // Writes all ten keys.
    void WriteProperties(PropertyBag& bag) const;

    QLabel* tlCaption() const { return tl_caption_; }
    QTimer* toHotTracking() const { return to_hot_tracking_; }

signals:
    // A writer changed the property stored under this bag key; the host saves its bag.
    void PropertyChanged(const QString& key);
    void Click();
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void KeyPress(int key_ascii);
    void KeyUp(int key, Qt::KeyboardModifiers modifiers);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    LinkBoxProperties CurrentProperties() const;
    void Notify(const char* key);
    void Relayout();
    void ApplyColors();
    void SetUnderline(bool on);
    void OnCaptionClick();
    void OnHotTrackingTick();

    QLabel* tl_caption_;
    QTimer* to_hot_tracking_;
    QString path_;  // what a click opens
    int alignment_ = 0;
    bool auto_size_ = false;
    bool caption_is_path_ = true;
    bool hot_tracking_ = true;
    ColorValue back_color_ = kThemeWindow;
    ColorValue fore_color_ = kThemeWindowText;
    bool loading_ = false;
    bool pressed_ = false;  // a press (not the second press of a double click) awaits release
    bool visited_ = false;  // opened once: drawn in the visited colour
};

// The address a link target opens: a text with a scheme ("https:", "mailto:") as it is, anything
// else as a local file, relative to the current folder.
QUrl LinkTargetUrl(const QString& target);

}  // namespace glyphora
