// Every service the game asks of the desktop goes through this one narrow
// interface: the real one talks to Qt and the system, the one the tests use
// follows a script and records what was asked. The window adds what only it
// needs (see shell/platform/Plateforme.h).
#pragma once

#include <optional>
#include <stdexcept>

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tolvan {

// The four kinds of message box, each with its own title.
// `Simple`: a plain note under the program's name, with no icon.
enum class TypeMessage { Avertissement, Erreur, Information, Confirmation, Simple };
enum class BoutonsMessage { Ok, ReessayerAnnuler, OuiNon, OuiNonAnnuler };
enum class Reponse { Ok, Reessayer, Annuler, Oui, Non };

// An open or save dialog. `filtre` is written "Description|*.ext" (several
// pairs may follow one another, all separated by "|"); a save dialog adds
// `extension` to a name typed without one ("tir", "son"), empty for none.
struct DialogueFichier {
  QString titre;
  QString filtre;
  QString extension;
  QString dossier = {};  // where the dialog opens; the last place used when empty
  QString nom = {};      // the file name offered, if any
};

// A store that cannot be read or written.
struct ErreurReglages : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The per-user configuration store: nested keys ("software/Tolvan/Option")
// holding named string values. Every operation throws ErreurReglages when
// the store fails.
class MagasinReglages {
 public:
  virtual ~MagasinReglages() = default;
  virtual bool CleExiste(const QString& cle) = 0;
  // Nothing when the key holds no such value.
  virtual std::optional<QString> Lit(const QString& cle, const QString& nom) = 0;
  // Kept until Enregistre, which stores every value written, whole or not at all.
  virtual void Ecrit(const QString& cle, const QString& nom, const QString& valeur) = 0;
  virtual void Enregistre() = 0;
  // Where the store is and why it failed last, as a line for the player
  // ("path : reason"); empty when it has not failed or cannot say.
  virtual QString DernierEchec() const { return {}; }
};

class Services {
 public:
  virtual ~Services() = default;

  // A modal message box; "\r" in `texte` breaks the line.
  virtual Reponse Message(TypeMessage type, const QString& texte, BoutonsMessage boutons) = 0;

  // The chosen file's full path, or nothing when the user cancels.
  virtual std::optional<QString> FichierAOuvrir(const DialogueFichier& dialogue) = 0;
  virtual std::optional<QString> FichierASauver(const DialogueFichier& dialogue) = 0;
  // Several files chosen at once (never an empty list), or a folder; nothing
  // when the user cancels. A folder's dialog uses the title and the place.
  virtual std::optional<QStringList> FichiersAOuvrir(const DialogueFichier& dialogue) = 0;
  virtual std::optional<QString> DossierAOuvrir(const DialogueFichier& dialogue) = 0;

  // The print dialog: true when the user confirms a printer.
  virtual bool ChoisitImprimante() = 0;
  // Prints lines of text, one after the other, on the printer last chosen;
  // a line that is a form feed alone ("\f") starts a new page.
  enum class Impression { Faite, DemarrageImpossible, LigneImpossible };
  virtual Impression Imprime(const QString& titreDocument, const QStringList& lignes) = 0;

  // Plays a sound at once, cutting the one still playing: one of the system
  // sound names the game uses by default ("MenuPopup", ...), or the path of
  // a WAV file; anything else plays the default beep.
  virtual void JoueSon(const QString& nom) = 0;

  virtual void CurseurOccupe() = 0;
  virtual void CurseurNormal() = 0;

  // Opens a file or an address (https:, mailto:) with its default handler.
  virtual void OuvreDocument(const QString& cheminOuAdresse) = 0;
  // Starts a program with its arguments, each passed whole (a path may hold
  // spaces); false when it cannot start.
  virtual bool LanceProgramme(const QString& programme, const QStringList& arguments) = 0;
  // Opens a draws file (tab-separated Windows-1252 text) in a spreadsheet;
  // false when neither a spreadsheet program nor the desktop could take it.
  virtual bool OuvreTableur(const QString& chemin) = 0;

  virtual void CopieTexte(const QString& texte) = 0;
  // The text the clipboard holds; empty when it holds none.
  virtual QString TexteCopie() = 0;

  virtual MagasinReglages& Reglages() = 0;

  // The uniform generator: seeded once from the clock, then Aleatoire(n)
  // gives a whole number from 0 to n - 1.
  virtual void SemeAleatoire() = 0;
  virtual int Aleatoire(int n) = 0;

  // The date and time of the desktop's clock, in local time.
  virtual QDateTime Maintenant() = 0;
  // A steady count of milliseconds, for the game's clock: it only moves
  // on, whatever is done to the desktop's date and time.
  virtual qint64 Instant() = 0;
  // The player's history of games, in the player's data folder.
  virtual QString FichierHistorique() = 0;
  // The player's data folder, where the levels a player plays are copied.
  virtual QString DossierJoueur() = 0;
};

}  // namespace tolvan
