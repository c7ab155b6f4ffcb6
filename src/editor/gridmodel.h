// The table model of the editor's grid: the cell texts of GridState, the header with the
// language flags, "Diff" and "Word cl.".
#pragma once

#include "edit1.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPixmap>
#include <array>

namespace vx {

class EditorGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    EditorGridModel(GridState& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The grid's rows changed in number or all at once.
    void reset();
    void rowChanged(int gridRow);
    void setFlags(const std::array<QPixmap, 6>& flags) { m_flags = flags; }

private:
    GridState& m_grid;
    int m_rows = 1;
    std::array<QPixmap, 6> m_flags;
};

// The grid's header row: each cell's flag or caption centred in it, the flag at its own
// size (the style would shrink a header icon to a small icon and put it at the left).
class EditorHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit EditorHeaderView(QWidget* parent = nullptr) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace vx
