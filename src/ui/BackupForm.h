#pragma once
// The backup dialog (TBackupForm, "SCV Backup to:"): a drive list, the
// directory tree of the chosen drive, the label showing the chosen
// directory, and the file list that covers the dialog while the copy runs.
// The drive list holds the mounted file systems (their root directories),
// the counterpart of drive letters.
#include <functional>

#include <QDialog>
#include <QString>

#include "backup/BackupForm.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

namespace scv {

class BackupForm : public QDialog, public BackupFormView {
  Q_OBJECT

 public:
  explicit BackupForm(QWidget* parent);
  ~BackupForm() override;

  // Set-up at start-up: the file list is pointed at the data directory and
  // the directory list at the root of the data directory's drive.
  void SetDataDir(const QString& dataDir);
  // What the Backup and Help buttons do (the presenter's BackupBtnClick and
  // HelpBtnClick); the presenter is made after the dialog.
  void SetBackupHandler(std::function<void()> handler) { backup_ = std::move(handler); }
  void SetHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }

  // Chooses the drive that holds path and the directory path in the tree,
  // as the user would by clicking; returns false when path is no directory.
  bool ChooseDirectory(const QString& path);
  // The drives offered, as root paths.
  QStringList Drives() const;
  // The root of the drive that holds path.
  static QString DriveRoot(const QString& path);

  // BackupFormView
  QString ChosenDirectory() const override { return chosen_; }
  void FocusDirectoryList() override;
  void ShowFileList(const QStringList& names) override;
  void SelectFile(int row) override;
  void HideFileList() override;
  void CloseDialog() override;
  void Exec() override;

  QComboBox* DriveComboBox() const { return drives_; }
  QTreeView* DirectoryListBox() const { return tree_; }
  QLabel* DirLabel() const { return dirLabel_; }
  QPushButton* BackupBtn() const { return backupBtn_; }
  QPushButton* HelpBtn() const { return helpBtn_; }
  QPushButton* CancelBtn() const { return cancelBtn_; }
  QListWidget* FileListBox() const { return files_; }
  QString DataDir() const { return dataDir_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RefreshDrives();
  void SelectDrive(const QString& root);
  void OnDriveChosen(int row);
  void OnDirectoryChosen(const QModelIndex& current);
  void SetChosen(const QString& dir);
  QModelIndex TreeIndex(const QString& path) const;
  void Guarded(const std::function<void()>& action);

  QComboBox* drives_ = nullptr;
  QTreeView* tree_ = nullptr;
  QFileSystemModel* model_ = nullptr;
  QSortFilterProxyModel* proxy_ = nullptr;
  QLabel* dirLabel_ = nullptr;
  QPushButton* backupBtn_ = nullptr;
  QPushButton* helpBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
  QListWidget* files_ = nullptr;
  QString dataDir_;
  QString drive_;   // root of the chosen drive
  QString chosen_;  // the chosen directory
  bool focusTree_ = false;
  bool choosing_ = false;
  std::function<void()> backup_, help_;
};

}  // namespace scv
