// What an arbiter gathers before ranking: the lines of the players' files,
// of the clipboard or of any text, each with where it comes from, and the
// files that could not be read, with why. Files are only read, never
// changed; a line is kept as its text, read as a club's line only when
// the room is ranked (Classement.h), so that a reason is given in the
// words of the moment.
#pragma once

#include <compare>
#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

struct Provenance {
  std::string fichier;  // the file's name as the arbiter knows it, "presse-papiers", "saisie"
  int ligne = 0;        // from 1; 0 for the whole file
  friend auto operator<=>(const Provenance&, const Provenance&) = default;
};

struct LigneRassemblee {
  Provenance ou;
  std::string texte;  // in UTF-8
};

enum class ProblemeFichier {
  Illisible,   // it cannot be opened or read (a folder, a file gone)
  PasDuTexte,  // it holds a NUL byte: a picture, a program, UTF-16
  Vide,        // not one line that is not blank
  TropLong,    // read up to OctetsMaxClub, the rest left
};

struct FichierRefuse {
  Provenance ou;
  ProblemeFichier probleme;
};

struct Rassemblement {
  std::vector<LigneRassemblee> lignes;
  std::vector<FichierRefuse> fichiers;

  // Gathers `autre` too.
  void Ajoute(Rassemblement autre);
  // Leaves out whatever came from `fichier`.
  void Retire(const std::string& fichier);
};

// Far more than a club's results ever take.
inline constexpr std::size_t OctetsMaxClub = std::size_t{4} << 20;

// The lines of a text's bytes, named `source`: each line that is not blank,
// in UTF-8 (read as Windows-1252 when it is not valid UTF-8). A line ends
// at CR LF, CR or LF; a Ctrl-Z ends the text.
Rassemblement LitTexteClub(std::string_view octets, const std::string& source);
// The same from a file, refused when it is no regular file or cannot be read.
Rassemblement LitFichierClub(const std::string& chemin, const std::string& source);
// The same from a stream already open, such as the standard input.
Rassemblement LitFluxClub(std::unique_ptr<std::istream> flux, const std::string& source);

}  // namespace tolvan
