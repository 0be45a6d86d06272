#include "lexique/DossierDonneesUtilisateur.h"

#include <sys/stat.h>

#include "platform/DossiersXdg.h"

std::string DossierDonneesUtilisateur() {
    const std::string base = DossierXdg("XDG_DATA_HOME", ".local/share");
    if (base.empty()) return std::string();
    const std::string quillon = (base == "/" ? std::string() : base) + "/Quillon";
    const std::string dossier = quillon + "/Zeph/";
    if (mkdir(quillon.c_str(), 0777) == 0) mkdir(dossier.c_str(), 0777);
    return dossier;
}
