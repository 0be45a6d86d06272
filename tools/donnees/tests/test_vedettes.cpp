// Every word reaches its own article, in the order a reader expects: a
// lemma of its own before a form of another headword, the headwords of one
// form and the homographs of one headword in commonness order, and the first
// category line naming the common reading. Small made-up sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/Enrichissement.h"
#include "tools/donnees/Flexions.h"
#include "tools/donnees/Frequences.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/LecturesHunspell.h"
#include "tools/donnees/LigneCategorie.h"
#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/MotsSansArticle.h"
#include "tools/donnees/OrdreFormes.h"
#include "tools/donnees/OrdreHomographes.h"
#include "tools/donnees/SourcesChargees.h"

namespace {

Article Nouvel(const std::string& mot, const std::string& categorie) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    article.sens.push_back(Sens{"D\xE9" "finition.", {}});
    return article;
}

std::string Ecrire(const std::string& nom, const std::string& contenu) {
    const std::filesystem::path dossier = std::filesystem::temp_directory_path() / "vocalia_vedettes";
    std::filesystem::create_directories(dossier);
    const std::string chemin = (dossier / nom).string();
    std::ofstream(chemin, std::ios::binary) << contenu;
    return chemin;
}

const Article* Trouver(const std::vector<Article>& articles, const std::string& mot) {
    for (const Article& a : articles)
        if (a.mot == mot) return &a;
    return nullptr;
}

// A miniature spelling dictionary (UTF-8, as the real one): verbs with their
// present, past and present participles; "blâme" and "signe" nouns that are
// also verb forms, "gagnant" an adjective and noun that is also a participle.
const char* const Affixes =
    "SET UTF-8\nFLAG long\nNEEDAFFIX ()\n"
    "SFX S. Y 2\nSFX S. 0 0 [^sxz] is:sg\nSFX S. 0 s [^sxz] is:pl\n"
    "SFX a1 Y 4\nSFX a1 er er er po:infi\nSFX a1 er e er po:ipre po:1sg po:3sg\n"
    "SFX a1 er \xC3\xA9 er po:ppas is:mas is:sg\nSFX a1 er ant er po:ppre\n";
const char* const Entrees =
    "6\n"
    "bl\xC3\xA2mer/a1() po:v1_it_a\n"
    "bl\xC3\xA2me/S.() po:nom is:mas\n"
    "gagner/a1() po:v1_it_a\n"
    "gagnant/S.() po:nom po:adj\n"
    "signer/a1() po:v1_it_a\n"
    "signe/S.() po:nom is:mas\n";
const char* const Synonymes =
    "UTF-8\n"
    "bl\xC3\xA2me|1\n(Nom)|reproche|r\xC3\xA9primande\n"
    "gagnant|1\n(Nom)|vainqueur\n";

}  // namespace

