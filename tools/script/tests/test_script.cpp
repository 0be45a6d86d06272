#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "shell/tests/Fixture.h"
#include "text/OrdreFrancais.h"

namespace {

namespace fs = std::filesystem;

std::vector<Article> ArticlesScript() {
    Article chat = FaireArticle("chat", "NOM", {"Petit f\xE9lin, voir porte-monnaie."}, {{"genre", "masculin"}});
    chat.sens[0].exemples = {"Le chat dort."};
    Article maison = FaireArticle("maison", "NOM", {"B\xE2timent."});
    maison.synonymes = "demeure";
    return {FaireArticle("aimer", "VERBE", {"\xC9prouver de l'affection."}),
            chat,
            maison,
            FaireArticle("monnaie", "NOM", {"Pi\xE8" "ces."}),
            FaireArticle("pognon", "NOM", {"(argot) Argent."}),
            FaireArticle("porte", "NOM", {"Ouverture."}),
            FaireArticle("porte-monnaie", "NOM", {"Petit sac."})};
}

class Script : public ::testing::Test {
protected:
    fs::path dossier;

    void SetUp() override {
        dossier = fs::temp_directory_path() / ("vocalia-script-" + std::to_string(::getpid()));
        fs::create_directories(dossier);
        Ecrire(dossier / "dictionnaire", EcrireDictionnaire("essai", ArticlesScript()));
        Ecrire(dossier / "flexions", EcrireIndexFlexions({{"maisons", {"maison"}}}));
    }
    void TearDown() override { fs::remove_all(dossier); }

    static void Ecrire(const fs::path& chemin, const std::vector<unsigned char>& octets) {
        std::ofstream f(chemin, std::ios::binary);
        f.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
    }

