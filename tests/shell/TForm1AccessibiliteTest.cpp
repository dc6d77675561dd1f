#include <gtest/gtest.h>

#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>

#include "FenetreDeTest.h"

namespace tolvan::test {
namespace {

// Slots of the pool for 25 50 75 100 3 6, then 101 + 202 = 303.
const std::vector<int> TirageDe303 = {20, 21, 22, 23, 4, 10, 202};

struct Lecteur : FenetreDeTest {
  Lecteur() {
    fenetre->show();
    fenetre->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    MontrePage("TSjeu");
  }
  template <class Controle = QWidget>
  Controle* W(const char* nom) const {
    return Trouve<Controle>(nom);
  }
  QAccessibleInterface* Interface(const char* nom) const { return QAccessible::queryAccessibleInterface(W(nom)); }
  QString Nom(const char* nom) const { return Interface(nom)->text(QAccessible::Name); }
  void Trouve303() {
    for (int code : {6, CodeFois, 2, CodePlus, 5}) fenetre->Effectue(code);
  }
  // A level of three records, and its draw 303.
  void ChargeNiveau() {
    QByteArray niveau = "Test\r\ntirages.tir\r\n60\r\n";
    for (int i = 0; i < 10; ++i) niveau += i < 3 ? "50\r\nZo\xe9\r\n1\r\n" : "0\r\n\r\n0\r\n";
    Ecrit("niveau.niv", niveau);
    Ecrit("tirages.tir", "303\t25\t50\t75\t100\t3\t6\t0\t0\tNON\t\t\r\n");
    W<QCheckBox>("CBcompet")->click();
    plateforme.fichiers = {Chemin("niveau.niv")};
    fenetre->BTchangeClick();
  }
};

// Every question the accessibility bus asks of a list, for every index it
// may make of a cell's place, in range or not: each answer is a cell of
// the list, where it is, saying what the list shows there. Its first row is
// the row of column titles.
void VerifieTableau(QAbstractItemView* vue, const std::string& etat) {
  QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(vue);
  ASSERT_NE(liste, nullptr) << etat;
  QAccessibleTableInterface* tableau = liste->tableInterface();
  ASSERT_NE(tableau, nullptr) << etat;
  const QAbstractItemModel* modele = vue->model();
  const int lignes = tableau->rowCount();
  const int colonnes = tableau->columnCount();
  ASSERT_EQ(lignes, modele->rowCount() + 1) << etat;
  ASSERT_EQ(colonnes, modele->columnCount()) << etat;
  ASSERT_EQ(liste->childCount(), lignes * colonnes) << etat;
  for (int index = -2 * colonnes; index < (lignes + 2) * colonnes; ++index) {
    const std::string ou = etat + ", index " + std::to_string(index);
    // As the bridge answers GetRowColumnExtentsAtIndex.
    QAccessibleInterface* cellule = tableau->cellAt(index / colonnes, index % colonnes);
    ASSERT_TRUE(cellule && cellule->isValid() && cellule->tableCellInterface()) << ou;
    const QAccessibleTableCellInterface* place = cellule->tableCellInterface();
    EXPECT_TRUE(place->rowIndex() >= 0 && place->rowIndex() < lignes) << ou;
    EXPECT_TRUE(place->columnIndex() >= 0 && place->columnIndex() < colonnes) << ou;
    EXPECT_EQ(place->rowExtent(), 1) << ou;
    EXPECT_EQ(place->columnExtent(), 1) << ou;
    if (index < 0 || index >= liste->childCount()) {
      EXPECT_EQ(liste->child(index), nullptr) << ou;
      continue;
    }
    const int ligne = index / colonnes;
    const int colonne = index % colonnes;
    EXPECT_EQ(liste->child(index), cellule) << ou;
    EXPECT_EQ(liste->indexOfChild(cellule), index) << ou;
    EXPECT_EQ(place->rowIndex(), ligne) << ou;
    EXPECT_EQ(place->columnIndex(), colonne) << ou;
    const QModelIndex montree = modele->index(ligne - 1, colonne);
    const QString texte = ligne == 0 ? modele->headerData(colonne, Qt::Horizontal).toString()
                                     : montree.data().toString();
    EXPECT_EQ(cellule->text(QAccessible::Name), texte) << ou;
    EXPECT_EQ(cellule->role(), ligne == 0 ? QAccessible::ColumnHeader : QAccessible::Cell) << ou;
    EXPECT_EQ(place->isSelected(), ligne > 0 && vue->selectionModel()->isSelected(montree)) << ou;
    EXPECT_EQ(place->columnHeaderCells().value(0), tableau->cellAt(0, colonne)) << ou;
  }
}

TEST(Accessibilite, TheThreeListsAnswerEveryCellAskedForAsTheyChange) {
  Lecteur f;
  auto* tirages = f.W<QTreeView>("LVtirage");
  auto* scores = f.W<QTreeWidget>("LVscore");
  auto* records = f.W<QTreeWidget>("LVrecord");
  const std::vector<std::pair<const char*, std::function<void()>>> etats = {
      {"empty", [] {}},
      {"filled",
       [&] {
         f.ChargeNiveau();
         f.W<QCheckBox>("CBcompet")->click();
         f.plateforme.tirages = TirageDe303;
         for (int i = 0; i < 4; ++i) f.fenetre->BresultClick();
         f.Trouve303();
       }},
      {"sorted", [&] { f.W<QCheckBox>("CBclasse")->click(); }},
      {"rows chosen through the reader",
       [&] {
         QAccessibleTableInterface* tableau = QAccessible::queryAccessibleInterface(tirages)->tableInterface();
         EXPECT_TRUE(tableau->selectRow(2));
         EXPECT_TRUE(tableau->selectRow(3));
         EXPECT_FALSE(tableau->selectRow(0));  // the titles
         EXPECT_EQ(tableau->selectedRows(), QList<int>({2, 3}));
         EXPECT_TRUE(tirages->selectionModel()->isRowSelected(1, {}));
       }},
      {"rows deleted", [&] { f.fenetre->Effacercestirages1Click(); }},
      {"cleared", [&] { f.fenetre->BTeffaceToutClick(); }},
  };
  for (const auto& [etat, fait] : etats) {
    fait();
    for (QAbstractItemView* vue : std::initializer_list<QAbstractItemView*>{tirages, scores, records}) {
      VerifieTableau(vue, etat + (" " + vue->objectName().toStdString()));
    }
  }
  EXPECT_EQ(scores->topLevelItemCount(), 1);
  EXPECT_EQ(records->topLevelItemCount(), 10);
}

TEST(Accessibilite, ControlsWhoseTextChangesSayIt) {
  Lecteur f;
  f.W<QCheckBox>("CBauto")->click();
  f.W<QCheckBox>("CBmontre")->click();
  f.plateforme.tirages = TirageDe303;
  f.fenetre->BresultClick();
  const QString compte = f.W<QLabel>("LBnbsol")->text();
  ASSERT_FALSE(compte.isEmpty());
  EXPECT_EQ(f.Nom("LBnbsol"), compte + " solutions");
  EXPECT_EQ(f.Nom("LBscoreActu"), "score total : 0");
  // Tiles say their place, so that equal numbers are told apart.
  EXPECT_EQ(f.Nom("P2"), "plaque 2 : 50");
  for (int code : {6, CodeFois, 2}) f.fenetre->Effectue(code);
  EXPECT_EQ(f.Nom("P2"), "plaque 2 : 300");
  EXPECT_EQ(f.W<QPushButton>("P2")->text(), "300");
  for (const auto& [nom, dit] : std::vector<std::pair<const char*, QString>>{
           {"BTplus", "plus"}, {"BTfois", "multiplié par"}, {"BTmoins", "moins"}, {"BTdivis", "divisé par"}}) {
    EXPECT_EQ(f.Nom(nom), dit) << nom;
  }
  // On the desktop a list is read as its current item and the label that leads to it.
  for (const auto& [nom, dit] : std::vector<std::pair<const char*, QString>>{
           {"CBetape", "nombre d'étapes"}, {"CBoper", "dernière opération"}, {"CBtemps", "Temps :"}}) {
    const auto etiquettes = f.Interface(nom)->relations(QAccessible::Label);
    ASSERT_EQ(etiquettes.size(), 1) << nom;
    EXPECT_EQ(etiquettes[0].first->text(QAccessible::Name), dit) << nom;
  }
  f.ChargeNiveau();
  f.fenetre->BTstartClick();
  f.fenetre->Timer1Timer();
  EXPECT_EQ(f.Nom("LBpoint"), "points : " + f.W<QLabel>("LBpoint")->text());
}

// A reader presses a tile or an operator as a click; the mouse, when its
// button goes down, once.
TEST(Accessibilite, AReaderPressesTilesAndOperatorsAsTheMouseDoes) {
  Lecteur f;
  f.plateforme.tirages = TirageDe303;
  f.fenetre->BresultClick();
  const auto ligne = [&f] { return f.W<QTextEdit>("MM1")->toPlainText(); };
  for (const auto& [nom, apres] : std::vector<std::pair<const char*, QString>>{
           {"P1", "25"}, {"BTplus", "25+"}, {"P2", "25+50=75"}}) {
    f.Interface(nom)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ligne() == apres; }, 2000)) << nom << " " << ligne().toStdString();
  }
  for (const char* nom : {"P3", "BTmoins", "P2"}) QTest::mouseClick(f.W(nom), Qt::LeftButton);
  EXPECT_EQ(f.W<QTextEdit>("MM2")->toPlainText(), "75-75=0");
}

