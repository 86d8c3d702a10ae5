// A list line read as every record kind and composed back: composing what
// was read and reading it again changes nothing, and the views without a
// copy split the line as the records do; its text survives decoding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <QByteArray>

#include "FuzzInput.h"
#include "store/Records.h"
#include "store/Text.h"

using scv::fuzz::Check;

namespace {

template <class Parse>
void RoundTrip(std::string_view line, Parse parse) {
  const std::string once = scv::Compose(parse(line));
  Check(scv::Compose(parse(once)) == once);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scv;
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  RoundTrip(line, ParseYearsHeader);
  RoundTrip(line, ParseYear);
  // Item fields are written without trailing spaces, and an empty one reads
  // as the default: a league showing no schedule or standings column comes
  // back with the default ones, as the files have it.
  const LeagueRecord read = ParseLeague(line);
  if (read.ScheduleItems.find_first_not_of(' ') != std::string::npos &&
      read.StandingsItems.find_first_not_of(' ') != std::string::npos)
    RoundTrip(line, ParseLeague);
  RoundTrip(line, ParseTeam);
  RoundTrip(line, ParsePlayer);
  RoundTrip(line, ParseGame);
  RoundTrip(line, ParseNamed);

  const LeagueRecord& league = read;
  Check(league.SortKeys.size() == Width::SortKeys && league.SortDown.size() == Width::SortDown &&
        league.ColumnFlags.size() == Width::ColumnFlags &&
        league.ScheduleItems.size() == Width::ScheduleItems &&
        league.StandingsItems.size() == Width::StandingsItems);

  const TeamRecord team = ParseTeam(line);
  const TeamView tv = ViewTeam(line);
  Check(tv.Mark == team.Mark && tv.No == team.No && tv.Name == team.Name && tv.Won == team.Won &&
        tv.Lost == team.Lost && tv.Tied == team.Tied);
  const GameRecord game = ParseGame(line);
  const GameView gv = ViewGame(line);
  Check(gv.Date == game.Date && gv.Time == game.Time && gv.Field == game.Field && gv.Home == game.Home &&
        gv.Away == game.Away && gv.HTS == game.HTS && gv.ATS == game.ATS);
  for (int i = 1; i <= 4; ++i) Check(gv.Umpires[static_cast<size_t>(i - 1)] == game.Umpire(i));
  const NamedRecord named = ParseNamed(line);
  const NamedView nv = ViewNamed(line);
  Check(nv.Mark == named.Mark && nv.No == named.No && nv.Name == named.Name);
  // The line's bytes shown and typed back are the same bytes; a figure
  // written as read reads the same.
  Check(Encode(Decode(line)) == line);
  std::string utf8;
  AppendUtf8(utf8, line);
  Check(QByteArray::fromStdString(utf8) == Decode(line).toUtf8());
  // Texts the program sorts by their bytes are in the order of their bytes.
  const std::string_view a = line.substr(0, size / 2), b = line.substr(size / 2);
  if (SortsAsBytes(a) && SortsAsBytes(b))
    Check((CompareText(a, b) < 0) == (a < b) && (CompareText(a, b) == 0) == (a == b));
  const int64_t figure = ParseFigure(line);
  Check(ParseFigure(FigureText(figure)) == figure);
  return 0;
}
