#pragma once
// The main window (TMainForm) as the shell's presenter sees it.
#include <QString>

namespace scv {

enum class Command {
  File, Year, League, Team, Player, Update, Setup, Note, Font, Print, Help, Quit,
  BackupItem, ImportItem, SaveItem, HelpItem, AboutItem, QuitItem
};

class MainView {
 public:
  virtual ~MainView() = default;
  virtual void SetWindowCaption(const QString& caption) = 0;
  // Height and width of the client area; a stored size replaces the designed
  // one. A dimension of 0 is not stored: that one stays as it is.
  virtual void SetWindowSize(int height, int width) = 0;
  virtual void SetCommandEnabled(Command command, bool enabled) = 0;
  // Selects a page tab without running its click handler.
  virtual void SelectTab(int tab) = 0;
  virtual void ShowFileMenu() = 0;
  virtual void ShowAbout() = 0;
  virtual void FocusTable() = 0;
  // The grid's cells, widths or focus changed: repaint from the Grid.
  virtual void GridChanged() = 0;
  virtual void CloseWindow() = 0;
};

}  // namespace scv
