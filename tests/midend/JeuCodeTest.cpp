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
  EXPECT_EQ(t.jeu->regime().TitreDuTirage(t.jeu->Textes()), "Tirage 1 sur 3");
  t.JoueLaPlusSimple();
  // Wide, with the total so far.
  EXPECT_TRUE(t.jeu->BilanAffiche().large);
  EXPECT_EQ(t.Bilan().mid(t.Bilan().size() - 4),
            (QStringList{"Tirage 1 sur 3", "Résultat : 321", "10 points", "Total : 10 points sur 10"}));
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
  const QString total = QStringLiteral("Total : %1 sur 30").arg(t.jeu->Textes().MsgPoints.arg(10 + points250));
  EXPECT_EQ(t.Bilan().mid(t.Bilan().size() - 4), (QStringList{"Tirage 3 sur 3", "Résultat : rien", "0 point", total}))
      << "the last draw's summary is still the club's, without a mark";

  // The sheet, under the name asked once.
  EXPECT_EQ(t.vue.nomsDemandes, 1);
  ASSERT_TRUE(t.jeu->FeuilleDeSerie());
  const QString ligneClub = CodeDOr + QStringLiteral(";Zoé;%1;10;%2;0;321;250;").arg(10 + points250).arg(points250);
  t.jeu->CopieFeuille();
  EXPECT_EQ(t.plateforme.pressePapier.back(), ligneClub);
  const Feuille& feuille = *t.jeu->FeuilleDeSerie();
  EXPECT_EQ(feuille.enTete, (QStringList{QStringLiteral("Partie par code ") + CodeDOr + QStringLiteral(" : 3 tirages de 300 s"),
                                         QStringLiteral("Joueur : Zoé")}));
  EXPECT_EQ(feuille.colonnes, (QStringList{"", "Tirage", "Résultat", "Points", "Meilleur"}));
  ASSERT_EQ(feuille.rangees.size(), 3u);
  EXPECT_EQ(feuille.rangees[0].mid(0, 4), (QStringList{"1.", "7 50 1 5 75 25 → 321", "321", "10 points"}));
  EXPECT_TRUE(feuille.rangees[0][4].startsWith("321="));
  EXPECT_EQ(feuille.rangees[1][2], "250") << "the nearest line counts, not the last";
  EXPECT_EQ(feuille.rangees[2].mid(0, 4), (QStringList{"3.", "4 10 75 3 6 3 → 473", "rien", "0 point"}));
  EXPECT_EQ(feuille.pied, QStringList{total});

  // On paper: a heading, the day's date, then the sheet, its columns lined up.
  t.jeu->ImprimeFeuille();
  ASSERT_EQ(t.plateforme.impressions.size(), 1u);
  const QStringList papier = t.plateforme.impressions.back();
  ASSERT_EQ(papier.size(), 3 + 2 + 1 + 4 + 1 + 1);
  EXPECT_EQ(papier.mid(0, 6), (QStringList{"Feuille de marque", "7 décembre 2026", "", feuille.enTete[0], feuille.enTete[1], ""}));
  const QString titres = papier[6];
  for (const QString& colonne : feuille.colonnes.mid(1)) {
    const qsizetype debut = titres.indexOf(colonne);
    ASSERT_GT(debut, 0) << colonne.toStdString();
    for (int rang = 0; rang < 3; ++rang) {
      const QString& cellule = feuille.rangees[static_cast<std::size_t>(rang)][feuille.colonnes.indexOf(colonne)];
      EXPECT_EQ(papier[7 + rang].mid(debut, cellule.size()), cellule) << colonne.toStdString() << " " << rang;
    }
  }
  EXPECT_EQ(papier.back(), total);

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
    // The reason on a line of its own after the message's words.
    EXPECT_EQ(t.plateforme.messages.back().texte,
              QStringLiteral("Ce code ne peut pas être joué : \r") + QString::fromStdString(erreur));
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
  EXPECT_EQ(CopieCode(u.plateforme, propose.toLower() + QStringLiteral(" "), u.jeu->Textes()), propose);
  EXPECT_EQ(u.plateforme.pressePapier.back(), propose);
  // During its series, no change of mode, and its button stops it.
  ASSERT_TRUE(u.Lance("BTcode", propose));
  EXPECT_TRUE(u.jeu->Facon("BTcode").enCours);
  EXPECT_EQ(u.jeu->Facon("BTcode").texte, "Arrêter la partie par code");
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

