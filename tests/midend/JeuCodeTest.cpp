#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "competition/BaremeClubs.h"
#include "midend/regimes/RegimeCode.h"

namespace tolvan::test {
namespace {

// Three draws of 300 s: 7 50 1 5 75 25 → 321, 4 1 2 8 3 50 → 268, 4 10 75 3 6 3 → 473.
const QString CodeDOr = QStringLiteral("12JR-00KA-AAQW");

// A series by code played from its code to its sheet: one draw found, one
// left with lines short of the target (its nearest counts, not its last),
// one with no line at all; then the sheet, printed and copied, and each
// draw in the history with its code.
TEST(JeuCode, ASeriesIsPlayedFromItsCodeToItsSheet) {
  JeuDeTest t;
  t.vue.nom = QStringLiteral("Zoé");
  ASSERT_TRUE(t.Lance("BTcode", QStringLiteral(" 12jr-00ka-aaqw\r\n")));
  EXPECT_TRUE(t.jeu->SerieEnCours());
  EXPECT_FALSE(t.jeu->SolutionsPermises());
  EXPECT_FALSE(t.jeu->AidesPermises());
  EXPECT_EQ(t.jeu->manche().Limite(), 300);

  // 1: found.
  EXPECT_EQ(t.jeu->Tirage(), TTirage(NombresTirage{{{7, 50, 1, 5, 75, 25}}}, 321));
  t.JoueLaPlusSimple();
  EXPECT_EQ(t.Bilan().mid(t.Bilan().size() - 3), (QStringList{"Tirage 1 sur 3", "Résultat : 321", "10 points"}));
  EXPECT_FALSE(t.jeu->FeuilleDeSerie());
  t.jeu->NouvellePartie();  // the player's own draws are closed
  EXPECT_EQ(t.jeu->Tirage().Resultat, 321);

  // 2: 4+1=5, 5x50=250, then 2x3=6; the time runs out.
  t.jeu->PartieSuivante();
  const TTirage deuxieme = t.jeu->Tirage();
  EXPECT_EQ(deuxieme.Resultat, 268);
  t.Presse({1, CodePlus, 2, 2, CodeFois, 6, 3, CodeFois, 5});
  EXPECT_FALSE(t.jeu->PeutJouerNouvellePartie()) << "the draw on the board is played to its end";
  t.Tique(300);
  const int points250 = BaremeClubs(deuxieme).Points(250);

  // 3: nothing written.
  ASSERT_TRUE(t.jeu->PeutJouerNouvellePartie());
  t.jeu->PartieSuivante();
  EXPECT_EQ(t.jeu->Tirage().Resultat, 473);
  EXPECT_EQ(t.vue.nomsDemandes, 0);
  t.Tique(300);
  EXPECT_EQ(t.Bilan().mid(t.Bilan().size() - 3), (QStringList{"Tirage 3 sur 3", "Résultat : rien", "0 point"}))
      << "the last draw's summary is still the club's, without a mark";

  // The sheet, under the name asked once.
  EXPECT_EQ(t.vue.nomsDemandes, 1);
  ASSERT_TRUE(t.jeu->FeuilleDeSerie());
  const QString ligneClub = CodeDOr + QStringLiteral(";Zoé;%1;10;%2;0;321;250;").arg(10 + points250).arg(points250);
  t.jeu->CopieFeuille();
  EXPECT_EQ(t.plateforme.pressePapier.back(), ligneClub);
  const QStringList lignes = t.jeu->FeuilleDeSerie()->lignes;
  ASSERT_EQ(lignes.size(), 6);
  EXPECT_EQ(lignes[0], QStringLiteral("Partie par code ") + CodeDOr + QStringLiteral(" : 3 tirages de 300 s"));
  EXPECT_EQ(lignes[1], QStringLiteral("Joueur : Zoé"));
  EXPECT_TRUE(lignes[2].startsWith(QStringLiteral("1. 7 50 1 5 75 25 → 321 : 321, 10 points. Meilleur : 321=")))
      << lignes[2].toStdString();
  EXPECT_TRUE(lignes[3].startsWith(QStringLiteral("2. 4 1 2 8 3 50 → 268 : 250, ")))
      << "the nearest line counts, not the last: " << lignes[3].toStdString();
  EXPECT_TRUE(lignes[4].startsWith(QStringLiteral("3. 4 10 75 3 6 3 → 473 : rien, 0 point. Meilleur : ")));
  EXPECT_EQ(lignes[5], QStringLiteral("Total : %1 sur 30").arg(t.jeu->Textes().MsgPoints.arg(10 + points250)));
  t.jeu->ImprimeFeuille();
  ASSERT_EQ(t.plateforme.impressions.size(), 1u);
  EXPECT_EQ(t.plateforme.impressions.back(), lignes);

  // Training again, and each draw in the history with its code.
  EXPECT_EQ(t.jeu->regime().Permis(), Permissions{});
  const std::vector<PartieJouee> parties = t.jeu->historique().Dernieres(10);
  ASSERT_EQ(parties.size(), 3u);
  const std::array<int, 3> points = {0, points250, 10};  // the latest first
  for (std::size_t i = 0; i < parties.size(); ++i) {
    EXPECT_EQ(parties[i].mode, ModePartie::Code);
    EXPECT_EQ(parties[i].code, CodeDOr);
    EXPECT_EQ(parties[i].points, points[i]);
    EXPECT_EQ(parties[i].trouve, i == 2);
  }
  t.jeu->NouvellePartie();
  t.Tique(60);
  EXPECT_FALSE(t.Bilan().join("|").contains("Tirage ")) << "a training game has no points of the clubs";
}

// A mistyped code is said and nothing is played; a fresh code comes from
// the desktop's random numbers and is read back.
TEST(JeuCode, AMistypedCodeIsRefusedAndAFreshCodeReadsBack) {
  JeuDeTest t;
  t.jeu->NouvellePartie();
  const TTirage avant = t.jeu->Tirage();
  std::string erreur;
  for (const QString& faux : {QStringLiteral("12JR-00KA-AAQX"), QStringLiteral("12JR-00KA"), QStringLiteral("")}) {
    ASSERT_FALSE(CodeSerie::Lit(faux.toStdString(), erreur));
    EXPECT_FALSE(t.Lance("BTcode", faux));
    ASSERT_FALSE(t.plateforme.messages.empty());
    EXPECT_EQ(t.plateforme.messages.back().texte,
              QStringLiteral("Ce code ne peut pas être joué : ") + QString::fromStdString(erreur));
  }
  EXPECT_EQ(t.plateforme.messages.size(), 3u);
  EXPECT_FALSE(t.jeu->SerieEnCours());
  EXPECT_EQ(t.jeu->Tirage(), avant);
  EXPECT_TRUE(t.jeu->historique().Dernieres(10).empty());

  JeuDeTest u;
  u.plateforme.tirages = {5, 7};
  const QString propose = NouveauCode(u.plateforme);
  const std::optional<CodeSerie> nouveau = CodeSerie::Lit(propose.toStdString(), erreur);
  ASSERT_TRUE(nouveau) << erreur;
  EXPECT_EQ(nouveau->Parametres(), (ParametresSerie{10, 40, false, (std::uint64_t{5} << 17) | 7}));
  CopieCode(u.plateforme, propose + QStringLiteral(" "));
  EXPECT_EQ(u.plateforme.pressePapier.back(), propose);
  // During its series, no change of mode, and its button stops it.
  ASSERT_TRUE(u.Lance("BTcode", propose));
  EXPECT_TRUE(u.jeu->Facon("BTcode").enCours);
  EXPECT_EQ(u.jeu->Facon("BTcode").texte, "Arreter cette partie");
  EXPECT_FALSE(u.jeu->PeutChangerDeMode());
  // Given up once the player says yes: no sheet, training again.
  u.plateforme.reponses = {Reponse::Non, Reponse::Oui};
  EXPECT_FALSE(u.Lance("BTcode", propose));
  EXPECT_EQ(u.plateforme.messages.back().texte, "Abandonner la partie par code en cours ?");
  EXPECT_TRUE(u.jeu->SerieEnCours());
  EXPECT_FALSE(u.Lance("BTcode", propose));
  EXPECT_FALSE(u.jeu->SerieEnCours());
  EXPECT_EQ(u.jeu->regime().Permis(), Permissions{});
  EXPECT_FALSE(u.jeu->FeuilleDeSerie());
  EXPECT_FALSE(u.jeu->manche().HorlogeEnMarche());
  EXPECT_FALSE(u.jeu->Facon("BTcode").enCours);
  EXPECT_TRUE(u.jeu->historique().Dernieres(10).empty()) << "a draw given up is no game played";
}

}  // namespace
}  // namespace tolvan::test
