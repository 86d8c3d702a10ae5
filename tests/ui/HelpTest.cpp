// Help over the dialogs: in front of a modal dialog and usable while it
// stays open, from the Help buttons and F1.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::WhenModal;

// A double click on the first word of the help page, sent through the
// window system as a user's would be: a window blocked by a modal dialog
// never sees it.
bool HelpTakesAClick(HelpWindow& help) {
  QTextBrowser* browser = help.Browser();
  browser->setTextCursor(QTextCursor(browser->document()));
  const QPoint inViewport = browser->cursorRect().center() + QPoint(4, 0);
  const QPoint inWindow = browser->viewport()->mapTo(&help, inViewport);
  QTest::mouseDClick(help.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
  Pump(10);
  return browser->textCursor().hasSelection();
}

TEST(HelpTest, HelpOverAModalPickListIsInFrontAndUsable) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  app.Show();
  Pump(20);

  int steps = 0;
  WhenModal<ListForm>([&](ListForm* list) {
    ++steps;
    // F1 presses the dialog's own Help: the pick list's topic.
    Key(list->ListBox(), Qt::Key_F1);
    Pump(20);
    EXPECT_TRUE(app.help.isVisible());
    EXPECT_EQ(app.help.CurrentTopic(), QStringLiteral("Team_Button"));
    EXPECT_TRUE(HelpTakesAClick(app.help));
    EXPECT_TRUE(list->isVisible());
    list->ButtonWidget(ListView::CancelButton)->click();
  });
  app.window.Button(Command::Team)->click();
  Pump(20);
  EXPECT_EQ(steps, 1);
  // The dialog has closed; help stays open over the main window.
  EXPECT_TRUE(app.help.isVisible());
  EXPECT_EQ(app.help.parentWidget(), &app.window);
  EXPECT_TRUE(HelpTakesAClick(app.help));
  app.help.close();
}

}  // namespace
}  // namespace scv
