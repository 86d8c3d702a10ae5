#pragma once
// The main window (TMainForm): the command bar, the grid over the core's
// Grid, the page tabs and the file menu. It shows what the presenter tells it
// and forwards every event to the presenter.
#include <array>
#include <functional>

#include <QFont>
#include <QWidget>

#include "shell/MainView.h"
#include "store/DataStore.h"
#include "ui/GridModel.h"

class QAction;
class QDialog;
class QMenu;
class QTabBar;
class QTableView;
class QToolButton;

namespace scv {

class MainForm;
class Grid;

constexpr int kCommandCount = static_cast<int>(Command::QuitItem) + 1;

class MainWindow : public QWidget, public MainView, public TableFontView {
  Q_OBJECT

 public:
  // Designed client area.
  static constexpr int kDesignedWidth = 556;
  static constexpr int kDesignedHeight = 365;

  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The presenter whose grid the table shows and to which the events go.
  void SetPresenter(MainForm* form);
  // What a command does; the presenter's own commands are wired by
  // SetPresenter, the others (setup, notes, font, print, backup, import) by
  // whoever provides them. A command without a handler does nothing.
  void SetCommandHandler(Command command, std::function<void()> handler);
  void SetAboutDialog(QDialog* about) { about_ = about; }
  // What a click on the header of a grid column does.
  void SetHeaderClickHandler(std::function<void(int col)> handler);

  // Runs the presenter's FormShow once the window is on screen: the stored
  // window size and tab, and the first table.
  void FormShow();

  // MainView
  void SetWindowCaption(const QString& caption) override;
  void SetWindowSize(int height, int width) override;
  void SetCommandEnabled(Command command, bool enabled) override;
  void SelectTab(int tab) override;
  void ShowFileMenu() override;
  void ShowAbout() override;
  void FocusTable() override;
  void GridChanged() override;
  void CloseWindow() override;

  // TableFontView
  void ApplyTableFont(const TableFont& font) override;

  // The controls, for the dialogs that need them (font, print) and tests.
  QTableView* Table() const { return table_; }
  QTabBar* BottomTab() const { return tabs_; }
  QMenu* FileMenu() const { return menu_; }
  QToolButton* Button(Command command) const;  // null for menu items
  QAction* MenuAction(Command command) const;  // null for buttons
  QWidget* ButtonPanel() const { return panel_; }
  QFont CurrentTableFont() const { return tableFont_; }
  QColor CurrentTableColor() const { return tableColor_; }
  // Where ShowFileMenu opens the menu, in screen coordinates.
  QPoint FileMenuPosition() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run(Command command);
  // Runs an event's action; nothing escapes into Qt's event loop. Afterwards
  // the title shows whether there are unsaved changes.
  void Guarded(const std::function<void()>& action);
  void ShowUnsavedMark();
  void CreateButtons();
  void CreateMenu();
  void ApplyTableLook();
  void SyncSelection();
  void ForwardResize();
  bool NormalState() const;
  void OnCurrentChanged(const QModelIndex& current);

  MainForm* form_ = nullptr;
  Grid* grid_ = nullptr;
  GridModel* model_ = nullptr;
  QWidget* panel_ = nullptr;
  QTableView* table_ = nullptr;
  QTabBar* tabs_ = nullptr;
  QMenu* menu_ = nullptr;
  QDialog* about_ = nullptr;
  std::array<QToolButton*, kCommandCount> buttons_{};
  std::array<QAction*, kCommandCount> actions_{};
  std::array<std::function<void()>, kCommandCount> handlers_{};
  std::function<void(int)> headerClick_;
  QFont tableFont_;
  QColor tableColor_ = Qt::black;
  bool started_ = false;
  bool syncing_ = false;
  int lastViewportWidth_ = -1;
};

}  // namespace scv
