// Calculations made at random on boards played at random: the reader must
// agree with a plain evaluation of the calculation's tree, and what it
// accepts must play on the board, line by line, as the board's own rules
// allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "engine/SolutionText.h"
#include "game/Calcul.h"
#include "game/PhrasesCalcul.h"
#include "game/SplitMix64.h"
#include "game/TableauNoir.h"

namespace tolvan::test {
namespace {

struct Noeud {
  longint valeur = 0;  // a number of the text, when `signe` is 0
  longint signe = 0;
  int gauche = -1, droite = -1;
};

// What the calculation gives, worked out on its tree, left before right.
struct Attendu {
  std::vector<LigneCalcul> lignes;  // up to the one refused, included
  std::optional<RaisonRefus> raison;
};

class Arbre {
 public:
  std::vector<Noeud> noeuds;
  int racine = -1;

  // The lines of node `n`; its value, or nothing when a line is refused.
  std::optional<longint> Evalue(int n, Attendu& attendu) const {
    const Noeud& noeud = noeuds[n];
    if (noeud.signe == 0) return noeud.valeur;
    const auto a = Evalue(noeud.gauche, attendu);
    const auto b = a ? Evalue(noeud.droite, attendu) : std::nullopt;
    if (!b) return std::nullopt;
    const std::int64_t x = *a, y = *b;
    std::int64_t r = noeud.signe == 1 ? x + y : noeud.signe == 2 ? x * y : noeud.signe == 3 ? x - y : 0;
    if (noeud.signe == 4 && y == 0) attendu.raison = RaisonRefus::DivisionParZero;
    if (noeud.signe == 4 && y != 0 && x % y != 0) attendu.raison = RaisonRefus::DivisionNonExacte;
    if (noeud.signe == 4 && y != 0) r = x / y;
    if (!attendu.raison && r > 2147483647) attendu.raison = RaisonRefus::ResultatTropGrand;
    if (!attendu.raison && r < 0) attendu.raison = RaisonRefus::ResultatNegatif;
    if (!attendu.raison && r == 0) attendu.raison = RaisonRefus::ResultatNul;
    attendu.lignes.push_back({*a, noeud.signe, *b, attendu.raison ? 0 : static_cast<longint>(r)});
    if (attendu.raison) return std::nullopt;
    return static_cast<longint>(r);
  }

  // Written with the fewest brackets, of any kind, with any spelling of the
  // operators and spaces here and there.
  std::string Texte(int n, SplitMix64& hasard) const {
    static const std::array<std::vector<std::string>, 5> Signes = {
        {{}, {"+"}, {"x", "X", "*", "×"}, {"-", "−"}, {"/", ":", "÷"}}};
    static const std::array<std::string, 3> Espaces = {"", " ", "\u00A0"};
    const Noeud& noeud = noeuds[n];
    if (noeud.signe == 0) return std::to_string(noeud.valeur);
    const auto& signes = Signes[noeud.signe];
    return Operande(noeud.gauche, Priorite(noeud) > Priorite(noeuds[noeud.gauche]), hasard) +
           Espaces[hasard.Entre(3)] + signes[hasard.Entre(static_cast<int>(signes.size()))] + Espaces[hasard.Entre(3)] +
           Operande(noeud.droite, Priorite(noeud) >= Priorite(noeuds[noeud.droite]), hasard);
  }

 private:
  static int Priorite(const Noeud& noeud) { return noeud.signe == 0 ? 3 : noeud.signe % 2 == 0 ? 2 : 1; }

