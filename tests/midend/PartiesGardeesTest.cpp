#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "DisqueLimite.h"
#include "PlateformeDeTest.h"
#include "midend/Journal.h"
#include "midend/ReserveHistorique.h"

namespace tolvan::test {
namespace {

// Another program holding the history, as a spreadsheet or a second
// window might, until it lets go.
class Verrou {
 public:
  explicit Verrou(const QString& chemin) {
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom_);
    base.setDatabaseName(chemin);
    EXPECT_TRUE(base.open());
    EXPECT_TRUE(Execute(QStringLiteral("BEGIN EXCLUSIVE")));
  }
  ~Verrou() {
    Execute(QStringLiteral("COMMIT"));
    QSqlDatabase::database(nom_, false).close();
    QSqlDatabase::removeDatabase(nom_);
  }

 private:
  bool Execute(const QString& instruction) {
    QSqlQuery q(QSqlDatabase::database(nom_, false));
    return q.exec(instruction);
  }
  const QString nom_ = QStringLiteral("verrou");
};

PartieJouee Partie(ModePartie mode, int resultat, const QString& adversaire = {}) {
  PartieJouee p;
  p.fin = QDateTime(QDate(2026, 12, 7), QTime(14, 0), Qt::OffsetFromUTC, 3600);
  p.mode = mode;
  p.nombres = {25, 50, 75, 100, 3, 6};
  p.resultat = resultat;
  p.trouve = true;
  p.secondes = 12;
  p.lignes = 2;
  p.points = 10;
  p.difficulte = 2;
  p.adversaire = adversaire;
  return p;
}

// The games on file, oldest first, as they were played: what the rating
// adds to a game as it is read is left out.
std::vector<PartieJouee> Enregistrees(const QString& chemin) {
  Historique historique;
  historique.Ouvre(chemin);
  std::vector<PartieJouee> parties = historique.Dernieres(10);
  std::reverse(parties.begin(), parties.end());
  for (PartieJouee& partie : parties) {
    partie.efforts.clear();
    partie.notee.reset();
    partie.note.reset();
  }
  return parties;
}

// Two duel goes played while another program holds the history: at close
// they are kept beside it and the player is told where; the next start
// writes them into the history, in the order played, and removes the file.
TEST(PartiesGardees, GamesWaitingAtALockedCloseAreKeptAndWrittenAtTheNextStart) {
  PlateformeDeTest plateforme;
  Solveur solveur;
  const QString reserve = CheminReserve(plateforme.historique);
  std::vector<PartieJouee> jouees = {Partie(ModePartie::Duel, 303, QStringLiteral("Expert")),
                                     Partie(ModePartie::Duel, 512, QStringLiteral("Expert"))};
  {
    Journal journal(plateforme);
    journal.Ouvre(solveur);
    const Verrou verrou(plateforme.historique);
    for (const PartieJouee& partie : jouees) journal.Enregistre(partie);
    ASSERT_EQ(journal.historique().EnAttente(), 2);
    plateforme.messages.clear();
    journal.Ferme();
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_EQ(plateforme.messages[0].type, TypeMessage::Avertissement);
    EXPECT_EQ(plateforme.messages[0].texte,
              QStringLiteral("2 parties n'ont pas pu être enregistrées dans l'historique : le fichier est occupé par un "
                             "autre programme.\rElles sont gardées dans « %1 » et seront enregistrées au prochain "
                             "lancement de Tolvan.")
                  .arg(reserve));
  }
  EXPECT_TRUE(QFileInfo::exists(reserve));
  EXPECT_TRUE(Enregistrees(plateforme.historique).empty());

  plateforme.messages.clear();
  Journal suivant(plateforme);
  suivant.Ouvre(solveur);
  EXPECT_TRUE(plateforme.messages.empty());
  EXPECT_EQ(suivant.historique().EnAttente(), 0);
  EXPECT_FALSE(QFileInfo::exists(reserve));
  EXPECT_EQ(Enregistrees(plateforme.historique), jouees);
}

// A second close adds its games to those a first one kept; the next start
// takes them all once, and a window started after it finds none left.
TEST(PartiesGardees, KeptGamesAddUpAndAreTakenBackOnce) {
  PlateformeDeTest plateforme;
  Solveur solveur;
  ASSERT_EQ(GardeParties(plateforme.historique, {Partie(ModePartie::Code, 101)}).gardees, 1);
  ASSERT_EQ(GardeParties(plateforme.historique, {Partie(ModePartie::Code, 102)}).gardees, 1);
  Journal premier(plateforme);
  premier.Ouvre(solveur);
  Journal second(plateforme);
  second.Ouvre(solveur);
  EXPECT_EQ(second.historique().EnAttente(), 0);
  const std::vector<PartieJouee> enregistrees = Enregistrees(plateforme.historique);
  ASSERT_EQ(enregistrees.size(), 2u);
  EXPECT_EQ(enregistrees[0].resultat, 101);
  EXPECT_EQ(enregistrees[1].resultat, 102);
  EXPECT_FALSE(QFileInfo::exists(CheminReserve(plateforme.historique)));
  EXPECT_TRUE(plateforme.messages.empty());
}

// A disk that takes nothing: the games are neither written nor kept, and
// the player is told they are lost rather than left to believe them safe.
TEST(PartiesGardees, GamesThatCannotBeKeptEitherAreSaidLost) {
  PlateformeDeTest plateforme;
  Solveur solveur;
  Journal journal(plateforme);
  journal.Ouvre(solveur);
  {
    const DisqueLimite limite(0);
    journal.Enregistre(Partie(ModePartie::Entrainement, 303));
    plateforme.messages.clear();
    journal.Ferme();
  }
  ASSERT_EQ(plateforme.messages.size(), 1u);
  EXPECT_EQ(plateforme.messages[0].type, TypeMessage::Erreur);
  EXPECT_TRUE(plateforme.messages[0].texte.startsWith(
      QStringLiteral("1 partie n'a pas pu être enregistrée dans l'historique : erreur de lecture ou d'écriture sur le disque.\r"
                     "1 ne peut pas non plus être gardée dans « %1 » (")
          .arg(CheminReserve(plateforme.historique))))
      << plateforme.messages[0].texte.toStdString();
  EXPECT_TRUE(plateforme.messages[0].texte.endsWith(QStringLiteral(") : elle est perdue.")));
}

// A reserve that is no database is said and set aside, never taken for games.
TEST(PartiesGardees, ADamagedReserveIsSaidAndSetAside) {
  PlateformeDeTest plateforme;
  Solveur solveur;
  const QString reserve = CheminReserve(plateforme.historique);
  QFile fichier(reserve);
  ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
  fichier.write(QByteArray(4096, 'x'));
  fichier.close();
  Journal journal(plateforme);
  journal.Ouvre(solveur);
  ASSERT_EQ(plateforme.messages.size(), 1u);
  EXPECT_TRUE(plateforme.messages[0].texte.startsWith(
      QStringLiteral("Les parties gardées à la dernière fermeture (%1) ne peuvent pas être reprises : ").arg(reserve)));
  EXPECT_EQ(journal.historique().EnAttente(), 0);
  EXPECT_FALSE(QFileInfo::exists(reserve));
}

}  // namespace
}  // namespace tolvan::test
