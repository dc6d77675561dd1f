#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "DisqueLimite.h"
#include "DossierDeTest.h"
#include "PlateformeDeTest.h"
#include "midend/FichierTexte.h"
#include "midend/Historique.h"
#include "midend/MessagesHistorique.h"

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
  EXPECT_EQ(csv[0], "fin;mode;nombres;resultat;trouve;secondes;lignes;indices;points;difficulte;rejouee;jour;solutions_vues;adversaire;code;temps_donne;notee;cote_avant;ecart_avant;chance");
  EXPECT_EQ(csv[1], "2026-12-07T20:00:00+01:00;jour;1 1 10 9 100 75;999;1;100;2;2;0;3;0;2026-12-07;1;;;;;;;");
  EXPECT_EQ(csv[2], "2026-12-07T21:05:00+01:00;compétition;25 50 75 100 3 6;303;1;12;2;0;58;4;0;;0;;;;;;;");
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

TEST(Historique, AFileOfAnEarlierSchemaIsBroughtForwardWithItsGames) {
  for (const int versionDuFichier : {1, 2, 3}) {
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
    // What the second version added.
    if (versionDuFichier >= 2) {
      for (const char* instruction : {"ALTER TABLE parties ADD COLUMN jour TEXT",
                                      "UPDATE parties SET jour = substr(fin, 1, 10) WHERE mode = 'jour'",
                                      "CREATE INDEX parties_fin ON parties (fin)",
                                      "CREATE INDEX parties_jour ON parties (mode, jour)", "PRAGMA user_version = 2"}) {
        ASSERT_TRUE(q.exec(QString::fromUtf8(instruction))) << instruction;
      }
    }
    // And the third.
    if (versionDuFichier == 3) {
      for (const char* instruction :
           {"ALTER TABLE parties ADD COLUMN solutions_vues INTEGER NOT NULL DEFAULT 0", "PRAGMA user_version = 3"}) {
        ASSERT_TRUE(q.exec(QString::fromUtf8(instruction))) << instruction;
      }
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
  EXPECT_FALSE(parties[1].solutionsVues);
  EXPECT_TRUE(parties[1].adversaire.isEmpty());
  EXPECT_TRUE(parties[1].code.isEmpty());
  EXPECT_TRUE(historique.LignesCsv()[1].endsWith(QStringLiteral(";2026-12-01;0;;;;;;;")));
  PartieJouee vue = DuJour(QDate(2026, 12, 2), true);
  vue.solutionsVues = true;
  EXPECT_TRUE(historique.Enregistre(vue));
  EXPECT_EQ(historique.Dernieres(1).front(), vue);
  // A duel's go keeps its mode and its opponent.
  PartieJouee duel = Partie(A(QDate(2026, 12, 2), 21), ModePartie::Duel, false, 40);
  duel.adversaire = QStringLiteral("Champion");
  duel.points = 7;
  EXPECT_TRUE(historique.Enregistre(duel));
  EXPECT_EQ(historique.Dernieres(1).front(), duel);
  EXPECT_TRUE(historique.LignesCsv().back().contains(QStringLiteral(";duel;")));
  EXPECT_TRUE(historique.LignesCsv().back().endsWith(QStringLiteral(";0;Champion;;;;;;")));
  // A draw played by code keeps its mode and its code.
  PartieJouee parCode = Partie(A(QDate(2026, 12, 2), 21), ModePartie::Code, true, 30);
  parCode.code = QStringLiteral("12JR-00KA-AAQW");
  EXPECT_TRUE(historique.Enregistre(parCode));
  EXPECT_EQ(historique.Dernieres(1).front(), parCode);
  EXPECT_TRUE(historique.LignesCsv().back().endsWith(QStringLiteral(";12JR-00KA-AAQW;;;;;")));
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

// Another program's connection to the file, for as long as it lives.
struct AutreProgramme {
  QString nom = QStringLiteral("autre-programme");
  explicit AutreProgramme(const QString& chemin) {
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
    base.setDatabaseName(chemin);
    EXPECT_TRUE(base.open());
  }
  ~AutreProgramme() {
    QSqlDatabase::database(nom, false).close();
    QSqlDatabase::removeDatabase(nom);
  }
  bool Execute(const QString& instruction) {
    QSqlQuery q(QSqlDatabase::database(nom, false));
    return q.exec(instruction);
  }
};

TEST(Historique, AGameTheFileIsTooLockedForIsKeptAndWrittenLater) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
  const QString csv = dossier.filePath(QStringLiteral("parties.csv"));
  PartieJouee premiere = DuJour(Aujourdhui, true), seconde = Partie(A(Aujourdhui, 21), ModePartie::Entrainement, false, 30);
  premiere.solutionsVues = true;
  {
    Historique historique(std::chrono::milliseconds(100));
    ASSERT_EQ(historique.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
    {
      AutreProgramme autre(chemin);
      ASSERT_TRUE(autre.Execute(QStringLiteral("BEGIN EXCLUSIVE")));
      QString erreur;
      EXPECT_TRUE(historique.Enregistre(premiere, &erreur));
      EXPECT_EQ(erreur, QStringLiteral("le fichier est occupé par un autre programme"));
      EXPECT_EQ(historique.EnAttente(), 1);
      // Kept: listed, known as the day's, exported, counted as waiting.
      EXPECT_EQ(historique.Dernieres(5), std::vector<PartieJouee>{premiere});
      EXPECT_TRUE(historique.JourJoue(Aujourdhui));
      EXPECT_EQ(historique.Bilan(Aujourdhui).enAttente, 1);
      PlateformeDeTest plateforme;
      ASSERT_TRUE(ExporteParties(historique, csv, plateforme, TextesMessages{}));
      EXPECT_EQ(LitFichierTexte(csv).lignes.size(), 2);
      EXPECT_TRUE(autre.Execute(QStringLiteral("COMMIT")));
    }
    // The next game writes both, in the order they were played.
    EXPECT_TRUE(historique.Enregistre(seconde));
    EXPECT_EQ(historique.EnAttente(), 0);
    EXPECT_TRUE(historique.RaisonEnAttente().isEmpty());
  }
  Historique relu;
  ASSERT_EQ(relu.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
  EXPECT_EQ(relu.Dernieres(5), (std::vector<PartieJouee>{seconde, premiere}));

  // A game still waiting when the window closes is written on the way out.
  {
    Historique historique(std::chrono::milliseconds(100));
    ASSERT_EQ(historique.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
    {
      AutreProgramme autre(chemin);
      ASSERT_TRUE(autre.Execute(QStringLiteral("BEGIN EXCLUSIVE")));
      EXPECT_TRUE(historique.Enregistre(seconde));
      EXPECT_TRUE(autre.Execute(QStringLiteral("COMMIT")));
    }
  }
  EXPECT_EQ(relu.Dernieres(5).size(), 3u);
}

// The history's own connection to `chemin`, as the store opened it.
QSqlDatabase ConnexionDeLHistorique(const QString& chemin) {
  for (const QString& nom : QSqlDatabase::connectionNames()) {
    QSqlDatabase base = QSqlDatabase::database(nom, false);
    if (base.databaseName() == chemin) return base;
  }
  return {};
}

// A disk that refuses to write a game, as the game is written out or as
// the file would grow: the player is told why in words, never by a bare
// error number, and the game waits until the disk takes it.
TEST(Historique, AGameTheDiskRefusesIsKeptAndSaidInWords) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
  Historique historique(std::chrono::milliseconds(100));
  ASSERT_EQ(historique.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
  ASSERT_TRUE(historique.Enregistre(DuJour(Aujourdhui.addDays(-1), true)));
  const PartieJouee partie = Partie(A(Aujourdhui, 21), ModePartie::Entrainement, true, 30);
  {
    // No file of the process may grow: the write-ahead log refuses the game
    // when it is committed.
    const DisqueLimite limite(0);
    QString erreur;
    EXPECT_TRUE(historique.Enregistre(partie, &erreur));
    EXPECT_EQ(erreur, QStringLiteral("erreur de lecture ou d'écriture sur le disque"));
    EXPECT_EQ(historique.EnAttente(), 1);
  }
  // SQLite's own "full": the file may not take one more page.
  QSqlQuery pages(ConnexionDeLHistorique(chemin));
  ASSERT_TRUE(pages.exec(QStringLiteral("PRAGMA page_count")) && pages.next());
  ASSERT_TRUE(pages.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages.value(0).toInt())));
  QString erreur;
  for (int i = 0; i < 200 && erreur.isEmpty(); ++i) historique.Enregistre(partie, &erreur);
  EXPECT_EQ(erreur, QStringLiteral("disque plein"));
  EXPECT_EQ(historique.RaisonEnAttente(), QStringLiteral("disque plein"));
  const int enAttente = historique.EnAttente();
  EXPECT_GE(enAttente, 1);
  EXPECT_EQ(static_cast<int>(historique.Dernieres(1000).size()), enAttente + static_cast<int>(historique.Bilan(Aujourdhui).parties));
  // Room again: every game kept is written, in order.
  ASSERT_TRUE(pages.exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
  EXPECT_TRUE(historique.EcritEnAttente());
  EXPECT_TRUE(historique.RaisonEnAttente().isEmpty());
  Historique relu;
  ASSERT_EQ(relu.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
  EXPECT_EQ(relu.Bilan(Aujourdhui).parties, historique.Bilan(Aujourdhui).parties);
}

TEST(Historique, TwoWindowsCreatingANewFileTogetherBothRecord) {
  // Two processes, as two windows are: SQLite's locks between them are the
  // system's, not shared within one process.
  for (int essai = 0; essai < 20; ++essai) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Tolvan/historique.sqlite"));
    // Both start when the pipe closes.
    int depart[2];
    ASSERT_EQ(pipe(depart), 0);
    std::vector<pid_t> fenetres;
    for (int f = 0; f < 2; ++f) {
      const pid_t enfant = fork();
      ASSERT_GE(enfant, 0);
      if (enfant == 0) {
        close(depart[1]);
        char octet;
        if (read(depart[0], &octet, 1) < 0) _exit(2);
        Historique historique;
        const bool ouvert = historique.Ouvre(chemin).etat == Historique::Ouverture::Ouvert;
        const bool ecrit = historique.Enregistre(DuJour(Aujourdhui, true)) && historique.EnAttente() == 0;
        _exit(ouvert && ecrit ? 0 : 1);
      }
      fenetres.push_back(enfant);
    }
    close(depart[0]);
    close(depart[1]);
    for (const pid_t fenetre : fenetres) {
      int etat = 0;
      ASSERT_EQ(waitpid(fenetre, &etat, 0), fenetre);
      EXPECT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0) << "essai " << essai;
    }
    Historique relu;
    ASSERT_EQ(relu.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
    ASSERT_EQ(relu.Dernieres(5).size(), 2u) << "essai " << essai;
  }
}

TEST(Historique, AFileThatCannotBeWrittenIsReadAsItIsAndLeavesNothingBeside) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
  {
    Historique historique;
    ASSERT_EQ(historique.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
    ASSERT_TRUE(historique.Enregistre(DuJour(Aujourdhui.addDays(-1), true)));
    ASSERT_TRUE(historique.Enregistre(DuJour(Aujourdhui, false)));
  }
  ASSERT_FALSE(QFileInfo::exists(chemin + QStringLiteral("-shm")));
  // Read-only to its owner, in a folder anyone may write. Root writes any
  // file: the store is opened in a child process that runs as nobody.
  ASSERT_EQ(chmod(QFile::encodeName(chemin).constData(), 0444), 0);
  ASSERT_EQ(chmod(QFile::encodeName(dossier.path()).constData(), 0777), 0);
  const pid_t enfant = fork();
  ASSERT_GE(enfant, 0);
  if (enfant == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(100);
    int fautes = 0;
    {
      Historique historique;
      const Historique::Ouverture ouverture = historique.Ouvre(chemin);
      fautes |= ouverture.etat == Historique::Ouverture::LectureSeule ? 0 : 1;
      fautes |= historique.EnLectureSeule() ? 0 : 2;
      fautes |= historique.Dernieres(10).size() == 2 ? 0 : 4;
      fautes |= historique.Bilan(Aujourdhui).parties == 2 && historique.Bilan(Aujourdhui).erreur.isEmpty() ? 0 : 8;
      // Kept, not lost, not written.
      fautes |= historique.Enregistre(DuJour(Aujourdhui, true, true)) && historique.EnAttente() == 1 ? 0 : 16;
      fautes |= historique.RaisonEnAttente() == QStringLiteral("lecture seule") ? 0 : 32;
      const std::optional<AvisHistorique> avis = AvisOuverture(ouverture, chemin);
      fautes |= avis && avis->texte.contains(QStringLiteral("lecture seule")) && avis->texte.contains(chemin) ? 0 : 64;
    }
    _exit(fautes);
  }
  int etat = 0;
  ASSERT_EQ(waitpid(enfant, &etat, 0), enfant);
  ASSERT_TRUE(WIFEXITED(etat));
  EXPECT_EQ(WEXITSTATUS(etat), 0);
  for (const char* journal : {"-shm", "-wal", "-journal"}) EXPECT_FALSE(QFileInfo::exists(chemin + QLatin1String(journal))) << journal;

  // Writable again, it records as before.
  ASSERT_EQ(chmod(QFile::encodeName(chemin).constData(), 0644), 0);
  Historique historique;
  ASSERT_EQ(historique.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
  EXPECT_TRUE(historique.Enregistre(DuJour(Aujourdhui, true, true)));
  EXPECT_EQ(historique.EnAttente(), 0);
  EXPECT_EQ(historique.Dernieres(10).size(), 3u);
}

TEST(Historique, ATableLackingColumnsIsSaidAndItsRowsStayReadable) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
  {
    AutreProgramme autre(chemin);
    for (const char* instruction :
         {"CREATE TABLE parties (id INTEGER PRIMARY KEY, fin TEXT, mode TEXT, nombres TEXT, resultat INTEGER, "
          "trouve INTEGER, secondes INTEGER, difficulte INTEGER, jour TEXT)",
          "INSERT INTO parties VALUES (1, '2026-12-06T09:30:00+01:00', 'jour', '1 2 3 4 5 6', 100, 1, 65, 2, '2026-12-06')",
          "INSERT INTO parties VALUES (2, '2026-12-07T10:00:00+01:00', 'entraînement', '1 2 3 4 5 6', 101, 0, 20, 1, NULL)",
          "PRAGMA user_version = 3"}) {
      ASSERT_TRUE(autre.Execute(QString::fromUtf8(instruction))) << instruction;
    }
  }
  Historique historique;
  const Historique::Ouverture ouverture = historique.Ouvre(chemin);
  ASSERT_EQ(ouverture.etat, Historique::Ouverture::Incomplet);
  EXPECT_EQ(ouverture.detail, QStringLiteral("il manque à sa table des parties les colonnes « lignes », « indices », "
                                             "« points », « rejouee », « solutions_vues »"));
  const std::optional<AvisHistorique> avis = AvisOuverture(ouverture, chemin);
  ASSERT_TRUE(avis);
  EXPECT_TRUE(avis->texte.startsWith(QStringLiteral("L'historique des parties (%1) est incomplet").arg(chemin)));
  std::vector<PartieJouee> parties = historique.Dernieres(10);
  ASSERT_EQ(parties.size(), 2u);
  EXPECT_EQ(parties[1].secondes, 65);
  EXPECT_EQ(parties[1].jour, QDate(2026, 12, 6));
  EXPECT_EQ(parties[0].lignes, 0);
  const BilanParties bilan = historique.Bilan(Aujourdhui);
  EXPECT_TRUE(bilan.erreur.isEmpty()) << bilan.erreur.toStdString();
  EXPECT_EQ(bilan.parties, 2);
  EXPECT_EQ(bilan.series.actuelle, 1);
  // A game goes into the columns there are.
  EXPECT_TRUE(historique.Enregistre(Partie(A(Aujourdhui, 22), ModePartie::Entrainement, true, 12)));
  EXPECT_EQ(historique.EnAttente(), 0);
  EXPECT_EQ(historique.LignesCsv().size(), 4);
}

TEST(Historique, WhatCannotBeReadIsSaidAndAnEmptyExportOverwritesNothing) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("historique.sqlite"));
  const QString csv = dossier.filePath(QStringLiteral("parties.csv"));
  const QByteArray ancien("un export d'avant\r\n");
  QFile fichier(csv);
  ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
  fichier.write(ancien);
  fichier.close();
  Historique historique;
  ASSERT_EQ(historique.Ouvre(chemin).etat, Historique::Ouverture::Ouvert);
  PlateformeDeTest plateforme;
  EXPECT_FALSE(ExporteParties(historique, csv, plateforme, TextesMessages{}));
  ASSERT_EQ(plateforme.messages.size(), 1u);
  EXPECT_TRUE(plateforme.messages[0].texte.contains(QStringLiteral("Aucune partie")));
  EXPECT_EQ(Contenu(csv), ancien);

  // The table gone from under the store: reading fails, and says so.
  ASSERT_TRUE(historique.Enregistre(DuJour(Aujourdhui, true)));
  {
    AutreProgramme autre(chemin);
    ASSERT_TRUE(autre.Execute(QStringLiteral("DROP TABLE parties")));
  }
  EXPECT_FALSE(historique.Bilan(Aujourdhui).erreur.isEmpty());
  QString erreur;
  historique.Dernieres(5, &erreur);
  EXPECT_FALSE(erreur.isEmpty());
  EXPECT_FALSE(ExporteParties(historique, csv, plateforme, TextesMessages{}));
  ASSERT_EQ(plateforme.messages.size(), 2u);
  EXPECT_TRUE(plateforme.messages[1].texte.contains(QStringLiteral("ne peut pas être lu")));
  EXPECT_TRUE(plateforme.messages[1].texte.contains(chemin));
  EXPECT_EQ(Contenu(csv), ancien);

  // A place the export cannot write: the message names the file and why.
  plateforme.messages.clear();
  const QString dansUnFichier = csv + QStringLiteral("/parties.csv");
  ASSERT_TRUE(historique.Ouvre(dossier.filePath(QStringLiteral("autre.sqlite"))).etat == Historique::Ouverture::Ouvert);
  ASSERT_TRUE(historique.Enregistre(DuJour(Aujourdhui, true)));
  EXPECT_FALSE(ExporteParties(historique, dansUnFichier, plateforme, TextesMessages{}));
  ASSERT_FALSE(plateforme.messages.empty());
  EXPECT_TRUE(plateforme.messages[0].texte.contains(dansUnFichier)) << plateforme.messages[0].texte.toStdString();
  EXPECT_EQ(plateforme.messages[0].texte.count(TextesMessages{}.MsgErreurOuverture), 1);
}

}  // namespace
}  // namespace tolvan::test
