// The ranking of a club's evening: every line gathered is read, checked
// against the code's draws and ranked, or refused with where it came from
// and why, so that nothing is lost and nothing guessed.
//
// - The ranking is that of one code: the one the arbiter gives, or else the
//   one the most distinct lines carry (the first in alphabetical order
//   among equals); a line of another code is refused.
// - An identical line met twice counts once. Two different lines under one
//   name are both refused, named together, until the arbiter keeps one.
// - A line with its results is scored again from the code's draws: the
//   clubs' scale, the exceptional scale when the target cannot be reached,
//   0 for a number the plates cannot give; written points or a total that
//   disagree with the results are flagged, as is a result the plates cannot
//   give. A line without results keeps its written points and is flagged as
//   not checkable. A player's total is always the sum of the points ranked.
// - Players are ranked by total, then by the most draws at 10, then by the
//   last draw's points, then the one before, and so on to the first; still
//   equal, they share the rank (1, 2, 2, 4) and are listed by name.
// - Groups of N: A for ranks 1 to N, B for N+1 to 2N, ... by rank, so that
//   players sharing a rank share a group; after Z come AA, AB ...
// The result depends on the lines alone, never on the order in which they
// were gathered: refusals and alerts are listed by file and line.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CodeSerie.h"
#include "ControleTirage.h"
#include "LigneClub.h"
#include "PhrasesArbitrage.h"
#include "ResultatsRassembles.h"

namespace tolvan {

// A line read, or why it could not be.
struct EntreeClub {
  Provenance ou;
  std::optional<LigneClub> ligne;
  std::string raison = {};  // when there is no line
};

// Every line gathered, read in `mots`' words.
std::vector<EntreeClub> LitEntrees(const Rassemblement& rassemblement, const PhrasesArbitrage& mots = {});

inline constexpr int TailleGroupesParDefaut = 16;

struct ReglesClassement {
  std::optional<CodeSerie> code;  // none: the code the most lines carry
  int tailleGroupes = TailleGroupesParDefaut;
  bool approcheSalle = false;  // the exceptional scale from the room's best results
  // The line the arbiter kept for a name among its different lines.
  std::map<std::string, Provenance> gardees;
};

struct JoueurClasse {
  int rang = 0;
  std::string groupe;
  LigneClub ligne;  // as it was written
  Provenance ou;    // the first place the line was met
  std::vector<int> points;  // as ranked
  int total = 0;
  int exacts = 0;  // draws at 10
  // Each draw's result checked; none where nothing was announced, and for
  // a line without results.
  std::vector<std::optional<ControleTirage::Verdict>> verdicts;
};

// A refusal or an alert: where, and why in words.
struct Avis {
  Provenance ou;
  std::string raison;
  // For a line refused among a name's different lines, that name: the
  // arbiter may keep this line instead (ReglesClassement::gardees).
  std::string nomAGarder = {};
  friend bool operator==(const Avis&, const Avis&) = default;
};

struct Classement {
  std::optional<CodeSerie> code;
  std::vector<JoueurClasse> joueurs;  // in ranking order
  std::vector<Avis> refusees;
  std::vector<Avis> alertes;
  // The distinct distances each draw's room scale counts (empty where the
  // target can be reached, and without the room's scale).
  std::vector<std::vector<longint>> ecartsSalle;
};

// Keeps the checks of the last code asked for: working them out (a few
// milliseconds a draw) is the slow part of a ranking.
class ControlesParCode {
 public:
  const std::vector<ControleTirage>& De(const CodeSerie& code);

 private:
  std::optional<CodeSerie> code_;
  std::vector<ControleTirage> controles_;
};

// The code the most distinct lines carry, the first in alphabetical order
// among equals; none without a line.
std::optional<CodeSerie> CodeDesLignes(const std::vector<EntreeClub>& entrees);

Classement Classe(const std::vector<EntreeClub>& entrees, const std::vector<FichierRefuse>& fichiers,
                  const ReglesClassement& regles, ControlesParCode& controles, const PhrasesArbitrage& mots = {});

// "a.txt, ligne 3"; a whole file by its name alone.
std::string TexteProvenance(const Provenance& ou, const PhrasesArbitrage& mots = {});
// "A" to "Z", then "AA", "AB" ...: the group of the `numero`th (from 0).
std::string NomDeGroupe(int numero);

}  // namespace tolvan
