#include "ui/CodePageEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QValidator>

#include "store/Text.h"

namespace scv {

namespace {

// How long the hint stays, unless the user goes on typing or leaves the edit.
constexpr int kHintMilliseconds = 5000;

class CodePageValidator : public QValidator {
 public:
  explicit CodePageValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kHintMilliseconds);
    connect(&hideTimer_, &QTimer::timeout, this, [this] { HideHint(); });
    connect(edit, &QLineEdit::textEdited, this, [this] { HideHint(); });
    connect(edit, &QLineEdit::editingFinished, this, [this] { HideHint(); });
  }

  State validate(QString& input, int&) const override {
    const QStringList refused = Unencodable(input);
    if (refused.isEmpty()) return Acceptable;
    // The edit keeps its text as it was; the hint says why.
    const_cast<CodePageValidator*>(this)->ShowHint(CodePageHint(refused));
    return Invalid;
  }

 private:
  // A label of the dialog's own under the edit (above it at the dialog's
  // bottom edge): a tool tip would vanish with the key's release.
  void ShowHint(const QString& text) {
    if (!edit_ || !edit_->isVisible()) return;
    QWidget* window = edit_->window();
    if (!hint_ || hint_->parentWidget() != window) {
      delete hint_;
      hint_ = new QLabel(window);
      hint_->setObjectName(QStringLiteral("CodePageHint"));
      hint_->setForegroundRole(QPalette::ToolTipText);
      hint_->setBackgroundRole(QPalette::ToolTipBase);
      hint_->setAutoFillBackground(true);
      hint_->setFrameShape(QFrame::Box);
      hint_->setMargin(2);
    }
    hint_->setText(text);
    hint_->adjustSize();
    QPoint at = edit_->mapTo(window, QPoint(0, edit_->height() + 1));
    if (at.y() + hint_->height() > window->height())
      at.setY(edit_->mapTo(window, QPoint(0, 0)).y() - hint_->height() - 1);
    at.setX(std::max(0, std::min(at.x(), window->width() - hint_->width())));
    hint_->move(at);
    hint_->show();
    hint_->raise();
    hideTimer_.start();
  }

  void HideHint() {
    hideTimer_.stop();
    if (hint_) hint_->hide();
  }

  QPointer<QLineEdit> edit_;
  QPointer<QLabel> hint_;
  QTimer hideTimer_;
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