// The Littré has the verbs only. "blâme" gets an article (with the
// thesaurus's synonyms), "signe" one without definition; both end with a
// sense naming the verb and lose their place in the index. "gagnant", the
// verb's participle, keeps leading to it.
TEST(VedettesPropres, UnLemmeAvantLaFormeDUneAutreVedetteSaufLeParticipe) {
    SourcesEnrichissement sources;
    sources.hunspellAff = Ecrire("fr.aff", Affixes);
    sources.hunspellDic = Ecrire("fr.dic", Entrees);
    sources.thesaurus = Ecrire("thes_fr.dat", Synonymes);
    sources.verbisteVerbes = sources.verbisteConjugaisons = "/nonexistent/verbiste.xml";
    sources.communes.clear();
    std::vector<Article> articles = {Nouvel("bl\xE2mer", "VERBE"), Nouvel("gagner", "VERBE"),
                                     Nouvel("signer", "VERBE")};
    std::map<std::string, std::vector<std::string>> index;
    SourcesChargees lues;
    ChargerEnrichissement(sources, lues);
    Enrichir(articles, index, lues.Enrichissement());

    const Article* blame = Trouver(articles, "bl\xE2me");
    ASSERT_NE(blame, nullptr);
    EXPECT_EQ(blame->categorie, "NOM");
    EXPECT_EQ(blame->attributs.at(CleGenre), "masculin");
    ASSERT_EQ(blame->sens.size(), 2u);
    EXPECT_EQ(blame->sens[0].definition, "Seuls des synonymes de ce mot sont connus : reproche, r\xE9primande.");
    EXPECT_EQ(blame->sens[1].definition, "Voir aussi : bl\xE2mer.");
    const Article* signe = Trouver(articles, "signe");
    ASSERT_NE(signe, nullptr);
    ASSERT_EQ(signe->sens.size(), 2u);
    EXPECT_EQ(signe->sens[0].definition, SensMotSansArticle);
    EXPECT_EQ(signe->sens[1].definition, "Voir aussi : signer.");
    EXPECT_EQ(Trouver(articles, "gagnant"), nullptr);

    EXPECT_EQ(index.count("bl\xE2me"), 0u);
    EXPECT_EQ(index.count("signe"), 0u);
    EXPECT_EQ(index["bl\xE2mes"], (std::vector<std::string>{"bl\xE2me"}));
    EXPECT_EQ(index["gagnant"], (std::vector<std::string>{"gagner"}));
    EXPECT_EQ(index["bl\xE2m\xE9"], (std::vector<std::string>{"bl\xE2mer"}));
}

// The same on the words without any source's definition, with the forms
// given by hand: a plural the spelling dictionary lists as a word of its own
// ("mesdames") still leads to its singular.
TEST(VedettesPropres, LesPlurielsDUneVedetteRestentSesFormes) {
    DictionnaireHunspell hunspell;
    ASSERT_TRUE(hunspell.LireAffixes(Affixes));
    ASSERT_TRUE(hunspell.LireEntrees("2\nbl\xC3\xA2me/S.() po:nom is:mas\nmesdames po:nom is:fem is:pl\n"));
    TableFlexions flexions;
    flexions.AjouterHunspell(hunspell);
    FormeFlechie mesdames;
    mesdames.forme = "mesdames";
    mesdames.singulier = false;
    flexions.AjouterForme("madame", "NOM", mesdames);
    FormeFlechie blame;
    blame.forme = "bl\xE2me";
    blame.temps = {"ipre"};
    blame.personnes = {"1sg", "3sg"};
    flexions.AjouterForme("bl\xE2mer", "VERBE", blame);
    flexions.IndexerParticipes();
    const AjoutsMotsSansArticle ajouts = ArticlesMotsSansArticle(
        hunspell, flexions, {}, {Nouvel("bl\xE2mer", "VERBE"), Nouvel("madame", "NOM")}, {});
    ASSERT_EQ(ajouts.articles.size(), 1u);
    EXPECT_EQ(ajouts.articles[0].mot, "bl\xE2me");
    ASSERT_EQ(ajouts.articles[0].sens.size(), 2u);
    EXPECT_EQ(ajouts.articles[0].sens[1].definition, "Voir aussi : bl\xE2mer.");
}

TEST(VedettesPropres, LeSensVoirAussiNommeChaqueVedette) {
    EXPECT_TRUE(SensVoirAussi({}).empty());
    const std::vector<Sens> sens = SensVoirAussi({"porter", "portier"});
    ASSERT_EQ(sens.size(), 1u);
    EXPECT_EQ(sens[0].definition, "Voir aussi : porter, portier.");
    EXPECT_TRUE(sens[0].exemples.empty());
}

