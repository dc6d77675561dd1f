#include "TFRMgene.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Fabrique.h"

namespace tolvan {

TFRMgene::TFRMgene(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
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
  CBmini = CaseACocher(this, "CBmini", QStringLiteral("Minimiser la fenetre pendant le calcul"),
                       QRect(8, 76, 249, 22), false);
  BTok = Bouton(this, "BTok", QStringLiteral("OK"), QRect(46, 118, 80, 28));
  BTannul = Bouton(this, "BTannul", QStringLiteral("Annuler"), QRect(140, 118, 80, 28));
  // Escape presses "Annuler", as QDialog rejects on Escape.
  connect(BTannul, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tolvan
