// The spelling dictionary's readings, and what the builder does with them:
// categories checked and completed, homographs ordered, built data audited.
// A tiny made-up dictionary stands for hunspell-fr.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tools/donnees/AuditDonnees.h"
#include "tools/donnees/CategoriesHunspell.h"
#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/LecturesHunspell.h"
#include "tools/donnees/OrdreHomographes.h"

namespace {

const char* const Affixes =
    "SET UTF-8\n"
    "FLAG long\n"
    "SFX S. Y 2\n"
    "SFX S. 0 0 [^sxz] is:sg\n"
    "SFX S. 0 s [^sxz] is:pl\n"
    "SFX F. Y 2\n"
    "SFX F. 0 0 . is:mas is:sg\n"
    "SFX F. 0 e . is:fem is:sg\n"
    "SFX a0 Y 2\n"
    "SFX a0 er \xC3\xA9 er po:ppas is:mas is:sg\n"
    "SFX a0 er \xC3\xA9\x65 er po:ppas is:fem is:sg\n";

const char* const Entrees =
    "16\n"
    "hier po:mg po:adv\n"
    "fier/F. po:nom po:adj\n"
    "fier/a0 po:v1____p_e_\n"
    "son po:mg po:detpos is:epi is:sg\n"
    "son/S. po:nom is:mas\n"
    "pouvoir/S. po:nom is:mas\n"
    "pouvoir po:v3_it_xx_a\n"
    "tr\xC3\xA8s po:mg po:adv\n"
    "cela po:mg po:prodem is:mas is:sg\n"
    "mon po:mg po:detpos is:epi is:sg\n"
    "nettement po:adv\n"
    "allumage/S. po:nom is:mas\n"
    "aune/S. po:nom is:fem\n"
    "la po:mg po:det is:fem is:sg st:le\n"
    "Bretagne po:nom is:fem is:inv\n"
    "chien/F. po:nom\n";

LecturesHunspell Lectures() {
    DictionnaireHunspell dictionnaire;
    EXPECT_TRUE(dictionnaire.LireAffixes(Affixes));
    EXPECT_TRUE(dictionnaire.LireEntrees(Entrees));
    LecturesHunspell lectures;
    lectures.Ajouter(dictionnaire);
    return lectures;
}

Article Nouvel(const std::string& mot, const std::string& categorie, const std::string& genre = "") {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    if (!genre.empty()) article.attributs[ATTRIBUT_GENRE] = genre;
    article.sens.push_back(Sens{"Un sens.", {}});
    return article;
}

std::vector<std::string> Categories(const std::vector<Article>& articles) {
    std::vector<std::string> categories;
    for (const Article& article : articles) categories.push_back(article.mot + " " + article.categorie);
    return categories;
}

}  // namespace

TEST(LecturesHunspell, CategoriesGenresEtFormes) {
    const LecturesHunspell lectures = Lectures();
    struct Cas {
        const char* mot;
        std::vector<std::string> categories;
        bool masculin, feminin, lemme, grammatical;
    } const cas[] = {
        {"hier", {CAT_ADVERBE}, false, false, true, true},
        {"fier", {CAT_NOM, CAT_ADJECTIF, CAT_VERBE}, true, false, true, false},
        {"fi\xE9", {CAT_PARTICIPE}, false, false, false, false},
        {"fi\xE9\x65", {CAT_PARTICIPE}, false, false, false, false},
        {"pouvoir", {CAT_NOM, CAT_VERBE}, true, false, true, false},
        {"cela", {CAT_PRONOM}, false, false, true, true},
        {"mon", {CAT_DETERMINANT}, false, false, true, true},
        {"aune", {CAT_NOM}, false, true, true, false},
        // A form of another word tells its category but is no lemma.
        {"la", {CAT_DETERMINANT}, false, false, false, true},
        // Regions are filed as nouns; the capital makes them proper names.
        {"Bretagne", {CAT_NOM_PROPRE}, false, true, true, false},
        {"chien", {CAT_NOM}, true, false, true, false},
    };
    for (const Cas& c : cas) {
        const LectureHunspell* lecture = lectures.Lecture(c.mot);
        ASSERT_NE(lecture, nullptr) << c.mot;
        EXPECT_EQ(lecture->categories, c.categories) << c.mot;
        EXPECT_EQ(lecture->masculin, c.masculin) << c.mot;
        EXPECT_EQ(lecture->feminin, c.feminin) << c.mot;
        EXPECT_EQ(lecture->lemme, c.lemme) << c.mot;
        EXPECT_EQ(lecture->grammatical, c.grammatical) << c.mot;
    }
    EXPECT_TRUE(lectures.Lecture("fier")->PronominalSeulement());
    EXPECT_FALSE(lectures.Lecture("pouvoir")->PronominalSeulement());
    EXPECT_EQ(lectures.Lecture("son")->grammaticales, std::set<std::string>{CAT_DETERMINANT});
    EXPECT_EQ(lectures.Lecture("chienne"), nullptr);
    EXPECT_EQ(lectures.Lecture("inconnu"), nullptr);
}

