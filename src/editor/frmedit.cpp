#include "frmedit.h"

#include "app/helpviewer.h"
#include "app/messagebox.h"
#include "frmnyfil.h"
#include "frmword.h"
#include "resources/artwork.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace vx::editor {

namespace {

constexpr int kHeaderHeight = 40; // 600 twips
constexpr int kLevelWidth = 27;   // 400 twips
constexpr int kClassWidth = 62;   // 800 twips, and room for its heading

Answer askWithBox(QWidget* parent, const QString& title, const QString& text) {
    const auto b = askQuestion(parent, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

} // namespace

frmEdit::frmEdit(EditorStore& store, ProgramFolder folder, Reporter& reporter)
    : s(store), m_edit(store, m_grid, folder), m_reporter(reporter) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Vokabrix Dictionary Editor"));
    setWindowIcon(art::icon(QStringLiteral("editor_icon")));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);

    EditorHooks& hooks = m_edit.hooks();
    hooks.reporter = &m_reporter;
    hooks.pumpEvents = [] { QCoreApplication::processEvents(); };
    hooks.showRecord = [this](int& r) { ShowRecord(r); };
    hooks.selectRow = [this](int r) { SelectRow(r); };
    hooks.gridReset = [this] {
        m_model->reset();
        applySelection();
    };
    hooks.rowChanged = [this](int r) { m_model->rowChanged(r); };

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* picTop = new QWidget(central);
    picTop->setObjectName(QStringLiteral("picTop"));
    picTop->setFixedHeight(36);
    auto* top = new QHBoxLayout(picTop);
    top->setContentsMargins(8, 4, 8, 4);
    top->addWidget(new QLabel(QStringLiteral("Dictionary:"), picTop));
    cboDct = new QComboBox(picTop);
    cboDct->setObjectName(QStringLiteral("cboDct"));
    cboDct->setMinimumWidth(220);
    top->addWidget(cboDct);
    cmdNew = new QPushButton(QStringLiteral("Create new dictionary"), picTop);
    cmdNew->setObjectName(QStringLiteral("cmdNew"));
    top->addWidget(cmdNew);
    top->addStretch();
    layout->addWidget(picTop);

    m_model = new EditorGridModel(m_grid, this);
    std::array<QPixmap, 6> flags;
    for (int l = 1; l <= 5; ++l)
        flags[static_cast<size_t>(l)] = art::flag(l, QSize(36, 24));
    m_model->setFlags(flags);
    grdEdit = new QTableView(central);
    grdEdit->setObjectName(QStringLiteral("grdEdit"));
    grdEdit->setModel(m_model);
    grdEdit->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdEdit->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grdEdit->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdEdit->verticalHeader()->hide();
    grdEdit->verticalHeader()->setDefaultSectionSize(22);
    grdEdit->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdEdit->horizontalHeader()->setFixedHeight(kHeaderHeight);
    grdEdit->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grdEdit->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdEdit->setIconSize(QSize(36, 24));
    grdEdit->setWordWrap(false);
    grdEdit->setAlternatingRowColors(true);
    layout->addWidget(grdEdit, 1);
    connect(grdEdit->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmEdit::readSelection);
    connect(grdEdit->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmEdit::readSelection);
    connect(grdEdit, &QTableView::doubleClicked, this, [this] {
        int r = m_grid.rowSel;
        ShowRecord(r);
    });

