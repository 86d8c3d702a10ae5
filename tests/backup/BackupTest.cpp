// Backup All: which files go, how they are copied, which destinations are
// refused, and what a failing copy leaves behind.
#include <gtest/gtest.h>

#include <deque>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "backup/Backup.h"
#include "backup/BackupForm.h"
#include "support/FakeViews.h"
#include "support/TempData.h"

namespace scv {
namespace {

using test::FakeHelpView;
using test::FakeMessages;
using test::TempData;

void WriteBytes(const QString& path, const std::string& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Every file under dir (subdirectories too), by relative path.
std::map<QString, std::string> Tree(const QString& dir) {
  std::map<QString, std::string> files;
  QDir root(dir);
  std::deque<QString> todo{dir};
  while (!todo.empty()) {
    const QString d = todo.front();
    todo.pop_front();
    const QFileInfoList entries =
        QDir(d).entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : entries) {
      if (e.isDir() && !e.isSymLink()) {
        todo.push_back(e.filePath());
        files[root.relativeFilePath(e.filePath()) + QLatin1Char('/')] = std::string();
      } else {
        files[root.relativeFilePath(e.filePath())] = ReadBytes(e.filePath());
      }
    }
  }
  return files;
}

// The backup dialog: records what the presenter shows; Exec runs a scripted
// user action (such as a click on Backup) while the dialog is open.
class FakeBackupView : public BackupFormView {
 public:
  QString chosen;
  std::function<void()> whileOpen;
  std::vector<QStringList> fileLists;
  std::vector<int> selected;
  int focusDirs = 0, hides = 0, closes = 0, execs = 0;
  bool fileListShown = false;

