#include "support/TempData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scv::test {

TempData::TempData() = default;

QString TempData::Path(const std::string& name) const {
  return dir_.path() + QLatin1Char('/') + QString::fromStdString(name);
}

void TempData::Write(const std::string& name, const std::vector<std::string>& lines) const {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  QFile file(Path(name));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string TempData::Read(const std::string& name) const {
  QFile file(Path(name));
  if (!file.open(QIODevice::ReadOnly)) return std::string();
  return file.readAll().toStdString();
}

bool TempData::Exists(const std::string& name) const { return QFileInfo::exists(Path(name)); }

std::map<std::string, std::string> TempData::Snapshot() const {
  std::map<std::string, std::string> files;
  const QStringList names = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) files[name.toStdString()] = Read(name.toStdString());
  return files;
}

}  // namespace scv::test
