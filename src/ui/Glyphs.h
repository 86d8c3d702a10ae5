#pragma once
// The pictures of the command buttons and of the about box, drawn in code.
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace scv {

enum class Glyph { File, Year, League, Team, Player, Update, Setup, Notes, Font, Print, Help, Exit };

// A 20 by 20 picture for a command button.
QIcon ButtonGlyph(Glyph glyph);
// The program's picture: a ball over a diamond, size by size pixels. The
// image needs no running application (the icon files are drawn from it at
// build time).
QImage ProgramImage(int size);
QPixmap ProgramPicture(int size);
// The program's picture at the sizes window managers ask for.
QIcon ProgramIcon();

}  // namespace scv
