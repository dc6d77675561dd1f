// tolvan-synth-sons OUTDIR: writes the game's own event sounds as small WAV
// files (16-bit PCM mono, 22050 Hz). Linux has no system sounds under the
// Windows names a sound theme uses by default, so the build makes its own,
// from code, and ships them inside the program.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int kFrequenceEchantillonnage = 22050;
constexpr double kNyquist = kFrequenceEchantillonnage / 2.0;

// Samples between -1 and 1, one per 1/22050 s.
using Echantillons = std::vector<double>;

// The weight of each harmonic of a note: [0] is the fundamental, [1] the
// octave above, and so on.
using Timbre = std::vector<double>;

const Timbre kSinus = {1.0};
const Timbre kDoux = {1.0, 0.25, 0.08};
const Timbre kCloche = {1.0, 0.5, 0.3, 0.15, 0.08};
// Odd harmonics falling as 1/n^2 with alternate signs: a triangle wave
// without the aliasing of a sharp corner.
const Timbre kTriangle = {1.0, 0.0, -1.0 / 9, 0.0, 1.0 / 25, 0.0, -1.0 / 49};
// All harmonics falling as 1/n: a band-limited sawtooth, rough and buzzy.
const Timbre kBourdon = {1.0, 1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 6, 1.0 / 7, 1.0 / 8, 1.0 / 9, 1.0 / 10};

// Note frequencies in hertz.
constexpr double kLa3 = 220.00;
constexpr double kLa4 = 440.00;
constexpr double kDo5 = 523.25;
constexpr double kMi5 = 659.26;
constexpr double kSol5 = 783.99;
constexpr double kLa5 = 880.00;
constexpr double kDo6 = 1046.50;
constexpr double kMi6 = 1318.51;
constexpr double kSol6 = 1567.98;

std::size_t NombreEchantillons(double secondes) {
  return static_cast<std::size_t>(std::lround(secondes * kFrequenceEchantillonnage));
}

// A note whose pitch glides from `debut` to `fin` hertz (the same value for a
// steady note). The glide is exponential, so it sounds even across octaves.
Echantillons Balayage(double debut, double fin, double secondes, const Timbre& timbre) {
  const std::size_t n = NombreEchantillons(secondes);
  Echantillons son(n);
  double phase = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double frequence = debut * std::pow(fin / debut, static_cast<double>(i) / static_cast<double>(n));
    double valeur = 0.0;
    for (std::size_t k = 0; k < timbre.size(); ++k) {
      const double rang = static_cast<double>(k + 1);
      if (rang * frequence < kNyquist) valeur += timbre[k] * std::sin(rang * phase);
    }
    son[i] = valeur;
    phase += 2.0 * std::numbers::pi * frequence / kFrequenceEchantillonnage;
  }
  return son;
}

Echantillons Note(double frequence, double secondes, const Timbre& timbre) {
  return Balayage(frequence, frequence, secondes, timbre);
}

// White noise, the same on every build so that the sounds never change.
Echantillons Bruit(double secondes) {
  std::minstd_rand generateur(20240601);
  Echantillons son(NombreEchantillons(secondes));
  for (double& echantillon : son) {
    echantillon = 2.0 * static_cast<double>(generateur()) / static_cast<double>(std::minstd_rand::max()) - 1.0;
  }
  return son;
}

// One-pole low-pass filter: takes the hiss off a noise burst.
void AdoucitAigus(Echantillons& son, double coupure) {
  const double alpha = 1.0 - std::exp(-2.0 * std::numbers::pi * coupure / kFrequenceEchantillonnage);
  double sortie = 0.0;
  for (double& echantillon : son) {
    sortie += alpha * (echantillon - sortie);
    echantillon = sortie;
  }
}

struct Enveloppe {
  double attaque;      // seconds of fade-in
  double relache;      // seconds of fade-out at the end
  double demiVie = 0;  // seconds for the level to halve; 0 holds it steady
};

// Rises and falls along half a cosine: no corner, hence no click.
double Fondu(double position) {
  return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(position, 0.0, 1.0));
}

