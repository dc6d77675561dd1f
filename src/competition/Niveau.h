// A level (".niv" file, 33 lines): its name, the draws file it deals from,
// its normal time per draw, and its ten best results, three lines each
// (score, player's name, draws found). Lines are UTF-8 here; the file
// itself is Windows-1252 like every file of the game.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/Records.h"

namespace tolvan {

struct TRecord {
  std::string Nom;  // at most 12 characters
  word Score = 0;
  word Serie = 0;
  friend bool operator==(const TRecord&, const TRecord&) = default;
};

inline constexpr int NbRecords = 10;
inline constexpr int NbLignesNiveau = 3 + 3 * NbRecords;
inline constexpr std::size_t LongueurNom = 12;

struct Niveau {
  std::string nom;
  std::string fichierTirages;  // as written in the file
  std::string temps;           // the time line as written, as the page shows it
  word tempsNiveau = 0;
  std::array<TRecord, NbRecords> records{};
  // The records' lines as written ("0050" stays "0050" until rewritten),
  // for the records list: score, name, draws found.
  std::vector<std::array<std::string, 3>> lignesRecords;
};

// Reading a level: what was read, and where it stopped when a line that
// should be a number is not one (or is missing): the time must be 1 to
// 65535 seconds, the scores and counts 0 to 65535, as 16 bits hold them.
struct LectureNiveau {
  Niveau niveau;
  // How many lines were taken before the stop; all 33 when read whole.
  int lignesPrises = 0;
  bool lu = false;
  std::string derniereLigne;  // the line that stopped the reading
};

// The lines of a level file; missing lines read as empty, lines past the
// 33rd are ignored. With `recordsEnNombres` off the records' lines are only
// kept as text, so that only the time must be a number.
LectureNiveau LitNiveau(const std::vector<std::string>& lignes, bool recordsEnNombres = true);

// The 33 lines of a level file for these records.
std::vector<std::string> LignesNiveau(const Niveau& niveau);

// What reading a level says when one of its numbers is not one.
std::string MessageConversionNiveau(const std::string& derniereLigne);

// Places a total among the ten records, put best first whatever their
// order: below every record at least as good, the tenth leaving the table; a total that does not beat the tenth
// changes nothing. A total above 60000, beyond what the table was made
// for, goes first with its score capped at 65535.
void AjouteRecord(std::array<TRecord, NbRecords>& records, const TRecord& nouveau);

// The record of a series that ended: the first 12 characters of the name.
TRecord RecordDeSerie(const std::string& nomJoueur, longint scoreTotal, word nbTrouves);

// Where a level's draws file is: a relative path is looked for beside the
// level file first, then as written, so that a level travels with its draws.
std::string CheminTiragesNiveau(const std::string& cheminNiveau, const std::string& fichierTirages);

}  // namespace tolvan
