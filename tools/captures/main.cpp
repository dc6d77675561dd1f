// tolvan-captures OUTDIR: opens the real window and saves a picture of each
// of its pages (and of the window with its hints band), for the README and
// for looking at the layout. Run it under xvfb-run to see it as a desktop
// shows it, or with QT_QPA_PLATFORM=offscreen.
#include <array>
#include <utility>
#include <vector>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QKeyEvent>
#include <QLineEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QTabWidget>
#include <QThread>

#include "../../bench/PartiesInventees.h"
#include "midend/Historique.h"
#include "competition/BaremeClubs.h"
#include "competition/ControleTirage.h"
#include "competition/LigneClub.h"
#include "competition/TiragesDuCode.h"
#include "shell/GrilleSaisie.h"
#include "shell/TFRMarbitrage.h"
#include "shell/TFRMduel.h"
#include "shell/TFRMcode.h"
#include "shell/TFRMgene.h"
#include "shell/TFRMname.h"
#include "shell/TFRMparties.h"
#include "shell/TForm1.h"
#include "FenetrePilotee.h"
#include "shell/platform/QtPlateforme.h"

namespace {

using tolvan::pilote::Clique;
using tolvan::pilote::W;

void Attends() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

bool Capture(QWidget& fenetre, const QString& chemin) {
  Attends();
  const bool ok = fenetre.grab().save(chemin);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(chemin));
  return ok;
}

// Types this draw with "Modifier" and plays it with "Jouer", which lists it.
void Joue(tolvan::TForm1& fenetre, std::array<int, 6> nombres, int cible) {
  Clique(fenetre, "BTmodifier");
  for (int i = 0; i < 6; ++i) {
    W<QLineEdit>(fenetre, qPrintable(QStringLiteral("Edit%1").arg(i + 1)))->setText(QString::number(nombres[static_cast<std::size_t>(i)]));
  }
  W<QLineEdit>(fenetre, "Edit7")->setText(QString::number(cible));
  Clique(fenetre, "BTjouer");
}

// Writes the simplest solution of the draw on screen on the board, as a
// player would: each step's operands taken from the tiles that hold them.
void JoueLaPlusSimple(tolvan::TForm1& fenetre) {
  tolvan::Solveur solveur;
  solveur.ChangeTirage(fenetre.jeu().Tirage());
  solveur.ChercheSol(solveur.IndiceSimple);
  const tolvan::TSolution solution = solveur.Solutions[solveur.IndiceSimple];
  const auto tuile = [&fenetre](tolvan::longint valeur, int autre) {
    for (int i = 1; i <= 6; ++i) {
      const tolvan::Tuile& t = fenetre.jeu().manche().Tableau().Tuiles[i];
      if (i != autre && t.active && t.valeur == valeur) return i;
    }
    return 0;
  };
  const int operateurs[] = {0, tolvan::CodePlus, tolvan::CodeMoins, tolvan::CodeDivise, tolvan::CodeFois};
  for (int k = 1; k <= solution.NbEtapes; ++k) {
    const tolvan::TEtape& etape = solution.Etapes[k];
    const int gauche = tuile(etape.Op1, 0);
    fenetre.Effectue(gauche);
    fenetre.Effectue(operateurs[etape.Oper]);
    fenetre.Effectue(tuile(etape.Op2, gauche));
  }
}

