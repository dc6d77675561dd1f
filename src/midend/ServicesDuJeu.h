// The desktop's services as the game uses them: the same services, and
// the knowledge that a verb waits on a question. A box or a dialog runs its
// own events, among which the window's timer may tick; the game does not
// take those ticks, so that a game cannot end in the middle of a verb.
#pragma once

#include "Services.h"

namespace tolvan {

class ServicesDuJeu : public Services {
 public:
  explicit ServicesDuJeu(Services& desktop) : desktop_(desktop) {}

  // A box, a file dialog, the printer's or the player's name is up.
  bool QuestionEnCours() const { return questions_ > 0; }
  // For a question asked through another way than these services.
  class Question {
   public:
    explicit Question(ServicesDuJeu& services) : services_(services) { ++services_.questions_; }
    ~Question() { --services_.questions_; }
    Question(const Question&) = delete;
    Question& operator=(const Question&) = delete;

   private:
    ServicesDuJeu& services_;
  };

  Reponse Message(TypeMessage type, const QString& texte, BoutonsMessage boutons) override {
    const Question question(*this);
    return desktop_.Message(type, texte, boutons);
  }
  std::optional<QString> FichierAOuvrir(const DialogueFichier& dialogue) override {
    const Question question(*this);
    return desktop_.FichierAOuvrir(dialogue);
  }
  std::optional<QString> FichierASauver(const DialogueFichier& dialogue) override {
    const Question question(*this);
    return desktop_.FichierASauver(dialogue);
  }
  std::optional<QStringList> FichiersAOuvrir(const DialogueFichier& dialogue) override {
    const Question question(*this);
    return desktop_.FichiersAOuvrir(dialogue);
  }
  std::optional<QString> DossierAOuvrir(const DialogueFichier& dialogue) override {
    const Question question(*this);
    return desktop_.DossierAOuvrir(dialogue);
  }
  bool ChoisitImprimante() override {
    const Question question(*this);
    return desktop_.ChoisitImprimante();
  }
  Impression Imprime(const QString& titre, const QStringList& lignes) override { return desktop_.Imprime(titre, lignes); }
  void JoueSon(const QString& nom) override { desktop_.JoueSon(nom); }
  void CurseurOccupe() override { desktop_.CurseurOccupe(); }
  void CurseurNormal() override { desktop_.CurseurNormal(); }
  void OuvreDocument(const QString& cheminOuAdresse) override { desktop_.OuvreDocument(cheminOuAdresse); }
  bool LanceProgramme(const QString& programme, const QStringList& arguments) override {
    return desktop_.LanceProgramme(programme, arguments);
  }
  bool OuvreTableur(const QString& chemin) override { return desktop_.OuvreTableur(chemin); }
  void CopieTexte(const QString& texte) override { desktop_.CopieTexte(texte); }
  QString TexteCopie() override { return desktop_.TexteCopie(); }
  MagasinReglages& Reglages() override { return desktop_.Reglages(); }
  void SemeAleatoire() override { desktop_.SemeAleatoire(); }
  int Aleatoire(int n) override { return desktop_.Aleatoire(n); }
  QDateTime Maintenant() override { return desktop_.Maintenant(); }
  qint64 Instant() override { return desktop_.Instant(); }
  QString FichierHistorique() override { return desktop_.FichierHistorique(); }
  QString DossierJoueur() override { return desktop_.DossierJoueur(); }

 private:
  Services& desktop_;
  int questions_ = 0;
};

}  // namespace tolvan
