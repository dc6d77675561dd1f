#include "solve/LigneDeCommande.h"

#include <algorithm>
#include <ostream>

#include "engine/Entier.h"
#include "solve/Citation.h"

namespace tolvan::solve {

namespace {

// "a", "a ou b", "a, b ou c".
std::string Enumeration(const std::vector<std::string>& mots) {
  std::string texte;
  for (std::size_t i = 0; i < mots.size(); ++i) {
    texte += (i == 0 ? "" : i + 1 == mots.size() ? " ou " : ", ") + mots[i];
  }
  return texte;
}

// An option is written "-" then anything but a digit ("--json", "-x", "--");
// "-4" is a number, refused later for its value if need be.
bool EstOption(std::string_view argument) {
  return argument.size() >= 2 && argument[0] == '-' && (argument[1] < '0' || argument[1] > '9');
}

// An option's value is the next word, unless it is empty or a long option:
// "--temps --json" lacks its value rather than being given "--json".
bool PeutEtreValeur(std::string_view argument) { return !argument.empty() && !argument.starts_with("--"); }

const OptionConnue* Cherche(const ModeCommande& mode, std::string_view nom) {
  const auto option = std::find_if(mode.options.begin(), mode.options.end(),
                                   [nom](const OptionConnue& o) { return o.nom == nom; });
  return option == mode.options.end() ? nullptr : &*option;
}

// The mode the line asks for: the only one named, or the ordinary use.
const ModeCommande* ModeDemande(const std::vector<std::string>& arguments, const std::vector<ModeCommande>& modes,
                                std::string& erreur) {
  const ModeCommande* demande = nullptr;
  for (const std::string& argument : arguments) {
    for (const ModeCommande& mode : modes) {
      if (mode.nom.empty() || argument != mode.nom || demande == &mode) continue;
      if (demande) {
        erreur = std::string(demande->nom) + " et " + argument + " ne vont pas ensemble";
        return nullptr;
      }
      demande = &mode;
    }
  }
  if (demande) return demande;
  const auto ordinaire = std::find_if(modes.begin(), modes.end(), [](const ModeCommande& m) { return m.nom.empty(); });
  if (ordinaire == modes.end()) erreur = "il manque une commande (voir --help)";
  return ordinaire == modes.end() ? nullptr : &*ordinaire;
}

// Why `option`, which the mode does not take, is refused: unknown to the
// command, or going with other modes only.
std::string HorsDuMode(const std::string& option, const ModeCommande& mode, const std::vector<ModeCommande>& modes) {
  std::vector<std::string> avec;
  bool connue = false;
  for (const ModeCommande& autre : modes) {
    if (!Cherche(autre, option)) continue;
    connue = true;
    if (!autre.nom.empty()) avec.emplace_back(autre.nom);
  }
  if (!connue) return "option inconnue " + Cite(option);
  if (mode.nom.empty()) return option + " ne va qu'avec " + Enumeration(avec);
  return option + " ne va pas avec " + std::string(mode.nom);
}

// The refusal on one line of `erreurs`, and the exit code of bad arguments.
int Refus(std::string_view commande, const std::string& erreur, std::ostream& erreurs) {
  erreurs << commande << " : " << erreur << '\n';
  return 2;
}

}  // namespace

std::optional<LigneDeCommande> LigneDeCommande::Lit(std::string_view commande, const std::vector<std::string>& arguments,
                                                    const std::vector<ModeCommande>& modes, std::string& erreur) {
  LigneDeCommande ligne;
  ligne.commande_ = commande;
  ligne.mode_ = ModeDemande(arguments, modes, erreur);
  if (!ligne.mode_) return std::nullopt;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!EstOption(arguments[i])) {
      ligne.mots_.push_back(arguments[i]);
    } else if (!ligne.PrendOption(arguments, i, modes, erreur)) {
      return std::nullopt;
    }
  }
  const ModeCommande& mode = *ligne.mode_;
  if (!mode.prendDesMots && !ligne.mots_.empty()) {
    const OptionConnue* propre = Cherche(mode, mode.nom);
    erreur = Cite(ligne.mots_.front()) + " est de trop : " + std::string(mode.nom) +
             (propre && propre->suite != Suite::Rien ? " ne prend qu'une valeur" : " ne prend pas de valeur");
    return std::nullopt;
  }
  return ligne;
}

bool LigneDeCommande::PrendOption(const std::vector<std::string>& arguments, std::size_t& i,
                                  const std::vector<ModeCommande>& modes, std::string& erreur) {
  const std::string& nom = arguments[i];
  const OptionConnue* option = Cherche(*mode_, nom);
  if (!option) {
    erreur = HorsDuMode(nom, *mode_, modes);
    return false;
  }
  if (Donnee(nom)) {
    erreur = "l'option " + nom + " est donnée deux fois";
    return false;
  }
  std::optional<std::string> valeur;
  const bool suivie = i + 1 < arguments.size() && PeutEtreValeur(arguments[i + 1]);
  if (option->suite != Suite::Rien && suivie) valeur = arguments[++i];
  if (option->suite == Suite::Valeur && !valeur) {
    erreur = nom + " attend " + (option->attendu.empty() ? "une valeur" : option->attendu);
    return false;
  }
  options_.emplace(nom, valeur);
  return true;
}

std::optional<std::string> LigneDeCommande::Valeur(std::string_view option) const {
  const auto trouvee = options_.find(option);
  return trouvee == options_.end() ? std::nullopt : trouvee->second;
}

int LigneDeCommande::Refuse(const std::string& erreur, std::ostream& erreurs) const {
  return Refus(commande_, erreur, erreurs);
}

int ExecuteLigne(std::string_view commande, std::string_view usage, const std::vector<std::string>& arguments,
                 const std::vector<ModeCommande>& modes, std::ostream& sortie, std::ostream& erreurs) {
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    sortie << usage << '\n';
    return 0;
  }
  std::string erreur;
  const std::optional<LigneDeCommande> ligne = LigneDeCommande::Lit(commande, arguments, modes, erreur);
  if (!ligne) return Refus(commande, erreur, erreurs);
  return ligne->Mode().execute(*ligne, sortie, erreurs);
}

std::optional<longint> LitArgument(const std::string& texte, longint minimum, longint maximum, const char* quoi,
                                   std::string& erreur) {
  const std::optional<longint> valeur = LitEntier(texte);
  const std::size_t signe = texte.starts_with('-') ? 1 : 0;
  const bool chiffres = texte.size() > signe && std::all_of(texte.begin() + static_cast<std::ptrdiff_t>(signe),
                                                            texte.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!chiffres) {
    erreur = Cite(texte) + " n'est pas un nombre entier";
    return std::nullopt;
  }
  if (!valeur || *valeur < minimum || *valeur > maximum) {
    erreur = std::string(quoi) + " " + TexteSur(texte) + " n'est pas entre " + std::to_string(minimum) + " et " +
             std::to_string(maximum);
    return std::nullopt;
  }
  return valeur;
}

std::optional<longint> LitArgument(const std::string& texte, longint maximum, const char* quoi, std::string& erreur) {
  return LitArgument(texte, 0, maximum, quoi, erreur);
}

}  // namespace tolvan::solve
