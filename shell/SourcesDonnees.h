#pragma once
// Where the data comes from and where to read about it: the table of the
// data's sources, from which the credits window, the licence page and the
// main window's source line are made, and the two addresses the main
// window's links open.
#include <string>
#include <vector>

// The online dictionary whose article pages the selected word's link opens.
inline constexpr const char* ADRESSE_WIKTIONNAIRE = "https://fr.wiktionary.org/";
inline constexpr const char* CHEMIN_ARTICLE_WIKTIONNAIRE = "wiki/";
// The page that states the data's licences, built beside the executable.
inline constexpr const char* NOM_PAGE_LICENCES = "vocalia-licences.html";

// The selected word's page; the home page for an empty word. The word goes in unencoded.
std::string AdresseArticleEnLigne(const std::string& mot);
// file:// address of the licence page: next to the running executable (a
// build folder), else in the installed data folder, else next to the
// executable anyway.
std::string AdressePageLicences();
// The page's path for that choice, from the two folders.
std::string CheminPageLicences(const std::string& dossierExecutable, const std::string& dossierInstalle);

// One source of the embedded data. The texts are UTF-8, as the licence page
// and the README that repeat them; the windows get them in Windows-1252.
struct SourceDonnees {
    std::string nomCourt;         // in the main window's source line: "Littré"
    bool donneDefinitions = false;  // its articles are shown as definitions
    std::string apport;           // what it gives: "synonymes"
    std::string oeuvre;           // the work and its authors
    std::string paquet;           // the package it is installed from
    std::string origine;          // where that package comes from: "Debian", "npm"
    std::string licence;          // as the package states it
    // Text that the data label holds exactly when the build took this source in.
    std::string marqueEtiquette;
    // Where the package states its licence (absolute, or relative to the source
    // tree), the "Files:" field of the stanza that covers the data in a Debian
    // copyright file ("" for a plain file), and the licences stated there.
    std::string fichierLicence;
    std::string fichiersConcernes;
    std::vector<std::string> licencesDeclarees;
};

// Every source the data can be built from, in the order they are credited.
const std::vector<SourceDonnees>& TableSources();
// The sources whose mark the data label holds.
std::vector<SourceDonnees> SourcesPresentes(const std::string& etiquette);

// Windows-1252 texts of the windows, for the data the label describes.
std::vector<std::string> LignesCreditsDonnees(const std::string& etiquette);  // credits window
std::string TexteSourceDefinitions(const std::string& etiquette);            // main window, under the pane
std::string EnteteAide(const std::string& etiquette);                         // help window, top line

// The licence page, UTF-8 HTML, listing every source of the table.
std::string PageLicences();

extern const char* const TEXTE_LICENCE_DONNEES;  // main window, under the list
