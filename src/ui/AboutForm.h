#pragma once
// The about box (TAboutForm): the program's picture, its name and version,
// and the data directory in use.
#include <QDialog>

class QLabel;

namespace scv {

class AboutForm : public QDialog {
  Q_OBJECT

 public:
  AboutForm(QWidget* parent, const QString& dataDir);
  void SetDataDir(const QString& dataDir);
  QString DataDirText() const;

 private:
  QLabel* dataDir_ = nullptr;
};

}  // namespace scv
