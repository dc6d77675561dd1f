#include "Manche.h"

#include <algorithm>

namespace tolvan {

namespace {

// What the summary shows before any game was won.
const std::vector<std::string> RecapDeDepart = {"999",   "1 1 2 2 3 3 ", "",       "1+2=3",
                                                "1+2=3", "3*3=9",        "9*3=27", "27*3=81"};

}  // namespace

Manche::Manche() : recap_(RecapDeDepart) {}

void Manche::ChangeLimite(int secondes) {
  ecoule_ = 0;
  limite_ = secondes;
}

bool Manche::Tique() {
  if (!horlogeEnMarche_) return false;
  ++ecoule_;
  if (ecoule_ < limite_) return false;
  TempsEcoule();
  return true;
}

void Manche::Demarre(const TTirage& tirage) {
  if (ecoule_ >= limite_) ecoule_ = 0;
  tirage_ = tirage;
  tirageDonne_ = true;
  gagnee_ = false;
  tableau_.Commence(tirage.Nombres);
  panneau_ = Panneau::Jeu;
  horlogeEnMarche_ = true;
}

void Manche::Interromp() {
  tableau_.OublieReponse();
  horlogeEnMarche_ = false;
  ecoule_ = 0;
  panneau_ = Panneau::Resume;
}

void Manche::Abandonne() {
  Interromp();
  tirageDonne_ = false;
  issue_ = Issue::Aucune;
  recap_.clear();
}

TableauNoir::Reaction Manche::Effectue(int code, bool calculAuto) {
  if (panneau_ != Panneau::Jeu) return {};
  return tableau_.Effectue(code, calculAuto, tirage_.Resultat);
}

TableauNoir::Verdict Manche::VerifieResultat(const std::string& reponse) {
  if (panneau_ != Panneau::Jeu) return TableauNoir::Verdict::Refusee;
  return tableau_.VerifieResultat(reponse, tirage_.Resultat);
}

TableauNoir::Reaction Manche::Retour() {
  // The finished board of the summary stays whole: "La mienne" reads it.
  if (panneau_ != Panneau::Jeu) return {};
  return tableau_.Retour();
}

int Manche::Gagne() {
  horlogeEnMarche_ = false;
  panneau_ = Panneau::Resume;
  gagnee_ = true;
  issue_ = Issue::Gagnee;
  recap_ = LignesDuTirage();
  recap_.push_back(" ");
  for (int k = 1; k <= tableau_.NbLignesFinies(); ++k) recap_.push_back(tableau_.TexteLigne(k));
  return ecoule_;
}

LigneScore Manche::LigneEntrainement(int seconde) { return {"=>", std::to_string(seconde) + "'"}; }

void Manche::TempsEcoule() {
  // An answer still awaited cannot win a game that is over; the clock
  // shows the time it ended with.
  tableau_.OublieReponse();
  horlogeEnMarche_ = false;
  panneau_ = Panneau::Resume;
  issue_ = Issue::TempsEcoule;
  recap_ = LignesDuTirage();
}

std::vector<std::string> Manche::LignesDuTirage() const {
  std::string nombres;
  for (longint nombre : tirage_.Nombres) nombres += std::to_string(nombre) + ' ';
  return {std::to_string(tirage_.Resultat), nombres};
}

}  // namespace tolvan
