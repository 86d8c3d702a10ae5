#include "entry/PlayerForm.h"

#include "dialogs/PickList.h"
#include "entry/TeamForm.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "store/Text.h"
#include "tables/PlayerFigures.h"
#include "tables/Tables.h"

namespace scv {

namespace {

FigureLabel Summed(int figure, const char* label, FigureGroup group, int maxLength = 4) {
  return {figure, FigureAbbrev[static_cast<size_t>(figure)], label, group, maxLength, true};
}

}  // namespace

const char* FigureGroupCaption(FigureGroup group) {
  switch (group) {
    case FigureGroup::Offense: return "  Add   Total   Offense";
    case FigureGroup::Pitching: return "  Add   Total   Pitching";
    case FigureGroup::Defense: return "  Add   Total   Defense";
    case FigureGroup::User: return "  Add   Total   Col Header";
    case FigureGroup::Plain: break;
  }
  return "";
}

const std::array<FigureLabel, Fig::Count> PlayerFormFigures = {{
    Summed(Fig::PA, "PA: Plate App. (All)", FigureGroup::Offense),
    Summed(Fig::Single, "1B: Singles", FigureGroup::Offense),
    Summed(Fig::Double, "2B: Doubles", FigureGroup::Offense),
    Summed(Fig::Triple, "3B: Triples", FigureGroup::Offense),
    Summed(Fig::HR, "HR: Home Runs", FigureGroup::Offense),
    Summed(Fig::BB, "BB: Bases on Balls", FigureGroup::Offense),
    Summed(Fig::HP, "HP: Hit by Pitches", FigureGroup::Offense),
    Summed(Fig::WCI, "WCI: W Catcher Int", FigureGroup::Offense),
    Summed(Fig::SBnt, "SBnt: Sac Bunts", FigureGroup::Offense),
    Summed(Fig::SFly, "SFly: Sac Flies", FigureGroup::Offense),
    Summed(Fig::RBI, "RBI: Runs Batted In", FigureGroup::Offense),
    Summed(Fig::SO, "SO: Strike Outs", FigureGroup::Offense),
    Summed(Fig::RS, "RS: Runs Scored", FigureGroup::Offense),
    Summed(Fig::SB, "SB: Stolen Bases", FigureGroup::Offense),
    Summed(Fig::CS, "CS: Caught Stealing", FigureGroup::Offense),
    Summed(Fig::PkO, "PkO: Picked Off", FigureGroup::Offense),
    Summed(Fig::G, "G: Games Played", FigureGroup::Offense),
    Summed(Fig::GP, "GP: Games Pitched", FigureGroup::Pitching),
    Summed(Fig::IP, "IP: Innings Pitched", FigureGroup::Pitching),
    Summed(Fig::IP3, "Thirds of an IP (0-2)", FigureGroup::Pitching, 1),
    Summed(Fig::ST, "ST: Strikes Thrown", FigureGroup::Pitching),
    Summed(Fig::BT, "BT: Balls Thrown", FigureGroup::Pitching),
    Summed(Fig::WP, "WP: Wild Pitches", FigureGroup::Pitching),
    Summed(Fig::Bks, "Bks: Balks", FigureGroup::Pitching),
    Summed(Fig::HA, "HA: Hits Allowed", FigureGroup::Pitching),
    Summed(Fig::WA, "WA: Walks Allowed", FigureGroup::Pitching),
    Summed(Fig::BH, "BH: Batters Hit", FigureGroup::Pitching),
    Summed(Fig::BSO, "BSO: Strike Outs", FigureGroup::Pitching),
    Summed(Fig::RPO, "RPO: Rn Picked Off", FigureGroup::Pitching),
    Summed(Fig::RA, "RA: Runs Allowed", FigureGroup::Pitching),
    Summed(Fig::ER, "ER: Earned Runs", FigureGroup::Pitching),
    Summed(Fig::Won, "Won: Games Won", FigureGroup::Pitching),
    Summed(Fig::Lost, "Lost: Games Lost", FigureGroup::Pitching),
    Summed(Fig::Sv, "Sv: Games Saved", FigureGroup::Pitching),
    Summed(Fig::Inn, "Inn: Innings", FigureGroup::Defense),
    Summed(Fig::PB, "PB: Ps Balls", FigureGroup::Defense),
    Summed(Fig::PO, "PO: Put Outs", FigureGroup::Defense),
    Summed(Fig::A, "A: Assists", FigureGroup::Defense),
    Summed(Fig::Err, "ERR: Errors", FigureGroup::Defense),
    Summed(Fig::C1, nullptr, FigureGroup::User),
    Summed(Fig::C2, nullptr, FigureGroup::User),
    Summed(Fig::C3, nullptr, FigureGroup::User),
    Summed(Fig::C4, nullptr, FigureGroup::User),
    {Fig::BO, "BO", "BO: Batting Order", FigureGroup::Plain, 4, false},
    {Fig::Pos, "Pos", "Pos: Field Position", FigureGroup::Plain, 4, false},
}};

PlayerFormPresenter::PlayerFormPresenter(DataStore& store_, PlayerFormView& view_, Messages& messages_,
                                         Tables& tables_)
    : store(store_), view(view_), messages(messages_), tables(tables_) {}

bool PlayerFormPresenter::Run() {
  const PlayerRecord& player = store.CurrentPlayer;
  for (const FigureLabel& f : PlayerFormFigures) {
    const auto k = static_cast<size_t>(f.figure);
    if (f.summed) view.SetAdd(f.figure, std::string());
    view.SetTotal(f.figure, player.Figures[k]);
  }
  for (int i = 1; i <= 4; ++i) view.SetUserCaption(i, store.CurrentLeague.UserHeader(i));
  view.SetCaption(player.Name);
  view.FocusFirstAdd();

  for (;;) {
    if (!view.Exec()) return false;

    PlayerRecord updated = store.CurrentPlayer;
    QString refusal;
    auto store_figure = [&](int figure, int64_t value) {
      // The user statistics may count anything, below 0 too; the thirds of
      // an inning go with the whole innings.
      const bool mayBeNegative = figure == Fig::IP3 || (figure >= Fig::C1 && figure <= Fig::C4);
      if (refusal.isEmpty() && !(mayBeNegative && FitsFigureField(value)))
        refusal = TotalRefusal(FigureAbbrev[static_cast<size_t>(figure)], value);
      updated.Figures[static_cast<size_t>(figure)] = FigureTextOrBlank(value);
    };
    auto sum = [&](int figure) { return ParseFigure(view.TotalText(figure)) + ParseFigure(view.AddText(figure)); };

    for (const FigureLabel& f : PlayerFormFigures) {
      if (!f.summed) {
        updated.Figures[static_cast<size_t>(f.figure)] = Cut(PickList::FieldText(view.TotalText(f.figure)), Width::Figure);
      } else if (f.figure == Fig::IP) {
        int64_t innings = sum(Fig::IP);
        int64_t thirds = sum(Fig::IP3);
        if (thirds > 2) {
          innings += thirds / 3;
          thirds %= 3;
        }
        store_figure(Fig::IP, innings);
        store_figure(Fig::IP3, thirds);
      } else if (f.figure != Fig::IP3) {
        store_figure(f.figure, sum(f.figure));
      }
    }
    if (!refusal.isEmpty()) {
      messages.Error(refusal);
      continue;  // the dialog still holds what was typed
    }
    const FigureValues values = FigureValuesOf(updated);
    if (AtBats(values) < Hits(values) &&
        !messages.Confirm(
            QStringLiteral("PA is smaller than the hits, walks and sacrifices entered. Store anyway?")))
      continue;

    std::array<std::string, 4> captions;
    bool captionsChanged = false;
    for (int i = 1; i <= 4; ++i) {
      std::string& caption = captions[static_cast<size_t>(i - 1)];
      caption = Cut(PickList::FieldText(view.UserCaption(i)), Width::UserHeader);
      if (caption != store.CurrentLeague.UserHeader(i)) captionsChanged = true;
    }

    store.CurrentPlayer = std::move(updated);
    store.WritePlayer();
    tables.Cache.Invalidate();

    if (!captionsChanged) {
      tables.ShowTable();
      return true;
    }
    for (int i = 1; i <= 4; ++i) store.CurrentLeague.UserHeader(i) = captions[static_cast<size_t>(i - 1)];
    store.WriteLeague();
    tables.BuildHeaders();
    return true;
  }
}

}  // namespace scv
