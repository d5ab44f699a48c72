#include "main_window/status_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace glyphora {

StatusBar::StatusBar(const QString& object_name, std::initializer_list<PanelLook> panels,
                     QWidget* parent)
    : QFrame(parent) {
    setObjectName(object_name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (const PanelLook& look : panels) {
        const QString key = QString::fromLatin1(look.key);
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
        if (look.tool_tip) panel->setToolTip(QString::fromLatin1(look.tool_tip));
        if (look.width > 0) {
            panel->setFixedWidth(look.width);
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
