// Reading a language file (".tvl"): its lines, or why it is none. A file
// with nothing in it, or with bytes no text holds (a picture, a program),
// would blank every caption and message without a word: it is refused as a
// file that cannot be opened.
#pragma once

#include <string_view>

#include <QString>
#include <QStringList>

namespace tolvan {

struct LectureLangue {
  enum Etat { Lue, OuvertureImpossible, Refusee, LectureImpossible };
  Etat etat = Lue;
  // At most the lines a language file has; after a read failure, those
  // read before it.
  QStringList lignes;
  QString raison = {};  // why it could not be opened or was refused
};

LectureLangue LitFichierLangue(const QString& chemin);

// Whether a line's bytes (Windows-1252) hold a control character: a line
// feed alone is part of the text, as it always was.
bool LigneBinaire(std::string_view octets);

}  // namespace tolvan
