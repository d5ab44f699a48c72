#pragma once

namespace glyphora {

// Help for the item highlighted in an open menu: F1 on it closes the menu and shows the item's
// topic. The window reports every highlight (the item's topic, 0 when none is highlighted or the
// menu closes) and, on F1 in a menu, takes the topic before it closes the menu, since closing
// reports "no item".
class MenuHelp {
public:
    void Highlighted(int topic) { pending_ = topic > 0 ? topic : 0; }

    // F1 in an open menu: the topic to show, 0 for none; the topic is forgotten either way.
    int TakeTopic() {
        const int topic = pending_;
        pending_ = 0;
        return topic;
    }

    int PendingTopic() const { return pending_; }

private:
    int pending_ = 0;
};

}  // namespace glyphora
