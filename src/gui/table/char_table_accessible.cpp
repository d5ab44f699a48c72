#include "table/char_table_accessible.h"

#include <QWidget>

namespace glyphora {

CharTableAccessible::CharTableAccessible(CharTable* table)
    : QAccessibleWidget(table, QAccessible::Table, QStringLiteral("Character table")) {}

CharTableAccessible::~CharTableAccessible() {
    for (QAccessible::Id id : ids_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* CharTableAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new CharCellAccessible(Table(), index));
    return QAccessible::accessibleInterface(id);
}

int CharTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const CharCellAccessible*>(child);
    return cell && cell->parent() == this ? cell->Index() : -1;
}

QAccessibleInterface* CharTableAccessible::childAt(int x, int y) const {
    const int cell = Table()->CellAt(Table()->mapFromGlobal(QPoint(x, y)));
    return cell >= 0 ? child(cell) : nullptr;
}

QAccessibleInterface* CharTableAccessible::focusChild() const {
    return Table()->hasFocus() ? child(Table()->CurrentCell()) : nullptr;
}

QString CharTableAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name) return QStringLiteral("Character table");
    return QAccessibleWidget::text(kind);
}

QWindow* CharCellAccessible::window() const {
    return table_ ? table_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CharCellAccessible::parent() const {
    return table_ ? QAccessible::queryAccessibleInterface(table_.data()) : nullptr;
}

QString CharCellAccessible::text(QAccessible::Text kind) const {
    if (!table_) return {};
    switch (kind) {
        case QAccessible::Name:
            return table_->CellDescription(index_);
        case QAccessible::Value:
            // The character alone, for a reader that spells it.
            return table_->CellShowsGlyph(index_) ? table_->CellDescription(index_).left(1)
                                                  : QString();
        default:
            return {};
    }
}

QRect CharCellAccessible::rect() const {
    if (!table_) return {};
    const QRect local = table_->CellRect(index_);
    return {table_->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State CharCellAccessible::state() const {
    QAccessible::State state;
    if (!table_) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    const bool current = table_->CurrentCell() == index_;
    state.selected = current;
    state.focused = current && table_->hasFocus();
    state.invisible = !table_->isVisible();
    return state;
}

QAccessibleInterface* CharTableAccessibleFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(CharTable::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new CharTableAccessible(static_cast<CharTable*>(object));
    return nullptr;
}

}  // namespace glyphora
