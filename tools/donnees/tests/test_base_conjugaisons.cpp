#include <gtest/gtest.h>
#include <unistd.h>
#include <sqlite3.h>
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database/ConnexionBase.h"
#include "database/IndexeurSecDB.h"
#include "tools/donnees/BaseConjugaisons.h"
#include "tools/donnees/TexteConjugaison.h"
#include "tools/donnees/Verbiste.h"

namespace {

namespace fs = std::filesystem;

// Reads one verb's text back the way the conjugation window does.
std::string TexteStocke(ConnexionBase& connexion, const std::string& verbe) {
    IndexeurSecDB index("ConjugaisonImage", "hash", "contenu");
    if (!index.PreparerRequete(&connexion, "ConjugaisonImage", "hash")) return "<non prepare>";
    const BlocOctets bloc = index.LireDonnees(&connexion, verbe, true);
    std::vector<unsigned char> texte(TAILLE_MAX_TEXTE_CONJUGAISON);
    uLongf longueur = texte.size();
    if (bloc.Vide() || uncompress(texte.data(), &longueur, bloc.Donnees(), bloc.Taille()) != Z_OK) return "";
    return std::string(texte.begin(), texte.begin() + longueur);
}

// The first column of the first row of a query, read with the sqlite3 library itself.
std::string Requete(const std::string& chemin, const char* sql) {
    sqlite3* base = nullptr;
    sqlite3_stmt* instruction = nullptr;
    std::string resultat = "<erreur>";
    if (sqlite3_open_v2(chemin.c_str(), &base, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(base, sql, -1, &instruction, nullptr) == SQLITE_OK && sqlite3_step(instruction) == SQLITE_ROW)
        resultat = reinterpret_cast<const char*>(sqlite3_column_text(instruction, 0));
    sqlite3_finalize(instruction);
    sqlite3_close(base);
    return resultat;
}

class BaseConjugaisonsEssai : public ::testing::Test {
protected:
    void SetUp() override {
        dossier_ = fs::temp_directory_path() / ("vocalia_base_conjugaisons_" + std::to_string(::getpid()));
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
        std::vector<FormesVerbe> tous;
        ASSERT_TRUE(ChargerVerbiste("/usr/share/verbiste-0.1/verbs-fr.xml",
                                    "/usr/share/verbiste-0.1/conjugation-fr.xml", tous));
        for (const FormesVerbe& verbe : tous)
            if (verbe.infinitif == "avoir" || verbe.infinitif == "\xEAtre" || verbe.infinitif == "finir" ||
                verbe.infinitif == "aller" || verbe.infinitif == "ha\xEFr")
                verbes_.push_back(verbe);
        ASSERT_EQ(verbes_.size(), 5u);
        for (const FormesVerbe& verbe : verbes_) {
            if (verbe.infinitif == "avoir") avoir_ = &verbe;
            if (verbe.infinitif == "\xEAtre") etre_ = &verbe;
        }
    }
    void TearDown() override { fs::remove_all(dossier_); }

    std::vector<FormesVerbe> SansAuxiliaires() const {
        std::vector<FormesVerbe> reste;
        for (const FormesVerbe& verbe : verbes_)
            if (&verbe != avoir_ && &verbe != etre_) reste.push_back(verbe);
        return reste;
    }

    fs::path dossier_;
    std::vector<FormesVerbe> verbes_;
    const FormesVerbe* avoir_ = nullptr;
    const FormesVerbe* etre_ = nullptr;
};

TEST_F(BaseConjugaisonsEssai, WritesOneReadableRowPerVerb) {
    const std::string chemin = (dossier_ / "conj.db").string();
    std::vector<FormesVerbe> avecDoublon = verbes_;
    avecDoublon.push_back(verbes_[2]);
    const BilanConjugaisons bilan = EcrireBaseConjugaisons(avecDoublon, chemin);
    ASSERT_EQ(bilan.erreur, "");
    EXPECT_EQ(bilan.verbes, 5u);
    EXPECT_GT(bilan.plusLongTexte, bilan.plusLongContenu);  // deflated
    EXPECT_LE(bilan.plusLongContenu, IndexeurSecDB::TAILLE_DONNEES);
    // Nothing but the database is left behind: the provisional file was renamed.
    std::vector<std::string> restants;
    for (const fs::directory_entry& entree : fs::directory_iterator(dossier_))
        restants.push_back(entree.path().filename().string());
    EXPECT_EQ(restants, std::vector<std::string>{"conj.db"});

    auto connexion = ConnexionBase::Ouvrir(std::string(PREFIXE_CONNEXION) + chemin, "");
    for (const FormesVerbe& verbe : verbes_) {
        SCOPED_TRACE(verbe.infinitif);
        EXPECT_EQ(TexteStocke(*connexion, verbe.infinitif), TexteConjugaison(verbe, *avoir_, *etre_));
    }
    EXPECT_NE(TexteStocke(*connexion, "finir").find("nous finissons"), std::string::npos);
    EXPECT_EQ(TexteStocke(*connexion, "Finir"), "");
    EXPECT_EQ(TexteStocke(*connexion, "aimer"), "");  // not in this base
    EXPECT_EQ(Requete(chemin, "select group_concat(name) from pragma_table_info('ConjugaisonImage');"),
              "hash,contenu");
    EXPECT_EQ(Requete(chemin, "select count(*) from ConjugaisonImage where length(hash) = 16;"), "5");
}

TEST_F(BaseConjugaisonsEssai, FailsWithoutAuxiliariesOrWritableFolderAndLeavesNothing) {
    const std::string chemin = (dossier_ / "conj.db").string();
    EXPECT_NE(EcrireBaseConjugaisons(SansAuxiliaires(), chemin).erreur, "");
    EXPECT_FALSE(fs::exists(chemin));
    const std::string impossible = (dossier_ / "absent" / "conj.db").string();
    const BilanConjugaisons bilan = EcrireBaseConjugaisons(verbes_, impossible);
    EXPECT_NE(bilan.erreur, "");
    EXPECT_EQ(bilan.verbes, 0u);
    EXPECT_FALSE(fs::exists(impossible));
}

TEST_F(BaseConjugaisonsEssai, ReplacesAnExistingFileOnlyWhenComplete) {
    const std::string chemin = (dossier_ / "conj.db").string();
    ASSERT_EQ(EcrireBaseConjugaisons(verbes_, chemin).erreur, "");
    EXPECT_NE(EcrireBaseConjugaisons(SansAuxiliaires(), chemin).erreur, "");
    auto connexion = ConnexionBase::Ouvrir(std::string(PREFIXE_CONNEXION) + chemin, "");
    EXPECT_NE(TexteStocke(*connexion, "aller").find("je suis all\xE9"), std::string::npos);
}

}  // namespace
