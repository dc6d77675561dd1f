// The platform of a real desktop, through Qt.
#pragma once

#include <memory>
#include <random>

#include <QElapsedTimer>

#include "MagasinQSettings.h"
#include "Plateforme.h"

class QPrinter;
class QWidget;

namespace tolvan {

class LecteurSons;
class VisionneuseAide;

class QtPlateforme : public Plateforme {
 public:
  QtPlateforme();
  ~QtPlateforme() override;

  void DefinitFenetre(QWidget* fenetre) override { fenetre_ = fenetre; }
  void DefinitMotsDesBoutons(const MotsDesBoutons& mots) override { mots_ = mots; }

  Reponse Message(TypeMessage type, const QString& texte, BoutonsMessage boutons) override;
  std::optional<QString> FichierAOuvrir(const DialogueFichier& dialogue) override;
  std::optional<QString> FichierASauver(const DialogueFichier& dialogue) override;
  std::optional<QStringList> FichiersAOuvrir(const DialogueFichier& dialogue) override;
  std::optional<QString> DossierAOuvrir(const DialogueFichier& dialogue) override;
  int ExecuteDialogue(QDialog& dialogue) override;
  bool ChoisitImprimante() override;
  Impression Imprime(const QString& titreDocument, const QStringList& lignes) override;
  void JoueSon(const QString& nom) override;
  void CurseurOccupe() override;
  void CurseurNormal() override;
  void OuvreDocument(const QString& cheminOuAdresse) override;
  bool LanceProgramme(const QString& programme, const QStringList& arguments) override;
  bool OuvreTableur(const QString& chemin) override;
  void CopieTexte(const QString& texte) override;
  QString TexteCopie() override;
  MagasinReglages& Reglages() override { return reglages_; }
  void SemeAleatoire() override;
  int Aleatoire(int n) override;
  QDateTime Maintenant() override;
  qint64 Instant() override;
  QString FichierHistorique() override;
  QString DossierJoueur() override;

 private:
  static QElapsedTimer Demarre() {
    QElapsedTimer minuteur;
    minuteur.start();
    return minuteur;
  }
  QWidget* fenetre_ = nullptr;
  MotsDesBoutons mots_;
  std::unique_ptr<VisionneuseAide> aide_;
  std::unique_ptr<LecteurSons> sons_;
  std::unique_ptr<QPrinter> imprimante_;
  MagasinQSettings reglages_;
  QElapsedTimer depuis_ = Demarre();  // the steady clock, from the platform's start
  std::mt19937 generateur_;  // seeded by the window when it is created
};

}  // namespace tolvan
