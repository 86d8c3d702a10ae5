#include "ui/BackupForm.h"

#include <algorithm>
#include <exception>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/Guarded.h"
#include "ui/ListForm.h"

namespace scv {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

bool IsSameOrInside(const QString& path, const QString& dir) {
  if (path.compare(dir, kPathCase) == 0) return true;
  const QString prefix = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
  return path.startsWith(prefix, kPathCase);
}

// Shows one drive's tree: the drive's root, what lies inside it, and the
// directories above it (the tree's hidden parents); everything beside it is
// left out.
class DriveFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void SetRoot(const QString& root) {
    root_ = root;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    if (root_.isEmpty()) return true;
    auto* fs = static_cast<QFileSystemModel*>(sourceModel());
    const QString path = fs->filePath(fs->index(row, 0, parent));
    return IsSameOrInside(path, root_) || IsSameOrInside(root_, path);
  }

 private:
  QString root_;
};

QString CleanPath(const QString& path) { return QDir::cleanPath(QDir(path).absolutePath()); }

}  // namespace

BackupForm::BackupForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("BackupForm"));
  setWindowTitle(QStringLiteral("SCV Backup to:"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  drives_ = new QComboBox(this);
  drives_->setObjectName(QStringLiteral("DriveComboBox"));

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setReadOnly(true);
  proxy_ = new DriveFilter(this);
  proxy_->setSourceModel(model_);
  proxy_->setSortCaseSensitivity(Qt::CaseInsensitive);
  proxy_->setDynamicSortFilter(true);
  proxy_->sort(0, Qt::AscendingOrder);

  tree_ = new QTreeView(this);
  tree_->setObjectName(QStringLiteral("DirectoryListBox"));
  tree_->setModel(proxy_);
  tree_->setHeaderHidden(true);
  for (int c = 1; c < model_->columnCount(); ++c) tree_->hideColumn(c);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->setUniformRowHeights(true);
  tree_->setMinimumSize(200, 150);

  dirLabel_ = new QLabel(this);
  dirLabel_->setObjectName(QStringLiteral("DirLabel"));
  dirLabel_->setWordWrap(true);
  dirLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  backupBtn_ = DialogButton(this, "BackupBtn", QStringLiteral("Backup"));
  backupBtn_->setDefault(true);
  helpBtn_ = DialogButton(this, "HelpBtn", QStringLiteral("&Help"));
  cancelBtn_ = DialogButton(this, "CancelBtn", QStringLiteral("&Cancel"));

  auto* left = new QVBoxLayout;
  left->addWidget(drives_);
  left->addWidget(tree_, 1);
  left->addWidget(dirLabel_);
  auto* right = new QVBoxLayout;
  right->addWidget(backupBtn_);
  right->addWidget(helpBtn_);
  right->addWidget(cancelBtn_);
  right->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right);

  // Hidden until a backup runs; then it covers the whole dialog.
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("FileListBox"));
  files_->setSelectionMode(QAbstractItemView::SingleSelection);
  files_->hide();

  // The model lists directories in the background: keep the chosen one in
  // view as the directories above it fill in.
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
    if (!chosen_.isEmpty() && IsSameOrInside(chosen_, path) && tree_->currentIndex().isValid())
      tree_->scrollTo(tree_->currentIndex());
  });
  connect(drives_, &QComboBox::currentIndexChanged, this, [this](int row) { OnDriveChosen(row); });
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) { OnDirectoryChosen(current); });
  connect(backupBtn_, &QPushButton::clicked, this, [this] {
    if (backup_) Guarded(backup_);
  });
  connect(helpBtn_, &QPushButton::clicked, this, [this] {
    if (help_) Guarded(help_);
  });
  connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

  resize(360, 280);
}

BackupForm::~BackupForm() = default;

QString BackupForm::DriveRoot(const QString& path) {
  QString existing = CleanPath(path);
  while (!QFileInfo::exists(existing)) {
    const QString up = QFileInfo(existing).path();
    if (up == existing) break;
    existing = up;
  }
  const QStorageInfo storage(existing);
  if (storage.isValid() && storage.isReady() && !storage.rootPath().isEmpty()) return storage.rootPath();
  return QDir::rootPath();
}

void BackupForm::SetDataDir(const QString& dataDir) {
  dataDir_ = dataDir;
  const QString root = DriveRoot(dataDir);
  RefreshDrives();
  SelectDrive(root);
}

QStringList BackupForm::Drives() const {
  QStringList roots;
  for (int i = 0; i < drives_->count(); ++i) roots << drives_->itemData(i).toString();
  return roots;
}

