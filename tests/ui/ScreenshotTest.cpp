// The windows render: each is grabbed into a PNG (kept in
// $SCV_SCREENSHOT_DIR when set, else in a temporary directory).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "shell/Startup.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

TEST(ScreenshotTest, WindowsRenderIntoImages) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  QString shots = qEnvironmentVariable("SCV_SCREENSHOT_DIR");
  if (shots.isEmpty()) shots = tmp.filePath(QStringLiteral("shots"));
  QDir().mkpath(shots);
  const QString data = tmp.filePath(QStringLiteral("data"));
  QString error;
  ASSERT_TRUE(SeedDemo(QStringLiteral(":/demo"), data, error)) << error.toStdString();

  AppWindows app(data);
  app.Show();
  test::Pump(50);
  auto save = [&](QWidget* w, const char* name) {
    if (!w->isVisible()) w->show();
    test::Pump(10);
    const QImage image = w->grab().toImage();
    EXPECT_FALSE(image.isNull()) << name;
    EXPECT_GT(image.width(), 100) << name;
    const QString path = QDir(shots).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    // Not a blank picture: more than one colour.
    bool varied = false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height() && !varied; y += 3)
      for (int x = 0; x < image.width() && !varied; x += 3) varied = image.pixel(x, y) != first;
    EXPECT_TRUE(varied) << name;
  };
  const QImage mainImage = app.window.grab().toImage();
  EXPECT_EQ(mainImage.size(), app.window.size());
  mainImage.save(QDir(shots).filePath(QStringLiteral("main.png")));
  for (int tab = 1; tab < 8; ++tab) {
    app.window.BottomTab()->setCurrentIndex(tab);
    test::Pump(10);
    app.window.grab().save(QDir(shots).filePath(QStringLiteral("main-tab%1.png").arg(tab)));
  }
  app.window.BottomTab()->setCurrentIndex(0);
  app.list.SetCaption(QStringLiteral("Team"));
  app.list.SetItems({"    1  Riverside Rangers", "    2  Hillcrest Hawks", "    3  Oak Park Owls"});
  app.list.show();
  test::Pump(10);
  app.list.grab().save(QDir(shots).filePath(QStringLiteral("list.png")));
  app.list.hide();
  app.name.SetCaption(QStringLiteral("Add New Baseball Team"));
  save(&app.name, "name");
  app.team.SetCaption("Riverside Rangers");
  app.team.SetWon("8");
  app.team.SetLost("3");
  save(&app.team, "team");
  app.player.SetCaption("Pat Player");
  save(&app.player, "player");
  save(&app.about, "about");
  app.setup.SetCaption("Metro League");
  save(&app.setup, "setup");
  save(&app.playerSort, "playersort");
  app.playerSort.TopTab()->setCurrentIndex(1);
  save(&app.playerSort, "playersort-sort");
  app.playerSort.hide();
  save(&app.scheduleSort, "schedulesort");
  save(&app.progress, "progress");
  app.help.OpenHelp(QStringLiteral("Team_Button"));
  save(&app.help, "help");
  app.help.close();
}

}  // namespace
}  // namespace scv
