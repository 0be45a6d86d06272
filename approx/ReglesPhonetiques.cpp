#include "approx/ReglesPhonetiques.h"

#include <cctype>
#include <cstring>

#include "approx/DonneesApproches.h"
#include "approx/MateriauCles.h"
#include "approx/TablePhonemes.h"
#include "data/Ressources.h"
#include "text/Caracteres.h"
#include "text/FichiersTexte.h"
#include "text/Transformations.h"

inline constexpr const char* RESSOURCE_REGLES = "TOXKRJIUSH";

namespace Phonetic {
regle::regle(const std::string& motif, const std::string& codes) : texte(motif), phonemes(codes) {
    std::size_t debut = 0;
    if (!motif.empty() && motif[0] == '/') {
        initiale = true;
        debut = 1;
    }
    const std::size_t barre = motif.find('/', debut);
    graphie = motif.substr(debut, barre == std::string::npos ? std::string::npos : barre - debut);
    if (barre != std::string::npos) {
        suivante = motif.substr(barre + 1);
        finale = suivante.empty();
    }
}
}  // namespace Phonetic

namespace {
bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Pattern: the text before the first ':'; symbols: after it, blanks skipped,
// up to the next blank. Both must be non-empty.
bool CouperLigne(const std::string& ligne, std::string& motif, std::string& symboles) {
    const std::size_t deuxPoints = ligne.find(':');
    if (deuxPoints == std::string::npos || deuxPoints == 0) return false;
    motif = ligne.substr(0, deuxPoints);
    std::size_t debut = deuxPoints + 1;
    while (debut < ligne.size() && EstBlanc(ligne[debut])) ++debut;
    std::size_t fin = debut;
    while (fin < ligne.size() && !EstBlanc(ligne[fin])) ++fin;
    symboles = ligne.substr(debut, fin - debut);
    return !symboles.empty();
}

// The codes of "NOM-NOM-...", or false when a piece is empty or unknown or
// when there are more than the slot holds.
bool CoderSymboles(const std::string& symboles, std::string& codes) {
    codes.clear();
    std::size_t debut = 0;
    for (;;) {
        const std::size_t tiret = symboles.find('-', debut);
        const std::string nom = symboles.substr(debut, tiret == std::string::npos ? std::string::npos : tiret - debut);
        const char code = CodePhoneme(nom);
        if (code == 0) return false;
        codes.push_back(code);
        if (codes.size() > ReglesPhonetiques::TAILLE_CODES - 1) return false;
        if (tiret == std::string::npos) return true;
        debut = tiret + 1;
    }
}

bool AjouterLigne(ReglesPhonetiques& regles, const std::string& brute) {
    const std::string ligne = Elaguer(brute);
    std::string motif, symboles, codes;
    if (!CouperLigne(ligne, motif, symboles)) return false;
    if (regles.count >= ReglesPhonetiques::CAPACITE) return false;
    if (ligne.size() > ReglesPhonetiques::TAILLE_LIGNE - 1) return false;
    if (motif.size() > ReglesPhonetiques::TAILLE_MOTIF - 1) return false;
    if (!CoderSymboles(symboles, codes)) return false;
    const int i = regles.count;
    std::memcpy(regles.lines[i], ligne.c_str(), ligne.size() + 1);
    std::memcpy(regles.codes[i], codes.c_str(), codes.size() + 1);
    std::memcpy(regles.patterns[i], motif.c_str(), motif.size() + 1);
    regles.records.emplace_back(motif, codes);
    regles.count = i + 1;
    return true;
}

// Deciphering cannot fail visibly in OFB mode: a wrong key gives noise. A
// rules text is printable, so control bytes other than line ends mean the
// block is not what it should be and no rule is taken from it.
bool EstTexteDeRegles(const std::string& texte) {
    for (char c : texte) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x20 && c != '\n' && c != '\r' && c != '\t') return false;
    }
    return true;
}
}  // namespace

void AjouterRegles(ReglesPhonetiques& regles, const std::string& texte,
                   std::vector<std::string>* rejetees) {
    std::vector<std::string> lignes;
    DecouperLignes(texte, lignes);
    for (const std::string& ligne : lignes) {
        if (!ligne.empty() && ligne[0] == '#') continue;
        if (Elaguer(ligne).empty()) continue;
        if (!AjouterLigne(regles, ligne) && rejetees != nullptr) rejetees->push_back(ligne);
    }
}

