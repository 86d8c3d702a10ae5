#include "ui/AboutForm.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Glyphs.h"
#include "ui/ListForm.h"

namespace scv {

AboutForm::AboutForm(QWidget* parent, const QString& dataDir) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("About"));
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  picture->setPixmap(ProgramPicture(64));
  picture->setFixedSize(64, 64);

  auto* product = new QLabel(QStringLiteral("SCV Statistics 2.02"), this);
  product->setObjectName(QStringLiteral("ProductName"));
  QFont big = product->font();
  big.setBold(true);
  big.setPixelSize(16);
  product->setFont(big);

  auto* dirCaption = new QLabel(QStringLiteral("Data directory:"), this);
  dataDir_ = new QLabel(this);
  dataDir_->setObjectName(QStringLiteral("DataDir"));
  dataDir_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  dataDir_->setWordWrap(true);
  SetDataDir(dataDir);

  auto* text = new QVBoxLayout;
  text->addWidget(product);
  text->addSpacing(8);
  text->addWidget(dirCaption);
  text->addWidget(dataDir_);
  text->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(picture, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(text, 1);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 10);
  layout->addLayout(top);
  layout->addSpacing(10);
  layout->addLayout(buttons);
  setFixedWidth(340);
}

void AboutForm::SetDataDir(const QString& dataDir) { dataDir_->setText(QDir::toNativeSeparators(dataDir)); }

QString AboutForm::DataDirText() const { return dataDir_->text(); }

}  // namespace scv
