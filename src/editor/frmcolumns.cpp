#include "frmcolumns.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace vx::editor {

namespace {

constexpr int kShownLines = 8;

QString choiceName(const exchange::TextColumn& c) {
    if (c.kind != exchange::TextColumn::Kind::Text)
        return QStringLiteral("(leave out)");
    if (c.code == 2)
        return c.american ? QStringLiteral("English (American)") : QStringLiteral("English");
    return languageName(c.code);
}

} // namespace

QList<exchange::TextColumn> frmColumns::choices() {
    using K = exchange::TextColumn::Kind;
    return {{K::Ignored}, {K::Text, 1}, {K::Text, 2}, {K::Text, 2, true},
            {K::Text, 3}, {K::Text, 4}, {K::Text, 5}};
}

frmColumns::frmColumns(const exchange::TextList& list, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmColumns"));
    setWindowTitle(QStringLiteral("Import word list"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("The file %1 does not name the languages of its "
                                            "columns. Choose the language of each column:")
                                 .arg(fileName),
                             this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    const int columnCount = std::max(1, list.columnCount());
    auto* pickers = new QHBoxLayout;
    for (int c = 0; c < columnCount; ++c) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cboColumn%1").arg(c + 1));
        for (const exchange::TextColumn& choice : choices())
            box->addItem(choiceName(choice));
        connect(box, &QComboBox::currentIndexChanged, this, &frmColumns::updateOK);
        pickers->addWidget(box, 1);
        cboColumn << box;
    }
    layout->addLayout(pickers);

    grdLines = new QTableWidget(std::min<int>(kShownLines, static_cast<int>(list.rows.size())),
                                columnCount, this);
    grdLines->setObjectName(QStringLiteral("grdLines"));
    grdLines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLines->setSelectionMode(QAbstractItemView::NoSelection);
    grdLines->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int r = 0; r < grdLines->rowCount(); ++r) {
        grdLines->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(list.lines[r])));
        for (int c = 0; c < list.rows[r].size() && c < columnCount; ++c)
            grdLines->setItem(r, c, new QTableWidgetItem(list.rows[r][c]));
    }
    layout->addWidget(grdLines, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(std::max(420, 150 * columnCount), 320);
    updateOK();
}

QList<exchange::TextColumn> frmColumns::columns() const {
    const QList<exchange::TextColumn> all = choices();
    QList<exchange::TextColumn> out;
    for (const QComboBox* box : cboColumn)
        out << all.value(box->currentIndex());
    return out;
}

void frmColumns::updateOK() {
    // At least one column must hold words, and no language twice.
    bool any = false;
    bool twice = false;
    QList<int> seen;
    for (const QComboBox* box : cboColumn) {
        const int i = box->currentIndex();
        if (i <= 0)
            continue;
        any = true;
        twice = twice || seen.contains(i);
        seen << i;
    }
    cmdOK->setEnabled(any && !twice);
}

} // namespace vx::editor