TEST(LecturesHunspell, CategoriesDesArticlesEtConcordance) {
    LectureHunspell lecture;
    struct Cas {
        const char* categorieArticle;
        std::vector<std::string> lues;
        bool concordent;
    } const cas[] = {
        {"NOM ET ADJECTIF", {CAT_ADJECTIF}, true},
        {"ADJECTIF, NOM ET ADVERBE", {CAT_NOM}, true},
        {"LOCUTION ADVERBIALE", {CAT_ADVERBE}, true},
        {"ARTICLE", {CAT_DETERMINANT}, true},
        // The traditional "adjectif possessif" is today's determiner.
        {"ADJECTIF", {CAT_DETERMINANT}, true},
        {"PARTICIPE PASS\xC9", {CAT_ADJECTIF}, true},
        {"ADJECTIF", {CAT_PARTICIPE}, true},
        {"NOM PROPRE", {CAT_NOM_PROPRE}, true},
        {"NOM PROPRE", {CAT_NOM}, false},
        {"ADJECTIF", {CAT_ADVERBE}, false},
        {"PRONOM", {CAT_NOM, CAT_VERBE}, false},
        {"NOM", {CAT_PARTICIPE}, false},
    };
    for (const Cas& c : cas) {
        lecture.categories = c.lues;
        EXPECT_EQ(CategoriesConcordent(CategoriesComparees(c.categorieArticle), lecture), c.concordent)
            << c.categorieArticle;
    }
    EXPECT_TRUE(CategoriesComparees("LOCUTION").empty());
    EXPECT_EQ(CategoriesDePo("v1_it___zz"), std::vector<std::string>{CAT_VERBE});
    EXPECT_EQ(CategoriesDePo("prodem"), std::vector<std::string>{CAT_PRONOM});
    EXPECT_TRUE(CategoriesDePo("mg").empty());
}

TEST(CategoriesHunspell, CompleteEtCorrigeSansToucherAuxHomographesRares) {
    std::vector<Article> articles = {
        Nouvel("cela", ""),
        Nouvel("tr\xE8s", "ADJECTIF"),
        Nouvel("nettement", "ADJECTIF"),
        Nouvel("mon", "ADJECTIF"),
        Nouvel("mon", "ADVERBE"),  // the old particle of "ça mon"
        Nouvel("allumage", "NOM", "f\xE9minin"),
        Nouvel("aune", "NOM", "masculin"),  // the tree, beside the measure
        Nouvel("aune", "NOM", "f\xE9minin"),
        Nouvel("inconnu", ""),
        Nouvel("fier", "ADJECTIF"),
    };
    const BilanCategories bilan = CorrigerCategories(articles, Lectures());
    EXPECT_EQ(Categories(articles),
              (std::vector<std::string>{"cela PRONOM", "tr\xE8s ADVERBE", "nettement ADVERBE", "mon ADJECTIF",
                                        "mon ADVERBE", "allumage NOM", "aune NOM", "aune NOM", "inconnu ",
                                        "fier ADJECTIF"}));
    EXPECT_EQ(articles[5].attributs.at(ATTRIBUT_GENRE), "masculin");
    EXPECT_EQ(articles[5].attributs.at(ATTRIBUT_REMARQUE), "f\xE9minin dans le Littr\xE9");
    EXPECT_EQ(articles[6].attributs.at(ATTRIBUT_GENRE), "masculin");
    EXPECT_EQ(bilan.ajoutees, 1u);
    EXPECT_EQ(bilan.corrigees, 2u);
    EXPECT_EQ(bilan.genres, 1u);
}

