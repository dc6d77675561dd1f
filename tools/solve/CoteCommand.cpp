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

constexpr double SecondesParDefaut = 40;

struct DemandeCote {
  double force = 0;  // --chance's strength, or --a-ma-mesure's rating
  double secondes = SecondesParDefaut;
  std::uint64_t graine = 0;
  bool json = false;
};

std::optional<std::uint64_t> EntierNaturel(const std::string& texte) {
  std::uint64_t valeur = 0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
  return valeur;
}

// The strength or rating after `option`, the clock and the seed of the
// line; nothing, and `erreur` says why, when one cannot be read.
std::optional<DemandeCote> LitDemande(const LigneDeCommande& ligne, std::string_view option, std::string& erreur) {
  DemandeCote demande;
  demande.json = ligne.Donnee("--json");
  if (const std::optional<std::string> force = ligne.Valeur(option)) {
    const std::optional<double> lue = LitDecimalEntre(*force, ForceMin, ForceMax);
    if (!lue) {
      erreur = std::string(option) + " attend " + (option == "--chance" ? "une force" : "une cote") +
               " de 1 à 5 (3.5 ou 3,5), pas " + Cite(*force);
      return std::nullopt;
    }
    demande.force = *lue;
  }
  if (const std::optional<std::string> temps = ligne.Valeur("--temps")) {
    const std::optional<double> secondes = LitDecimalEntre(*temps, SecondesDonneesMin, SecondesDonneesMax);
    if (!secondes) {
      erreur = "--temps attend un nombre de secondes de 1 à 3600, pas " + Cite(*temps);
      return std::nullopt;
    }
    demande.secondes = *secondes;
  }
  if (const std::optional<std::string> graine = ligne.Valeur("--graine")) {
    const std::optional<std::uint64_t> lue = EntierNaturel(*graine);
    if (!lue) {
      erreur = Cite(*graine) + " n'est pas une graine : il faut un nombre entier de 0 à 18446744073709551615";
      return std::nullopt;
    }
    demande.graine = *lue;
  }
  return demande;
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

ResumeEfforts Resume(const TTirage& tirage) {
  Solveur solveur;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(0);
  return ResumeEfforts::De(solveur);
}

int Chance(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const std::optional<DemandeCote> demande = LitDemande(ligne, "--chance", erreur);
  const std::optional<TTirage> tirage = demande ? LitTirage(ligne.Mots(), "le résultat", erreur) : std::nullopt;
  if (!tirage) return ligne.Refuse(erreur, erreurs);
  const double secondes = demande->secondes;
  const double chance = ChanceDeTrouver(Resume(*tirage), ProfilContinu(demande->force), secondes);
  if (demande->json) {
    sortie << "{\"Force\":" << Nombre(demande->force) << ",\"Temps\":" << Nombre(secondes)
           << ",\"Chance\":" << Nombre(std::round(chance * 10000) / 10000) << "}\n";
    return 0;
  }
  sortie << "Chance de trouver " << tirage->Resultat << " en " << EnFrancais(secondes) << " s, force "
         << EnFrancais(demande->force) << " (" << EntreProfils(demande->force)
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

int Cote(const LigneDeCommande& ligne, std::istream& entree, std::ostream& sortie, std::ostream& erreurs) {
  tolvan::Cote cote;
  int numero = 0;
  while (const std::optional<std::string> lue = LigneSuivante(entree)) {
    ++numero;
    if (lue->find_first_not_of(" \t") == std::string::npos) continue;
    const std::optional<PartieEnLigne> partie = LitPartieEnLigne(*lue);
    if (!partie) {
      return ligne.Refuse("ligne " + std::to_string(numero) + " illisible : " + Cite(*lue) +
                              " (attendu : N1 N2 N3 N4 N5 N6 RESULTAT TEMPS TROUVE SECONDES, TROUVE 1 ou 0)",
                          erreurs);
    }
    cote.Ajoute({Resume(partie->tirage), partie->secondesDonnees, partie->trouvee, partie->secondes, std::nullopt});
  }
  if (ligne.Donnee("--json")) {
    sortie << "{\"Cote\":" << Nombre(std::round(cote.Moyenne() * 100) / 100)
           << ",\"Ecart\":" << Nombre(std::round(cote.Ecart() * 100) / 100) << ",\"Parties\":" << cote.Parties() << "}\n";
    return 0;
  }
  sortie << "Cote : " << EnFrancais(cote.Moyenne(), 1) << " ± " << EnFrancais(cote.Ecart(), 1) << " ("
         << EntreProfils(cote.Moyenne()) << "), sur " << cote.Parties() << (cote.Parties() > 1 ? " parties\n" : " partie\n");
  return 0;
}

int AMaMesure(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const std::optional<DemandeCote> lue = LitDemande(ligne, "--a-ma-mesure", erreur);
  if (!lue) return ligne.Refuse(erreur, erreurs);
  const DemandeCote& demande = *lue;
  const double secondes = demande.secondes;
  const ProfilAdversaire profil = ProfilContinu(demande.force);
  Solveur solveur;
  const TirageMesure tire = TireAMaMesure(
      demande.graine, BandeAMaMesure,
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

std::vector<ModeCommande> ModesCote(std::istream& entree) {
  const OptionConnue temps{"--temps", Suite::Valeur, "un nombre de secondes de 1 à 3600"};
  return {
      {"--chance", {{"--chance", Suite::Valeur, "une force de 1 à 5 (3.5 ou 3,5)"}, temps, OptionJson}, true, Chance},
      {"--cote", {{"--cote"}, OptionJson}, false,
       [&entree](const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
         return Cote(ligne, entree, sortie, erreurs);
       }},
      {"--a-ma-mesure",
       {{"--a-ma-mesure", Suite::Valeur, "une cote de 1 à 5 (3.5 ou 3,5)"}, temps,
        {"--graine", Suite::Valeur, "un nombre entier de 0 à 18446744073709551615"}, OptionJson},
       false, AMaMesure},
  };
}

}  // namespace tolvan::solve
