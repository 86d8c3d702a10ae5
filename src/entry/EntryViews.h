#pragma once
// The team record dialog (TTeamForm) and the player statistics dialog
// (TPlayerForm) as their presenters see them. Texts are Windows-1252 bytes.
#include <string>

#include "store/Records.h"

namespace scv {

class TeamFormView {
 public:
  enum Item { DidNotPlay = 0, Won = 1, Lost = 2, Tied = 3 };
  virtual ~TeamFormView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetWon(const std::string& text) = 0;
  virtual void SetLost(const std::string& text) = 0;
  virtual void SetTied(const std::string& text) = 0;
  virtual std::string WonText() const = 0;
  virtual std::string LostText() const = 0;
  virtual std::string TiedText() const = 0;
  virtual void SetItem(Item item) = 0;
  virtual Item SelectedItem() const = 0;
  virtual void FocusRadioGroup() = 0;
  virtual bool Exec() = 0;  // true for OK
};

// Figures are addressed by their Fig:: index. BO and Pos have only a total
// edit (EditBO, EditPos); every other figure has an Add and a Total edit.
class PlayerFormView {
 public:
  virtual ~PlayerFormView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetAdd(int figure, const std::string& text) = 0;
  virtual void SetTotal(int figure, const std::string& text) = 0;
  virtual std::string AddText(int figure) const = 0;
  virtual std::string TotalText(int figure) const = 0;
  // User1..User4, i = 1..4.
  virtual void SetUserCaption(int i, const std::string& text) = 0;
  virtual std::string UserCaption(int i) const = 0;
  virtual void FocusFirstAdd() = 0;  // AddPA
  virtual bool Exec() = 0;           // true for OK
};

}  // namespace scv
