#include "TFRMname.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Fabrique.h"

namespace tolvan {

TFRMname::TFRMname(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("FRMname");
  setWindowTitle(QStringLiteral("Entre ton nom :"));
  setFixedSize(215, 102);
  GBname = Groupe(this, "GBname", {}, QRect(8, 4, 199, 90));
  Label13 = Etiquette(GBname, "Label13", QStringLiteral("Nom :"), QRect(12, 22, 40, 20));
  TXTbatu = Champ(GBname, "TXTbatu", QStringLiteral("??????????"), QRect(56, 20, 130, 22), 20);
  Label13->setBuddy(TXTbatu);
  BTaddName = Bouton(GBname, "BTaddName", QStringLiteral("OK"), QRect(62, 54, 75, 26));
  BTaddName->setDefault(true);
  connect(BTaddName, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tolvan
