#pragma once

#include <QFrame>
#include <QHash>
#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QLabel;

namespace glyphora {

// A status bar of sunken panels identified by key (pbStatus(0) and pbStatus(1)). A panel shows a
// text and may hold controls of its own (the Type button, the mode check boxes); a double click
// on a panel is reported with its key.
class StatusBar : public QFrame {
    Q_OBJECT

public:
    struct PanelLook {
        const char* key;
        int width;  // logical pixels; 0 takes the room left over
        const char* tool_tip = nullptr;
    };

    StatusBar(const QString& object_name, std::initializer_list<PanelLook> panels,
              QWidget* parent = nullptr);

    QFrame* Panel(const QString& key) const { return panels_.value(key); }
    QLabel* Label(const QString& key) const { return labels_.value(key); }
    // The panel's layout, for controls placed on it.
    QHBoxLayout* PanelLayout(const QString& key) const;
    void SetText(const QString& key, const QString& text);
    QString Text(const QString& key) const;

signals:
    void PanelDoubleClicked(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QString, QFrame*> panels_;
    QHash<QString, QLabel*> labels_;
};

}  // namespace glyphora
