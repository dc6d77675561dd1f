#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableView>
#include <QTest>

#include "FenetreDeTest.h"
#include "LaPlusSimple.h"
#include "midend/FichierTexte.h"
#include "midend/Historique.h"
#include "shell/TFRMparties.h"

namespace tolvan::test {
namespace {

struct FenetreDuJour : FenetreDeTest {
  FenetreDuJour() {
    fenetre->show();
    QApplication::processEvents();
    MontrePage("TSjeu");
  }
  QPushButton* Bouton(const char* nom) const { return Trouve<QPushButton>(nom); }
  void Clique(const char* nom) { QTest::mouseClick(Bouton(nom), Qt::LeftButton); }
  void JoueLaPlusSimple() {
    const Jeu& jeu = fenetre->jeu();
    test::JoueLaPlusSimple(jeu.Tirage(), jeu.manche().Tableau(), [this](int code) { fenetre->Effectue(code); });
  }
  void Tique(int fois) {
    Secondes(fois);
  }
};

TEST(TForm1Parties, TheDrawOfTheDayIsPlayedAndItsLineCopiedFromTheGamePage) {
  FenetreDuJour t;
  EXPECT_TRUE(t.Bouton("BTcopie")->isHidden());
  t.Clique("BTjour");
  EXPECT_TRUE(t.Bouton("BTcopie")->isHidden());
  t.Tique(65);
  t.JoueLaPlusSimple();
  ASSERT_TRUE(t.fenetre->jeu().manche().Gagnee());
  ASSERT_TRUE(t.Bouton("BTcopie")->isVisible());
  t.Clique("BTcopie");
  ASSERT_EQ(t.plateforme.pressePapier.size(), 1u);
  EXPECT_TRUE(t.plateforme.pressePapier[0].startsWith(
      QStringLiteral("Tolvan, tirage du 7 décembre 2026 : trouvé en 1:05, ")));
  EXPECT_EQ(t.Bouton("BTcopie")->text(), "Copié !");
  // The next game is no day's draw: nothing to copy.
  t.Clique("BTnouvPartie");
  EXPECT_TRUE(t.Bouton("BTcopie")->isHidden());
  // In competition the draws come from the level only.
  t.MontrePage("TScompet");
  QTest::mouseClick(t.Trouve<QWidget>("CBcompet"), Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_FALSE(t.Bouton("BTjour")->isEnabled());
}

TEST(TForm1Parties, MyGamesShowCountsChartsAndASortableListAndExportThem) {
  FenetreDuJour t;
  t.Clique("BTjour");
  t.Tique(30);
  t.JoueLaPlusSimple();
  t.Clique("BTnouvPartie");
  t.Tique(3600);
  t.MontrePage("TSapro");
  bool montree = false;
  t.plateforme.fichiers = {t.Chemin(QStringLiteral("parties.csv"))};
  t.plateforme.quandDialogue = [&](QDialog& dialogue) {
    auto& parties = dynamic_cast<TFRMparties&>(dialogue);
    montree = true;
    EXPECT_EQ(parties.LBparties->text(), "Parties : 2");
    EXPECT_EQ(parties.LBtrouvees->text(), "Trouvées : 50 %");
    EXPECT_EQ(parties.LBserie->text(), "Série en cours : 1 jour");
    // Every chart and list says what it is to a screen reader.
    for (QWidget* vue : std::initializer_list<QWidget*>{parties.CHjours, parties.CHmedianes, parties.LVparties}) {
      EXPECT_FALSE(vue->accessibleName().isEmpty()) << vue->objectName().toStdString();
    }
    const auto* jours = dynamic_cast<QStackedBarSeries*>(parties.CHjours->chart()->series().value(0));
    ASSERT_NE(jours, nullptr);
    ASSERT_EQ(jours->count(), 2);
    EXPECT_EQ(jours->barSets()[0]->at(29), 1);  // today: one found, one not
    EXPECT_EQ(jours->barSets()[1]->at(29), 1);
    EXPECT_EQ(jours->barSets()[0]->at(0), 0);
    EXPECT_TRUE(parties.CHmedianes->accessibleDescription().contains(QStringLiteral("difficulté 1 : 30 s")));

    // Latest first, then by time when its column is chosen.
    const QAbstractItemModel* liste = parties.LVparties->model();
    ASSERT_EQ(liste->rowCount(), 2);
    EXPECT_EQ(liste->index(0, 1).data().toString(), QStringLiteral("entraînement"));
    parties.LVparties->sortByColumn(5, Qt::AscendingOrder);
    EXPECT_EQ(liste->index(0, 5).data().toString(), QStringLiteral("0:30"));
    EXPECT_EQ(liste->index(1, 5).data().toString(), QStringLiteral("1:00:00"));

    QTest::mouseClick(parties.BTexporte, Qt::LeftButton);
    EXPECT_EQ(parties.LBavis->text(), QStringLiteral("Parties exportées dans parties.csv"));
  };
  t.Clique("BTmesParties");
  EXPECT_TRUE(montree);
  const LectureTexte csv = LitFichierTexte(t.Chemin(QStringLiteral("parties.csv")));
  ASSERT_EQ(csv.lignes.size(), 3);
  EXPECT_TRUE(csv.lignes[1].contains(QStringLiteral(";jour;")));
  EXPECT_TRUE(csv.lignes[2].contains(QStringLiteral(";entraînement;")));
}

// A duel's go and a code's draw are listed under their own mode, with the
// opponent or the code; the goes of a duel's second player on this
// computer are neither listed nor counted as the player's. Tab leaves the
// list as it leaves the game's other lists.
TEST(TForm1Parties, MyGamesNameEachWayToPlayAndCountOnlyThePlayersOwnGoes) {
  FenetreDuJour t;
  {
    // Recorded as the game records them, by another window of the game.
    Historique autre;
    autre.Ouvre(t.plateforme.historique);
    PartieJouee partie;
    partie.fin = t.plateforme.maintenant;
    partie.resultat = 303;
    partie.mode = ModePartie::Duel;
    partie.adversaire = QStringLiteral("Expert");
    autre.Enregistre(partie);
    partie.mode = ModePartie::DuelAutreJoueur;
    partie.adversaire = QStringLiteral("Alice");
    autre.Enregistre(partie);
    partie.mode = ModePartie::Code;
    partie.adversaire.clear();
    partie.code = QStringLiteral("1B82-VZZZ-ZZZ1");
    autre.Enregistre(partie);
  }
  t.MontrePage("TSapro");
  bool montree = false;
  t.plateforme.quandDialogue = [&](QDialog& dialogue) {
    auto& parties = dynamic_cast<TFRMparties&>(dialogue);
    montree = true;
    EXPECT_EQ(parties.LBparties->text(), "Parties : 2");
    const QAbstractItemModel* liste = parties.LVparties->model();
    ASSERT_EQ(liste->rowCount(), 2);
    EXPECT_EQ(liste->headerData(2, Qt::Horizontal).toString(), "Adversaire / code");
    EXPECT_EQ(liste->index(0, 1).data().toString(), "code");
    EXPECT_EQ(liste->index(0, 2).data().toString(), "1B82-VZZZ-ZZZ1");
    EXPECT_EQ(liste->index(1, 1).data().toString(), "duel");
    EXPECT_EQ(liste->index(1, 2).data().toString(), "Expert");
    parties.show();
    QApplication::setActiveWindow(&parties);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parties));
    parties.LVparties->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(parties.LVparties->hasFocus());
    // Entered, it says the row it stands on.
    EXPECT_TRUE(parties.LVparties->accessibleDescription().startsWith("Fin : 2026-12-07 14:00, Mode : code"));
    QTest::keyClick(parties.LVparties, Qt::Key_Tab);
    EXPECT_FALSE(parties.LVparties->hasFocus()) << "Tab leaves the list";
  };
  t.Clique("BTmesParties");
  EXPECT_TRUE(montree);
}

// Reopened after more games, the charts are drawn afresh (one axis of
// days, one of counts) and the list starts from its top; a history that
// can't be read is said instead of its figures, and games waiting too.
TEST(TForm1Parties, MyGamesReopenAfreshAndSayWhatCantBeRead) {
  FenetreDuJour t;
  TFRMparties* parties = nullptr;
  t.plateforme.quandDialogue = [&](QDialog& dialogue) { parties = &dynamic_cast<TFRMparties&>(dialogue); };
  t.Clique("BTmesParties");
  ASSERT_NE(parties, nullptr);
  for (int partie = 0; partie < 40; ++partie) {
    t.Clique("BTnouvPartie");
    t.JoueLaPlusSimple();
  }
  t.Clique("BTmesParties");
  t.Clique("BTmesParties");
  EXPECT_EQ(parties->CHjours->chart()->axes().size(), 2);
  EXPECT_EQ(parties->CHmedianes->chart()->axes().size(), 2);
  const int jouees = t.fenetre->jeu().BilanDesParties().parties;
  EXPECT_GT(jouees, 20);
  EXPECT_EQ(parties->LBparties->text(), QStringLiteral("Parties : %1").arg(jouees));
  EXPECT_EQ(parties->LVparties->currentIndex().row(), 0);
  EXPECT_EQ(parties->LVparties->rowAt(0), 0);
  EXPECT_FALSE(parties->LBerreur->isVisibleTo(parties));

  BilanParties illisible;
  illisible.erreur = QStringLiteral("fichier abîmé");
  illisible.enAttente = 2;
  parties->Montre(illisible, {});
  EXPECT_TRUE(parties->LBerreur->isVisibleTo(parties));
  EXPECT_EQ(parties->LBerreur->text(), QStringLiteral("L'historique des parties ne peut pas être lu : fichier abîmé"));
  EXPECT_FALSE(parties->LBparties->isVisibleTo(parties));
  EXPECT_EQ(parties->LBavis->text(), QStringLiteral("2 parties attendent d'être enregistrées dans l'historique."));
  parties->Montre(BilanParties{}, {}, QStringLiteral("disque plein"));
  EXPECT_TRUE(parties->LBerreur->text().endsWith(QStringLiteral(": disque plein")));
}

}  // namespace
}  // namespace tolvan::test
