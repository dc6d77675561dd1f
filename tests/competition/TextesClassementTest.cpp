#include <gtest/gtest.h>

#include "competition/TextesClassement.h"

namespace tolvan::test {
namespace {

// Three draws of 300 s: 7 50 1 5 75 25 → 321, 4 1 2 8 3 50 → 268, 4 10 75 3 6 3 → 473.
const std::string Code3 = "12JR-00KA-AAQW";

struct Salle {
  ControlesParCode controles;
  Classement classement;
  explicit Salle(const std::string& lignes, const ReglesClassement& regles = {}) {
    const Rassemblement rassemblement = LitTexteClub(lignes, "salle.txt");
    classement = Classe(LitEntrees(rassemblement), rassemblement.fichiers, regles, controles);
  }
  std::vector<std::string> FaceAFace() { return LignesFaceAFace(classement, controles.De(*classement.code)); }
};

TEST(TextesClassement, TheRankingIsPrintedInColumnsThenRefusalsAndAlerts) {
  Salle salle(Code3 + ";Zoé;11;10;1;0;321;250;\r\n" + Code3 + ";Maximilien;9;9;0;0;320;;\r\nBonjour\r\n");
  const std::vector<std::string> attendu = {
      "Classement de la partie par code " + Code3 + " : 3 tirages de 300 s",
      "Rang  Nom         Total  À 10  Groupe",
      "1     Zoé         11     1     A",
      "2     Maximilien  9      0     A",
      "",
      "Lignes refusées :",
      "salle.txt, ligne 3 : ce n'est pas une ligne de résultats CODE;NOM;TOTAL;…",
  };
  EXPECT_EQ(LignesClassement(salle.classement), attendu);
  EXPECT_EQ(LignesClassement(Salle("").classement),
            (std::vector<std::string>{"Aucune ligne n'est classée.", "", "Lignes refusées :", "salle.txt : le fichier est vide"}));
}

// A name that would start a formula or hold a quote stays one text field
// of the spreadsheet; results nobody knows are empty.
TEST(TextesClassement, TheSpreadsheetGetsEveryFieldAsText) {
  Salle salle(Code3 + ";=1+1;11;10;1;0;321;250;\r\n" + Code3 + ";\"\"\"Jo\"\"\";1;1;0;0\r\n");
  const std::vector<std::string> attendu = {
      "Rang;Groupe;Nom;Total;À 10;Points 1;Points 2;Points 3;Résultat 1;Résultat 2;Résultat 3",
      "1;A;'=1+1;11;1;10;1;0;321;250;",
      "2;A;\"\"\"Jo\"\"\";1;0;1;0;0;;;",
  };
  EXPECT_EQ(LignesCsvClassement(salle.classement), attendu);
}

// Draw by draw, the nearer of two: by distance when the plates give both
// results, else by points; then who wins, and how.
TEST(TextesClassement, TwoPlayersHaveTheirHeadToHead) {
  Salle duo(Code3 + ";Anne;11;10;1;0;321;250;\r\n" + Code3 + ";Paul;19;9;10;10;320;268;473\r\n");
  const std::vector<std::string> attendu = {
      "Face-à-face : Paul contre Anne, partie par code " + Code3,
      "1. 7 50 1 5 75 25 → 321 : Paul 320 (9 points), Anne 321 (10 points) : Anne plus près",
      "2. 4 1 2 8 3 50 → 268 : Paul 268 (10 points), Anne 250 (1 point) : Paul plus près",
      "3. 4 10 75 3 6 3 → 473 : Paul 473 (10 points), Anne rien (0 point) : Paul plus près",
      "Paul gagne, 29 à 11",
  };
  EXPECT_EQ(duo.classement.alertes.size(), 1u) << "Paul's total was written 19";
  EXPECT_EQ(duo.FaceAFace(), attendu);

  Salle egaux(Code3 + ";Anne;11;10;1;0;321;250;\r\n" + Code3 + ";Paul;11;10;1;0;321;;\r\n" + Code3 + ";Zoé;1;0;1;0\r\n");
  EXPECT_TRUE(egaux.FaceAFace().empty()) << "a head-to-head is for two";
  // Equal on points and on draws at 10, Paul has the better last draw.
  Salle departage(Code3 + ";Anne;11;10;1;0;321;250;\r\n" + Code3 + ";Paul;11;0;1;10;;250;473\r\n");
  const std::vector<std::string> lignes = departage.FaceAFace();
  EXPECT_EQ(lignes.back(), "Paul gagne au départage, 11 partout");
  EXPECT_EQ(lignes[1], "1. 7 50 1 5 75 25 → 321 : Paul rien (0 point), Anne 321 (10 points) : Anne plus près");
  EXPECT_EQ(lignes[2], "2. 4 1 2 8 3 50 → 268 : Paul 250 (1 point), Anne 250 (1 point) : à égalité");
  Salle ancienne(Code3 + ";Anne;11;10;1;0\r\n" + Code3 + ";Paul;11;10;1;0\r\n");
  EXPECT_EQ(ancienne.FaceAFace()[1], "1. 7 50 1 5 75 25 → 321 : Anne non donné (10 points), Paul non donné (10 points) : à égalité");
  EXPECT_EQ(ancienne.FaceAFace().back(), "Égalité parfaite, 11 partout");
}

}  // namespace
}  // namespace tolvan::test
