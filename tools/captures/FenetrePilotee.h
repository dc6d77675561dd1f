// The real window driven as a player would, for the screenshots and the
// list benchmark: controls found by name, and file dialogs and the game's
// own dialogs answered from a script instead of waiting for a person.
#pragma once

#include <deque>
#include <functional>
#include <optional>

#include <QAbstractButton>
#include <QDialog>

#include "shell/TForm1.h"
#include "shell/platform/QtPlateforme.h"

namespace tolvan::pilote {

class PlateformeScriptee : public QtPlateforme {
 public:
  std::deque<QString> fichiers;                       // paths chosen, in order
  std::function<void(QDialog&)> quandDialogue;         // fills in and accepts a dialog
  QString historique;                                  // the history's file; the player's own when empty
  qint64 instant = 0;                                  // the game's clock, moved on by the script only
  qint64 Instant() override { return instant; }
  QString FichierHistorique() override {
    return historique.isEmpty() ? QtPlateforme::FichierHistorique() : historique;
  }
  // Questions are answered yes (no to saving the draws list), notes
  // acknowledged: nobody is there to read them.
  Reponse Message(TypeMessage, const QString&, BoutonsMessage boutons) override {
    if (boutons == BoutonsMessage::OuiNonAnnuler) return Reponse::Non;
    return boutons == BoutonsMessage::OuiNon ? Reponse::Oui : Reponse::Ok;
  }
  std::optional<QString> FichierAOuvrir(const DialogueFichier&) override { return Suivant(); }
  std::optional<QString> FichierASauver(const DialogueFichier&) override { return Suivant(); }
  // Several at once: every path left in the script.
  std::optional<QStringList> FichiersAOuvrir(const DialogueFichier&) override {
    QStringList chemins(fichiers.begin(), fichiers.end());
    fichiers.clear();
    if (chemins.isEmpty()) return std::nullopt;
    return chemins;
  }
  int ExecuteDialogue(QDialog& dialogue) override {
    if (!quandDialogue) return QtPlateforme::ExecuteDialogue(dialogue);
    auto quand = std::move(quandDialogue);
    quandDialogue = nullptr;
    quand(dialogue);
    return dialogue.result();
  }

 private:
  std::optional<QString> Suivant() {
    if (fichiers.empty()) return std::nullopt;
    QString chemin = fichiers.front();
    fichiers.pop_front();
    return chemin;
  }
};

template <class Controle = QWidget>
Controle* W(const TForm1& fenetre, const char* nom) {
  return fenetre.findChild<Controle*>(QString::fromLatin1(nom));
}

inline void Clique(const TForm1& fenetre, const char* nom) { W<QAbstractButton>(fenetre, nom)->click(); }

}  // namespace tolvan::pilote
