#include "shell/SourcesDonnees.h"

#include <filesystem>
#include <system_error>

#include "text/Cp1252.h"

const char* const TEXTE_LICENCE_DONNEES = "donn\xE9" "es sous licences libres";

namespace {
const char* const PREFIXE_SOURCE_DEFINITIONS = "d\xE9" "finitions : ";
const char* const PREFIXE_ENTETE_AIDE = "Donn\xE9" "es ";

// This source file is UTF-8 like the page and the README; a new source (the
// antonyms' ones, say) is one more entry here and one more README row.
std::vector<SourceDonnees> FaireTable() {
    return {
        {"Littré", true, "articles",
         "Dictionnaire de la langue française d'Émile Littré (texte dans le domaine public), "
         "édition XMLittré de François Gannaz",
         "stardict-xmlittre", "Debian", "GPL-2+", "XMLittré",
         "/usr/share/doc/stardict-xmlittre/copyright", "*", {"GPL-2+"}},
        {"mythes-fr", false, "synonymes",
         "thésaurus français de LibreOffice, de Kevin Hendricks, Frédéric Labbé et Laurent Godard",
         "mythes-fr", "Debian", "LGPL-2.1+", "mythes-fr",
         "/usr/share/doc/mythes-fr/copyright", "dictionaries/fr_FR/thes_fr.dat", {"LGPL-2.1+"}},
        {"Dicollecte", false, "flexions",
         "dictionnaire orthographique français de Dicollecte (Grammalecte)",
         "hunspell-fr-comprehensive", "Debian", "MPL-2.0", "hunspell-fr-comprehensive",
         "/usr/share/doc/hunspell-fr-comprehensive/copyright", "*", {"MPL-2.0"}},
        {"verbiste", false, "conjugaisons", "verbiste de Pierre Sarrazin",
         "verbiste", "Debian", "GPL-2+", "verbiste",
         "/usr/share/doc/verbiste/copyright", "*", {"GPL-2+"}},
        {"Etalab", true, "communes",
         "découpage administratif publié par Etalab (@etalab/decoupage-administratif)",
         "@etalab/decoupage-administratif", "npm", "Licence Ouverte (données), MIT (code)", "communes ",
         "tools/node_modules/@etalab/decoupage-administratif/README.md", "",
         {"Licence Ouverte", "MIT"}},
        {"Vocalia", false, "antonymes",
         "table des antonymes courants de Vocalia", "tools/donnees/antonymes_courants.txt", "Vocalia",
         "GNU General Public License, version 3 ou ultérieure (GPL-3+)", "XMLittré", "LICENSE", "",
         {"GNU General Public License"}},
        {"Vocalia", true, "définitions des mots d'aujourd'hui",
         "définitions de Vocalia, écrites et relues pour Vocalia, là où le Littré n'en a pas ou n'a que le sens "
         "de 1877", "tools/donnees/definitions/", "Vocalia",
         "GNU General Public License, version 3 ou ultérieure (GPL-3+)", "définitions de Vocalia", "LICENSE", "",
         {"GNU General Public License"}},
        {"WordNet", false, "antonymes (relations anglaises)",
         "WordNet 3.0 de l'université de Princeton, antonymes anglais ramenés au français par FreeDict",
         "wordnet-base", "Debian", "WordNet3.0 (usage, copie et redistribution libres avec la notice de Princeton)",
         "wordnet-base", "/usr/share/doc/wordnet-base/copyright", "*", {"WordNet3.0"}},
        {"FreeDict", false, "antonymes (traductions)",
         "dictionnaires français-anglais et anglais-français de FreeDict",
         "dict-freedict-fra-eng", "Debian", "GPL-2+", "dict-freedict-fra-eng",
         "/usr/share/doc/dict-freedict-fra-eng/copyright", "fra-eng/*", {"GPL-2+"}},
    };
}

std::string EnCp1252(const std::string& utf8) { return Utf8VersCp1252(utf8); }

std::string EchapperHtml(const std::string& texte) {
    std::string sortie;
    for (char c : texte) {
        switch (c) {
            case '&': sortie += "&amp;"; break;
            case '<': sortie += "&lt;"; break;
            case '>': sortie += "&gt;"; break;
            default: sortie += c;
        }
    }
    return sortie;
}
}  // namespace

const std::vector<SourceDonnees>& TableSources() {
    static const std::vector<SourceDonnees> table = FaireTable();
    return table;
}

