#pragma once
// A fresh data directory for a test: list files written line by line (CR LF
// after each line, as the program writes them) and read back byte for byte.
#include <map>
#include <string>
#include <vector>

#include <QString>
#include <QTemporaryDir>

namespace scv::test {

class TempData {
 public:
  TempData();
  // The directory, without a trailing "/".
  QString Dir() const { return dir_.path(); }
  QString Path(const std::string& name) const;
  // Writes the lines, each followed by CR LF.
  void Write(const std::string& name, const std::vector<std::string>& lines) const;
  // The file's bytes; empty when it does not exist.
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  // Every file of the directory with its bytes.
  std::map<std::string, std::string> Snapshot() const;

 private:
  QTemporaryDir dir_;
};

}  // namespace scv::test