TEST(OrdreHomographes, LaLectureQueLeLecteurAttendDAbord) {
    std::vector<Article> articles = {
        Nouvel("fier", "VERBE"),  Nouvel("fier", "ADJECTIF ET NOM"),
        Nouvel("hier", "VERBE"),  Nouvel("hier", "ADVERBE"),
        Nouvel("inconnu", "VERBE"), Nouvel("inconnu", "NOM"),
        Nouvel("pouvoir", "NOM"), Nouvel("pouvoir", "PR\xC9\x46IXE"), Nouvel("pouvoir", "VERBE"),
        Nouvel("son", "NOM"), Nouvel("son", "NOM"), Nouvel("son", "ADJECTIF"),
    };
    OrdonnerHomographes(articles, Lectures());
    EXPECT_EQ(Categories(articles),
              (std::vector<std::string>{"fier ADJECTIF ET NOM", "fier VERBE", "hier ADVERBE", "hier VERBE",
                                        "inconnu VERBE", "inconnu NOM", "pouvoir VERBE", "pouvoir NOM",
                                        "pouvoir PR\xC9\x46IXE", "son ADJECTIF", "son NOM", "son NOM"}));
}

TEST(AuditDonnees, VedettesEtSens) {
    struct Cas {
        const char* mot;
        bool ponctuee;
    } const vedettes[] = {
        {"- ent\xEAteur", true}, {"ah !", true}, {"amphi...", true}, {"mot ", true}, {"", true},
        {"anti-", false},        {"-ment", false}, {"Castillon (Canton de Lembeye)", false},
        {"arc-en-ciel", false},  {"aujourd'hui", false}, {"entr'", false}, {"' mot", true},
    };
    for (const Cas& c : vedettes) EXPECT_EQ(VedettePonctuee(c.mot), c.ponctuee) << c.mot;
    EXPECT_TRUE(ParenthesesDesequilibrees("du verbe \xEAtre (voy"));
    EXPECT_TRUE(ParenthesesDesequilibrees("ce mot)."));
    EXPECT_TRUE(ParenthesesDesequilibrees(") et ("));
    EXPECT_FALSE(ParenthesesDesequilibrees("un mot (voy. B (bis))."));
    EXPECT_FALSE(ParenthesesDesequilibrees("Il y en a deux : a) le pas droit, b) le pas ouvert."));
    EXPECT_FALSE(ParenthesesDesequilibrees("Un mot (il y a)."));
    EXPECT_TRUE(SensFragment("- ce mot)."));
    EXPECT_TRUE(SensFragment(") et la suite."));
    EXPECT_TRUE(SensFragment("ce mot)."));
    EXPECT_FALSE(SensFragment("Voy. CARR\xC9MENT)."));
    EXPECT_FALSE(SensFragment("un sens (complet)."));
    EXPECT_FALSE(SensFragment("Sens plein - avec un tiret."));
}

