#include "ui/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace scv {

namespace {

const QString kTitle = QStringLiteral("Scorvane");

}  // namespace

QWidget* QtMessages::Parent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (parent_) return parent_.data();
  return QApplication::activeWindow();
}

void QtMessages::Error(const QString& text) {
  QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok, Parent());
  box.setObjectName(QStringLiteral("ErrorBox"));
  box.exec();
}

void QtMessages::ErrorCancel(const QString& text) {
  QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Cancel, Parent());
  box.setObjectName(QStringLiteral("ErrorBox"));
  box.exec();
}

void QtMessages::Information(const QString& text) {
  QMessageBox box(QMessageBox::Information, kTitle, text, QMessageBox::Ok, Parent());
  box.setObjectName(QStringLiteral("InformationBox"));
  box.exec();
}

void QtMessages::Warning(const QString& text) {
  QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Ok, Parent());
  box.setObjectName(QStringLiteral("WarningBox"));
  box.exec();
}

bool QtMessages::Confirm(const QString& text) {
  QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No, Parent());
  box.setObjectName(QStringLiteral("ConfirmBox"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

Messages::Answer QtMessages::ConfirmYesNoAll(const QString& text) {
  QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll,
                  Parent());
  box.setObjectName(QStringLiteral("ConfirmBox"));
  box.button(QMessageBox::YesToAll)->setText(QStringLiteral("&All"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::YesToAll:
      return Answer::All;
    default:
      return Answer::No;
  }
}

Messages::Answer QtMessages::ConfirmYesNoCancel(const QString& text) {
  QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  Parent());
  box.setObjectName(QStringLiteral("ConfirmBox"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

}  // namespace scv