// A club's evening on the code 192G-0000-000N: a file a player, each
// result near the draw's best, and what an arbiter meets among them: a
// line of the first form, a total miscounted, two different lines under
// one name, a greeting.
QStringList SalleDeClub(const QDir& dossier) {
  std::string erreur;
  const tolvan::CodeSerie code = *tolvan::CodeSerie::Lit("192G-0000-000N", erreur);
  const std::vector<tolvan::Corrige> corriges = tolvan::CorrigeDuCode(code);
  const std::vector<tolvan::ControleTirage> controles = tolvan::ControlesDuCode(code);
  const std::vector<std::string> noms = {"Camille", "Lucas", "Léa", "Hugo", "Chloé", "Louis",
                                         "Emma", "Gabriel", "Inès", "Jules", "Manon", "Nathan"};
  QStringList chemins;
  for (std::size_t p = 0; p < noms.size(); ++p) {
    tolvan::LigneClub ligne{code, noms[p], 0, {}, std::vector<std::optional<tolvan::longint>>{}};
    for (std::size_t i = 0; i < corriges.size(); ++i) {
      // Near the best, as the plates give it; now and then nothing.
      const int decalage = static_cast<int>((p * 7 + i * 3) % 11) - 3;
      std::optional<tolvan::longint> resultat =
          decalage > 5 ? std::nullopt : std::optional(corriges[i].meilleur + std::max(0, decalage));
      if (resultat && !controles[i].Donne(*resultat)) resultat = corriges[i].meilleur;
      ligne.resultats->push_back(resultat);
      ligne.points.push_back(tolvan::BaremeClubs(corriges[i].tirage).Points(resultat));
      ligne.total += ligne.points.back();
    }
    if (noms[p] == "Nathan") ligne.total += 5;
    if (noms[p] == "Jules") ligne.resultats.reset();
    std::string texte = tolvan::EcritLigneClub(ligne);
    if (noms[p] == "Manon") {
      ligne.resultats->front() = ligne.resultats->front().value_or(0) + 1;
      texte += "\r\n" + tolvan::EcritLigneClub(ligne);
    }
    if (noms[p] == "Louis") texte = "Bonsoir, voici ma ligne :\r\n" + texte;
    QFile fichier(dossier.filePath(QString::fromStdString(noms[p]).toLower() + QStringLiteral(".txt")));
    fichier.open(QIODevice::WriteOnly);
    fichier.write(QByteArray::fromStdString(texte + "\r\n"));
    chemins.append(fichier.fileName());
  }
  return chemins;
}

// The pictures of the README, each a scene played on the real window.
class Captures {
 public:
  Captures(tolvan::TForm1& fenetre, tolvan::pilote::PlateformeScriptee& plateforme, const QDir& sortie,
           const QString& repertoire)
      : fenetre_(fenetre), plateforme_(plateforme), sortie_(sortie), repertoire_(repertoire) {}
  bool Reussies() const { return reussies_; }

  // `fois` seconds of the game's clock, each followed by the window's timer.
  void Secondes(int fois) {
    for (int i = 0; i < fois; ++i) {
      plateforme_.instant += 1000;
      fenetre_.Timer1Timer();
    }
  }

  void Pages(const char* prefixe) {
    const char* const pages[] = {"jeu", "options", "competition", "tirages", "apropos"};
    for (int i = 0; i < 5; ++i) {
      W<QTabWidget>(fenetre_, "PCmain")->setCurrentIndex(i);
      Prends(QStringLiteral("%1-%2-%3.png").arg(QString::fromLatin1(prefixe)).arg(i + 1).arg(pages[i]));
    }
  }

  // A game in progress on 25 50 75 100 3 6 with the target 303, then won.
  void PartieGagnee() {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentIndex(0);
    Clique(fenetre_, "CBauto");
    Clique(fenetre_, "CBmontre");
    Joue(fenetre_, {25, 50, 75, 100, 3, 6}, 303);
    Secondes(37);
    for (int code : {6, tolvan::CodeFois, 2, tolvan::CodePlus}) fenetre_.Effectue(code);
    Prends(QStringLiteral("partie-en-cours.png"));
    fenetre_.Effectue(5);
    Prends(QStringLiteral("partie-gagnee.png"));
  }

  // Played from the keyboard: a tile picked, the keyboard on another.
  void PartieAuClavier() {
    Joue(fenetre_, {25, 50, 75, 100, 3, 6}, 303);
    fenetre_.Effectue(6);
    fenetre_.Effectue(tolvan::CodeFois);
    fenetre_.activateWindow();
    W(fenetre_, "P2")->setFocus(Qt::TabFocusReason);
    Prends(QStringLiteral("partie-au-clavier.png"));
  }

  // Typed: "(75+25)x8" played from the field, "+7" on its way.
  void CalculTape() {
    Joue(fenetre_, {75, 25, 8, 7, 3, 100}, 807);
    fenetre_.activateWindow();
    auto* champ = W<QLineEdit>(fenetre_, "MonCalcul");
    champ->setFocus(Qt::ShortcutFocusReason);
    champ->setText(QStringLiteral("(75+25)x8"));
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(champ, &entree);
    // The answer comes with a field of its own.
    W<QLineEdit>(fenetre_, "MonCalcul")->setText(QStringLiteral("+7"));
    Prends(QStringLiteral("calcul-tape.png"));
  }