// Given up during its second draw, the series leaves no stale summary: no
// "Temps écoulé !" of its first draw, its title says it was the code's, with
// where it stood; and "Rejouer la partie" cannot play the draw given up.
TEST(JeuCode, AGivenUpSeriesLeavesNoStaleSummaryAndNoDrawToReplay) {
  JeuDeTest t;
  ASSERT_TRUE(t.Lance("BTcode", CodeDOr));
  t.Tique(300);
  ASSERT_EQ(t.Bilan().front(), "Temps écoulé !");
  t.jeu->PartieSuivante();
  ASSERT_EQ(t.jeu->Tirage().Resultat, 268);
  t.Presse({1, CodePlus, 2});
  t.plateforme.reponses = {Reponse::Oui};
  EXPECT_FALSE(t.jeu->PresseFacon("BTcode"));
  ASSERT_FALSE(t.jeu->SerieEnCours());
  const QStringList bilan = t.Bilan();
  EXPECT_EQ(bilan.front(), "Partie par code");
  EXPECT_FALSE(bilan.contains("Temps écoulé !"));
  EXPECT_FALSE(bilan.contains("268")) << "nor the lines of the draw given up";
  EXPECT_EQ(bilan.mid(1), (QStringList{"Tirage 1 sur 3", "Résultat : rien", "0 point", "Total : 0 point sur 10"}));
  EXPECT_FALSE(t.jeu->PeutRejouer());
  t.jeu->Rejoue();
  EXPECT_FALSE(t.jeu->manche().PartieEnJeu());
  // The next game of the player's own is training, and replays as ever.
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  t.Trouve303();
  EXPECT_TRUE(t.jeu->PeutRejouer());
}

// "Copier le code" copies a code as a code is written, whatever was typed
// or pasted; what is no code is refused with its reason, the clipboard
// keeping what it held.
TEST(JeuCode, CopyingACodeNormalisesItOrRefusesIt) {
  JeuDeTest t;
  t.plateforme.pressePapier = {QStringLiteral("avant")};
  const QString colle = QString::fromUtf8("\xEF\xBB\xBF" "12jr" "\xE2\x80\x91" "00ka" "\xC2\xA0" "aaqw\n");
  EXPECT_EQ(CopieCode(t.plateforme, colle, t.jeu->Textes()), CodeDOr);
  EXPECT_EQ(t.plateforme.pressePapier.back(), CodeDOr);
  EXPECT_TRUE(t.plateforme.messages.empty());
  for (const QString& refuse : {QString(), QStringLiteral("  "), QStringLiteral("12JR-00KA-AAQX")}) {
    t.plateforme.pressePapier = {QStringLiteral("avant")};
    EXPECT_FALSE(CopieCode(t.plateforme, refuse, t.jeu->Textes()));
    EXPECT_EQ(t.plateforme.pressePapier, std::vector<QString>{"avant"});
    RefusCode refus;
    ASSERT_FALSE(CodeSerie::Lit(refuse.toStdString(), refus));
    EXPECT_EQ(t.plateforme.messages.back().texte,
              QStringLiteral("Ce code ne peut pas être copié : \r") + QString::fromStdString(TexteRefus(refus)));
  }
  // In the language's words.
  TextesMessages anglais;
  anglais.MsgCodeNonCopie = "This code cannot be copied: %1";
  anglais.refusCode.aucunCode = "No code was typed.";
  EXPECT_FALSE(CopieCode(t.plateforme, {}, anglais));
  EXPECT_EQ(t.plateforme.messages.back().texte, "This code cannot be copied: \rNo code was typed.");
}

}  // namespace
}  // namespace tolvan::test
