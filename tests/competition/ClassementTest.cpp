#include <gtest/gtest.h>

#include <algorithm>

#include "competition/BaremeClubs.h"
#include "competition/Classement.h"
#include "competition/TextesClassement.h"
#include "competition/TiragesDuCode.h"

namespace tolvan::test {
namespace {

// Three draws of 300 s: 7 50 1 5 75 25 → 321, 4 1 2 8 3 50 → 268, 4 10 75 3 6 3 → 473,
// each target reachable.
const std::string Code3 = "12JR-00KA-AAQW";
// Ten draws of 40 s; the 8th, 5 7 3 9 4 4 → 853, is out of reach (852 at best).
const std::string Code10 = "192G-0000-000N";

CodeSerie CodeDe(const std::string& texte) {
  std::string erreur;
  return CodeSerie::Lit(texte, erreur).value();
}

// Files of lines, as the arbiter gathers them.
Rassemblement Fichiers(const std::vector<std::pair<std::string, std::string>>& fichiers) {
  Rassemblement rassemblement;
  for (const auto& [nom, contenu] : fichiers) rassemblement.Ajoute(LitTexteClub(contenu, nom));
  return rassemblement;
}

Classement ClasseFichiers(const std::vector<std::pair<std::string, std::string>>& fichiers,
                          const ReglesClassement& regles = {}) {
  ControlesParCode controles;
  const Rassemblement rassemblement = Fichiers(fichiers);
  return Classe(LitEntrees(rassemblement), rassemblement.fichiers, regles, controles);
}

// A line of the first form: the points alone, which are ranked as written.
std::string Points(const std::string& nom, std::vector<int> points) {
  int total = 0;
  std::string ligne;
  for (const int p : points) {
    total += p;
    ligne += ';';
    ligne += std::to_string(p);
  }
  return Code3 + ";" + nom + ";" + std::to_string(total) + ligne + "\r\n";
}

struct Rangee {
  int rang;
  std::string nom;
  int total;
  std::string groupe;
  friend bool operator==(const Rangee&, const Rangee&) = default;
};
std::ostream& operator<<(std::ostream& flux, const Rangee& r) {
  return flux << r.rang << " " << r.nom << " " << r.total << " " << r.groupe;
}

std::vector<Rangee> Rangees(const Classement& classement) {
  std::vector<Rangee> rangees;
  for (const JoueurClasse& j : classement.joueurs) rangees.push_back({j.rang, j.ligne.nom, j.total, j.groupe});
  return rangees;
}

std::vector<std::string> Raisons(const std::vector<Avis>& avis) {
  std::vector<std::string> raisons;
  for (const Avis& a : avis) raisons.push_back(TexteProvenance(a.ou) + " : " + a.raison);
  return raisons;
}

// A room of seven, all on 20 points but one: the draws at 10 come first,
// then the last draw, the one before...; Émile and Zoé, equal in all,
// share the rank and are listed by name (É among the E). Groups of two go
// by rank, so the three first places make group A.
TEST(Classement, TiesAreBrokenByDrawsAtTenThenFromTheLastDrawBackwards) {
  const std::string salle = Points("Anne", {10, 10, 0}) + Points("Bruno", {9, 9, 2}) + Points("Chloé", {10, 2, 8}) +
                            Points("Denis", {0, 10, 10}) + Points("Zoé", {10, 0, 10}) + Points("Émile", {10, 0, 10}) +
                            Points("Félix", {5, 5, 5});
  ReglesClassement regles;
  regles.tailleGroupes = 2;
  const Classement classement = ClasseFichiers({{"salle.txt", salle}}, regles);
  ASSERT_TRUE(classement.code);
  EXPECT_EQ(classement.code->Texte(), Code3);
  const std::vector<Rangee> attendu = {
      {1, "Denis", 20, "A"}, {2, "Émile", 20, "A"}, {2, "Zoé", 20, "A"}, {4, "Anne", 20, "B"},
      {5, "Chloé", 20, "C"}, {6, "Bruno", 20, "C"}, {7, "Félix", 15, "D"},
  };
  EXPECT_EQ(Rangees(classement), attendu);
  EXPECT_EQ(classement.joueurs[1].exacts, 2);
  EXPECT_TRUE(classement.refusees.empty());
  // Lines without results cannot be checked: each is said.
  ASSERT_EQ(classement.alertes.size(), 7u);
  EXPECT_EQ(Raisons(classement.alertes)[0],
            "salle.txt, ligne 1 : « Anne » : ligne sans résultats, ses points ne peuvent pas être vérifiés");

  regles.tailleGroupes = 16;
  for (const JoueurClasse& joueur : ClasseFichiers({{"salle.txt", salle}}, regles).joueurs) EXPECT_EQ(joueur.groupe, "A");
}

TEST(Classement, GroupsAreNamedAsSpreadsheetColumns) {
  const std::vector<std::pair<int, std::string>> noms = {{0, "A"}, {25, "Z"}, {26, "AA"}, {27, "AB"}, {701, "ZZ"}, {702, "AAA"}};
  for (const auto& [numero, nom] : noms) EXPECT_EQ(NomDeGroupe(numero), nom) << numero;
}

// Results are scored again from the code's draws; written points or a total
// that disagree, and a number the plates cannot give, are flagged, and the
// player is ranked on the points scored again.
TEST(Classement, ResultsAreScoredAgainAndWhatDisagreesIsFlagged) {
  const std::string salle = Code3 + ";Anne;11;10;1;0;321;250;\r\n" +  // 268 - 250 = 18 away: 1 point
                            Code3 + ";Bruno;30;10;10;10;321;266;\r\n" +  // 2 away: 8, nothing: 0
                            Code3 + ";Chloé;20;10;10;0;321;5000000;\r\n";  // beyond every product of the plates
  const Classement classement = ClasseFichiers({{"a.txt", salle}});
  const std::vector<Rangee> attendu = {{1, "Bruno", 18, "A"}, {2, "Anne", 11, "A"}, {3, "Chloé", 10, "A"}};
  EXPECT_EQ(Rangees(classement), attendu);
  EXPECT_EQ(classement.joueurs[0].points, (std::vector<int>{10, 8, 0}));
  const std::vector<std::string> alertes = {
      "a.txt, ligne 2 : « Bruno » : au tirage 2, points écrits 10, recalculés 8",
      "a.txt, ligne 2 : « Bruno » : au tirage 3, points écrits 10, recalculés 0",
      "a.txt, ligne 2 : « Bruno » : total écrit 30, recalculé 18",
      "a.txt, ligne 3 : « Chloé » : au tirage 2, ces plaques ne donnent pas 5000000",
      "a.txt, ligne 3 : « Chloé » : au tirage 2, points écrits 10, recalculés 0",
      "a.txt, ligne 3 : « Chloé » : total écrit 20, recalculé 10",
  };
  EXPECT_EQ(Raisons(classement.alertes), alertes);
  ASSERT_TRUE(classement.joueurs[2].verdicts[1]);
  EXPECT_FALSE(classement.joueurs[2].verdicts[1]->possible);
  EXPECT_FALSE(classement.joueurs[0].verdicts[2]) << "nothing announced on the third draw";
}

// An identical line met twice counts once; two different lines under one
// name are both refused, named together, until the arbiter keeps one. A
// line of another code, an unreadable line and an empty file are refused
// with their place; the rest is ranked.
TEST(Classement, NothingIsLostNorGuessed) {
  const std::string anne = Code3 + ";Anne;11;10;1;0;321;250;\r\n";
  const std::string paul1 = Code3 + ";Paul;10;10;0;0;321;;\r\n";
  const std::string paul2 = Code3 + ";Paul;20;10;10;0;321;268;\r\n";
  const std::vector<std::pair<std::string, std::string>> fichiers = {
      {"anne.txt", anne},
      {"encore-anne.txt", "\r\n" + anne},
      {"paul.txt", paul1},
      {"paul-bis.txt", paul2},
      {"divers.txt", Code10 + ";Léa;0;0;0;0;0;0;0;0;0;0;0\r\nBonjour\r\n"},
      {"vide.txt", " \r\n"},
  };
  const Classement classement = ClasseFichiers(fichiers);
  EXPECT_EQ(Rangees(classement), (std::vector<Rangee>{{1, "Anne", 11, "A"}}));
  const std::string conflit =
      " : « Paul » a des lignes différentes (paul-bis.txt, ligne 1, paul.txt, ligne 1) : l'arbitre doit en garder une";
  const std::vector<std::string> refusees = {
      "divers.txt, ligne 1 : ligne du code " + Code10 + " ; le classement est celui du code " + Code3,
      "divers.txt, ligne 2 : ce n'est pas une ligne de résultats CODE;NOM;TOTAL;…",
      "paul-bis.txt, ligne 1" + conflit,
      "paul.txt, ligne 1" + conflit,
      "vide.txt : le fichier est vide",
  };
  EXPECT_EQ(Raisons(classement.refusees), refusees);
  EXPECT_EQ(classement.refusees[2].nomAGarder, "Paul") << "the arbiter may keep one of Paul's lines";
  EXPECT_EQ(classement.refusees[0].nomAGarder, "");

  ReglesClassement regles;
  regles.gardees = {{"Paul", {"paul-bis.txt", 1}}};
  const Classement garde = ClasseFichiers(fichiers, regles);
  EXPECT_EQ(Rangees(garde), (std::vector<Rangee>{{1, "Paul", 20, "A"}, {2, "Anne", 11, "A"}}));
  EXPECT_EQ(Raisons(garde.refusees)[2], "paul.txt, ligne 1 : « Paul » : l'arbitre a gardé la ligne de paul-bis.txt, ligne 1");

  // Given, the code is the ranking's whatever the lines carry.
  regles.code = CodeDe(Code10);
  const Classement autre = ClasseFichiers(fichiers, regles);
  EXPECT_EQ(Rangees(autre), (std::vector<Rangee>{{1, "Léa", 0, "A"}}));
}

// Without a code given, the ranking is the code's that the most distinct
// lines carry, the first in alphabetical order among equals.
TEST(Classement, TheRankingsCodeIsTheOneMostLinesCarry) {
  const std::string lea = Code10 + ";Léa;0;0;0;0;0;0;0;0;0;0;0\r\n";
  const std::string marc = Code10 + ";Marc;0;0;0;0;0;0;0;0;0;0;0\r\n";
  const std::string anne = Points("Anne", {1, 1, 1});
  EXPECT_EQ(ClasseFichiers({{"a", lea + marc + anne}}).code->Texte(), Code10);
  EXPECT_EQ(ClasseFichiers({{"a", lea + lea + anne}}).code->Texte(), Code3) << "a line given twice is one line";
  EXPECT_EQ(ClasseFichiers({{"a", lea + anne}}).code->Texte(), Code3) << "12JR… comes before 192G…";
  EXPECT_FALSE(ClasseFichiers({{"a", "rien à classer"}}).code);
}

// The same files in any order give the same ranking, byte for byte.
TEST(Classement, TheOrderOfTheFilesChangesNothing) {
  std::vector<std::pair<std::string, std::string>> fichiers = {
      {"a.txt", Code3 + ";Anne;11;10;1;0;321;250;\r\n" + Points("Bruno", {10, 1, 0})},
      {"b.txt", Code3 + ";Paul;10;10;0;0;321;;\r\nillisible\r\n"},
      {"c.txt", Code3 + ";Paul;20;10;10;0;321;268;\r\n" + Points("Zoé", {1, 10, 0})},
      {"d.txt", Code3 + ";Anne;11;10;1;0;321;250;\r\n"},
      {"e.txt", ""},
  };
  std::sort(fichiers.begin(), fichiers.end());
  const Classement premier = ClasseFichiers(fichiers);
  const std::vector<std::string> texte = LignesClassement(premier), csv = LignesCsvClassement(premier);
  ASSERT_EQ(premier.joueurs.size(), 3u);
  int ordres = 0;
  while (std::next_permutation(fichiers.begin(), fichiers.end())) {
    const Classement classement = ClasseFichiers(fichiers);
    ASSERT_EQ(LignesClassement(classement), texte);
    ASSERT_EQ(LignesCsvClassement(classement), csv);
    ++ordres;
  }
  EXPECT_EQ(ordres, 119);
}

// With the room's scale, a draw out of reach scores by the best results
// announced: 850 (3 away from 853) is the nearest announced, 8 points,
// and 845 the next, 6, where the plates reach 852. The flags still compare
// with what the players' own sheets counted.
TEST(Classement, TheRoomsScaleIsTheDesksChoice) {
  const TTirage huitieme = TiragesDuCode(CodeDe(Code10))[7];
  ASSERT_EQ(huitieme.Resultat, 853);
  const BaremeClubs plaques(huitieme);
  ASSERT_FALSE(plaques.CibleAtteignable());
  const auto ligne = [&](const std::string& nom, longint resultat) {
    const int points = plaques.Points(resultat);
    return Code10 + ";" + nom + ";" + std::to_string(points) + ";0;0;0;0;0;0;0;" + std::to_string(points) +
           ";0;0;;;;;;;;" + std::to_string(resultat) + ";;\r\n";
  };
  const std::vector<std::pair<std::string, std::string>> fichiers = {{"s.txt", ligne("Anne", 850) + ligne("Paul", 845)}};
  const Classement parPlaques = ClasseFichiers(fichiers);
  EXPECT_TRUE(parPlaques.alertes.empty()) << Raisons(parPlaques.alertes).front();
  EXPECT_EQ(parPlaques.joueurs[0].total, plaques.Points(850));

  ReglesClassement regles;
  regles.approcheSalle = true;
  const Classement parSalle = ClasseFichiers(fichiers, regles);
  EXPECT_TRUE(parSalle.alertes.empty());
  EXPECT_EQ(Rangees(parSalle), (std::vector<Rangee>{{1, "Anne", 8, "A"}, {2, "Paul", 6, "A"}}));
  EXPECT_EQ(parSalle.ecartsSalle[7], (std::vector<longint>{3, 8}));
  EXPECT_TRUE(parSalle.ecartsSalle[0].empty()) << "a reachable target keeps the ordinary scale";
}

}  // namespace
}  // namespace tolvan::test