void Applique(Echantillons& son, const Enveloppe& enveloppe) {
  const std::size_t n = son.size();
  const auto montee = static_cast<double>(std::max<std::size_t>(1, NombreEchantillons(enveloppe.attaque)));
  const auto descente = static_cast<double>(std::max<std::size_t>(1, NombreEchantillons(enveloppe.relache)));
  for (std::size_t i = 0; i < n; ++i) {
    const double temps = static_cast<double>(i) / kFrequenceEchantillonnage;
    double niveau = Fondu(static_cast<double>(i) / montee) * Fondu(static_cast<double>(n - 1 - i) / descente);
    if (enveloppe.demiVie > 0) niveau *= std::exp2(-temps / enveloppe.demiVie);
    son[i] *= niveau;
  }
}

Echantillons Enveloppee(Echantillons son, const Enveloppe& enveloppe) {
  Applique(son, enveloppe);
  return son;
}

// Adds `son` into `melange` starting at `debut` seconds, lengthening it as needed.
void Ajoute(Echantillons& melange, const Echantillons& son, double debut, double gain = 1.0) {
  const std::size_t decalage = NombreEchantillons(debut);
  if (melange.size() < decalage + son.size()) melange.resize(decalage + son.size(), 0.0);
  for (std::size_t i = 0; i < son.size(); ++i) melange[decalage + i] += gain * son[i];
}

// Brings the loudest sample to `crete` and makes sure the file starts and
// ends in silence, whatever was mixed into it.
Echantillons Termine(Echantillons son, double crete) {
  double maximum = 0.0;
  for (double echantillon : son) maximum = std::max(maximum, std::abs(echantillon));
  if (maximum > 0.0) {
    for (double& echantillon : son) echantillon *= crete / maximum;
  }
  Applique(son, {0.002, 0.005});
  return son;
}

// A number tile or an operator is pressed: a short wooden tick, a damped
// resonance struck by a muffled noise burst.
Echantillons Clic() {
  Echantillons son = Enveloppee(Note(1100.0, 0.040, {1.0, 0.0, 0.35}), {0.001, 0.010, 0.006});
  Echantillons frappe = Bruit(0.008);
  AdoucitAigus(frappe, 3000.0);
  Ajoute(son, Enveloppee(frappe, {0.0005, 0.004, 0.002}), 0.0, 0.6);
  return Termine(son, 0.45);
}

// A calculation line is completed: two rising notes, a fourth apart.
Echantillons Resultat() {
  Echantillons son;
  Ajoute(son, Enveloppee(Note(kMi5, 0.080, kDoux), {0.004, 0.030, 0.05}), 0.000);
  Ajoute(son, Enveloppee(Note(kLa5, 0.090, kDoux), {0.004, 0.050, 0.05}), 0.060);
  return Termine(son, 0.5);
}

// An operation is refused: a low buzz, two rough notes beating together.
Echantillons Erreur() {
  Echantillons son;
  Ajoute(son, Enveloppee(Note(kLa3 / 2, 0.250, kBourdon), {0.010, 0.060}), 0.0);
  Ajoute(son, Enveloppee(Note(kLa3 / 2 * 1.06, 0.250, kBourdon), {0.010, 0.060}), 0.0, 0.7);
  return Termine(son, 0.5);
}

// A line is taken back: the pitch swoops down.
Echantillons Annulation() {
  return Termine(Enveloppee(Balayage(kLa5, kLa4 / 1.5, 0.200, kDoux), {0.010, 0.080}), 0.5);
}

// A new game starts: a major arpeggio climbing an octave.
Echantillons NouvellePartie() {
  const double notes[] = {kDo5, kMi5, kSol5, kDo6};
  Echantillons son;
  for (int i = 0; i < 4; ++i) {
    Ajoute(son, Enveloppee(Note(notes[i], 0.140, kDoux), {0.004, 0.060, 0.08}), 0.070 * i);
  }
  return Termine(son, 0.5);
}

// The target is reached: three quick notes up to a ringing major chord.
Echantillons CompteTrouve() {
  Echantillons son;
  const double montee[] = {kSol5, kDo6, kMi6};
  for (int i = 0; i < 3; ++i) {
    Ajoute(son, Enveloppee(Note(montee[i], 0.120, kCloche), {0.003, 0.050, 0.10}), 0.080 * i);
  }
  for (double frequence : {kDo6, kMi6, kSol6}) {
    Ajoute(son, Enveloppee(Note(frequence, 0.460, kCloche), {0.004, 0.200, 0.18}), 0.240, 0.8);
  }
  return Termine(son, 0.55);
}