// "suis" is "être" before "suivre" and "sommes" before "somme" whatever
// their figures; "venons" is the commoner "venir" before "vener"; equal
// figures and fixed forms keep their order.
TEST(OrdreFormes, LesVerbesCourantsPuisLesPlusCourants) {
    std::map<std::string, std::vector<std::string>> index = {
        {"suis", {"suivre", "\xEAtre"}},
        {"sommes", {"somme", "\xEAtre"}},
        {"venons", {"vener", "venir"}},
        {"vis", {"vivre", "voir", "visser"}},
        {"pareils", {"pareil", "pareille"}},
        {"coeur", {"choeur", "c\x9C" "ur"}},
        {"seul", {"seul"}},
    };
    const std::unordered_map<std::string, std::uint32_t> frequences = {
        {"suivre", 4000}, {"\xEAtre", 120000}, {"somme", 900000}, {"vener", 2}, {"venir", 7000},
        {"vivre", 3000},  {"voir", 10},        {"visser", 5},     {"pareil", 40}, {"pareille", 40},
        {"choeur", 900},  {"c\x9C" "ur", 10}};
    OrdonnerIndexFlexions(index, frequences, {"coeur"});
    EXPECT_EQ(index["suis"], (std::vector<std::string>{"\xEAtre", "suivre"}));
    EXPECT_EQ(index["sommes"], (std::vector<std::string>{"\xEAtre", "somme"}));
    EXPECT_EQ(index["venons"], (std::vector<std::string>{"venir", "vener"}));
    EXPECT_EQ(index["vis"], (std::vector<std::string>{"voir", "vivre", "visser"}));
    EXPECT_EQ(index["pareils"], (std::vector<std::string>{"pareil", "pareille"}));
    EXPECT_EQ(index["coeur"], (std::vector<std::string>{"choeur", "c\x9C" "ur"}));
    // A reading's weight: "sales" is far more often the adjective's plural
    // than the second person of "saler", however common the verb.
    std::map<std::string, std::vector<std::string>> sales = {{"sales", {"saler", "sale"}}, {"sale", {"saler"}}};
    OrdonnerIndexFlexions(sales, {{"saler", 5000}, {"sale", 800}}, {}, {{"sales", {{"saler", 0.05f}, {"sale", 0.6f}}}});
    EXPECT_EQ(sales["sales"], (std::vector<std::string>{"sale", "saler"}));
    // The commonest verbs among themselves: in the table's order.
    std::map<std::string, std::vector<std::string>> verbes = {{"x", {"dire", "voir", "avoir", "\xEAtre"}}};
    OrdonnerIndexFlexions(verbes, {});
    EXPECT_EQ(verbes["x"], (std::vector<std::string>{"\xEAtre", "avoir", "voir", "dire"}));
}

// "le bien", "du bien": the noun; "très bien", "bien fait": the adverb.
TEST(OrdreHomographes, EmploisDuTexteApresUnDeterminantOuAilleurs) {
    const std::vector<Article> articles = {
        Nouvel("bien", "NOM"),
        Nouvel("bien", "ADVERBE ET NOM"),
        [] {
            Article a = Nouvel("faire", "VERBE");
            a.sens[0] = Sens{"Faire le bien. C'est bien fait, tr\xE8s bien ; l'homme de bien.",
                             {"Il va bien, bien mieux ; un bien pour un mal."}};
            return a;
        }(),
        Nouvel("mal", "ADJECTIF, NOM ET ADVERBE"),
    };
    EXPECT_EQ(MotsAEmploisPartages(articles), (std::unordered_set<std::string>{"bien", "mal"}));
    EXPECT_EQ(EmploiDe("ADVERBE ET NOM"), Emploi::Invariable);
    EXPECT_EQ(EmploiDe("NOM, ADVERBE ET ADJECTIF"), Emploi::Nom);
    EXPECT_EQ(EmploiDe("ADJECTIF ET NOM"), Emploi::Autre);
    EXPECT_EQ(EmploiDe("PARTICIPE PASS\xC9"), Emploi::Autre);
    const EmploisParMot emplois = CompterEmplois(articles, articles.size(), {"bien", "mal"});
    EXPECT_EQ(emplois.at("bien").nominaux, 2u);  // le bien, un bien
    EXPECT_EQ(emplois.at("bien").autres, 5u);
    EXPECT_EQ(emplois.at("mal").nominaux, 1u);  // un mal
    EXPECT_EQ(emplois.at("mal").autres, 0u);
}

