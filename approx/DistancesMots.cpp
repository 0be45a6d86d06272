#include "approx/DistancesMots.h"

#include <algorithm>
#include <cstdlib>

#include "approx/DonneesApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "text/Caracteres.h"
#include "text/Transformations.h"

namespace {
constexpr int TAILLE_POSITIONS = 100;

int Longueur(const std::string& s) { return static_cast<int>(s.size()); }

bool OctetsInferieurs(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

std::string Tronquer(std::string s, std::size_t longueur) {
    if (s.size() > longueur) s.resize(longueur);
    return s;
}

// No keyboard in common use has the ligatures: "oeuf" is how one types
// "\x9Cuf". Every measure of spellings therefore sees a ligature as its two
// letters. Most words have none and are used as they stand, uncopied.
bool ALigature(const std::string& s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return SecondeLettreLigature(c) != '\0'; });
}

const std::string& SansLigatures(const std::string& s, std::string& deplie) {
    if (!ALigature(s)) return s;
    deplie = DeplierLigatures(s);
    return deplie;
}

int PositionnelleOctets(const std::string& a, const std::string& b) {
    int d = 3 * std::abs(Longueur(a) - Longueur(b));
    const std::size_t commune = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < commune; ++i) d += CoutPosition(a[i], b[i]);
    return d;
}

int PondereeOctets(const std::string& a, const std::string& b);
int PhonetiqueDeplies(DonneesApproches& donnees, const std::string& q, const std::string& c);
}  // namespace

int CoutPosition(char x, char y) {
    if (x == y) return 0;
    if (MinusculeCar(x) == MinusculeCar(y)) return 2;
    if (SansAccentCar(x) == SansAccentCar(y)) return 2;
    if (LettreDeBase(x) == LettreDeBase(y)) return 1;
    return 8;
}

int CoutSubstitution(char x, char y) {
    if (x == y) return 0;
    const char fx = SansAccentCar(MinusculeCar(x));
    const char fy = SansAccentCar(MinusculeCar(y));
    if (fx == fy) return 2;
    if (EstVoyelle(fx) == EstVoyelle(fy)) return 4;
    return 6;
}

int DistancePositionnelle(const std::string& a, const std::string& b) {
    std::string da, db;
    return PositionnelleOctets(SansLigatures(a, da), SansLigatures(b, db));
}

// SousSuiteCommune is a depth-first walk: at level k it tries the positions
// of A from I[k] on, each against the first match in B after the match of
// level k - 1, goes one level deeper on a match, and abandons the whole start
// as soon as a chain reaches the last byte of A or of B. Walked as written,
// it tries every subsequence that never reaches those last bytes: its time
// doubles with each shared letter. What a level does from position i with
// the previous match at jPrec depends on nothing else, so each (i, jPrec) is
// worked out once, from the last position of A back to the first.
namespace {

// What the walk does from one state: how many levels it matches at most,
// counting this one, and whether it abandons the start (a chain reached the
// end of A or of B) rather than running out of positions of A.
struct IssueNiveau {
    int profondeur = 0;
    bool abandon = false;
};

// The issue of every state (i, jPrec) for one position i of A, jPrec < lb,
// from the issues of position i + 1 (null for the last position).
void IssuesPosition(char octet, const std::string& texteB, int lb, bool derniere,
                    const IssueNiveau* suivantes, IssueNiveau* issues) {
    int correspondance = 0;  // the first j > jPrec with B[j] == octet, 0 when none
    for (int jPrec = lb - 1; jPrec >= 0; --jPrec) {
        if (texteB[jPrec] == octet) correspondance = jPrec + 1;
        IssueNiveau& issue = issues[jPrec];
        if (correspondance == 0) {
            issue = derniere ? IssueNiveau{0, false} : suivantes[jPrec];
        } else if (derniere || correspondance == lb) {
            issue = IssueNiveau{1, true};  // the next level starts past an end
        } else {
            const IssueNiveau plusProfond = suivantes[correspondance];
            if (plusProfond.abandon) {
                issue = IssueNiveau{1 + plusProfond.profondeur, true};
            } else {
                const IssueNiveau ensuite = suivantes[jPrec];
                issue = IssueNiveau{std::max(1 + plusProfond.profondeur, ensuite.profondeur), ensuite.abandon};
            }
        }
    }
}

}  // namespace