// The time ran out: a minor triad walking down.
Echantillons TempsEcoule() {
  const double notes[] = {kMi5, kDo5, kLa4};
  Echantillons son;
  for (int i = 0; i < 3; ++i) {
    const bool derniere = i == 2;
    const Echantillons note = Note(notes[i], derniere ? 0.240 : 0.190, kTriangle);
    Ajoute(son, Enveloppee(note, {0.006, derniere ? 0.150 : 0.040, 0.20}), 0.180 * i);
  }
  return Termine(son, 0.5);
}

// What plays for a sound name that leads nowhere: a plain beep.
Echantillons Bip() {
  return Termine(Enveloppee(Note(kLa5, 0.150, kSinus), {0.005, 0.020}), 0.45);
}

void AjouteMot16(std::string& octets, std::uint16_t valeur) {
  octets += static_cast<char>(valeur & 0xFF);
  octets += static_cast<char>(valeur >> 8);
}

void AjouteMot32(std::string& octets, std::uint32_t valeur) {
  AjouteMot16(octets, static_cast<std::uint16_t>(valeur & 0xFFFF));
  AjouteMot16(octets, static_cast<std::uint16_t>(valeur >> 16));
}

// The whole file, RIFF header and little-endian 16-bit samples.
std::string ContenuWav(const Echantillons& son) {
  constexpr std::uint16_t kBitsParEchantillon = 16;
  constexpr std::uint16_t kOctetsParEchantillon = kBitsParEchantillon / 8;
  const auto tailleDonnees = static_cast<std::uint32_t>(son.size() * kOctetsParEchantillon);
  std::string octets = "RIFF";
  AjouteMot32(octets, 36 + tailleDonnees);
  octets += "WAVEfmt ";
  AjouteMot32(octets, 16);  // size of the format chunk
  AjouteMot16(octets, 1);   // PCM
  AjouteMot16(octets, 1);   // mono
  AjouteMot32(octets, kFrequenceEchantillonnage);
  AjouteMot32(octets, kFrequenceEchantillonnage * kOctetsParEchantillon);
  AjouteMot16(octets, kOctetsParEchantillon);
  AjouteMot16(octets, kBitsParEchantillon);
  octets += "data";
  AjouteMot32(octets, tailleDonnees);
  for (double echantillon : son) {
    const auto entier = static_cast<std::int16_t>(std::lround(std::clamp(echantillon, -1.0, 1.0) * 32767.0));
    AjouteMot16(octets, static_cast<std::uint16_t>(entier));
  }
  return octets;
}

// Writes beside the target and renames, so that a failed write never leaves
// a truncated sound behind for the build to pick up.
bool EcritFichier(const std::filesystem::path& chemin, const std::string& octets) {
  std::filesystem::path provisoire = chemin;
  provisoire += ".tmp";
  {
    std::ofstream fichier(provisoire, std::ios::binary | std::ios::trunc);
    fichier.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    fichier.close();
    if (!fichier) {
      std::error_code ignore;
      std::filesystem::remove(provisoire, ignore);
      return false;
    }
  }
  std::error_code erreur;
  std::filesystem::rename(provisoire, chemin, erreur);
  if (erreur) std::filesystem::remove(provisoire, erreur);
  return !erreur;
}

struct SonAEcrire {
  const char* fichier;
  Echantillons (*synthese)();
};

const SonAEcrire kSons[] = {
    {"MenuPopup.wav", Clic},
    {"MenuCommand.wav", Resultat},
    {"AppGPFault.wav", Erreur},
    {"Minimize.wav", Annulation},
    {"RestoreUp.wav", NouvellePartie},
    {"SystemQuestion.wav", CompteTrouve},
    {"SystemExclamation.wav", TempsEcoule},
    {"Beep.wav", Bip},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tolvan-synth-sons OUTDIR\n";
    return 2;
  }
  const std::filesystem::path dossier = argv[1];
  std::error_code erreur;
  std::filesystem::create_directories(dossier, erreur);
  for (const SonAEcrire& son : kSons) {
    const std::filesystem::path chemin = dossier / son.fichier;
    if (!EcritFichier(chemin, ContenuWav(son.synthese()))) {
      std::cerr << "tolvan-synth-sons: cannot write " << chemin.string() << "\n";
      return 1;
    }
  }
  return 0;
}
