// libFuzzer target for typed calculations: whatever the bytes, reading
// never crashes nor reads past the text. A refusal yields nothing and says
// why in a sentence safe to show; an accepted calculation's lines play one
// after the other with the numbers in play alone, every result above zero,
// on the board itself as well; the solver's one-line text of them reads
// back to the same value. The first eight bytes give the six numbers in
// play and the target, the rest is the text.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/SolutionText.h"
#include "engine/Utf8.h"
#include "game/Calcul.h"
#include "game/PhrasesCalcul.h"
#include "game/TableauNoir.h"

namespace {

using namespace tolvan;

// Aborts, naming the property broken, so that libFuzzer keeps the input.
void Exige(bool condition, int ligne = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "FuzzCalcul.cpp:%d: property broken\n", ligne);
  std::abort();
}

// The game's numbers, with a zero and numbers near the 32-bit limits.
constexpr std::array<longint, 32> Nombres = {1,     2,     3,     4,     5,     6,     7,          8,
                                             9,     10,    25,    50,    75,    100,   0,          11,
                                             999,   1000,  46340, 46341, 65536, 32768, 2147483647, 1,
                                             2,     3,     4,     5,     6,     7,     8,          9};

// No control character and nothing but UTF-8: a window or a terminal shows it as it is.
bool SansDanger(std::string_view texte) {
  while (!texte.empty()) {
    char32_t point = 0;
    const std::size_t longueur = SequenceUtf8(texte, point);
    if (longueur == 0 || point < 0x20 || (point >= 0x7F && point <= 0x9F)) return false;
    texte.remove_prefix(longueur);
  }
  return true;
}

// The lines played on the numbers as values: each operand must be there.
void RejoueLesValeurs(const LectureCalcul& lecture, std::vector<longint> enJeu) {
  for (const LigneCalcul& ligne : lecture.lignes) {
    for (const longint operande : {ligne.valeur1, ligne.valeur2}) {
      const auto trouve = std::find(enJeu.begin(), enJeu.end(), operande);
      Exige(trouve != enJeu.end());
      enJeu.erase(trouve);
    }
    const IssueLigne issue = CalculeLigne(ligne.valeur1, ligne.signe, ligne.valeur2);
    Exige(issue.regle == RegleLigne::Permise && issue.resultat == ligne.resultat && ligne.resultat > 0);
    enJeu.push_back(ligne.resultat);
  }
}

// The lines played on the board by pressing tiles holding their operands.
void RejoueSurLeTableau(const LectureCalcul& lecture, const NombresTirage& nombres, longint cible) {
  TableauNoir tableau;
  tableau.Commence(nombres);
  for (std::size_t k = 0; k < lecture.lignes.size(); ++k) {
    const LigneCalcul& ligne = lecture.lignes[k];
    const int tuile1 = tableau.TuileEnJeu(ligne.valeur1);
    const int tuile2 = tableau.TuileEnJeu(ligne.valeur2, tuile1);
    Exige(tuile1 != 0 && tuile2 != 0);
    tableau.Effectue(tuile1, true, cible);
    tableau.Effectue(CodePlus - 1 + ligne.signe, true, cible);
    const TableauNoir::Reaction reaction = tableau.Effectue(tuile2, true, cible);
    Exige(!reaction.refusee && tableau.Lignes[static_cast<int>(k) + 1].Resultat == ligne.resultat);
    Exige(reaction.gagne == (k + 1 == lecture.ligneGagnante));
    if (reaction.gagne) return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille < 8) return 0;
  NombresTirage nombres;
  for (int i = 1; i <= NbNombres; ++i) nombres[i] = Nombres[donnees[i - 1] % Nombres.size()];
  const longint cible = 101 + (donnees[6] | (donnees[7] << 8)) % 899;
  const std::vector<longint> enJeu(nombres.begin(), nombres.end());
  // The text ends where the input does, so that reading past it is caught.
  const std::string_view texte(reinterpret_cast<const char*>(donnees) + 8, taille - 8);

  const LectureCalcul lecture = LitCalcul(texte, enJeu, cible);
  if (!lecture.Acceptee()) {
    Exige(lecture.lignes.empty() && lecture.valeur == 0 && lecture.ligneGagnante == 0);
    Exige(lecture.refus->position <= texte.size());
    const std::string phrase = PhraseRefus(*lecture.refus);
    Exige(!phrase.empty() && SansDanger(phrase));
    return 0;
  }
  Exige(!lecture.lignes.empty() && lecture.lignes.size() < enJeu.size());
  Exige(lecture.valeur == lecture.lignes.back().resultat);
  RejoueLesValeurs(lecture, enJeu);
  RejoueSurLeTableau(lecture, nombres, cible);

  TSolution solution;
  solution.NbEtapes = static_cast<word>(lecture.lignes.size());
  for (std::size_t k = 0; k < lecture.lignes.size(); ++k) solution.Etapes[static_cast<int>(k) + 1] = EtapeDe(lecture.lignes[k]);
  const std::string uneLigne = TexteSolution(solution);
  if (uneLigne != "?") {
    const LectureCalcul relue = LitCalcul(uneLigne, enJeu, cible);
    Exige(relue.Acceptee() && relue.valeur == lecture.valeur);
  }
  return 0;
}