// Both readings of "bien" are the spelling dictionary's: the text decides.
// "son" keeps the possessive first, whatever the text says; a noun and an
// adjective ("aune") keep the Littré's order, since an adjective stands
// without a determiner as often as a noun does.
TEST(OrdreHomographes, LaLectureLaPlusCouranteDAbordQuandHunspellNeTranchePas) {
    LecturesHunspell lectures;
    lectures.AjouterEntree("bien", "po:adv");
    lectures.AjouterEntree("bien", "po:nom is:mas");
    lectures.AjouterEntree("son", "po:mg po:detpos is:epi is:sg");
    lectures.AjouterEntree("son", "po:nom is:mas");
    lectures.AjouterEntree("aune", "po:nom is:fem");
    lectures.AjouterEntree("aune", "po:adj");
    std::vector<Article> articles = {Nouvel("aune", "NOM"), Nouvel("aune", "ADJECTIF"),
                                     Nouvel("bien", "NOM"), Nouvel("bien", "ADVERBE ET NOM"),
                                     Nouvel("son", "NOM"),  Nouvel("son", "ADJECTIF")};
    const EmploisParMot emplois = {{"bien", {120, 9000}}, {"son", {5000, 10}}, {"aune", {1, 9000}}};
    OrdonnerHomographes(articles, lectures, emplois);
    std::vector<std::string> ordre;
    for (const Article& a : articles) ordre.push_back(a.mot + " " + a.categorie);
    EXPECT_EQ(ordre, (std::vector<std::string>{"aune NOM", "aune ADJECTIF", "bien ADVERBE ET NOM", "bien NOM",
                                               "son ADJECTIF", "son NOM"}));
    // A noun the text uses mostly after a determiner stays first.
    std::vector<Article> nom = {Nouvel("bien", "NOM"), Nouvel("bien", "ADVERBE ET NOM")};
    OrdonnerHomographes(nom, lectures, {{"bien", {9000, 120}}});
    EXPECT_EQ(nom[0].categorie, "NOM");
}

TEST(LigneCategorie, LaLectureConfirmeeEtCouranteDAbord) {
    LecturesHunspell lectures;
    lectures.AjouterEntree("mal", "po:adv");
    lectures.AjouterEntree("mal", "po:nom is:mas");
    lectures.AjouterEntree("trop", "po:adv");
    lectures.AjouterEntree("fier", "po:adj");
    lectures.AjouterEntree("fier", "po:nom");
    const LectureHunspell& mal = *lectures.Lecture("mal");
    const EmploisLittre nominal{900, 100}, adverbial{100, 900};
    EXPECT_EQ(CategorieOrdonnee("ADJECTIF, NOM ET ADVERBE", mal, &nominal), "NOM, ADVERBE ET ADJECTIF");
    EXPECT_EQ(CategorieOrdonnee("ADJECTIF, NOM ET ADVERBE", mal, &adverbial), "ADVERBE, NOM ET ADJECTIF");
    EXPECT_EQ(CategorieOrdonnee("NOM ET ADVERBE", *lectures.Lecture("trop"), nullptr), "ADVERBE ET NOM");
    // A noun and an adjective confirmed: their order stays, whatever the uses.
    lectures.AjouterEntree("mal", "po:adj");
    EXPECT_EQ(CategorieOrdonnee("INTERJECTION, ADJECTIF ET NOM", *lectures.Lecture("mal"), &nominal),
              "ADJECTIF, NOM ET INTERJECTION");
    // Left as they are: a confirmed first reading, a line with no confirmed
    // reading, a verb's line, a line that is no plain list.
    EXPECT_EQ(CategorieOrdonnee("ADJECTIF ET NOM", *lectures.Lecture("fier"), nullptr), "ADJECTIF ET NOM");
    EXPECT_EQ(CategorieOrdonnee("PR\xC9POSITION ET CONJONCTION", mal, nullptr), "PR\xC9POSITION ET CONJONCTION");
    EXPECT_EQ(CategorieOrdonnee("ADJECTIF ET VERBE", mal, nullptr), "ADJECTIF ET VERBE");
    EXPECT_EQ(CategorieOrdonnee("LOCUTION ADVERBIALE ET NOM", mal, nullptr), "LOCUTION ADVERBIALE ET NOM");
    EXPECT_EQ(PartiesCategorie("ADJECTIF, NOM ET ADVERBE"),
              (std::vector<std::string>{"ADJECTIF", "NOM", "ADVERBE"}));
    EXPECT_EQ(JoindreCategorie({"NOM", "ADVERBE"}), "NOM ET ADVERBE");
}

