#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/SourcesDonnees.h"
#include "text/Cp1252.h"

namespace {

std::string LireFichier(const std::string& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

std::string Chemin(const std::string& fichier) {
    return fichier.rfind('/', 0) == 0 ? fichier : std::string(DOSSIER_SOURCES) + "/" + fichier;
}

std::string SansBlancs(const std::string& s) {
    const std::size_t debut = s.find_first_not_of(" \t");
    if (debut == std::string::npos) return {};
    return s.substr(debut, s.find_last_not_of(" \t") - debut + 1);
}

// The "License:" of the Debian copyright stanza whose "Files:" field (first
// line or continuation lines) lists `fichiers`; "" when there is none.
std::string LicenceDeLaStrophe(const std::string& copyright, const std::string& fichiers) {
    std::istringstream lignes(copyright);
    std::string ligne;
    bool dansFiles = false, strophe = false;
    while (std::getline(lignes, ligne)) {
        if (ligne.empty()) {
            strophe = dansFiles = false;
            continue;
        }
        if (ligne.rfind("Files:", 0) == 0) {
            dansFiles = true;
            strophe = SansBlancs(ligne.substr(6)) == fichiers;
            continue;
        }
        if (dansFiles && (ligne[0] == ' ' || ligne[0] == '\t')) {
            if (SansBlancs(ligne) == fichiers) strophe = true;
            continue;
        }
        dansFiles = false;
        if (strophe && ligne.rfind("License:", 0) == 0) return SansBlancs(ligne.substr(8));
    }
    return {};
}

// Each credited licence is the one the package itself states for the data we take from it.
TEST(SourcesDonnees, ChaqueLicenceEstCelleDuFichierDuPaquet) {
    ASSERT_FALSE(TableSources().empty());
    for (const SourceDonnees& s : TableSources()) {
        SCOPED_TRACE(s.paquet);
        const std::string contenu = LireFichier(Chemin(s.fichierLicence));
        ASSERT_FALSE(contenu.empty()) << "missing " << Chemin(s.fichierLicence);
        ASSERT_FALSE(s.licencesDeclarees.empty());
        for (const std::string& licence : s.licencesDeclarees) {
            if (s.fichiersConcernes.empty()) {
                EXPECT_NE(contenu.find(licence), std::string::npos) << licence;
            } else {
                EXPECT_EQ(LicenceDeLaStrophe(contenu, s.fichiersConcernes), licence);
            }
            EXPECT_NE(s.licence.find(licence), std::string::npos)
                << "the credited licence \"" << s.licence << "\" does not name " << licence;
        }
    }
}

// The README's table of sources: one row per source of the code's table, same package, same licence.
TEST(SourcesDonnees, LeTableauDuReadmeReprendLaTable) {
    const std::string readme = LireFichier(Chemin("README.md"));
    const std::size_t entete = readme.find("| source | package | what it gives | licence |");
    ASSERT_NE(entete, std::string::npos);
    std::istringstream lignes(readme.substr(entete));
    std::string ligne;
    std::getline(lignes, ligne);  // header
    std::getline(lignes, ligne);  // separator
    std::set<std::string> vus;
    while (std::getline(lignes, ligne) && ligne.rfind("|", 0) == 0) {
        std::vector<std::string> colonnes;
        std::istringstream cellules(ligne.substr(1));
        std::string cellule;
        while (std::getline(cellules, cellule, '|')) colonnes.push_back(SansBlancs(cellule));
        ASSERT_EQ(colonnes.size(), 4u) << ligne;
        const std::size_t debut = colonnes[1].find('`');
        const std::size_t fin = colonnes[1].find('`', debut + 1);
        ASSERT_NE(fin, std::string::npos) << ligne;
        const std::string paquet = colonnes[1].substr(debut + 1, fin - debut - 1);
        const SourceDonnees* source = nullptr;
        for (const SourceDonnees& s : TableSources())
            if (s.paquet == paquet) source = &s;
        ASSERT_NE(source, nullptr) << "README row of a source the code does not credit: " << paquet;
        EXPECT_EQ(colonnes[1].rfind(source->origine + " ", 0), 0u) << ligne;
        EXPECT_EQ(colonnes[3], source->licence) << paquet;
        vus.insert(paquet);
    }
    EXPECT_EQ(vus.size(), TableSources().size());
}

TEST(SourcesDonnees, LaPageDesLicencesDonneChaqueSource) {
    const std::string page = PageLicences();
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    for (const SourceDonnees& s : TableSources()) {
        SCOPED_TRACE(s.paquet);
        EXPECT_NE(page.find("<td>" + s.apport + "</td>"), std::string::npos);
        EXPECT_NE(page.find("<code>" + s.paquet + "</code>"), std::string::npos);
        EXPECT_NE(page.find("<td>" + s.licence + "</td>"), std::string::npos);
    }
    EXPECT_EQ(page.find("Dicollecte (Olivier R.)"), std::string::npos);
}

// The windows name only the sources the loaded data holds, as its label says.
TEST(SourcesDonnees, LesFenetresNeNommentQueLesSourcesDesDonnees) {
    const std::string complete =
        "Littr\xE9 (XMLittr\xE9, stardict-xmlittre 1) ; mythes-fr 7, hunspell-fr-comprehensive 7, verbiste 0.1, "
        "wordnet-base 1:3.0-36, dict-freedict-fra-eng 2024.10.10-1, communes 6.0.0 ; construit le 2026-01-01";
    const std::string avecDefinitions =
        "Littr\xE9 (XMLittr\xE9, stardict-xmlittre 1) ; mythes-fr 7, hunspell-fr-comprehensive 7, verbiste 0.1, "
        "communes 6.0.0, d\xE9" "finitions de Vocalia ; construit le 2026-01-01";
    const std::string sansCommunes =
        "Littr\xE9 (XMLittr\xE9, stardict-xmlittre 1) ; mythes-fr 7, hunspell-fr-comprehensive 7, verbiste 0.1 ; "
        "construit le 2026-01-01";
    const struct {
        std::string etiquette;
        std::size_t credits;
        const char* definitions;
    } cas[] = {
        {complete, 8, "d\xE9" "finitions : Littr\xE9 et Etalab"},
        {avecDefinitions, 7, "d\xE9" "finitions : Littr\xE9, Etalab et Vocalia"},
        {sansCommunes, 5, "d\xE9" "finitions : Littr\xE9"},
        {"", 0, "d\xE9" "finitions : "},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.etiquette);
        const std::vector<std::string> credits = LignesCreditsDonnees(c.etiquette);
        EXPECT_EQ(credits.size(), c.credits);
        EXPECT_EQ(TexteSourceDefinitions(c.etiquette), c.definitions);
        EXPECT_EQ(EnteteAide(c.etiquette), "Donn\xE9" "es " + c.etiquette);
        const bool communes = c.etiquette.find("communes") != std::string::npos;
        bool etalab = false;
        for (const std::string& ligne : credits) etalab = etalab || ligne.find("Etalab") != std::string::npos;
        EXPECT_EQ(etalab, communes);
    }
    // Our definitions are credited exactly when the label says the build took them in.
    const auto creditees = [](const std::string& etiquette) {
        for (const std::string& ligne : LignesCreditsDonnees(etiquette))
            if (ligne.rfind("- d\xE9" "finitions des mots d'aujourd'hui : d\xE9" "finitions de Vocalia", 0) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(creditees(avecDefinitions));
    EXPECT_FALSE(creditees(complete));
    const std::vector<std::string> credits = LignesCreditsDonnees(complete);
    ASSERT_EQ(credits.size(), 8u);
    EXPECT_EQ(credits[1],
              "- synonymes : th\xE9saurus fran\xE7" "ais de LibreOffice, de Kevin Hendricks, Fr\xE9" "d\xE9ric Labb\xE9 et "
              "Laurent Godard (LGPL-2.1+)");
    const std::string entete = EnteteAide(complete);
    EXPECT_EQ(entete.find("Littr\xE9 ("), entete.rfind("Littr\xE9 ("));  // the dictionary is named once
}

}  // namespace
