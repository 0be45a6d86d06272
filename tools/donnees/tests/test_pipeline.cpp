// The dictionary build's frame: named steps whose reports reach the build
// report, a failed step that stops the build, and sources that the steps use
// as loaded, without opening their files again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/donnees/Pipeline.h"
#include "tools/donnees/SourcesChargees.h"

namespace {

struct CasEtape {
    const char* nom;
    bool reussit;
    std::size_t compte;
};

// The lines of the report after its heading, one per step.
std::vector<std::string> LignesEtapes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = texte.find('\n') + 1;
    for (std::size_t fin; (fin = texte.find('\n', debut)) != std::string::npos; debut = fin + 1)
        lignes.push_back(texte.substr(debut, fin - debut));
    return lignes;
}

// Where `quoi` starts on the line, in characters (UTF-8).
std::size_t Colonne(const std::string& ligne, const std::string& quoi) {
    std::size_t colonne = 0;
    for (std::size_t k = 0; k < ligne.find(quoi); ++k) colonne += (static_cast<unsigned char>(ligne[k]) & 0xC0) != 0x80;
    return colonne;
}

}  // namespace

TEST(Pipeline, ChaqueEtapeRapporteSesComptesJusquALEchec) {
    const CasEtape cas[] = {
        {"lecture", true, 77}, {"cat\xC3\xA9gories", true, 5}, {"tri", false, 3}, {"\xC3\xA9\x63riture", true, 9}};
    Pipeline pipeline;
    std::vector<std::string> executees;
    for (const CasEtape& etape : cas)
        pipeline.Executer(etape.nom, [&](RapportEtape& rapport) {
            executees.push_back(etape.nom);
            rapport.Compter("articles", etape.compte);
            return etape.reussit;
        });
    EXPECT_FALSE(pipeline.Reussi());
    EXPECT_EQ(executees, (std::vector<std::string>{"lecture", "cat\xC3\xA9gories", "tri"}));

    const std::string texte = TexteRapportsEtapes(pipeline.Rapports());
    EXPECT_EQ(texte.rfind("\xC3\x89tapes :\n", 0), 0u);
    const std::vector<std::string> lignes = LignesEtapes(texte);
    ASSERT_EQ(lignes.size(), 3u);
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        SCOPED_TRACE(cas[k].nom);
        EXPECT_EQ(lignes[k].find(std::string("  ") + cas[k].nom + " "), 0u);
        EXPECT_NE(lignes[k].find(" s  "), std::string::npos);
        EXPECT_NE(lignes[k].find("articles " + std::to_string(cas[k].compte)), std::string::npos);
        EXPECT_EQ(lignes[k].find("\xC3\x89\x43HEC") != std::string::npos, !cas[k].reussit);
    }
    // The columns line up whatever the accents of the names.
    EXPECT_EQ(Colonne(lignes[0], " s  "), Colonne(lignes[1], " s  "));
}

TEST(Pipeline, UnCompteParChoseFaiteDansLOrdre) {
    Pipeline pipeline;
    EXPECT_TRUE(pipeline.Executer("renvois", [](RapportEtape& rapport) {
        rapport.Compter("pr\xC3\xA9par\xC3\xA9s", 12);
        rapport.Compter("suivis", 10);
        return true;
    }));
    ASSERT_EQ(pipeline.Rapports().size(), 1u);
    const std::string ligne = LignesEtapes(TexteRapportsEtapes(pipeline.Rapports()))[0];
    EXPECT_NE(ligne.find("pr\xC3\xA9par\xC3\xA9s 12, suivis 10"), std::string::npos) << ligne;
}

// Loaded once, the sources serve every step: with their files gone, the
// readings, the spellings, the inflections and the thesaurus are still there,
// and the enrichment runs on them.
TEST(SourcesChargees, LesEtapesTravaillentSurLesSourcesLuesSansRouvrirLesFichiers) {
    const std::filesystem::path dossier = std::filesystem::temp_directory_path() / "vocalia_sources_chargees";
    std::filesystem::create_directories(dossier);
    SourcesEnrichissement chemins;
    chemins.hunspellAff = (dossier / "fr.aff").string();
    chemins.hunspellDic = (dossier / "fr.dic").string();
    chemins.thesaurus = (dossier / "thes_fr.dat").string();
    chemins.verbisteVerbes = chemins.verbisteConjugaisons = (dossier / "absent.xml").string();
    chemins.communes.clear();
    std::ofstream(chemins.hunspellAff, std::ios::binary)
        << "SET UTF-8\nFLAG long\nSFX S. Y 2\nSFX S. 0 0 [^sxz] is:sg\nSFX S. 0 s [^sxz] is:pl\n";
    std::ofstream(chemins.hunspellDic, std::ios::binary)
        << "2\nmaison/S. po:nom is:fem\nch\xC3\xA2teau po:nom is:mas\n";
    std::ofstream(chemins.thesaurus, std::ios::binary) << "UTF-8\nmaison|1\n(Nom)|demeure|logis\n";

    SourcesChargees sources;
    ChargerEnrichissement(chemins, sources);
    std::filesystem::remove_all(dossier);

    ASSERT_TRUE(sources.hunspellLu);
    ASSERT_NE(sources.lectures.Lecture("maison"), nullptr);
    EXPECT_TRUE(sources.lectures.Lecture("maison")->feminin);
    EXPECT_NE(sources.lectures.Lecture("ch\xE2teau"), nullptr);
    EXPECT_EQ(sources.graphies.count("maisons"), 1u);
    EXPECT_EQ(sources.flexions.Formes("maison"), (std::set<std::string>{"maisons"}));
    ASSERT_EQ(sources.thesaurus.size(), 1u);

    Article maison;
    maison.mot = "maison";
    maison.categorie = "NOM";
    maison.sens.push_back(Sens{"Logement.", {}});
    std::vector<Article> articles = {maison};
    std::map<std::string, std::vector<std::string>> index;
    const BilanEnrichissement bilan = Enrichir(articles, index, sources.Enrichissement());
    EXPECT_EQ(index["maisons"], (std::vector<std::string>{"maison"}));
    EXPECT_NE(articles[0].synonymes.find("demeure"), std::string::npos) << articles[0].synonymes;
    EXPECT_EQ(bilan.motsAvecSynonymes, 1u);
    // "château", a lemma the Littré lacks here, gets an article of its own.
    bool chateau = false;
    for (const Article& article : articles) chateau = chateau || article.mot == "ch\xE2teau";
    EXPECT_TRUE(chateau);
}
