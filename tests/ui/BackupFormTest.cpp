// The backup dialog in the running program: opened by Backup All (Ctrl+B),
// a directory chosen in its lists, the copies made by its Backup button.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>

#include "backup/Backup.h"
#include "ui/AppWindows.h"
#include "ui/BackupForm.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::ReadFile;
using test::WriteFile;
using test::WhenModal;

void Start(AppWindows& app) {
  app.Show();
  app.window.activateWindow();
  Pump(20);
}

// A small league with notes, and files that are not data files.
void WriteData(const QString& dir) {
  test::WriteLeague(dir);
  const QDir d(dir);
  WriteFile(d.filePath("Y1L1T1.Notes"), "Scorvane\r\nTEAM: Aces\r\nStrong start.\r\n");
  WriteFile(d.filePath("Y1L1T1P2.Notes"), "Bob\r\n\xC9t\xE9 2024\r\n");
  WriteFile(d.filePath("scorvane.lock"), "4242\nscorvane\n");
  WriteFile(d.filePath("notes.txt"), "not a data file\r\n");
}

std::map<QString, QByteArray> Snapshot(const QString& dir) {
  std::map<QString, QByteArray> files;
  for (const QString& name : QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
    files[name] = ReadFile(QDir(dir).filePath(name));
  return files;
}

TEST(BackupFormTest, BackupAllCopiesEveryDataFileIntoTheChosenDirectory) {
  QTemporaryDir data, dest;
  ASSERT_TRUE(data.isValid() && dest.isValid());
  WriteData(data.path());
  AppWindows app(data.path());
  Start(app);
  QAction* item = app.window.MenuAction(Command::BackupItem);
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->isEnabled());

  const QString root = BackupForm::DriveRoot(data.path());
  bool shown = false;
  WhenModal<BackupForm>([&](BackupForm* f) {
    shown = true;
    EXPECT_EQ(f->windowTitle(), QStringLiteral("SCV Backup to:"));
    EXPECT_EQ(f->BackupBtn()->text(), QStringLiteral("Backup"));
    EXPECT_EQ(f->HelpBtn()->text(), QStringLiteral("&Help"));
    EXPECT_EQ(f->CancelBtn()->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(f->focusWidget(), f->DirectoryListBox());
    EXPECT_FALSE(f->FileListBox()->isVisible());
    // Until the user chooses, the destination is the root of the data
    // directory's drive.
    EXPECT_TRUE(f->Drives().contains(root));
    EXPECT_EQ(f->DriveComboBox()->currentData().toString(), root);
    EXPECT_EQ(f->DirLabel()->text(), QDir::toNativeSeparators(root));

    // A directory chosen in the tree shows in the label; moving up the tree
    // follows.
    ASSERT_TRUE(f->ChooseDirectory(dest.path() + "/"));
    EXPECT_EQ(f->DirLabel()->text(), QDir::toNativeSeparators(dest.path()));
    QTreeView* tree = f->DirectoryListBox();
    const QModelIndex chosen = tree->currentIndex();
    ASSERT_TRUE(chosen.isValid());
    tree->setCurrentIndex(chosen.parent());
    EXPECT_EQ(f->ChosenDirectory(), QFileInfo(dest.path()).absolutePath());
    tree->setCurrentIndex(chosen);
    EXPECT_EQ(f->ChosenDirectory(), QDir::cleanPath(dest.path()));

    // Afterwards a line says how many files went where.
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      EXPECT_FALSE(f->isVisible());
      EXPECT_EQ(box->text(), QStringLiteral("6 files copied to ") + QDir::toNativeSeparators(dest.path()));
      box->accept();
    });
    f->BackupBtn()->click();
    EXPECT_FALSE(f->isVisible());
  });
  Key(app.window.Table(), Qt::Key_B, Qt::ControlModifier);
  ASSERT_TRUE(shown);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // Every list and note file, byte for byte; not the lock file nor others.
  const QStringList names = BackupFileNames(data.path());
  EXPECT_EQ(names, (QStringList{"Baseball.Years", "Y1.Leagues", "Y1L1.Teams", "Y1L1T1.Notes",
                                "Y1L1T1.Players", "Y1L1T1P2.Notes"}));
  std::map<QString, QByteArray> expected;
  for (const QString& name : names) expected[name] = ReadFile(QDir(data.path()).filePath(name));
  EXPECT_EQ(Snapshot(dest.path()), expected);
  app.window.close();
}

