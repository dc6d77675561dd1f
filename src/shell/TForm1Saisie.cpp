// A draw typed by the player: "Modifier" opens the entry panel on the
// numbers of the board, "Jouer" plays what was typed.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "TForm1.h"
#include "Touches.h"
#include "game/SaisieTirage.h"

namespace tolvan {

void TForm1::Modifer1Click() {
  // The tiles as they stand: during a game, with its intermediate results.
  const TableauNoir& tableau = manche_.Tableau();
  for (int i = 1; i <= NbNombres; ++i) {
    Edits[static_cast<std::size_t>(i - 1)]->setText(QString::number(tableau.Tuiles[i].valeur));
  }
  Edits[NbNombres]->setText(QString::number(solveur_->Tirage.Resultat));
  manche_.AfficheSaisie();
  AffichePanneau();
  FocaliseChamp(Edits[0]);
}

void TForm1::FocaliseChamp(QLineEdit* champ) {
  // The number shown is selected, so the first digit typed replaces it.
  champ->setFocus();
  champ->selectAll();
}

void TForm1::BTjouerClick() {
  std::array<std::string, NbChamps> champs;
  for (std::size_t k = 0; k < champs.size(); ++k) champs[k] = Edits[k]->text().toStdString();
  const std::variant<TTirage, int> saisie = LitSaisie(champs, solveur_->Tirage);
  if (const int* fautif = std::get_if<int>(&saisie)) {
    // Nothing is taken: the player mends the field and plays again.
    FocaliseChamp(Edits[static_cast<std::size_t>(*fautif)]);
    return;
  }
  Solveur& s = *solveur_;
  s.ChangeTirage(std::get<TTirage>(saisie));
  s.NbSolutions = 0;
  s.NbEtapesMin = 0;
  s.TexteSimple.clear();
  depart();
  TIR_to_LV();
}

void TForm1::EditKeyUp(QLineEdit* champ, int touche, Qt::KeyboardModifiers modificateurs) {
  const bool chiffreDuPave = EstChiffreDuPave(touche, modificateurs);
  const bool entree = EstEntree(touche);
  const bool edition = touche == Qt::Key_Backspace || touche == Qt::Key_Delete || touche == Qt::Key_Left ||
                       touche == Qt::Key_Right;
  if (!chiffreDuPave && !entree && !edition) {
    champ->clear();
    return;
  }
  if (!entree) return;
  if (champ == Enbadecomp) {
    BTdecompClick();
    return;
  }
  // Enter goes on to the next field, and from the target back to the first.
  const auto place = std::find(Edits.begin(), Edits.end(), champ);
  if (place != Edits.end()) FocaliseChamp(Edits[static_cast<std::size_t>((place - Edits.begin() + 1) % NbChamps)]);
}

}  // namespace tolvan
