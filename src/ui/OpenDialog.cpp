#include "ui/OpenDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace scv {

OpenDialog::OpenDialog(QWidget* parent) : QFileDialog(parent) {
  setObjectName(QStringLiteral("OpenDialog"));
  setOption(QFileDialog::DontUseNativeDialog);
  setWindowTitle(QStringLiteral("Open New or Other QKT File"));
  setNameFilter(QStringLiteral("QKT Files (*.QKT)"));
  setDefaultSuffix(QStringLiteral("qkt"));
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);
  if (auto* buttons = findChild<QDialogButtonBox*>()) {
    helpButton_ = buttons->addButton(QDialogButtonBox::Help);
    helpButton_->setText(QStringLiteral("&Help"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
      if (help_) help_();
    });
  }
}

bool OpenDialog::Execute(QString& fileName) {
  if (exec() != QDialog::Accepted) return false;
  const QStringList files = selectedFiles();
  if (files.isEmpty()) return false;
  fileName = files.front();
  return true;
}

}  // namespace scv
