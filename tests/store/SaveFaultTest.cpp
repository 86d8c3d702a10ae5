// Every save path when the disk fails it part-way: each file on disk is the
// old one or the new one, never a mix; the message names the file and the
// reason; nothing in memory is lost and the next save writes it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "backup/Backup.h"
#include "import/QktImport.h"
#include "notes/NoteFakes.h"
#include "notes/NoteForm.h"
#include "store/DataStore.h"
#include "support/FailingFiles.h"
#include "support/FakeViews.h"
#include "support/TempData.h"
#include "tables/Tables.h"

namespace scv::test {
namespace {

using Files = std::map<std::string, std::string>;

// mid: the directory after the failed save; after: once the next save, with
// the fault gone, has run. A temporary file may stay behind only where the
// directory itself had gone (nothing could be removed from it then); the
// next save of that file leaves none.
void ExpectOldOrNew(const Files& before, const Files& mid, const Files& after, FailingFiles::Fault fault,
                    const std::string& notRewritten = {}) {
  for (const auto& [name, bytes] : mid) {
    const auto old = before.find(name), now = after.find(name);
    if (old == before.end() && now == after.end()) {
      EXPECT_TRUE(fault == FailingFiles::DirectoryGone && name.ends_with(".new")) << name << " left behind";
      continue;
    }
    EXPECT_TRUE((old != before.end() && bytes == old->second) || (now != after.end() && bytes == now->second))
        << name << " is neither the old file nor the new one";
  }
  for (const auto& entry : after)
    EXPECT_FALSE(entry.first.ends_with(".new") && entry.first != notRewritten + ".new") << entry.first;
}

// The file that failed is as it was, and the next save wrote it.
void ExpectWrittenOnlyByTheNextSave(const Files& before, const Files& mid, const Files& after,
                                    const std::string& name) {
  EXPECT_EQ(mid.count(name), before.count(name)) << name;
  if (before.count(name)) EXPECT_EQ(mid.at(name), before.at(name)) << name;
  ASSERT_TRUE(after.count(name)) << name;
  EXPECT_TRUE(!before.count(name) || after.at(name) != before.at(name)) << name;
}

void ExpectReported(const std::vector<QString>& errors, const QString& path, FailingFiles::Fault fault) {
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(path))) << errors[0].toStdString();
  EXPECT_TRUE(errors[0].contains(FailingFiles::Reason(fault))) << errors[0].toStdString();
}

std::string Trace(FailingFiles::Fault fault, const std::string& file) {
  return std::string(FailingFiles::Name(fault)) + " on " + file;
}

TEST(SaveFaults, ListsAndTimes) {
  for (const auto fault : FailingFiles::SaveFaults())
    for (const std::string file : {"Y1L1T1.Players", "Y1L1.Teams", "Y1L1.Times", "Baseball.Years"}) {
      SCOPED_TRACE(Trace(fault, file));
      TempData data;
      data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
      data.Write("Y1.Leagues", {"L|", "|1|Majors|1|"});
      data.Write("Y1L1.Teams", {"T|", "|1|Tigers|||||", "|2|Bears|||||"});
      data.Write("Y1L1.Times", {"2026060610001"});
      FakeMessages messages;
      DataStore s(data.Dir(), &messages);
      ASSERT_TRUE(s.LoadYears() && s.LoadPlayers() && s.LoadGames() && s.LoadTimes());
      s.CurrentTeam.Won = "5";
      ASSERT_TRUE(s.WriteTeam());
      s.CurrentPlayer = PlayerRecord{};
      s.CurrentPlayer.Name = "Ann Baker";
      s.AddPlayer();  // a players file that is new
      s.AddTime("2026060710002");
      s.YearsHeader.CurTab = "3";
      const Files before = data.Snapshot();
      {
        FailingFiles failing(fault, file, 7);
        EXPECT_FALSE(s.SaveAll());
        EXPECT_GE(failing.failures, 1);
      }
      const Files mid = data.Snapshot();
      ExpectReported(messages.errors, data.Path(file), fault);
      EXPECT_TRUE(s.LastSaveFailed);

      ASSERT_TRUE(s.SaveAll());
      const Files after = data.Snapshot();
      ExpectOldOrNew(before, mid, after, fault);
      ExpectWrittenOnlyByTheNextSave(before, mid, after, file);
      EXPECT_EQ(after.at("Y1L1.Teams"), "T|\r\n|1|Tigers|5|||1|\r\n|2|Bears|||||\r\n");
      EXPECT_NE(after.at("Y1L1T1.Players").find("\n||Ann Baker|"), std::string::npos);
      EXPECT_EQ(after.at("Y1L1.Times"), "2026060610001\r\n2026060710002\r\n");
      EXPECT_EQ(after.at("Baseball.Years"), "Y|3||1||||\r\n|2026|Season|1|\r\n");
    }
}

