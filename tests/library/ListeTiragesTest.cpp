#include <gtest/gtest.h>

#include <stdexcept>

#include <QTreeWidget>

#include "ImpressionQt.h"
#include "library/ListeTirages.h"

namespace tolvan::test {
namespace {

QStringList Ligne(int cible) { return {QString::number(cible), "1", "2", "3", "4", "5", "6", "0", "0", "NON", ""}; }

TEST(ListeTirages, AnUnsolvedDrawShowsZerosAndNoSolution) {
  Solveur solveur;
  solveur.Tirage.Nombres = NombresTirage{{{3, 7, 8, 25, 50, 100}}};
  solveur.Tirage.Resultat = 512;
  solveur.NbSolutions = 0;
  solveur.NbEtapesMin = 0;
  solveur.TexteSimple.clear();
  EXPECT_EQ(CellulesDuTirage(solveur),
            QStringList({"512", "3", "7", "8", "25", "50", "100", "0", "0", "NON", ""}));
  solveur.ChercheSol(0);
  const QStringList resolu = CellulesDuTirage(solveur);
  EXPECT_EQ(resolu.value(7), QString::number(solveur.NbSolutions));
  EXPECT_EQ(resolu.value(10), QString::fromStdString(solveur.TexteSimple));
}

TEST(ListeTirages, RowsBecomeDrawsOnlyWhenTheirCellsAreWholeNumbers) {
  const TTirage t = TirageDesCellules({"0512", "3", "7", "8", "25", "50", "100", "2", "3", "OUI", "abc"});
  EXPECT_EQ(t.Resultat, 512);
  EXPECT_EQ(t.Nombres, (NombresTirage{{{3, 7, 8, 25, 50, 100}}}));
  for (const QStringList& mauvaise : {QStringList{"abc", "1", "2", "3", "4", "5", "6"},
                                      QStringList{"100", "1", "2", "", "4", "5", "6"},
                                      QStringList{"100", "1", "2", "3", "4", "5", "6x"},
                                      QStringList{"100", "1", "2"}}) {
    EXPECT_THROW(TirageDesCellules(mauvaise), std::invalid_argument) << mauvaise.join(' ').toStdString();
  }
}

TEST(ListeTirages, TheFoundMarkFollowsItsRowOrIsDropped) {
  QTreeWidget vue;
  vue.setColumnCount(NbCellules);
  ListeTirages liste(&vue);
  for (int cible : {101, 102, 103, 104, 105}) liste.Ajoute(Ligne(cible));
  liste.DefinitLigneCourante(3);  // 104
  vue.topLevelItem(0)->setSelected(true);
  vue.topLevelItem(2)->setSelected(true);
  liste.EffaceSelection();
  ASSERT_EQ(liste.NbLignes(), 3);
  EXPECT_EQ(liste.LigneCourante(), 3);  // the index itself is not adjusted
  liste.MarqueTrouve();
  EXPECT_EQ(liste.Cellules(1).value(CelluleTrouve), "OUI");
  EXPECT_EQ(liste.Cellules(1).value(0), "104");
  EXPECT_EQ(liste.Cellules(2).value(CelluleTrouve), "NON");

  vue.sortItems(0, Qt::DescendingOrder);
  liste.DefinitLigneCourante(0);  // 105
  vue.sortItems(0, Qt::AscendingOrder);
  liste.MarqueTrouve();
  EXPECT_EQ(liste.Cellules(2).value(0), "105");
  EXPECT_EQ(liste.Cellules(2).value(CelluleTrouve), "OUI");

  vue.topLevelItem(2)->setSelected(true);
  liste.EffaceSelection();
  liste.MarqueTrouve();  // its row is gone: nothing is marked
  EXPECT_EQ(liste.Cellules(0).value(CelluleTrouve), "NON");
  liste.EffaceTout();
  EXPECT_EQ(liste.NbLignes(), 0);
  liste.MarqueTrouve();
}

TEST(ListeTirages, RowsHaveACheckBoxAndCannotBeEdited) {
  QTreeWidget vue;
  vue.setColumnCount(NbCellules);
  ListeTirages liste(&vue);
  const int ligne = liste.Ajoute(Ligne(300));
  EXPECT_FALSE(liste.EstCochee(ligne));
  liste.CocheLigne(ligne);
  EXPECT_TRUE(liste.EstCochee(ligne));
  EXPECT_FALSE(vue.topLevelItem(ligne)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(liste.Cellules(ligne), Ligne(300));
}

}  // namespace
}  // namespace tolvan::test
