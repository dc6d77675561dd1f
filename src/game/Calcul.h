// The reader of calculations: what a player types to play ("75x3", or a
// whole calculation as clubs write it on paper, "(75+25)x8+7"), what
// tolvan-solve --verifie checks and what an arbiter checks, read by one
// rule. A calculation is accepted only when every line it stands for could
// be played on the blackboard, one after the other, with the numbers in
// play; otherwise it is refused with one reason, and nothing is yielded.
//
// What is read:
// - numbers in decimal digits; the operators + and -, − (U+2212), x, X, *
//   and × (U+00D7), / : and ÷ (U+00F7); brackets ( ), [ ] and { }, nested
//   at will, each closed by its own kind; spaces of any width anywhere;
// - x and / before + and −, otherwise left to right: 50-7-3 is (50-7)-3,
//   100/5/2 is (100/5)/2;
// - optionally the result announced after "=" ("75x3=225"), or before it
//   as the solver writes a solution ("225=75x3"): a wrong one is refused.
//
// What a calculation must keep to: each number written is one in play, and
// no number is written more times than it is in play; every line's result
// is a whole number above zero (stricter than the board, which lets 7-7
// leave a 0) within the game's 32-bit numbers. Each line's result is used
// by exactly one later line, which the brackets ensure.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Records.h"

namespace tolvan {

// One line of a calculation, as the blackboard writes it: valeur1 signe
// valeur2 = resultat. The operands are in the order written in the
// calculation, never swapped, so that the line is played on the board by
// pressing a tile holding `valeur1`, the operator, then another tile holding
// `valeur2`. Each operand is a number in play at that moment: a number of
// the text, or the result of an earlier line of the same calculation.
struct LigneCalcul {
  longint valeur1 = 0;
  longint signe = 0;  // the board's `Signe`: 1 "+", 2 "x", 3 "-", 4 "/"
  longint valeur2 = 0;
  longint resultat = 0;
  friend bool operator==(const LigneCalcul&, const LigneCalcul&) = default;
};

// Why a calculation is refused. Each reason comes with its data in
// `RefusCalcul` (the fields named beside it), so that a window can say it
// in any language; PhrasesCalcul.h says it in words.
enum class RaisonRefus {
  // What is typed cannot be read as a calculation.
  Vide,                  // nothing but spaces
  CaractereInconnu,      // texte: the character, made visible
  NombreTropLong,        // texte: its first digits
  ParentheseNonFermee,   // ouvrante, attendue (the closing bracket missing)
  FermanteSansOuvrante,  // texte: the closing bracket
  FermanteMalAssortie,   // texte: the closing bracket, ouvrante, attendue
  ParenthesesVides,      // ouvrante, texte: the closing bracket
  RienAGauche,           // texte: the operator or "=" with nothing before it
  RienADroite,           // texte: the operator or "=" with nothing after it
  OperationManquante,    // texte: the number or bracket that follows another with no operator between
  EgalMalPlace,          // a second "=", or no lone number on either side of it
  SansOperation,         // a number alone: nothing to play
  // The calculation reads, but cannot be played.
  NombreHorsJeu,      // nombre: not in play at all
  NombreEnTrop,       // nombre, fois: written more times than it is in play
  DivisionNonExacte,  // ligne
  DivisionParZero,    // ligne
  ResultatNul,        // ligne (its resultat 0)
  ResultatNegatif,    // ligne
  ResultatTropGrand,  // ligne: beyond the game's numbers
  ResultatFaux,       // nombre: the result announced; valeur: the calculation's
};

struct RefusCalcul {
  RaisonRefus raison = RaisonRefus::Vide;
  // Where the fault is, in bytes from the start of the text: the character
  // or bracket at fault, the operator of the line refused, the number not
  // in play, the result announced; 0 when the whole text is at fault.
  std::size_t position = 0;
  std::string texte;     // as typed, safe to show (see above for which reasons)
  std::string ouvrante;  // the opening bracket concerned
  std::string attendue;  // the closing bracket it calls for
  longint nombre = 0;
  int fois = 0;
  LigneCalcul ligne{};  // resultat only meaningful for ResultatNul and ResultatNegatif
  longint valeur = 0;
};

// What reading a calculation gives: its lines and value, or why not.
struct LectureCalcul {
  // Every line the calculation stands for, in the order they are played:
  // the lines of a bracket before the line that uses its result, left
  // before right ("2x3+4x5": 2x3=6, 4x5=20, 6+20=26). Empty when refused.
  std::vector<LigneCalcul> lignes;
  longint valeur = 0;  // the last line's result; 0 when refused
  // The first line whose result is the target (1 for the first line), 0 for
  // none. On the board the game is won there, and the lines after it are
  // not played.
  std::size_t ligneGagnante = 0;
  std::optional<RefusCalcul> refus;

  bool Acceptee() const { return !refus; }
};

// Reads `texte` against the numbers in play `enJeu` (a multiset, in any
// order: the board's enabled tiles, results of lines already written among
// them; a line in progress must be taken back first) and the target
// `cible`. Reads nothing past `texte`. Short commands of the game's field
// are not calculations: the caller tells them apart first.
LectureCalcul LitCalcul(std::string_view texte, std::span<const longint> enJeu, longint cible);

// The operation of a line without its result, as a refusal quotes it: "100/7".
std::string TexteOperation(const LigneCalcul& ligne);

// A line as a step of a solution, to be written as the solver writes them
// (TexteEtape: "75+25=100") or joined into one line (TexteSolution).
TEtape EtapeDe(const LigneCalcul& ligne);

}  // namespace tolvan