TEST(SaveFaults, NoteKeepsItsTextAndItsOldFile) {
  for (const auto fault : FailingFiles::SaveFaults()) {
    SCOPED_TRACE(Trace(fault, "a note"));
    TempData data;
    data.Write("Y1L1T2.Notes", {"old"});
    FakeNoteView view;
    FakeNotePrinter printer;
    NoteMessages messages;
    FakeHelpView help;
    NoteFormPresenter form(view, printer, messages, help);
    const Files before = data.Snapshot();
    Files mid;
    view.script.push_back([&](FakeNoteView& v) {
      v.Type(QStringLiteral("typed"));
      {
        FailingFiles failing(fault, "Y1L1T2.Notes", 3);
        EXPECT_FALSE(form.Save());
      }
      mid = data.Snapshot();
      EXPECT_TRUE(v.modified);
      EXPECT_EQ(v.text, QStringLiteral("old\ntyped"));
      EXPECT_TRUE(form.Save());
    });
    ASSERT_TRUE(form.Open(data.Path("Y1L1T2.Notes"), {}));
    const Files after = data.Snapshot();
    ExpectReported(messages.errors, data.Path("Y1L1T2.Notes"), fault);
    ExpectOldOrNew(before, mid, after, fault);
    ExpectWrittenOnlyByTheNextSave(before, mid, after, "Y1L1T2.Notes");
    EXPECT_EQ(after.at("Y1L1T2.Notes"), "old\r\ntyped\r\n");
  }
}

TEST(SaveFaults, BackupStopsAtTheFileThatFails) {
  for (const auto fault : FailingFiles::SaveFaults()) {
    SCOPED_TRACE(Trace(fault, "a backup"));
    TempData data, dest;
    data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
    data.Write("Y1.Leagues", {"L|", "|1|Majors|1|"});
    data.Write("Y1L1.Teams", {"T|", "|1|Tigers|||||"});
    data.Write("Y1L1T1.Notes", {"note"});
    dest.Write("Y1L1.Teams", {"T|", "|1|Old copy|||||"});
    const QStringList names = BackupFileNames(data.Dir());
    ASSERT_EQ(names.size(), 4);
    FakeMessages messages;
    const Files before = dest.Snapshot();
    {
      FailingFiles failing(fault, dest.Path("Y1L1.Teams").toStdString(), 5);
      EXPECT_FALSE(CopyBackupFiles(data.Dir(), dest.Dir(), names, messages));
    }
    const Files mid = dest.Snapshot();
    ExpectReported(messages.errors, dest.Path("Y1L1.Teams"), fault);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("2 of 4 files were copied")));
    ASSERT_TRUE(CopyBackupFiles(data.Dir(), dest.Dir(), names, messages));
    const Files after = dest.Snapshot();
    ExpectOldOrNew(before, mid, after, fault);
    ExpectWrittenOnlyByTheNextSave(before, mid, after, "Y1L1.Teams");
    EXPECT_EQ(after, data.Snapshot());
  }
}

// The import writes the lists it moves past and the notes it copies as it
// goes; a file that fails stops it. New files are synced once, before the
// years file: a failed sync stops the save that follows.
TEST(SaveFaults, ImportStopsAtTheListOrNoteThatFails) {
  for (const auto fault : FailingFiles::SaveFaults())
    for (const std::string file : {"Y2L1T1.Players", "Y2L1T1.Notes"}) {
      SCOPED_TRACE(Trace(fault, file));
      TempData data, qkt;
      data.Write("Baseball.Years", {"Y|0||1||||", "|2018|Old|0|"});
      qkt.Write("League.QKT",
                {"[Init]", "Last=1", "[Y1]", "Name=2030", "Last=1", "[Y1L1]", "Name=Majors", "Last=2",
                 "[Y1L1T1]", "Name=Hawks", "Note=TN", "Last=1", "[Y1L1T1P1]", "Name=Ann Baker", "[Y1L1T2]",
                 "Name=Owls", "Last=1", "[Y1L1T2P1]", "Name=Bob Stone"});
      qkt.Write("TN.QKN", {"team note"});
      FakeMessages messages;
      NullProgress progress;
      DataStore s(data.Dir(), &messages);
      ASSERT_TRUE(s.LoadYears());
      const bool syncs = fault == FailingFiles::SyncFails;
      const Files before = data.Snapshot();
      {
        FailingFiles failing(fault, file, 4);
        EXPECT_EQ(ImportQkt(s, qkt.Path("League.QKT"), messages, progress),
                  syncs ? ImportResult::Imported : ImportResult::Stopped);
        if (syncs) EXPECT_FALSE(s.SaveAll());
      }
      const Files mid = data.Snapshot();
      ExpectReported(messages.errors, data.Path(syncs ? "Baseball.Years" : file), fault);
      ASSERT_TRUE(s.SaveAll());
      const Files after = data.Snapshot();
      // A note is written again only by the import that copies it.
      ExpectOldOrNew(before, mid, after, fault, "Y2L1T1.Notes");
      // What the import had added before it stopped is saved; a note that
      // failed is not there, not even in part.
      EXPECT_NE(after.at("Y2L1.Teams").find("|Hawks|"), std::string::npos);
      if (file.ends_with(".Players")) EXPECT_NE(after.at(file).find("|Ann Baker|"), std::string::npos);
      EXPECT_EQ(after.count("Y2L1T1.Notes"), file.ends_with(".Notes") && !syncs ? 0u : 1u);
      EXPECT_EQ(after.at("Baseball.Years"),
                "Y|0||2||||\r\n|2018|Old|0|\r\n|2030|Imported from QKT file|1|\r\n");
    }
}

