#pragma once
// Scripted stand-ins for the field-time and field-selection windows.
#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "schedule/FieldTimeViews.h"

namespace scv::test {

// The field-time window: each Exec runs the next scripted step, which types
// and clicks through the presenter.
class FakeMakeFormView : public MakeFormView {
 public:
  std::deque<std::function<void(FakeMakeFormView&)>> script;
  std::string caption;
  std::array<std::string, BoxCount> text;
  bool pm = false, every = false, everyEnabled = true, changeDeleteEnabled = true;
  int weekday = -1, focusGrid = 0, focusYear = 0, execs = 0;

  std::string& operator[](Box box) { return text[static_cast<size_t>(box)]; }
  // Types the starting date and time, and the ending date for "Games Every".
  void Type(const std::vector<std::string>& start, const std::string& hour, const std::string& minute, bool p,
            const std::vector<std::string>& end = {}) {
    std::copy(start.begin(), start.end(), text.begin());
    text[EditSHr] = hour;
    text[EditSMn] = minute;
    pm = p;
    if (!end.empty()) std::copy(end.begin(), end.end(), text.begin() + EditEYr);
  }

  void SetCaption(const std::string& c) override { caption = c; }
  void SetText(Box box, const std::string& t) override { text.at(static_cast<size_t>(box)) = t; }
  std::string Text(Box box) const override { return text.at(static_cast<size_t>(box)); }
  void SetPm(bool p) override { pm = p; }
  bool Pm() const override { return pm; }
  void SetEvery(bool e) override { every = e; }
  bool Every() const override { return every; }
  void SetWeekday(int d) override { weekday = d; }
  int Weekday() const override { return weekday; }
  void SetEveryEnabled(bool e) override { everyEnabled = e; }
  void SetChangeDeleteEnabled(bool e) override { changeDeleteEnabled = e; }
  void GridChanged() override {}
  void FocusGrid() override { ++focusGrid; }
  void FocusStartYear() override { ++focusYear; }
  void Exec() override {
    ++execs;
    if (script.empty()) return;
    auto step = std::move(script.front());
    script.pop_front();
    step(*this);
  }
};

class FakeFieldFormView : public FieldFormView {
 public:
  std::deque<std::function<void()>> script;  // the steps of one showing each
  std::optional<bool> closed;
  int execs = 0;
  void GridChanged() override {}
  void FocusGrid() override {}
  bool Exec() override {
    ++execs;
    closed.reset();
    if (!script.empty()) {
      auto step = std::move(script.front());
      script.pop_front();
      step();
    }
    return closed.value_or(false);
  }
  void Close(bool ok) override { closed = closed.value_or(ok); }
};

}  // namespace scv::test
