// Figures of the approximate search on the program's own data: the first
// search (which loads the seven key indexes), then, per query, a first
// search (phonetic distances computed) and warm searches (distances cached),
// and the memory the loaded indexes take; then, on the lists of misspelt
// common words, how often the intended word comes first and among the first
// ten, beside the spell checker's figures, and the times of those searches.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "approx/FrequencesMots.h"
#include "approx/bench/BancFautes.h"
#include "approx/DistancesMots.h"
#include "approx/LexiqueApproches.h"
#include "approx/DonneesApproches.h"
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

struct Compte {
    int mots = 0;
    int premiersV = 0, dixV = 0, premiersH = 0, dixH = 0;

    void Ajouter(int placeV, int placeH) {
        ++mots;
        premiersV += placeV == 0;
        dixV += placeV >= 0 && placeV < 10;
        premiersH += placeH == 0;
        dixH += placeH >= 0 && placeH < 10;
    }
};

double Pourcent(int n, int sur) { return sur == 0 ? 0.0 : 100.0 * n / sur; }

void ImprimerCompte(const char* nom, const Compte& c, bool avecHunspell) {
    std::printf("%-14s %5d %9.1f %% %9.1f %%", nom, c.mots, Pourcent(c.premiersV, c.mots), Pourcent(c.dixV, c.mots));
    if (avecHunspell)
        std::printf(" %9.1f %% %9.1f %%", Pourcent(c.premiersH, c.mots), Pourcent(c.dixH, c.mots));
    std::printf("\n");
}

struct Temps {
    double pireMs = 0, pireCpu = 0, chaudTotal = 0, chaudPire = 0;
    std::string pireMot;
    int requetes = 0;
};

// One list: per word, a first search and three warm ones, and where the
// intended word comes in both lists of proposals.
void ComparerListe(const MoteurApproches& moteur, const char* nom, std::map<std::string, Compte>& comptes,
                   Temps& temps) {
    std::vector<Faute> fautes;
    if (!LireFautes(std::string(VOCALIA_FAUTES) + "/fautes_" + nom + ".txt", fautes)) {
        std::printf("  liste %s illisible\n", nom);
        return;
    }
    const std::vector<std::vector<std::string>> hunspell = SuggestionsHunspell(fautes);
    for (std::size_t i = 0; i < fautes.size(); ++i) {
        const Faute& faute = fautes[i];
        auto debut = Horloge::now();
        double cpu = MsCpu();
        const std::vector<std::string> resultat = moteur.RechercherApproches(faute.tape);
        const double ms = Ms(debut), msCpu = MsCpu() - cpu;
        if (ms > temps.pireMs) {
            temps.pireMs = ms;
            temps.pireMot = Cp1252VersUtf8(faute.tape);
        }
        temps.pireCpu = std::max(temps.pireCpu, msCpu);
        for (int r = 0; r < 3; ++r) {
            cpu = MsCpu();
            moteur.RechercherApproches(faute.tape);
            const double chaud = MsCpu() - cpu;
            temps.chaudTotal += chaud;
            temps.chaudPire = std::max(temps.chaudPire, chaud);
            ++temps.requetes;
        }
        const int placeV = PlaceVoulue(faute, resultat);
        const int placeH = hunspell.empty() ? -1 : PlaceVoulue(faute, hunspell[i]);
        comptes[nom].Ajouter(placeV, placeH);
        comptes["ensemble"].Ajouter(placeV, placeH);
        comptes[faute.genre].Ajouter(placeV, placeH);
    }
    if (hunspell.empty()) std::printf("  (hunspell -a -d fr n'a pas pu servir : sans ses chiffres)\n");
}

void ComparerAvecHunspell(const MoteurApproches& moteur) {
    std::printf("\nFautes courantes : le mot voulu en premier et parmi les dix premiers\n");
    std::map<std::string, Compte> comptes;
    Temps temps;
    ComparerListe(moteur, "reglage", comptes, temps);
    ComparerListe(moteur, "reserve", comptes, temps);
    const bool avecHunspell = comptes["ensemble"].premiersH + comptes["ensemble"].dixH > 0;
    std::printf("%-14s %5s %11s %11s %11s %11s\n", "liste", "mots", "Vocalia 1er", "Vocalia 10",
                "hunspell 1er", "hunspell 10");
    for (const char* nom : {"reglage", "reserve", "ensemble"}) ImprimerCompte(nom, comptes[nom], avecHunspell);
    std::printf("par genre de faute (les deux listes)\n");
    for (const auto& [genre, compte] : comptes)
        if (genre != "reglage" && genre != "reserve" && genre != "ensemble")
            ImprimerCompte(genre.c_str(), compte, avecHunspell);
    std::printf("Pire premi\xC3\xA8re recherche : %.2f ms (%s), %.2f ms CPU au pire ; "
                "recherche chaude : %.3f ms CPU en moyenne, %.3f ms au pire\n",
                temps.pireMs, temps.pireMot.c_str(), temps.pireCpu,
                temps.requetes ? temps.chaudTotal / temps.requetes : 0.0, temps.chaudPire);
}
}  // namespace

int main() {
    static LexiqueMinimal lexique;
    // The bench's own search data, as a program's main builds them.
    static DonneesApproches donnees;
    const MoteurApproches moteur(&lexique, donnees);
    const std::vector<std::string> requetes = {
        "filosofie", "ortografe", "fotografie", "sitoyen", "anbulance", "maisson",
        "chato",     "rinosserose", "bibliotek", "anbassadeur", "xylofone", "a",
        // A long misspelt commune name: long candidates that share most letters.
        "Saint-Remy-en-Bouzemont-Saint-Genest-et-Issoxx"};

    const long kioAvant = KioResidents();
    auto debut = Horloge::now();
    double cpu = MsCpu();
    donnees.ChargerRegles();
    for (int type = 0; type < NOMBRE_TYPES_CLES; ++type)
        if (TableTypesCles[type].actif) donnees.AssurerIndex(type);
    donnees.AssurerFrequences();
    std::printf("Chargement des r\xC3\xA8gles, des 7 index et des fr\xC3\xA9quences : %.1f ms (%.1f ms CPU)\n",
                Ms(debut), MsCpu() - cpu);
    std::printf("  %-10s %8zu mots de fr\xC3\xA9quence non nulle%s\n", RESSOURCE_FREQUENCES,
                donnees.Frequences().NombreMots(), donnees.FrequencesChargees() ? "" : " (NON CHARG\xC3\x89\x45S)");
    std::size_t octets = 0, cles = 0;
    for (int type = 0; type < NOMBRE_TYPES_CLES; ++type) {
        if (!TableTypesCles[type].actif) continue;
        if (!donnees.IndexCharge(type)) std::printf("  %s : NON CHARG\xC3\x89\n", TableTypesCles[type].ressource);
        octets += donnees.Index(type).OctetsOccupes();
        cles += donnees.Index(type).NombreCles();
        std::printf("  %-10s %8zu cl\xC3\xA9s %9.1f Kio\n", TableTypesCles[type].ressource,
                    donnees.Index(type).NombreCles(), donnees.Index(type).OctetsOccupes() / 1024.0);
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
                requetes.size(), donnees.CachePhonetique().size(), PAIRES_MAX_CACHE_PHONETIQUE);

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
    ComparerAvecHunspell(moteur);
    return 0;
}