  std::string Operande(int n, bool entoure, SplitMix64& hasard) const {
    static const std::array<std::pair<std::string, std::string>, 3> Paires = {{{"(", ")"}, {"[", "]"}, {"{", "}"}}};
    const auto& [ouvrante, fermante] = Paires[hasard.Entre(3)];
    return entoure ? ouvrante + Texte(n, hasard) + fermante : Texte(n, hasard);
  }
};

// Some of the numbers in play, now and then one that may not be, combined
// two by two at random.
Arbre ArbreAuHasard(std::vector<longint> enJeu, SplitMix64& hasard) {
  for (std::size_t i = enJeu.size(); i > 1; --i) std::swap(enJeu[i - 1], enJeu[hasard.Entre(static_cast<int>(i))]);
  Arbre arbre;
  std::vector<int> libres;
  const int feuilles = 2 + hasard.Entre(static_cast<int>(enJeu.size()) - 1);
  for (int i = 0; i < feuilles; ++i) {
    const longint valeur = hasard.Entre(12) == 0 ? 1 + hasard.Entre(120) : enJeu[i];
    arbre.noeuds.push_back({valeur});
    libres.push_back(i);
  }
  while (libres.size() > 1) {
    const int i = hasard.Entre(static_cast<int>(libres.size()));
    const int gauche = libres[i];
    libres.erase(libres.begin() + i);
    const int j = hasard.Entre(static_cast<int>(libres.size()));
    arbre.noeuds.push_back({0, 1 + hasard.Entre(4), gauche, libres[j]});
    libres[j] = static_cast<int>(arbre.noeuds.size()) - 1;
  }
  arbre.racine = libres.front();
  return arbre;
}

// A board a few random presses into a game, with no line in progress.
TableauNoir TableauAuHasard(SplitMix64& hasard) {
  static constexpr std::array<longint, 14> Reserve = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 25, 50, 75, 100};
  NombresTirage nombres;
  for (longint& n : nombres) n = Reserve[hasard.Entre(Reserve.size())];
  TableauNoir tableau;
  tableau.Commence(nombres);
  for (int presse = hasard.Entre(8); presse > 0; --presse) {
    tableau.Effectue(1 + hasard.Entre(10), true, 0);
  }
  if (tableau.EtatSaisie != 0) tableau.Retour();
  return tableau;
}

// Plays `ligne` on the board with tiles holding its operands.
TableauNoir::Reaction Joue(TableauNoir& tableau, const LigneCalcul& ligne, longint cible) {
  const int tuile1 = tableau.TuileEnJeu(ligne.valeur1);
  const int tuile2 = tableau.TuileEnJeu(ligne.valeur2, tuile1);
  EXPECT_NE(tuile1, 0);
  EXPECT_NE(tuile2, 0);
  tableau.Effectue(tuile1, true, cible);
  tableau.Effectue(CodePlus - 1 + ligne.signe, true, cible);
  return tableau.Effectue(tuile2, true, cible);
}

bool PlusEnJeu(const std::vector<longint>& enJeu, const Arbre& arbre) {
  std::vector<longint> restants = enJeu;
  for (const Noeud& noeud : arbre.noeuds) {
    if (noeud.signe != 0) continue;
    const auto trouve = std::find(restants.begin(), restants.end(), noeud.valeur);
    if (trouve == restants.end()) return true;
    restants.erase(trouve);
  }
  return false;
}

TEST(CalculSurLeTableau, WhatTheReaderAcceptsPlaysOnTheBoardAndWhatItRefusesTheBoardRefusesToo) {
  SplitMix64 hasard(20270311);
  int acceptes = 0, refusParLeTableau = 0;
  for (int essai = 0; essai < 3000; ++essai) {
    TableauNoir tableau = TableauAuHasard(hasard);
    const std::vector<longint> enJeu = tableau.NombresEnJeu();
    if (enJeu.size() < 2) continue;
    const Arbre arbre = ArbreAuHasard(enJeu, hasard);
    const std::string texte = arbre.Texte(arbre.racine, hasard);
    const longint cible = 101 + hasard.Entre(899);
    const LectureCalcul lecture = LitCalcul(texte, enJeu, cible);
    SCOPED_TRACE(texte);
    if (PlusEnJeu(enJeu, arbre)) {
      ASSERT_FALSE(lecture.Acceptee());
      EXPECT_TRUE(lecture.refus->raison == RaisonRefus::NombreHorsJeu || lecture.refus->raison == RaisonRefus::NombreEnTrop);
      continue;
    }
    Attendu attendu;
    arbre.Evalue(arbre.racine, attendu);
    ASSERT_EQ(lecture.Acceptee(), !attendu.raison) << (lecture.refus ? PhraseRefus(*lecture.refus) : "");
    if (attendu.raison) {
      EXPECT_EQ(lecture.refus->raison, *attendu.raison);
      EXPECT_EQ(lecture.refus->ligne.valeur1, attendu.lignes.back().valeur1);
      EXPECT_EQ(lecture.refus->ligne.valeur2, attendu.lignes.back().valeur2);
      // The lines before the refused one play; the board refuses that one
      // too, but for a zero, which the board lets a tile show.
      for (std::size_t k = 0; k + 1 < attendu.lignes.size(); ++k) ASSERT_FALSE(Joue(tableau, attendu.lignes[k], 0).refusee);
      const bool refusee = Joue(tableau, attendu.lignes.back(), 0).refusee;
      EXPECT_EQ(refusee, *attendu.raison != RaisonRefus::ResultatNul);
      refusParLeTableau += refusee ? 1 : 0;
      continue;
    }
    ++acceptes;
    EXPECT_EQ(lecture.lignes, attendu.lignes);
    const int avant = tableau.NbLignesFinies();
    for (std::size_t k = 0; k < lecture.lignes.size(); ++k) {
      const TableauNoir::Reaction reaction = Joue(tableau, lecture.lignes[k], cible);
      ASSERT_FALSE(reaction.refusee);
      EXPECT_EQ(tableau.TexteLigne(avant + static_cast<int>(k) + 1), TexteEtape(EtapeDe(lecture.lignes[k])));
      EXPECT_EQ(reaction.gagne, k + 1 == lecture.ligneGagnante);
      if (reaction.gagne) break;
    }
  }
  // Both sides were tried many times.
  EXPECT_GT(acceptes, 500);
  EXPECT_GT(refusParLeTableau, 300);
}

}  // namespace
}  // namespace tolvan::test
