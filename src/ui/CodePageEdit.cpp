#include "ui/CodePageEdit.h"

#include <QLineEdit>
#include <QPointer>
#include <QToolTip>
#include <QValidator>

#include "store/Text.h"

namespace scv {

namespace {

class CodePageValidator : public QValidator {
 public:
  explicit CodePageValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int&) const override {
    const QStringList refused = Unencodable(input);
    if (refused.isEmpty()) return Acceptable;
    // The edit keeps its text as it was; the hint says why.
    if (edit_ && edit_->isVisible())
      QToolTip::showText(edit_->mapToGlobal(QPoint(0, edit_->height())), CodePageHint(refused), edit_,
                         QRect(), 5000);
    return Invalid;
  }

 private:
  QPointer<QLineEdit> edit_;
};

}  // namespace

QString CodePageHint(const QStringList& refused) {
  return QStringLiteral("Cannot be stored: %1").arg(refused.join(QLatin1Char(' ')));
}

void KeepToCodePage(QLineEdit* edit) {
  if (edit && !edit->validator()) edit->setValidator(new CodePageValidator(edit));
}

void KeepToCodePage(QWidget* widget) {
  if (!widget) return;
  for (QLineEdit* edit : widget->findChildren<QLineEdit*>()) KeepToCodePage(edit);
}

}  // namespace scv