    auto* picBottom = new QWidget(central);
    picBottom->setObjectName(QStringLiteral("picBottom"));
    picBottom->setFixedHeight(40);
    auto* bottom = new QHBoxLayout(picBottom);
    bottom->setContentsMargins(8, 4, 8, 4);
    auto button = [picBottom, bottom](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, picBottom);
        b->setObjectName(name);
        b->setAutoDefault(false);
        bottom->addWidget(b);
        return b;
    };
    cmdAdd = button(QStringLiteral("cmdAdd"), QStringLiteral("&New Word"));
    cmdEdit = button(QStringLiteral("cmdEdit"), QStringLiteral("&Edit Word"));
    cmdDelete = button(QStringLiteral("cmdDelete"), QStringLiteral("&Delete Word"));
    cmdSave = button(QStringLiteral("cmdSave"), QStringLiteral("&Save"));
    bottom->addStretch();
    cmdHelp = button(QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("E&xit"));
    layout->addWidget(picBottom);
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* exitAction = file->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("mnuFileExit"));
    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* cutAction = editMenu->addAction(QStringLiteral("C&ut"));
    cutAction->setObjectName(QStringLiteral("mnuEditCut"));
    cutAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    QAction* copyAction = editMenu->addAction(QStringLiteral("&Copy"));
    copyAction->setObjectName(QStringLiteral("mnuEditCopy"));
    copyAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    QAction* pasteAction = editMenu->addAction(QStringLiteral("&Paste"));
    pasteAction->setObjectName(QStringLiteral("mnuEditPaste"));
    pasteAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));

    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(cutAction, &QAction::triggered, this, &frmEdit::cut);
    connect(copyAction, &QAction::triggered, this, &frmEdit::copy);
    connect(pasteAction, &QAction::triggered, this, &frmEdit::paste);
    connect(cmdNew, &QPushButton::clicked, this, &frmEdit::newFile);
    connect(cmdAdd, &QPushButton::clicked, this, [this] { m_edit.AddRecord(); });
    connect(cmdEdit, &QPushButton::clicked, this, [this] {
        int r = m_grid.row;
        ShowRecord(r);
    });
    connect(cmdDelete, &QPushButton::clicked, this, &frmEdit::deleteWord);
    connect(cmdSave, &QPushButton::clicked, this, &frmEdit::save);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { sendHelpKey(this); });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    // Enter anywhere in the window edits the current record.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            int r = m_grid.row;
            ShowRecord(r);
        });
    }
    connect(cboDct, &QComboBox::activated, this, [this](int index) { switchDictionary(cboDct->itemText(index)); });

    // Loading: normal size, centred, the plain dictionaries listed.
    resize(980, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    listDictionaries();
    FillGrid();
}

frmEdit::~frmEdit() = default;

void frmEdit::listDictionaries() {
    const QDir dir(m_edit.folder().path());
    const QStringList files = dir.entryList({QStringLiteral("*.dct")}, QDir::Files, QDir::Unsorted);
    cboDct->clear();
    for (const QString& name : files) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray head = f.read(2);
        if (head.size() == 2 && head[0] == 0 && head[1] == 0)
            cboDct->addItem(name);
    }
}

void frmEdit::loadOwnDictionary() {
    s.recordCount = 0;
    const QString own = m_edit.folder().exists(kOwnDictionary)
                            ? QFileInfo(m_edit.folder().resolve(kOwnDictionary)).fileName()
                            : kOwnDictionary;
    if (cboDct->findText(own) < 0)
        cboDct->addItem(own);
    cboDct->setCurrentText(own);
    if (m_edit.LoadDictionary(own))
        FillGrid();
}

void frmEdit::FillGrid() { m_edit.FillGrid(); syncTopRow(); }

void frmEdit::applySelection() {
    if (m_syncing)
        return;
    m_syncing = true;
    QItemSelectionModel* sel = grdEdit->selectionModel();
    const int rows = m_model->rowCount();
    if (rows > 0) {
        auto clampRow = [rows](int r) { return std::clamp(r, 1, rows) - 1; };
        const QModelIndex current = m_model->index(clampRow(m_grid.row), m_grid.col);
        const QModelIndex corner = m_model->index(clampRow(m_grid.rowSel), m_grid.colSel);
        sel->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        sel->select(QItemSelection(current, corner), QItemSelectionModel::ClearAndSelect);
    }
    m_syncing = false;
}

void frmEdit::readSelection() {
    if (m_syncing)
        return;
    const QModelIndex current = grdEdit->currentIndex();
    if (!current.isValid())
        return;
    m_grid.row = current.row() + 1;
    m_grid.col = current.column();
    m_grid.rowSel = m_grid.row;
    m_grid.colSel = m_grid.col;
    const QItemSelection selection = grdEdit->selectionModel()->selection();
    if (!selection.isEmpty()) {
        const QItemSelectionRange range = selection.first();
        m_grid.rowSel = (range.top() + 1 == m_grid.row ? range.bottom() : range.top()) + 1;
        m_grid.colSel = range.left() == m_grid.col ? range.right() : range.left();
    }
    int r = m_grid.rowSel;
    m_edit.ScrollToRow(r);
}

