#include "PlateformeDeTest.h"

#include <QDialog>

namespace tolvan::test {

bool ReglagesEnMemoire::CleExiste(const QString& cle) {
  if (lecturesPossibles-- <= 0) throw ErreurReglages("scripted failure");
  for (const auto& [cleNom, valeur] : valeurs) {
    if (cleNom.first == cle || cleNom.first.startsWith(cle + QLatin1Char('/'))) return true;
  }
  return false;
}

std::optional<QString> ReglagesEnMemoire::Lit(const QString& cle, const QString& nom) {
  if (lecturesPossibles-- <= 0) throw ErreurReglages("scripted failure");
  const auto trouve = valeurs.find({cle, nom});
  if (trouve == valeurs.end()) return std::nullopt;
  return trouve->second;
}

void ReglagesEnMemoire::Ecrit(const QString& cle, const QString& nom, const QString& valeur) {
  enAttente_[{cle, nom}] = valeur;
}

void ReglagesEnMemoire::Enregistre() {
  if (refuseEcriture) {
    enAttente_.clear();
    throw ErreurReglages("scripted failure");
  }
  for (const auto& [cleNom, valeur] : enAttente_) valeurs[cleNom] = valeur;
  enAttente_.clear();
}

Reponse PlateformeDeTest::Message(TypeMessage type, const QString& texte, BoutonsMessage boutons) {
  Reponse reponse = Reponse::Ok;
  if (!reponses.empty()) {
    reponse = reponses.front();
    reponses.pop_front();
  } else {
    switch (boutons) {
      case BoutonsMessage::Ok: reponse = Reponse::Ok; break;
      case BoutonsMessage::ReessayerAnnuler: reponse = Reponse::Annuler; break;
      case BoutonsMessage::OuiNon: reponse = Reponse::Oui; break;
      case BoutonsMessage::OuiNonAnnuler: reponse = Reponse::Non; break;
    }
  }
  messages.push_back({type, texte, boutons, reponse});
  if (quandMessage) quandMessage(messages.back());
  return reponse;
}

namespace {

// The next answer of a dialog's script; none left cancels.
template <class Choix>
std::optional<Choix> Suivant(std::deque<std::optional<Choix>>& script) {
  if (script.empty()) return std::nullopt;
  const bool annule = !script.front().has_value();
  const Choix choix = script.front().value_or(Choix());
  script.pop_front();
  if (annule) return std::nullopt;
  return choix;
}

}  // namespace

std::optional<QString> PlateformeDeTest::FichierAOuvrir(const DialogueFichier& dialogue) {
  dialogues.push_back(dialogue);
  return Suivant(fichiers);
}

std::optional<QStringList> PlateformeDeTest::FichiersAOuvrir(const DialogueFichier& dialogue) {
  dialogues.push_back(dialogue);
  return Suivant(groupesDeFichiers);
}

std::optional<QString> PlateformeDeTest::DossierAOuvrir(const DialogueFichier& dialogue) {
  dialogues.push_back(dialogue);
  return Suivant(dossiers);
}

std::optional<QString> PlateformeDeTest::FichierASauver(const DialogueFichier& dialogue) {
  return FichierAOuvrir(dialogue);
}

int PlateformeDeTest::ExecuteDialogue(QDialog& dialogue) {
  dialogue.setResult(QDialog::Rejected);
  if (quandDialogue) quandDialogue(dialogue);
  return dialogue.result();
}

Plateforme::Impression PlateformeDeTest::Imprime(const QString&, const QStringList& lignes) {
  Impression issue = Impression::Faite;
  if (!impressionsPrevues.empty()) {
    issue = impressionsPrevues.front();
    impressionsPrevues.pop_front();
  }
  if (issue != Impression::DemarrageImpossible) impressions.push_back(lignes);
  return issue;
}

bool PlateformeDeTest::LanceProgramme(const QString& programme, const QStringList& arguments) {
  programmes.emplace_back(programme, arguments);
  return programmeLance;
}

int PlateformeDeTest::Aleatoire(int n) {
  if (n <= 0) return 0;
  const int valeur = tirages.empty() ? static_cast<int>(prochainTirage_) : tirages[prochainTirage_ % tirages.size()];
  ++prochainTirage_;
  return ((valeur % n) + n) % n;
}

}  // namespace tolvan::test
