#include "approx/DistancesMots.h"

#include <algorithm>
#include <cstdlib>

#include "approx/ReglesPhonetiques.h"
#include "text/Caracteres.h"

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
    int d = 3 * std::abs(Longueur(a) - Longueur(b));
    const std::size_t commune = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < commune; ++i) d += CoutPosition(a[i], b[i]);
    return d;
}

int SousSuiteCommune(const std::string& texteA, const std::string& texteB) {
    // 1-based positions, as the search is written; I[k] and J[k] never go
    // beyond length + 1 <= 99, and k never beyond min(la, lb) + 1.
    const int la = std::min(Longueur(texteA), static_cast<int>(LONGUEUR_MAX_SOUS_SUITE));
    const int lb = std::min(Longueur(texteB), static_cast<int>(LONGUEUR_MAX_SOUS_SUITE));
    auto A = [&texteA](int i) { return texteA[i - 1]; };
    auto B = [&texteB](int j) { return texteB[j - 1]; };
    int I[TAILLE_POSITIONS];
    int J[TAILLE_POSITIONS];
    int S = 0;
    J[0] = 0;
    for (int s = 0; s < la; ++s) {
        int k = 1;
        I[1] = s + 1;
        J[1] = 1;
        for (;;) {
            if (I[k] > la || J[k] > lb) break;
            int trouve = 0;
            for (int j = J[k - 1] + 1; j <= lb; ++j) {
                if (B(j) == A(I[k])) {
                    trouve = j;
                    break;
                }
            }
            if (trouve != 0) {
                J[k] = trouve;
                S = std::max(S, k);
                ++k;
                I[k] = I[k - 1] + 1;
                J[k] = trouve + 1;
                continue;
            }
            ++I[k];
            if (I[k] <= la) continue;
            --k;
            if (k == 0) return S;
            ++I[k];
        }
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
    if (a == b) return 0;
    if (a.size() == b.size()) {
        int somme = 0;
        for (std::size_t i = 0; i < a.size(); ++i) somme += CoutSubstitution(a[i], b[i]);
        return somme;
    }
    return 4 * (std::max(Longueur(a), Longueur(b)) - SousSuiteCommune(a, b));
}

std::map<std::string, int>& CachePhonetique() {
    static std::map<std::string, int> cache;
    return cache;
}

std::string ClePaire(const std::string& x, const std::string& y) {
    return OctetsInferieurs(y, x) ? y + "/" + x : x + "/" + y;
}

int DistancePhonetique(const std::string& q, const std::string& c) {
    const std::string cle = ClePaire(q, c);
    auto& cache = CachePhonetique();
    const auto trouvee = cache.find(cle);
    if (trouvee != cache.end()) return trouvee->second;
    const std::string tq = Tronquer(Transcrire(q), CODES_MAX_TRANSCRIPTION);
    const std::string tc = Tronquer(Transcrire(c), CODES_MAX_TRANSCRIPTION);
    const int valeur = 3 * DistanceSousSuite(tq, tc);
    cache.emplace(cle, valeur);
    return valeur;
}

int DistanceMots(bool lexiquePresent, const std::string& q, const std::string& c) {
    if (!lexiquePresent) return 0;
    int d1 = DistancePhonetique(q, c) + DistanceSousSuitePonderee(q, c) / 2;
    d1 = std::min(d1, DISTANCE_PLAFOND);
    const int d2 = DistancePositionnelle(q, c);
    return std::min(d1, d2);
}
