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
const QString kSaveQuestionTitle = QStringLiteral("Ny fil");
const QString kSaveQuestion = QStringLiteral("Vill du spara dina ändringar?");

Answer askWithBox(QWidget* parent, const QString& title, const QString& text) {
    const auto b =
        askQuestion(parent, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

} // namespace

void EditorMessages::message(const QString& text) {
    showMessage(QStringLiteral("Vokabrix Dictionary Editor"), text);
}

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
    grdEdit->setHorizontalHeader(new EditorHeaderView(grdEdit));
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
    grdEdit->horizontalHeader()->setStretchLastSection(true);
    grdEdit->setIconSize(QSize(36, 24));
    grdEdit->setWordWrap(false);
    grdEdit->setAlternatingRowColors(true);
    layout->addWidget(grdEdit, 1);
    connect(grdEdit->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmEdit::readSelection);
    connect(grdEdit->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmEdit::readSelection);
    connect(grdEdit, &QTableView::doubleClicked, this, [this] { editWord(m_grid.rowSel); });
    // The user scrolls with the wheel and the scroll bar too: the top row is read from the
    // view, not remembered.
    connect(grdEdit->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { m_grid.topRow = value + 1; });

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
    mnuFileImport = file->addAction(QStringLiteral("&Import word list..."));
    mnuFileImport->setObjectName(QStringLiteral("mnuFileImport"));
    mnuFileExport = file->addAction(QStringLiteral("Ex&port word list..."));
    mnuFileExport->setObjectName(QStringLiteral("mnuFileExport"));
    file->addSeparator();
    QAction* exitAction = file->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("mnuFileExit"));
    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* cutAction = editMenu->addAction(QStringLiteral("C&ut"));
    mnuEditCut = cutAction;
    cutAction->setObjectName(QStringLiteral("mnuEditCut"));
    cutAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    QAction* copyAction = editMenu->addAction(QStringLiteral("&Copy"));
    copyAction->setObjectName(QStringLiteral("mnuEditCopy"));
    copyAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    QAction* pasteAction = editMenu->addAction(QStringLiteral("&Paste"));
    mnuEditPaste = pasteAction;
    pasteAction->setObjectName(QStringLiteral("mnuEditPaste"));
    pasteAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));

    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(mnuFileImport, &QAction::triggered, this, &frmEdit::importWordList);
    connect(mnuFileExport, &QAction::triggered, this, &frmEdit::exportWordList);
    connect(cutAction, &QAction::triggered, this, &frmEdit::cut);
    connect(copyAction, &QAction::triggered, this, &frmEdit::copy);
    connect(pasteAction, &QAction::triggered, this, &frmEdit::paste);
    connect(cmdNew, &QPushButton::clicked, this, &frmEdit::newFile);
    connect(cmdAdd, &QPushButton::clicked, this, &frmEdit::addWord);
    connect(cmdEdit, &QPushButton::clicked, this, [this] { editWord(m_grid.row); });
    connect(cmdDelete, &QPushButton::clicked, this, &frmEdit::deleteWord);
    connect(cmdSave, &QPushButton::clicked, this, &frmEdit::save);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { sendHelpKey(this); });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    // Enter anywhere in the window edits the current record.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this] { editWord(m_grid.row); });
    }
    connect(cboDct, &QComboBox::activated, this,
            [this](int index) { switchDictionary(cboDct->itemText(index)); });

    // Loading: normal size, centred, the plain dictionaries listed.
    resize(980, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    listDictionaries();
    FillGrid();
    updateCommands();
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
        // An empty file (the editor makes one for a missing own.dct) is an empty dictionary.
        const QByteArray head = f.read(2);
        if (head.isEmpty() || (head.size() == 2 && head[0] == 0 && head[1] == 0))
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
    else
        cboDct->setCurrentIndex(-1); // nothing is open: the list names no dictionary
    updateCommands();
}

void frmEdit::FillGrid() {
    m_edit.FillGrid();
    syncTopRow();
}

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
        sel->setCurrentIndex(corner, QItemSelectionModel::NoUpdate);
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
    // The view's current cell is the corner that moves while the user drags or extends the
    // selection (the grid's far corner); the grid's current cell is where the selection began.
    m_grid.rowSel = m_grid.row = current.row() + 1;
    m_grid.colSel = m_grid.col = current.column();
    const QItemSelection selection = grdEdit->selectionModel()->selection();
    if (!selection.isEmpty() && selection.first().contains(current)) {
        const QItemSelectionRange range = selection.first();
        m_grid.row = (current.row() == range.top() ? range.bottom() : range.top()) + 1;
        m_grid.col = current.column() == range.left() ? range.right() : range.left();
    }
    int r = m_grid.rowSel;
    readViewRows();
    m_edit.ScrollToRow(r);
    syncTopRow();
}

void frmEdit::readViewRows() {
    m_grid.topRow = grdEdit->verticalScrollBar()->value() + 1;
    const int rowHeight = std::max(1, grdEdit->verticalHeader()->defaultSectionSize());
    m_grid.visibleRows = std::max(1, grdEdit->viewport()->height() / rowHeight);
}

void frmEdit::syncTopRow() {
    grdEdit->verticalScrollBar()->setValue(std::max(0, m_grid.topRow - 1));
}

void frmEdit::SelectRow(int r) {
    m_grid.row = m_grid.rowSel = r;
    m_grid.col = 0;
    m_grid.colSel = kGridColumns - 1;
    applySelection();
    readViewRows();
    m_edit.ScrollToRow(r);
    syncTopRow();
}

