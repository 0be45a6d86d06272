#pragma once
// French spelling to sound: rewriting rules applied left to right, each step
// taking the longest matching rule. The rules are data (resource TOXKRJIUSH,
// enciphered, not compressed), loaded once on the first transcription.
//
// Rule line:  [/]LETTERS[/[CONTEXT]]:SYMBOL[-SYMBOL...]
//   a leading '/' anchors at the start of the word, a trailing '/' at its end,
//   '/' CONTEXT requires CONTEXT to follow without consuming it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Phonetic {
class regle {
public:
    regle(const std::string& motif, const std::string& codes);
    virtual ~regle() = default;

    std::string texte;      // the pattern as written
    bool initiale = false;  // starts with '/'
    std::string graphie;    // the letters consumed
    bool finale = false;    // ends with a '/' with nothing after it
    std::string suivante;   // the look-ahead condition
    std::string phonemes;   // phoneme codes
};
}  // namespace Phonetic

struct ReglesPhonetiques {
    static constexpr int CAPACITE = 400;
    static constexpr int TAILLE_MOTIF = 11;  // 10 bytes and the NUL
    static constexpr int TAILLE_CODES = 11;  // 10 codes and the NUL
    static constexpr int TAILLE_LIGNE = 30;  // 29 bytes and the NUL

    std::int32_t count = 0;
    char patterns[CAPACITE][TAILLE_MOTIF] = {};
    char codes[CAPACITE][TAILLE_CODES] = {};
    char lines[CAPACITE][TAILLE_LIGNE] = {};
    std::vector<Phonetic::regle> records;
    bool loaded = false;
};

// Adds the rules of a rules text to `regles`, in order. A line that does not
// parse, names an unknown phoneme, or does not fit its slots (pattern over
// 10 bytes, over 10 phonemes, trimmed line over 29 bytes, rule 401 and on) is
// dropped, never cut; each dropped line is appended to `rejetees` when given.
void AjouterRegles(ReglesPhonetiques& regles, const std::string& texte,
                   std::vector<std::string>* rejetees = nullptr);

// End position of the letters `motif` consumes at byte `p` of `mot`, or 0.
int CorrespondanceRegle(const char* mot, const char* motif, int p);

// The phoneme codes of `mot` under `regles`, silent phonemes left out. Stops
// (keeping what it has) where no rule applies; `lus`, when given, receives
// the number of bytes consumed, so a cut-short word can be told apart.
std::string TranscrireAvec(const ReglesPhonetiques& regles, const std::string& mot,
                           std::size_t* lus = nullptr);

// Adds the rules of the enciphered resource TOXKRJIUSH to `regles` and marks
// them loaded; false (nothing added) when it cannot be had or is no rules text.
bool LireReglesRessource(ReglesPhonetiques& regles);

// The rules of the default search data (DonneesApproches::ParDefaut()),
// loaded from TOXKRJIUSH on first use.
ReglesPhonetiques& ReglesCourantes();
bool ChargerRegles();
std::string Transcrire(const std::string& mot);
// The rules read the ligatures as such. A word typed without them is given
// them back where its two letters can only stand for one: "oeu" and "oeil"
// anywhere ("coeur", "oeuvre", "oeillet"), "oe" before a consonant at the
// start ("oesophage").
// Elsewhere "oe" stays two letters ("moelle", "coefficient").
std::string RetablirLigatures(const std::string& mot);
// Replaces the default search data's rules by those of a plain rules text and marks
// them loaded: the data builder and the tools work from the source file.
void InstallerRegles(const std::string& texte);
