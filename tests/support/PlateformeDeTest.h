// The platform the window tests drive: it answers dialogs from a script and
// records everything the program asked of the desktop.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include <QTemporaryDir>

#include "ImpressionQt.h"
#include "shell/platform/Plateforme.h"

namespace tolvan::test {

struct MessageAffiche {
  TypeMessage type;
  QString texte;
  BoutonsMessage boutons;
  Reponse reponse;
};

// A store in memory; it can be told to fail, from some value read on.
class ReglagesEnMemoire : public MagasinReglages {
 public:
  bool CleExiste(const QString& cle) override;
  std::optional<QString> Lit(const QString& cle, const QString& nom) override;
  void Ecrit(const QString& cle, const QString& nom, const QString& valeur) override;
  void Enregistre() override;
  QString DernierEchec() const override { return echec; }

  std::map<std::pair<QString, QString>, QString> valeurs;  // what is stored
  QString echec;                                          // what a failure says of itself
  int lecturesPossibles = 1000;                           // reads that succeed before a failure
  bool refuseEcriture = false;

 private:
  std::map<std::pair<QString, QString>, QString> enAttente_;
};

class PlateformeDeTest : public Plateforme {
 public:
  // --- the script ---
  // Answers to message boxes, in order. When none is left: OK, Yes, No for
  // Yes/No/Cancel, and Cancel for Retry/Cancel (so that a file that keeps
  // failing cannot loop).
  std::deque<Reponse> reponses;
  // Paths chosen in file dialogs, in order; nullopt cancels. None left: cancel.
  std::deque<std::optional<QString>> fichiers;
  // Files chosen several at once, and folders, in order; nullopt cancels.
  std::deque<std::optional<QStringList>> groupesDeFichiers;
  std::deque<std::optional<QString>> dossiers;
  bool imprimanteChoisie = true;
  std::deque<Impression> impressionsPrevues;  // in order; none left: printed
  // Acts on one of the game's dialogs as the player would (fills it in,
  // presses its buttons); left out, the dialog is closed unanswered.
  std::function<void(QDialog&)> quandDialogue;
  bool programmeLance = true;
  bool tableurOuvert = true;  // a spreadsheet or the desktop opens the file
  // Aleatoire() returns these modulo n, in a loop; with none, 0, 1, 2 ...
  // modulo n, so that any draw comes out.
  std::vector<int> tirages;
  // The desktop's clock: Monday 7 December 2026, 14:00, one hour ahead of UTC.
  QDateTime maintenant{QDate(2026, 12, 7), QTime(14, 0), Qt::OffsetFromUTC, 3600};
  // The history, in a folder of this platform's own, so that every test starts with none.
  QTemporaryDir dossierJoueur;
  QString historique = dossierJoueur.filePath(QStringLiteral("historique.sqlite"));
  // The steady clock in milliseconds, moved on by hand.
  qint64 instant = 0;
  // Runs while a message box is up, as a player would act before answering.
  std::function<void(const MessageAffiche&)> quandMessage;

  // --- what was asked ---
  MotsDesBoutons motsDesBoutons;  // the buttons' captions last given
  std::vector<MessageAffiche> messages;
  std::vector<DialogueFichier> dialogues;
  std::vector<QString> sons;
  std::vector<QString> documents;
  std::vector<std::pair<QString, QStringList>> programmes;
  QWidget* fenetre = nullptr;
  QWidget* fenetreAuSemis = nullptr;  // the window known when the generator was seeded
  std::vector<QString> pressePapier;  // what was copied; the last is what a paste gives
  std::vector<QStringList> impressions;
  std::vector<QString> tableurs;
  int curseurOccupe = 0;  // busy calls not yet undone
  int semis = 0;
  ReglagesEnMemoire reglages;

  void DefinitFenetre(QWidget* f) override { fenetre = f; }
  void DefinitMotsDesBoutons(const MotsDesBoutons& mots) override { motsDesBoutons = mots; }
  Reponse Message(TypeMessage type, const QString& texte, BoutonsMessage boutons) override;
  std::optional<QString> FichierAOuvrir(const DialogueFichier& dialogue) override;
  std::optional<QString> FichierASauver(const DialogueFichier& dialogue) override;
  std::optional<QStringList> FichiersAOuvrir(const DialogueFichier& dialogue) override;
  std::optional<QString> DossierAOuvrir(const DialogueFichier& dialogue) override;
  int ExecuteDialogue(QDialog& dialogue) override;
  bool ChoisitImprimante() override { return imprimanteChoisie; }
  Impression Imprime(const QString& titreDocument, const QStringList& lignes) override;
  void JoueSon(const QString& nom) override { sons.push_back(nom); }
  void CurseurOccupe() override { ++curseurOccupe; }
  void CurseurNormal() override { --curseurOccupe; }
  void OuvreDocument(const QString& cheminOuAdresse) override { documents.push_back(cheminOuAdresse); }
  bool LanceProgramme(const QString& programme, const QStringList& arguments) override;
  bool OuvreTableur(const QString& chemin) override {
    tableurs.push_back(chemin);
    return tableurOuvert;
  }
  void CopieTexte(const QString& texte) override { pressePapier.push_back(texte); }
  QString TexteCopie() override { return pressePapier.empty() ? QString() : pressePapier.back(); }
  MagasinReglages& Reglages() override { return reglages; }
  void SemeAleatoire() override {
    ++semis;
    fenetreAuSemis = fenetre;
  }
  int Aleatoire(int n) override;
  QDateTime Maintenant() override { return maintenant; }
  qint64 Instant() override { return instant; }
  QString FichierHistorique() override { return historique; }
  QString DossierJoueur() override { return dossierJoueur.path(); }

 private:
  std::size_t prochainTirage_ = 0;
};

}  // namespace tolvan::test
