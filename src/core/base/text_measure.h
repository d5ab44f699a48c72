#pragma once

#include <string_view>

namespace glyphora {

// Width of a text in the main window's font, in pixels. Only the window knows its fonts, so the
// core asks through this; tests use a fixed-width fake.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int TextWidth(std::u16string_view text) const = 0;
};

// Every character the same width: enough for column-width rules in tests and the CLI.
class FixedWidthMeasure final : public TextMeasure {
public:
    explicit FixedWidthMeasure(int char_width = 7) : char_width_(char_width) {}
    int TextWidth(std::u16string_view text) const override {
        return static_cast<int>(text.size()) * char_width_;
    }

private:
    int char_width_;
};

}  // namespace glyphora