void BackupForm::RefreshDrives() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = volume.rootPath();
    // Single files are mounted into some systems; only directories can
    // take a backup.
    if (!root.isEmpty() && QFileInfo(root).isDir()) roots << root;
  }
  if (!dataDir_.isEmpty()) roots << DriveRoot(dataDir_);
  if (!drive_.isEmpty() && QFileInfo(drive_).isDir()) roots << drive_;
  std::sort(roots.begin(), roots.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  roots.erase(std::unique(roots.begin(), roots.end()), roots.end());

  const bool blocked = drives_->blockSignals(true);
  drives_->clear();
  for (const QString& root : roots) drives_->addItem(QDir::toNativeSeparators(root), root);
  drives_->setCurrentIndex(std::max<int>(0, static_cast<int>(roots.indexOf(drive_))));
  drives_->blockSignals(blocked);
}

QModelIndex BackupForm::TreeIndex(const QString& path) const {
  // setRootPath makes the model read the path's directories, so the index
  // exists before the background listing has reached it.
  const QModelIndex source = model_->setRootPath(path);
  return proxy_->mapFromSource(source.isValid() ? source : model_->index(path));
}

void BackupForm::SelectDrive(const QString& root) {
  choosing_ = true;
  drive_ = root;
  const qsizetype row = Drives().indexOf(root);
  if (row >= 0 && drives_->currentIndex() != row) {
    const bool blocked = drives_->blockSignals(true);
    drives_->setCurrentIndex(static_cast<int>(row));
    drives_->blockSignals(blocked);
  }
  static_cast<DriveFilter*>(proxy_)->SetRoot(CleanPath(root));
  const QModelIndex rootIndex = TreeIndex(root);
  // The drive's root is the one top item; its parent stays hidden.
  tree_->setRootIndex(rootIndex.parent());
  tree_->setCurrentIndex(rootIndex);
  tree_->expand(rootIndex);
  choosing_ = false;
  SetChosen(root);
}

void BackupForm::OnDriveChosen(int row) {
  if (row < 0 || row >= drives_->count()) return;
  SelectDrive(drives_->itemData(row).toString());
}

void BackupForm::OnDirectoryChosen(const QModelIndex& current) {
  if (choosing_ || !current.isValid()) return;
  SetChosen(model_->filePath(proxy_->mapToSource(current)));
}

void BackupForm::SetChosen(const QString& dir) {
  chosen_ = dir;
  dirLabel_->setText(QDir::toNativeSeparators(dir));
}

bool BackupForm::ChooseDirectory(const QString& path) {
  if (!QFileInfo(path).isDir()) return false;
  const QString dir = CleanPath(path);
  const QString root = DriveRoot(dir);
  if (!Drives().contains(root)) {
    drive_ = root;
    RefreshDrives();
  }
  SelectDrive(root);
  const QModelIndex index = TreeIndex(dir);
  if (index.isValid()) {
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
  }
  SetChosen(dir);
  return true;
}

void BackupForm::FocusDirectoryList() {
  if (isVisible()) {
    tree_->setFocus(Qt::OtherFocusReason);
  } else {
    focusTree_ = true;
  }
}

void BackupForm::ShowFileList(const QStringList& names) {
  files_->clear();
  files_->addItems(names);
  files_->setGeometry(rect());
  files_->show();
  files_->raise();
  files_->setFocus(Qt::OtherFocusReason);
}

void BackupForm::SelectFile(int row) {
  if (row < 0 || row >= files_->count()) return;
  files_->setCurrentRow(row);
  files_->scrollToItem(files_->item(row));
  // The copy runs without returning to the event loop: paint now, so the
  // file being copied is seen.
  files_->viewport()->repaint();
}

void BackupForm::HideFileList() { files_->hide(); }

void BackupForm::CloseDialog() { accept(); }

void BackupForm::Exec() {
  // Drives come and go (a stick plugged in): offer the ones there now. A
  // chosen directory that has gone falls back to the data directory's drive.
  RefreshDrives();
  if (!QFileInfo(chosen_).isDir()) SelectDrive(DriveRoot(dataDir_));
  files_->hide();
  exec();
}

void BackupForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (tree_->currentIndex().isValid()) tree_->scrollTo(tree_->currentIndex());
  if (focusTree_) {
    focusTree_ = false;
    tree_->setFocus(Qt::OtherFocusReason);
  }
}

void BackupForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  files_->setGeometry(rect());
}

void BackupForm::Guarded(const std::function<void()>& action) { scv::Guarded(this, action); }

}  // namespace scv
