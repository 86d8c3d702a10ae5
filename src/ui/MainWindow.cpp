#include "ui/MainWindow.h"

#include <exception>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/MainForm.h"
#include "store/Text.h"
#include "tables/Tables.h"
#include "ui/Glyphs.h"
#include "ui/Guarded.h"

namespace scv {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

int Index(Command command) { return static_cast<int>(command); }

// The silver bar of command buttons, with the program's mark at its right end.
class CommandBar : public QWidget {
 public:
  explicit CommandBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ButtonPanel"));
    setFixedHeight(49);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QFont mark(QStringLiteral("Arial"));
    mark.setPixelSize(32);
    mark.setBold(true);
    p.setFont(mark);
    p.setPen(kGrey);
    p.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("SCV "));
  }
};

// Draws a cell as the string grid does: the text two pixels in from the
// left, cut at the cell's edge, the selected cell in the highlight colours.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->save();
    if (selected) p->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    p->setFont(option.font);
    p->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text = option.rect.adjusted(2, 0, -1, 0);
    p->setClipRect(option.rect);
    p->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
    p->restore();
  }
};

struct ButtonSpec {
  Command command;
  const char* name;
  const char* caption;
  int left, width;
  Glyph glyph;
};

const ButtonSpec kButtons[] = {
    {Command::File, "FileButton", "&File", 0, 40, Glyph::File},
    {Command::Year, "YearButton", "&Year", 40, 42, Glyph::Year},
    {Command::League, "LeagueButton", "&League", 82, 56, Glyph::League},
    {Command::Team, "TeamButton", "&Team", 138, 48, Glyph::Team},
    {Command::Player, "PlayerButton", "&Player", 186, 50, Glyph::Player},
    {Command::Update, "UpdateButton", "&Update", 236, 56, Glyph::Update},
    {Command::Setup, "SetupButton", "&Setup", 292, 48, Glyph::Setup},
    {Command::Note, "NoteButton", "&Notes", 340, 48, Glyph::Notes},
    {Command::Font, "FontButton", "F&ont", 388, 40, Glyph::Font},
    {Command::Print, "PrintButton", "P&rint", 428, 48, Glyph::Print},
    {Command::Help, "HelpButton", "&Help", 476, 40, Glyph::Help},
    {Command::Quit, "QuitButton", "E&xit", 516, 40, Glyph::Exit},
};

struct ItemSpec {
  Command command;
  const char* name;
  const char* caption;
  QKeySequence shortcut;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Scorvane"));

