// The draws list out of the program and back: draws files, printing, and
// the spreadsheet.
#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTreeView>

#include "CadenceRepeinte.h"
#include "Chemins.h"
#include "FichierTexte.h"
#include "OperationFichier.h"
#include "TForm1.h"
#include "library/FichierTirages.h"
#include "platform/RaisonEchec.h"

namespace tolvan {

namespace {

const DialogueFichier ODtirage{QStringLiteral("Ouverture d'un fichier de tirages"),
                               QStringLiteral("Fichiers Tirage *.tir|*.tir"), {}};
const DialogueFichier SDtirage{QStringLiteral("Sauvegarde d'un fichier de tirages"),
                               QStringLiteral("Fichiers Tirage|*.tir"), QStringLiteral("tir")};

// Malformed lines shown one box each; the others are counted in one box.
constexpr int ConversionsMontrees = 3;
// The window is repainted this often while a long file is read, not per row.
constexpr int IntervalleRepeinte = 100;

QByteArray Octets(const std::string& texte) { return QByteArray::fromStdString(texte); }

}  // namespace

void TForm1::ArreteClassement() {
  CBclasse->setChecked(false);
  tirages_.Classe(false);
}

bool TForm1::LitFichierTirages(const QString& chemin) {
  return AvecReessai(chemin, plateforme_, Textes, [&]() -> Tentative {
    int malformees = 0;
    int lignesLues = 0;
    CadenceRepeinte repeinte(this, IntervalleRepeinte);
    LVtirage->hide();
    const SuiviLecture suivi{
        [this](RangeeTirage rangee) { return tirages_.Ajoute(std::move(rangee)) >= 0; },
        [&](std::string_view ligne) {
          if (++malformees <= ConversionsMontrees) {
            plateforme_.Message(TypeMessage::Erreur, QString::fromStdString(MessageConversion(ligne)),
                                BoutonsMessage::Ok);
          }
        },
        [&] {
          // A file longer than a bar leaves it full.
          ++lignesLues;
          for (QProgressBar* barre : {PBcharge, PB2}) barre->setValue(std::min(lignesLues, barre->maximum()));
          repeinte.Pas();
        }};
    const IssueLecture issue = LitTirages(chemin.toStdString(), suivi);
    LVtirage->show();
    if (malformees > ConversionsMontrees) {
      plateforme_.Message(TypeMessage::Erreur,
                          QString::fromStdString(MessageConversions(malformees - ConversionsMontrees)),
                          BoutonsMessage::Ok);
    }
    switch (issue) {
      case IssueLecture::OuvertureImpossible: return {IssueFichier::OuvertureImpossible, RaisonLecture(chemin)};
      case IssueLecture::LectureImpossible: return IssueFichier::LectureImpossible;
      case IssueLecture::ListePleine: MontreListePleine(); break;
      case IssueLecture::TropVolumineux:
        plateforme_.Message(TypeMessage::Avertissement, QString::fromUtf8(MessageTropVolumineux),
                            BoutonsMessage::Ok);
        break;
      case IssueLecture::Lu: break;
    }
    PBcharge->setValue(0);
    PB2->setValue(0);
    return IssueFichier::Reussie;
  });
}

bool TForm1::EcritFichierTirages(const QString& chemin) {
  const QByteArray contenu = Octets(OctetsFichierTirages(tirages_.Rangees()));
  return AvecReessai(chemin, plateforme_, Textes, [&] { return IssueEcriture(EcritFichierOctets(chemin, contenu)); });
}

void TForm1::BTopenClick() {
  const std::optional<QString> chemin = plateforme_.FichierAOuvrir(ODtirage);
  if (!chemin) return;
  // The file's rows stay in its order.
  ArreteClassement();
  if (!LitFichierTirages(*chemin)) return;
  TXTnamefile->setText(NomDeFichier(*chemin));
  TXTnamefile2->setText(NomDeFichier(*chemin));
}

void TForm1::BTsaveClick() {
  if (tirages_.NbLignes() == 0) return;
  if (const std::optional<QString> chemin = plateforme_.FichierASauver(SDtirage)) EcritFichierTirages(*chemin);
}

void TForm1::BTexcelClick() {
  if (tirages_.NbLignes() == 0) return;
  const std::optional<QString> chemin = plateforme_.FichierASauver(SDtirage);
  if (chemin && EcritFichierTirages(*chemin)) plateforme_.OuvreTableur(*chemin);
}

void TForm1::BTimprimClick() {
  if (plateforme_.ChoisitImprimante()) ImprimeTirages();
}

void TForm1::ImprimeTirages() {
  QStringList lignes;
  for (const RangeeTirage& rangee : tirages_.Rangees()) lignes.append(QString::fromStdString(LigneTirage(rangee)));
  for (;;) {
    switch (plateforme_.Imprime(QStringLiteral("Tolvan"), lignes)) {
      case Plateforme::Impression::Faite: return;
      case Plateforme::Impression::LigneImpossible:
        plateforme_.Message(TypeMessage::Erreur, QStringLiteral("Erreur d'écriture imprimante"), BoutonsMessage::Ok);
        return;
      case Plateforme::Impression::DemarrageImpossible:
        if (!Reessayer(plateforme_, QuestionReessai(Textes.MsgErreurImprimante, Textes))) return;
    }
  }
}

}  // namespace tolvan
