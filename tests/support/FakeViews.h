#pragma once
// Scripted stand-ins for the dialogs and the main window: each records what
// the presenter showed and plays back the user's answers from a script.
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <QString>

#include "entry/EntryViews.h"
#include "dialogs/ListView.h"
#include "shell/MainView.h"
#include "store/Messages.h"
#include "store/Records.h"

namespace scv::test {

// The pick-list dialog. Each Exec takes the next step: it may move the
// highlight (to the item of a record index, or to a row) and closes with the
// step's result. With the script used up the dialog is cancelled.
class FakeListView : public ListView {
 public:
  struct Step {
    int result = PickOk;
    std::string selectIndex;  // record index of the item to highlight; empty: keep
    int selectRow = -1;       // or a row; -1: keep
  };
  std::deque<Step> script;

  QString caption;
  std::vector<QString> captions;                // every caption set
  std::map<Button, bool> enabled;               // last state of each button
  std::vector<std::vector<std::string>> shown;  // items at every Exec
  std::vector<std::map<Button, bool>> enabledAtExec;
  std::vector<std::vector<std::string>> itemsSet;
  std::vector<std::string> items;
  int current = -1;
  int execs = 0;
  int overruns = 0;  // Execs past the end of the script

  void Script(int result, std::string selectIndex = std::string()) {
    script.push_back({result, std::move(selectIndex), -1});
  }
  // The record index of each item, in the order shown at Exec n.
  std::vector<std::string> IndexesShown(size_t n) const {
    std::vector<std::string> out;
    for (const std::string& line : shown.at(n)) out.push_back(line.size() > 69 ? line.substr(69) : std::string());
    return out;
  }
  bool Enabled(Button b) const {
    auto it = enabled.find(b);
    return it != enabled.end() && it->second;
  }
  bool EnabledAt(size_t exec, Button b) const {
    const auto& states = enabledAtExec.at(exec);
    auto it = states.find(b);
    return it != states.end() && it->second;
  }

  void SetCaption(const QString& c) override {
    caption = c;
    captions.push_back(c);
  }
  QString Caption() const override { return caption; }
  void SetButtonEnabled(Button b, bool e) override { enabled[b] = e; }
  void SetItems(const std::vector<std::string>& lines) override {
    items = lines;
    itemsSet.push_back(lines);
    current = -1;
  }
  void SetCurrentItem(int row) override { current = row; }
  int CurrentItem() const override { return current; }
  int Exec() override {
    ++execs;
    shown.push_back(items);
    enabledAtExec.push_back(enabled);
    if (script.empty()) {
      ++overruns;
      return PickCancel;
    }
    Step step = script.front();
    script.pop_front();
    if (!step.selectIndex.empty()) {
      for (size_t r = 0; r < items.size(); ++r)
        if (items[r].size() > 69 && items[r].substr(69) == step.selectIndex) current = static_cast<int>(r);
    } else if (step.selectRow >= 0) {
      current = step.selectRow;
    }
    return step.result;
  }
};

// The name dialog: each Exec takes the next answer (OK or not, with the
// number and name typed). With the script used up the dialog is cancelled.
class FakeNameView : public NameView {
 public:
  struct Answer {
    bool ok = true;
    std::string no, name;
  };
  std::deque<Answer> script;
  QString caption;
  std::vector<QString> captions;  // caption at every Exec
  std::string no, name;
  std::vector<std::pair<std::string, std::string>> filled;  // no and name at every Exec
  int focusNo = 0;
  int execs = 0;

  void Script(bool ok, std::string n, std::string nm) { script.push_back({ok, std::move(n), std::move(nm)}); }

  void SetCaption(const QString& c) override { caption = c; }
  void SetNo(const std::string& t) override { no = t; }
  void SetName(const std::string& t) override { name = t; }
  std::string No() const override { return no; }
  std::string Name() const override { return name; }
  void FocusNo() override { ++focusNo; }
  bool Exec() override {
    ++execs;
    captions.push_back(caption);
    filled.emplace_back(no, name);
    if (script.empty()) return false;
    Answer a = script.front();
    script.pop_front();
    no = a.no;
    name = a.name;
    return a.ok;
  }
};

// A dialog whose Exec runs the next scripted step: the step changes the
// fake's fields as the user would and returns true for OK. With the script
// used up the dialog is cancelled.
template <class Self>
class ScriptedDialog {
 public:
  std::deque<std::function<bool(Self&)>> script;
  int execs = 0;