TEST(BackupFormTest, RefusalsAndFailuresKeepTheDialogOpenAndCancelCopiesNothing) {
  QTemporaryDir data, dest;
  ASSERT_TRUE(data.isValid() && dest.isValid());
  WriteData(data.path());
  // In the destination a directory holds the name of the second file.
  ASSERT_TRUE(QDir(dest.path()).mkpath("Y1.Leagues"));
  AppWindows app(data.path());
  Start(app);
  const auto before = Snapshot(data.path());

  int boxes = 0;
  WhenModal<BackupForm>([&](BackupForm* f) {
    // The data directory itself is refused with a message; nothing is listed.
    ASSERT_TRUE(f->ChooseDirectory(data.path()));
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      ++boxes;
      EXPECT_TRUE(box->text().contains("data directory")) << box->text().toStdString();
      EXPECT_FALSE(f->FileListBox()->isVisible());
      box->accept();
    });
    f->BackupBtn()->click();
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(f->isVisible());

    // A copy that fails stops at that file, shown selected in the file list
    // that covers the dialog; afterwards the dialog is open again.
    ASSERT_TRUE(f->ChooseDirectory(dest.path()));
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      ++boxes;
      QListWidget* files = f->FileListBox();
      EXPECT_TRUE(files->isVisible());
      EXPECT_EQ(files->geometry(), f->rect());
      ASSERT_NE(files->currentItem(), nullptr);
      EXPECT_EQ(files->currentItem()->text(), QStringLiteral("Y1.Leagues"));
      EXPECT_TRUE(box->text().contains(QDir::toNativeSeparators(QDir(dest.path()).filePath("Y1.Leagues"))))
          << box->text().toStdString();
      EXPECT_TRUE(box->text().contains("1 of 6")) << box->text().toStdString();
      box->accept();
    });
    f->BackupBtn()->click();
    EXPECT_EQ(boxes, 2);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->FileListBox()->isVisible());

    // Help shows the File_Button topic.
    f->HelpBtn()->click();
    EXPECT_TRUE(app.help.isVisible());
    EXPECT_EQ(app.help.CurrentTopic(), QStringLiteral("File_Button"));
    app.help.close();
    f->CancelBtn()->click();
  });
  app.window.MenuAction(Command::BackupItem)->trigger();
  EXPECT_EQ(boxes, 2);
  EXPECT_EQ(Snapshot(data.path()), before);
  // Only the file before the failing one was copied.
  EXPECT_EQ(QDir(dest.path()).entryList(QDir::Files), QStringList{"Baseball.Years"});

  // The choice stays for the next Backup; choosing a drive starts at its
  // root; Cancel copies nothing.
  QTemporaryDir other;
  WhenModal<BackupForm>([&](BackupForm* f) {
    EXPECT_EQ(f->ChosenDirectory(), QDir::cleanPath(dest.path()));
    QComboBox* drives = f->DriveComboBox();
    ASSERT_GT(drives->count(), 0);
    EXPECT_EQ(drives->currentData().toString(), BackupForm::DriveRoot(dest.path()));
    for (int i = 0; i < drives->count(); ++i) {
      if (i == drives->currentIndex()) continue;
      drives->setCurrentIndex(i);
      EXPECT_EQ(f->ChosenDirectory(), drives->itemData(i).toString());
      EXPECT_EQ(f->DirLabel()->text(), QDir::toNativeSeparators(drives->itemData(i).toString()));
      break;
    }
    ASSERT_TRUE(f->ChooseDirectory(other.path()));
    f->CancelBtn()->click();
  });
  app.window.MenuAction(Command::BackupItem)->trigger();
  EXPECT_TRUE(QDir(other.path()).isEmpty());
  app.window.close();
}

}  // namespace
}  // namespace scv