TEST(AuditDonnees, ChaqueSorteEstComptee) {
    std::vector<Article> articles = {
        Nouvel("- ent\xEAteur", "NOM"),
        Nouvel("allumage", "NOM", "f\xE9minin"),
        Nouvel("cela", ""),
        Nouvel("hier", "ADVERBE"),
        Nouvel("hier", "VERBE"),
        Nouvel("tr\xE8s", "ADJECTIF"),
        Nouvel("grand", "ADJECTIF"),
        Nouvel("petit", "ADJECTIF"),
        Nouvel("\xE9t\xE9", "PARTICIPE PASS\xC9"),
    };
    articles[6].antonymes = "petit, minuscule (Littr\xE9)";
    articles[7].antonymes = "grand";
    articles[8].sens = {Sens{"du verbe \xEAtre (voy", {}}, Sens{"- ce mot).", {}}};
    articles[2].sens.clear();
    const Audit audit =
        AuditerDonnees(articles, [](const std::string& forme) { return forme == "fier"; }, Lectures());
    EXPECT_EQ(audit.articles, 9u);
    EXPECT_EQ(audit.articlesConnus, 5u);  // allumage, cela, hier twice, très
    EXPECT_EQ(audit.desaccordsCategorie.nombre, 2u);  // hier the verb, très the adjective
    EXPECT_EQ(audit.desaccordsSansHomographe.nombre, 1u);
    EXPECT_EQ(audit.desaccordsSansHomographe.exemples.at(0), "tr\xE8s (ADJECTIF / ADVERBE)");
    EXPECT_EQ(audit.desaccordsParSorte.size(), 2u);
    EXPECT_EQ(audit.desaccordsGenre.nombre, 1u);
    EXPECT_EQ(audit.sansCategorie.nombre, 1u);
    EXPECT_EQ(audit.sansCategorieConnus.nombre, 1u);
    EXPECT_EQ(audit.sansSens.nombre, 1u);
    EXPECT_EQ(audit.vedettesPonctuees.nombre, 1u);
    EXPECT_EQ(audit.sensParenthesesOuvertes.nombre, 2u);
    EXPECT_EQ(audit.sensFragments.nombre, 1u);
    // Lemmas of the dictionary found nowhere: not "fier" (indexed), not "la"
    // (a form), not "Bretagne" (a proper name), not "fié" (a participle).
    EXPECT_EQ(audit.motsHunspellIntrouvables.exemples,
              (std::vector<std::string>{"aune", "chien", "mon", "nettement", "pouvoir", "son"}));
    EXPECT_EQ(audit.pairesAntonymes.nombre, 2u);  // grand/petit counted once, grand/minuscule
}

TEST(AuditDonnees, NomsPerdusSelonHunspell) {
    NomsPerdusLittre perdus;
    perdus.noms = 3;
    perdus.mots = {{"chien", "foire"}, {"paisselure", "ab\xEEme"}, {"aune", "ornithogale"}};
    const std::vector<Article> articles = {Nouvel("chien", "NOM"), Nouvel("foire", "NOM")};
    Audit audit = AuditerDonnees(articles, [](const std::string&) { return false; }, Lectures());
    AuditerNomsPerdus(perdus, articles, Lectures(), audit);
    EXPECT_EQ(audit.nomsPerdusIndex, 3u);
    EXPECT_EQ(audit.nomsPerdusConnus.exemples,
              (std::vector<std::string>{"chien (dans l'article foire)", "aune (dans l'article ornithogale)"}));
    EXPECT_EQ(audit.nomsPerdusInconnus.exemples,
              (std::vector<std::string>{"paisselure (dans l'article ab\xEEme)"}));
    EXPECT_EQ(audit.nomsPerdusAvecArticle.exemples, (std::vector<std::string>{"chien"}));
    // Every name is printed, whatever the number of examples asked for.
    char* texte = nullptr;
    std::size_t taille = 0;
    std::FILE* flux = open_memstream(&texte, &taille);
    AfficherAudit(flux, audit, 1);
    std::fclose(flux);
    const std::string sortie(texte, taille);
    std::free(texte);
    EXPECT_NE(sortie.find("noms de l'index du Littr\xC3\xA9 sans leur article     3\n"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("      aune (dans l'article ornithogale)\n"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("qui ont maintenant un article                  1\n"), std::string::npos) << sortie;
}