 protected:
  bool RunStep(Self& self) {
    ++execs;
    if (script.empty()) return false;
    auto step = std::move(script.front());
    script.pop_front();
    return step(self);
  }
};

class FakeTeamFormView : public TeamFormView, public ScriptedDialog<FakeTeamFormView> {
 public:
  std::string caption, won, lost, tied;
  Item item = DidNotPlay;
  int focusRadio = 0;

  void SetCaption(const std::string& c) override { caption = c; }
  void SetWon(const std::string& t) override { won = t; }
  void SetLost(const std::string& t) override { lost = t; }
  void SetTied(const std::string& t) override { tied = t; }
  std::string WonText() const override { return won; }
  std::string LostText() const override { return lost; }
  std::string TiedText() const override { return tied; }
  void SetItem(Item i) override { item = i; }
  Item SelectedItem() const override { return item; }
  void FocusRadioGroup() override { ++focusRadio; }
  bool Exec() override { return RunStep(*this); }
};

class FakePlayerFormView : public PlayerFormView, public ScriptedDialog<FakePlayerFormView> {
 public:
  std::string caption;
  std::array<std::string, Fig::Count> add, total;
  std::array<std::string, 4> user;  // User1..User4
  int focusFirstAdd = 0;

  void SetCaption(const std::string& c) override { caption = c; }
  void SetAdd(int f, const std::string& t) override { add.at(static_cast<size_t>(f)) = t; }
  void SetTotal(int f, const std::string& t) override { total.at(static_cast<size_t>(f)) = t; }
  std::string AddText(int f) const override { return add.at(static_cast<size_t>(f)); }
  std::string TotalText(int f) const override { return total.at(static_cast<size_t>(f)); }
  void SetUserCaption(int i, const std::string& t) override { user.at(static_cast<size_t>(i - 1)) = t; }
  std::string UserCaption(int i) const override { return user.at(static_cast<size_t>(i - 1)); }
  void FocusFirstAdd() override { ++focusFirstAdd; }
  bool Exec() override { return RunStep(*this); }
};

class FakeMainView : public MainView {
 public:
  QString caption;
  std::vector<std::pair<int, int>> sizes;  // height, width of every SetWindowSize
  std::map<Command, bool> enabled;
  std::vector<int> tabsSelected;
  int fileMenus = 0, abouts = 0, tableFocus = 0, gridChanges = 0, closes = 0;

  bool Enabled(Command c) const {
    auto it = enabled.find(c);
    return it != enabled.end() && it->second;
  }

  void SetWindowCaption(const QString& c) override { caption = c; }
  void SetWindowSize(int h, int w) override { sizes.emplace_back(h, w); }
  void SetCommandEnabled(Command c, bool e) override { enabled[c] = e; }
  void SelectTab(int tab) override { tabsSelected.push_back(tab); }
  void ShowFileMenu() override { ++fileMenus; }
  void ShowAbout() override { ++abouts; }
  void FocusTable() override { ++tableFocus; }
  void GridChanged() override { ++gridChanges; }
  void CloseWindow() override { ++closes; }
};

class FakeHelpView : public HelpView {
 public:
  std::vector<QString> topics;
  void OpenHelp(const QString& topic) override { topics.push_back(topic); }
};

class FakeNoteOpener : public NoteOpener {
 public:
  std::vector<std::pair<std::string, std::string>> opened;  // title, index
  void OpenNote(const std::string& title, const std::string& index) override { opened.emplace_back(title, index); }
};

// Message boxes: texts recorded, confirmations answered from scripts (No,
// or Cancel, when a script is used up).
class FakeMessages : public Messages {
 public:
  std::vector<QString> errors, informations, warnings, confirms;
  std::deque<bool> confirmAnswers;
  std::deque<Answer> otherAnswers;

  void Error(const QString& t) override { errors.push_back(t); }
  void Information(const QString& t) override { informations.push_back(t); }
  void Warning(const QString& t) override { warnings.push_back(t); }
  bool Confirm(const QString& t) override {
    confirms.push_back(t);
    if (confirmAnswers.empty()) return false;
    bool a = confirmAnswers.front();
    confirmAnswers.pop_front();
    return a;
  }
  Answer ConfirmYesNoAll(const QString& t) override { return Next(t); }
  Answer ConfirmYesNoCancel(const QString& t) override { return Next(t); }

 private:
  Answer Next(const QString& t) {
    confirms.push_back(t);
    if (otherAnswers.empty()) return Answer::Cancel;
    Answer a = otherAnswers.front();
    otherAnswers.pop_front();
    return a;
  }
};

}  // namespace scv::test
