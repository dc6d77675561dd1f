#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "ContenuFichier.h"
#include "midend/Historique.h"

namespace tolvan::test {
namespace {

const QDate Aujourdhui(2026, 12, 7);

QDateTime A(QDate jour, int heure, int minute = 0) { return QDateTime(jour, QTime(heure, minute), Qt::OffsetFromUTC, 3600); }

PartieJouee Partie(QDateTime fin, ModePartie mode, bool trouve, int secondes, int difficulte = 2) {
  PartieJouee p;
  p.fin = fin;
  p.mode = mode;
  p.nombres = {25, 50, 75, 100, 3, 6};
  p.resultat = 303;
  p.trouve = trouve;
  p.secondes = secondes;
  p.lignes = 2;
  p.difficulte = difficulte;
  return p;
}

PartieJouee DuJour(QDate jour, bool trouve, bool rejouee = false) {
  PartieJouee p = Partie(A(jour, 20), ModePartie::Jour, trouve, 100, 3);
  p.jour = jour;
  p.rejouee = rejouee;
  return p;
}

TEST(Historique, AGameIsRecordedWholeAndReadBackByTwoWindowsAtOnce) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("Tolvan/historique.sqlite"));
  Historique premiere, seconde;
  ASSERT_EQ(premiere.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
  ASSERT_EQ(seconde.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);

  PartieJouee jour = DuJour(Aujourdhui, true);
  jour.nombres = {1, 1, 10, 9, 100, 75};
  jour.resultat = 999;
  jour.indices = 2;
  jour.points = 0;
  jour.solutionsVues = true;
  PartieJouee competition = Partie(A(Aujourdhui, 21, 5), ModePartie::Competition, true, 12, 4);
  competition.points = 58;
  // Each window writes while the other holds the file open.
  ASSERT_TRUE(premiere.Enregistre(jour));
  ASSERT_TRUE(seconde.Enregistre(competition));
  ASSERT_TRUE(premiere.Enregistre(Partie(A(Aujourdhui, 22), ModePartie::Entrainement, false, 20)));

  const std::vector<PartieJouee> lues = seconde.Dernieres(2);
  ASSERT_EQ(lues.size(), 2u);
  EXPECT_EQ(lues[0], Partie(A(Aujourdhui, 22), ModePartie::Entrainement, false, 20));
  EXPECT_EQ(lues[1], competition);
  EXPECT_EQ(premiere.Dernieres(10).back(), jour);
  EXPECT_TRUE(seconde.JourJoue(Aujourdhui));
  EXPECT_FALSE(seconde.JourJoue(Aujourdhui.addDays(-1)));

  // The CSV lines: a title, then every game oldest first, as stored.
  const QStringList csv = premiere.LignesCsv();
  ASSERT_EQ(csv.size(), 4);
  EXPECT_EQ(csv[0], "fin;mode;nombres;resultat;trouve;secondes;lignes;indices;points;difficulte;rejouee;jour;solutions_vues");
  EXPECT_EQ(csv[1], "2026-12-07T20:00:00+01:00;jour;1 1 10 9 100 75;999;1;100;2;2;0;3;0;2026-12-07;1");
  EXPECT_EQ(csv[2], "2026-12-07T21:05:00+01:00;compétition;25 50 75 100 3 6;303;1;12;2;0;58;4;0;;0");
}

TEST(Historique, StatisticsOfAMadeUpMonth) {
  QTemporaryDir dossier;
  Historique historique;
  ASSERT_EQ(historique.Ouvre(dossier.filePath(QStringLiteral("h.sqlite"))).etat, Historique::Ouverture::Ouvert);
  // The draw of the day found from 1 to 5 November, missed on the 6th, found
  // from the 7th to the 13th (seven days, replays aside), skipped on the
  // 14th, then found on 5, 6 and 7 December.
  const QDate novembre(2026, 11, 1);
  for (int j = 0; j < 13; ++j) ASSERT_TRUE(historique.Enregistre(DuJour(novembre.addDays(j), j != 5)));
  ASSERT_TRUE(historique.Enregistre(DuJour(novembre.addDays(5), true, true)));  // a replay does not mend the 6th
  ASSERT_TRUE(historique.Enregistre(DuJour(novembre.addDays(12), false, true)));
  for (int j = 5; j <= 7; ++j) ASSERT_TRUE(historique.Enregistre(DuJour(QDate(2026, 12, j), true)));
  // Training on 6 December: mark 1 in 10, 20 and 60 s; mark 2 in 30 and 50 s; two missed.
  const QDate six(2026, 12, 6);
  for (const auto& [secondes, marque] : std::vector<std::pair<int, int>>{{20, 1}, {60, 1}, {10, 1}, {50, 2}, {30, 2}}) {
    ASSERT_TRUE(historique.Enregistre(Partie(A(six, 10), ModePartie::Entrainement, true, secondes, marque)));
  }
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(historique.Enregistre(Partie(A(six, 11), ModePartie::Entrainement, false, 20, 5)));
  // A game that ended just before midnight counts for its own day.
  ASSERT_TRUE(historique.Enregistre(Partie(A(Aujourdhui.addDays(-29), 23, 59), ModePartie::Entrainement, false, 40)));

  const BilanParties bilan = historique.Bilan(Aujourdhui);
  EXPECT_EQ(bilan.parties, 13 + 2 + 3 + 5 + 2 + 1);
  EXPECT_EQ(bilan.trouvees, 12 + 1 + 3 + 5);
  EXPECT_EQ(bilan.series.actuelle, 3);
  EXPECT_EQ(bilan.series.meilleure, 7);
  ASSERT_EQ(bilan.derniersJours.size(), 30u);
  EXPECT_EQ(bilan.derniersJours.front().jour, QDate(2026, 11, 8));
  EXPECT_EQ(bilan.derniersJours.back().jour, Aujourdhui);
  const auto jour = [&bilan](QDate d) { return bilan.derniersJours[static_cast<std::size_t>(QDate(2026, 11, 8).daysTo(d))]; };
  EXPECT_EQ(jour(QDate(2026, 11, 8)).ratees, 1);  // the game just before midnight
  EXPECT_EQ(jour(QDate(2026, 11, 13)).trouvees, 1);
  EXPECT_EQ(jour(QDate(2026, 11, 13)).ratees, 1);
  EXPECT_EQ(jour(six).trouvees, 1 + 5);
  EXPECT_EQ(jour(six).ratees, 2);
  EXPECT_EQ(jour(QDate(2026, 11, 20)).trouvees + jour(QDate(2026, 11, 20)).ratees, 0);
  EXPECT_EQ(bilan.medianes[0], 20.0);
  EXPECT_EQ(bilan.medianes[1], 40.0);
  EXPECT_EQ(bilan.medianes[2], 100.0);  // every draw of the day here is a 3
  EXPECT_EQ(bilan.medianes[3], std::nullopt);

  // Today's draw not played yet: yesterday's run still stands, not the day after.
  EXPECT_EQ(historique.Bilan(Aujourdhui.addDays(1)).series.actuelle, 3);
  EXPECT_EQ(historique.Bilan(Aujourdhui.addDays(2)).series.actuelle, 0);
  ASSERT_TRUE(historique.Enregistre(DuJour(Aujourdhui.addDays(1), false)));
  EXPECT_EQ(historique.Bilan(Aujourdhui.addDays(1)).series.actuelle, 0);
}

TEST(Historique, AFileOfTheFirstSchemaIsBroughtForwardWithItsGames) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
  {
    // What the first version of the history wrote.
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("premier-schema"));
    base.setDatabaseName(chemin);
    ASSERT_TRUE(base.open());
    QSqlQuery q(base);
    for (const char* instruction :
         {"CREATE TABLE parties (id INTEGER PRIMARY KEY, fin TEXT NOT NULL, mode TEXT NOT NULL, nombres TEXT NOT NULL, "
          "resultat INTEGER NOT NULL, trouve INTEGER NOT NULL, secondes INTEGER NOT NULL, lignes INTEGER NOT NULL, "
          "indices INTEGER NOT NULL, points INTEGER NOT NULL, difficulte INTEGER NOT NULL, rejouee INTEGER NOT NULL)",
          "INSERT INTO parties VALUES (1, '2026-12-01T09:30:00+01:00', 'jour', '1 2 3 4 5 6', 100, 1, 65, 3, 0, 0, 2, 0)",
          "INSERT INTO parties VALUES (2, '2026-12-01T10:00:00+01:00', 'entraînement', '1 2 3 4 5 6', 101, 0, 20, 1, 0, "
          "0, 1, 0)",
          "PRAGMA user_version = 1"}) {
      ASSERT_TRUE(q.exec(QString::fromUtf8(instruction))) << instruction;
    }
    base.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("premier-schema"));

  Historique historique;
  ASSERT_EQ(historique.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
  const std::vector<PartieJouee> parties = historique.Dernieres(10);
  ASSERT_EQ(parties.size(), 2u);
  EXPECT_EQ(parties[1].jour, QDate(2026, 12, 1));
  EXPECT_EQ(parties[1].secondes, 65);
  EXPECT_FALSE(parties[0].jour.isValid());
  EXPECT_TRUE(historique.JourJoue(QDate(2026, 12, 1)));
  EXPECT_EQ(historique.Bilan(QDate(2026, 12, 1)).series.actuelle, 1);
  EXPECT_TRUE(historique.Enregistre(DuJour(QDate(2026, 12, 2), true)));
  historique.Ferme();
  {
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("relu"));
    base.setDatabaseName(chemin);
    ASSERT_TRUE(base.open());
    QSqlQuery q(base);
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), Historique::VersionSchema);
    base.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("relu"));
}

