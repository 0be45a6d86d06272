#include "platform/DossiersXdg.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

bool EstAbsolu(const char* chemin) { return chemin != nullptr && chemin[0] == '/'; }

std::string SansBarreFinale(std::string chemin) {
    while (chemin.size() > 1 && chemin.back() == '/') chemin.pop_back();
    return chemin;
}

}  // namespace

std::string DossierMaison() {
    const char* maison = std::getenv("HOME");
    if (!EstAbsolu(maison)) {
        const passwd* compte = getpwuid(geteuid());
        maison = compte ? compte->pw_dir : nullptr;
    }
    return EstAbsolu(maison) ? SansBarreFinale(maison) : std::string();
}

std::string DossierXdg(const char* variable, const char* defautSousMaison) {
    const char* valeur = std::getenv(variable);
    if (EstAbsolu(valeur)) return SansBarreFinale(valeur);
    const std::string maison = DossierMaison();
    if (maison.empty()) return std::string();
    return (maison == "/" ? std::string() : maison) + "/" + defautSousMaison;
}
