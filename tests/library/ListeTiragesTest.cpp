#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include <QPersistentModelIndex>

#include "ImpressionQt.h"
#include "library/ListeTirages.h"

namespace tolvan::test {
namespace {

RangeeTirage Rangee(const std::string& cible, const std::string& premier = "1") {
  RangeeTirage rangee;
  rangee.cellules = {cible, premier, "2", "3", "4", "5", "6", "0", "0", "NON", ""};
  return rangee;
}

std::vector<std::string> Cibles(const ListeTirages& liste) {
  std::vector<std::string> cibles;
  for (int i = 0; i < liste.NbLignes(); ++i) cibles.push_back(liste.Rangee(i).cellules[CelluleResultat]);
  return cibles;
}

TEST(ListeTirages, TheFoundMarkFollowsItsRowOrIsDropped) {
  ListeTirages liste;
  for (const char* cible : {"101", "102", "103", "104", "105"}) liste.Ajoute(Rangee(cible));
  liste.DefinitLigneCourante(3);  // 104
  liste.Efface({2, 0, 2, 17});
  EXPECT_EQ(Cibles(liste), std::vector<std::string>({"102", "104", "105"}));
  EXPECT_EQ(liste.LigneCourante(), 1);
  liste.MarqueTrouve();
  EXPECT_EQ(liste.Rangee(1).cellules[CelluleTrouve], "OUI");
  EXPECT_EQ(liste.Rangee(2).cellules[CelluleTrouve], "NON");

  // Sorting moves the row, and the mark with it.
  liste.DefinitLigneCourante(0);  // 102
  liste.Ajoute(Rangee("1000"));
  liste.Classe(true);
  EXPECT_EQ(Cibles(liste), std::vector<std::string>({"1000", "102", "104", "105"}));
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

// Losing the list would lose rows played, or solved or found since the
// list was last saved or read; not rows read, ticked, sorted or deleted.
TEST(ListeTirages, KnowsWhetherItHoldsRowsChangedSinceLastSavedOrRead) {
  ListeTirages liste;
  const std::vector<std::pair<std::function<void()>, bool>> etapes = {
      {[&] { liste.AjouteLue(Rangee("101")), liste.AjouteLue(Rangee("102")); }, false},
      {[&] { liste.CocheLigne(0), liste.Classe(true), liste.EcritSolution(0, 0, 0, ""); }, false},
      {[&] { liste.EcritSolution(0, 269, 3, "100=(6-1)x4x5"); }, true},
      {[&] { liste.MarqueSauvee(); }, false},
      {[&] { liste.DefinitLigneCourante(1), liste.MarqueTrouve(); }, true},
      {[&] { liste.MarqueSauvee(), liste.MarqueTrouve(); }, false},
      {[&] { liste.Ajoute(Rangee("103")); }, true},
      {[&] { liste.Efface({2}); }, false},
  };
  for (std::size_t i = 0; i < etapes.size(); ++i) {
    etapes[i].first();
    EXPECT_EQ(liste.ChangeeDepuisSauvegarde(), etapes[i].second) << "step " << i;
  }
}

TEST(ListeTirages, KeptSortedByTargetAsTextWhileAsked) {
  ListeTirages liste;
  for (const char* cible : {"999", "101", "1000"}) liste.Ajoute(Rangee(cible));
  const QPersistentModelIndex choisie = liste.index(0, 3);  // "999", as a selection holds it
  liste.Classe(true);
  EXPECT_EQ(Cibles(liste), std::vector<std::string>({"1000", "101", "999"}));
  EXPECT_EQ(choisie.row(), 2);
  EXPECT_EQ(choisie.column(), 3);
  // Appended rows take their place, after any equal target.
  const RangeeTirage autre101 = Rangee("101", "9");
  EXPECT_EQ(liste.Ajoute(autre101), 2);
  EXPECT_EQ(liste.Ajoute(Rangee("0")), 0);
  EXPECT_EQ(Cibles(liste), std::vector<std::string>({"0", "1000", "101", "101", "999"}));
  EXPECT_EQ(liste.Rangee(3).cellules[1], "9");
  liste.Classe(false);
  EXPECT_EQ(liste.Ajoute(Rangee("100")), 5);
  EXPECT_EQ(Cibles(liste).back(), "100");
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
