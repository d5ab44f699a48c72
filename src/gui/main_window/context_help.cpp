#include "main_window/context_help.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocument>
#include <QWhatsThis>
#include <QWidget>
#include <vector>

#include "main_window/status_bar.h"
#include "platform/help_topics.h"
#include "platform/status_panels.h"
#include "unicode/builtin_data.h"

namespace glyphora {

namespace {

QString PanelKey(const StatusPanel& panel) {
    return QString::fromLatin1(panel.key.data(), static_cast<qsizetype>(panel.key.size()));
}

// 0 for "pbStatus0", 1 for "pbStatus1", -1 for anything else.
int BarIndex(const StatusBar& bar) {
    if (bar.objectName() == QLatin1String("pbStatus0")) return 0;
    if (bar.objectName() == QLatin1String("pbStatus1")) return 1;
    return -1;
}

bool InWindow(const QWidget* widget, const QWidget* window) {
    return widget != nullptr && widget->window() == window;
}

}  // namespace

ContextHelp::ContextHelp(QWidget* window) : QObject(window), window_(window) {
    setObjectName("ContextHelp");
    qApp->installEventFilter(this);
}

ContextHelp::~ContextHelp() { qApp->removeEventFilter(this); }

void ContextHelp::Load(const std::filesystem::path& help_file) {
    if (auto file = ReadHelpFile(help_file))
        help_ = std::move(*file);
    else
        help_ = HelpFile::Parse(builtin::HelpData());
    ApplyTexts();
}

QString ContextHelp::TopicText(int topic) const {
    const std::string_view text = help_.Text(topic);
    if (text.empty()) return {};
    return Qt::convertFromPlainText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), Qt::WhiteSpaceNormal);
}

const HelpTopicEntry* ContextHelp::EntryOf(const QObject* control) {
    if (control == nullptr) return nullptr;
    const QString name = control->objectName();
    if (name.isEmpty()) return nullptr;
    const QByteArray utf8 = name.toUtf8();
    if (const auto* entry = ControlEntryFor(std::string_view(utf8.constData(), utf8.size())))
        return entry;
    // Family members may be named without brackets ("obFormat3", "mTypeList1").
    static const QRegularExpression kMember(QStringLiteral("^([A-Za-z]+)([0-9]+)$"));
    const QRegularExpressionMatch match = kMember.match(name);
    if (!match.hasMatch()) return nullptr;
    const QByteArray member = (match.captured(1) + '[' + match.captured(2) + ']').toUtf8();
    return ControlEntryFor(std::string_view(member.constData(), member.size()));
}

int ContextHelp::TopicOf(const QObject* control) {
    const HelpTopicEntry* entry = EntryOf(control);
    return entry ? entry->topic : 0;
}

void ContextHelp::ApplyToolTips(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const HelpTopicEntry* entry = EntryOf(widget);
        if (entry && !entry->tool_tip.empty())
            widget->setToolTip(QString::fromUtf8(entry->tool_tip.data(),
                                                 static_cast<qsizetype>(entry->tool_tip.size())));
    }
}

QWidget* ContextHelp::HelpTarget(QWidget* widget, const QWidget* window) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<StatusBar*>(w) != nullptr || TopicOf(w) > 0) return w;
        if (w == window || w->isWindow()) break;
    }
    return nullptr;
}

int ContextHelp::PanelTopic(const StatusBar& bar, const QPoint& position) {
    const int index = BarIndex(bar);
    if (index < 0) return 0;
    const auto panels = StatusBarPanels(index);
    std::vector<const QWidget*> frames;
    for (const StatusPanel& panel : panels) {
        const QWidget* frame = bar.Panel(PanelKey(panel));
        if (frame == nullptr) return 0;
        frames.push_back(frame);
    }
    if (frames.empty()) return 0;
    // The gap between two panels counts to the panel on its left, so that the panels meet as
    // the panel arithmetic expects.
    std::vector<int> widths;
    for (std::size_t j = 0; j < frames.size(); ++j) {
        widths.push_back(j + 1 < frames.size() ? frames[j + 1]->x() - frames[j]->x()
                                               : frames[j]->width());
    }
    const int k = StatusPanelAt(widths, frames.front()->x(), position.x(), false);
    return k > 0 ? panels[static_cast<std::size_t>(k - 1)].topic : 0;
}

int ContextHelp::TopicAt(QWidget* widget, const QPoint& position, const QWidget* window) {
    QWidget* target = HelpTarget(widget, window);
    if (target == nullptr) return 0;
    if (const auto* bar = qobject_cast<StatusBar*>(target))
        return PanelTopic(*bar, widget->mapTo(target, position));
    return TopicOf(target);
}

bool ContextHelp::ShowTopic(int topic, const QPoint& global_position) {
    if (topic <= 0) return false;
    const QString text = TopicText(topic);
    if (text.isEmpty()) return false;
    QWhatsThis::showText(global_position, text, window_);
    last_shown_ = topic;
    emit TopicShown(topic);
    return true;
}

void ContextHelp::EnterWhatsThisMode() {
    if (!QWhatsThis::inWhatsThisMode()) QWhatsThis::enterWhatsThisMode();
}

void ContextHelp::ApplyTexts() {
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        if (const int topic = TopicOf(widget)) widget->setWhatsThis(TopicText(topic));
        if (auto* bar = qobject_cast<StatusBar*>(widget); bar && BarIndex(*bar) >= 0) {
            for (const StatusPanel& panel : StatusBarPanels(BarIndex(*bar))) {
                if (QWidget* frame = bar->Panel(PanelKey(panel)))
                    frame->setWhatsThis(TopicText(panel.topic));
            }
        }
    }
    for (QAction* action : window_->findChildren<QAction*>()) {
        if (const int topic = TopicOf(action)) action->setWhatsThis(TopicText(topic));
    }
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    // What's-This mode asks the control under the click for its help; the window answers for
    // all of its controls, so that the status-bar panels can have topics of their own.
    const QEvent::Type type = event->type();
    if (type != QEvent::WhatsThis && type != QEvent::QueryWhatsThis) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!InWindow(widget, window_)) return false;
    auto* help = static_cast<QHelpEvent*>(event);
    const int topic = TopicAt(widget, help->pos(), window_);
    if (topic <= 0 || TopicText(topic).isEmpty()) return false;
    if (type == QEvent::WhatsThis) ShowTopic(topic, help->globalPos());
    event->accept();
    return true;
}

}  // namespace glyphora