void frmEdit::syncTopRow() { grdEdit->verticalScrollBar()->setValue(std::max(0, m_grid.topRow - 1)); }

void frmEdit::SelectRow(int r) {
    m_grid.row = m_grid.rowSel = r;
    m_grid.col = 0;
    m_grid.colSel = kGridColumns - 1;
    applySelection();
    m_edit.ScrollToRow(r);
    syncTopRow();
}

void frmEdit::ShowRecord(int& r) {
    const bool kept = s.changed;
    if (!m_word) {
        m_word = new frmWord(s, *this);
        m_word->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_word->show();
    m_word->raise();
    m_word->fill(FieldsOfRecord(s, r));
    s.currentWord = r;
    m_word->cmdPrev->setEnabled(r != 1);
    m_word->cmdNext->setEnabled(r < s.recordCount);
    m_edit.ScrollToRow(r);
    syncTopRow();
    s.changed = kept;
}

void frmEdit::switchDictionary(const QString& name) {
    if (s.changed) {
        const Answer a = ask ? ask(QStringLiteral("Ny fil"), QStringLiteral("Vill du spara dina ändringar?"))
                             : askWithBox(this, QStringLiteral("Ny fil"), QStringLiteral("Vill du spara dina ändringar?"));
        if (a == Answer::Cancel) {
            cboDct->setCurrentText(s.currentFile);
            return;
        }
        if (a == Answer::Yes)
            m_edit.SaveDictionary(s.currentFile);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_edit.ClearStore();
    if (m_edit.LoadDictionary(name)) {
        FillGrid();
    } else {
        m_edit.ClearStore();
        m_edit.LoadDictionary(s.currentFile);
        FillGrid();
        cboDct->setCurrentText(s.currentFile);
    }
    QApplication::restoreOverrideCursor();
}

void frmEdit::save() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A save that reported an error leaves the changes marked, so that leaving still asks.
    if (m_edit.SaveDictionary(s.currentFile))
        s.changed = false;
    QApplication::restoreOverrideCursor();
}

void frmEdit::copy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_grid.clip() + QStringLiteral("\r\n"));
}

void frmEdit::cut() {
    copy();
    m_edit.ClearSelection();
    syncTopRow();
}

void frmEdit::paste() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_edit.Paste(QGuiApplication::clipboard()->text());
    QApplication::restoreOverrideCursor();
    syncTopRow();
}

void frmEdit::deleteWord() {
    int r = m_grid.row;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_edit.DeleteRecord(r);
    QApplication::restoreOverrideCursor();
    m_grid.rowSel = m_grid.row;
    m_grid.col = 0;
    m_grid.colSel = kGridColumns - 1;
    applySelection();
    syncTopRow();
    s.changed = true;
}

void frmEdit::newFile() {
    frmNyFil window(s, m_edit, this);
    window.exec();
}

void frmEdit::closeEvent(QCloseEvent* event) {
    if (s.changed) {
        const QString title = QStringLiteral("Exit Vokabrix editor");
        const QString text = QStringLiteral("Do you want to save your changes to the dictionary before exiting the program?");
        const Answer a = ask ? ask(title, text) : askWithBox(this, title, text);
        if (a == Answer::Cancel) {
            event->ignore();
            return;
        }
        if (a == Answer::Yes && !m_edit.SaveDictionary(s.currentFile)) {
            event->ignore(); // the changes would be lost: stay open
            return;
        }
    }
    event->accept();
    if (quit)
        quit();
    else
        QApplication::exit(0);
}

void frmEdit::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    setColumnWidths();
}

void frmEdit::setColumnWidths() {
    const int inner = grdEdit->viewport()->width() > 0 ? width() : 0;
    const int word = std::max(60, static_cast<int>(std::lround((inner - 2000 / 15.0 - 800 / 15.0 - 500 / 15.0) / 5)));
    for (int c = 0; c < kGridColumns - 1; ++c)
        grdEdit->setColumnWidth(c, c % 2 == 0 ? word : kLevelWidth);
    grdEdit->setColumnWidth(10, kClassWidth);
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event) { return QMainWindow::eventFilter(watched, event); }

} // namespace vx::editor
