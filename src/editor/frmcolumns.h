// The column window: for a text word list without a header row, the user says which
// language each column holds, looking at the first lines of the list.
#pragma once

#include "exchange/textlist.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>

namespace vx::editor {

class frmColumns : public QDialog {
    Q_OBJECT
public:
    frmColumns(const exchange::TextList& list, const QString& fileName, QWidget* parent = nullptr);

    // What the columns hold as chosen.
    QList<exchange::TextColumn> columns() const;

    QTableWidget* grdLines = nullptr;
    QList<QComboBox*> cboColumn; // one a column
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The choices of each list: leave out, then the languages.
    static QList<exchange::TextColumn> choices();

private:
    void updateOK();
};

} // namespace vx::editor
