#include "shell/SourcesDonnees.h"

#include <filesystem>
#include <system_error>

#include "text/Cp1252.h"

const char* const TEXTE_LICENCE_DONNEES = "donn\xE9" "es sous licences libres";
const char* const TEXTE_SOURCE_DEFINITIONS = "d\xE9" "finitions : Littr\xE9 et Etalab";
const char* const PREFIXE_ENTETE_AIDE = "Donn\xE9" "es Littr\xE9, Dicollecte, verbiste, Etalab ";

std::string AdresseArticleEnLigne(const std::string& mot) {
    if (mot.empty()) return ADRESSE_WIKTIONNAIRE;
    return std::string(ADRESSE_WIKTIONNAIRE) + CHEMIN_ARTICLE_WIKTIONNAIRE + mot;
}

// Where `cmake --install` puts the page; none for a program that was never configured for it.
#ifndef VOCALIA_DOSSIER_PARTAGE
#define VOCALIA_DOSSIER_PARTAGE ""
#endif

std::string CheminPageLicences(const std::string& dossierExecutable, const std::string& dossierInstalle) {
    const std::filesystem::path aCote = std::filesystem::path(dossierExecutable) / NOM_PAGE_LICENCES;
    std::error_code erreur;
    if (dossierInstalle.empty() || std::filesystem::exists(aCote, erreur)) return aCote.string();
    const std::filesystem::path installee = std::filesystem::path(dossierInstalle) / NOM_PAGE_LICENCES;
    return std::filesystem::exists(installee, erreur) ? installee.string() : aCote.string();
}

std::string AdressePageLicences() {
    std::error_code erreur;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", erreur);
    const std::string page = CheminPageLicences(erreur ? std::string() : executable.parent_path().string(),
                                                VOCALIA_DOSSIER_PARTAGE);
    // File names are UTF-8 on the desktop; the program's text is Windows-1252.
    return "file://" + Utf8VersCp1252(page);
}
