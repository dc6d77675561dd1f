// The solutions panel over the blackboard: the simplest, the most twisted,
// the player's own, and every other one through the filters.
#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTextEdit>

#include "TForm1.h"

namespace tolvan {

void TForm1::MontreSolutions(const LignesPanneau& lignes) {
  QStringList textes;
  for (const std::string& ligne : lignes) textes.append(QString::fromStdString(ligne));
  TMsolution->setPlainText(textes.join(QLatin1Char('\n')));
}

void TForm1::MontreApresCalcul(const std::function<LignesPanneau()>& lignes) {
  MontreSolutions({TexteCalculs});
  TMsolution->repaint();
  // A failure leaves "Calculs ..." shown; the search reports its own.
  try {
    MontreSolutions(lignes());
  } catch (...) {
  }
}

void TForm1::BTvoirSolClick() {
  vueSolutions_ = !vueSolutions_;
  TMsolution->setVisible(vueSolutions_);
  GBopSol->setVisible(vueSolutions_);
  BTvoirSol->setText(vueSolutions_ ? QStringLiteral("Voir le tableau") : QStringLiteral("Voir les solutions"));
}

void TForm1::BTrightClick() { MontreSolutions(SolutionSuivante(*solveur_, filtres_, true)); }

void TForm1::BTleftClick() { MontreSolutions(SolutionSuivante(*solveur_, filtres_, false)); }

void TForm1::CBetapeChange(int choix) { filtres_.etapes = static_cast<word>(std::max(0, choix)); }

void TForm1::CBoperChange(int choix) { filtres_.oper = static_cast<word>(std::max(0, choix)); }

void TForm1::BTsimpleClick() {
  MontreApresCalcul([this] { return LaPlusSimple(*solveur_, Textes.MsgImpossible.toStdString()); });
}

void TForm1::BTtordueClick() {
  MontreApresCalcul([this] { return LaPlusTordue(*solveur_, Textes.MsgImpossible.toStdString()); });
}

void TForm1::BTmienneClick() {
  // The player's lines belong to the last game's draw, even if another one
  // became current meanwhile.
  RetrouveTirageDeLaManche();
  MontreApresCalcul([this] {
    const TableauNoir& tableau = manche_.Tableau();
    return LaMienne(*solveur_, tableau.Lignes, tableau.NbLignesFinies(), manche_.Gagnee());
  });
}

}  // namespace tolvan
