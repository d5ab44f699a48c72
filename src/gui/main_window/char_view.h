#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QString>

#include "table/main_window_model.h"

namespace glyphora {

// The enlarged character pbView: the current character (tlView) in the view font, centred, over
// the view pattern (ibView) when the model shows it. The view font's family and size are set
// through the model's glyph metrics and the picture settings.
class CharView : public QFrame {
    Q_OBJECT

public:
    static constexpr int kSide = 128;  // outer size in logical pixels

    explicit CharView(QWidget* parent = nullptr);

    QFont& ViewFont() { return font_; }
    // Repaints with the model's caption and pattern; drawable false shows no character (the
    // font's own file has no glyph for it).
    void Show(const QString& caption, bool drawable, ViewPattern pattern, bool pattern_visible);
    void SetColours(const QColor& fore, const QColor& back);
    void FontChanged() { update(); }
    // The side of the view pattern in pixels; 0 sizes it to the view font's "o".
    void SetPatternSide(int side);

    const QString& Caption() const { return caption_; }
    bool PatternShown() const { return pattern_visible_ && pattern_ != ViewPattern::None; }

    QSize sizeHint() const override { return {kSide, kSide}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont font_;
    QString caption_;
    bool drawable_ = false;
    ViewPattern pattern_ = ViewPattern::None;
    bool pattern_visible_ = false;
    int pattern_side_ = 0;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
};

}  // namespace glyphora
