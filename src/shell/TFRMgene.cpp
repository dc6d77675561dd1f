#include "TFRMgene.h"

#include <optional>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Fabrique.h"
#include "Touches.h"
#include "engine/Entier.h"

namespace tolvan {

TFRMgene::TFRMgene(Plateforme& plateforme, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), plateforme_(plateforme) {
  setObjectName("FRMgene");
  setWindowTitle(QStringLiteral("Génération de tirages"));
  setFixedSize(265, 157);
  Label2 = Etiquette(this, "Label2", QStringLiteral("Attention cette action prend beaucoup de temps"),
                     QRect(8, 8, 249, 20));
  Label2->setWordWrap(true);
  Label1 = Etiquette(this, "Label1", QStringLiteral("Nombre de tirage a générer :"), QRect(8, 40, 170, 22));
  TXTnbtir = Champ(this, "TXTnbtir", QStringLiteral("10"), QRect(184, 38, 60, 24), 4);
  QFont grand = TXTnbtir->font();
  grand.setPixelSize(13);
  TXTnbtir->setFont(grand);
  TXTnbtir->installEventFilter(this);
  Label1->setBuddy(TXTnbtir);
  CBmini = CaseACocher(this, "CBmini", QStringLiteral("Minimiser la fenetre pendant le calcul"),
                       QRect(8, 76, 249, 22), false);
  BTok = Bouton(this, "BTok", QStringLiteral("OK"), QRect(46, 118, 80, 28));
  BTannul = Bouton(this, "BTannul", QStringLiteral("Annuler"), QRect(140, 118, 80, 28));
  connect(BTok, &QPushButton::clicked, this, &TFRMgene::BTokClick);
  // Escape presses "Annuler", as QDialog rejects on Escape.
  connect(BTannul, &QPushButton::clicked, this, &QDialog::reject);
}

void TFRMgene::BTokClick() {
  const QString texte = TXTnbtir->text();
  const std::optional<longint> nombre = LitEntier(texte.toStdString());
  if (!nombre || *nombre < 0) {
    plateforme_.Message(TypeMessage::Erreur, QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(texte),
                        BoutonsMessage::Ok);
    return;
  }
  demande_ = {*nombre, CBmini->isChecked()};
  accept();
}

bool TFRMgene::eventFilter(QObject* objet, QEvent* event) {
  // Digits add to the count, Enter presses "OK", a key that neither moves
  // nor edits starts the count afresh.
  if (objet == TXTnbtir && event->type() == QEvent::KeyPress) {
    switch (GenreDe(*static_cast<QKeyEvent*>(event))) {
      case GenreTouche::Entree: BTokClick(); return true;
      case GenreTouche::Operateur:
      case GenreTouche::Autre: TXTnbtir->clear(); break;
      default: break;
    }
  }
  return QDialog::eventFilter(objet, event);
}

}  // namespace tolvan
