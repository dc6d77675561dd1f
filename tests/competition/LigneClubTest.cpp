#include <gtest/gtest.h>

#include "competition/LigneClub.h"

namespace tolvan::test {
namespace {

// Three draws of 300 s: 7 50 1 5 75 25 → 321, 4 1 2 8 3 50 → 268, 4 10 75 3 6 3 → 473.
const std::string Code3 = "12JR-00KA-AAQW";

using Resultats = std::vector<std::optional<longint>>;

std::optional<LigneClub> Lit(const std::string& texte, std::string* pourquoi = nullptr) {
  std::string raison;
  std::optional<LigneClub> ligne = LitLigneClub(texte, raison);
  if (pourquoi) *pourquoi = raison;
  EXPECT_EQ(ligne.has_value(), raison.empty()) << texte;
  return ligne;
}

TEST(LigneClub, BothFormsAreReadTheLatestWithItsResults) {
  const std::optional<LigneClub> complete = Lit(Code3 + ";Anne;11;10;1;0;321;250;");
  ASSERT_TRUE(complete);
  EXPECT_EQ(complete->code.Texte(), Code3);
  EXPECT_EQ(complete->nom, "Anne");
  EXPECT_EQ(complete->total, 11);
  EXPECT_EQ(complete->points, (std::vector<int>{10, 1, 0}));
  EXPECT_EQ(complete->resultats, (Resultats{321, 250, std::nullopt}));
  EXPECT_TRUE(complete->Verifiable());

  const std::optional<LigneClub> ancienne = Lit(Code3 + ";Anne;11;10;1;0");
  ASSERT_TRUE(ancienne);
  EXPECT_EQ(ancienne->points, (std::vector<int>{10, 1, 0}));
  EXPECT_FALSE(ancienne->Verifiable()) << "a line of the first form cannot be checked";

  // As a player may have retyped it, or a spreadsheet saved it.
  const std::vector<std::string> memes = {
      "  12jr-00ka-aaqw ; Anne ;11; 10;1;0 ;321;250;  ",
      Code3 + ";Anne;11;10;1;0;321;250;;;;",
      Code3 + "\tAnne\t11\t10\t1\t0\t321\t250\t",
      Code3 + ";\"Anne\";11;10;1;0;321;250;",
  };
  for (const std::string& meme : memes) EXPECT_EQ(Lit(meme), complete) << meme;
}

TEST(LigneClub, EachLineThatCannotBeReadIsRefusedWithWhy) {
  struct Cas {
    std::string ligne;
    std::string raison;
  };
  const std::string refuse = Code3.substr(0, 13) + "V";
  const std::vector<Cas> cas = {
      {"Bonjour à tous !", "ce n'est pas une ligne de résultats CODE;NOM;TOTAL;…"},
      {Code3 + ";Anne;11", "ce n'est pas une ligne de résultats CODE;NOM;TOTAL;…"},
      {Code3 + ";An\x1b[2Jne;11;10;1;0;321;250;", "la ligne contient des caractères de contrôle"},
      {Code3 + ";An\xC2\x9Bne;11;10;1;0;321;250;", "la ligne contient des caractères de contrôle"},
      {refuse + ";Anne;11;10;1;0",
       "code illisible : Ce code est mal recopié : son caractère de contrôle ne correspond pas."},
      {Code3 + ";Anne;11;10;1;0;321",
       "7 champs pour un code de 3 tirages : il en faut 9 (points et résultats) ou 6 (points seuls)"},
      {Code3 + ";Anne;11;10;1;0;321;250;;0",
       "10 champs pour un code de 3 tirages : il en faut 9 (points et résultats) ou 6 (points seuls)"},
      {Code3 + "; ;11;10;1;0", "le nom est vide"},
      {Code3 + ";\"\";11;10;1;0", "le nom est vide"},
      {Code3 + ";Anne;onze;10;1;0", "le total « onze » n'est pas un nombre"},
      {Code3 + ";Anne;-11;10;1;0", "le total « -11 » n'est pas un nombre"},
      {Code3 + ";Anne;11;10;11;0", "les points du tirage 2, « 11 », ne sont pas un nombre de 0 à 10"},
      {Code3 + ";Anne;11;10;1;+0", "les points du tirage 3, « +0 », ne sont pas un nombre de 0 à 10"},
      {Code3 + ";Anne;11;10;1;0;321;0;", "le résultat du tirage 2, « 0 », n'est pas un nombre entier positif"},
      {Code3 + ";Anne;11;10;1;0;;;9999999999", "le résultat du tirage 3, « 9999999999 », n'est pas un nombre entier positif"},
      {Code3 + ";Anne;11;10;1;0;" + std::string(60, 'x') + ";;",
       "le résultat du tirage 1, « " + std::string(40, 'x') + "… », n'est pas un nombre entier positif"},
  };
  for (const Cas& c : cas) {
    std::string raison;
    EXPECT_FALSE(Lit(c.ligne, &raison)) << c.ligne;
    EXPECT_EQ(raison, c.raison) << c.ligne;
  }
  // In the words of the desk's language.
  PhrasesArbitrage mots;
  mots.nomVide = "the name is empty";
  std::string raison;
  EXPECT_FALSE(LitLigneClub(Code3 + ";;1;1;0;0", raison, mots));
  EXPECT_EQ(raison, "the name is empty");
}

// Whatever a player's name holds, the line keeps its fields, and the name
// reads back as the line wrote it.
TEST(LigneClub, ANameStaysOneFieldAndReadsBackAsWritten) {
  struct Cas {
    std::string nom;
    std::string ecrit;  // in the line
    std::string relu;
  };
  const std::vector<Cas> cas = {
      {"Zoé", "Zoé", "Zoé"},
      {"Anne; Marie", "Anne, Marie", "Anne, Marie"},
      {"  Paul\t\r\nDupont ", "Paul   Dupont", "Paul   Dupont"},
      {"=1+1", "'=1+1", "=1+1"},
      {"-Jo-", "'-Jo-", "-Jo-"},
      {"'Jo", "''Jo", "'Jo"},
      {"\"Jo\" Dupont", "\"\"\"Jo\"\" Dupont\"", "\"Jo\" Dupont"},
      {"Bip\x07\xC2\x85", "Bip", "Bip"},
      {"", NomParDefaut, NomParDefaut},
      {";", ",", ","},
  };
  for (const Cas& c : cas) {
    std::string erreur;
    const LigneClub ligne{*CodeSerie::Lit(Code3, erreur), c.nom, 11, {10, 1, 0}, Resultats{321, 250, std::nullopt}};
    const std::string texte = EcritLigneClub(ligne);
    EXPECT_EQ(texte, Code3 + ";" + c.ecrit + ";11;10;1;0;321;250;") << c.nom;
    const std::optional<LigneClub> relue = Lit(texte);
    ASSERT_TRUE(relue) << texte;
    EXPECT_EQ(relue->nom, c.relu);
    EXPECT_EQ(relue->resultats, ligne.resultats);
  }
}

}  // namespace
}  // namespace tolvan::test
