#pragma once
// Edit boxes whose text goes into the 8-bit data files. A character the files
// cannot hold is refused as it is typed or pasted, and a short hint beside the
// edit names it, so that nothing turns into "?" unseen. Every dialog with
// edits that feed records sets this up on its edits.
#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;

namespace scv {

// Refuses characters outside the code page in this edit.
void KeepToCodePage(QLineEdit* edit);
// The same for every edit inside a dialog (or any other widget).
void KeepToCodePage(QWidget* widget);

// The hint shown when characters are refused: "Cannot be stored: Ł ễ".
QString CodePageHint(const QStringList& refused);

}  // namespace scv
