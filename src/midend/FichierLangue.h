// Reading a language file (".tvl"): its lines, or why it is none. A file
// with nothing in it, or with bytes no text holds (a picture, a program),
// would blank every caption and message without a word: it is refused as a
// file that cannot be opened.
#pragma once

#include <iterator>
#include <string_view>

#include <QString>
#include <QStringList>

#include "LignesPropres.h"

namespace tolvan {

// Every language file has 73 lines; a shorter one empties what it lacks.
// Tolvan's own texts follow them (LignesPropres.h), which files made for
// older versions do not have: missing, those keep their French.
inline constexpr int NbLignesLangue = 73;
inline constexpr int NbLignesFichierLangue = NbLignesLangue + static_cast<int>(std::size(LignesPropres));

struct LectureLangue {
  enum Etat { Lue, OuvertureImpossible, Refusee, LectureImpossible };
  Etat etat = Lue;
  // At most the lines a language file has; after a read failure, those
  // read before it.
  QStringList lignes;
  QString raison = {};  // why it could not be opened or was refused
};

LectureLangue LitFichierLangue(const QString& chemin);

// The text a line missing from a file gives: nothing for the 73 lines of
// old, the French for Tolvan's own.
QString TexteAbsent(int ligne);

// Whether a line's bytes (Windows-1252) hold a control character: a line
// feed alone is part of the text, as it always was.
bool LigneBinaire(std::string_view octets);

}  // namespace tolvan