  // Results of seven digits on the tiles and the board.
  void GrandsNombres() {
    Joue(fenetre_, {100, 75, 50, 25, 1, 2}, 999);
    for (int code : {1, tolvan::CodeFois, 2, 2, tolvan::CodeFois, 3, 3, tolvan::CodeFois, 4}) fenetre_.Effectue(code);
    Prends(QStringLiteral("grands-nombres.png"));
  }

  // The clock of "20 secondes" runs out.
  void TempsEcoule() {
    W<QComboBox>(fenetre_, "CBtemps")->setCurrentIndex(1);
    Joue(fenetre_, {1, 3, 7, 8, 9, 10}, 997);
    Secondes(20);
    Prends(QStringLiteral("temps-ecoule.png"));
    W<QComboBox>(fenetre_, "CBtemps")->setCurrentIndex(0);
  }

  // A few more games fill the draws list.
  void ListeDesTirages() {
    for (int i = 0; i < 6; ++i) fenetre_.BresultClick();
    W<QTimer>(fenetre_, "Timer1")->stop();
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TStirage"));
    Prends(QStringLiteral("liste-des-tirages.png"));
  }

  // The solutions panel over the board of a won game, then a draw being typed.
  void SolutionsEtSaisie() {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentIndex(0);
    Joue(fenetre_, {25, 50, 75, 100, 3, 6}, 303);
    for (int code : {6, tolvan::CodeFois, 2, tolvan::CodePlus, 5}) fenetre_.Effectue(code);
    fenetre_.BTvoirSolClick();
    fenetre_.BTsimpleClick();
    Prends(QStringLiteral("panneau-solutions.png"));
    fenetre_.BTvoirSolClick();
    fenetre_.Modifer1Click();
    Prends(QStringLiteral("saisie-tirage.png"));
  }

  // The coach after a line, and the hints by steps climbed twice.
  void CoachEtIndices(const QString& nom = QStringLiteral("coach-et-indices.png")) {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentIndex(0);
    Clique(fenetre_, "CBcoach");
    Joue(fenetre_, {25, 50, 75, 100, 3, 6}, 303);
    for (int code : {3, tolvan::CodeDivise, 1}) fenetre_.Effectue(code);  // 75/25=3
    fenetre_.BTbackClick();
    Clique(fenetre_, "BTindice");
    Clique(fenetre_, "BTindice");
    Clique(fenetre_, "BTindice");
    Prends(nom);
    fenetre_.BTbackClick();
    Clique(fenetre_, "CBcoach");
  }

  // Out of reach: the hints' last step in full, then the coach's last
  // word when the time runs out.
  void IndiceHorsDePortee() {
    Clique(fenetre_, "CBcoach");
    W<QComboBox>(fenetre_, "CBtemps")->setCurrentIndex(1);
    Joue(fenetre_, {1, 1, 2, 2, 3, 3}, 999);
    fenetre_.BTbackClick();
    for (int fois = 0; fois < 6; ++fois) Clique(fenetre_, "BTindice");
    Prends(QStringLiteral("indice-hors-de-portee.png"));
    fenetre_.BTbackClick();
    Secondes(20);
    Prends(QStringLiteral("coach-temps-ecoule.png"));
    W<QComboBox>(fenetre_, "CBtemps")->setCurrentIndex(0);
    Clique(fenetre_, "CBcoach");
  }

  // The hints band during a game, each tool used once.
  void BandeDesAides() {
    Joue(fenetre_, {2, 2, 2, 2, 2, 2}, 64);
    fenetre_.BTbackClick();
    fenetre_.BTdecompClick();
    fenetre_.RBfoisClick();
    for (const auto& [touche, pave] : std::vector<std::pair<int, bool>>{
             {Qt::Key_1, true}, {Qt::Key_0, true}, {Qt::Key_Slash, true}, {Qt::Key_3, true}, {Qt::Key_Enter, false}}) {
      const QString texte = touche == Qt::Key_Enter   ? QStringLiteral("\r")
                            : touche == Qt::Key_Slash ? QStringLiteral("/")
                                                      : QString(QChar('0' + touche - Qt::Key_0));
      QKeyEvent presse(QEvent::KeyPress, touche, pave ? Qt::KeypadModifier : Qt::NoModifier, texte);
      QApplication::sendEvent(W(fenetre_, "Lcalcul"), &presse);
      QKeyEvent relache(QEvent::KeyRelease, touche, pave ? Qt::KeypadModifier : Qt::NoModifier);
      QApplication::sendEvent(W(fenetre_, "Lcalcul"), &relache);
    }
    Prends(QStringLiteral("bande-des-aides.png"));
    fenetre_.BTbackClick();
  }

