#pragma once
// The views a MainForm is made with, every one a fake: for tests that drive
// the main window's behaviour without widgets.
#include "shell/MainForm.h"
#include "support/FakeViews.h"

namespace scv::test {

template <class MessagesType = FakeMessages>
struct FakeMainViews {
  FakeMainView main;
  FakeListView list;
  FakeNameView name;
  FakeTeamFormView team;
  FakePlayerFormView player;
  FakeHelpView help;
  NullProgress progress;
  MessagesType messages;

  MainViews Views() { return {main, list, name, team, player, help, progress, messages}; }
};

}  // namespace scv::test
