#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "FenetreDeTest.h"
#include "library/FichierTirages.h"
#include "shell/TFRMgene.h"

namespace tolvan::test {
namespace {

struct Liste : FenetreDeTest {
  const ListeTirages& tirages() { return fenetre->jeu().bibliotheque().Modele(); }
  void Ajoute(const std::string& ligne) { AjouteTirages({*TXT_to_LVitem(ligne)}); }
  // "Ouvrir" on this file; false when its rows could not be read.
  bool Ouvre(const QString& chemin) {
    const int avant = plateforme.dialogues.size();
    plateforme.fichiers.push_back(chemin);
    fenetre->BTopenClick();
    return static_cast<int>(plateforme.dialogues.size()) > avant && jeu().bibliotheque().Fichier() == chemin;
  }
  const Jeu& jeu() const { return fenetre->jeu(); }
  std::vector<std::string> Lignes() {
    std::vector<std::string> lignes;
    for (const RangeeTirage& rangee : tirages().Rangees()) lignes.push_back(LigneTirage(rangee));
    return lignes;
  }
  void Choisit(int ligne) {
    auto* vue = Trouve<QTreeView>("LVtirage");
    vue->selectionModel()->select(vue->model()->index(ligne, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  // The series dialog answered with this count.
  void Genere(const QString& nombre) {
    plateforme.quandDialogue = [nombre](QDialog& dialogue) {
      auto& gene = static_cast<TFRMgene&>(dialogue);
      gene.TXTnbtir->setText(nombre);
      gene.BTokClick();
    };
    fenetre->BTgenereClick();
  }
};

const std::string Ligne512 = "512\t3\t7\t8\t25\t50\t100\t0\t0\tNON\t\t";

TEST(Tirages, FilesAreReadAfterTheRowsAndWrittenBackByteForByte) {
  Liste f;
  f.Ajoute("303\t25\t50\t75\t100\t3\t6\t0\t0\tOUI\t\t");
  const QByteArray windows("512\t3\t7\t8\t25\t50\t100\t2\t3\toui\tr\xe9sultat\t\r\n\r\n"
                           "101 1 2 3 4 5 6 0 0 X\r\n\x1a" "999\t1\r\n");
  f.Ecrit("de windows.tir", windows);
  f.plateforme.fichiers = {f.Chemin("de windows.tir")};
  f.fenetre->BTopenClick();
  EXPECT_EQ(f.Lignes(), (std::vector<std::string>{"303\t25\t50\t75\t100\t3\t6\t0\t0\tOUI\t\t",
                                                  "512\t3\t7\t8\t25\t50\t100\t2\t3\tOUI\trésultat\t",
                                                  "101\t1\t2\t3\t4\t5\t6\t0\t0\tNON\t\t"}));
  ASSERT_EQ(f.plateforme.messages.size(), 1u);  // the empty line
  EXPECT_EQ(f.plateforme.messages[0].texte, "Erreur de conversion text => entier sur la ligne :\r");
  EXPECT_EQ(f.Trouve<QLabel>("TXTnamefile")->text(), "de windows.tir");
  EXPECT_EQ(f.Trouve<QLabel>("TXTnamefile2")->text(), "de windows.tir");
  EXPECT_EQ(f.Trouve<QProgressBar>("PBcharge")->value(), 0);
  EXPECT_FALSE(f.Trouve<QTreeView>("LVtirage")->isHidden());

  f.plateforme.fichiers = {f.Chemin("copie.tir")};
  f.fenetre->BTsaveClick();
  EXPECT_EQ(f.plateforme.dialogues.back().extension, "tir");
  const QByteArray copie = f.Lit("copie.tir");
  EXPECT_TRUE(copie.startsWith("303\t25\t50\t75\t100\t3\t6\t0\t0\tOUI\t\t\r\n512\t"));
  EXPECT_TRUE(copie.contains("r\xe9sultat\t\r\n"));
  f.fenetre->BTeffaceToutClick();  // "Oui" by default
  f.plateforme.fichiers = {f.Chemin("copie.tir")};
  f.fenetre->BTopenClick();
  f.plateforme.fichiers = {f.Chemin("encore.tir")};
  f.fenetre->BTexcelClick();
  EXPECT_EQ(f.Lit("encore.tir"), copie);
  EXPECT_EQ(f.plateforme.tableurs, std::vector<QString>{f.Chemin("encore.tir")});

  f.Choisit(1);
  f.fenetre->Copiercecompte1Click();
  EXPECT_EQ(f.plateforme.pressePapier, std::vector<QString>{"512\t3\t7\t8\t25\t50\t100\t2\t3\tOUI\trésultat\t"});

  // An empty list asks for no file at all.
  f.fenetre->BTeffaceToutClick();  // "Oui" by default
  const std::size_t dialogues = f.plateforme.dialogues.size();
  f.fenetre->BTsaveClick();
  f.fenetre->BTexcelClick();
  EXPECT_EQ(f.plateforme.dialogues.size(), dialogues);
}

TEST(Tirages, BadFilesAskOnceAndNeverWriteHalfway) {
  Liste f;
  f.plateforme.messages.clear();
  // Not a draws file at all: three lines shown, the rest counted.
  QByteArray photo;
  for (int i = 0; i < 50; ++i) photo += QByteArray("\x89PNG\x1b\x00\xff\r\n", 9);
  f.Ecrit("photo.tir", photo);
  EXPECT_TRUE(f.Ouvre(f.Chemin("photo.tir")));
  ASSERT_EQ(f.plateforme.messages.size(), 4u);
  EXPECT_EQ(f.plateforme.messages[3].texte, "Erreur de conversion text => entier sur 47 autres lignes : elles sont ignorées.");
  EXPECT_EQ(f.tirages().NbLignes(), 0);

  // A folder is no file: asked to retry, then given up.
  f.plateforme.messages.clear();
  f.plateforme.reponses = {Reponse::Reessayer, Reponse::Annuler};
  EXPECT_FALSE(f.Ouvre(f.dossier.path()));
  ASSERT_EQ(f.plateforme.messages.size(), 2u);
  EXPECT_EQ(f.plateforme.messages[0].texte,
            "Erreur lors de l'ouverture du fichier\r" + f.dossier.path() + " : c'est un dossier\rRéessayer ?");

  f.Ajoute(Ligne512);
  f.plateforme.messages.clear();
  f.plateforme.fichiers.push_back(f.Chemin("pas/de/dossier.tir"));
  f.fenetre->BTsaveClick();
  EXPECT_FALSE(QFile::exists(f.Chemin("pas/de/dossier.tir")));
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_EQ(f.plateforme.messages[0].texte, "Erreur lors de l'ouverture du fichier\r" + f.Chemin("pas/de/dossier.tir") +
                                                " : dossier introuvable\rRéessayer ?");
  f.fenetre->BTexcelClick();  // cancelled dialog: nothing written, nothing opened
  EXPECT_TRUE(f.plateforme.tableurs.empty());
}

TEST(Tirages, SeriesAreGeneratedAsideAndStopOnRequest) {
  Liste f;
  f.fenetre->BTnouvPartieClick();  // a game in progress, its row current
  const TTirage partie = f.fenetre->jeu().manche().Tirage();
  f.Ajoute(Ligne512);
  f.Ajoute(Ligne512);
  f.Trouve<QCheckBox>("CBclasse")->setChecked(true);
  f.fenetre->CBclasseClick();
  f.Genere("10");
  ASSERT_EQ(f.tirages().NbLignes(), 13);
  EXPECT_FALSE(f.tirages().EstClassee());
  EXPECT_FALSE(f.Trouve<QCheckBox>("CBclasse")->isChecked());
  for (int i = 3; i < 13; ++i) {
    const TTirage tirage = TirageDeRangee(f.tirages().Rangee(i));
    EXPECT_TRUE(std::is_sorted(tirage.Nombres.begin(), tirage.Nombres.end()));
    EXPECT_GE(tirage.Resultat, 101);
    EXPECT_LE(tirage.Resultat, 999);
  }
  // The game and its draw were left alone.
  EXPECT_EQ(f.fenetre->jeu().solveur().Tirage, partie);
  EXPECT_EQ(f.fenetre->jeu().bibliotheque().Modele().LigneCourante(), 0);
  EXPECT_TRUE(f.Trouve<QTimer>("Timer1")->isActive());
  EXPECT_EQ(f.Trouve<QProgressBar>("PB2")->value(), 0);

  // "STOP" is taken after the draw under way; meanwhile nothing may change the list.
  bool nouvellePartie = true, competition = true, stop = false;
  QTimer::singleShot(0, [&] {
    nouvellePartie = f.Trouve<QPushButton>("BTnouvPartie")->isEnabled();
    // A level chosen now would empty the list under the series.
    competition = f.Trouve<QCheckBox>("CBcompet")->isEnabled();
    stop = f.Trouve<QPushButton>("STOP")->isEnabled();
    QTest::mouseClick(f.Trouve<QPushButton>("STOP"), Qt::LeftButton);
  });
  f.Genere("100");
  EXPECT_EQ(f.tirages().NbLignes(), 14);
  EXPECT_FALSE(nouvellePartie);
  EXPECT_FALSE(competition);
  EXPECT_TRUE(stop);
  EXPECT_TRUE(f.Trouve<QPushButton>("BTnouvPartie")->isEnabled());
  EXPECT_TRUE(f.Trouve<QCheckBox>("CBcompet")->isEnabled());
  f.fenetre->STOPClick();  // a STOP between series changes nothing
  f.Genere("5");
  EXPECT_EQ(f.tirages().NbLignes(), 19);
  f.Genere("0");
  EXPECT_EQ(f.tirages().NbLignes(), 19);

  // Cancelled, escaped, closed or given no number: nothing is generated.
  TFRMgene& gene = *f.fenetre->findChild<TFRMgene*>("FRMgene");
  const std::vector<std::function<void(QDialog&)>> refus = {
      [&](QDialog&) { QTest::mouseClick(gene.BTannul, Qt::LeftButton); },
      [&](QDialog&) { QTest::keyClick(&gene, Qt::Key_Escape); },
      [&](QDialog&) { gene.close(); },
      [&](QDialog&) {
        gene.TXTnbtir->setText("12a");
        gene.BTokClick();
      }};
  f.plateforme.messages.clear();
  for (const auto& action : refus) {
    f.plateforme.quandDialogue = action;
    f.fenetre->BTgenereClick();
  }
  EXPECT_EQ(f.tirages().NbLignes(), 19);
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_EQ(f.plateforme.messages[0].texte, "'12a' n'est pas une valeur entière correcte");
}

TEST(Tirages, ListedDrawsArePlayedSolvedAndPrinted) {
  Liste f;
  f.Ajoute("512\t3\t7\t8\t25\t50\t100\t0\t0\tOUI\tvieux\t");
  f.Ajoute("101\t1\t1\t1\t1\t1\t1\t0\t0\tNON\t\t");
  f.Choisit(0);
  f.fenetre->Calculerlasolution1Click();
  const Solveur& solveur = f.fenetre->jeu().solveur();
  EXPECT_EQ(solveur.Tirage.Resultat, 512);
  EXPECT_EQ(f.Trouve<QPushButton>("Bresult")->text(), "512");
  EXPECT_EQ(f.tirages().Rangee(0).cellules[CelluleNbSol], std::to_string(solveur.NbSolutions));
  EXPECT_EQ(f.tirages().Rangee(0).cellules[CelluleSolution], solveur.TexteSimple);
  EXPECT_EQ(f.tirages().Rangee(0).cellules[CelluleTrouve], "OUI");

  // Double click: the row's game starts on the game page, with all its time.
  f.Choisit(1);
  f.fenetre->LVtirageDblClick();
  f.Secondes(5);
  ASSERT_EQ(f.fenetre->jeu().manche().Ecoule(), 5);
  f.fenetre->LVtirageDblClick();
  EXPECT_EQ(f.Pages()->currentWidget(), f.Page("TSjeu"));
  EXPECT_EQ(f.fenetre->jeu().manche().Tirage().Resultat, 101);
  EXPECT_EQ(f.fenetre->jeu().manche().Ecoule(), 0);
  EXPECT_EQ(f.tirages().LigneCourante(), 1);
  // Solving a row during that game leaves the game's draw as it is.
  f.Choisit(0);
  f.fenetre->Calculerlasolution1Click();
  EXPECT_EQ(solveur.Tirage.Resultat, 101);
  EXPECT_EQ(f.Trouve<QPushButton>("Bresult")->text(), "101");

  f.fenetre->BTimprimClick();
  ASSERT_EQ(f.plateforme.impressions.size(), 1u);
  EXPECT_EQ(f.plateforme.impressions[0].size(), 2);
  EXPECT_TRUE(f.plateforme.impressions[0][1].endsWith("\tNON\t\t"));
  f.plateforme.messages.clear();
  f.plateforme.impressionsPrevues = {Plateforme::Impression::DemarrageImpossible,
                                     Plateforme::Impression::LigneImpossible};
  f.plateforme.reponses = {Reponse::Reessayer};
  f.fenetre->BTimprimClick();
  ASSERT_EQ(f.plateforme.messages.size(), 2u);
  EXPECT_EQ(f.plateforme.messages[0].texte, "Erreur lors de l'initialisation de l'imprimante\rRéessayer ?");
  EXPECT_EQ(f.plateforme.messages[1].texte, "Erreur d'écriture imprimante");
  f.plateforme.imprimanteChoisie = false;
  f.fenetre->BTimprimClick();
  EXPECT_EQ(f.plateforme.impressions.size(), 2u);

  // A list no spreadsheet can open: the player is told where it was saved.
  f.plateforme.tableurOuvert = false;
  f.plateforme.fichiers = {f.Chemin("export.tir")};
  f.plateforme.messages.clear();
  f.fenetre->BTexcelClick();
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_TRUE(f.plateforme.messages[0].texte.endsWith(f.Chemin("export.tir")));
}

// A draw played and not saved: before a level takes the list's place or the
// window closes, "Oui" saves it as "Sauvegarder" does and lets it go, "Non"
// lets it go, "Annuler" or a save given up or failed keeps it. A list as it
// was saved goes without a question.
TEST(Tirages, UnsavedDrawsAreOfferedASaveBeforeTheListGoes) {
  struct Cas {
    const char* quoi;
    std::vector<Reponse> reponses;
    std::optional<QString> sauvegarde;  // where the list is saved, if it is
    bool part;
  };
  const std::vector<Cas> cas = {
      {"Oui", {Reponse::Oui}, QStringLiteral("sauvee.tir"), true},
      {"Oui, save dialog cancelled", {Reponse::Oui}, std::nullopt, false},
      {"Oui, save failed", {Reponse::Oui, Reponse::Annuler}, QStringLiteral("absent/sauvee.tir"), false},
      {"Non", {Reponse::Non}, std::nullopt, true},
      {"Annuler", {Reponse::Annuler}, std::nullopt, false},
      {"saved before", {}, std::nullopt, true},
  };
  for (const bool niveau : {true, false}) {
    for (const Cas& c : cas) {
      const std::string ou = (niveau ? "level, " : "close, ") + std::string(c.quoi);
      Liste f;
      f.fenetre->show();
      f.plateforme.tirages = HasardDe303;
      f.fenetre->BresultClick();
      if (c.reponses.empty()) {
        f.plateforme.fichiers = {f.Chemin("avant.tir")};
        f.fenetre->BTsaveClick();
      }
      f.Ecrit("niveau.niv", "Test\r\nniveau.tir\r\n60\r\n" + QByteArray("0\r\n\r\n0\r\n").repeated(10));
      f.Ecrit("niveau.tir", QByteArray::fromStdString(Ligne512 + "\r\n"));
      f.plateforme.fichiers.clear();
      if (niveau) f.plateforme.fichiers.push_back(f.Chemin("niveau.niv"));
      if (c.sauvegarde) f.plateforme.fichiers.push_back(f.Chemin(*c.sauvegarde));
      f.plateforme.reponses = {c.reponses.begin(), c.reponses.end()};
      f.plateforme.messages.clear();
      if (niveau) {
        f.fenetre->BTchangeClick();
        EXPECT_EQ(f.Lignes() == std::vector<std::string>{Ligne512}, c.part) << ou;
      } else {
        f.fenetre->close();
        EXPECT_EQ(f.fenetre->isVisible(), !c.part) << ou;
      }
      ASSERT_EQ(f.plateforme.messages.empty(), c.reponses.empty()) << ou;
      if (!c.reponses.empty()) {
        EXPECT_EQ(f.plateforme.messages[0].texte, "Sauvegarder la liste des tirages ?") << ou;
        EXPECT_EQ(f.plateforme.messages[0].boutons, BoutonsMessage::OuiNonAnnuler) << ou;
      }
      EXPECT_EQ(f.Lit("sauvee.tir").startsWith("303\t25\t50\t75\t100\t3\t6\t"), c.quoi == std::string("Oui")) << ou;
    }
  }
}

}  // namespace
}  // namespace tolvan::test
