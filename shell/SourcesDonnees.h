#pragma once
// Where the data comes from and where to read about it: the texts that name
// the sources and the two addresses the main window's links open.
#include <string>

// The online dictionary whose article pages the selected word's link opens.
inline constexpr const char* ADRESSE_WIKTIONNAIRE = "https://fr.wiktionary.org/";
inline constexpr const char* CHEMIN_ARTICLE_WIKTIONNAIRE = "wiki/";
// The page that states the data's licences, built beside the executable.
inline constexpr const char* NOM_PAGE_LICENCES = "vocalia-licences.html";

// The selected word's page; the home page for an empty word. The word goes in unencoded.
std::string AdresseArticleEnLigne(const std::string& mot);
// file:// address of the licence page next to the running executable.
std::string AdressePageLicences();

// Whether the dictionary was built with the commune register. Without it no
// text of the program may name the register.
extern const bool DONNEES_AVEC_COMMUNES;

extern const char* const TEXTE_LICENCE_DONNEES;      // main window, under the list
extern const char* const TEXTE_SOURCE_DEFINITIONS;   // main window, under the pane
extern const char* const PREFIXE_ENTETE_AIDE;         // help window, before the data label
