#include <gtest/gtest.h>

#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include "FenetreDeTest.h"

namespace tolvan::test {
namespace {

struct Lecteur : FenetreActive {
  QAccessibleInterface* Interface(const char* nom) const {
    return QAccessible::queryAccessibleInterface(Trouve<QWidget>(nom));
  }
  QString Nom(const char* nom) const { return Interface(nom)->text(QAccessible::Name); }
  void Trouve303() {
    for (int code : Touches303) fenetre->Effectue(code);
  }
};

// Every index the accessibility bridge may make of a cell's place, in range
// or not, gives a cell of the list, where it is, saying what the list shows
// there; its first row is the row of column titles.
void VerifieTableau(QAbstractItemView* vue, const std::string& etat) {
  QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(vue);
  QAccessibleTableInterface* tableau = liste->tableInterface();
  ASSERT_NE(tableau, nullptr) << etat;
  const QAbstractItemModel* modele = vue->model();
  const int lignes = tableau->rowCount();
  const int colonnes = tableau->columnCount();
  ASSERT_EQ(lignes, modele->rowCount() + 1) << etat;
  ASSERT_EQ(liste->childCount(), lignes * colonnes) << etat;
  for (int index = -2 * colonnes; index < (lignes + 2) * colonnes; ++index) {
    const std::string ou = etat + ", index " + std::to_string(index);
    // As the bridge answers GetRowColumnExtentsAtIndex.
    QAccessibleInterface* cellule = tableau->cellAt(index / colonnes, index % colonnes);
    ASSERT_TRUE(cellule && cellule->isValid() && cellule->tableCellInterface()) << ou;
    const QAccessibleTableCellInterface* place = cellule->tableCellInterface();
    EXPECT_TRUE(place->rowIndex() >= 0 && place->rowIndex() < lignes) << ou;
    EXPECT_TRUE(place->columnIndex() >= 0 && place->columnIndex() < colonnes) << ou;
    if (index < 0 || index >= liste->childCount()) {
      EXPECT_EQ(liste->child(index), nullptr) << ou;
      continue;
    }
    const int ligne = index / colonnes;
    const QModelIndex montree = modele->index(ligne - 1, index % colonnes);
    EXPECT_EQ(liste->child(index), cellule) << ou;
    EXPECT_EQ(liste->indexOfChild(cellule), index) << ou;
    EXPECT_EQ(place->rowIndex() * colonnes + place->columnIndex(), index) << ou;
    EXPECT_EQ(cellule->text(QAccessible::Name),
              ligne == 0 ? modele->headerData(index, Qt::Horizontal).toString() : montree.data().toString())
        << ou;
    EXPECT_EQ(place->isSelected(), ligne > 0 && vue->selectionModel()->isSelected(montree)) << ou;
  }
}

TEST(Accessibilite, TheThreeListsAnswerEveryCellAskedForAsTheyChange) {
  Lecteur f;
  auto* tirages = f.Trouve<QTreeView>("LVtirage");
  const std::vector<std::pair<const char*, std::function<void()>>> etats = {
      {"empty", [] {}},
      {"filled",
       [&] {
         QByteArray niveau = "Test\r\ntirages.tir\r\n60\r\n";
         for (int i = 0; i < 10; ++i) niveau += "50\r\nZo\xe9\r\n1\r\n";
         f.Ecrit("niveau.niv", niveau);
         f.Ecrit("tirages.tir", RangeeDe303 + "\r\n");
         f.Trouve<QCheckBox>("CBcompet")->click();
         f.plateforme.fichiers = {f.Chemin("niveau.niv")};
         f.fenetre->BTchangeClick();
         f.Trouve<QCheckBox>("CBcompet")->click();
         for (int i = 0; i < 4; ++i) f.fenetre->BresultClick();
         f.Trouve303();
       }},
      {"sorted", [&] { f.Trouve<QCheckBox>("CBclasse")->click(); }},
      {"rows chosen by the reader",
       [&] {
         QAccessibleTableInterface* tableau = QAccessible::queryAccessibleInterface(tirages)->tableInterface();
         EXPECT_FALSE(tableau->selectRow(0));  // the titles
         EXPECT_TRUE(tableau->selectRow(2) && tableau->selectRow(3));
         EXPECT_EQ(tableau->selectedRows(), QList<int>({2, 3}));
       }},
      {"rows deleted", [&] { f.fenetre->Effacercestirages1Click(); }},
      {"cleared", [&] { f.fenetre->BTeffaceToutClick(); }},
  };
  for (const auto& [etat, fait] : etats) {
    fait();
    for (const char* nom : {"LVtirage", "LVscore", "LVrecord"}) {
      VerifieTableau(f.Trouve<QAbstractItemView>(nom), etat + std::string(" ") + nom);
    }
  }
  EXPECT_EQ(f.Trouve<QTreeWidget>("LVscore")->topLevelItemCount(), 1);
  EXPECT_EQ(f.Trouve<QTreeWidget>("LVrecord")->topLevelItemCount(), 10);
}

TEST(Accessibilite, AReaderHearsWhatTheWindowShows) {
  Lecteur f;
  f.Trouve<QCheckBox>("CBauto")->click();
  f.Trouve<QCheckBox>("CBmontre")->click();
  f.fenetre->BresultClick();
  EXPECT_EQ(f.Nom("LBnbsol"), f.Trouve<QLabel>("LBnbsol")->text() + " solutions");
  EXPECT_EQ(f.Nom("LBscoreActu"), "score total : 0");
  EXPECT_EQ(f.Nom("P2"), "plaque 2 : 50");
  EXPECT_EQ(f.Nom("BTfois"), "multiplié par");
  const auto etiquettes = f.Interface("CBetape")->relations(QAccessible::Label);
  ASSERT_EQ(etiquettes.size(), 1);
  EXPECT_EQ(etiquettes[0].first->text(QAccessible::Name), "nombre d'étapes");
  // An unlimited clock says its words, and no share of its hour, but keeps
  // a value, so that a reader never loses it.
  f.Secondes(65);
  EXPECT_EQ(f.Interface("PB")->text(QAccessible::Description), "Chrono 1:05");
  ASSERT_NE(f.Interface("PB")->valueInterface(), nullptr);
  EXPECT_EQ(f.Interface("PB")->valueInterface()->currentValue().toInt(), 0);
  // A win takes the keyboard to its summary, read as one sentence.
  f.Trouve<QWidget>("P1")->setFocus();
  f.Trouve303();
  EXPECT_EQ(QApplication::focusWidget(), f.Trouve<QWidget>("MMrecap"));
  EXPECT_EQ(f.Nom("MMrecap"), "BRAVO : 303, 25 50 75 100 3 6, 6x50=300, 300+3=303, Difficulté : 1/5");
  // A reader presses a tile as a click, and a link as a link.
  f.fenetre->BTrejoueClick();
  f.Interface("P4")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&f] { return !f.Trouve<QWidget>("P4")->isEnabled(); }, 2000));
  EXPECT_EQ(f.Interface("Label4")->role(), QAccessible::Link);
  f.Interface("Label4")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(f.plateforme.documents.size(), 1u);
}