// Reads that fail leave the lists in memory as they were and name the file;
// a directory that has gone is no empty list.
TEST(SaveFaults, FailedReadsChangeNothing) {
  TempData data, dest, qkt;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|", "|2|Minors|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|||||"});
  data.Write("Y1L2.Teams", {"T|", "|1|Bears|||||"});
  data.Write("Y1L1T1.Notes", {"note"});
  qkt.Write("League.QKT", {"[Init]", "Last=1", "[Y1]", "Name=2030"});
  FakeMessages messages;
  DataStore s(data.Dir(), &messages);
  ASSERT_TRUE(s.LoadYears() && s.LoadTeams());
  const List teams = s.Teams;
  auto expectReadFailure = [&](const QString& path, const QString& reason) {
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_TRUE(
        messages.errors[0].startsWith(QStringLiteral("Could not read ") + QDir::toNativeSeparators(path)))
        << messages.errors[0].toStdString();
    EXPECT_TRUE(messages.errors[0].contains(reason)) << messages.errors[0].toStdString();
    messages.errors.clear();
  };
  const QString eio = FailingFiles::Reason(FailingFiles::ReadFails);
  {
    FailingFiles failing(FailingFiles::ReadFails, "");
    s.CurrentYear.CurLeague = "2";
    EXPECT_FALSE(s.LoadTeams());
    expectReadFailure(data.Path("Y1L2.Teams"), eio);
    EXPECT_EQ(s.TeamsKey, "Y1L1");
    EXPECT_EQ(s.Teams, teams);

    FakeNoteView view;
    FakeNotePrinter printer;
    FakeHelpView help;
    NoteFormPresenter form(view, printer, messages, help);
    EXPECT_FALSE(form.Open(data.Path("Y1L1T1.Notes"), {}));
    EXPECT_EQ(view.execs, 0);
    expectReadFailure(data.Path("Y1L1T1.Notes"), eio);

    EXPECT_FALSE(CopyBackupFiles(data.Dir(), dest.Dir(), BackupFileNames(data.Dir()), messages));
    expectReadFailure(data.Path("Baseball.Years"), eio);
    NullProgress progress;
    EXPECT_EQ(ImportQkt(s, qkt.Path("League.QKT"), messages, progress), ImportResult::Refused);
    expectReadFailure(qkt.Path("League.QKT"), eio);
  }
  EXPECT_TRUE(dest.Snapshot().empty());
  EXPECT_EQ(s.Years.size(), 2u);

  // The data directory goes (a drive pulled out): no list reads as empty,
  // and no save makes the directory again.
  const QString gone = data.Dir() + QStringLiteral(".gone");
  ASSERT_TRUE(QDir().rename(data.Dir(), gone));
  EXPECT_FALSE(s.LoadTeams());
  expectReadFailure(data.Path("Y1L2.Teams"), QStringLiteral("does not exist"));
  s.CurrentTeam.Won = "5";
  ASSERT_TRUE(s.WriteTeam());
  EXPECT_FALSE(s.SaveAll());
  EXPECT_FALSE(QFileInfo::exists(data.Dir()));
  messages.errors.clear();
  ASSERT_TRUE(QDir().rename(gone, data.Dir()));
  // Back again: the change is saved and the other league read.
  ASSERT_TRUE(s.LoadTeams());
  EXPECT_EQ(s.Teams[1], "|1|Bears|||||");
  EXPECT_EQ(data.Read("Y1L1.Teams"), "T|\r\n|1|Tigers|5||||\r\n");
  EXPECT_TRUE(messages.errors.empty());
}

