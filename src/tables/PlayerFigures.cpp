#include "tables/PlayerFigures.h"

#include <algorithm>

#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Tables.h"

namespace scv {

namespace {

// "0405" -> " 4.05": a point after the second digit, a leading zero blanked.
std::string EraDigits(int64_t v) {
  std::string digits = ZeroPadded(v, 4);
  std::string text = digits.substr(0, 2) + "." + digits.substr(2);
  if (text[0] == '0') text[0] = ' ';
  return text;
}

}  // namespace

std::string FormatEra(int64_t n, int64_t outs, int64_t innings) {
  if (outs == 0) return "     ";
  // Wide enough for any figures ParseFigure can return.
  __int128 product = static_cast<__int128>(n) * innings * 300;
  __int128 quotient = product / outs;  // truncated toward zero
  if (quotient < 0) {
    // Only possible with negative figures typed into a total.
    int64_t v = quotient < -999 ? 999 : static_cast<int64_t>(-quotient);
    return "-" + EraDigits(v).substr(1);
  }
  if (quotient < 100) return " 0." + ZeroPadded(static_cast<int64_t>(quotient), 2);
  if (quotient > 9999) return "99.99";
  return EraDigits(static_cast<int64_t>(quotient));
}

std::string FormatInnings(int64_t whole, int64_t thirds) {
  if (whole + thirds == 0) return std::string();
  return Cut(std::to_string(whole) + "." + std::to_string(thirds), 5);
}

std::string CountText(int64_t n) { return n == 0 ? std::string() : " " + std::to_string(n); }

int64_t InningsPerGame(std::string_view inningsText) {
  return inningsText.empty() ? 9 : ParseFigure(inningsText);
}

namespace {

template <class Figures>
FigureValues ValuesOf(const Figures& figures) {
  FigureValues values{};
  for (int k = 0; k < Fig::Count; ++k) values[k] = ParseFigure(figures[k]);
  return values;
}

}  // namespace

FigureValues FigureValuesOf(const PlayerView& player) { return ValuesOf(player.Figures); }
FigureValues FigureValuesOf(const PlayerRecord& player) { return ValuesOf(player.Figures); }

namespace {

int64_t Walks(const FigureValues& f) { return f[Fig::BB] + f[Fig::HP] + f[Fig::WCI]; }
int64_t Sacrifices(const FigureValues& f) { return f[Fig::SBnt] + f[Fig::SFly]; }

}  // namespace

int64_t Hits(const FigureValues& f) { return f[Fig::Single] + f[Fig::Double] + f[Fig::Triple] + f[Fig::HR]; }
int64_t AtBats(const FigureValues& f) { return f[Fig::PA] - Walks(f) - Sacrifices(f); }

DerivedTexts DeriveFigures(const FigureValues& f, int64_t innings) {
  const int64_t h = Hits(f);
  const int64_t w = Walks(f);
  const int64_t sac = Sacrifices(f);
  const int64_t ab = AtBats(f);
  const int64_t bases = f[Fig::Single] + 2 * f[Fig::Double] + 3 * f[Fig::Triple] + 4 * f[Fig::HR];
  const int64_t sa = f[Fig::SB] + f[Fig::CS];
  const int64_t tc = f[Fig::PO] + f[Fig::A] + f[Fig::Err];

  DerivedTexts t;
  t[Derived::AB] = CountText(ab);
  t[Derived::H] = CountText(h);
  t[Derived::W] = CountText(w);
  t[Derived::Sac] = CountText(sac);
  t[Derived::Avg] = FormatRatio(h, ab);
  t[Derived::Slg] = FormatRatio(bases, ab);
  t[Derived::OBP] = FormatRatio(h + w, ab + w);
  t[Derived::SA] = CountText(sa);
  t[Derived::SBP] = FormatRatio(f[Fig::SB], sa);
  t[Derived::PT] = CountText(f[Fig::ST] + f[Fig::BT]);
  t[Derived::ERA] = FormatEra(f[Fig::ER], 3 * f[Fig::IP] + f[Fig::IP3], innings);
  t[Derived::WP] = FormatRatio(f[Fig::Won], f[Fig::Won] + f[Fig::Lost]);
  t[Derived::TC] = CountText(tc);
  t[Derived::FP] = FormatRatio(f[Fig::PO] + f[Fig::A], tc);
  return t;
}

void ComputePlayerFigures(const DataStore& store, PlayerFigureCache& cache, Progress& progress) {
  const List& players = store.Players;
  cache.Tag = store.PlayersKey;
  cache.Innings = InningsPerGame(store.CurrentLeague.Innings);
  cache.Totals.fill(0);
  auto entries = std::make_shared<std::vector<DerivedTexts>>(players.size());
  cache.Entries = entries;
  progress.SetMax(static_cast<int>(std::min<size_t>(3 * players.size(), 0x7fffffff)));

  for (size_t i = 1; i < players.size(); ++i) {
    progress.Step();
    const PlayerView player = ViewPlayer(players[i]);
    if (!player.Mark.empty()) continue;
    const FigureValues values = FigureValuesOf(player);
    (*entries)[i] = DeriveFigures(values, cache.Innings);
    for (int k = 0; k < Fig::Count; ++k) {
      if (k == Fig::G || k == Fig::BO || k == Fig::GP || k == Fig::Pos) continue;
      cache.Totals[k] += values[k];
    }
  }

  // The ERA of the totals counts the thirds as they were summed; the innings
  // shown carry every three thirds into a whole inning.
  cache.TotalTexts = DeriveFigures(cache.Totals, cache.Innings);
  cache.Totals[Fig::IP] += cache.Totals[Fig::IP3] / 3;
  cache.Totals[Fig::IP3] %= 3;
}

}  // namespace scv