int CorrespondanceRegle(const char* mot, const char* motif, int p) {
    int i = 0;
    if (motif[0] == '/') {
        if (p != 0) return 0;
        i = 1;
    }
    int a = p;
    for (;;) {
        const char c = motif[i];
        if (c == 0) return a;
        if (c == '/') {
            const char* reste = motif + i + 1;
            if (*reste == 0) return mot[a] == 0 ? a : 0;
            for (int k = 0; reste[k] != 0; ++k)
                if (mot[a + k] != reste[k]) return 0;  // stops at the word's NUL too
            return a;
        }
        if (c != mot[a]) return 0;
        ++i;
        ++a;
    }
}

std::string TranscrireAvec(const ReglesPhonetiques& regles, const std::string& mot, std::size_t* lus) {
    // The word is read as a C string, like the rules' letters.
    const char* texte = mot.c_str();
    std::string sortie;
    int p = 0;
    while (texte[p] != 0) {
        if (regles.count == 0) break;
        int meilleure = p;
        int choisie = -1;
        for (int j = 0; j < regles.count; ++j) {
            const int e = CorrespondanceRegle(texte, regles.patterns[j], p);
            const std::size_t longueur = std::strlen(regles.patterns[j]);
            if (e > meilleure) {
                meilleure = e;
                choisie = j;
            } else if (e == meilleure && choisie >= 0 && longueur > 0 &&
                       regles.patterns[j][longueur - 1] == '/') {
                choisie = j;
            }
        }
        if (meilleure == p) break;
        for (const char* code = regles.codes[choisie]; *code != 0; ++code)
            if (*code != CODE_PHONEME_MUET) sortie.push_back(*code);
        p = meilleure;
    }
    if (lus != nullptr) *lus = static_cast<std::size_t>(p);
    return sortie;
}

bool LireReglesRessource(ReglesPhonetiques& regles) {
    BlocOctets bloc = LireRessource(RESSOURCE_REGLES);
    if (bloc.Vide()) return false;
    const std::string iv = IvRegles();
    BlocOctets clair = DechiffrerDonnees(CleRegles(), iv.c_str(), bloc);
    bloc.Liberer();
    if (clair.Vide()) return false;
    const std::string texte(reinterpret_cast<const char*>(clair.Donnees()), clair.Taille());
    if (!EstTexteDeRegles(texte)) return false;
    AjouterRegles(regles, texte);
    regles.loaded = true;
    return true;
}

ReglesPhonetiques& ReglesCourantes() { return DonneesApproches::ParDefaut().Regles(); }

bool ChargerRegles() { return DonneesApproches::ParDefaut().ChargerRegles(); }

std::string Transcrire(const std::string& mot) { return DonneesApproches::ParDefaut().Transcrire(mot); }

namespace {
bool EstO(char c) { return c == 'o' || c == 'O'; }
bool EstE(char c) { return c == 'e' || c == 'E'; }
bool EstU(char c) { return c == 'u' || c == 'U'; }

bool LigatureTapee(const std::string& mot, std::size_t i) {
    if (i + 2 >= mot.size() || !EstO(mot[i]) || !EstE(mot[i + 1])) return false;
    const char apres = mot[i + 2];
    if (EstU(apres)) return true;
    if ((apres == 'i' || apres == 'I') && i + 3 < mot.size() && (mot[i + 3] == 'l' || mot[i + 3] == 'L'))
        return true;
    return i == 0 && LettreDeBase(apres) != 0 && !EstVoyelle(apres);
}
}  // namespace

std::string RetablirLigatures(const std::string& mot) {
    std::string graphie;
    graphie.reserve(mot.size());
    for (std::size_t i = 0; i < mot.size(); ++i) {
        if (LigatureTapee(mot, i)) {
            graphie += mot[i] == 'O' ? '\x8C' : '\x9C';
            ++i;
        } else {
            graphie += mot[i];
        }
    }
    return graphie;
}

void InstallerRegles(const std::string& texte) { DonneesApproches::ParDefaut().InstallerRegles(texte); }