    // Standard output of a session, without the trace lines of the full-text search.
    std::string Executer(const std::string& commandes, int* code = nullptr, std::string* erreurs = nullptr) {
        {
            std::ofstream f(dossier / "commandes");
            f << commandes;
        }
        const std::string ligne = std::string(VOCALIA_SCRIPT) + " --dictionnaire " + (dossier / "dictionnaire").string() +
                                  " --flexions " + (dossier / "flexions").string() + " < " +
                                  (dossier / "commandes").string() + " 2> " + (dossier / "erreurs").string();
        FILE* sortie = ::popen(ligne.c_str(), "r");
        if (!sortie) return "popen";
        std::string texte;
        char tampon[4096];
        std::size_t lus;
        while ((lus = std::fread(tampon, 1, sizeof tampon, sortie)) > 0) texte.append(tampon, lus);
        const int statut = ::pclose(sortie);
        if (code) *code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
        if (erreurs) {
            std::ifstream f(dossier / "erreurs");
            std::stringstream s;
            s << f.rdbuf();
            *erreurs = s.str();
        }
        std::stringstream lignes(texte);
        std::string resultat, l;
        while (std::getline(lignes, l))
            if (l.rfind("SENS: ", 0) != 0) resultat += l + "\n";
        return resultat;
    }
};

TEST_F(Script, RechercheNavigationHistoriqueAideEtLien) {
    int code = -1;
    const std::string sortie = Executer(
        "saisir maisons\ncliquer 1013\nmontrer\n"
        "saisir chat\ncliquer 1013\nmontrer\n"
        "# inside \"porte\" of \"porte-monnaie\"\n"
        "doubleclic 39\nmontrer\n"
        "cliquer 1018\nsaisir pognon\ncliquer 1013\nsaisir porte\ncliquer 1013\nmontrer\n"
        "cliquer 1019\nmontrer\n"
        "cliquer 1015\ncliquer 1009\ncliquer 1029\nmontrer\n",
        &code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(sortie,
              // The list follows the typing to the headword after "maisons"; the lemma
              // is shown without moving it.
              "liste_type=Dictionnaire\nmot_choisi=maison\nmot=maisons\n"
              "liste=aimer|chat|maison|monnaie|pognon|porte|porte-monnaie\nselection=3\nconjugaison=0\neffacer=0\n"
              "definition<<\nNOM \n\n- Bâtiment.\n>>\n"
              "liste_type=Dictionnaire\nmot_choisi=chat\nmot=chat\n"
              "liste=aimer|chat|maison|monnaie|pognon|porte|porte-monnaie\nselection=1\nconjugaison=0\neffacer=0\n"
              "definition<<\nNOM masculin \n\n- Petit félin, voir porte-monnaie.\n\tex. : Le chat dort.\n>>\n"
              "liste_type=Dictionnaire\nmot_choisi=porte\nmot=porte\n"
              "liste=aimer|chat|maison|monnaie|pognon|porte|porte-monnaie\nselection=5\nconjugaison=0\neffacer=0\n"
              "definition<<\nNOM \n\n- Ouverture.\n>>\n"
              "liste_type=Dictionnaire\nmot_choisi=porte\nmot=porte\n"
              "liste=aimer|chat|maison|monnaie|porte|porte-monnaie\nselection=4\nconjugaison=0\neffacer=0\n"
              "definition<<\nNOM \n\n- Ouverture.\n>>\n"
              "liste_type=Historique\nmot_choisi=porte\nmot=porte\nliste=chat|porte\nselection=1\nconjugaison=0\n"
              "effacer=1\ndefinition<<\nNOM \n\n- Ouverture.\n>>\n"
              "fenetre: Vocalia - Aide\n<<\nDonnées essai\n>>\n"  // the label alone names the sources
              "page: https://fr.wiktionary.org/wiki/porte\n"
              "liste_type=Historique\nmot_choisi=porte\nmot=porte\nliste=\nselection=-1\nconjugaison=1\neffacer=1\n"
              "definition<<\nNOM \n\n- Ouverture.\n>>\n");
}

TEST_F(Script, PleinTexteCasesEtVerbe) {
    const std::string sortie = Executer(
        "saisir Argent\ncliquer 1024\nmontrer\n"
        "choisir 0\nmontrer\n"
        "saisir aimer\ncliquer 1013\ncliquer 1022\nmontrer\n"
        "saisir maison\ncliquer 1013\nmontrer\n");
    EXPECT_EQ(sortie,
              "liste_type=Rec. texte\nmot_choisi=\nmot=Argent\nliste=pognon\nselection=0\nconjugaison=0\neffacer=0\n"
              "definition<<\n>>\n"
              "liste_type=Rec. texte\nmot_choisi=pognon\nmot=pognon\nliste=pognon\nselection=0\nconjugaison=0\n"
              "effacer=0\ndefinition<<\nNOM \n\n- (argot) Argent.\n>>\n"
              "liste_type=Dictionnaire\nmot_choisi=aimer\nmot=aimer\n"
              "liste=aimer|chat|maison|monnaie|pognon|porte|porte-monnaie\nselection=0\nconjugaison=1\neffacer=0\n"
              "definition<<\nVERBE \n\n- Éprouver de l'affection.\n>>\n"
              "liste_type=Dictionnaire\nmot_choisi=maison\nmot=maison\n"
              "liste=aimer|chat|maison|monnaie|pognon|porte|porte-monnaie\nselection=2\nconjugaison=0\neffacer=0\n"
              "definition<<\nNOM \n\n- Bâtiment.\n\nSYNONYMES:\ndemeure\n>>\n");
}

TEST_F(Script, LigneIncompriseSignaleeEtFinNormale) {
    int code = -1;
    std::string erreurs;
    const std::string sortie = Executer("sauter 3\ncliquer douze\nsaisir \ncliquer 1008\n", &code, &erreurs);
    EXPECT_EQ(code, 0);
    EXPECT_NE(erreurs.find("sauter 3"), std::string::npos);
    EXPECT_NE(erreurs.find("cliquer douze"), std::string::npos);
    EXPECT_EQ(sortie.rfind("page: file:///", 0), 0u) << sortie;
    EXPECT_NE(sortie.find("/vocalia-licences.html\n"), std::string::npos) << sortie;
}

}  // namespace
