#include "TFRMname.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Fabrique.h"
#include "midend/TextesMessages.h"

namespace tolvan {

namespace {

constexpr int Largeur = 300;
constexpr int HauteurNom = 102;  // the name's group and its margins
constexpr int HauteurBilanMax = 120;

}  // namespace

TFRMname::TFRMname(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("FRMname");
  setWindowTitle(QStringLiteral("Entre ton nom :"));
  setFixedSize(Largeur, HauteurNom);
  LBbilan = Etiquette(this, "LBbilan", {}, QRect(8, 8, Largeur - 16, 0));
  LBbilan->setWordWrap(true);
  LBbilan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LBbilan->hide();
  GBname = Groupe(this, "GBname", {}, QRect(8, 4, Largeur - 16, 90));
  Label13 = Etiquette(GBname, "Label13", QStringLiteral("Nom :"), QRect(12, 22, 60, 20));
  TXTbatu = Champ(GBname, "TXTbatu", QStringLiteral("??????????"), QRect(76, 20, Largeur - 108, 22), 20);
  Label13->setBuddy(TXTbatu);
  BTaddName = Bouton(GBname, "BTaddName", QStringLiteral("OK"), QRect((Largeur - 16 - 75) / 2, 54, 75, 26));
  BTaddName->setDefault(true);
  connect(BTaddName, &QPushButton::clicked, this, &QDialog::accept);
}

void TFRMname::Prepare(const QString& bilan, const TextesMessages& textes) {
  setWindowTitle(textes.MsgEntreTonNom);
  Label13->setText(textes.MsgNom);
  LBbilan->setText(bilan);
  LBbilan->setVisible(!bilan.isEmpty());
  const int hauteurBilan =
      bilan.isEmpty() ? 0 : std::min(HauteurBilanMax, LBbilan->heightForWidth(LBbilan->width())) + 8;
  LBbilan->resize(LBbilan->width(), hauteurBilan);
  GBname->move(8, 4 + hauteurBilan);
  setFixedSize(Largeur, HauteurNom + hauteurBilan);
  // A reader hears it with the name, where the keyboard is.
  TXTbatu->setAccessibleDescription(bilan);
  TXTbatu->setFocus(Qt::OtherFocusReason);
  TXTbatu->selectAll();
}

}  // namespace tolvan
