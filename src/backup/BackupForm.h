#pragma once
// The backup dialog (TBackupForm) as its presenter sees it, and the
// presenter: the Backup All command, the Backup and Help buttons.
#include <functional>

#include <QString>
#include <QStringList>

namespace scv {

class HelpView;
class Messages;

class BackupFormView {
 public:
  virtual ~BackupFormView() = default;
  // The directory chosen in the directory list; before the user chooses one
  // it is the root of the data directory's drive.
  virtual QString ChosenDirectory() const = 0;
  virtual void FocusDirectoryList() = 0;
  // The file list: shown over the whole dialog while the copy runs, with the
  // file being copied selected.
  virtual void ShowFileList(const QStringList& names) = 0;
  virtual void SelectFile(int row) = 0;
  virtual void HideFileList() = 0;
  // Closes the dialog after a backup.
  virtual void CloseDialog() = 0;
  // Shows the dialog modally; returns when it is closed (Backup or Cancel).
  virtual void Exec() = 0;
};

class BackupFormPresenter {
 public:
  BackupFormPresenter(const QString& dataDir, BackupFormView& view, HelpView& help, Messages& messages);

  // The File menu's Backup All: the directory list gets the focus and the
  // dialog is shown modally.
  void BackupItemClick();
  // Copies the data files into the chosen directory, closes the dialog and
  // says how many files went where. With unsaved changes it first asks
  // whether to save them (Yes saves, then copies; No copies the files as
  // saved; Cancel copies nothing). A destination inside the data directory
  // is refused, and a failed save or copy is reported; the dialog then stays
  // open for another choice. Returns true when every file was copied.
  bool BackupBtnClick();
  void HelpBtnClick();

  const QString& DataDir() const { return dataDir_; }

  // Whether lists changed in memory are not saved yet, and how to save them
  // (false when the save failed; it has reported why). Unset: the files are
  // copied as they are.
  std::function<bool()> UnsavedChanges;
  std::function<bool()> SaveChanges;

 private:
  QString dataDir_;
  BackupFormView& view_;
  HelpView& help_;
  Messages& messages_;
};

}  // namespace scv
