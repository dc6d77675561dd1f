#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include "FenetreDeTest.h"

namespace tolvan::test {
namespace {

struct Fenetre : FenetreDeTest {
  Fenetre() {
    fenetre->show();
    fenetre->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    MontrePage("TSjeu");
  }
  template <class Controle = QWidget>
  Controle* W(const char* nom) const {
    return Trouve<Controle>(nom);
  }
  QLineEdit* Champ(int k) const { return W<QLineEdit>(qPrintable(QStringLiteral("Edit%1").arg(k))); }
  // Keypad digits.
  void Pave(QWidget* champ, const QString& chiffres) const {
    for (QChar c : chiffres) QTest::keyClick(champ, Qt::Key(Qt::Key_0 + c.digitValue()), Qt::KeypadModifier);
  }
  // "Modifier", the draw typed field by field, "Jouer".
  void Joue(const QStringList& champs) {
    QTest::mouseClick(W("BTmodifier"), Qt::LeftButton);
    for (int k = 1; k <= 7; ++k) {
      Champ(k)->clear();
      Pave(Champ(k), champs[k - 1]);
    }
    QTest::mouseClick(W("BTjouer"), Qt::LeftButton);
  }
  QString Solutions() const { return W<QTextEdit>("TMsolution")->toPlainText(); }
};

TEST(Aides, ADrawTypedOnTheKeypadIsPlayedWhole) {
  Fenetre f;
  QTest::mouseClick(f.W("BTmodifier"), Qt::LeftButton);
  EXPECT_TRUE(f.W("GBsaisie")->isVisible());
  EXPECT_TRUE(f.W("BTjouer")->isVisible());
  EXPECT_FALSE(f.W("BTmodifier")->isVisible());
  EXPECT_EQ(f.Champ(1)->text(), "1");  // the tiles as they stand
  EXPECT_EQ(f.Champ(7)->text(), "999");
  EXPECT_EQ(QApplication::focusWidget(), f.Champ(1));
  f.Pave(f.Champ(1), "7");  // the number shown gives way to the first digit
  EXPECT_EQ(f.Champ(1)->text(), "7");
  QTest::keyClick(f.Champ(7), Qt::Key_Enter);
  EXPECT_EQ(QApplication::focusWidget(), f.Champ(1));
  EXPECT_EQ(f.Champ(1)->selectedText(), "7");
  f.Champ(2)->setText("4");
  f.Pave(f.Champ(2), "2");
  QTest::keyClick(f.Champ(2), Qt::Key_Left);
  EXPECT_EQ(f.Champ(2)->text(), "42");

  // A pasted "12a" takes nothing and waits in its field.
  f.Champ(3)->setText("12a");
  QTest::mouseClick(f.W("BTjouer"), Qt::LeftButton);
  EXPECT_TRUE(f.W("GBsaisie")->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), f.Champ(3));
  EXPECT_EQ(f.fenetre->jeu().solveur().Tirage.Nombres[2], 1);

