#include "QtPlateforme.h"

#include <chrono>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QPushButton>
#include <QUrl>

#include "FiltresFichiers.h"
#include "Impression.h"
#include "Tableur.h"
#include "LecteurSons.h"
#include "midend/TextesMessages.h"
#include "VisionneuseAide.h"

namespace tolvan {

namespace {

QString TitreDe(TypeMessage type) {
  switch (type) {
    case TypeMessage::Avertissement: return QStringLiteral("Avertissement");
    case TypeMessage::Erreur: return QStringLiteral("Erreur");
    case TypeMessage::Information: return QStringLiteral("Information");
    case TypeMessage::Confirmation: return QStringLiteral("Confirmation");
    case TypeMessage::Simple: return QGuiApplication::applicationDisplayName();
  }
  return {};
}

QMessageBox::Icon IconeDe(TypeMessage type) {
  switch (type) {
    case TypeMessage::Avertissement: return QMessageBox::Warning;
    case TypeMessage::Erreur: return QMessageBox::Critical;
    case TypeMessage::Information: return QMessageBox::Information;
    case TypeMessage::Confirmation: return QMessageBox::Question;
    case TypeMessage::Simple: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QtPlateforme::QtPlateforme() : sons_(std::make_unique<LecteurSons>()) {
  // French until the window gives the game's language.
  const TextesMessages francais;
  mots_ = {francais.MsgOui, francais.MsgNon, francais.MsgAnnuler, francais.MsgBoutonReessayer};
}

QtPlateforme::~QtPlateforme() = default;

Reponse QtPlateforme::Message(TypeMessage type, const QString& texte, BoutonsMessage boutons) {
  QMessageBox boite(IconeDe(type), TitreDe(type), QString(texte).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, fenetre_);
  // The game's captions whatever translations the system has.
  const auto ajoute = [&boite](const QString& texte, QMessageBox::ButtonRole role) {
    return boite.addButton(texte, role);
  };
  QAbstractButton* ok = nullptr;
  QAbstractButton* reessayer = nullptr;
  QAbstractButton* oui = nullptr;
  QAbstractButton* non = nullptr;
  switch (boutons) {
    case BoutonsMessage::Ok: ok = ajoute(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
    case BoutonsMessage::ReessayerAnnuler:
      reessayer = ajoute(mots_.reessayer, QMessageBox::AcceptRole);
      boite.setEscapeButton(ajoute(mots_.annuler, QMessageBox::RejectRole));
      break;
    case BoutonsMessage::OuiNon:
      oui = ajoute(mots_.oui, QMessageBox::YesRole);
      boite.setEscapeButton(ajoute(mots_.non, QMessageBox::NoRole));
      break;
    case BoutonsMessage::OuiNonAnnuler:
      oui = ajoute(mots_.oui, QMessageBox::YesRole);
      non = ajoute(mots_.non, QMessageBox::NoRole);
      boite.setEscapeButton(ajoute(mots_.annuler, QMessageBox::RejectRole));
      break;
  }
  boite.exec();
  QAbstractButton* clique = boite.clickedButton();
  if (ok) return Reponse::Ok;
  if (reessayer) return clique == reessayer ? Reponse::Reessayer : Reponse::Annuler;
  if (clique == oui) return Reponse::Oui;
  // The close box of a three-way question cancels, as Escape does.
  if (boutons == BoutonsMessage::OuiNonAnnuler && clique != non) return Reponse::Annuler;
  return Reponse::Non;
}

namespace {

std::optional<QString> CheminChoisi(QFileDialog& dialogue) {
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
  return dialogue.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtPlateforme::FichierAOuvrir(const DialogueFichier& dialogue) {
  QFileDialog choix(fenetre_);
  PrepareDialogue(choix, dialogue, QFileDialog::AcceptOpen);
  return CheminChoisi(choix);
}

std::optional<QString> QtPlateforme::FichierASauver(const DialogueFichier& dialogue) {
  QFileDialog choix(fenetre_);
  PrepareDialogue(choix, dialogue, QFileDialog::AcceptSave);
  if (!dialogue.nom.isEmpty()) choix.selectFile(dialogue.nom);
  return CheminChoisi(choix);
}

std::optional<QStringList> QtPlateforme::FichiersAOuvrir(const DialogueFichier& dialogue) {
  QFileDialog choix(fenetre_);
  PrepareDialogue(choix, dialogue, QFileDialog::AcceptOpen);
  choix.setFileMode(QFileDialog::ExistingFiles);
  if (choix.exec() != QDialog::Accepted || choix.selectedFiles().isEmpty()) return std::nullopt;
  return choix.selectedFiles();
}

std::optional<QString> QtPlateforme::DossierAOuvrir(const DialogueFichier& dialogue) {
  QFileDialog choix(fenetre_, dialogue.titre, dialogue.dossier);
  choix.setFileMode(QFileDialog::Directory);
  choix.setOption(QFileDialog::ShowDirsOnly);
  return CheminChoisi(choix);
}

int QtPlateforme::ExecuteDialogue(QDialog& dialogue) { return dialogue.exec(); }

bool QtPlateforme::ChoisitImprimante() {
  if (!imprimante_) imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialogue(imprimante_.get(), fenetre_);
  return dialogue.exec() == QDialog::Accepted;
}

Plateforme::Impression QtPlateforme::Imprime(const QString& titreDocument, const QStringList& lignes) {
  if (!imprimante_) imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return ImprimeLignes(*imprimante_, titreDocument, lignes);
}

void QtPlateforme::JoueSon(const QString& nom) { sons_->Joue(nom); }

void QtPlateforme::CurseurOccupe() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtPlateforme::CurseurNormal() { QApplication::restoreOverrideCursor(); }

void QtPlateforme::OuvreDocument(const QString& cheminOuAdresse) {
  // A file of ours may carry an anchor ("AidesDeTolvan.html#merci").
  const qsizetype diese = cheminOuAdresse.indexOf(QLatin1Char('#'));
  const QString chemin = diese < 0 ? cheminOuAdresse : cheminOuAdresse.left(diese);
  if (!QFileInfo(chemin).isAbsolute()) {
    QDesktopServices::openUrl(QUrl(cheminOuAdresse));
    return;
  }
  QUrl fichier = QUrl::fromLocalFile(chemin);
  if (diese >= 0) fichier.setFragment(cheminOuAdresse.mid(diese + 1));
  if (QDesktopServices::openUrl(fichier)) return;
  // No browser on this desktop: our own help page still opens, in a viewer of ours.
  if (!chemin.endsWith(QStringLiteral(".html")) || !QFileInfo::exists(chemin)) return;
  if (!aide_) aide_ = std::make_unique<VisionneuseAide>();
  aide_->Montre(fichier);
}

bool QtPlateforme::LanceProgramme(const QString& programme, const QStringList& arguments) {
  return QProcess::startDetached(programme, arguments);
}

bool QtPlateforme::OuvreTableur(const QString& chemin) {
  const std::optional<CommandeProgramme> commande =
      CommandeTableur(chemin, [](const QString& nom) { return !QStandardPaths::findExecutable(nom).isEmpty(); });
  if (commande && LanceProgramme(commande->programme, commande->arguments)) return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

void QtPlateforme::CopieTexte(const QString& texte) { QGuiApplication::clipboard()->setText(texte); }

QString QtPlateforme::TexteCopie() { return QGuiApplication::clipboard()->text(); }

void QtPlateforme::SemeAleatoire() {
  generateur_.seed(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int QtPlateforme::Aleatoire(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(generateur_);
}

QDateTime QtPlateforme::Maintenant() { return QDateTime::currentDateTime(); }

qint64 QtPlateforme::Instant() { return depuis_.elapsed(); }

QString QtPlateforme::FichierHistorique() {
  // ~/.local/share/Tolvan on Linux, beside the levels the player plays.
  return DossierJoueur() + QStringLiteral("/historique.sqlite");
}

QString QtPlateforme::DossierJoueur() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

}  // namespace tolvan
