#include "solve/CoteCommand.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <ostream>
#include <string>

#include "game/Cote.h"
#include "game/LoiDuRegard.h"
#include "game/PartieEnLigne.h"
#include "game/TirageAMaMesure.h"
#include "solve/Citation.h"
#include "solve/SolveCommand.h"

namespace tolvan::solve {

namespace {

enum class Commande { Aucune, Chance, Cote, AMaMesure };

constexpr double SecondesParDefaut = 40;

struct DemandeCote {
  Commande commande = Commande::Aucune;
  double force = 0;  // --chance's strength, or --a-ma-mesure's rating
  std::optional<double> secondes;
  std::optional<std::uint64_t> graine;
  bool json = false;
  std::vector<std::string> valeurs;  // the draw, for --chance
};

Commande CommandeDe(const std::string& argument) {
  if (argument == "--chance") return Commande::Chance;
  if (argument == "--cote") return Commande::Cote;
  if (argument == "--a-ma-mesure") return Commande::AMaMesure;
  return Commande::Aucune;
}

// Reads the options; the values that are none of them are kept for the
// draw. Each option once.
class LecteurOptions {
 public:
  explicit LecteurOptions(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  std::optional<DemandeCote> Lit(std::string& erreur) {
    for (i_ = 0; i_ < arguments_.size(); ++i_) {
      if (!LitUn(arguments_[i_], erreur)) return std::nullopt;
    }
    return demande_;
  }

 private:
  bool LitUn(const std::string& argument, std::string& erreur) {
    if (const Commande commande = CommandeDe(argument); commande != Commande::Aucune) return LitCommande(commande, erreur);
    if (argument == "--temps") return LitTemps(erreur);
    if (argument == "--graine") return LitGraine(erreur);
    if (argument == "--json") {
      demande_.json = true;
    } else {
      demande_.valeurs.push_back(argument);
    }
    return true;
  }

  // The command, and the strength or rating after --chance and --a-ma-mesure.
  bool LitCommande(Commande commande, std::string& erreur) {
    if (demande_.commande != Commande::Aucune) return Refuse("une seule commande parmi --chance, --cote et --a-ma-mesure", erreur);
    demande_.commande = commande;
    if (commande == Commande::Cote) return true;
    const auto force = Suivant() ? LitDecimalEntre(*Suivant(), ForceMin, ForceMax) : std::nullopt;
    if (!force) {
      return Refuse(arguments_[i_] + " attend " + (commande == Commande::Chance ? "une force" : "une cote") +
                        " de 1 à 5 (3.5 ou 3,5)" + (Suivant() ? ", pas " + Cite(*Suivant()) : ""),
                    erreur);
    }
    demande_.force = *force;
    ++i_;
    return true;
  }

  bool LitTemps(std::string& erreur) {
    if (demande_.secondes) return Refuse("--temps est donné deux fois", erreur);
    demande_.secondes = Suivant() ? LitDecimalEntre(*Suivant(), SecondesDonneesMin, SecondesDonneesMax) : std::nullopt;
    if (!demande_.secondes) {
      return Refuse("--temps attend un nombre de secondes de 1 à 3600" + (Suivant() ? ", pas " + Cite(*Suivant()) : ""),
                    erreur);
    }
    ++i_;
    return true;
  }

  bool LitGraine(std::string& erreur) {
    if (demande_.graine) return Refuse("--graine est donnée deux fois", erreur);
    demande_.graine = Suivant() ? EntierNaturel(*Suivant()) : std::nullopt;
    if (!demande_.graine) return Refuse("--graine attend un nombre entier de 0 à 18446744073709551615", erreur);
    ++i_;
    return true;
  }

  const std::string* Suivant() const { return i_ + 1 < arguments_.size() ? &arguments_[i_ + 1] : nullptr; }

  static std::optional<std::uint64_t> EntierNaturel(const std::string& texte) {
    std::uint64_t valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
    return valeur;
  }

  static bool Refuse(const std::string& raison, std::string& erreur) {
    erreur = raison;
    return false;
  }

  const std::vector<std::string>& arguments_;
  std::size_t i_ = 0;
  DemandeCote demande_;
};

// What each command accepts besides its own value.
std::optional<DemandeCote> LitDemande(const std::vector<std::string>& arguments, std::string& erreur) {
  std::optional<DemandeCote> demande = LecteurOptions(arguments).Lit(erreur);
  if (!demande || demande->commande == Commande::Aucune) return demande;
  const bool avecValeurs = !demande->valeurs.empty();
  if (demande->commande == Commande::Cote && (avecValeurs || demande->secondes || demande->graine)) {
    erreur = "--cote lit les parties sur l'entrée standard : ni tirage, ni --temps, ni --graine";
  } else if (demande->commande == Commande::AMaMesure && avecValeurs) {
    erreur = "--a-ma-mesure ne prend pas de tirage : il le tire";
  } else if (demande->commande == Commande::Chance && demande->graine) {
    erreur = "--chance ne prend pas de --graine";
  } else {
    return demande;
  }
  return std::nullopt;
}

// A number as JSON writes it.
std::string Nombre(double valeur) { return TexteDecimal(valeur); }

// A number as a French reader writes it: "3,4".
std::string EnFrancais(double valeur, int decimales) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%.*f", decimales, valeur);
  std::string francais = texte;
  std::replace(francais.begin(), francais.end(), '.', ',');
  return francais;
}

// As JSON writes it, with a comma: "3,25", "40".
std::string EnFrancais(double valeur) {
  std::string francais = Nombre(valeur);
  std::replace(francais.begin(), francais.end(), '.', ',');
  return francais;
}

// The six numbers and the target of `valeurs`, read as for any draw.
std::optional<TTirage> LitTirage(const std::vector<std::string>& valeurs, std::string& erreur) {
  const std::optional<Demande> tirage = LitArguments(valeurs, erreur);
  if (!tirage) return std::nullopt;
  if (tirage->serie || tirage->toutes || tirage->jour || !tirage->fichier.empty()) {
    erreur = "avec --chance, ni --series, ni --all, ni --jour, ni --file";
    return std::nullopt;
  }
  return tirage->tirage;
}

ResumeEfforts Resume(const TTirage& tirage) {
  Solveur solveur;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(0);
  return ResumeEfforts::De(solveur);
}

int Chance(const DemandeCote& demande, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const std::optional<TTirage> tirage = LitTirage(demande.valeurs, erreur);
  if (!tirage) {
    erreurs << "tolvan-solve : " << erreur << '\n';
    return 2;
  }
  const double secondes = demande.secondes.value_or(SecondesParDefaut);
  const double chance = ChanceDeTrouver(Resume(*tirage), ProfilContinu(demande.force), secondes);
  if (demande.json) {
    sortie << "{\"Force\":" << Nombre(demande.force) << ",\"Temps\":" << Nombre(secondes)
           << ",\"Chance\":" << Nombre(std::round(chance * 10000) / 10000) << "}\n";
    return 0;
  }
  sortie << "Chance de trouver " << tirage->Resultat << " en " << EnFrancais(secondes) << " s, force "
         << EnFrancais(demande.force) << " (" << EntreProfils(demande.force)
         << ") : " << EnFrancais(100 * chance, 1) << " %\n";
  return 0;
}

// The next line of `entree` without its end (LF or CR LF), or nothing at
// the end; a line too long to be a game is cut short, the rest skipped.
std::optional<std::string> LigneSuivante(std::istream& entree) {
  std::string ligne;
  bool lue = false;
  for (int c = entree.get(); c != std::char_traits<char>::eof(); c = entree.get()) {
    lue = true;
    if (c == '\n') break;
    if (ligne.size() <= LongueurMaxPartieEnLigne) ligne += static_cast<char>(c);
  }
  if (!lue) return std::nullopt;
  if (ligne.ends_with('\r')) ligne.pop_back();
  return ligne;
}

int Cote(const DemandeCote& demande, std::istream& entree, std::ostream& sortie, std::ostream& erreurs) {
  tolvan::Cote cote;
  int numero = 0;
  while (const std::optional<std::string> ligne = LigneSuivante(entree)) {
    ++numero;
    if (ligne->find_first_not_of(" \t") == std::string::npos) continue;
    const std::optional<PartieEnLigne> partie = LitPartieEnLigne(*ligne);
    if (!partie) {
      erreurs << "tolvan-solve : ligne " << numero << " illisible : " << Cite(*ligne)
              << " (attendu : N1 N2 N3 N4 N5 N6 RESULTAT TEMPS TROUVE SECONDES, TROUVE 1 ou 0)\n";
      return 2;
    }
    cote.Ajoute({Resume(partie->tirage), partie->secondesDonnees, partie->trouvee, partie->secondes, std::nullopt});
  }
  if (demande.json) {
    sortie << "{\"Cote\":" << Nombre(std::round(cote.Moyenne() * 100) / 100)
           << ",\"Ecart\":" << Nombre(std::round(cote.Ecart() * 100) / 100) << ",\"Parties\":" << cote.Parties() << "}\n";
    return 0;
  }
  sortie << "Cote : " << EnFrancais(cote.Moyenne(), 1) << " ± " << EnFrancais(cote.Ecart(), 1) << " ("
         << EntreProfils(cote.Moyenne()) << "), sur " << cote.Parties() << (cote.Parties() > 1 ? " parties\n" : " partie\n");
  return 0;
}

int AMaMesure(const DemandeCote& demande, std::ostream& sortie) {
  const double secondes = demande.secondes.value_or(SecondesParDefaut);
  const ProfilAdversaire profil = ProfilContinu(demande.force);
  Solveur solveur;
  const TirageMesure tire = TireAMaMesure(
      demande.graine.value_or(0), BandeAMaMesure,
      [&](const ResumeEfforts& resume) { return ChanceDeTrouver(resume, profil, secondes); }, solveur);
  if (demande.json) {
    sortie << "{\"Nombres\":[";
    for (int i = 1; i <= NbNombres; ++i) sortie << (i > 1 ? "," : "") << tire.tirage.Nombres[i];
    sortie << "],\"Resultat\":" << tire.tirage.Resultat << ",\"Chance\":" << Nombre(std::round(tire.chance * 10000) / 10000)
           << "}\n";
    return 0;
  }
  sortie << "Tirage à la mesure d'une cote de " << EnFrancais(demande.force) << " en " << EnFrancais(secondes) << " s :";
  for (const longint n : tire.tirage.Nombres) sortie << ' ' << n;
  sortie << "   à trouver : " << tire.tirage.Resultat << "   (chance : " << EnFrancais(100 * tire.chance, 1) << " %)\n";
  return 0;
}

}  // namespace

std::optional<int> ExecuteCote(const std::vector<std::string>& arguments, std::istream& entree, std::ostream& sortie,
                               std::ostream& erreurs) {
  if (std::none_of(arguments.begin(), arguments.end(),
                   [](const std::string& a) { return CommandeDe(a) != Commande::Aucune; })) {
    return std::nullopt;
  }
  std::string erreur;
  const std::optional<DemandeCote> demande = LitDemande(arguments, erreur);
  if (!demande) {
    erreurs << "tolvan-solve : " << erreur << '\n';
    return 2;
  }
  switch (demande->commande) {
    case Commande::Chance: return Chance(*demande, sortie, erreurs);
    case Commande::Cote: return Cote(*demande, entree, sortie, erreurs);
    case Commande::AMaMesure: return AMaMesure(*demande, sortie);
    case Commande::Aucune: break;
  }
  return std::nullopt;
}

}  // namespace tolvan::solve
