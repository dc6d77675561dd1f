#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "FenetreDeTest.h"
#include "library/FichierTirages.h"
#include "shell/TFRMname.h"

namespace tolvan::test {
namespace {

// Records 500 (or its first line), 400, 300, 300, 200, 100, 90, 80, 70, 60 by "a" to "j".
QByteArray Niveau(const QByteArray& premierRecord = "500") { return NiveauDeTest("60", premierRecord); }

const QByteArray Tirages = "250\t25\t50\t75\t100\t3\t6\t0\t0\tNON\t\t\r\n512\t3\t7\t8\t25\t50\t100\t0\t0\tNON\t\t\r\n";

struct Competition : FenetreDeTest {
  Competition() {
    Ecrit("niveau.niv", Niveau());
    Ecrit("tirages.tir", Tirages);
    Trouve<QCheckBox>("CBcompet")->click();
    plateforme.fichiers = {Chemin("niveau.niv")};
    fenetre->BTchangeClick();
  }
  QString Texte(const char* nom) const {
    if (auto* bouton = Trouve<QPushButton>(nom)) return bouton->text();
    if (auto* champ = Trouve<QLineEdit>(nom)) return champ->text();
    return Trouve<QLabel>(nom)->text();
  }
  void Tique(int fois) {
    Secondes(fois);
  }
  void Presse(const std::vector<int>& codes) {
    for (int code : codes) fenetre->Effectue(code);
  }
  // 250 = 3x100-50, on 25 50 75 100 3 6.
  void Trouve250() { Presse({5, CodeFois, 4, CodeMoins, 2}); }
  QStringList Record(int ligne) const {
    const QTreeWidgetItem* rangee = Trouve<QTreeWidget>("LVrecord")->topLevelItem(ligne);
    return {rangee->text(0), rangee->text(1), rangee->text(2)};
  }
};

TEST(Competition, ASeriesFromALevelToANewRecord) {
  Competition f;
  EXPECT_FALSE(f.PageVisible("TStirage"));
  EXPECT_FALSE(f.Trouve<QPushButton>("BTvoirSol")->isEnabled());
  EXPECT_EQ(f.plateforme.dialogues.back().dossier, f.Repertoire() + "niveaux");
  EXPECT_EQ(f.Texte("LBniveau"), "Test");
  EXPECT_EQ(f.Texte("TXTtime"), "60");
  EXPECT_EQ(f.Trouve<QTreeWidget>("LVrecord")->topLevelItemCount(), 10);
  EXPECT_TRUE(f.Trouve<QPushButton>("BTstart")->isEnabled());
  // A draw added after the level was read is dealt too.
  f.AjouteTirages({*TXT_to_LVitem(RangeeDe303.toStdString())});

  f.plateforme.tirages = {2};
  f.fenetre->LanceFacon("BTstart");
  EXPECT_EQ(f.Texte("BTstart"), "Arreter cette partie");
  EXPECT_EQ(f.Texte("BTnouvPartie"), "Partie Suivante");
  EXPECT_FALSE(f.Trouve<QCheckBox>("CBcompet")->isEnabled());
  EXPECT_EQ(f.Pages()->currentWidget(), f.Page("TSjeu"));
  EXPECT_EQ(f.Texte("Bresult"), "303");
  EXPECT_EQ(f.Trouve<QProgressBar>("PB")->maximum(), 60);
  f.Tique(10);
  EXPECT_EQ(f.Texte("LBpoint"), "58");
  f.Presse(Touches303);
  EXPECT_EQ(f.Texte("LBscoreActu"), "58");

  f.plateforme.tirages = {0};
  f.fenetre->BTnouvPartieClick();
  EXPECT_EQ(f.Texte("Bresult"), "250");
  EXPECT_EQ(f.Trouve<QProgressBar>("PB")->value(), 0);
  f.Tique(20);
  f.Trouve250();
  EXPECT_EQ(f.Texte("LBscoreActu"), "113");

  // The first draw not found in time ends the series: a name, a record.
  f.fenetre->BTnouvPartieClick();
  int dialogues = 0;
  f.plateforme.quandDialogue = [&f, &dialogues](QDialog&) {
    ++dialogues;
    f.fenetre->findChild<TFRMname*>("FRMname")->TXTbatu->setText("Zoé Martin-Dupuis");
    QTest::mouseClick(f.fenetre->findChild<TFRMname*>("FRMname")->BTaddName, Qt::LeftButton);
  };
  f.Tique(60);
  EXPECT_EQ(dialogues, 1);
  EXPECT_EQ(f.Record(4), QStringList({"200", "e", "1"}));
  EXPECT_EQ(f.Record(5), QStringList({"113", "Zoé Martin-D", "2"}));
  EXPECT_EQ(f.Record(9), QStringList({"70", "i", "1"}));
  EXPECT_TRUE(f.Lit("niveau.niv").contains("200\r\ne\r\n1\r\n113\r\nZo\xe9 Martin-D\r\n2\r\n100\r\n"));
  EXPECT_EQ(f.Texte("BTstart"), "Commencer une partie");
  EXPECT_EQ(f.Texte("BTnouvPartie"), "Nouvelle partie");
  EXPECT_TRUE(f.Trouve<QCheckBox>("CBcompet")->isEnabled());
}

TEST(Competition, UntickingTheModeBringsTrainingBack) {
  Competition f;
  f.plateforme.tirages = {0};
  f.fenetre->LanceFacon("BTstart");
  f.Trouve250();
  f.plateforme.reponses = {Reponse::Oui};
  f.fenetre->LanceFacon("BTstart");
  EXPECT_FALSE(f.Trouve<QPushButton>("BTnouvPartie")->isEnabled());  // no series, no next draw
  f.Trouve<QCheckBox>("CBaide")->click();
  EXPECT_FALSE(f.Trouve<QPushButton>("BTback")->isEnabled());
  f.Trouve<QCheckBox>("CBcompet")->click();
  // Training has its hints, whatever the competition forbade.
  EXPECT_TRUE(f.Trouve<QPushButton>("BTback")->isEnabled());
  EXPECT_TRUE(f.Trouve<QPushButton>("BTnouvPartie")->isEnabled());
  EXPECT_TRUE(f.PageVisible("TStirage"));
  EXPECT_EQ(f.Trouve<QTreeWidget>("LVscore")->topLevelItemCount(), 0);
  EXPECT_EQ(f.Trouve<QProgressBar>("PB")->maximum(), 3600);
  EXPECT_TRUE(f.Trouve<QLabel>("LBpoint")->isHidden());
  EXPECT_TRUE(f.Trouve<QPushButton>("BTrejoue")->isEnabled());
  EXPECT_FALSE(f.Trouve<QPushButton>("BTstart")->isEnabled());
  f.Trouve<QPushButton>("BTback")->click();
  f.Trouve<QCheckBox>("CBcompet")->click();
  EXPECT_TRUE(f.Trouve<QPushButton>("BTstart")->isEnabled());  // the level read stays
  EXPECT_FALSE(f.Trouve<QPushButton>("BTback")->isEnabled());
  EXPECT_TRUE(f.Trouve<QWidget>("GBindice")->isHidden());
}

}  // namespace
}  // namespace tolvan::test
