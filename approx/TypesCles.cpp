#include "approx/TypesCles.h"

#include "approx/DonneesApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TablePhonemes.h"
#include "text/Caracteres.h"
#include "text/Transformations.h"
#include "text/TransformationsCles.h"

namespace {
constexpr std::size_t LONGUEUR_MIN_SQUELETTE = 4;
constexpr std::size_t LONGUEUR_MAX_MILIEU = 50;
constexpr std::size_t LONGUEUR_MIN_MILIEU = 6;

std::string AuMoins(const std::string& cle, std::size_t longueur) {
    return cle.size() >= longueur ? cle : std::string();
}

std::string CleDebut4(const std::string& mot) { return CleDebut(mot, 4); }
std::string CleDebut3(const std::string& mot) { return CleDebut(mot, 3); }
std::string CleFin4(const std::string& mot) { return CleFin(mot, 4); }
std::string CleFin3(const std::string& mot) { return CleFin(mot, 3); }

char Code(const char* nom) { return CodePhoneme(nom); }
}  // namespace

const TypeCle TableTypesCles[NOMBRE_TYPES_CLES + 1] = {
    {"ANA", true, "MAPANA", CleANA, "Z33mH7"},
    {"CONS", true, "MAPCONS", CleCONS, "YwHBR5"},
    {"PHON", false, "MAPPHON", ClePHON, "I5nL5w", SonCle::Phonemes},
    {"PHON2", true, "MAPPHON2", ClePHON2, "VtUxUj", SonCle::PhonemesFusionnes},
    {"SIMP", true, "MAPSIMP", CleSIMP, "dU6LQl"},
    {"TA", false, "MAPTA", CleTA, "dWqqK1"},
    {"TM", false, "MAPTM", CleTM, "6Pdwdn"},
    {"Debut4", false, "MAPDEBUT4", CleDebut4, "LnKZzS"},
    {"Fin4", false, "MAPFIN4", CleFin4, "qur8Qb"},
    {"Debut3", true, "MAPDEBUT3", CleDebut3, "82EiBg"},
    {"Fin3", true, "MAPFIN3", CleFin3, "X4uTdY"},
    {"Milieu4", true, "MAPMILIEU4", CleMilieu4, "3QDiKf"},
    {nullptr, false, nullptr, nullptr, nullptr},
};

// Every key but the phonetic ones is made from the word with its ligatures
// written out, so that "c\x9Cur" and "coeur" fall on the same keys. The
// phonetic rules read the ligatures themselves: the phonetic keys give a word
// typed without them its ligatures back first.
std::string CleANA(const std::string& mot) {
    bool presentes[26] = {};
    for (char c : DeplierLigatures(mot)) {
        const char base = LettreDeBase(c);
        if (base >= 'a' && base <= 'z') presentes[base - 'a'] = true;
    }
    std::string cle;
    for (int i = 0; i < 26; ++i)
        if (presentes[i]) cle.push_back(static_cast<char>('a' + i));
    return cle;
}

std::string CleCONS(const std::string& mot) {
    std::string s = Minuscules(SansAccents(DeplierLigatures(mot)));
    s = SansDoublons(SansFinale(s));
    s = SansDoublons(ClassesConsonnes(SansVoyelles(s)));
    return AuMoins(s, LONGUEUR_MIN_SQUELETTE);
}

std::string CleSIMP(const std::string& mot) {
    std::string s = TransformationNeutre(Minuscules(SansAccents(DeplierLigatures(mot))));
    s = SansDoublons(SansLettresFrequentes(s));
    return AuMoins(s, LONGUEUR_MIN_SQUELETTE);
}

std::string CleTA(const std::string& mot) { return SansAccents(DeplierLigatures(mot)); }

std::string CleTM(const std::string& mot) { return Minuscules(DeplierLigatures(mot)); }

std::string CleDebut(const std::string& mot, std::size_t n) {
    const std::string s = SansPrefixeFrequent(SansAccents(Minuscules(DeplierLigatures(mot))));
    return s.size() == n ? s : std::string();
}

std::string CleFin(const std::string& mot, std::size_t n) {
    const std::string s = SansSuffixeFrequent(SansSuffixeFrequent(SansAccents(Minuscules(DeplierLigatures(mot)))));
    return s.size() >= n ? s.substr(s.size() - n) : std::string();
}

std::string CleMilieu4(const std::string& mot) {
    const std::string s = SansAccents(Minuscules(DeplierLigatures(mot))).substr(0, LONGUEUR_MAX_MILIEU);
    if (s.size() < LONGUEUR_MIN_MILIEU) return {};
    return s.substr((s.size() - 3) / 2, 4);
}

std::string CleSelon(const TypeCle& ligne, const std::string& mot, DonneesApproches& donnees) {
    switch (ligne.son) {
        case SonCle::Aucun: return ligne.fonction(mot);
        case SonCle::Phonemes: return NomsPhonemes(donnees.Transcrire(RetablirLigatures(mot)));
        case SonCle::PhonemesFusionnes:
            return NomsPhonemes(FusionPhonemes(donnees.Transcrire(RetablirLigatures(mot))));
    }
    return {};
}

std::string ClePHON(const std::string& mot) { return NomsPhonemes(Transcrire(RetablirLigatures(mot))); }

std::string ClePHON2(const std::string& mot) {
    return NomsPhonemes(FusionPhonemes(Transcrire(RetablirLigatures(mot))));
}

std::string FusionPhonemes(const std::string& codes) {
    static const char E = Code("E"), S = Code("S"), O = Code("O"), WIN = Code("WIN");
    static const char EGRAVE = Code("EGRAVE"), EAIGU = Code("EAIGU"), EU = Code("EU"),
                      OEU = Code("OEU"), Z = Code("Z"), OOUVERT = Code("OOUVERT"), UIN = Code("UIN");
    std::string fusion = codes;
    for (char& c : fusion) {
        if (c == EGRAVE || c == EAIGU || c == EU || c == OEU) c = E;
        else if (c == Z) c = S;
        else if (c == OOUVERT) c = O;
        else if (c == UIN) c = WIN;
    }
    return fusion;
}

std::string NomsPhonemes(const std::string& codes) {
    std::string noms;
    for (char c : codes) {
        const std::string nom = NomPhoneme(c);
        if (nom.empty()) return {};
        noms += nom;
        noms += '-';
    }
    return noms;
}
