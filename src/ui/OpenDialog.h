#pragma once
// The main window's file-open dialog (OpenDialog) of the QKT import: Qt's own
// file dialog (not the system's, so that it behaves the same everywhere),
// titled "Open New or Other QKT File", one filter entry for "*.QKT" files
// (matched without case), the default extension qkt and a Help button.
#include <functional>

#include <QFileDialog>

#include "import/QktImport.h"

class QPushButton;

namespace scv {

class OpenDialog : public QFileDialog, public OpenFileView {
  Q_OBJECT

 public:
  explicit OpenDialog(QWidget* parent);

  // What the Help button does.
  void SetHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }
  QPushButton* HelpButton() const { return helpButton_; }

  // OpenFileView
  bool Execute(QString& fileName) override;

 private:
  QPushButton* helpButton_ = nullptr;
  std::function<void()> help_;
};

}  // namespace scv