  f.fenetre->BTdecompClick();
  ASSERT_FALSE(f.W<QLineEdit>("Ldecompos")->text().isEmpty());
  f.Joue({"0", "0", "5", "5", "10", "100", "0"});
  EXPECT_TRUE(f.W("GBjeu")->isVisible());
  EXPECT_EQ(f.W<QLineEdit>("Ldecompos")->text(), "");  // it was about the draw before
  QStringList tuiles;
  for (int i = 1; i <= 6; ++i) tuiles.append(f.W<QPushButton>(qPrintable(QStringLiteral("P%1").arg(i)))->text());
  EXPECT_EQ(tuiles, QStringList({"1", "1", "5", "5", "10", "100"}));
  EXPECT_EQ(f.W<QPushButton>("Bresult")->text(), "0");
  ASSERT_EQ(f.fenetre->jeu().bibliotheque().Modele().NbLignes(), 1);
  EXPECT_EQ(LigneTirage(f.fenetre->jeu().bibliotheque().Modele().Rangee(0)), "0\t1\t1\t5\t5\t10\t100\t0\t0\tNON\t\t");
  EXPECT_EQ(f.fenetre->jeu().bibliotheque().Modele().LigneCourante(), 0);
}

TEST(Aides, TheSolutionsPanelCoversTheBoardUntilTheNextPress) {
  Fenetre f;
  f.Joue({"1", "2", "3", "4", "5", "6", "100"});
  QTest::mouseClick(f.W("BTvoirSol"), Qt::LeftButton);
  EXPECT_TRUE(f.W("TMsolution")->isVisible());
  EXPECT_TRUE(f.W("GBopSol")->isVisible());
  EXPECT_EQ(f.W<QPushButton>("BTvoirSol")->text(), "Voir le tableau");
  QTest::mouseClick(f.W("BTsimple"), Qt::LeftButton);
  EXPECT_EQ(f.Solutions(), "!- 135/269 -!\n\n6-1=5\n5x4=20\n20x5=100");
  f.W<QComboBox>("CBetape")->setCurrentIndex(3);
  f.W<QComboBox>("CBoper")->setCurrentText("x");
  QTest::mouseClick(f.W("BTright"), Qt::LeftButton);
  const QStringList lignes = f.Solutions().split('\n');
  ASSERT_EQ(lignes.size(), 5);
  EXPECT_TRUE(lignes[4].contains('x')) << f.Solutions().toStdString();  // three steps, the last a product
  QTest::mouseClick(f.W("BTmienne"), Qt::LeftButton);
  EXPECT_EQ(f.Solutions(), "\ntu\nn'as pas\ntrouvé\nla\nsolution");

  // A press on a tile brings the board back first.
  QTest::mousePress(f.W("P1"), Qt::LeftButton);
  EXPECT_FALSE(f.W("TMsolution")->isVisible());
  EXPECT_EQ(f.W<QPushButton>("BTvoirSol")->text(), "Voir les solutions");
  EXPECT_EQ(f.W<QTextEdit>("MM1")->toPlainText(), "1");
}

TEST(Aides, ThePlayersOwnSolutionAfterATypedWin) {
  Fenetre f;
  f.W<QCheckBox>("CkBcalcul")->setChecked(false);
  f.Joue({"5", "5", "4", "6", "1", "2", "100"});
  auto* reponse = f.W<QLineEdit>("MaReponse");
  for (const auto& [gauche, signe, droite, resultat] : std::vector<std::array<const char*, 4>>{
           {"P1", "BTplus", "P2", "10"}, {"P4", "BTplus", "P3", "10"}, {"P2", "BTfois", "P3", "100"}}) {
    for (const char* nom : {gauche, signe, droite}) QTest::mousePress(f.W(nom), Qt::LeftButton);
    f.Pave(reponse, resultat);
    QTest::keyClick(reponse, Qt::Key_Enter, Qt::KeypadModifier);
  }
  ASSERT_TRUE(f.fenetre->jeu().manche().Gagnee());
  f.fenetre->BTvoirSolClick();
  QTest::mouseClick(f.W("BTmienne"), Qt::LeftButton);
  EXPECT_EQ(f.Solutions(), "--- 220/264 ---\n\n6+4=10\n5+5=10\n10x10=100");
}

TEST(Aides, TheBandGrowsTheWindowWithHintsAndACalculator) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  Fenetre f;
  QLocale::setDefault(QLocale::c());
  f.Joue({"2", "2", "2", "2", "2", "2", "64"});
  QTest::mouseClick(f.W("BTback"), Qt::LeftButton);
  EXPECT_EQ(f.fenetre->size(), QSize(562, 485));
  EXPECT_TRUE(f.W("GBindice")->isVisible());
  EXPECT_TRUE(f.W("GBcalcul")->isVisible());

  auto* nombre = f.W<QLineEdit>("Enbadecomp");
  nombre->clear();
  QTest::mouseClick(f.W("BTdecomp"), Qt::LeftButton);
  EXPECT_EQ(nombre->text(), "64");
  EXPECT_EQ(f.W<QLineEdit>("Ldecompos")->text(), "2 x 2 x 2 x 2 x 2 x 2");
  nombre->clear();
  f.Pave(nombre, "84");
  QTest::keyClick(nombre, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(f.W<QLineEdit>("Ldecompos")->text(), "2 x 2 x 3 x 7");

  auto* derniere = f.W<QLineEdit>("ElastLigne");
  QTest::mouseClick(f.W("RBdiv"), Qt::LeftButton);
  EXPECT_EQ(derniere->text(), "Y en a pas");
  QTest::mouseClick(f.W("BitBtn5"), Qt::LeftButton);
  EXPECT_EQ(derniere->text(), "Y en a pas !!!");
  QTest::mouseClick(f.W("RBfois"), Qt::LeftButton);
  EXPECT_TRUE(derniere->text().startsWith("64=")) << derniere->text().toStdString();

  auto* calcul = f.W<QLineEdit>("Lcalcul");
  f.Pave(calcul, "10");
  QTest::keyClick(calcul, Qt::Key_Slash, Qt::KeypadModifier);
  f.Pave(calcul, "3");
  EXPECT_EQ(calcul->text(), "10/3");
  QTest::keyClick(calcul, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(f.W<QLineEdit>("TXTresult")->text(), "3,333");
  QTest::keyClick(calcul, Qt::Key_A);  // a letter wipes the calculation
  EXPECT_EQ(calcul->text(), "");
  EXPECT_EQ(f.W<QLineEdit>("TXTnb1")->text(), "");

  QTest::mouseClick(f.W("BTback"), Qt::LeftButton);
  EXPECT_EQ(f.fenetre->size(), QSize(562, 339));
  EXPECT_FALSE(f.W("GBindice")->isVisible());
}

}  // namespace
}  // namespace tolvan::test