// A pipe under a list's name is not read (that would hang the program), and
// a link to one is not replaced by a file.
TEST(SaveFaults, PipesAreNeitherReadNorReplaced) {
  TempData data, elsewhere;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|", "|2|Minors|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|||||"});
  const QByteArray pipe = QFile::encodeName(elsewhere.Path("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(data.Path("Y1L2.Teams")).constData(), 0600), 0);
  ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
  FakeMessages messages;
  DataStore s(data.Dir(), &messages);
  ASSERT_TRUE(s.LoadYears() && s.LoadTeams());
  s.CurrentYear.CurLeague = "2";
  EXPECT_FALSE(s.LoadTeams());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("Y1L2.Teams: it is not a regular file")));

  s.CurrentYear.CurLeague = "1";
  s.CurrentTeam.Won = "5";
  ASSERT_TRUE(s.WriteTeam());
  ASSERT_TRUE(QFile::remove(data.Path("Y1L1.Teams")) &&
              QFile::link(elsewhere.Path("pipe"), data.Path("Y1L1.Teams")));
  EXPECT_FALSE(s.SaveAll());
  ASSERT_EQ(messages.errors.size(), 2u);
  EXPECT_TRUE(messages.errors[1].contains(QStringLiteral("Y1L1.Teams: it is not a regular file")));
  struct stat st {};
  EXPECT_TRUE(::stat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
  EXPECT_EQ(QDir(elsewhere.Dir()).entryList(QDir::Files | QDir::System), QStringList{QStringLiteral("pipe")});
}

// A real file system that fills up: a small one mounted for the test (as
// root; skipped elsewhere, or where mounting is not allowed).
TEST(SaveFaults, FullFileSystemLeavesEveryListAsItWas) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a file system needs root";
  QTemporaryDir mountPoint;
  const QByteArray dir = QFile::encodeName(mountPoint.path());
  if (::mount("tmpfs", dir.constData(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
  struct Unmount {
    QByteArray dir;
    ~Unmount() { ::umount2(dir.constData(), MNT_DETACH); }
  } unmount{dir};
  auto write = [&](const char* name, const std::string& bytes) {
    QFile file(mountPoint.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
  };
  ASSERT_TRUE(write("Baseball.Years", "Y|0||1||||\r\n|2026|Season|1|\r\n"));
  ASSERT_TRUE(write("Y1.Leagues", "L|\r\n|1|Majors|1|\r\n"));
  ASSERT_TRUE(write("Y1L1.Teams", "T|\r\n|1|Tigers|||||\r\n"));
  ASSERT_TRUE(write("Y1L1.Times", "2026060610001\r\n"));
  FakeMessages messages;
  DataStore s(mountPoint.path(), &messages);
  ASSERT_TRUE(s.LoadYears() && s.LoadTeams() && s.LoadGames() && s.LoadTimes());
  s.CurrentTeam.Won = "5";
  ASSERT_TRUE(s.WriteTeam());
  s.AddTime("2026060710002");
  s.YearsHeader.CurTab = "3";
  // The rest of the space taken.
  {
    QFile filler(mountPoint.filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const std::string block(4096, 'x');
    while (filler.write(block.data(), 4096) == 4096 && filler.flush()) {
    }
  }
  auto lists = [&] {
    Files files;
    for (const QString& name : QDir(mountPoint.path()).entryList(QDir::Files))
      if (name != QStringLiteral("filler")) {
        QFile file(mountPoint.filePath(name));
        if (file.open(QIODevice::ReadOnly)) files[name.toStdString()] = file.readAll().toStdString();
      }
    return files;
  };
  const Files before = lists();

  EXPECT_FALSE(s.SaveAll());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_TRUE(
      messages.errors[0].contains(QDir::toNativeSeparators(mountPoint.filePath(QStringLiteral("Y1L1")))))
      << messages.errors[0].toStdString();
  EXPECT_TRUE(messages.errors[0].contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
  EXPECT_EQ(lists(), before);

  ASSERT_TRUE(QFile::remove(mountPoint.filePath(QStringLiteral("filler"))));
  ASSERT_TRUE(s.SaveAll());
  const Files after = lists();
  EXPECT_EQ(after.at("Y1L1.Teams"), "T|\r\n|1|Tigers|5||||\r\n");
  EXPECT_EQ(after.at("Y1L1.Times"), "2026060610001\r\n2026060710002\r\n");
  EXPECT_EQ(after.at("Baseball.Years"), "Y|3||1||||\r\n|2026|Season|1|\r\n");
}

}  // namespace
}  // namespace scv::test
