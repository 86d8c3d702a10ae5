#pragma once
// The help window over the help pages bundled with the program.
//
// Help opened while a modal dialog is up (a pick list, an entry dialog, the
// notes window, ...) comes up as a window of that dialog, in front of it and
// usable while the dialog stays open; when the dialog closes, the window
// stays open over the main window. F1 in any dialog presses the dialog's own
// Help button (named "HelpButton" or "HelpBtn", or captioned "Help"), so
// that it opens the dialog's topic; a dialog without one opens the contents.
// Dialogs added later get both without doing anything.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "dialogs/ListView.h"

class QTextBrowser;

namespace scv {

class HelpWindow : public QWidget, public HelpView {
  Q_OBJECT

 public:
  // pagesDir holds the pages (":/help" in the program). The parent is the
  // window help belongs to when no dialog is open.
  explicit HelpWindow(QWidget* parent, const QString& pagesDir = QStringLiteral(":/help"));
  ~HelpWindow() override;

  // Shows the window at the topic; an unknown topic shows the contents.
  void OpenHelp(const QString& topic) override;

  // The page that holds a topic's anchor; empty when there is none.
  QString PageOf(const QString& topic) const;
  QStringList Topics() const { return topics_.keys(); }
  QTextBrowser* Browser() const { return browser_; }
  QString CurrentTopic() const { return current_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Makes the window a window of owner (the dialog in front, or home).
  void MoveTo(QWidget* owner);
  bool HelpKey(QObject* watched, QEvent* event);

  QTextBrowser* browser_ = nullptr;
  QString pagesDir_;
  QHash<QString, QString> topics_;  // anchor name -> page file name
  QString current_;
  QPointer<QWidget> home_;
  QPointer<QWidget> owner_;  // the dialog the window belongs to for now
  bool placed_ = false;
};

}  // namespace scv
