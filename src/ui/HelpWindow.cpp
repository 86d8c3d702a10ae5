#include "ui/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace scv {

HelpWindow::HelpWindow(QWidget* parent, const QString& pagesDir)
    : QWidget(parent, Qt::Window), pagesDir_(pagesDir) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Scorvane Help"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenLinks(true);
  browser_->setSearchPaths({pagesDir_});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(560, 520);

  // Every page is searched for its anchors, so a topic is found on whichever
  // page names it.
  static const QRegularExpression anchor(QStringLiteral("<a\\s+(?:name|id)=\"([^\"]+)\""),
                                         QRegularExpression::CaseInsensitiveOption);
  const QStringList pages = QDir(pagesDir_).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  for (const QString& page : pages) {
    QFile file(QDir(pagesDir_).filePath(page));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString html = QString::fromUtf8(file.readAll());
    auto it = anchor.globalMatch(html);
    while (it.hasNext()) {
      const QString name = it.next().captured(1);
      if (!topics_.contains(name)) topics_.insert(name, page);
    }
  }
}

QString HelpWindow::PageOf(const QString& topic) const { return topics_.value(topic); }

void HelpWindow::OpenHelp(const QString& topic) {
  QString name = topic;
  QString page = PageOf(name);
  if (page.isEmpty()) {
    name = QStringLiteral("Contents");
    page = PageOf(name);
  }
  current_ = name;
  if (!page.isEmpty()) {
    QUrl url = QUrl::fromLocalFile(QDir(pagesDir_).filePath(page));
    if (pagesDir_.startsWith(QLatin1Char(':'))) url = QUrl(QStringLiteral("qrc") + QDir(pagesDir_).filePath(page));
    url.setFragment(name);
    browser_->setSource(url);
    browser_->scrollToAnchor(name);
  }
  show();
  raise();
  activateWindow();
}

}  // namespace scv
