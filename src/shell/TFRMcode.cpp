#include "TFRMcode.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "Fabrique.h"
#include "midend/TextesMessages.h"
#include "midend/regimes/Regime.h"

namespace tolvan {

namespace {

constexpr Qt::WindowFlags Cadre = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A caption without the colon that ends it, as a screen reader names a field.
QString SansDeuxPoints(QString texte) {
  texte = texte.trimmed();
  if (texte.endsWith(QLatin1Char(':'))) texte.chop(1);
  return texte.trimmed();
}

}  // namespace

TFRMcode::TFRMcode(QWidget* parent) : QDialog(parent, Cadre) {
  setObjectName("FRMcode");
  setFixedSize(360, 112);
  LBcode = Etiquette(this, "LBcode", {}, QRect(12, 14, 120, 22));
  TXTcode = Champ(this, "TXTcode", {}, QRect(136, 12, 212, 24), 40);
  LBcode->setBuddy(TXTcode);
  BTnouveauCode = Bouton(this, "BTnouveauCode", {}, QRect(12, 46, 164, 26));
  BTcopieCode = Bouton(this, "BTcopieCode", {}, QRect(184, 46, 164, 26));
  BTjoueCode = Bouton(this, "BTjoueCode", {}, QRect(12, 78, 164, 26));
  BTfermeCode = Bouton(this, "BTfermeCode", {}, QRect(184, 78, 164, 26));
  BTjoueCode->setDefault(true);
  connect(BTfermeCode, &QPushButton::clicked, this, &QDialog::reject);
  connect(TXTcode, &QLineEdit::textChanged, this, [this] { BTcopieCode->setText(copier_); });
}

void TFRMcode::MontreCopie(const TextesMessages& textes) { BTcopieCode->setText(textes.MsgCopie); }

void TFRMcode::PoseTextes(const TextesMessages& textes) {
  setWindowTitle(textes.MsgPartieParCode);
  LBcode->setText(textes.MsgCodeDeLaSerie);
  TXTcode->setAccessibleName(SansDeuxPoints(textes.MsgCodeDeLaSerie));
  BTnouveauCode->setText(textes.MsgNouveauCode);
  copier_ = textes.MsgCopierLeCode;
  BTcopieCode->setText(copier_);
  BTjoueCode->setText(textes.MsgJouerUnCode);
  BTfermeCode->setText(textes.MsgFermer);
}

TFRMfeuille::TFRMfeuille(QWidget* parent) : QDialog(parent, Cadre) {
  setObjectName("FRMfeuille");
  // A code's sheet is as wide as its simplest solutions.
  setFixedSize(720, 330);
  MMfeuille = Memo(this, "MMfeuille", QRect(8, 8, 704, 276));
  MMfeuille->setReadOnly(true);
  MMfeuille->setLineWrapMode(QTextEdit::NoWrap);
  // Read line by line with the arrows; its columns line up as they do on
  // paper, in the fixed-width face the game's style gives it.
  MMfeuille->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  MMfeuille->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MMfeuille->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  BTimprimeFeuille = Bouton(this, "BTimprimeFeuille", {}, QRect(8, 294, 160, 28));
  BTcopieFeuille = Bouton(this, "BTcopieFeuille", {}, QRect(176, 294, 180, 28));
  BTfermeFeuille = Bouton(this, "BTfermeFeuille", {}, QRect(552, 294, 160, 28));
  connect(BTfermeFeuille, &QPushButton::clicked, this, &QDialog::accept);
}

void TFRMfeuille::PoseTextes(const TextesMessages& textes) {
  if (MMfeuille->toPlainText().isEmpty()) MMfeuille->setAccessibleName(textes.MsgFeuilleDeMarque);
  BTimprimeFeuille->setText(textes.MsgImprimer);
  BTcopieFeuille->setText(textes.MsgCopierResultat);
  BTfermeFeuille->setText(textes.MsgFermer);
}

void TFRMfeuille::Montre(const Feuille& feuille) {
  setWindowTitle(feuille.titre);
  BTcopieFeuille->setVisible(!feuille.ligneACopier.isEmpty());
  MMfeuille->setAccessibleName(feuille.Resume());
  MMfeuille->setPlainText(feuille.Lignes().join(QLatin1Char('\n')));
  MMfeuille->moveCursor(QTextCursor::Start);
  MMfeuille->setFocus(Qt::OtherFocusReason);
}

}  // namespace tolvan
