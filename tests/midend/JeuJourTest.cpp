#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "engine/Difficulte.h"
#include "midend/FichierTexte.h"

namespace tolvan::test {
namespace {

const Date Lundi{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(7)};

PartieJouee Derniere(const JeuDeTest& t) {
  const std::vector<PartieJouee> parties = t.jeu->historique().Dernieres(1);
  return parties.empty() ? PartieJouee{} : parties.front();
}

TEST(JeuDuJour, TheDrawOfTheDayIsTimedUpRecordedSharedAndReplayedAsSuch) {
  JeuDeTest t;
  t.jeu->ChoisitTemps(1);  // 20 seconds for training games
  t.Lance("BTjour");
  Solveur duJour;
  TireDuJour(duJour, Lundi);
  EXPECT_EQ(t.jeu->Tirage(), duJour.Tirage);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->TexteHorloge(), "Chrono 0:00");
  EXPECT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 1);
  EXPECT_TRUE(t.jeu->LigneDePartage().isEmpty());

  t.Tique(102);
  t.JoueLaPlusSimple();
  ASSERT_TRUE(t.jeu->manche().Gagnee());
  const int lignes = t.jeu->manche().Tableau().NbLignesFinies();
  const QString ligne = QStringLiteral("Tolvan, tirage du 7 décembre 2026 : trouvé en 1:42, %1 ligne%2, sans indice "
                                       "(difficulté 1/5)").arg(lignes).arg(lignes > 1 ? "s" : "");
  EXPECT_EQ(t.jeu->LigneDePartage(), ligne);
  EXPECT_TRUE(t.jeu->CopieResultat());
  EXPECT_EQ(t.plateforme.pressePapier, std::vector<QString>{ligne});
  PartieJouee partie = Derniere(t);
  EXPECT_EQ(partie.mode, ModePartie::Jour);
  EXPECT_EQ(partie.jour, QDate(2026, 12, 7));
  EXPECT_EQ(partie.fin, t.plateforme.maintenant);
  EXPECT_TRUE(partie.trouve);
  EXPECT_FALSE(partie.rejouee);
  EXPECT_EQ(partie.secondes, 102);
  EXPECT_EQ(partie.lignes, lignes);
  EXPECT_EQ(partie.difficulte, 1);
  EXPECT_EQ(partie.resultat, duJour.Tirage.Resultat);

  EXPECT_FALSE(t.Bilan().contains("Rejoué : ne compte pas"));
  // Played again, it is marked a replay, in the history and in the line.
  t.jeu->Rejoue();
  EXPECT_TRUE(t.jeu->LigneDePartage().isEmpty());
  t.JoueLaPlusSimple();
  EXPECT_TRUE(Derniere(t).rejouee);
  EXPECT_TRUE(t.Bilan().contains("Rejoué : ne compte pas"));
  EXPECT_TRUE(t.jeu->LigneDePartage().contains(QStringLiteral("(rejoué)")));

  // A training game runs under its own clock again, and is no day's game.
  t.jeu->NouvellePartie();
  EXPECT_TRUE(t.jeu->LigneDePartage().isEmpty());
  EXPECT_FALSE(t.Bilan().contains("Rejoué : ne compte pas"));
  EXPECT_FALSE(t.jeu->CopieResultat());
  t.Tique(20);
  partie = Derniere(t);
  EXPECT_EQ(partie.mode, ModePartie::Entrainement);
  EXPECT_FALSE(partie.trouve);
  EXPECT_EQ(partie.secondes, 20);
  EXPECT_FALSE(partie.jour.isValid());
  EXPECT_GE(partie.difficulte, 1);

  // Another run the same day finds the first attempt in the history.
  t.Recommence();
  t.Lance("BTjour");
  t.Tique(3600);
  partie = Derniere(t);
  EXPECT_FALSE(partie.trouve);
  EXPECT_TRUE(partie.rejouee);
  EXPECT_EQ(partie.secondes, 3600);
  EXPECT_EQ(t.jeu->LigneDePartage(),
            "Tolvan, tirage du 7 décembre 2026 (rejoué) : pas trouvé, sans indice (difficulté 1/5)");
  EXPECT_EQ(t.jeu->historique().Dernieres(10).size(), 4u);
}

TEST(JeuDuJour, EachDrawOfASeriesIsRecordedWithItsPointsAndTheDrawOfTheDayWaits) {
  JeuDeTest t;
  t.PrepareNiveau();
  EXPECT_FALSE(t.jeu->Facon("BTjour").actif);
  ASSERT_TRUE(t.Lance("BTstart"));
  t.Lance("BTjour");
  EXPECT_EQ(t.jeu->Tirage().Resultat, 303);
  t.Tique(10);
  t.Trouve303();
  t.jeu->PartieSuivante();
  t.Tique(60);
  const std::vector<PartieJouee> parties = t.jeu->historique().Dernieres(10);
  ASSERT_EQ(parties.size(), 2u);
  for (const PartieJouee& partie : parties) EXPECT_EQ(partie.mode, ModePartie::Competition);
  EXPECT_TRUE(parties[1].trouve);
  EXPECT_EQ(parties[1].points, 58);
  EXPECT_EQ(parties[1].secondes, 10);
  EXPECT_FALSE(parties[0].trouve);
  EXPECT_EQ(parties[0].points, 0);
  EXPECT_EQ(parties[0].secondes, 60);
}

TEST(JeuDuJour, WithoutAHistoryTheGameSaysSoOnceAndGoesOn) {
  JeuDeTest t;
  t.plateforme.historique = t.dossier.path();  // a folder, not a file
  t.Recommence();
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_TRUE(t.plateforme.messages[0].texte.contains(QStringLiteral("sans enregistrer")));
  t.Lance("BTjour");
  t.JoueLaPlusSimple();
  t.jeu->Rejoue();
  t.JoueLaPlusSimple();
  // The replay is still known as one, from this run alone.
  EXPECT_TRUE(t.jeu->LigneDePartage().contains(QStringLiteral("(rejoué)")));
  EXPECT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.jeu->BilanDesParties().parties, 0);
}

TEST(JeuDuJour, MyGamesGoToACsvFileThatSpreadsheetsRead) {
  JeuDeTest t;
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  t.Tique(7);
  t.Trouve303();
  t.plateforme.fichiers = {t.Chemin("parties.csv")};
  EXPECT_EQ(t.jeu->ExporteHistorique(), std::optional<QString>(t.Chemin("parties.csv")));
  ASSERT_FALSE(t.plateforme.dialogues.empty());
  EXPECT_EQ(t.plateforme.dialogues.back().nom, QStringLiteral("mes-parties-2026-12-07.csv"));
  const LectureTexte lecture = LitFichierTexte(t.Chemin("parties.csv"));
  Solveur cherche;
  cherche.ChangeTirage(t.jeu->Tirage());
  cherche.ChercheSol(0);
  ASSERT_EQ(lecture.etat, LectureTexte::Lu);
  ASSERT_EQ(lecture.lignes.size(), 2);
  EXPECT_EQ(lecture.lignes[1], QStringLiteral("2026-12-07T14:00:00+01:00;entraînement;25 50 75 100 3 6;303;1;7;2;0;0;%1;0;;0;;;;0;;;")
                                   .arg(MarqueDifficulte(cherche)));
  const BilanParties bilan = t.jeu->BilanDesParties();
  EXPECT_EQ(bilan.parties, 1);
  EXPECT_EQ(bilan.derniersJours.back().trouvees, 1);
}

}  // namespace
}  // namespace tolvan::test
