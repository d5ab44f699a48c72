#include "table/char_table_accessible.h"

#include <QWidget>

namespace glyphora {

namespace {

constexpr int kCells = MainWindowModel::kCells;
constexpr int kSide = CharTableAccessible::kSide;

}  // namespace

CharTableAccessible::CharTableAccessible(CharTable* table)
    : QAccessibleWidget(table, QAccessible::Table, QStringLiteral("Character table")) {}

CharTableAccessible::~CharTableAccessible() {
    for (QAccessible::Id id : ids_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

void* CharTableAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* CharTableAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0) {
        QAccessibleInterface* part =
            index < kCells
                ? static_cast<QAccessibleInterface*>(new CharCellAccessible(Table(), index))
                : new CharHeaderAccessible(Table(), index);
        id = QAccessible::registerAccessibleInterface(part);
    }
    return QAccessible::accessibleInterface(id);
}

int CharTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* part = dynamic_cast<const CharTablePartAccessible*>(child);
    return part && part->parent() == this ? part->Index() : -1;
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

QAccessibleInterface* CharTableAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= kSide || column < 0 || column >= kSide) return nullptr;
    return child(row * kSide + column);
}

QList<QAccessibleInterface*> CharTableAccessible::selectedCells() const {
    return {child(Table()->CurrentCell())};
}

QString CharTableAccessible::columnDescription(int column) const {
    return column >= 0 && column < kSide ? child(kCells + column)->text(QAccessible::Name)
                                         : QString();
}

QString CharTableAccessible::rowDescription(int row) const {
    return row >= 0 && row < kSide ? child(kCells + kSide + row)->text(QAccessible::Name)
                                   : QString();
}

QWindow* CharTablePartAccessible::window() const {
    return table_ ? table_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CharTablePartAccessible::parent() const {
    return table_ ? QAccessible::queryAccessibleInterface(table_.data()) : nullptr;
}

QRect CharTablePartAccessible::rect() const {
    if (!table_) return {};
    const QRect local = LocalRect();
    return {table_->mapToGlobal(local.topLeft()), local.size()};
}

void* CharCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
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

QAccessible::State CharCellAccessible::state() const {
    QAccessible::State state;
    if (!table_) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.focused = state.selected && table_->hasFocus();
    state.invisible = !table_->isVisible();
    return state;
}

bool CharCellAccessible::isSelected() const { return table_ && table_->CurrentCell() == index_; }

QList<QAccessibleInterface*> CharCellAccessible::columnHeaderCells() const {
    QAccessibleInterface* table = parent();
    return {table ? table->child(kCells + columnIndex()) : nullptr};
}

QList<QAccessibleInterface*> CharCellAccessible::rowHeaderCells() const {
    QAccessibleInterface* table = parent();
    return {table ? table->child(kCells + kSide + rowIndex()) : nullptr};
}

QRect CharCellAccessible::LocalRect() const { return table_->CellRect(index_); }

QString CharHeaderAccessible::text(QAccessible::Text kind) const {
    if (!table_ || kind != QAccessible::Name) return {};
    if (IsColumn()) return QString::number(Position(), 16).toUpper();
    return table_->RowLabel(Position());
}

QAccessible::Role CharHeaderAccessible::role() const {
    return IsColumn() ? QAccessible::ColumnHeader : QAccessible::RowHeader;
}

QAccessible::State CharHeaderAccessible::state() const {
    QAccessible::State state;
    state.invalid = !table_;
    state.invisible = !table_ || !table_->isVisible();
    return state;
}

QRect CharHeaderAccessible::LocalRect() const {
    return IsColumn() ? table_->ColumnHeaderRect(Position()) : table_->RowHeaderRect(Position());
}

QAccessibleInterface* CharTableAccessibleFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(CharTable::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new CharTableAccessible(static_cast<CharTable*>(object));
    return nullptr;
}

}  // namespace glyphora