int SousSuiteCommune(const std::string& texteA, const std::string& texteB) {
    const int la = std::min(Longueur(texteA), static_cast<int>(LONGUEUR_MAX_SOUS_SUITE));
    const int lb = std::min(Longueur(texteB), static_cast<int>(LONGUEUR_MAX_SOUS_SUITE));
    if (la == 0 || lb == 0) return 0;
    // Two rows of states, for positions i and i + 1, and the first level of
    // each start (jPrec = 0) for every position.
    IssueNiveau rangees[2][TAILLE_POSITIONS];
    IssueNiveau departs[TAILLE_POSITIONS];
    for (int i = la; i >= 1; --i) {
        IssueNiveau* issues = rangees[i % 2];
        const IssueNiveau* suivantes = rangees[(i + 1) % 2];
        IssuesPosition(texteA[i - 1], texteB, lb, i == la, suivantes, issues);
        departs[i] = issues[0];
    }
    // Each start s begins at position s + 1; a start that runs out of
    // positions of A without abandoning ends the whole search.
    int S = 0;
    for (int s = 0; s < la; ++s) {
        S = std::max(S, departs[s + 1].profondeur);
        if (!departs[s + 1].abandon) return S;
    }
    return S;
}

int DistanceSousSuite(const std::string& a, const std::string& b) {
    if (a == b) return 0;
    if (a.size() == b.size()) {
        int differences = 0;
        for (std::size_t i = 0; i < a.size(); ++i) differences += a[i] != b[i];
        return differences;
    }
    return std::max(Longueur(a), Longueur(b)) - SousSuiteCommune(a, b);
}

int DistanceSousSuitePonderee(const std::string& a, const std::string& b) {
    std::string da, db;
    return PondereeOctets(SansLigatures(a, da), SansLigatures(b, db));
}

namespace {
int PondereeOctets(const std::string& a, const std::string& b) {
    if (a == b) return 0;
    if (a.size() == b.size()) {
        int somme = 0;
        for (std::size_t i = 0; i < a.size(); ++i) somme += CoutSubstitution(a[i], b[i]);
        return somme;
    }
    return 4 * (std::max(Longueur(a), Longueur(b)) - SousSuiteCommune(a, b));
}

// The pair is cached under the words as compared, ligatures written out;
// the rules get them back where the two letters can only stand for one.
int PhonetiqueDeplies(DonneesApproches& donnees, const std::string& q, const std::string& c) {
    std::lock_guard<std::recursive_mutex> garde(donnees.Verrou());
    const std::string cle = ClePaire(q, c);
    auto& cache = donnees.CachePhonetique();
    const auto trouvee = cache.find(cle);
    if (trouvee != cache.end()) return trouvee->second;
    const std::string tq = Tronquer(donnees.Transcrire(RetablirLigatures(q)), CODES_MAX_TRANSCRIPTION);
    const std::string tc = Tronquer(donnees.Transcrire(RetablirLigatures(c)), CODES_MAX_TRANSCRIPTION);
    const int valeur = 3 * DistanceSousSuite(tq, tc);
    if (cache.size() >= PAIRES_MAX_CACHE_PHONETIQUE) cache.clear();
    cache.emplace(cle, valeur);
    return valeur;
}
}  // namespace

std::map<std::string, int>& CachePhonetique() { return DonneesApproches::ParDefaut().CachePhonetique(); }

std::string ClePaire(const std::string& x, const std::string& y) {
    return OctetsInferieurs(y, x) ? y + "/" + x : x + "/" + y;
}

int DistancePhonetique(const std::string& q, const std::string& c) {
    return DistancePhonetique(DonneesApproches::ParDefaut(), q, c);
}

int DistancePhonetique(DonneesApproches& donnees, const std::string& q, const std::string& c) {
    std::string dq, dc;
    return PhonetiqueDeplies(donnees, SansLigatures(q, dq), SansLigatures(c, dc));
}

int DistanceMots(bool lexiquePresent, const std::string& q, const std::string& c) {
    return DistanceMotsJusqua(lexiquePresent, q, c, DISTANCE_PLAFOND);
}

int DistanceMotsJusqua(bool lexiquePresent, const std::string& q, const std::string& c, int plafond) {
    return DistanceMotsJusqua(DonneesApproches::ParDefaut(), lexiquePresent, q, c, plafond);
}

// The phonetic distance only adds to the subsequence side: when that side
// alone already reaches the positional distance, or passes `plafond` as the
// positional one does, the transcriptions cannot change the answer.
int DistanceMotsJusqua(DonneesApproches& donnees, bool lexiquePresent, const std::string& q,
                       const std::string& c, int plafond) {
    if (!lexiquePresent) return 0;
    std::string dq, dc;
    const std::string& mq = SansLigatures(q, dq);
    const std::string& mc = SansLigatures(c, dc);
    const int d2 = PositionnelleOctets(mq, mc);
    const int sousSuite = PondereeOctets(mq, mc) / 2;
    if (sousSuite >= d2) return std::min(d2, DISTANCE_PLAFOND);
    if (sousSuite > plafond && d2 > plafond) return std::min(sousSuite, DISTANCE_PLAFOND);
    const int d1 = std::min(PhonetiqueDeplies(donnees, mq, mc) + sousSuite, DISTANCE_PLAFOND);
    return std::min(d1, d2);
}