void frmEdit::fillWordWindow(int r) {
    m_word->fill(FieldsOfRecord(s, r));
    s.currentWord = r;
    m_word->cmdPrev->setEnabled(r != 1);
    m_word->cmdNext->setEnabled(r < s.recordCount);
}

void frmEdit::ShowRecord(int& r) {
    const bool kept = s.changed;
    if (!m_word) {
        m_word = new frmWord(s, *this);
        m_word->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_word->show();
    m_word->raise();
    fillWordWindow(r);
    readViewRows();
    m_edit.ScrollToRow(r);
    syncTopRow();
    s.changed = kept;
}

void frmEdit::keepWordWindowEdits() {
    if (!m_word || !m_word->isVisible() || !m_word->hasEdits())
        return;
    m_word->StoreWordWindow();
    m_edit.FillRow(s.currentWord);
}

void frmEdit::refreshWordWindow() {
    if (!m_word || !m_word->isVisible())
        return;
    const int r = s.currentWord;
    if (r >= 1 && (r <= s.recordCount || (s.recordCount == 0 && r == 1))) {
        const bool kept = s.changed;
        fillWordWindow(r);
        s.changed = kept;
    } else {
        m_word->hide();
    }
}

void frmEdit::updateCommands() {
    const bool open = !s.currentFile.isEmpty();
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdDelete, cmdSave})
        b->setEnabled(open);
    for (QAction* a : {mnuEditCut, mnuEditPaste, mnuFileImport, mnuFileExport})
        a->setEnabled(open);
}

bool frmEdit::mayReplaceDictionary() {
    keepWordWindowEdits();
    if (!s.changed)
        return true;
    const Answer a = ask ? ask(kSaveQuestionTitle, kSaveQuestion)
                         : askWithBox(this, kSaveQuestionTitle, kSaveQuestion);
    if (a == Answer::Cancel)
        return false;
    // A failed save keeps the dictionary and its changes: they would be lost otherwise.
    return a == Answer::No || m_edit.SaveDictionary(s.currentFile);
}

void frmEdit::switchDictionary(const QString& name) {
    if (!mayReplaceDictionary()) {
        if (s.currentFile.isEmpty())
            cboDct->setCurrentIndex(-1);
        else
            cboDct->setCurrentText(s.currentFile);
        return;
    }
    {
        WaitCursor wait;
        m_edit.ClearStore();
        if (m_edit.LoadDictionary(name)) {
            FillGrid();
        } else if (!s.currentFile.isEmpty()) {
            m_edit.ClearStore();
            m_edit.LoadDictionary(s.currentFile);
            FillGrid();
            cboDct->setCurrentText(s.currentFile);
        } else {
            // Nothing was open before: the editor stays without a dictionary.
            m_edit.ClearStore();
            s.recordCount = 0;
            FillGrid();
            cboDct->setCurrentIndex(-1);
        }
    }
    refreshWordWindow();
    updateCommands();
}

void frmEdit::save() {
    if (s.currentFile.isEmpty())
        return;
    keepWordWindowEdits();
    WaitCursor wait;
    // A save that reported an error leaves the changes marked, so that leaving still asks.
    if (m_edit.SaveDictionary(s.currentFile))
        s.changed = false;
}

void frmEdit::copy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_grid.clip() + QStringLiteral("\r\n"));
}

void frmEdit::cut() {
    keepWordWindowEdits();
    copy();
    m_edit.ClearSelection();
    syncTopRow();
    refreshWordWindow();
}

void frmEdit::paste() {
    keepWordWindowEdits();
    {
        WaitCursor wait;
        m_edit.Paste(QGuiApplication::clipboard()->text());
    }
    syncTopRow();
    refreshWordWindow();
}

void frmEdit::addWord() {
    keepWordWindowEdits();
    m_edit.AddRecord();
}

void frmEdit::editWord(int r) {
    keepWordWindowEdits();
    ShowRecord(r);
}

void frmEdit::deleteWord() {
    keepWordWindowEdits();
    int r = m_grid.row;
    {
        WaitCursor wait;
        m_edit.DeleteRecord(r);
    }
    m_grid.rowSel = m_grid.row;
    m_grid.col = 0;
    m_grid.colSel = kGridColumns - 1;
    applySelection();
    syncTopRow();
    s.changed = true;
    refreshWordWindow();
}

void frmEdit::newFile() {
    frmNyFil window(s, m_edit, this);
    window.exec();
    refreshWordWindow();
    updateCommands();
}

void frmEdit::closeEvent(QCloseEvent* event) {
    keepWordWindowEdits();
    if (s.changed) {
        const QString title = QStringLiteral("Exit Vokabrix editor");
        const QString text = QStringLiteral(
            "Do you want to save your changes to the dictionary before exiting the program?");
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
    readViewRows();
}

void frmEdit::setColumnWidths() {
    const int inner = grdEdit->viewport()->width() > 0 ? width() : 0;
    // A level column is as narrow as its heading allows with a margin on each side.
    const int level = std::max(
        kLevelWidth,
        grdEdit->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Diff")) + 10);
    const int word = std::max(
        60, static_cast<int>(std::lround((inner - 5 * level - kClassWidth - 500 / 15.0) / 5)));
    for (int c = 0; c < kGridColumns - 1; ++c)
        grdEdit->setColumnWidth(c, c % 2 == 0 ? word : level);
    grdEdit->setColumnWidth(10, kClassWidth);
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event) {
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vx::editor
