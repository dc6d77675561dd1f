// The game on the scripted desktop, as the mid end's tests drive it: a
// window that records what it was asked, a folder of files, and the
// presses of a player.
#pragma once

#include <functional>
#include <memory>

#include "DossierDeTest.h"
#include "LaPlusSimple.h"
#include "PlateformeDeTest.h"
#include "Tirage303.h"
#include "midend/Jeu.h"
#include "midend/regimes/RegimeDuel.h"

namespace tolvan::test {

// The window as the game sees it: what was asked of it, and a name to give.
struct VueEnregistree : VueJeu {
  std::vector<int> lignesRefusees;
  int reponsesDemandees = 0;
  std::optional<QString> nom;
  int nomsDemandes = 0;
  std::vector<bool> minuteur;  // each start (true) and stop (false) of the window's timer
  void LigneRefusee(int ligne) override { lignesRefusees.push_back(ligne); }
  void ReponseDemandee() override { ++reponsesDemandees; }
  std::optional<QString> NomDuJoueur() override {
    ++nomsDemandes;
    return nom;
  }
  void Avance(int) override {}
  void AvantCalcul() override {}
  void DebutTravail(int) override {}
  void FinTravail() override {}
  void MinuteurEnMarche(bool enMarche) override { minuteur.push_back(enMarche); }
  // What the player does while a draw of a mark is looked for, and the
  // searches that ended.
  std::function<void(int essais)> pendantRecherche;
  int recherchesFinies = 0;
  void RechercheDeTirage(int essais) override {
    if (essais == 0) ++recherchesFinies;
    if (essais > 0 && pendantRecherche) pendantRecherche(essais);
  }
};

struct JeuDeTest : DossierDeTest {
  PlateformeDeTest plateforme;
  VueEnregistree vue;
  std::unique_ptr<Jeu> jeu;

  explicit JeuDeTest(std::map<std::pair<QString, QString>, QString> reglages = {}) {
    plateforme.reglages.valeurs = std::move(reglages);
    Recommence();
  }
  // A new run of the game on the same desktop, as at the program's start.
  void Recommence() {
    jeu = std::make_unique<Jeu>(plateforme, vue, Repertoire());
    jeu->Demarre();
  }
  // A level of one draw, 303, read and ready for a series of 60 seconds a draw.
  void PrepareNiveau() {
    Ecrit("niveau.niv", NiveauDeTest());
    Ecrit("tirages.tir", RangeeDe303 + "\r\n");
    jeu->ChangeModeCompetition(true);
    plateforme.fichiers = {Chemin("niveau.niv")};
    jeu->ChangeNiveau();
  }
  void Presse(const std::vector<int>& codes) {
    for (int code : codes) jeu->Presse(code);
  }
  // 6x50=300, then 300+3=303.
  void Trouve303() { Presse(Touches303); }
  void Tique(int fois) {
    for (int i = 0; i < fois; ++i) {
      plateforme.instant += 1000;
      jeu->Tique();
    }
  }
  // A way to play's button pressed as the window presses it, with the
  // player's choice when it asks for one; true when its way started.
  bool Lance(const QString& bouton, const ChoixDuJoueur& choix = {}) {
    return jeu->PresseFacon(bouton) && jeu->Commence(bouton, choix);
  }
  // The summary as it reads, its title first.
  QStringList Bilan() const {
    const tolvan::Bilan bilan = jeu->BilanAffiche();
    return QStringList{bilan.titre} + bilan.lignes;
  }
  // The duel the summary is about; none when it is not a duel's.
  const Duel* DuelAuBilan() const {
    const auto* duel = dynamic_cast<const RegimeDuel*>(&jeu->RegimeAuBilan());
    return duel ? &duel->duel() : nullptr;
  }
  // The simplest solution of the draw, written on the board.
  void JoueLaPlusSimple() {
    test::JoueLaPlusSimple(jeu->Tirage(), jeu->manche().Tableau(), [this](int code) { jeu->Presse(code); });
  }
};

}  // namespace tolvan::test
