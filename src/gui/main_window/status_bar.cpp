#include "main_window/status_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

#include "platform/status_panels.h"

namespace glyphora {

StatusBar::StatusBar(int bar, const std::function<int(std::string_view key)>& panel_width,
                     QWidget* parent)
    : QFrame(parent) {
    setObjectName(QString("pbStatus%1").arg(bar));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (const StatusPanel& look : StatusBarPanels(bar)) {
        const QString key =
            QString::fromLatin1(look.key.data(), static_cast<qsizetype>(look.key.size()));
        const int width = panel_width(look.key);
        auto* panel = new QFrame(this);
        panel->setObjectName(key);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        auto* inside = new QHBoxLayout(panel);
        inside->setContentsMargins(4, 1, 2, 1);
        inside->setSpacing(2);
        auto* label = new QLabel(panel);
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(1);  // long texts are cut, the bar keeps its width
        inside->addWidget(label, 1);
        if (!look.tool_tip.empty())
            panel->setToolTip(QString::fromUtf8(look.tool_tip.data(),
                                                static_cast<qsizetype>(look.tool_tip.size())));
        if (look.style != PanelStyle::Text) {
            label->setText(key);
            label->setAlignment(Qt::AlignCenter);
            label->setEnabled(false);
        }
        if (width > 0) {
            // Wide enough for an indicator in whatever font the desktop gives.
            panel->setFixedWidth(
                look.style == PanelStyle::Text
                    ? width
                    : std::max(width, label->fontMetrics().horizontalAdvance(key) + 16));
            row->addWidget(panel);
        } else {
            row->addWidget(panel, 1);
        }
        panel->installEventFilter(this);
        label->installEventFilter(this);
        panels_.insert(key, panel);
        labels_.insert(key, label);
    }
}

QHBoxLayout* StatusBar::PanelLayout(const QString& key) const {
    QFrame* panel = Panel(key);
    return panel ? static_cast<QHBoxLayout*>(panel->layout()) : nullptr;
}

void StatusBar::SetText(const QString& key, const QString& text) {
    if (QLabel* label = Label(key); label && label->text() != text) label->setText(text);
}

QString StatusBar::Text(const QString& key) const {
    const QLabel* label = Label(key);
    return label ? label->text() : QString();
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        QObject* panel = watched;
        if (qobject_cast<QLabel*>(watched)) panel = watched->parent();
        if (panel) emit PanelDoubleClicked(panel->objectName());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace glyphora
