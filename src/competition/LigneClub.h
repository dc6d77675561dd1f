// The line a player sends to the club after a series by code, and the
// arbiter's reading of it:
//   CODE;NOM;TOTAL;P1;…;PN;R1;…;RN
// the code, the player's name, the total, each draw's points, then each
// draw's announced result (empty where nothing was announced), separated
// by semicolons so that a French spreadsheet opens it in columns. A line
// of the first form, without the results (CODE;NOM;TOTAL;P1;…;PN), is
// still read: its points cannot be checked.
//
// The name is the one free field. Written, each semicolon in it becomes a
// comma and each control character a space, so that it stays one field on
// one line; spaces around it go, and an empty name is written "Sans nom".
// It is then written as any field of the club's spreadsheet (ChampsCsv.h):
// within double quotes when it holds one, after an apostrophe when it
// would start a formula. The reader undoes exactly that, so a name reads
// back as it was written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CodeSerie.h"
#include "PhrasesArbitrage.h"
#include "engine/Records.h"

namespace tolvan {

struct LigneClub {
  CodeSerie code;
  std::string nom;
  int total = 0;
  std::vector<int> points;
  // Each draw's announced result; none at all in a line of the first form.
  std::optional<std::vector<std::optional<longint>>> resultats;

  bool Verifiable() const { return resultats.has_value(); }
  friend bool operator==(const LigneClub&, const LigneClub&) = default;
};

inline constexpr const char* NomParDefaut = "Sans nom";

// The name as the line carries it, before its spreadsheet quoting.
std::string NomPourLigne(std::string_view nom);

std::string EcritLigneClub(const LigneClub& ligne);

// A line in UTF-8; nothing, and `raison` says why in `mots`' words, when it
// cannot be read: not a club's line, a control character, an unreadable
// code, a count of fields that fits neither form, an empty name, a total,
// points or a result that are not numbers.
std::optional<LigneClub> LitLigneClub(std::string_view texte, std::string& raison, const PhrasesArbitrage& mots = {});

}  // namespace tolvan
