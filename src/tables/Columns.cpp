#include "tables/Columns.h"

#include "store/Records.h"
#include "tables/PlayerFigures.h"

namespace scv {

const std::array<ColumnSpec, TeamColumnCount> TeamColumns = {{
    {" Place", false},
    {" Team#", false},
    {" Team Name", true},
    {" Won", false},
    {" Lost", false},
    {" Tied", false},
    {" Pct.", false},
    {" GB", false},
}};

namespace {
using S = PlayerSource;
constexpr PlayerColumnSpec Stored(const char* header, int figure) {
  return {header, false, S::Figure, figure};
}
constexpr PlayerColumnSpec Cached(const char* header, int derived) {
  return {header, false, S::Derived, derived};
}
}  // namespace

const std::array<PlayerColumnSpec, PlayerColumnCount> PlayerColumns = {{
    {" Seq", false, S::Seq, 0},
    {" No", false, S::No, 0},
    {" Player Name", true, S::Name, 0},
    {" G", false, S::TeamGames, Fig::G},
    Cached(" AB", Derived::AB),
    Cached(" H", Derived::H),
    Cached(" W", Derived::W),
    Cached(" Sac", Derived::Sac),
    Cached(" Avg", Derived::Avg),
    Cached(" Slg", Derived::Slg),
    Cached(" OB%", Derived::OBP),
    Stored(" Inn", Fig::Inn),
    Stored(" PA", Fig::PA),
    {" BO", false, S::Text, Fig::BO},
    Stored(" RS", Fig::RS),
    Stored(" PkO", Fig::PkO),
    Cached(" SA", Derived::SA),
    Stored(" SB", Fig::SB),
    Stored(" CS", Fig::CS),
    Cached(" SB%", Derived::SBP),
    Stored(" 1B", Fig::Single),
    Stored(" 2B", Fig::Double),
    Stored(" 3B", Fig::Triple),
    Stored(" HR", Fig::HR),
    Stored(" RBI", Fig::RBI),
    Stored(" SO", Fig::SO),
    Stored(" BB", Fig::BB),
    Stored(" HP", Fig::HP),
    Stored(" WCI", Fig::WCI),
    Stored(" SBnt", Fig::SBnt),
    Stored(" SFly", Fig::SFly),
    {" Pos", false, S::Text, Fig::Pos},
    Stored(" PB", Fig::PB),
    Stored(" PO", Fig::PO),
    Stored(" A", Fig::A),
    Cached(" TC", Derived::TC),
    Stored(" Err", Fig::Err),
    Cached(" F%", Derived::FP),
    {" GP", false, S::GamesPitched, Fig::GP},
    {" IP", false, S::Innings, Fig::IP},
    Stored(" ST", Fig::ST),
    Stored(" BT", Fig::BT),
    Cached(" PT", Derived::PT),
    Stored(" WP", Fig::WP),
    Stored(" Bks", Fig::Bks),
    Stored(" HA", Fig::HA),
    Stored(" WA", Fig::WA),
    Stored(" BH", Fig::BH),
    Stored(" BSO", Fig::BSO),
    Stored(" RPO", Fig::RPO),
    Stored(" RA", Fig::RA),
    Stored(" ER", Fig::ER),
    Cached(" ERA", Derived::ERA),
    Stored(" Won", Fig::Won),
    Stored(" Lost", Fig::Lost),
    Cached(" W%", Derived::WP),
    Stored(" Sv", Fig::Sv),
    Stored(nullptr, Fig::C1),
    Stored(nullptr, Fig::C2),
    Stored(nullptr, Fig::C3),
    Stored(nullptr, Fig::C4),
}};

const std::array<ColumnSpec, ScheduleColumnCount> ScheduleColumns = {{
    {" Game", false},
    {" Fld#", false},
    {" Field Name", true},
    {" Day", false},
    {" Date", false},
    {" Time", false},
    {" Home", false},
    {" Home Team", true},
    {" Away", false},
    {" Away Team", true},
    {" HTS", false},
    {" ATS", false},
    {" Ump#", false},
    {" Ump Name", true},
    {" Ump#", false},
    {" Ump Name", true},
    {" Ump#", false},
    {" Ump Name", true},
    {" Ump#", false},
    {" Ump Name", true},
}};

}  // namespace scv
