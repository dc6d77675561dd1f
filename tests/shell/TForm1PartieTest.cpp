#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QItemSelectionModel>

#include "FenetreDeTest.h"

namespace tolvan::test {
namespace {

// Slots of the pool for 25 50 75 100 3 6, then 101 + 202 = 303.

struct PartieEnCours : FenetreDeTest {
  PartieEnCours() {
    fenetre->show();
    QApplication::processEvents();
    MontrePage("TSjeu");
    plateforme.sons.clear();
  }
  template <class Controle = QWidget>
  Controle* W(const char* nom) const {
    return Trouve<Controle>(nom);
  }
  void Presse(const char* nom) { QTest::mousePress(W(nom), Qt::LeftButton); }
  // One line: left operand, operator, right operand.
  void Ligne(const char* gauche, const char* signe, const char* droite) {
    Presse(gauche);
    Presse(signe);
    Presse(droite);
  }
  void Clique(const char* nom) { QTest::mouseClick(W(nom), Qt::LeftButton); }
  // "Nouvelle Partie" on the draw these random numbers give.
  void Commence(const std::vector<int>& hasard) {
    plateforme.tirages = hasard;
    Clique("BTnouvPartie");
  }
  void Tique(int fois) {
    Secondes(fois);
  }
  QStringList Tuiles() const {
    QStringList textes;
    for (const char* nom : {"P1", "P2", "P3", "P4", "P5", "P6"}) textes.append(W<QPushButton>(nom)->text());
    return textes;
  }
  QString Tableau(int ligne) const {
    return W<QTextEdit>(qPrintable(QStringLiteral("MM%1").arg(ligne)))->toPlainText();
  }
  QStringList Rangee(QTreeWidget* liste, int ligne) const {
    QStringList cellules;
    for (int i = 0; i < liste->columnCount(); ++i) cellules.append(liste->topLevelItem(ligne)->text(i));
    return cellules;
  }
  // The cells of a row of the draws list, as its view shows them.
  QStringList Tirage(int ligne) const {
    auto* vue = W<QTreeView>("LVtirage");
    QStringList cellules;
    for (int i = 0; i < vue->model()->columnCount(); ++i) {
      cellules.append(vue->model()->index(ligne, i).data().toString());
    }
    return cellules;
  }
  int NbTirages() const { return W<QTreeView>("LVtirage")->model()->rowCount(); }
};

TEST(Partie, FromNewGameToTheWinWithItsRecapScoreAndMark) {
  PartieEnCours f;
  f.Commence(HasardDe303);
  EXPECT_TRUE(f.W("GBjeu")->isVisible());
  EXPECT_FALSE(f.W("GBinfo")->isVisible());
  EXPECT_EQ(f.Tuiles(), QStringList({"25", "50", "75", "100", "3", "6"}));
  EXPECT_EQ(f.W<QPushButton>("Bresult")->text(), "303");
  EXPECT_TRUE(f.W<QTimer>("Timer1")->isActive());
  EXPECT_EQ(f.plateforme.sons, std::vector<QString>{"RestoreUp"});
  ASSERT_EQ(f.NbTirages(), 1);
  EXPECT_EQ(f.Tirage(0), QStringList({"303", "25", "50", "75", "100", "3", "6", "0", "0", "NON", ""}));

  f.Tique(42);
  f.Presse("P6");
  f.Presse("BTfois");
  EXPECT_EQ(f.Tableau(1), "6x");
  EXPECT_FALSE(f.W("P6")->isEnabled());
  f.Presse("P2");
  EXPECT_EQ(f.Tableau(1), "6x50=300");
  EXPECT_EQ(f.W<QPushButton>("P2")->text(), "300");
  f.Presse("BTplus");
  EXPECT_EQ(f.Tableau(2), "300+");
  f.Presse("P5");

  EXPECT_FALSE(f.W("GBjeu")->isVisible());
  EXPECT_TRUE(f.W("GBinfo")->isVisible());
  EXPECT_FALSE(f.W<QTimer>("Timer1")->isActive());
  EXPECT_TRUE(f.fenetre->jeu().manche().Gagnee());
  EXPECT_EQ(f.plateforme.sons, (std::vector<QString>{"RestoreUp", "MenuPopup", "MenuPopup", "MenuCommand",
                                                     "MenuPopup", "SystemQuestion"}));
  // Its difficulty mark ends the summary.
  EXPECT_EQ(f.W<QTextEdit>("MMrecap")->toPlainText(),
            "303\n25 50 75 100 3 6 \n \n6x50=300\n300+3=303\nDifficulté : 1/5");
  auto* scores = f.W<QTreeWidget>("LVscore");
  ASSERT_EQ(scores->topLevelItemCount(), 1);
  EXPECT_EQ(f.Rangee(scores, 0), QStringList({"=>", "42'"}));
  EXPECT_EQ(f.W<QGroupBox>("GBbravo")->title(), "BRAVO");
  EXPECT_EQ(f.Tirage(0).value(9), "OUI");

  // Replaying keeps the clock where the target was found.
  f.Clique("BTrejoue");
  EXPECT_TRUE(f.W("GBjeu")->isVisible());
  EXPECT_EQ(f.W<QProgressBar>("PB")->text(), "Chrono 0:42");
  EXPECT_TRUE(f.W<QTimer>("Timer1")->isActive());
  EXPECT_EQ(f.Tuiles(), QStringList({"25", "50", "75", "100", "3", "6"}));
  for (const char* tuile : {"P1", "P2", "P3", "P4", "P5", "P6"}) EXPECT_TRUE(f.W(tuile)->isEnabled()) << tuile;
  EXPECT_EQ(f.Tableau(1), "");
  EXPECT_FALSE(f.fenetre->jeu().manche().Gagnee());
  EXPECT_EQ(f.NbTirages(), 1);
}

TEST(Partie, ADrawAFullListCannotTakeMarksNoOtherRowWhenWon) {
  PartieEnCours f;
  f.Commence(HasardDe303);
  RangeeTirage rangee = f.fenetre->jeu().bibliotheque().Modele().Rangee(0);
  while (!f.fenetre->jeu().bibliotheque().Modele().EstPleine()) f.AjouteTirages({rangee});
  f.Commence(HasardDe303);
  ASSERT_EQ(f.plateforme.messages.size(), 1u);  // the list is full
  f.Ligne("P6", "BTfois", "P2");
  f.Ligne("P2", "BTplus", "P5");
  ASSERT_TRUE(f.fenetre->jeu().manche().Gagnee());
  for (const int ligne : {0, 1, f.NbTirages() - 1}) EXPECT_EQ(f.Tirage(ligne).value(9), "NON") << ligne;
}

TEST(Partie, TimeRunsOutOnTheLastTickOfTheLimit) {
  PartieEnCours f;
  f.plateforme.tirages = HasardDe303;
  f.W<QComboBox>("CBtemps")->setCurrentIndex(1);
  EXPECT_EQ(f.W<QComboBox>("CBtemps")->currentText(), "20 secondes");
  EXPECT_EQ(f.W<QProgressBar>("PB")->maximum(), 20);
  f.Clique("BTnouvPartie");
  f.Tique(19);
  EXPECT_TRUE(f.W("GBjeu")->isVisible());
  EXPECT_EQ(f.W<QProgressBar>("PB")->value(), 19);
  EXPECT_EQ(f.W<QProgressBar>("PB")->text(), "Il reste 0:01");
  f.Tique(1);
  EXPECT_EQ(f.plateforme.sons.back(), "SystemExclamation");
  EXPECT_FALSE(f.W("GBjeu")->isVisible());
  EXPECT_TRUE(f.W("GBinfo")->isVisible());
  EXPECT_FALSE(f.W<QTimer>("Timer1")->isActive());
  // The bar shows the time the game ended with.
  EXPECT_EQ(f.W<QProgressBar>("PB")->value(), 20);
  EXPECT_EQ(f.W<QProgressBar>("PB")->text(), "Il reste 0:00");
  EXPECT_EQ(f.W<QTreeWidget>("LVscore")->topLevelItemCount(), 0);
  EXPECT_EQ(f.Tirage(0).value(9), "NON");
  // A lost game is not reported as a win: the summary names the draw missed.
  EXPECT_EQ(f.W<QGroupBox>("GBbravo")->title(), "Temps écoulé !");
  // The missed game counted for the player's rating, which it says last.
  EXPECT_TRUE(f.W<QTextEdit>("MMrecap")->toPlainText().startsWith("303\n25 50 75 100 3 6 \nDifficulté : 1/5\nMa cote : "));

  // With "Temps écoulé" off, the end is silent.
  f.W<QCheckBox>("CBsonlose")->setChecked(false);
  f.Clique("BTrejoue");
  EXPECT_EQ(f.W<QProgressBar>("PB")->value(), 0);
  const auto sonsAvant = f.plateforme.sons.size();
  f.Tique(20);
  EXPECT_EQ(f.plateforme.sons.size(), sonsAvant);
  EXPECT_TRUE(f.W("GBinfo")->isVisible());
}

TEST(Partie, AnAnswerAwaitedWhenTimeRunsOutCannotWinLater) {
  PartieEnCours f;
  f.plateforme.tirages = HasardDe303;
  f.W<QCheckBox>("CkBcalcul")->setChecked(false);
  f.W<QComboBox>("CBtemps")->setCurrentIndex(1);
  f.Clique("BTnouvPartie");
  f.Ligne("P6", "BTfois", "P2");
  auto* reponse = f.W<QLineEdit>("MaReponse");
  ASSERT_TRUE(reponse->isVisible());
  f.Tique(20);
  EXPECT_FALSE(reponse->isVisible());
  for (Qt::Key k : {Qt::Key_3, Qt::Key_0, Qt::Key_0}) QTest::keyClick(reponse, k, Qt::KeypadModifier);
  QTest::keyClick(reponse, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(f.fenetre->jeu().manche().Gagnee());
  EXPECT_EQ(f.W<QTreeWidget>("LVscore")->topLevelItemCount(), 0);

  // Replayed with results computed, nothing of the old answer is left.
  f.W<QCheckBox>("CkBcalcul")->setChecked(true);
  f.Clique("BTrejoue");
  EXPECT_FALSE(reponse->isVisible());
  EXPECT_EQ(f.Tableau(1), "");
  f.Ligne("P1", "BTplus", "P2");
  EXPECT_FALSE(reponse->isVisible());
  EXPECT_EQ(f.Tableau(1), "25+50=75");
}

TEST(Partie, ChangingTheTimeLimitRestartsTheClockOfTheGameInProgress) {
  PartieEnCours f;
  f.Commence(HasardDe303);
  f.Tique(30);
  f.W<QComboBox>("CBtemps")->setCurrentIndex(2);  // "40 secondes"
  EXPECT_EQ(f.W<QProgressBar>("PB")->value(), 0);
  EXPECT_EQ(f.W<QProgressBar>("PB")->maximum(), 40);
  EXPECT_TRUE(f.W<QTimer>("Timer1")->isActive());
  f.Tique(39);
  EXPECT_TRUE(f.W("GBjeu")->isVisible());
  f.Tique(1);
  EXPECT_FALSE(f.W("GBjeu")->isVisible());
}

TEST(Partie, AQuickSecondPressCountsAsAPress) {
  PartieEnCours f;
  f.Commence(HasardDe303);
  f.Ligne("P6", "BTfois", "P2");
  QMouseEvent doubleClic(QEvent::MouseButtonDblClick, QPointF(5, 5), f.W("P2")->mapToGlobal(QPointF(5, 5)),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f.W("P2"), &doubleClic);
  EXPECT_EQ(f.Tableau(2), "300");
  EXPECT_FALSE(f.W("P2")->isEnabled());
  // From the keyboard, Space is the press.
  QTest::keyClick(f.W("BTplus"), Qt::Key_Space);
  QTest::keyClick(f.W("P5"), Qt::Key_Space);
  EXPECT_EQ(f.Tableau(2), "300+3=303");
}

TEST(Partie, RepeatedStartsNeverSpeedTheClockUp) {
  PartieEnCours f;
  f.plateforme.tirages = HasardDe303;
  for (int i = 0; i < 3; ++i) f.Clique("Bresult");
  struct Espion : QTimer {
    using QObject::receivers;
  };
  auto* horloge = static_cast<Espion*>(f.W<QTimer>("Timer1"));
  EXPECT_EQ(horloge->receivers(SIGNAL(timeout())), 1);
  EXPECT_EQ(horloge->interval(), 250);
  EXPECT_EQ(f.NbTirages(), 3);
}

TEST(Partie, TypedAnswersAreCheckedOnEnter) {
  PartieEnCours f;
  f.plateforme.tirages = HasardDe303;
  f.W<QCheckBox>("CkBcalcul")->setChecked(false);
  f.Clique("BTnouvPartie");
  f.Ligne("P1", "BTplus", "P2");
  auto* reponse = f.W<QLineEdit>("MaReponse");
  ASSERT_TRUE(reponse->isVisible());
  EXPECT_TRUE(f.W("MaReponse2")->isVisible());
  EXPECT_EQ(reponse->text(), "???");
  EXPECT_EQ(f.Tableau(1), "25+50=");
  EXPECT_EQ(f.plateforme.sons.back(), "AppGPFault");

  reponse->clear();
  QTest::keyClicks(reponse, "76");  // the main row of the keyboard
  QTest::keyClick(reponse, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(reponse->text(), "");  // a wrong answer is wiped
  EXPECT_TRUE(reponse->isVisible());
  QTest::keyClick(reponse, Qt::Key_7, Qt::KeypadModifier);
  QTest::keyClick(reponse, Qt::Key_5, Qt::KeypadModifier);
  QTest::keyClick(reponse, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(reponse->isVisible());
  EXPECT_EQ(f.Tableau(1), "25+50=75");
  EXPECT_EQ(f.W<QPushButton>("P2")->text(), "75");

  // The winning line, typed, ends the game with the finished lines in the recap.
  const auto tape = [&](const char* gauche, const char* signe, const char* droite, const char* chiffres) {
    f.Ligne(gauche, signe, droite);
    for (const char* c = chiffres; *c; ++c) QTest::keyClick(reponse, Qt::Key(Qt::Key_0 + (*c - '0')), Qt::KeypadModifier);
    QTest::keyClick(reponse, Qt::Key_Enter, Qt::KeypadModifier);
  };
  tape("P3", "BTdivis", "P2", "1");    // 75/75=1 on P2
  tape("P4", "BTplus", "P2", "101");   // 100+1=101 on P2
  EXPECT_TRUE(f.W("GBjeu")->isVisible());
  tape("P5", "BTfois", "P2", "303");   // 3x101=303
  EXPECT_FALSE(f.W("GBjeu")->isVisible());
  EXPECT_EQ(f.W<QTextEdit>("MMrecap")->toPlainText(),
            "303\n25 50 75 100 3 6 \n \n25+50=75\n75/75=1\n100+1=101\n3x101=303\nDifficulté : 1/5");
  EXPECT_EQ(f.W<QTreeWidget>("LVscore")->topLevelItemCount(), 1);
}

// Seen even without sound: the refused line turns red for a moment.
TEST(Partie, ARefusedOperationFlashesItsLine) {
  PartieEnCours f;
  f.Commence(HasardDe303);
  const auto fond = [&f] { return f.W<QTextEdit>("MM1")->grab().toImage().pixelColor(4, 4); };
  const QColor noir = fond();
  f.Ligne("P5", "BTdivis", "P1");  // 3/25
  EXPECT_EQ(f.Tableau(1), "3/");
  EXPECT_GT(fond().red(), noir.red() + 80);
  QTest::qWait(500);
  EXPECT_EQ(fond(), noir);
}

TEST(Partie, RetourGivesBackTilesAndPlaysItsSound) {
  PartieEnCours f;
  f.Commence(HasardDe303);
  f.Ligne("P1", "BTplus", "P2");
  f.Ligne("P3", "BTmoins", "P2");
  EXPECT_EQ(f.Tableau(2), "75-75=0");
  f.Clique("BTannul");
  EXPECT_EQ(f.plateforme.sons.back(), "Minimize");
  EXPECT_EQ(f.Tableau(2), "");
  EXPECT_EQ(f.Tuiles(), QStringList({"25", "75", "75", "100", "3", "6"}));
  EXPECT_TRUE(f.W("P3")->isEnabled());
  f.W<QCheckBox>("CBsonBack")->setChecked(false);
  const auto sonsAvant = f.plateforme.sons.size();
  f.Clique("BTannul");
  EXPECT_EQ(f.plateforme.sons.size(), sonsAvant);
  EXPECT_EQ(f.Tuiles(), QStringList({"25", "50", "75", "100", "3", "6"}));
}

TEST(Partie, ClearingSelectedDrawsKeepsTheOthersInOrder) {
  PartieEnCours f;
  for (int i = 0; i < 5; ++i) f.Clique("Bresult");
  auto* vue = f.W<QTreeView>("LVtirage");
  ASSERT_EQ(f.NbTirages(), 5);
  QStringList cibles;
  for (int i = 0; i < 5; ++i) cibles.append(f.Tirage(i).value(0));
  for (int i : {0, 2, 4}) {
    vue->selectionModel()->select(vue->model()->index(i, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  f.fenetre->Effacercestirages1Click();
  ASSERT_EQ(f.NbTirages(), 2);
  EXPECT_EQ(f.Tirage(0).value(0), cibles[1]);
  EXPECT_EQ(f.Tirage(1).value(0), cibles[3]);

  // "Annuler" only closes the menu.
  vue->selectionModel()->select(vue->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  f.W<QMenu>("PMtirage")->findChild<QAction*>("Annuler1")->trigger();
  EXPECT_EQ(f.NbTirages(), 2);
  EXPECT_TRUE(vue->selectionModel()->isRowSelected(1));

  f.plateforme.reponses = {Reponse::Non, Reponse::Oui};
  f.Clique("BTeffaceTout");
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_EQ(f.plateforme.messages[0].type, TypeMessage::Information);
  EXPECT_EQ(f.plateforme.messages[0].boutons, BoutonsMessage::OuiNon);
  EXPECT_EQ(f.plateforme.messages[0].texte, "Etes vous sûr de vouloir tout effacer ?");
  EXPECT_EQ(f.NbTirages(), 2);
  f.Clique("BTeffaceTout");
  EXPECT_EQ(f.NbTirages(), 0);
}

TEST(Partie, DrawsFromTheListReplayItsRows) {
  PartieEnCours f;
  RangeeTirage rangee;
  rangee.cellules = {"250", "25", "50", "75", "100", "3", "6", "0", "0", "NON", ""};
  f.AjouteTirages({rangee});
  f.W<QRadioButton>("RBfichier")->setChecked(true);
  f.plateforme.tirages = {7};
  for (int i = 0; i < 2; ++i) {
    f.Clique("BTnouvPartie");
    EXPECT_EQ(f.W<QPushButton>("Bresult")->text(), "250");
    EXPECT_EQ(f.Tuiles(), QStringList({"25", "50", "75", "100", "3", "6"}));
    EXPECT_TRUE(f.fenetre->jeu().bibliotheque().Modele().EstCochee(0));
    EXPECT_EQ(f.NbTirages(), 1);
  }
  f.Ligne("P3", "BTplus", "P4");
  f.Presse("BTplus");
  f.Ligne("P2", "BTplus", "P1");
  EXPECT_EQ(f.Tirage(0).value(9), "OUI");
}

// With no draw to come out, a new game changes nothing: the summary stays
// and the last game's numbers cannot be played and won once more.
TEST(Partie, NoDrawNoGame) {
  PartieEnCours f;
  f.Commence(HasardDe303);
  f.Ligne("P6", "BTfois", "P2");
  f.Ligne("P2", "BTplus", "P5");
  ASSERT_TRUE(f.W("GBinfo")->isVisible());
  f.fenetre->BTeffaceToutClick();
  f.plateforme.messages.clear();
  f.W<QRadioButton>("RBfichier")->setChecked(true);
  const QString recap = f.W<QTextEdit>("MMrecap")->toPlainText();
  f.Clique("BTnouvPartie");
  EXPECT_TRUE(f.W("GBinfo")->isVisible());
  EXPECT_FALSE(f.W("GBjeu")->isVisible());
  EXPECT_FALSE(f.W<QTimer>("Timer1")->isActive());
  EXPECT_TRUE(f.plateforme.messages.empty());
  for (int code : Touches303) f.fenetre->Effectue(code);
  EXPECT_EQ(f.W<QTreeWidget>("LVscore")->topLevelItemCount(), 1);
  EXPECT_EQ(f.W<QTextEdit>("MMrecap")->toPlainText(), recap);
}

// Slots of the pool for 100 75 50 25 1 2, then the target 999.
const std::vector<int> TirageDeGrands = {23, 22, 21, 20, 0, 2, 898};

// The number fits whole within the control that shows it.
bool Entier(const QPushButton* tuile) {
  return QFontMetrics(tuile->font()).horizontalAdvance(tuile->text()) <= tuile->width() - 8;
}
bool Entier(const QTextEdit* ligne) {
  return QFontMetrics(ligne->font()).horizontalAdvance(ligne->toPlainText()) <= ligne->viewport()->width();
}

TEST(Partie, BigResultsShowWholeOnTilesAndLines) {
  PartieEnCours f;
  f.Commence(TirageDeGrands);
  const int taille = f.W<QPushButton>("P2")->font().pointSize();
  f.Ligne("P1", "BTfois", "P2");
  f.Ligne("P2", "BTfois", "P3");
  f.Ligne("P3", "BTfois", "P4");
  EXPECT_EQ(f.Tableau(3), "375000x25=9375000");
  EXPECT_EQ(f.W<QPushButton>("P4")->text(), "9375000");
  for (const char* nom : {"P1", "P2", "P3", "P4", "P5", "P6"}) EXPECT_TRUE(Entier(f.W<QPushButton>(nom))) << nom;
  for (const char* nom : {"MM1", "MM2", "MM3"}) EXPECT_TRUE(Entier(f.W<QTextEdit>(nom))) << nom;
  EXPECT_LT(f.W<QPushButton>("P4")->font().pointSize(), taille);
  // Short numbers get their usual size back.
  f.Clique("BTannul");
  f.Clique("BTannul");
  EXPECT_EQ(f.W<QPushButton>("P4")->text(), "25");
  EXPECT_EQ(f.W<QPushButton>("P4")->font().pointSize(), taille);

  // The fields of a typed draw take the board as it stands, whole.
  f.Clique("P2");
  f.Clique("BTfois");
  f.Clique("P3");
  f.Clique("BTmodifier");
  const auto* champ = f.W<QLineEdit>("Edit3");
  EXPECT_EQ(champ->text(), "375000");
  EXPECT_LE(QFontMetrics(champ->font()).horizontalAdvance(champ->text()), champ->width() - 10);
}

TEST(Partie, TypedAnswersKeepTheKeyboardAndTakeAnyResult) {
  PartieEnCours f;
  f.plateforme.tirages = TirageDeGrands;
  f.W<QCheckBox>("CkBcalcul")->setChecked(false);
  f.Clique("BTnouvPartie");
  f.fenetre->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
  auto* reponse = f.W<QLineEdit>("MaReponse");
  const auto tape = [&](const QString& chiffres) {
    for (QChar c : chiffres) QTest::keyClick(reponse, Qt::Key(Qt::Key_0 + c.digitValue()), Qt::KeypadModifier);
    QTest::keyClick(reponse, Qt::Key_Enter, Qt::KeypadModifier);
  };
  f.Ligne("P1", "BTfois", "P2");
  tape("7500");
  f.Ligne("P2", "BTfois", "P3");
  // A stray press while the answer is awaited leaves the keyboard to it.
  f.Presse("P5");
  f.Presse("BTplus");
  EXPECT_EQ(QApplication::focusWidget(), reponse);
  tape("375000");
  EXPECT_EQ(f.Tableau(2), "7500x50=375000");
  f.Ligne("P3", "BTfois", "P4");
  tape("9375000");
  EXPECT_EQ(f.Tableau(3), "375000x25=9375000");
  EXPECT_FALSE(reponse->isVisible());
}

TEST(Partie, SolvingOptionsGoTogether) {
  PartieEnCours f;
  auto* automatique = f.W<QCheckBox>("CBauto");
  auto* realisables = f.W<QRadioButton>("CkBreal");
  auto* montre = f.W<QCheckBox>("CBmontre");
  f.MontrePage("TSoption");
  automatique->click();
  EXPECT_TRUE(realisables->isEnabled());
  EXPECT_TRUE(montre->isEnabled());
  realisables->click();
  montre->click();
  EXPECT_TRUE(realisables->isChecked());
  EXPECT_FALSE(f.W("LBnbsol")->isHidden());

  f.plateforme.tirages = HasardDe303;
  f.MontrePage("TSjeu");
  f.Clique("BTnouvPartie");
  const Solveur& solveur = f.fenetre->jeu().solveur();
  EXPECT_EQ(solveur.SolutionsCalculees, 1);
  EXPECT_EQ(f.W<QLabel>("LBnbsol")->text(), QString::number(solveur.NbSolutions));
  EXPECT_EQ(f.Tirage(0).value(7), QString::number(solveur.NbSolutions));
  EXPECT_EQ(f.Tirage(0).value(10), QString::fromStdString(solveur.TexteSimple));

  automatique->click();
  EXPECT_FALSE(realisables->isEnabled());
  EXPECT_FALSE(realisables->isChecked());
  EXPECT_TRUE(f.W<QRadioButton>("RBquelconque")->isChecked());
  EXPECT_FALSE(montre->isEnabled());
  EXPECT_FALSE(montre->isChecked());
  EXPECT_TRUE(f.W("LBnbsol")->isHidden());
}

}  // namespace
}  // namespace tolvan::test