// A choice list's description is its choice, then its hint, from the start
// and whenever the game or a language changes the choice, not only once it
// takes the keyboard.
TEST(Accessibilite, AChoiceListIsDescribedByItsChoiceBeforeItTakesTheKeyboard) {
  Lecteur f;
  const auto verifie = [&f](const char* moment) {
    for (QComboBox* liste : f.fenetre->findChildren<QComboBox*>()) {
      const QString description = liste->accessibleDescription();
      EXPECT_FALSE(description.startsWith(". ")) << liste->objectName().toStdString() << " " << moment;
      EXPECT_TRUE(description.startsWith(liste->currentText())) << liste->objectName().toStdString() << " " << moment;
    }
  };
  verifie("at the start");
  f.fenetre->change_langue(QStringLiteral(TOLVAN_DATA_DIR "/english.tvl"));
  verifie("in English");
  f.Trouve<QCheckBox>("CBcompet")->click();
  f.Trouve<QComboBox>("CBtime")->setCurrentIndex(2);
  f.Trouve<QCheckBox>("CBcompet")->click();
  verifie("the coefficient chosen");
  EXPECT_EQ(f.Trouve<QComboBox>("CBtemps")->accessibleDescription().section(". ", 0, 0), "unlimited");
}

// Qt 6.4 does not say a name that changes: each move from the keyboard is
// told by the control that takes the keyboard, already named.
TEST(Accessibilite, EachMoveFromTheKeyboardIsToldWhereTheKeyboardGoes) {
  Lecteur f;
  f.Trouve<QCheckBox>("CBcoach")->click();
  f.fenetre->BresultClick();
  const auto presse = [&f](const char* nom, int touche = Qt::Key_Space) {
    QTest::keyClick(f.Trouve<QWidget>(nom), static_cast<Qt::Key>(touche));
  };
  const auto auClavier = [] { return QApplication::focusWidget()->objectName(); };
  presse("P6");
  EXPECT_EQ(auClavier(), "MM1");
  EXPECT_EQ(f.Nom("MM1"), "ligne 1 : 6");
  // From the board line, an operator key plays and Tab leads back to the tiles.
  presse("MM1", Qt::Key_Asterisk);
  presse("MM1", Qt::Key_Tab);
  EXPECT_EQ(auClavier(), "P1");
  presse("P2");
  EXPECT_EQ(auClavier(), "MM1");
  EXPECT_EQ(f.Nom("MM1"), "ligne 1 : 6x50=300. Le compte est encore possible.");
  presse("MM1", Qt::Key_Backspace);
  EXPECT_EQ(auClavier(), "MM1");
  EXPECT_EQ(f.Nom("MM1"), "ligne 1 : vide");
  // A hint is heard from its sentence.
  f.Trouve<QPushButton>("BTback")->click();
  f.Trouve<QPushButton>("BTindice")->click();
  EXPECT_EQ(auClavier(), "Lindice");
  EXPECT_FALSE(f.Nom("Lindice").isEmpty());
  // The outcome is its summary, filled before it takes the keyboard.
  for (const char* tuile : {"P6", "P2"}) {
    presse(tuile);
    presse("MM1", Qt::Key_Asterisk);
  }
  f.Trouve<QWidget>("P2")->setFocus();
  presse("P2");
  presse("MM2", Qt::Key_Plus);
  presse("P5");
  EXPECT_EQ(auClavier(), "MMrecap");
  EXPECT_TRUE(f.Nom("MMrecap").startsWith("BRAVO : 303, 25 50 75 100 3 6, 6x50=300, 300+3=303"));
}

}  // namespace
}  // namespace tolvan::test
