#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "approx/LexiqueApproches.h"
#include "approx/MoteurApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TypesCles.h"
#include "text/Cp1252.h"
#include "text/FichiersTexte.h"

// The program's own data, embedded: the rules resource and the seven key
// indexes built from every headword of the main dictionary.

TEST(ApprochesReelles, LaRessourceDesReglesDonneLesReglesDuSource) {
    std::vector<std::string> lignes;
    ASSERT_TRUE(LireLignes(VOCALIA_REGLES_SOURCE, lignes));
    std::string utf8;
    for (const std::string& ligne : lignes) utf8 += ligne;
    auto source = std::make_unique<ReglesPhonetiques>();
    AjouterRegles(*source, Utf8VersCp1252(utf8));
    ASSERT_TRUE(ChargerRegles());
    const ReglesPhonetiques& chargees = ReglesCourantes();
    ASSERT_EQ(chargees.count, source->count);
    for (int i = 0; i < source->count; ++i) {
        EXPECT_STREQ(chargees.patterns[i], source->patterns[i]);
        EXPECT_STREQ(chargees.codes[i], source->codes[i]);
    }
}

TEST(ApprochesReelles, LesSeptIndexSeChargentEtConnaissentLeursMots) {
    for (int type = 0; type < NOMBRE_TYPES_CLES; ++type) {
        if (!TableTypesCles[type].actif) continue;
        AssurerIndex(type);
        EXPECT_TRUE(IndexCharge(type)) << TableTypesCles[type].ressource;
        EXPECT_GT(IndexApproches(type).NombreCles(), 100u) << TableTypesCles[type].ressource;
    }
    const std::vector<std::string> maison = IndexApproches(3).GetValeurs(ClePHON2("maison"));
    EXPECT_NE(std::find(maison.begin(), maison.end(), "maison"), maison.end());
}

TEST(ApprochesReelles, LesFautesCourantesTrouventLeBonMotParmiLesDixPremiers) {
    struct Cas {
        const char* tape;
        const char* attendu;
    };
    const Cas cas[] = {
        {"filosofie", "philosophie"}, {"ortografe", "orthographe"}, {"fotografie", "photographie"},
        {"sitoyen", "citoyen"},       {"anbulance", "ambulance"},   {"maisson", "maison"},
    };
    static LexiqueMinimal lexique;
    const MoteurApproches moteur(&lexique);
    for (const Cas& c : cas) {
        const std::vector<std::string> resultat = moteur.RechercherApproches(c.tape);
        const auto trouve = std::find(resultat.begin(), resultat.end(), c.attendu);
        ASSERT_NE(trouve, resultat.end()) << c.tape;
        EXPECT_LT(trouve - resultat.begin(), 10) << c.tape;
    }
}

TEST(ApprochesReelles, UnMotExactVientEnPremier) {
    static LexiqueMinimal lexique;
    const MoteurApproches moteur(&lexique);
    for (const char* mot : {"maison", "philosophie", "citoyen"}) {
        const std::vector<std::string> resultat = moteur.RechercherApproches(mot);
        ASSERT_FALSE(resultat.empty()) << mot;
        EXPECT_EQ(resultat.front(), mot);
        EXPECT_LE(resultat.size(), RESULTATS_MAX);
    }
}
