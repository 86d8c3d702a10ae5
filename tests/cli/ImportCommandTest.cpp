// scorvane import FILE.QKT: a QKT file with its notes in, the data directory
// out, byte for byte; refusals on standard error with exit status 1.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "cli/CommandLine.h"
#include "import/QktImport.h"
#include "support/TempData.h"

namespace scv {
namespace {

using test::TempData;

int RunCli(const QStringList& args, std::string& err) {
  StartOptions options;
  testing::internal::CaptureStderr();
  const int status = RunCommandLine(args, QDir::tempPath(), options);
  err = testing::internal::GetCapturedStderr();
  return status;
}

std::map<std::string, std::string> Folder(const QString& dir) {
  std::map<std::string, std::string> files;
  for (const QString& name : QDir(dir).entryList(QDir::Files)) {
    QFile file(QDir(dir).filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    files[name.toStdString()] = file.readAll().toStdString();
  }
  return files;
}

TEST(ImportCommand, AddsTheFilesSeasonsAsTheGoldenFolderShowsAndRefusesOtherFiles) {
  const QString golden = QStringLiteral(SCV_SOURCE_DIR "/tests/import/golden/league");
  TempData data;
  for (const auto& [name, bytes] : Folder(golden + "/data")) {
    QFile file(data.Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  const QString qkt = golden + "/in/League.QKT";
  std::string err;
  ASSERT_EQ(RunCli({"--data-dir", data.Dir(), "import", qkt}, err), 0) << err;
  EXPECT_EQ(err, "");
  EXPECT_EQ(data.Snapshot(), Folder(golden + "/out"));

  // Refused: the window's message on standard error, nothing written.
  const auto after = data.Snapshot();
  EXPECT_EQ(RunCli({"--data-dir", data.Dir(), "import", golden + "/in/TN1.QKN"}, err), 1);
  EXPECT_EQ(err, std::string(kQktWrongExtension) + "\n");
  EXPECT_EQ(RunCli({"--data-dir", data.Dir(), "import", golden + "/in/None.QKT"}, err), 1);
  EXPECT_NE(err.find("None.QKT"), std::string::npos) << err;
  EXPECT_EQ(data.Snapshot(), after);
  EXPECT_EQ(RunCli({"--data-dir", data.Dir(), "import"}, err), 2);
}

}  // namespace
}  // namespace scv
