#include <gtest/gtest.h>

#include <stdexcept>

#include <QPersistentModelIndex>

#include "ImpressionQt.h"
#include "library/ListeTirages.h"

namespace tolvan::test {
namespace {

RangeeTirage Rangee(const QString& cible) {
  RangeeTirage rangee;
  rangee.cellules = {cible, "1", "2", "3", "4", "5", "6", "0", "0", "NON", ""};
  return rangee;
}

QStringList Cibles(const ListeTirages& liste) {
  QStringList cibles;
  for (int i = 0; i < liste.NbLignes(); ++i) cibles.append(liste.Rangee(i).cellules[CelluleResultat]);
  return cibles;
}

TEST(ListeTirages, ADrawBecomesARowAndALineAndBack) {
  const TTirage tirage{NombresTirage{{{3, 7, 8, 25, 50, 100}}}, 512};
  const RangeeTirage nonResolu = RangeeDuTirage(tirage, 0, 0, "");
  EXPECT_EQ(LigneTirage(nonResolu), "512\t3\t7\t8\t25\t50\t100\t0\t0\tNON\t\t");
  EXPECT_EQ(TirageDeRangee(nonResolu), tirage);
  EXPECT_FALSE(nonResolu.cochee);
  EXPECT_EQ(RangeeDuTirage(tirage, 269, 3, "100=(6-1)x4x5").cellules[CelluleSolution], "100=(6-1)x4x5");

  RangeeTirage lue = Rangee("0512");  // as a draws file may hold it
  EXPECT_EQ(TirageDeRangee(lue).Resultat, 512);
  for (int cellule : {CelluleResultat, 1, 6}) {
    for (const QString& mauvais : {QString("abc"), QString(""), QString("6x"), QString("99999999999")}) {
      RangeeTirage rangee = Rangee("100");
      rangee.cellules[static_cast<std::size_t>(cellule)] = mauvais;
      EXPECT_THROW(TirageDeRangee(rangee), std::invalid_argument) << cellule << ' ' << mauvais.toStdString();
    }
  }
}

TEST(ListeTirages, TheFoundMarkFollowsItsRowOrIsDropped) {
  ListeTirages liste;
  for (const char* cible : {"101", "102", "103", "104", "105"}) liste.Ajoute(Rangee(cible));
  liste.DefinitLigneCourante(3);  // 104
  liste.Efface({2, 0, 2, 17});
  EXPECT_EQ(Cibles(liste), QStringList({"102", "104", "105"}));
  EXPECT_EQ(liste.LigneCourante(), 1);
  liste.MarqueTrouve();
  EXPECT_EQ(liste.Rangee(1).cellules[CelluleTrouve], "OUI");
  EXPECT_EQ(liste.Rangee(2).cellules[CelluleTrouve], "NON");

  // Sorting moves the row, and the mark with it.
  liste.DefinitLigneCourante(0);  // 102
  liste.Ajoute(Rangee("1000"));
  liste.Classe(true);
  EXPECT_EQ(Cibles(liste), QStringList({"1000", "102", "104", "105"}));
  liste.MarqueTrouve();
  EXPECT_EQ(liste.Rangee(1).cellules[CelluleTrouve], "OUI");

  liste.Efface({1});
  EXPECT_EQ(liste.LigneCourante(), -1);
  liste.MarqueTrouve();  // its row is gone: nothing is marked
  EXPECT_EQ(liste.Rangee(0).cellules[CelluleTrouve], "NON");
  liste.EffaceTout();
  EXPECT_EQ(liste.NbLignes(), 0);
  liste.MarqueTrouve();
}

TEST(ListeTirages, KeptSortedByTargetAsTextWhileAsked) {
  ListeTirages liste;
  for (const char* cible : {"999", "101", "1000"}) liste.Ajoute(Rangee(cible));
  const QPersistentModelIndex choisie = liste.index(0, 3);  // "999", as a selection holds it
  liste.Classe(true);
  EXPECT_EQ(Cibles(liste), QStringList({"1000", "101", "999"}));
  EXPECT_EQ(choisie.row(), 2);
  EXPECT_EQ(choisie.column(), 3);
  // Appended rows take their place, after any equal target.
  RangeeTirage autre101 = Rangee("101");
  autre101.cellules[1] = "9";
  EXPECT_EQ(liste.Ajoute(autre101), 2);
  EXPECT_EQ(liste.Ajoute(Rangee("0")), 0);
  EXPECT_EQ(Cibles(liste), QStringList({"0", "1000", "101", "101", "999"}));
  EXPECT_EQ(liste.Rangee(3).cellules[1], "9");
  liste.Classe(false);
  EXPECT_EQ(liste.Ajoute(Rangee("100")), 5);
  EXPECT_EQ(Cibles(liste).last(), "100");
}

TEST(ListeTirages, TheViewSeesTextCellsAndTicksOnlyTheCheckBox) {
  ListeTirages liste;
  liste.Ajoute(Rangee("300"));
  const QModelIndex cible = liste.index(0, CelluleResultat);
  EXPECT_EQ(liste.data(liste.index(0, CelluleTrouve), Qt::DisplayRole).toString(), "NON");
  EXPECT_EQ(liste.headerData(CelluleNbSol, Qt::Horizontal, Qt::DisplayRole).toString(), "nb Sol");
  EXPECT_FALSE(liste.flags(cible) & Qt::ItemIsEditable);
  EXPECT_TRUE(liste.flags(cible) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(liste.flags(liste.index(0, 1)) & Qt::ItemIsUserCheckable);

  EXPECT_TRUE(liste.setData(cible, Qt::Checked, Qt::CheckStateRole));
  EXPECT_TRUE(liste.EstCochee(0));
  EXPECT_FALSE(liste.setData(cible, "999", Qt::EditRole));
  EXPECT_EQ(liste.Rangee(0).cellules[CelluleResultat], "300");
  liste.setData(cible, Qt::Unchecked, Qt::CheckStateRole);
  EXPECT_FALSE(liste.EstCochee(0));
  liste.CocheLigne(0);
  EXPECT_EQ(liste.data(cible, Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_FALSE(liste.EstCochee(5));
  EXPECT_THROW(liste.Rangee(5), std::out_of_range);
}

}  // namespace
}  // namespace tolvan::test