  // A series: the dialog that asks for it, then its draws sorted by target.
  void SerieClassee() {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TStirage"));
    tolvan::TFRMgene& generation = *fenetre_.findChild<tolvan::TFRMgene*>("FRMgene");
    generation.TXTnbtir->setText(QStringLiteral("30"));
    generation.show();
    Attends();
    reussies_ &= generation.grab().save(sortie_.filePath(QStringLiteral("generation.png")));
    generation.hide();
    plateforme_.quandDialogue = [](QDialog& dialogue) { static_cast<tolvan::TFRMgene&>(dialogue).BTok->click(); };
    fenetre_.BTgenereClick();
    Clique(fenetre_, "CBclasse");
    Prends(QStringLiteral("liste-classee.png"));
  }

  // A competition on a copy of the shipped "Débutant" level: a series under
  // way, then its end with a new record.
  void Competition() {
    QTemporaryDir niveaux;
    for (const char* nom : {"debutant.niv", "debutant.tir"}) {
      QFile::copy(repertoire_ + QStringLiteral("niveaux/") + QString::fromLatin1(nom),
                  niveaux.filePath(QString::fromLatin1(nom)));
    }
    Clique(fenetre_, "CBcompet");
    plateforme_.fichiers.push_back(niveaux.filePath(QStringLiteral("debutant.niv")));
    fenetre_.BTchangeClick();
    fenetre_.LanceFacon(QStringLiteral("BTstart"));
    Secondes(12);
    Prends(QStringLiteral("competition-serie.png"));
    JoueLaPlusSimple(fenetre_);
    fenetre_.BTnouvPartieClick();
    Secondes(20);
    JoueLaPlusSimple(fenetre_);
    fenetre_.BTnouvPartieClick();
    plateforme_.quandDialogue = [](QDialog& dialogue) {
      auto& nom = static_cast<tolvan::TFRMname&>(dialogue);
      nom.TXTbatu->setText(QStringLiteral("Camille"));
      nom.accept();
    };
    for (int i = 0; i < 120 && fenetre_.jeu().competition().serie().EnCours(); ++i) Secondes(1);
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TScompet"));
    Prends(QStringLiteral("competition-records.png"));
    Clique(fenetre_, "CBcompet");
  }

