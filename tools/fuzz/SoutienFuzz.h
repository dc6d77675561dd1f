// What the fuzz targets of the window's files share: a platform that
// answers every box with its default and counts them, a fresh file for
// each input, and the check that aborts on a broken property.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <QDateTime>

#include "midend/Services.h"

namespace tolvan::fuzz {

// Aborts, naming the property broken, so that libFuzzer keeps the input.
inline void Exige(bool condition, const char* fichier = __builtin_FILE(), int ligne = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "%s:%d: property broken\n", fichier, ligne);
  std::abort();
}

// Boxes are answered OK, Yes, or Cancel: a file that keeps failing is given up.
class PlateformeMuette : public Services {
 public:
  int messages = 0;

  Reponse Message(TypeMessage, const QString&, BoutonsMessage boutons) override {
    ++messages;
    switch (boutons) {
      case BoutonsMessage::Ok: return Reponse::Ok;
      case BoutonsMessage::OuiNon: return Reponse::Oui;
      case BoutonsMessage::OuiNonAnnuler: return Reponse::Non;
      case BoutonsMessage::ReessayerAnnuler: break;
    }
    return Reponse::Annuler;
  }
  std::optional<QString> FichierAOuvrir(const DialogueFichier&) override { return std::nullopt; }
  std::optional<QString> FichierASauver(const DialogueFichier&) override { return std::nullopt; }
  std::optional<QStringList> FichiersAOuvrir(const DialogueFichier&) override { return std::nullopt; }
  std::optional<QString> DossierAOuvrir(const DialogueFichier&) override { return std::nullopt; }
  bool ChoisitImprimante() override { return false; }
  Impression Imprime(const QString&, const QStringList&) override { return Impression::Faite; }
  void JoueSon(const QString&) override {}
  void CurseurOccupe() override {}
  void CurseurNormal() override {}
  void OuvreDocument(const QString&) override {}
  bool LanceProgramme(const QString&, const QStringList&) override { return false; }
  bool OuvreTableur(const QString&) override { return true; }
  void CopieTexte(const QString&) override {}
  QString TexteCopie() override { return {}; }
  MagasinReglages& Reglages() override { std::abort(); }
  void SemeAleatoire() override {}
  int Aleatoire(int) override { return 0; }
  QDateTime Maintenant() override { return {}; }
  qint64 Instant() override { return 0; }
  QString FichierHistorique() override { return {}; }
  QString DossierJoueur() override { return {}; }
};

// A folder for the whole run, and a file of a new name for each input: Qt
// caches the settings files it has seen by name.
class Fichiers {
 public:
  // The files of the input before are removed.
  void Efface() {
    for (const QString& chemin : faits_) QFile::remove(chemin);
    faits_.clear();
  }
  // A name not used yet, for a file the code under test makes.
  QString Chemin(const char* extension) {
    faits_.append(dossier_.filePath(QString::number(++numero_) + QLatin1String(extension)));
    return faits_.back();
  }
  QString Nouveau(const QByteArray& contenu, const char* extension) {
    const QString chemin = Chemin(extension);
    QFile fichier(chemin);
    Exige(fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size());
    return chemin;
  }
  QByteArray Contenu(const QString& chemin) const {
    QFile fichier(chemin);
    Exige(fichier.open(QIODevice::ReadOnly));
    return fichier.readAll();
  }

 private:
  QTemporaryDir dossier_;
  std::uint64_t numero_ = 0;
  QStringList faits_;
};

// Qt wants an application object before its settings and files.
inline void DemarreQt() {
  static int argc = 1;
  static char nom[] = "fuzz";
  static char* argv[] = {nom, nullptr};
  static QCoreApplication application(argc, argv);
}

}  // namespace tolvan::fuzz