  QFont formFont = QApplication::font();
  formFont.setBold(true);
  formFont.setPixelSize(13);
  setFont(formFont);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  panel_ = new CommandBar(this);
  layout->addWidget(panel_);
  CreateButtons();

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("Table"));
  layout->addWidget(table_, 1);

  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("BottomTab"));
  tabs_->setShape(QTabBar::RoundedSouth);
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(true);
  tabs_->setFocusPolicy(Qt::NoFocus);
  QFont tabFont = QApplication::font();
  tabFont.setPixelSize(12);
  tabs_->setFont(tabFont);
  // Compact tabs, so that all eight fit the designed width.
  tabs_->setStyleSheet(QStringLiteral(
      "QTabBar::tab { padding: 1px 7px; margin-right: -1px; background: #c0c0c0;"
      " border: 1px solid #808080; border-top: none; }"
      " QTabBar::tab:selected { background: #ffffff; margin-top: -1px; }"));
  for (const char* caption : TabCaptions) tabs_->addTab(QString::fromLatin1(caption));
  tabs_->setFixedHeight(20);
  auto* tabRow = new QWidget(this);
  tabRow->setAutoFillBackground(true);
  QPalette tabPal = tabRow->palette();
  tabPal.setColor(QPalette::Window, kSilver);
  tabRow->setPalette(tabPal);
  tabRow->setFixedHeight(20);
  auto* tabLayout = new QHBoxLayout(tabRow);
  tabLayout->setContentsMargins(0, 0, 0, 0);
  tabLayout->addWidget(tabs_);
  tabLayout->addStretch(1);
  layout->addWidget(tabRow);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
    if (form_ && tab >= 0) Guarded([this, tab] { form_->BottomTabClick(tab); });
  });

  tableFont_ = formFont;
  ApplyTableLook();
  table_->setItemDelegate(new CellDelegate(table_));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setSelectionBehavior(QAbstractItemView::SelectItems);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  table_->verticalScrollBar()->setTracking(true);
  table_->setTabKeyNavigation(false);
  table_->setShowGrid(true);
  table_->setGridStyle(Qt::SolidLine);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideNone);
  table_->setCornerButtonEnabled(false);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setMinimumSectionSize(1);
  QHeaderView* header = table_->horizontalHeader();
  // A click on a header sorts by that column (see SetHeaderClickHandler).
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setHighlightSections(false);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setMinimumSectionSize(0);
  header->setStretchLastSection(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { menu_->popup(table_->viewport()->mapToGlobal(pos)); });
  connect(table_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex&) {
    if (form_) Guarded([this] { form_->UpdateButtonClick(); });
  });
  table_->viewport()->installEventFilter(this);
  connect(header, &QHeaderView::sectionClicked, this, [this](int col) {
    if (headerClick_) Guarded([this, col] { headerClick_(col); });
  });

  CreateMenu();

  // The window's cancel button (Esc) is FileButton, its default button
  // (Enter) UpdateButton; a disabled button does not react.
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, buttons_[Index(Command::File)], &QToolButton::click);
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    connect(enter, &QShortcut::activated, buttons_[Index(Command::Update)], &QToolButton::click);
  }

  // Ctrl+Tab and Ctrl+PgDn go to the next page, Ctrl+Shift+Tab and
  // Ctrl+PgUp to the previous one, round from the last to the first; the
  // table keeps the keyboard focus.
  const std::pair<QKeySequence, int> pageKeys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
  };
  for (const auto& [keys, step] : pageKeys) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, step = step] {
      const int count = tabs_->count();
      tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
      FocusTable();
    });
  }

  resize(kDesignedWidth, kDesignedHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kDesignedWidth / 2, kDesignedHeight / 2));
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateButtons() {
  QFont buttonFont = font();
  buttonFont.setPixelSize(12);
  for (const ButtonSpec& spec : kButtons) {
    auto* button = new QToolButton(panel_);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setText(QString::fromLatin1(spec.caption));
    button->setIcon(ButtonGlyph(spec.glyph));
    button->setIconSize(QSize(20, 20));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(buttonFont);
    button->setGeometry(spec.left, 0, spec.width, 49);
    button->setFocusPolicy(Qt::NoFocus);
    const Command command = spec.command;
    connect(button, &QToolButton::clicked, this, [this, command] { Run(command); });
    buttons_[Index(command)] = button;
  }
}

void MainWindow::CreateMenu() {
  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu"));
  const ItemSpec items[] = {
      {Command::BackupItem, "BackupItem", "&Backup All", QKeySequence(Qt::CTRL | Qt::Key_B)},
      {Command::ImportItem, "ImportItem", "&Import QKT", QKeySequence(Qt::CTRL | Qt::Key_I)},
      {Command::SaveItem, "SaveItem", "&Save Data", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {Command::HelpItem, "HelpItem", "&Help", QKeySequence(Qt::Key_F1)},
      {Command::AboutItem, "AboutItem", "&About", QKeySequence(Qt::Key_F2)},
      {Command::QuitItem, "QuitItem", "E&xit", QKeySequence(Qt::Key_F3)},
  };
  for (const ItemSpec& item : items) {
    if (item.command == Command::HelpItem) menu_->addSeparator();
    auto* action = new QAction(QString::fromLatin1(item.caption), this);
    action->setObjectName(QString::fromLatin1(item.name));
    action->setShortcut(item.shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    const Command command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    menu_->addAction(action);
    // Also on the window, so that the shortcuts work without the menu open.
    addAction(action);
    actions_[Index(command)] = action;
  }
}

void MainWindow::SetPresenter(MainForm* form) {
  form_ = form;
  grid_ = form ? &form->grid : nullptr;
  delete model_;
  model_ = nullptr;
  if (!form) return;
  grid_->ClientWidth = table_->viewport()->width();
  model_ = new GridModel(*grid_, this);
  table_->setModel(model_);
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) { OnCurrentChanged(current); });

  auto wire = [this](Command command, void (MainForm::*method)()) {
    SetCommandHandler(command, [this, method] { Call(form_, method); });
  };
  wire(Command::File, &MainForm::FileButtonClick);
  wire(Command::Year, &MainForm::YearButtonClick);
  wire(Command::League, &MainForm::LeagueButtonClick);
  wire(Command::Team, &MainForm::TeamButtonClick);
  wire(Command::Player, &MainForm::PlayerButtonClick);
  wire(Command::Update, &MainForm::UpdateButtonClick);
  wire(Command::Note, &MainForm::NoteButtonClick);
  wire(Command::Print, &MainForm::PrintButtonClick);
  wire(Command::Help, &MainForm::HelpButtonClick);
  wire(Command::Quit, &MainForm::QuitButtonClick);
  wire(Command::SaveItem, &MainForm::SaveItemClick);
  wire(Command::BackupItem, &MainForm::BackupItemClick);
  wire(Command::ImportItem, &MainForm::ImportItemClick);
  wire(Command::HelpItem, &MainForm::HelpButtonClick);
  wire(Command::AboutItem, &MainForm::AboutItemClick);
  wire(Command::QuitItem, &MainForm::QuitButtonClick);
  GridChanged();
}

