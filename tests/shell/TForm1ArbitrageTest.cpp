#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "FenetreDeTest.h"
#include "shell/GrilleSaisie.h"
#include "shell/TFRMarbitrage.h"

namespace tolvan::test {
namespace {

// Keys as the keyboard sends them: to whatever has it. Enter ends a
// cell's typing a moment later, as the window's events run.
void Tape(const QString& texte) {
  for (const QChar c : texte) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
void Touche(Qt::Key touche) {
  QTest::keyClick(QApplication::focusWidget(), touche);
  QApplication::processEvents();
}

QString NomParle(QWidget* controle) {
  QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(controle);
  return interface ? interface->text(QAccessible::Name) : QString();
}

// What the desk's window does itself: its grid is typed in from the
// keyboard alone, Tab moving from cell to cell while a number is typed and
// leaving the grid otherwise; each number's check is said where the
// keyboard goes (the next cell's field, or the cell itself after Enter)
// and shown below the grid; the ranking follows.
TEST(TForm1Arbitrage, PaperSheetsAreTypedOnTheGridWithEachCheckSaidWhereTheKeyboardIs) {
  FenetreDeTest f;
  auto* bouton = f.Trouve<QPushButton>("BTarbitrage");
  EXPECT_EQ(bouton->text(), QStringLiteral("Arbitrage"));
  bool ouverte = false;
  f.plateforme.quandDialogue = [&](QDialog& dialogue) {
    auto& bureau = dynamic_cast<TFRMarbitrage&>(dialogue);
    ouverte = true;
    bureau.show();
    bureau.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bureau));
    EXPECT_EQ(bureau.LBverification->text(), QStringLiteral("Tapez le code de la série ou rassemblez des lignes : il donne les tirages des feuilles."));
    bureau.TXTcodeArbitrage->setText(QStringLiteral("12jr-00ka-aaqw"));
    bureau.TXTcodeArbitrageFini();
    EXPECT_EQ(bureau.TXTcodeArbitrage->text(), QStringLiteral("12JR-00KA-AAQW"));

    GrilleSaisie* grille = bureau.LVsaisie;
    bureau.PCarbitrage->setCurrentWidget(bureau.TSsaisie);
    ASSERT_EQ(grille->columnCount(), 4);
    EXPECT_EQ(grille->horizontalHeaderItem(1)->toolTip(), QStringLiteral("7 50 1 5 75 25 → 321"));
    grille->setFocus();
    grille->setCurrentCell(0, 0);
    Tape(QStringLiteral("Anne"));
    Touche(Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), grille) << "a field opens on the next cell";
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Anne, tirage 1"));
    Tape(QStringLiteral("321"));
    Touche(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(),
              QStringLiteral("321 : le compte est bon, 10 points. Anne, tirage 2"));
    Tape(QStringLiteral("264"));
    Touche(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), grille);
    QAccessibleInterface* tableau = QAccessible::queryAccessibleInterface(grille);
    QAccessibleInterface* cellule = tableau->focusChild();
    ASSERT_NE(cellule, nullptr);
    EXPECT_EQ(cellule->text(QAccessible::Name), QStringLiteral("Anne, tirage 2 : 264 : à 4 de 268, 6 points"));
    // Numbered as Qt tells the desktop which cell has the keyboard: the
    // titles' row first, and each row's header (its number) first.
    EXPECT_EQ(tableau->indexOfChild(cellule), (0 + 1) * (1 + 4) + 1 + 2);
    EXPECT_EQ(tableau->tableInterface()->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("1"));
    EXPECT_TRUE(grille->accessibleDescription().startsWith(QStringLiteral("264 : à 4 de 268, 6 points. Joueur : Anne")))
        << "the check, then the row, as the grid takes the keyboard back";
    EXPECT_EQ(bureau.LBverification->text(), QStringLiteral("264 : à 4 de 268, 6 points"));
    EXPECT_EQ(NomParle(bureau.LBverification), bureau.LBverification->text());

    // What is not a number is said and not kept.
    grille->setCurrentCell(0, 3);
    Tape(QStringLiteral("4x"));
    Touche(Qt::Key_Return);
    EXPECT_EQ(bureau.LBverification->text(), QStringLiteral("« 4x » n'est pas un nombre entier positif"));
    EXPECT_EQ(grille->item(0, 3)->text(), QString());

    // The ranking follows; Tab leaves the grid once nothing is typed.
    ASSERT_EQ(bureau.LVclassement->topLevelItemCount(), 1);
    EXPECT_EQ(bureau.LVclassement->topLevelItem(0)->text(1), QStringLiteral("Anne"));
    EXPECT_EQ(bureau.LVclassement->topLevelItem(0)->text(2), QStringLiteral("16"));
    EXPECT_EQ(bureau.LBbilanArbitrage->text(), QStringLiteral("Classés : 1, refusées : 0, alertes : 0"));
    EXPECT_EQ(grille->rowCount(), 2) << "a row for the next sheet";
    Touche(Qt::Key_Tab);
    EXPECT_FALSE(grille->isAncestorOf(QApplication::focusWidget()));
    EXPECT_NE(QApplication::focusWidget(), grille);

    // A name is shown as written, even in a bubble, which reads markup.
    f.plateforme.pressePapier = {QStringLiteral("12JR-00KA-AAQW;<b>Zoé</b>;10;10;0;0;321;;")};
    bureau.BTcollerArbitrageClick();
    ASSERT_EQ(bureau.LVclassement->topLevelItemCount(), 2);
    const QTreeWidgetItem* zoe = bureau.LVclassement->topLevelItem(1);
    EXPECT_EQ(zoe->text(1), QStringLiteral("<b>Zoé</b>"));
    EXPECT_EQ(zoe->toolTip(1), QStringLiteral("<qt>&lt;b&gt;Zoé&lt;/b&gt;</qt>"));
    bureau.hide();
  };
  bouton->click();
  EXPECT_TRUE(ouverte);
}

}  // namespace
}  // namespace tolvan::test
