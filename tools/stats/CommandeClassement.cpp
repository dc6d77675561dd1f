#include "stats/CommandeClassement.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>

#include "competition/Classement.h"
#include "competition/TextesClassement.h"
#include "solve/Citation.h"
#include "solve/SolveCommand.h"
#include "solve/LigneDeCommande.h"

namespace tolvan::stats {

namespace {

constexpr longint GroupesMax = 999;
const std::string EntreeStandard = "-";

struct DemandeDeClassement {
  bool json = false;
  ReglesClassement regles;
  std::vector<std::string> fichiers;
};

std::optional<DemandeDeClassement> LitDemande(const solve::LigneDeCommande& ligne, std::string& erreur) {
  DemandeDeClassement demande;
  demande.json = ligne.Donnee("--json");
  if (const std::optional<std::string> valeur = ligne.Valeur("--groupes")) {
    const std::optional<longint> taille = solve::LitArgument(*valeur, 1, GroupesMax, "la taille des groupes", erreur);
    if (!taille) return std::nullopt;
    demande.regles.tailleGroupes = *taille;
  }
  if (const std::optional<std::string> valeur = ligne.Valeur("--approche")) {
    if (*valeur != "salle" && *valeur != "plaques") {
      erreur = "--approche attend « salle » ou « plaques », pas " + solve::Cite(*valeur);
      return std::nullopt;
    }
    demande.regles.approcheSalle = *valeur == "salle";
  }
  for (const std::string& fichier : ligne.Mots()) {
    if (fichier == EntreeStandard &&
        std::find(demande.fichiers.begin(), demande.fichiers.end(), EntreeStandard) != demande.fichiers.end()) {
      erreur = "l'entrée standard ne se lit qu'une fois";
      return std::nullopt;
    }
    demande.fichiers.push_back(fichier);
  }
  if (demande.fichiers.empty()) erreur = "il faut au moins un fichier de lignes de résultats";
  return demande.fichiers.empty() ? std::nullopt : std::optional(demande);
}

std::string TableauJson(const std::vector<std::string>& valeurs) {
  std::string tableau = "[";
  for (std::size_t i = 0; i < valeurs.size(); ++i) tableau += (i > 0 ? "," : "") + valeurs[i];
  return tableau + "]";
}

std::string JoueurJson(const JoueurClasse& joueur) {
  std::vector<std::string> points, resultats;
  for (const int p : joueur.points) points.push_back(std::to_string(p));
  if (joueur.ligne.resultats) {
    for (const std::optional<longint>& r : *joueur.ligne.resultats) resultats.push_back(r ? std::to_string(*r) : "null");
  }
  return "{\"Rang\":" + std::to_string(joueur.rang) + ",\"Nom\":" + solve::ChaineJson(joueur.ligne.nom) +
         ",\"Total\":" + std::to_string(joueur.total) + ",\"Exacts\":" + std::to_string(joueur.exacts) +
         ",\"Points\":" + TableauJson(points) + ",\"Resultats\":" + (joueur.ligne.resultats ? TableauJson(resultats) : "null") +
         ",\"Groupe\":" + solve::ChaineJson(joueur.groupe) + "}";
}

std::string AvisJson(const std::vector<Avis>& avis) {
  std::vector<std::string> objets;
  for (const Avis& a : avis) {
    objets.push_back("{\"Fichier\":" + solve::ChaineJson(a.ou.fichier) + ",\"Ligne\":" + std::to_string(a.ou.ligne) +
                     ",\"Raison\":" + solve::ChaineJson(a.raison) + "}");
  }
  return TableauJson(objets);
}

void EcritJson(const Classement& classement, std::ostream& sortie) {
  std::vector<std::string> joueurs;
  for (const JoueurClasse& joueur : classement.joueurs) joueurs.push_back(JoueurJson(joueur));
  sortie << "{\"Code\":" << (classement.code ? solve::ChaineJson(classement.code->Texte()) : "null")
         << ",\"Joueurs\":" << TableauJson(joueurs) << ",\"Refusees\":" << AvisJson(classement.refusees)
         << ",\"Alertes\":" << AvisJson(classement.alertes) << "}\n";
}

int Classe(const solve::LigneDeCommande& ligne, std::istream& entree, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const std::optional<DemandeDeClassement> demande = LitDemande(ligne, erreur);
  if (!demande) return ligne.Refuse(erreur, erreurs);
  Rassemblement rassemblement;
  std::size_t illisibles = 0;
  for (const std::string& fichier : demande->fichiers) {
    // Shown as it is safe to show, in a terminal as in JSON.
    const std::string nom = solve::TexteSur(fichier, fichier.size());
    Rassemblement lu = fichier == EntreeStandard ? LitFluxClub(std::make_unique<std::istream>(entree.rdbuf()), nom)
                                                 : LitFichierClub(fichier, nom);
    illisibles += std::count_if(lu.fichiers.begin(), lu.fichiers.end(),
                                [](const FichierRefuse& f) { return f.probleme == ProblemeFichier::Illisible; });
    rassemblement.Ajoute(std::move(lu));
  }
  if (illisibles == demande->fichiers.size()) {
    erreurs << "tolvan-stats : aucun fichier ne peut être lu :";
    for (const std::string& fichier : demande->fichiers) erreurs << ' ' << solve::Cite(fichier);
    erreurs << '\n';
    return 2;
  }
  ControlesParCode controles;
  const Classement classement =
      Classe(LitEntrees(rassemblement), rassemblement.fichiers, demande->regles, controles);
  if (demande->json) {
    EcritJson(classement, sortie);
  } else {
    for (const std::string& ligne : LignesClassement(classement)) sortie << ligne << '\n';
  }
  return classement.joueurs.empty() ? 1 : 0;
}

}  // namespace

solve::ModeCommande ModeClassement(std::istream& entree) {
  return {"--classement",
          {{"--classement"},
           {"--groupes", solve::Suite::Valeur, "une taille de groupe de 1 à " + std::to_string(GroupesMax)},
           {"--approche", solve::Suite::Valeur, "« salle » ou « plaques »"},
           solve::OptionJson},
          true,
          [&entree](const solve::LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
            return Classe(ligne, entree, sortie, erreurs);
          }};
}

}  // namespace tolvan::stats
