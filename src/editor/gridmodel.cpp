#include "gridmodel.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace vx {

EditorGridModel::EditorGridModel(GridState& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rows(grid.rows() - 1) {}

int EditorGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int EditorGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant EditorGridModel::data(const QModelIndex& index, int role) const {
    const int row = index.row() + 1;
    if (!index.isValid() || row >= m_grid.rows())
        return {};
    if (role == Qt::DisplayRole)
        return m_grid.cells[static_cast<size_t>(row)][static_cast<size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    return {};
}

QVariant EditorGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    const bool word = section < 10 && section % 2 == 0;
    if (role == Qt::DisplayRole) {
        if (word)
            return {};
        return section == 10 ? QStringLiteral("Word cl.") : QStringLiteral("Diff");
    }
    if (role == Qt::DecorationRole && word)
        return m_flags[static_cast<size_t>(section / 2 + 1)];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

void EditorGridModel::reset() {
    beginResetModel();
    m_rows = m_grid.rows() - 1;
    endResetModel();
}

void EditorGridModel::rowChanged(int gridRow) {
    if (gridRow >= 1 && gridRow <= m_rows)
        emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, kGridColumns - 1));
}

void EditorHeaderView::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    // The section's frame and background only; its content is drawn centred below.
    option->text.clear();
    option->icon = QIcon();
}

void EditorHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    // The style leaves the painter clipped to the empty label it drew.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (!model())
        return;
    const QVariant picture = model()->headerData(logicalIndex, orientation(), Qt::DecorationRole);
    if (picture.canConvert<QPixmap>()) {
        const QPixmap flag = picture.value<QPixmap>();
        const QSize size = flag.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(QPoint(rect.center().x() - size.width() / 2 + 1,
                                         rect.center().y() - size.height() / 2 + 1),
                                  size),
                            flag);
        return;
    }
    painter->save();
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(rect, Qt::AlignCenter,
                      model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace vx
