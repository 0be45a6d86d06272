// Figures of the approximate search on the program's own data: the first
// search (which loads the seven key indexes), then, per query, a first
// search (phonetic distances computed) and warm searches (distances cached),
// and the memory the loaded indexes take.
#include <time.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "approx/DistancesMots.h"
#include "approx/LexiqueApproches.h"
#include "approx/MoteurApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TypesCles.h"
#include "text/Cp1252.h"

namespace {
using Horloge = std::chrono::steady_clock;

double Ms(Horloge::time_point debut) {
    return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
}

// The machine may be shared: CPU time says more than wall time there.
double MsCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long KioResidents() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, residentes = 0;
    statm >> pages >> residentes;
    return residentes * 4;
}

constexpr int REPETITIONS_CHAUDES = 20;
}  // namespace

int main() {
    static LexiqueMinimal lexique;
    const MoteurApproches moteur(&lexique);
    const std::vector<std::string> requetes = {
        "filosofie", "ortografe", "fotografie", "sitoyen", "anbulance", "maisson",
        "chato",     "rinosserose", "bibliotek", "anbassadeur", "xylofone", "a",
        // A long misspelt commune name: long candidates that share most letters.
        "Saint-Remy-en-Bouzemont-Saint-Genest-et-Issoxx"};

    const long kioAvant = KioResidents();
    auto debut = Horloge::now();
    double cpu = MsCpu();
    ChargerRegles();
    for (int type = 0; type < NOMBRE_TYPES_CLES; ++type)
        if (TableTypesCles[type].actif) AssurerIndex(type);
    std::printf("Chargement des r\xC3\xA8gles et des 7 index : %.1f ms (%.1f ms CPU)\n", Ms(debut),
                MsCpu() - cpu);
    std::size_t octets = 0, cles = 0;
    for (int type = 0; type < NOMBRE_TYPES_CLES; ++type) {
        if (!TableTypesCles[type].actif) continue;
        if (!IndexCharge(type)) std::printf("  %s : NON CHARG\xC3\x89\n", TableTypesCles[type].ressource);
        octets += IndexApproches(type).OctetsOccupes();
        cles += IndexApproches(type).NombreCles();
        std::printf("  %-10s %8zu cl\xC3\xA9s %9.1f Kio\n", TableTypesCles[type].ressource,
                    IndexApproches(type).NombreCles(), IndexApproches(type).OctetsOccupes() / 1024.0);
    }
    std::printf("M\xC3\xA9moire des index : %.1f Mio compt\xC3\xA9s (%zu cl\xC3\xA9s), +%.1f Mio r\xC3\xA9sidents\n",
                octets / 1048576.0, cles, (KioResidents() - kioAvant) / 1024.0);

    std::printf("%-14s %8s %12s %12s %12s\n", "requ\xC3\xAAte", "r\xC3\xA9sultats", "1re (ms)",
                "chaude (ms)", "chaude CPU");
    for (const std::string& utf8 : requetes) {
        const std::string mot = Utf8VersCp1252(utf8);
        debut = Horloge::now();
        const std::size_t n = moteur.RechercherApproches(mot).size();
        const double premiere = Ms(debut);
        debut = Horloge::now();
        cpu = MsCpu();
        for (int i = 0; i < REPETITIONS_CHAUDES; ++i) moteur.RechercherApproches(mot);
        std::printf("%-14s %8zu %12.2f %12.3f %12.3f\n", utf8.c_str(), n, premiere,
                    Ms(debut) / REPETITIONS_CHAUDES, (MsCpu() - cpu) / REPETITIONS_CHAUDES);
    }
    std::printf("Paires en cache phon\xC3\xA9tique apr\xC3\xA8s ces %zu requ\xC3\xAAtes : %zu (plafond %zu)\n",
                requetes.size(), CachePhonetique().size(), PAIRES_MAX_CACHE_PHONETIQUE);

    // The subsequence search alone, on runs of shared letters whose last bytes
    // never match: the case where a plain walk of every chain doubles its
    // time with each letter.
    std::printf("%-14s %12s %12s\n", "sous-suite", "commune", "CPU (ms)");
    for (int n = 20; n <= 90; n += 10) {
        const std::string a = std::string(std::size_t(n), 'a') + "z";
        const std::string b = std::string(std::size_t(n - 1), 'a') + "y";
        cpu = MsCpu();
        const int commune = SousSuiteCommune(a, b);
        std::printf("%5zu / %-6zu %12d %12.3f\n", a.size(), b.size(), commune, MsCpu() - cpu);
    }
    return 0;
}
