#pragma once
// The program's message boxes: title "Scorvane", the exact texts and buttons.
#include <QPointer>
#include <QWidget>

#include "store/Messages.h"

namespace scv {

class QtMessages : public Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Error(const QString& text) override;
  void ErrorCancel(const QString& text) override;
  void Information(const QString& text) override;
  void Warning(const QString& text) override;
  bool Confirm(const QString& text) override;
  Answer ConfirmYesNoAll(const QString& text) override;
  Answer ConfirmYesNoCancel(const QString& text) override;

 private:
  QWidget* Parent() const;
  QPointer<QWidget> parent_;
};

}  // namespace scv
