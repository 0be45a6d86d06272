#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "text/Trace.h"
#include "text/tests/Cp1252Essai.h"
#include "text/tests/DossierEssai.h"

namespace {

TEST(Trace, FormatPrintfSansRienAjouter) {
    testing::internal::CaptureStdout();
    const int ecrits = Trace("PROBLEME DE DECOMPRESSION E1 (taille %d)\n", 42);
    const int ecrits2 = Trace("SENS: [%s]", "mot");
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(sortie, "PROBLEME DE DECOMPRESSION E1 (taille 42)\nSENS: [mot]");
    EXPECT_EQ(ecrits, 41);
    EXPECT_EQ(ecrits2, 11);
}

TEST(Trace, LesLignesSortentEnUtf8VersLePuitsChoisi) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Trace("Mot post\xE9rieur (%s)\n", "\x9C" "uvre");
    ChoisirPuitsTrace(PuitsTrace::SortieErreur);
    Trace("vers l'erreur\n");
    ChoisirPuitsTrace(PuitsTrace::Aucun);
    EXPECT_EQ(Trace("perdue %d\n", 1), 9);
    ChoisirPuitsTrace(PuitsTrace::SortieStandard);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "vers l'erreur\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Mot post\xC3\xA9rieur (\xC5\x93uvre)\n");
}

TEST(Trace, LesLignesDeFilsDifferentsNeSeMelangentPas) {
    constexpr int NombreFils = 6;
    constexpr int LignesParFil = 300;
    testing::internal::CaptureStdout();
    std::vector<std::thread> fils;
    for (int f = 0; f < NombreFils; ++f) {
        fils.emplace_back([f] {
            // Several conversions per line, so an unguarded writer would be cut between them.
            for (int i = 0; i < LignesParFil; ++i)
                Trace("fil %d %s ligne %d %s fin %d\n", f, std::string(40 + f, char('a' + f)).c_str(), i,
                      std::string(30, char('A' + f)).c_str(), f);
        });
    }
    for (auto& t : fils) t.join();
    const std::string sortie = testing::internal::GetCapturedStdout();

    std::istringstream flux(sortie);
    std::string ligne;
    std::vector<std::set<int>> vues(NombreFils);
    int nombre = 0;
    while (std::getline(flux, ligne)) {
        ++nombre;
        int f = -1, i = -1, g = -1;
        char lettres[100] = {}, majuscules[100] = {};
        ASSERT_EQ(std::sscanf(ligne.c_str(), "fil %d %99s ligne %d %99s fin %d", &f, lettres, &i, majuscules, &g), 5)
            << ligne;
        ASSERT_TRUE(f >= 0 && f < NombreFils) << ligne;
        EXPECT_EQ(g, f) << ligne;
        EXPECT_EQ(std::string(lettres), std::string(40 + f, char('a' + f))) << ligne;
        EXPECT_EQ(std::string(majuscules), std::string(30, char('A' + f))) << ligne;
        vues[f].insert(i);
    }
    EXPECT_EQ(nombre, NombreFils * LignesParFil);
    for (const auto& v : vues) EXPECT_EQ(v.size(), std::size_t(LignesParFil));
}

TEST(OptionsTrace, ReglesDuFichier) {
    DossierEssai dossier;
    const std::string fichier = dossier.Ecrire(
        "options.cfg",
        "# commentaire=1\n"
        " #pas_commentaire = oui\n"
        "a=1\r\n"
        "a=2\n"
        "sans_egal\n"
        "vide=\n"
        "=sans_nom\n"
        "  espace  =  valeur  \n"
        "double=x=y\n" +
            W("clé=été"));
    ChargeOptionsTraceDepuis(fichier);
    const std::map<std::string, std::string> attendu = {
        {"#pas_commentaire", "oui"}, {"a", "2"}, {"espace", "valeur"}, {"double", "x=y"}, {W("clé"), W("été")},
    };
    EXPECT_EQ(OptionsTrace(), attendu);

    // Already loaded during start-up: a later call must not reload or clear the table.
    ChargeOptionsTrace();
    EXPECT_EQ(OptionsTrace(), attendu);

    // A file that cannot be read leaves the table empty.
    ChargeOptionsTraceDepuis(dossier.Chemin() + "/absent.cfg");
    EXPECT_TRUE(OptionsTrace().empty());
}

}  // namespace
