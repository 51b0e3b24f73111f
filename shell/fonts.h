// The Japanese Gothic faces every window writes in.
#pragma once

#include <QFont>
#include <QStringList>

namespace ui {

// "ＭＳ ゴシック" (monospaced) and "ＭＳ Ｐゴシック" (proportional), or the nearest face this
// system has: Debian's IPA Gothic fonts.
QStringList GothicFamilies();
QStringList PGothicFamilies();
QFont GothicFont(double points, bool bold = false);
QFont PGothicFont(double points, bool bold = false);

// The program's face, set once at start: text in the proportional Gothic at 9 pt unless a
// control names its own (tooltips, messages), so the program loads that face and not the
// system's default face as well.
void SetProgramFonts();

} // namespace ui
