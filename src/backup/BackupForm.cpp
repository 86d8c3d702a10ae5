#include "backup/BackupForm.h"

#include <QDir>

#include "backup/Backup.h"
#include "dialogs/ListView.h"
#include "store/Messages.h"

namespace scv {

BackupFormPresenter::BackupFormPresenter(const QString& dataDir, BackupFormView& view, HelpView& help,
                                         Messages& messages)
    : dataDir_(dataDir), view_(view), help_(help), messages_(messages) {}

void BackupFormPresenter::BackupItemClick() {
  view_.FocusDirectoryList();
  view_.Exec();
}

bool BackupFormPresenter::BackupBtnClick() {
  const QString dest = view_.ChosenDirectory();
  const QString refusal = CheckBackupDestination(dataDir_, dest);
  if (!refusal.isEmpty()) {
    messages_.Error(refusal);
    view_.FocusDirectoryList();
    return false;
  }
  if (UnsavedChanges && UnsavedChanges()) {
    const Messages::Answer answer =
        messages_.ConfirmYesNoCancel(QStringLiteral("Save the changes before the backup?"));
    if (answer == Messages::Answer::Cancel ||
        (answer == Messages::Answer::Yes && SaveChanges && !SaveChanges())) {
      view_.FocusDirectoryList();
      return false;
    }
  }
  // Listed afresh each time, so files made since the last backup are in.
  const QStringList names = BackupFileNames(dataDir_);
  view_.ShowFileList(names);
  int count = 0;
  const bool copied = CopyBackupFiles(
      dataDir_, dest, names, messages_, [this](int row) { view_.SelectFile(row); }, &count);
  view_.HideFileList();
  if (!copied) {
    view_.FocusDirectoryList();
    return false;
  }
  view_.CloseDialog();
  messages_.Information(QStringLiteral("%1 %2 copied to %3")
                            .arg(count)
                            .arg(count == 1 ? QStringLiteral("file") : QStringLiteral("files"))
                            .arg(QDir::toNativeSeparators(QDir::cleanPath(QDir(dest).absolutePath()))));
  return true;
}

void BackupFormPresenter::HelpBtnClick() {
  help_.OpenHelp(QStringLiteral("File_Button"));
  view_.FocusDirectoryList();
}

}  // namespace scv
