#include "ui/HelpWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace scv {

HelpWindow::HelpWindow(QWidget* parent, const QString& pagesDir)
    : QWidget(parent, Qt::Window), pagesDir_(pagesDir), home_(parent) {
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
  // Esc closes help, as it closes a dialog.
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, this, &QWidget::close);
  // Sees the events of every window: F1, and the dialog help belongs to
  // closing.
  qApp->installEventFilter(this);

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

HelpWindow::~HelpWindow() { qApp->removeEventFilter(this); }

QString HelpWindow::PageOf(const QString& topic) const { return topics_.value(topic); }

void HelpWindow::MoveTo(QWidget* owner) {
  if (owner == this) owner = nullptr;
  if (parentWidget() == owner) return;
  owner_ = owner != home_ ? owner : nullptr;
  // A window changing its parent is hidden; it keeps its place and size.
  const bool shown = isVisible();
  const QRect place = geometry();
  setParent(owner, Qt::Window);
  if (shown) {
    setGeometry(place);
    show();
  }
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // The dialog help belongs to is closing (or going away): help moves on to
  // the dialog in front now, or back home, and stays open.
  if (watched == owner_ && event->type() == QEvent::Hide) {
    QWidget* front = QApplication::activeModalWidget();
    MoveTo(front && front != owner_ ? front : home_.data());
    return false;
  }
  if (HelpKey(watched, event)) return true;
  return QWidget::eventFilter(watched, event);
}

bool HelpWindow::HelpKey(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
  QWidget* window = static_cast<QWidget*>(watched)->window();
  // The main window has F1 in its own menu.
  if (window == this || window == home_ || !qobject_cast<QDialog*>(window)) return false;
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    const bool help = button->objectName() == QLatin1String("HelpButton") ||
                      button->objectName() == QLatin1String("HelpBtn") ||
                      button->text().remove(QLatin1Char('&')) == QLatin1String("Help");
    if (help && button->isVisible() && button->isEnabled()) {
      button->click();
      return true;
    }
  }
  OpenHelp(QStringLiteral("Contents"));
  return true;
}

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
  // Over a modal dialog help belongs to that dialog: a window of the dialog
  // in front is not blocked by it.
  QWidget* front = QApplication::activeModalWidget();
  MoveTo(front && front != this ? front : home_.data());
  if (!placed_) {
    // First shown at the screen's right edge, beside the dialogs, which open
    // in the middle; afterwards where the user left it.
    placed_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(std::max(area.left(), area.right() - frameGeometry().width()), area.top());
    }
  }
  show();
  raise();
  activateWindow();
}

}  // namespace scv
