#include "entry/TeamForm.h"

#include "store/DataStore.h"
#include "store/Messages.h"
#include "store/Text.h"
#include "tables/Tables.h"

namespace scv {

bool FitsFigureField(int64_t n) { return n <= 9999 && n >= -999; }

QString TotalRefusal(const char* figure, int64_t total) {
  const QString name = QString::fromLatin1(figure);
  if (!FitsFigureField(total))
    return QStringLiteral("%1 total %2 does not fit in 4 characters").arg(name).arg(total);
  if (total < 0) return QStringLiteral("%1 total %2 cannot be negative").arg(name).arg(total);
  return QString();
}

TeamFormPresenter::TeamFormPresenter(DataStore& store_, TeamFormView& view_, Messages& messages_, Tables& tables_)
    : store(store_), view(view_), messages(messages_), tables(tables_) {}

bool TeamFormPresenter::Run() {
  TeamRecord& team = store.CurrentTeam;
  view.SetWon(team.Won);
  view.SetLost(team.Lost);
  view.SetTied(team.Tied);
  view.SetCaption(team.Name);
  view.SetItem(TeamFormView::DidNotPlay);
  view.FocusRadioGroup();

  for (;;) {
    if (!view.Exec()) return false;

    int64_t won = ParseFigure(view.WonText());
    int64_t lost = ParseFigure(view.LostText());
    int64_t tied = ParseFigure(view.TiedText());
    switch (view.SelectedItem()) {
      case TeamFormView::Won: ++won; break;
      case TeamFormView::Lost: ++lost; break;
      case TeamFormView::Tied: ++tied; break;
      default: break;
    }

    const struct {
      const char* label;
      int64_t value;
    } counts[] = {{"Won", won}, {"Lost", lost}, {"Tied", tied}};
    QString refusal;
    for (const auto& count : counts)
      if (refusal.isEmpty()) refusal = TotalRefusal(count.label, count.value);
    if (!refusal.isEmpty()) {
      messages.Error(refusal);
      continue;  // the dialog still holds what was typed
    }

    if (won + lost + tied != 0) {
      team.Won = FigureText(won);
      team.Lost = FigureText(lost);
    } else {
      team.Won.clear();
      team.Lost.clear();
    }
    team.Tied = FigureTextOrBlank(tied);
    store.WriteTeam();
    tables.ShowTable();
    return true;
  }
}

}  // namespace scv
