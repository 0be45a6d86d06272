#include "lexique/DossierDonneesUtilisateur.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::string SansBarreFinale(std::string chemin) {
    while (chemin.size() > 1 && chemin.back() == '/') chemin.pop_back();
    return chemin;
}

std::string DossierPersonnel() {
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return home;
    const passwd* compte = getpwuid(getuid());
    return compte && compte->pw_dir ? compte->pw_dir : "";
}

// A relative $XDG_DATA_HOME is invalid and must be ignored.
std::string DossierDonneesXdg() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return SansBarreFinale(xdg);
    const std::string personnel = DossierPersonnel();
    return personnel.empty() ? std::string() : SansBarreFinale(personnel) + "/.local/share";
}

}  // namespace

std::string DossierDonneesUtilisateur() {
    const std::string base = DossierDonneesXdg();
    if (base.empty()) return std::string();
    const std::string quillon = (base == "/" ? std::string() : base) + "/Quillon";
    const std::string dossier = quillon + "/Zeph/";
    if (mkdir(quillon.c_str(), 0777) == 0) mkdir(dossier.c_str(), 0777);
    return dossier;
}
