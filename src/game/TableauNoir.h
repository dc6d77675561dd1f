// The blackboard: the player builds up to five lines by pressing number
// tiles and operators; each finished line's result goes back onto the tile
// of its right operand. This holds the rules; the window only shows them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Evenement.h"
#include "engine/Records.h"

namespace tolvan {

// A number tile: the value it holds and shows, and whether it can be pressed.
struct Tuile {
  longint valeur = 0;
  bool active = false;  // nothing can be pressed before a game starts
};

// The codes of a press: tiles 1 to 6, then the operators.
inline constexpr int CodePlus = 7;
inline constexpr int CodeFois = 8;
inline constexpr int CodeMoins = 9;
inline constexpr int CodeDivise = 10;

// Whether the board allows the line a `signe` b, with the operands in the
// order pressed and never swapped (`Signe` 1 "+", 2 "x", 3 "-", 4 "/"). A
// difference of zero is allowed (7-7 leaves a tile showing 0); a result
// beyond the game's numbers is not. A calculation typed in keeps to this
// rule and is stricter still.
enum class RegleLigne { Permise, Negative, DivisionParZero, NonExacte, TropGrande };
struct IssueLigne {
  RegleLigne regle = RegleLigne::Permise;
  longint resultat = 0;  // set when the line is allowed
};
IssueLigne CalculeLigne(longint a, longint signe, longint b);

class TableauNoir {
 public:
  // What a press or a "Retour" asks of the window besides redrawing.
  struct Reaction {
    std::optional<Evenement> son;  // none when nothing happened
    bool gagne = false;           // the line reached the target
    bool demandeReponse = false;  // the player must type the line's result
    bool refusee = false;         // the operation is not allowed
  };

  // A new game on these numbers: every tile holds its number and is enabled,
  // line 1 is empty.
  void Commence(const NombresTirage& nombres);
  // Back to an empty line 1 with no line kept and no answer awaited; the
  // tiles keep their values.
  void Recommence();
  // The game ended while a typed answer was awaited: no answer counts now.
  void OublieReponse();

  // A press on tile 1..6 or an operator 7..10. `calculAuto`: the program
  // computes results (otherwise the player types them).
  Reaction Effectue(int code, bool calculAuto, longint cible);

  // "Retour": takes back the line in progress, or the last finished line.
  Reaction Retour();

  // A typed answer, checked on Enter.
  enum class Verdict { Refusee, Acceptee, Gagnee };
  Verdict VerifieResultat(const std::string& reponse, longint cible);

  // The five lines of the board as they are shown.
  std::array<std::string, NbLignes> Textes() const;
  // The finished lines, winning line included, as the recap lists them.
  int NbLignesFinies() const;
  std::string TexteLigne(int k) const;
  // The player's result on the board, as the clubs count it: of the
  // finished lines, the one nearest `cible` (the smaller on a tie); none
  // when no line was finished.
  std::optional<longint> MeilleurResultat(longint cible) const;

  bool ReponseAttendue() const { return reponseAttendue_; }
  // The numbers the player can still use, in tile order: the enabled
  // tiles, and the first number of a line in progress, given back.
  std::vector<longint> NombresEnJeu() const;
  // The first enabled tile (1..6) holding `valeur`, other than tile `sauf`;
  // 0 when there is none. A calculation typed in is played this way, line
  // by line: any tile holding the number will do.
  int TuileEnJeu(longint valeur, int sauf = 0) const;

  // The primitives the rules are made of, under the game's own names.
  void Saisie(int code);
  void afficheresult(bool calculAuto);
  void ActiveTuile(int n, bool active);
  void change(int n, longint valeur);
  void RendResultat();
  void LigneSuivante();
  void EffaceLignes();
  void ModifieTout(bool active);

  Base1Array<TLigne, NbLignes> Lignes{};
  word NumLigne = 0;
  word EtatSaisie = 0;
  flag ResultatValide = 0;
  Base1Array<Tuile, NbNombres> Tuiles{};

 private:
  TLigne& Courante() { return Lignes[NumLigne]; }
  Reaction PresseTuile(int tuile, bool calculAuto, longint cible);
  Reaction PresseOperateur(int code);

  bool reponseAttendue_ = false;
  bool operationPermise_ = false;  // whether the line awaiting an answer is allowed
};

}  // namespace tolvan