TEST(Accessibilite, AWinOrATimeOutTakesTheKeyboardToItsSummaryReadAsOneSentence) {
  struct Cas {
    const char* quoi;
    std::function<void(Lecteur&)> fin;
    QString nom;
  };
  const std::vector<Cas> cas = {
      {"won", [](Lecteur& f) { f.Trouve303(); }, "BRAVO : 303, 25 50 75 100 3 6, 6x50=300, 300+3=303"},
      {"out of time",
       [](Lecteur& f) {
         for (int i = 0; i < 20; ++i) f.fenetre->Timer1Timer();
       },
       "Temps écoulé ! : 303, 25 50 75 100 3 6"},
  };
  for (const Cas& c : cas) {
    Lecteur f;
    f.W<QComboBox>("CBtemps")->setCurrentIndex(1);  // 20 seconds
    f.plateforme.tirages = TirageDe303;
    f.fenetre->BresultClick();
    f.W("P1")->setFocus();
    c.fin(f);
    EXPECT_EQ(QApplication::focusWidget(), f.W("MMrecap")) << c.quoi;
    EXPECT_EQ(f.Nom("MMrecap"), c.nom) << c.quoi;
  }
}

TEST(Accessibilite, TheClockSaysItsWordsAndOnlyALimitedOneItsShare) {
  Lecteur f;
  f.plateforme.tirages = TirageDe303;
  f.fenetre->BresultClick();
  for (int i = 0; i < 65; ++i) f.fenetre->Timer1Timer();
  QAccessibleInterface* horloge = f.Interface("PB");
  EXPECT_EQ(horloge->role(), QAccessible::ProgressBar);
  EXPECT_EQ(horloge->text(QAccessible::Description), "Chrono 1:05");
  EXPECT_EQ(horloge->valueInterface(), nullptr);
  f.W<QComboBox>("CBtemps")->setCurrentIndex(4);  // one minute, from 0
  for (int i = 0; i < 18; ++i) f.fenetre->Timer1Timer();
  EXPECT_EQ(horloge->text(QAccessible::Description), "Il reste 0:42");
  ASSERT_NE(horloge->valueInterface(), nullptr);
  EXPECT_EQ(horloge->valueInterface()->currentValue().toInt(), 18);
  EXPECT_EQ(horloge->valueInterface()->maximumValue().toInt(), 60);
}

TEST(Accessibilite, TheAboutLinksAreLinksReachedWithTab) {
  Lecteur f;
  f.MontrePage("TSapro");
  f.Pages()->findChild<QTabBar*>()->setFocus();
  for (const char* nom : {"Label9", "Label4", "LbsiteTavrel", "LBmailTavrel"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.W(nom)) << nom;
    QAccessibleInterface* lien = f.Interface(nom);
    EXPECT_EQ(lien->role(), QAccessible::Link) << nom;
    EXPECT_EQ(lien->text(QAccessible::Name), f.W<QLabel>(nom)->accessibleName()) << nom;
    // Pressed by the reader or with Enter, it opens its address.
    f.plateforme.documents.clear();
    lien->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::keyClick(f.W(nom), Qt::Key_Return);
    ASSERT_EQ(f.plateforme.documents.size(), 2u) << nom;
    EXPECT_EQ(f.plateforme.documents[0], f.plateforme.documents[1]) << nom;
  }
}

}  // namespace
}  // namespace tolvan::test
