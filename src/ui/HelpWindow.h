#pragma once
// The help window over the help pages bundled with the program.
#include <QHash>
#include <QString>
#include <QWidget>

#include "dialogs/ListView.h"

class QTextBrowser;

namespace scv {

class HelpWindow : public QWidget, public HelpView {
  Q_OBJECT

 public:
  // pagesDir holds the pages (":/help" in the program).
  explicit HelpWindow(QWidget* parent, const QString& pagesDir = QStringLiteral(":/help"));

  // Shows the window at the topic; an unknown topic shows the contents.
  void OpenHelp(const QString& topic) override;

  // The page that holds a topic's anchor; empty when there is none.
  QString PageOf(const QString& topic) const;
  QStringList Topics() const { return topics_.keys(); }
  QTextBrowser* Browser() const { return browser_; }
  QString CurrentTopic() const { return current_; }

 private:
  QTextBrowser* browser_ = nullptr;
  QString pagesDir_;
  QHash<QString, QString> topics_;  // anchor name -> page file name
  QString current_;
};

}  // namespace scv