TEST(LigneCategorie, UnFragmentFinalNEstPasDeLaLigne) {
    struct Cas {
        const char* categorie;
        const char* remarque;
        bool fragment;
    } const cas[] = {
        {"ADVERBE ET NOM", "de temps", true},  {"ADVERBE", "de lieu", true},
        {"ADVERBE", ")", true},                {"NOM", ")", true},
        {"PARTICIPE PASS\xC9", "de v\xEAtir", false}, {"ADJECTIF", "des deux genres", false},
        {"NOM", "de temps", false},            {"ADVERBE", "Terme de marine.", false},
        {"ADVERBE", "de quelque mani\xE8re qu'on le prenne", false}, {"ADVERBE", "", false},
    };
    for (const Cas& c : cas) EXPECT_EQ(FragmentDeCategorie(c.categorie, c.remarque), c.fragment) << c.remarque;

    LecturesHunspell lectures;
    lectures.AjouterEntree("tard", "po:adv");
    lectures.AjouterEntree("mal", "po:adv");
    lectures.AjouterEntree("mal", "po:nom is:mas");
    std::vector<Article> articles = {Nouvel("tard", "ADVERBE ET NOM"), Nouvel("mal", "ADJECTIF, NOM ET ADVERBE")};
    articles[0].attributs[ATTRIBUT_REMARQUE] = "de temps";
    articles[0].attributs[ATTRIBUT_PRONONCIATION] = "(tar ; le d no se lie jamais)";
    articles[1].attributs[ATTRIBUT_FEMININ] = "f\xE9m. male";
    const BilanLignesCategorie bilan = OrdonnerLignesCategorie(articles, lectures, {{"mal", {10, 50}}});
    EXPECT_EQ(bilan.fragments, 1u);
    EXPECT_EQ(bilan.reordonnees, 1u);
    EXPECT_EQ(articles[0].attributs.count(ATTRIBUT_REMARQUE), 0u);
    // The source's own typo in the pronunciation stays as it is.
    EXPECT_EQ(articles[0].attributs.at(ATTRIBUT_PRONONCIATION), "(tar ; le d no se lie jamais)");
    EXPECT_EQ(articles[1].categorie, "ADVERBE, NOM ET ADJECTIF");
    EXPECT_EQ(articles[1].attributs.at(ATTRIBUT_FEMININ), "f\xE9m. male");
}

TEST(OrdreFormes, LePoidsDUneLecture) {
    FormeFlechie pluriel;
    pluriel.forme = "sales";
    pluriel.singulier = false;
    EXPECT_FLOAT_EQ(PoidsLecture("ADJECTIF", pluriel), 0.6f);
    FormeFlechie singulier;
    singulier.forme = "sale";
    EXPECT_FLOAT_EQ(PoidsLecture("NOM", singulier), 1.0f);
    struct Cas {
        std::vector<std::string> temps, personnes;
        float poids;
    } const cas[] = {
        {{"infi"}, {}, 1.0f},           {{"ipre"}, {"3sg"}, 1.0f},        {{"ipre"}, {"2sg"}, 0.05f},
        {{"ipre"}, {"1sg", "2sg"}, 0.3f}, {{"iimp"}, {"1sg", "2sg"}, 0.12f}, {{"ipre", "spre"}, {"1pl"}, 0.15f},
        {{"simp"}, {"3sg"}, 0.01f},     {{"ppas"}, {}, 0.8f},
    };
    for (const Cas& c : cas) {
        FormeFlechie forme;
        forme.temps = c.temps;
        forme.personnes = c.personnes;
        EXPECT_FLOAT_EQ(PoidsLecture("VERBE", forme), c.poids) << c.temps[0];
    }
}
