#include "conjugation/DossierPrive.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/DossiersXdg.h"
#include "text/FichiersTexte.h"

namespace {

bool EstAbsolu(const char* chemin) { return chemin != nullptr && chemin[0] == '/'; }

std::string SansBarreFinale(std::string chemin) {
    while (chemin.size() > 1 && chemin.back() == '/') chemin.pop_back();
    return chemin;
}

// Creates each missing folder of the path, private to us.
bool CreerDossiers(const std::string& chemin) {
    for (std::size_t barre = chemin.find('/', 1);; barre = chemin.find('/', barre + 1)) {
        const std::string partie = chemin.substr(0, barre);
        if (mkdir(partie.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (barre == std::string::npos) return true;
    }
}

}  // namespace

bool EstDossierSur(const std::string& chemin) {
    struct stat etat {};
    if (lstat(chemin.c_str(), &etat) != 0) return false;
    return S_ISDIR(etat.st_mode) && etat.st_uid == geteuid() && (etat.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string DossierPrive() {
    const char* execution = std::getenv("XDG_RUNTIME_DIR");
    const std::string base =
        EstAbsolu(execution) && EstDossierSur(SansBarreFinale(execution)) ? SansBarreFinale(execution) : DossierXdg("XDG_CACHE_HOME", ".cache");
    if (!base.empty()) {
        const std::string dossier = (base == "/" ? "" : base) + "/" + NOM_DOSSIER_PRIVE;
        if (CreerDossiers(dossier)) return EstDossierSur(dossier) ? dossier + "/" : std::string();
    }
    // A user with no home folder to write in (a system account): a folder of
    // its own in the shared temporary folder, named after its user number.
    // Another user may have taken the name first; it is then refused.
    const std::string temporaire = DossierTemporaire();
    if (temporaire.empty()) return std::string();
    const std::string dossier = temporaire + NOM_DOSSIER_PRIVE + "-" + std::to_string(geteuid());
    if (mkdir(dossier.c_str(), 0700) != 0 && errno != EEXIST) return std::string();
    return EstDossierSur(dossier) ? dossier + "/" : std::string();
}