void MainWindow::SetHeaderClickHandler(std::function<void(int)> handler) {
  headerClick_ = std::move(handler);
}

void MainWindow::SetCommandHandler(Command command, std::function<void()> handler) {
  handlers_[Index(command)] = std::move(handler);
}

void MainWindow::Run(Command command) {
  const auto& handler = handlers_[Index(command)];
  if (handler) Guarded(handler);
}

void MainWindow::Guarded(const std::function<void()>& action) {
  scv::Guarded(this, action);
  // Every change to the data comes through here.
  ShowUnsavedMark();
}

void MainWindow::FormShow() {
  if (!form_ || started_) return;
  started_ = true;
  grid_->ClientWidth = table_->viewport()->width();
  lastViewportWidth_ = grid_->ClientWidth;
  Guarded([this] { form_->FormShow(); });
}

QToolButton* MainWindow::Button(Command command) const { return buttons_[Index(command)]; }
QAction* MainWindow::MenuAction(Command command) const { return actions_[Index(command)]; }

void MainWindow::SetWindowCaption(const QString& caption) {
  QString title = caption.trimmed().isEmpty() ? QStringLiteral("Scorvane") : caption;
  // "[*]" is where the window shows that there are unsaved changes; one
  // typed in a name is doubled to show as it stands.
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(title + QStringLiteral("[*]"));
}

void MainWindow::ShowUnsavedMark() { setWindowModified(form_ && form_->store.HasUnsavedChanges()); }

void MainWindow::SetWindowSize(int height, int width) {
  // A dimension that is not stored (0) stays as it is.
  if (height <= 0) height = this->height();
  if (width <= 0) width = this->width();
  QRect area(0, 0, 4096, 4096);
  if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) area = s->availableGeometry();
  width = std::clamp(width, 100, std::max(100, area.width()));
  height = std::clamp(height, 100, std::max(100, area.height()));
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) {
    setWindowState(Qt::WindowNoState);
  }
  resize(width, height);
  move(area.center() - QPoint(width / 2, height / 2));
}

void MainWindow::SetCommandEnabled(Command command, bool enabled) {
  if (QToolButton* b = buttons_[Index(command)]) b->setEnabled(enabled);
  if (QAction* a = actions_[Index(command)]) a->setEnabled(enabled);
}

void MainWindow::SelectTab(int tab) {
  if (tab < 0 || tab >= tabs_->count()) return;
  const bool blocked = tabs_->blockSignals(true);
  tabs_->setCurrentIndex(tab);
  tabs_->blockSignals(blocked);
}

QPoint MainWindow::FileMenuPosition() const { return mapToGlobal(QPoint(45, 51)); }

void MainWindow::ShowFileMenu() { menu_->popup(FileMenuPosition()); }

void MainWindow::ShowAbout() {
  if (about_) about_->exec();
}

void MainWindow::FocusTable() { table_->setFocus(Qt::OtherFocusReason); }

