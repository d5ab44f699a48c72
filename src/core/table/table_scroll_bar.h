#pragma once

namespace glyphora {

// The vertical scroll bar beside the table, in table rows.
struct ScrollBarState {
    int value = 0;
    int max = 0;  // -1 when nothing is listed
    static constexpr int kSmallChange = 1;
    static constexpr int kLargeChange = 16;
};

// The table's scroll bar: its value and maximum, the value the last move settled on (so a change
// tells a row step from a page step), and the arithmetic between its value and the place of a
// code point among the listed ones.
class TableScrollBar {
public:
    const ScrollBarState& State() const { return state_; }
    int Value() const { return state_.value; }
    int Max() const { return state_.max; }
    long LastValue() const { return last_value_; }
    // The thumb is being dragged: the next change is read as a place, not as a step.
    bool Dragging() const { return last_value_ < 0; }
    long Step() const { return state_.value - last_value_; }

    // The track's height in pixels, which decides how far one pixel of the thumb moves.
    void SetTrackPixels(int pixels) { track_pixels_ = pixels > 0 ? pixels : 1; }
    // A new maximum; the value stays within it.
    void SetMax(int max);
    void SetValue(int value);  // clamped to 0 .. max
    void StartDrag() { last_value_ = -1; }
    void Settle() { last_value_ = state_.value; }
    void ToTop();
    void ToEnd();
    // The value of the listed code point at 1-based place `place` of `listed`.
    void ShowPlace(long place, long listed);
    // The 0-based place among `listed` code points the value stands for.
    long PlaceAtValue(long listed) const;
    // One pixel of the track in rows: how far from the ends the thumb stays while the page is
    // not at the list's start or end.
    int EndStep() const;

private:
    ScrollBarState state_;
    long last_value_ = 0;
    int track_pixels_ = 368;  // 16 rows of 22-pixel cells and their 1-pixel gaps
};

}  // namespace glyphora