  QString ChosenDirectory() const override { return chosen; }
  void FocusDirectoryList() override { ++focusDirs; }
  void ShowFileList(const QStringList& names) override {
    fileLists.push_back(names);
    fileListShown = true;
  }
  void SelectFile(int row) override {
    EXPECT_TRUE(fileListShown);
    selected.push_back(row);
  }
  void HideFileList() override {
    ++hides;
    fileListShown = false;
  }
  void CloseDialog() override { ++closes; }
  void Exec() override {
    ++execs;
    if (whileOpen) whileOpen();
  }
};

// A data directory holding one of every kind of data file and things that
// are not data files.
void WriteDataDir(const TempData& data) {
  data.Write("Baseball.Years", {"Y|0||1||||", "|2024|Spring|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Metro|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Aces|2|1||1|"});
  data.Write("Y1L1T1.Players", {"P|", "|7|Ann|3|"});
  data.Write("Y1L1.Games", {"G|", "|20240504|1830|1|1|2||||||"});
  data.Write("Y1L1.Fields", {"F|", "|1|North|"});
  data.Write("Y1L1.Umpires", {"U|", "|1|Ump|"});
  data.Write("Y1L1.Times", {"2024050418301"});
  data.Write("Y1L1T1.Notes", {"Scorvane", "TEAM: Aces", "good year"});
  data.Write("Y2L3G12.Notes", {"a game note"});
  data.Write("Y2.Notes", {"another year"});
  data.Write("Y2.leagues", {"L|"});  // the mask is compared without case
  // Not data files.
  data.Write("scorvane.lock", {"12345"});
  data.Write("Y1L1.Teams.aB3dE9", {"T|", "half"});  // a save's temporary file
  data.Write("readme.txt", {"hello"});
  data.Write("Teams", {"no suffix"});
  data.Write(".Notes", {"only a suffix"});
  data.Write("Y1.Leagues~", {"editor backup"});
  data.Write("Y1.Notes.bak", {"x"});
  QDir(data.Dir()).mkpath(QStringLiteral("old.Teams"));
  WriteBytes(data.Path("sub/Y9.Leagues"), "L|\r\n");
}

const QStringList kDataFiles = {"Baseball.Years", "Y1.Leagues", "Y1L1.Fields",  "Y1L1.Games",
                                "Y1L1.Teams",     "Y1L1.Times", "Y1L1.Umpires", "Y1L1T1.Notes",
                                "Y1L1T1.Players", "Y2.leagues", "Y2.Notes",     "Y2L3G12.Notes"};

TEST(BackupTest, CopiesEveryListAndNoteFileAndNothingElse) {
  TempData data;
  WriteDataDir(data);
  EXPECT_EQ(BackupFileNames(data.Dir()), kDataFiles);
  EXPECT_TRUE(BackupFileNames(data.Dir() + QStringLiteral("/missing")).isEmpty());

  QTemporaryDir dest;
  FakeMessages messages;
  EXPECT_EQ(RunBackupCommand(data.Dir(), dest.path(), messages), 0);
  EXPECT_TRUE(messages.errors.empty());
  QStringList copied = QDir(dest.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  copied.sort(Qt::CaseInsensitive);
  EXPECT_EQ(copied, kDataFiles);
  // Files written with CR LF line ends come out byte for byte.
  for (const QString& name : kDataFiles)
    EXPECT_EQ(ReadBytes(QDir(dest.path()).filePath(name)), data.Read(name.toStdString()))
        << name.toStdString();
}

TEST(BackupTest, CopiesLineByLineWithCrLfAndReplacesOnlyFilesOfTheSameName) {
  TempData data;
  const std::string accents = "|1|Caf\xE9 \x80\x9F\xBF|\r\n";
  WriteBytes(data.Path("Y1L1.Teams"), "T|\n|1|Aces|\n");                 // LF only
  WriteBytes(data.Path("Y1.Notes"), "first\rsecond\r\nthird");           // CR, CR LF, no final break
  WriteBytes(data.Path("Y1.Leagues"), "L|\r\n" + accents);               // bytes kept as they are
  WriteBytes(data.Path("Y1L1.Times"), "");                               // an empty list stays empty
  WriteBytes(data.Path("Y2.Notes"), "\r\n\r\nafter two blank lines\n");  // blank lines kept

  QTemporaryDir dest;
  // A stale copy is replaced, other files there are left alone.
  WriteBytes(QDir(dest.path()).filePath("Y1L1.Teams"), "T|\r\n|1|Old name that is much longer|\r\n");
  WriteBytes(QDir(dest.path()).filePath("mine.txt"), "keep me");
  WriteBytes(QDir(dest.path()).filePath("Y7.Leagues"), "L|\r\n|not in the data directory|\r\n");

  FakeMessages messages;
  EXPECT_EQ(RunBackupCommand(data.Dir(), dest.path(), messages), 0);
  EXPECT_TRUE(messages.errors.empty());
  const QDir d(dest.path());
  EXPECT_EQ(ReadBytes(d.filePath("Y1L1.Teams")), "T|\r\n|1|Aces|\r\n");
  EXPECT_EQ(ReadBytes(d.filePath("Y1.Notes")), "first\r\nsecond\r\nthird\r\n");
  EXPECT_EQ(ReadBytes(d.filePath("Y1.Leagues")), "L|\r\n" + accents);
  EXPECT_TRUE(QFileInfo::exists(d.filePath("Y1L1.Times")));
  EXPECT_EQ(ReadBytes(d.filePath("Y1L1.Times")), "");
  EXPECT_EQ(ReadBytes(d.filePath("Y2.Notes")), "\r\n\r\nafter two blank lines\r\n");
  EXPECT_EQ(ReadBytes(d.filePath("mine.txt")), "keep me");
  EXPECT_EQ(ReadBytes(d.filePath("Y7.Leagues")), "L|\r\n|not in the data directory|\r\n");
  // No temporary file is left beside the copies.
  EXPECT_EQ(d.entryList(QDir::Files | QDir::Hidden).size(), 7);

  // A destination that does not exist yet is made.
  const QString deeper = d.filePath("usb/2024/spring");
  EXPECT_EQ(RunBackupCommand(data.Dir(), deeper, messages), 0);
  EXPECT_EQ(ReadBytes(QDir(deeper).filePath("Y1.Notes")), "first\r\nsecond\r\nthird\r\n");
}

TEST(BackupTest, RefusesTheDataDirectoryAndEveryDirectoryInsideIt) {
  QTemporaryDir root;
  const QString dataDir = QDir(root.path()).filePath("league");
  QDir().mkpath(dataDir);
  WriteBytes(QDir(dataDir).filePath("Y1.Leagues"), "L|\n|1|Metro|\n");
  WriteBytes(QDir(dataDir).filePath("Y1.Notes"), "a note\n");
  QDir().mkpath(QDir(dataDir).filePath("old"));
  QFile::link(dataDir, QDir(root.path()).filePath("link-to-league"));
  const auto before = Tree(root.path());

  const QString refused[] = {
      dataDir,
      dataDir + "/",
      QDir(dataDir).filePath("old"),
      QDir(dataDir).filePath("new/deeper"),  // not there yet
      QDir(root.path()).filePath("league/old/../old"),
      QDir(root.path()).filePath("link-to-league"),  // the same directory by another name
      QDir(root.path()).filePath("link-to-league/new"),
  };
  for (const QString& dest : refused) {
    FakeMessages messages;
    EXPECT_EQ(RunBackupCommand(dataDir, dest, messages), 1) << dest.toStdString();
    ASSERT_EQ(messages.errors.size(), 1u) << dest.toStdString();
    EXPECT_TRUE(messages.errors[0].contains("data directory")) << messages.errors[0].toStdString();
    EXPECT_FALSE(CheckBackupDestination(dataDir, dest).isEmpty());

    // The dialog refuses it the same way, before anything is copied.
    FakeBackupView view;
    FakeHelpView help;
    BackupFormPresenter presenter(dataDir + "/", view, help, messages);
    view.chosen = dest;
    EXPECT_FALSE(presenter.BackupBtnClick());
    EXPECT_TRUE(view.fileLists.empty());
    EXPECT_EQ(view.closes, 0);
    EXPECT_EQ(messages.errors.size(), 2u);
  }
  // Nothing was written, moved or created anywhere.
  EXPECT_EQ(Tree(root.path()), before);

  // A neighbour whose name begins like the data directory's is fine, and so
  // is the directory above it.
  for (const QString& dest : {QDir(root.path()).filePath("league2"), root.path()}) {
    FakeMessages messages;
    EXPECT_EQ(RunBackupCommand(dataDir, dest, messages), 0) << dest.toStdString();
    EXPECT_EQ(ReadBytes(QDir(dest).filePath("Y1.Notes")), "a note\r\n");
  }
}

TEST(BackupTest, FailedCopyNamesTheFileStopsAndLeavesNoHalfFile) {
  TempData data;
  WriteDataDir(data);
  const auto source = Tree(data.Dir());

  // A destination under a regular file cannot be made.
  QTemporaryDir root;
  const QString plainFile = QDir(root.path()).filePath("disk");
  WriteBytes(plainFile, "a file, not a directory");
  {
    FakeMessages messages;
    const QString dest = plainFile + "/backup";
    EXPECT_EQ(RunBackupCommand(data.Dir(), dest, messages), 1);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_TRUE(messages.errors[0].contains(QDir::toNativeSeparators(dest)))
        << messages.errors[0].toStdString();
    EXPECT_TRUE(messages.errors[0].contains("Not a directory")) << messages.errors[0].toStdString();

    // The dialog reports it and stays open.
    FakeBackupView view;
    FakeHelpView help;
    BackupFormPresenter presenter(data.Dir(), view, help, messages);
    view.chosen = dest;
    EXPECT_FALSE(presenter.BackupBtnClick());
    EXPECT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(view.closes, 0);
    EXPECT_EQ(view.hides, 1);
    EXPECT_FALSE(view.fileListShown);
    // The regular file as the destination itself.
    EXPECT_EQ(RunBackupCommand(data.Dir(), plainFile, messages), 1);
    EXPECT_TRUE(messages.errors.back().contains("not a directory")) << messages.errors.back().toStdString();
    EXPECT_EQ(ReadBytes(plainFile), "a file, not a directory");
  }

  // A failure part-way: the fifth file's name is taken by a directory there.
  // The four before it are copied, nothing after it, no temporary file stays.
  {
    const QString dest = QDir(root.path()).filePath("stick");
    QDir().mkpath(QDir(dest).filePath(kDataFiles[4] + "/inside"));
    FakeMessages messages;
    EXPECT_EQ(RunBackupCommand(data.Dir(), dest, messages), 1);
    ASSERT_EQ(messages.errors.size(), 1u);
    const QString& text = messages.errors[0];
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(QDir(dest).filePath(kDataFiles[4]))))
        << text.toStdString();
    EXPECT_TRUE(text.contains("4 of 12")) << text.toStdString();
    QStringList there = QDir(dest).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    there.sort(Qt::CaseInsensitive);
    EXPECT_EQ(there, kDataFiles.mid(0, 5));
    EXPECT_TRUE(QFileInfo(QDir(dest).filePath(kDataFiles[4])).isDir());
  }
  EXPECT_EQ(Tree(data.Dir()), source);
}

TEST(BackupTest, DialogCopiesAsItShowsAndCancelCopiesNothing) {
  TempData data;
  WriteDataDir(data);
  QTemporaryDir dest;
  FakeMessages messages;
  FakeBackupView view;
  FakeHelpView help;
  BackupFormPresenter presenter(data.Dir(), view, help, messages);

  // Cancel: the dialog opens with the directory list focused, closes, and
  // nothing is copied.
  presenter.BackupItemClick();
  EXPECT_EQ(view.execs, 1);
  EXPECT_EQ(view.focusDirs, 1);
  EXPECT_TRUE(view.fileLists.empty());
  EXPECT_TRUE(QDir(dest.path()).isEmpty());

  // Help opens the File_Button topic and gives the directory list the focus.
  presenter.HelpBtnClick();
  EXPECT_EQ(help.topics, std::vector<QString>{"File_Button"});
  EXPECT_EQ(view.focusDirs, 2);

  // Backup: every file selected in list order while it is copied, then the
  // list is hidden and the dialog closed.
  view.chosen = dest.path();
  view.whileOpen = [&] { EXPECT_TRUE(presenter.BackupBtnClick()); };
  presenter.BackupItemClick();
  ASSERT_EQ(view.fileLists.size(), 1u);
  EXPECT_EQ(view.fileLists[0], kDataFiles);
  std::vector<int> rows(kDataFiles.size());
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
  EXPECT_EQ(view.selected, rows);
  EXPECT_EQ(view.hides, 1);
  EXPECT_EQ(view.closes, 1);
  EXPECT_TRUE(messages.errors.empty());
  for (const QString& name : kDataFiles)
    EXPECT_EQ(ReadBytes(QDir(dest.path()).filePath(name)), data.Read(name.toStdString()));

  // The directory is listed afresh at every backup: a note saved since then
  // goes too.
  data.Write("Y1L1T1P1.Notes", {"new note"});
  view.whileOpen = [&] { EXPECT_TRUE(presenter.BackupBtnClick()); };
  presenter.BackupItemClick();
  ASSERT_EQ(view.fileLists.size(), 2u);
  EXPECT_TRUE(view.fileLists[1].contains("Y1L1T1P1.Notes"));
  EXPECT_EQ(ReadBytes(QDir(dest.path()).filePath("Y1L1T1P1.Notes")), "new note\r\n");
}

}  // namespace
}  // namespace scv