  // The arbiter's desk: the room's files gathered, two paper sheets typed
  // (one with a number the plates cannot give), then the ranking, the
  // refusals and alerts, and the grid.
  void Arbitrage(const QString& prefixe = {}) {
    // The same files each time: read again, they replace what they gave.
    for (const QString& chemin : SalleDeClub(QDir(salle_.path()))) plateforme_.fichiers.push_back(chemin);
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TScompet"));
    plateforme_.quandDialogue = [this, prefixe](QDialog& dialogue) {
      auto& bureau = static_cast<tolvan::TFRMarbitrage&>(dialogue);
      bureau.show();
      bureau.BTfichiersArbitrage->click();
      bureau.SPgroupesArbitrage->setValue(4);
      bureau.PCarbitrage->setCurrentWidget(bureau.TSsaisie);
      const std::vector<std::vector<QString>> feuilles = {
          {"Zoé", "166", "255", "577", "864", "510", "507", "743", "852", "980", "105"},
          {"Yanis", "160", "250", "", "860", "512", "9999", "740", "850", "978", "104"}};
      for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 11; ++c) bureau.LVsaisie->item(r, c)->setText(feuilles[r][c]);
      }
      bureau.LVsaisie->setCurrentCell(2, 0);
      bureau.LVsaisie->setFocus();
      reussies_ &= Capture(bureau, sortie_.filePath(prefixe + QStringLiteral("arbitrage-saisie.png")));
      bureau.PCarbitrage->setCurrentWidget(bureau.TSclassement);
      reussies_ &= Capture(bureau, sortie_.filePath(prefixe + QStringLiteral("arbitrage-classement.png")));
      bureau.PCarbitrage->setCurrentWidget(bureau.TSavis);
      reussies_ &= Capture(bureau, sortie_.filePath(prefixe + QStringLiteral("arbitrage-refus.png")));
      bureau.hide();
    };
    fenetre_.BTarbitrageClick();
  }

  // Club play: the code's dialog with a code pasted, a draw's points in its
  // summary, then the score sheet at the end of the series.
  void PartieParCode() {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TScompet"));
    plateforme_.quandDialogue = [this](QDialog& dialogue) {
      auto& code = static_cast<tolvan::TFRMcode&>(dialogue);
      code.TXTcode->setText(QStringLiteral("192G-0000-000N"));
      code.TXTcode->selectAll();
      code.show();
      reussies_ &= Capture(code, sortie_.filePath(QStringLiteral("code-saisie.png")));
      code.hide();
      code.BTjoueCode->click();
    };
    fenetre_.LanceFacon(QStringLiteral("BTcode"));
    // At the end, the player's name, then the sheet (each answer is used once).
    plateforme_.quandDialogue = [this](QDialog& dialogue) {
      auto& nom = static_cast<tolvan::TFRMname&>(dialogue);
      nom.TXTbatu->setText(QStringLiteral("Camille"));
      nom.TXTbatu->selectAll();
      nom.show();
      reussies_ &= Capture(nom, sortie_.filePath(QStringLiteral("code-nom.png")));
      nom.hide();
      nom.accept();
      plateforme_.quandDialogue = [this](QDialog& feuille) {
        feuille.show();
        reussies_ &= Capture(feuille, sortie_.filePath(QStringLiteral("code-feuille.png")));
        feuille.hide();
      };
    };
    for (int tirage = 1; tirage <= 10; ++tirage) {
      if (tirage > 1) fenetre_.BTnouvPartieClick();
      Secondes(5 + tirage * 7 % 20);
      if (tirage % 3 == 2) {
        // A line short of the target, and the time runs out.
        for (const int code : {1, tolvan::CodeFois, 2}) fenetre_.Effectue(code);
      } else {
        JoueLaPlusSimple(fenetre_);
      }
      // A draw whose target cannot be reached runs to its end.
      Secondes(40);
      if (tirage == 2) Prends(QStringLiteral("code-tirage.png"));
    }
    Attends();
  }

  // Today's draw found on its counting-up clock, with its line to copy.
  void TirageDuJour(const QString& nom = QStringLiteral("tirage-du-jour.png")) {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TSjeu"));
    fenetre_.LanceFacon(QStringLiteral("BTjour"));
    Secondes(47);
    JoueLaPlusSimple(fenetre_);
    Prends(nom);
  }

  // The duel's choice, then one draw against "Joueur de club": the
  // player's lines and the computer's answer side by side, with the points.
  void DuelContreOrdinateur() {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TSjeu"));
    ChoisitDuel([](tolvan::TFRMduel& duel) {
      duel.RBordinateur->setChecked(true);
      duel.CBforce->setCurrentIndex(2);
      duel.CBnbTirages->setCurrentIndex(0);
      duel.CBtempsDuel->setCurrentIndex(duel.CBtempsDuel->findData(2));
    }, QStringLiteral("duel-choix.png"));
    fenetre_.BTnouvPartieClick();
    Secondes(23);
    JoueLaPlusSimple(fenetre_);
    FinitLeTour();
    Prends(QStringLiteral("duel-ordinateur.png"));
  }

  // Five draws between Camille and Louis, each playing every draw in turn:
  // the board hidden between the two goes of a draw; the end of the duel,
  // the last draw, the score and the winner, and the duel's sheet.
  void DuelDeuxJoueurs() {
    // The duel against the computer under way is stopped by its button first.
    fenetre_.LanceFacon(QStringLiteral("BTduel"));
    ChoisitDuel([](tolvan::TFRMduel& duel) {
      duel.RBdeuxJoueurs->setChecked(true);
      duel.TXTjoueur1->setText(QStringLiteral("Camille"));
      duel.TXTjoueur2->setText(QStringLiteral("Louis"));
      duel.CBnbTirages->setCurrentIndex(0);
      duel.CBtempsDuel->setCurrentIndex(duel.CBtempsDuel->findData(4));
    }, {});
    for (int tour = 0; tour < 10; ++tour) {
      fenetre_.BTnouvPartieClick();
      Secondes(9 + 4 * tour);
      // Now and then a go ends with nothing written.
      if (tour % 4 != 3) JoueLaPlusSimple(fenetre_);
      if (tour == 9) {
        plateforme_.quandDialogue = [this](QDialog& feuille) {
          feuille.show();
          reussies_ &= Capture(feuille, sortie_.filePath(QStringLiteral("duel-feuille.png")));
          feuille.hide();
        };
      }
      FinitLeTour();
      if (tour == 0) Prends(QStringLiteral("duel-tour-cache.png"));
    }
    Attends();
    Prends(QStringLiteral("duel-deux-joueurs.png"));
    // Back to training for the scenes that follow.
    fenetre_.BTnouvPartieClick();
    FinitLeTour();
  }

  // "Mes parties" over two months of games.
  void MesParties(const QString& nom = QStringLiteral("mes-parties.png")) {
    W<QTabWidget>(fenetre_, "PCmain")->setCurrentWidget(W(fenetre_, "TSapro"));
    plateforme_.quandDialogue = [this, nom](QDialog& dialogue) {
      dialogue.show();
      reussies_ &= Capture(dialogue, sortie_.filePath(nom));
      dialogue.hide();
    };
    fenetre_.BTmesPartiesClick();
  }

  // Every page in English, from the language file that comes with the game,
  // with the hints band open; then the coach and the hints, the draw of the
  // day and "Mes parties" in English too.
  void EnAnglais() {
    fenetre_.BTbackClick();
    fenetre_.change_langue(repertoire_ + QStringLiteral("english.tvl"));
    Pages("english");
    fenetre_.BTbackClick();
    CoachEtIndices(QStringLiteral("english-coach-et-indices.png"));
    TirageDuJour(QStringLiteral("english-tirage-du-jour.png"));
    MesParties(QStringLiteral("english-mes-parties.png"));
    Arbitrage(QStringLiteral("english-"));
  }

 private:
  void Prends(const QString& nom) { reussies_ &= Capture(fenetre_, sortie_.filePath(nom)); }
  // "Duel", its choice made by `choisit` and pictured as `image` (unless empty).
  template <class Choix>
  void ChoisitDuel(Choix choisit, const QString& image) {
    plateforme_.quandDialogue = [this, choisit, image](QDialog& dialogue) {
      auto& duel = static_cast<tolvan::TFRMduel&>(dialogue);
      choisit(duel);
      if (!image.isEmpty()) {
        duel.show();
        reussies_ &= Capture(duel, sortie_.filePath(image));
        duel.hide();
      }
      duel.accept();
    };
    fenetre_.LanceFacon(QStringLiteral("BTduel"));
  }
  // The game on the board runs to its end.
  void FinitLeTour() {
    for (int i = 0; i < 400 && fenetre_.jeu().manche().PartieEnJeu(); ++i) Secondes(1);
  }

  tolvan::TForm1& fenetre_;
  tolvan::pilote::PlateformeScriptee& plateforme_;
  const QDir sortie_;
  QTemporaryDir salle_;  // the players' files of the club's evening
  const QString repertoire_;
  bool reussies_ = true;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: tolvan-captures OUTDIR\n");
    return 2;
  }
  QApplication::setApplicationName(QStringLiteral("Tolvan"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  const QDir sortie(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(sortie.absolutePath());

  tolvan::pilote::PlateformeScriptee plateforme;
  // A history of its own, made up over the two months before today: the
  // player's is left alone.
  QTemporaryDir joueur;
  plateforme.historique = joueur.filePath(QStringLiteral("historique.sqlite"));
  {
    tolvan::Historique historique;
    historique.Ouvre(plateforme.historique);
    for (const tolvan::PartieJouee& partie : tolvan::PartiesInventees(240, 60, QDate::currentDate().addDays(-1))) {
      historique.Enregistre(partie);
    }
  }
  const QString repertoire = QStringLiteral(TOLVAN_APP_DIR "/");
  tolvan::TForm1 fenetre(plateforme, repertoire);
  fenetre.show();
  fenetre.FormActivate();

  Captures captures(fenetre, plateforme, sortie, repertoire);
  captures.Pages("page");
  captures.PartieGagnee();
  captures.TirageDuJour();
  captures.PartieAuClavier();
  captures.CalculTape();
  captures.GrandsNombres();
  captures.TempsEcoule();
  captures.ListeDesTirages();
  captures.SolutionsEtSaisie();
  captures.BandeDesAides();
  captures.CoachEtIndices();
  captures.IndiceHorsDePortee();
  captures.SerieClassee();
  captures.Competition();
  captures.DuelContreOrdinateur();
  captures.DuelDeuxJoueurs();
  captures.PartieParCode();
  captures.Arbitrage();
  captures.MesParties();
  captures.EnAnglais();
  return captures.Reussies() ? 0 : 1;
}
