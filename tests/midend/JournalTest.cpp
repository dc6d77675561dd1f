#include <gtest/gtest.h>

#include "PlateformeDeTest.h"
#include "midend/Journal.h"

namespace tolvan::test {
namespace {

PartieJouee PartieDuJour() {
  PartieJouee partie;
  partie.mode = ModePartie::Jour;
  partie.trouve = true;
  partie.secondes = 65;
  partie.lignes = 2;
  partie.difficulte = 5;  // the board's own mark: the day's draw has its weekday's
  return partie;
}

// A game of the day gets its date, its weekday's mark, whether it is a
// replay, and its line to share; any other game goes in as the game gave it.
TEST(Journal, TheDaysGamesGetTheirDateReplayAndLineOtherGamesGoInAsGiven) {
  PlateformeDeTest plateforme;
  Journal journal(plateforme);
  Solveur recherche;
  journal.Ouvre(recherche);
  Solveur solveur;
  journal.DonneTirageDuJour(solveur);
  journal.Enregistre(PartieDuJour());
  PartieJouee rangee = journal.Dernieres(1).front();
  EXPECT_EQ(rangee.jour, QDate(2026, 12, 7));
  EXPECT_EQ(rangee.fin, plateforme.maintenant);
  EXPECT_EQ(rangee.difficulte, 1);  // a Monday
  EXPECT_FALSE(rangee.rejouee);
  EXPECT_TRUE(journal.LigneDePartage().startsWith(QStringLiteral("Tolvan, tirage du 7 décembre 2026 : trouvé en 1:05")));

  journal.Enregistre(PartieDuJour());
  EXPECT_TRUE(journal.Dernieres(1).front().rejouee);
  EXPECT_TRUE(journal.LigneDePartage().contains(QStringLiteral("(rejoué)")));

  journal.OublieLigneDePartage();
  PartieJouee entrainement;
  entrainement.difficulte = 4;
  entrainement.secondes = SansTemps;
  journal.Enregistre(entrainement);
  rangee = journal.Dernieres(1).front();
  EXPECT_TRUE(rangee.jour.isNull());
  EXPECT_EQ(rangee.difficulte, 4);
  EXPECT_EQ(rangee.secondes, SansTemps);
  EXPECT_TRUE(journal.LigneDePartage().isEmpty());
  EXPECT_EQ(journal.Bilan().parties, 3);
  EXPECT_TRUE(plateforme.messages.empty());
}

// Without a history the player is told once, and a replay of the day is
// still known as one for the rest of the run.
TEST(Journal, WithoutAHistoryTheDaysReplayIsStillKnown) {
  PlateformeDeTest plateforme;
  plateforme.historique = plateforme.dossierJoueur.filePath(QStringLiteral("absent/dossier/historique.sqlite"));
  QFile(plateforme.dossierJoueur.filePath(QStringLiteral("absent"))).open(QIODevice::WriteOnly);
  Journal journal(plateforme);
  Solveur recherche;
  journal.Ouvre(recherche);
  ASSERT_EQ(plateforme.messages.size(), 1u);
  Solveur solveur;
  journal.DonneTirageDuJour(solveur);
  journal.Enregistre(PartieDuJour());
  EXPECT_FALSE(journal.LigneDePartage().contains(QStringLiteral("(rejoué)")));
  journal.Enregistre(PartieDuJour());
  EXPECT_TRUE(journal.LigneDePartage().contains(QStringLiteral("(rejoué)")));
  EXPECT_EQ(plateforme.messages.size(), 1u);
}

}  // namespace
}  // namespace tolvan::test
