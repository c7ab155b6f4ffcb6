// The table model of the editor's grid: the cell texts of GridState, the header with the
// language flags, "Diff" and "Word cl.".
#pragma once

#include "edit1.h"

#include <QAbstractTableModel>
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

} // namespace vx