void MainWindow::GridChanged() {
  if (!model_) return;
  syncing_ = true;
  model_->Refresh();
  const int cols = grid_->ColCount();
  for (int c = 0; c < cols; ++c) {
    // Column 0 is the hidden key column; every other width gets the pixel of
    // its grid line, as the widths are computed without it.
    if (c == 0) {
      table_->setColumnHidden(0, true);
    } else {
      table_->setColumnHidden(c, false);
      table_->setColumnWidth(c, std::max(grid_->ColWidth(c), 0) + 1);
    }
  }
  // The order the rows follow shows on its column's header.
  QHeaderView* header = table_->horizontalHeader();
  const int sortColumn = grid_->SortColumn;
  header->setSortIndicatorShown(sortColumn > 0 && sortColumn < cols);
  if (sortColumn > 0 && sortColumn < cols)
    header->setSortIndicator(sortColumn, grid_->SortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
  SyncSelection();
  syncing_ = false;
}

void MainWindow::SyncSelection() {
  const int viewRow = GridModel::ViewRow(grid_->Row);
  const int col = grid_->Col;
  QItemSelectionModel* selection = table_->selectionModel();
  if (viewRow >= 0 && viewRow < model_->rowCount() && col >= 0 && col < model_->columnCount()) {
    const QModelIndex index = model_->index(viewRow, col);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (col > 0) table_->scrollTo(index);
    else table_->verticalScrollBar()->setValue(std::min(viewRow, table_->verticalScrollBar()->maximum()));
  } else {
    selection->clear();
  }
}

void MainWindow::OnCurrentChanged(const QModelIndex& current) {
  if (syncing_ || !form_ || !current.isValid()) return;
  const int col = current.column();
  const int row = GridModel::GridRow(current.row());
  grid_->Col = col;
  grid_->Row = row;
  Guarded([this, col, row] { form_->TableSelectCell(col, row); });
}

void MainWindow::ApplyTableFont(const TableFont& font) {
  QFont f = QApplication::font();
  if (!font.Name.empty()) f.setFamily(Decode(font.Name));
  if (font.PointSize > 0) {
    f.setPointSize(static_cast<int>(std::min<int64_t>(font.PointSize, 400)));
  } else {
    f.setPixelSize(13);
  }
  f.setBold(font.Bold);
  f.setItalic(font.Italic);
  f.setUnderline(font.Underline);
  f.setStrikeOut(font.StrikeOut);
  tableFont_ = f;
  // Colours are Windows colour values, 0x00BBGGRR.
  const auto c = static_cast<uint32_t>(font.Color);
  tableColor_ = QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  ApplyTableLook();
}

void MainWindow::ApplyTableLook() {
  table_->setFont(tableFont_);
  QPalette pal = table_->palette();
  pal.setColor(QPalette::Base, kSilver);
  pal.setColor(QPalette::Window, kSilver);
  pal.setColor(QPalette::Text, tableColor_);
  pal.setColor(QPalette::Mid, kGrey);
  pal.setColor(QPalette::Highlight, QColor(0, 0, 128));
  pal.setColor(QPalette::HighlightedText, Qt::white);
  table_->setPalette(pal);
  const int rowHeight = QFontMetrics(tableFont_).height() + 4;
  table_->verticalHeader()->setDefaultSectionSize(rowHeight);
  QHeaderView* header = table_->horizontalHeader();
  header->setFont(tableFont_);
  header->setFixedHeight(rowHeight);
  header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: #808080; color: %1;"
                                       " border: none; border-right: 1px solid #404040;"
                                       " border-bottom: 1px solid #404040; padding-left: 2px; }")
                            .arg(tableColor_.name()));
}

bool MainWindow::NormalState() const {
  return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void MainWindow::ForwardResize() {
  if (!form_ || !started_) return;
  grid_->ClientWidth = table_->viewport()->width();
  lastViewportWidth_ = grid_->ClientWidth;
  const int h = height(), w = width();
  const bool normal = NormalState();
  Guarded([this, h, w, normal] { form_->FormResize(h, w, normal); });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ForwardResize();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !form_ || !started_) return;
  // Some window systems report the maximised size before the state: the
  // size to remember is the normal one.
  if (!NormalState()) {
    const QRect normal = normalGeometry();
    if (normal.isValid() && normal.width() > 0 && normal.height() > 0) {
      grid_->ClientWidth = table_->viewport()->width();
      Guarded([this, normal] { form_->FormResize(normal.height(), normal.width(), true); });
    }
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The right button opens the file menu (the context menu event that
  // follows); it does not select a cell, so the current team, player or game
  // stays as it was.
  if (watched == table_->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
       event->type() == QEvent::MouseButtonDblClick) &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
    return true;
  // The grid's client width changes also when its scroll bar comes or goes.
  if (watched == table_->viewport() && event->type() == QEvent::Resize && started_ &&
      table_->viewport()->width() != lastViewportWidth_) {
    ForwardResize();
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool close = true;
  if (form_) Guarded([this, &close] { close = form_->FormCloseQuery(); });
  if (!close) {
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindow::CloseWindow() { close(); }

}  // namespace scv
