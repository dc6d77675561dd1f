// Splitting a path into its directory and its file name. Names written by
// the Windows version of the game (a theme holding C:\Sons\clic.wav) split
// at the backslash as well as at the slash.
#pragma once

#include <QString>

namespace tolvan {

// The part after the last separator; the whole path when it has none; empty
// when it ends with a separator.
QString NomDeFichier(const QString& chemin);

// The part up to and including the last separator; empty when it has none.
QString RepertoireDe(const QString& chemin);

}  // namespace tolvan
