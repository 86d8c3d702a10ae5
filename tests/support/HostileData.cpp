#include "support/HostileData.h"

#include <QFile>

namespace scv::test {
namespace {

using namespace std::string_literals;

void Raw(const TempData& data, const std::string& name, const std::string& bytes) {
  QFile file(data.Path(name));
  if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Fields(int n, const std::string& text) {
  std::string line;
  for (int i = 0; i < n; ++i) line += text + "|";
  return line;
}

// Every list file of the league rewritten by f(name, bytes).
void Rewrite(const TempData& data, const std::function<std::string(const std::string&, std::string)>& f) {
  for (const auto& [name, bytes] : data.Snapshot()) Raw(data, name, f(name, bytes));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

std::string HighBytes(size_t from, size_t n) {
  std::string bytes;
  for (size_t i = 0; i < n; ++i) bytes += static_cast<char>(0x80 + (from + i) % 0x80);
  return bytes;
}

}  // namespace

void WriteSoundLeague(const TempData& data) {
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|2|0|||", "|2|Bears|1|1|||", "|3|Owls|0|2|||"});
  data.Write("Y1L1T1.Players", {"P|", "|7|Ann Baker|" + Fields(45, "3"), "|8|Bo Chen|" + Fields(45, "")});
  data.Write("Y1L1.Games", {"G|", "|20260606|1000|1|1|2|1||||5|3|", "|20260607|1800|2|3|1||||||"});
  data.Write("Y1L1.Fields", {"F|", "|1|Memorial Park|", "|2|Riverside|"});
  data.Write("Y1L1.Umpires", {"U|", "|1|Sam Reed|"});
  data.Write("Y1L1.Times", {"2026061310001", "2026061418002", "2026062010001"});
  data.Write("Y1L1T1.Notes", {"Tigers", "good start"});
}

const std::vector<HostileCase>& HostileCases() {
  static const std::vector<HostileCase> cases = {
      {"NUL bytes in every line",
       [](const TempData& d) {
         Rewrite(d, [](const std::string&, std::string b) {
           return Replace(b, "|\r\n", "|\0\r\n"s) + "\0\0\0"s;
         });
         Raw(d, "Y1L1.Teams", "T|\r\n|1|Tig\0ers|2|\0|||\r\n|2|Bears|1|1|||\r\n"s);
       },
       {"Tig", "Bears", "Ann Baker"}},
      {"lines of 1 MB",
       [](const TempData& d) {
         const std::string huge(1 << 20, 'x');
         Rewrite(d, [&](const std::string&, std::string b) { return b + "|" + huge + "|" + huge + "\r\n"; });
         Raw(d, "Y1L1.Teams", "T|\r\n|1|Tigers" + huge + "|2|0|||\r\n|2|Bears|" + huge + "|\r\n");
       },
       {"Tigersxxxx", "Bears", "Ann Baker"}},
      {"CR-only line ends",
       [](const TempData& d) {
         Rewrite(d, [](const std::string&, std::string b) { return Replace(b, "\r\n", "\r"); });
       },
       {"Tigers", "Bears", "Owls", "Ann Baker", "Memorial Park"}},
      {"no header lines",
       [](const TempData& d) {
         Rewrite(d, [](const std::string& name, std::string b) {
           return name.ends_with(".Times") || name.ends_with(".Notes") ? b : b.substr(b.find('\n') + 1);
         });
       },
       {"Bears", "Owls", "Bo Chen"}},
      {"indexes past the end",
       [](const TempData& d) {
         d.Write("Baseball.Years", {"Y|7||1|99999|99999|", "|2026|Season|1|", "|2027|Next|99|"});
         d.Write("Y1.Leagues", {"L|", "|1|Majors|999|99999|", "|2|Minors|"});
         d.Write("Y1L1.Games",
                 {"G|", "|20260606|1000|99|1|99999|7||||5|3|", "|20260607|1800|0|-1|1|1|2|3|4|||"});
         d.Write("Y1L1.Times", {"2026061310009", "2026061418099999"});
       },
       {"Tigers", "Bears", "Owls"}},
      {"negative and 12-digit numbers",
       [](const TempData& d) {
         d.Write("Baseball.Years", {"Y|-1||1|-500|123456789012|", "|2026|Season|1|", "|-5|Old|-1|"});
         d.Write("Y1.Leagues", {"L|", "|1|Majors|1|-7|-9|-16777216|Arial|123456789012|"});
         d.Write("Y1L1.Teams",
                 {"T|", "|1|Tigers|-5|123456789012|-0||", "|2|Bears|999999999999|-999999999|||"});
         d.Write("Y1L1T1.Players",
                 {"P|", "|7|Ann Baker|" + Fields(45, "-9999"), "|8|Bo Chen|" + Fields(45, "123456789012")});
         d.Write("Y1L1.Games", {"G|", "|-2026060|-100|-1|1|2|-1||||-5|123456789012|"});
       },
       {"Tigers", "Ann Baker", "Bo Chen"}},
      {"bytes 0x80 to 0xFF in every field",
       [](const TempData& d) {
         Rewrite(d, [](const std::string& name, std::string b) {
           if (name == "Baseball.Years" || name == "Y1.Leagues") return b;
           std::string out;
           size_t k = 0;
           for (char c : b) out += c == '|' || c == '\r' || c == '\n' ? std::string(1, c) : HighBytes(k++, 3);
           return out;
         });
         // Every field of the league but the column choices.
         d.Write("Y1.Leagues",
                 {"L|", "|1|Majors|1|1|" + Fields(9, HighBytes(0, 61)) + "||" + Fields(4, HighBytes(9, 8))});
         d.Write("Y1L1.Teams", {"T|", "|1|Caf\xE9 \x80\x9F\xFF|2|0|||"});
       },
       {"Caf\xC3\xA9 \xE2\x82\xAC"}},
      {"column flags and sort keys of the wrong length",
       [](const TempData& d) {
         d.Write("Y1.Leagues", {"L|", "|1|Majors|1|1|9||||||\x85|1111111111111|**|" + std::string(200, '*') +
                                          "|*|" + std::string(90, '*') + "|"});
       },
       {"Tigers", "Ann Baker"}},
      {"99,999 deleted teams",
       [](const TempData& d) {
         std::vector<std::string> teams = {"T|", "|1|Tigers|2|0|||", "|2|Bears|1|1|||", "|3|Owls|0|2|||"};
         for (int i = 4; i <= 100002; ++i) teams.push_back("X|" + std::to_string(i) + "|Gone|1|1|||");
         d.Write("Y1L1.Teams", teams);
       },
       {"Tigers", "Bears", "Owls"}},
      {"a times file with garbage lines",
       [](const TempData& d) {
         Raw(d, "Y1L1.Times",
             "garbage\r\n\r\n20261399250099\r\n2026061310001\r\n2026061310001\r\n\xFF\xFE\0\r\n-1\r\n"
             "20260613\r\n" +
                 std::string(5000, '9') + "\r\n2026062010002"s);
       },
       {"Tigers", "Ann Baker"}},
  };
  return cases;
}

}  // namespace scv::test