TEST(Historique, ADamagedFileIsRenamedAsideAndAFreshOneStarts) {
  // A file that is no database, and a database whose pages were overwritten.
  QTemporaryDir dossier;
  const QString modele = dossier.filePath(QStringLiteral("modele.sqlite"));
  {
    Historique historique;
    ASSERT_EQ(historique.Ouvre(modele).etat, Historique::Ouverture::Ouvert);
    for (int i = 0; i < 40; ++i) ASSERT_TRUE(historique.Enregistre(DuJour(Aujourdhui.addDays(-i), true)));
  }
  QByteArray abimee = Contenu(modele);
  ASSERT_GT(abimee.size(), 8192);
  abimee.replace(4096, 4096, QByteArray(4096, '\x5a'));
  for (const QByteArray& contenu : {QByteArray("Ceci n'est pas une base de données.\r\n").repeated(100), abimee}) {
    const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(contenu);
    fichier.close();

    Historique historique;
    const Historique::Ouverture ouverture = historique.Ouvre(chemin);
    ASSERT_EQ(ouverture.etat, Historique::Ouverture::MisDeCote);
    EXPECT_FALSE(ouverture.detail.isEmpty());
    EXPECT_EQ(QFileInfo(ouverture.misDeCote).dir(), QFileInfo(chemin).dir());
    EXPECT_EQ(Contenu(ouverture.misDeCote), contenu);
    EXPECT_TRUE(historique.EstOuvert());
    EXPECT_TRUE(historique.Enregistre(DuJour(Aujourdhui, true)));
    EXPECT_EQ(historique.Dernieres(10).size(), 1u);
    historique.Ferme();
    QFile::remove(chemin);
  }
}

TEST(Historique, APlaceThatCannotHoldTheFileLeavesNoHistory) {
  QTemporaryDir dossier;
  // A folder stands where the file should be.
  const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
  ASSERT_TRUE(QDir().mkpath(chemin));
  Historique historique;
  const Historique::Ouverture ouverture = historique.Ouvre(chemin);
  EXPECT_EQ(ouverture.etat, Historique::Ouverture::Impossible);
  EXPECT_FALSE(ouverture.detail.isEmpty());
  EXPECT_FALSE(historique.EstOuvert());
  EXPECT_FALSE(historique.Enregistre(DuJour(Aujourdhui, true)));
  EXPECT_TRUE(QFileInfo(chemin).isDir());
  EXPECT_EQ(historique.Bilan(Aujourdhui).parties, 0);
}

}  // namespace
}  // namespace tolvan::test
