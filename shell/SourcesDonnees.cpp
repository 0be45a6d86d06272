#include "shell/SourcesDonnees.h"

#include <filesystem>
#include <system_error>

#include "text/Cp1252.h"

const char* const TEXTE_LICENCE_DONNEES = "donn\xE9" "es sous licences libres";
#if VOCALIA_AVEC_COMMUNES
const bool DONNEES_AVEC_COMMUNES = true;
const char* const TEXTE_SOURCE_DEFINITIONS = "d\xE9" "finitions : Littr\xE9 et Etalab";
const char* const PREFIXE_ENTETE_AIDE = "Donn\xE9" "es Littr\xE9, Dicollecte, verbiste, Etalab ";
#else
const bool DONNEES_AVEC_COMMUNES = false;
const char* const TEXTE_SOURCE_DEFINITIONS = "d\xE9" "finitions : Littr\xE9";
const char* const PREFIXE_ENTETE_AIDE = "Donn\xE9" "es Littr\xE9, Dicollecte, verbiste ";
#endif

std::string AdresseArticleEnLigne(const std::string& mot) {
    if (mot.empty()) return ADRESSE_WIKTIONNAIRE;
    return std::string(ADRESSE_WIKTIONNAIRE) + CHEMIN_ARTICLE_WIKTIONNAIRE + mot;
}

std::string AdressePageLicences() {
    std::error_code erreur;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", erreur);
    const std::filesystem::path page =
        erreur ? std::filesystem::path(NOM_PAGE_LICENCES) : executable.parent_path() / NOM_PAGE_LICENCES;
    // File names are UTF-8 on the desktop; the program's text is Windows-1252.
    return "file://" + Utf8VersCp1252(page.string());
}
