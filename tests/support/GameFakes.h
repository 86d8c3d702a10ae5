#pragma once
// A scripted stand-in for the game window.
#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "schedule/GameViews.h"
#include "schedule/ScheduleListBox.h"

namespace scv::test {

// The game window: each Exec runs the next scripted step, which types and
// clicks through the presenter; a step that does not close it is Esc.
class FakeGameFormView : public GameFormView {
 public:
  std::deque<std::function<void(FakeGameFormView&)>> script;
  std::string caption;
  std::array<std::string, BoxCount> text;
  bool pm = false, makeEnabled = true;
  std::array<std::pair<std::string, std::string>, ScheduleListBox::SlotCount> rows;
  int focusYear = 0, focusOk = 0;
  std::optional<GameResult> closed;

  std::string& operator[](Box box) { return text[static_cast<size_t>(box)]; }
  void Type(const std::vector<std::string>& boxes) { std::copy(boxes.begin(), boxes.end(), text.begin()); }

  void SetCaption(const std::string& c) override { caption = c; }
  void SetText(Box box, const std::string& t) override { text.at(static_cast<size_t>(box)) = t; }
  std::string Text(Box box) const override { return text.at(static_cast<size_t>(box)); }
  void SetPm(bool p) override { pm = p; }
  bool Pm() const override { return pm; }
  void SetRow(int slot, const std::string& no, const std::string& name) override {
    rows.at(static_cast<size_t>(slot)) = {no, name};
  }
  void SetMakeEnabled(bool e) override { makeEnabled = e; }
  void FocusYear() override { ++focusYear; }
  void FocusOk() override { ++focusOk; }
  GameResult Exec() override {
    closed.reset();
    if (!script.empty()) {
      auto step = std::move(script.front());
      script.pop_front();
      step(*this);
    }
    return closed.value_or(GameResult::Cancel);
  }
  void Close(GameResult result) override { closed = closed.value_or(result); }
};

}  // namespace scv::test
