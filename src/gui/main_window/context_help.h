#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <filesystem>

#include "platform/help_file.h"
#include "platform/help_topics.h"

class QWidget;

namespace glyphora {

class StatusBar;

// The main window's context help. Every control carries a help topic by its object name (see
// platform/help_topics.h); the help file glyphora.help gives each topic its text, which What's
// This shows: F1 and the right-click Help menu through ShowTopic, and What's-This mode (bbHelp)
// through the window's What's This events, which this object answers for the whole window. The
// panels of the status bars have topics of their own, found by the pointer's position.
class ContextHelp : public QObject {
    Q_OBJECT

public:
    explicit ContextHelp(QWidget* window);
    ~ContextHelp() override;

    // Reads the help file; when it cannot be read, the texts built into the program serve. Then
    // gives every control of the window its What's This text (also read by screen readers).
    void Load(const std::filesystem::path& help_file);
    const HelpFile& Help() const { return help_; }

    // The topic's text as rich text; empty when the help file has none for it.
    QString TopicText(int topic) const;

    // A control's topic by its object name: "obFormat[3]", and also "obFormat3" for a family
    // member named without brackets. 0 when it has none.
    // The control table's row of a control, by its object name; null for none.
    static const HelpTopicEntry* EntryOf(const QObject* control);
    // Gives every control of the window the tool tip its row holds.
    static void ApplyToolTips(QWidget* window);
    static int TopicOf(const QObject* control);
    // The control whose help a click on widget asks for: widget itself or the nearest container
    // up to window that has a topic, or a status bar (whose panels have the topics). Null when
    // there is none.
    static QWidget* HelpTarget(QWidget* widget, const QWidget* window);
    // The topic of the status-bar panel at position (in the bar's coordinates); 0 when no panel
    // is there or the bar is not one of the window's two.
    static int PanelTopic(const StatusBar& bar, const QPoint& position);
    // The topic a click at position (in widget's coordinates) asks for.
    static int TopicAt(QWidget* widget, const QPoint& position, const QWidget* window);

    // Shows the topic's text as a What's This pop-up at global_position. False, showing nothing,
    // for topic 0 and for a topic without text.
    bool ShowTopic(int topic, const QPoint& global_position);
    // The next click on a control shows its topic instead of acting (the pointer says so).
    void EnterWhatsThisMode();
    int LastShownTopic() const { return last_shown_; }

signals:
    void TopicShown(int topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyTexts();

    QWidget* window_;
    HelpFile help_;
    int last_shown_ = 0;
};

}  // namespace glyphora