// The label is Windows-1252; the marks are compared in that encoding.
std::vector<SourceDonnees> SourcesPresentes(const std::string& etiquette) {
    std::vector<SourceDonnees> presentes;
    for (const SourceDonnees& source : TableSources())
        if (etiquette.find(EnCp1252(source.marqueEtiquette)) != std::string::npos) presentes.push_back(source);
    return presentes;
}

std::vector<std::string> LignesCreditsDonnees(const std::string& etiquette) {
    std::vector<std::string> lignes;
    for (const SourceDonnees& s : SourcesPresentes(etiquette))
        lignes.push_back(EnCp1252("- " + s.apport + " : " + s.oeuvre + " (" + s.licence + ")"));
    return lignes;
}

std::string TexteSourceDefinitions(const std::string& etiquette) {
    std::vector<std::string> noms;
    for (const SourceDonnees& s : SourcesPresentes(etiquette))
        if (s.donneDefinitions) noms.push_back(EnCp1252(s.nomCourt));
    // "Littré, Etalab et Vocalia"
    std::string texte;
    for (std::size_t i = 0; i < noms.size(); ++i)
        texte += (i == 0 ? "" : i + 1 == noms.size() ? " et " : ", ") + noms[i];
    return PREFIXE_SOURCE_DEFINITIONS + texte;
}

// The label already names each source with its version, and only those the build took in.
std::string EnteteAide(const std::string& etiquette) { return PREFIXE_ENTETE_AIDE + etiquette; }

std::string PageLicences() {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Vocalia — conditions de redistribution des données</title>\n"
        "<style>body{font-family:sans-serif;max-width:46em;margin:2em auto;line-height:1.45}"
        "td,th{padding:.3em .6em;text-align:left;vertical-align:top}</style>\n</head>\n<body>\n"
        "<h1>Vocalia — conditions de redistribution des données</h1>\n"
        "<p>Vocalia est un logiciel libre distribué sous la licence publique générale GNU, version 3 ou ultérieure.\n"
        "Les données qu'il embarque proviennent des sources suivantes ; chacune reste soumise à sa propre licence,\n"
        "que toute redistribution des données doit respecter.</p>\n"
        "<table>\n<tr><th>données</th><th>source</th><th>paquet</th><th>licence</th></tr>\n";
    for (const SourceDonnees& s : TableSources())
        page += "<tr><td>" + EchapperHtml(s.apport) + "</td><td>" + EchapperHtml(s.oeuvre) + "</td><td>" +
                EchapperHtml(s.origine) + " <code>" + EchapperHtml(s.paquet) + "</code></td><td>" +
                EchapperHtml(s.licence) + "</td></tr>\n";
    page +=
        "</table>\n"
        // WordNet's licence asks for its notice on every copy of the data drawn from it.
        "<p>WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved. This software and database is "
        "being provided to you, the LICENSEE, by Princeton University under the following license. By obtaining, "
        "using and/or copying this software and database, you agree that you have read, understood, and will comply "
        "with these terms and conditions.: Permission to use, copy, modify and distribute this software and database "
        "and its documentation for any purpose and without fee or royalty is hereby granted, provided that you agree "
        "to comply with the following copyright notice and statements, including the disclaimer, and that the same "
        "appear on ALL copies of the software, database and documentation, including modifications that you make for "
        "internal use or for distribution. THIS SOFTWARE AND DATABASE IS PROVIDED \"AS IS\" AND PRINCETON "
        "UNIVERSITY MAKES NO REPRESENTATIONS OR WARRANTIES, EXPRESS OR IMPLIED. BY WAY OF EXAMPLE, BUT NOT "
        "LIMITATION, PRINCETON UNIVERSITY MAKES NO REPRESENTATIONS OR WARRANTIES OF MERCHANT-ABILITY OR FITNESS FOR "
        "ANY PARTICULAR PURPOSE OR THAT THE USE OF THE LICENSED SOFTWARE, DATABASE OR DOCUMENTATION WILL NOT INFRINGE "
        "ANY THIRD PARTY PATENTS, COPYRIGHTS, TRADEMARKS OR OTHER RIGHTS. The name of Princeton University or "
        "Princeton may not be used in advertising or publicity pertaining to distribution of the software and/or "
        "database. Title to copyright in this software, database and any associated documentation shall at all "
        "times remain with Princeton University and LICENSEE agrees to preserve same.</p>\n"
        "<p>Le lien « Intégralité et Auteurs » de la fenêtre principale ouvre l'article du mot choisi sur le Wiktionnaire\n"
        "en français, qui n'est pas une source de ces données.</p>\n</body>\n</html>\n";
    return page;
}

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
