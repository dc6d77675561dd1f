#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "FenetreDeTest.h"

namespace tolvan::test {
namespace {

// From the keyboard alone: F3 reaches the field, a refused calculation
// changes nothing and keeps its text with the reason where the keyboard
// is, an accepted one goes on the board, and a win ends on the summary.
TEST(Calcul, ACalculationTypedInTheFieldIsPlayedOnTheBoardOrRefusedWithItsReason) {
  FenetreActive f;
  f.fenetre->BresultClick();
  // Each answer comes with a field of its own, which takes the keyboard.
  const auto champ = [&f] { return f.Trouve<QLineEdit>("MonCalcul"); };
  const auto ligne = [&f](const char* nom) { return f.Trouve<QTextEdit>(nom)->toPlainText(); };
  const auto tape = [&champ](const QString& texte) {
    QTest::keyClicks(champ(), texte);
    QTest::keyClick(champ(), Qt::Key_Return);
  };
  ASSERT_TRUE(champ()->isVisible());
  EXPECT_EQ(champ()->accessibleName(), "Tapez un calcul");
  f.Trouve<QWidget>("P4")->setFocus();
  QTest::keyClick(f.Trouve<QWidget>("P4"), Qt::Key_F3);
  ASSERT_EQ(QApplication::focusWidget(), champ());

  tape("75x4");
  EXPECT_EQ(champ()->text(), "75x4");
  EXPECT_EQ(champ()->accessibleDescription(), "Refusé : 4 n'est plus en jeu.");
  EXPECT_EQ(QApplication::focusWidget(), champ());
  EXPECT_EQ(ligne("MM1"), "");
  EXPECT_EQ(f.fenetre->findChildren<QLineEdit*>("MonCalcul").size(), 1);
  EXPECT_TRUE(f.Trouve<QWidget>("P4")->isEnabled());

  champ()->clear();
  tape("(75+25)x3");
  EXPECT_EQ(ligne("MM1"), "75+25=100");
  EXPECT_EQ(ligne("MM2"), "100x3=300");
  EXPECT_EQ(champ()->text(), "");
  EXPECT_EQ(champ()->accessibleDescription(), "Joué : 75+25=100, 100x3=300.");
  EXPECT_EQ(QApplication::focusWidget(), champ());
  // Backspace mends the field; it never takes a line back.
  QTest::keyClick(champ(), Qt::Key_Backspace);
  EXPECT_EQ(ligne("MM2"), "100x3=300");

  tape("r");
  EXPECT_EQ(ligne("MM2"), "");
  tape("6x50+3");
  EXPECT_TRUE(f.fenetre->jeu().manche().Gagnee());
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "MMrecap");
  EXPECT_FALSE(champ()->isVisible());
}

}  // namespace
}  // namespace tolvan::test
