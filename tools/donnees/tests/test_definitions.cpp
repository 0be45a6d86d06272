// Vocalia's own definitions: the table's reader, on made-up blocks (UTF-8,
// as the table is written), and the articles the build makes of them, on a
// small made-up dictionary (Windows-1252) checked against a made-up hunspell.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/donnees/AuditDonnees.h"
#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/Communes.h"
#include "tools/donnees/DictionnaireLittre.h"
#include "tools/donnees/EtapeDefinitions.h"
#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/MotsSansArticle.h"
#include "tools/donnees/SourceDefinition.h"
#include "tools/donnees/TableDefinitions.h"

namespace {

struct Lecture {
    std::vector<BlocDefinition> blocs;
    std::vector<FauteDefinition> fautes;
};

Lecture Lire(const std::string& texte) {
    Lecture lecture;
    LireTableDefinitions(texte, "essai.txt", lecture.blocs, lecture.fautes);
    return lecture;
}

std::string Fautes(const std::vector<FauteDefinition>& fautes) {
    std::string texte;
    for (const FauteDefinition& f : fautes) texte += TexteFaute(f) + "\n";
    return texte;
}

TEST(TableDefinitions, UnBonBlocEtUnSensDAujourdhui) {
    const Lecture lecture = Lire(
        "# Définitions de Vocalia : un commentaire.\n"
        "== aéroport\n"
        "nom masculin\n"
        "1. Lieu aménagé pour le décollage et l'atterrissage des avions, avec ses bâtiments.\n"
        "   Ex. : Nous sommes arrivés à l'aéroport deux heures avant le départ.\n"
        "2. (familier) Ensemble des bâtiments où passent les voyageurs qui prennent l'avion.\n"
        "\n"
        "== camion | aujourd'hui\n"
        "nom masculin\n"
        "1. Gros véhicule automobile qui transporte des marchandises.\n"
        "   Ex. : Le camion de déménagement est garé devant chez nous !\n");
    EXPECT_EQ(Fautes(lecture.fautes), "");
    ASSERT_EQ(lecture.blocs.size(), 2u);
    const BlocDefinition& aeroport = lecture.blocs[0];
    EXPECT_EQ(aeroport.mot, "a\xE9roport");
    EXPECT_EQ(aeroport.fichier, "essai.txt");
    EXPECT_EQ(aeroport.ligne, 2u);
    EXPECT_FALSE(aeroport.aujourdhui);
    ASSERT_NE(aeroport.categorie, nullptr);
    EXPECT_STREQ(aeroport.categorie->categorie, "NOM");
    EXPECT_STREQ(aeroport.categorie->genre, "masculin");
    ASSERT_EQ(aeroport.sens.size(), 2u);
    EXPECT_EQ(aeroport.sens[0].definition,
              "Lieu am\xE9nag\xE9 pour le d\xE9" "collage et l'atterrissage des avions, avec ses b\xE2timents.");
    EXPECT_EQ(aeroport.sens[0].exemples,
              std::vector<std::string>{"Nous sommes arriv\xE9s \xE0 l'a\xE9roport deux heures avant le d\xE9part."});
    EXPECT_TRUE(aeroport.sens[1].exemples.empty());
    const BlocDefinition& camion = lecture.blocs[1];
    EXPECT_EQ(camion.mot, "camion");
    EXPECT_EQ(camion.ligne, 8u);
    EXPECT_TRUE(camion.aujourdhui);
    ASSERT_EQ(camion.sens.size(), 1u);
}

TEST(TableDefinitions, ChaqueCategorieDuTableau) {
    const struct {
        const char* ligne;
        const char* categorie;
        const char* genre;
        const char* nombre;
    } cas[] = {
        {"nom masculin", "NOM", "masculin", ""},
        {"nom f\xE9minin", "NOM", "f\xE9minin", ""},
        {"nom masculin et f\xE9minin", "NOM", "masculin et f\xE9minin", ""},
        {"nom masculin pluriel", "NOM", "masculin", "pluriel"},
        {"nom f\xE9minin pluriel", "NOM", "f\xE9minin", "pluriel"},
        {"adjectif", "ADJECTIF", "", ""},
        {"adjectif et nom", "ADJECTIF ET NOM", "", ""},
        {"verbe", "VERBE", "", ""},
        {"adverbe", "ADVERBE", "", ""},
        {"pr\xE9position", "PR\xC9POSITION", "", ""},
        {"conjonction", "CONJONCTION", "", ""},
        {"interjection", "INTERJECTION", "", ""},
        {"pronom", "PRONOM", "", ""},
        {"locution", "LOCUTION", "", ""},
    };
    for (const auto& c : cas) {
        const CategorieDefinition* trouvee = TrouverCategorieDefinition(c.ligne);
        ASSERT_NE(trouvee, nullptr) << c.ligne;
        EXPECT_STREQ(trouvee->categorie, c.categorie);
        EXPECT_STREQ(trouvee->genre, c.genre);
        EXPECT_STREQ(trouvee->nombre, c.nombre);
    }
    for (const char* autre : {"nom", "Nom masculin", "nom masculin ", "substantif", "verbe transitif", ""})
        EXPECT_EQ(TrouverCategorieDefinition(autre), nullptr) << autre;
}

// Each slip is refused with its line; the other blocks of the file still come.
TEST(TableDefinitions, LesBlocsMalFormesSontRefuses) {
    const std::string bon = "== bon\nadjectif\n1. Qui a les qualités qu'on attend.\n";
    const struct {
        const char* nom;
        std::string bloc;
        std::size_t ligne;  // in the block, 1 for its "== "
        const char* motif;
    } cas[] = {
        {"sans sens", "== vide\nnom masculin\n", 1, "sans aucun sens"},
        {"sans catégorie", "== seul\n", 1, "sans catégorie"},
        {"plus de 4 sens",
         "== trop\nverbe\n1. Faire un.\n2. Faire deux.\n3. Faire trois.\n4. Faire quatre.\n5. Faire cinq.\n", 1,
         "plus de 4 sens"},
        {"sens sans point", "== point\nnom masculin\n1. Signe qui finit la phrase\n", 3, "ne finit pas par un point"},
        {"sens vide", "== rien\nnom masculin\n1. \n", 3, "sens vide"},
        {"numéro sauté", "== saut\nnom masculin\n1. Premier sens.\n3. Troisième sens.\n", 4,
         "numéroté 3 au lieu de 2"},
        {"catégorie inconnue", "== chat\nsubstantif masculin\n1. Petit félin domestique.\n", 2,
         "catégorie inconnue « substantif masculin »"},
        {"exemple avant le sens", "== tôt\nadverbe\n   Ex. : Il part tôt.\n1. De bonne heure.\n", 3,
         "exemple avant tout sens"},
        {"deux exemples", "== tôt\nadverbe\n1. De bonne heure.\n   Ex. : Il part tôt.\n   Ex. : Elle vient tôt.\n", 5,
         "deux exemples"},
        {"exemple sans point", "== tôt\nadverbe\n1. De bonne heure.\n   Ex. : Il part tôt\n", 4,
         "l'exemple ne finit pas par un point"},
        {"marque inconnue", "== camion | demain\nnom masculin\n1. Véhicule de transport.\n", 1, "marque inconnue"},
        {"vedette vide", "== \nnom masculin\n1. Rien du tout.\n", 1, "vedette vide"},
        {"ligne inattendue", "== chat\nnom masculin\nPetit félin domestique.\n", 3, "ligne inattendue"},
        {"caractère hors de Windows-1252", "== flèche\nnom féminin\n1. Signe → qui montre.\n", 3, "Windows-1252"},
        {"octets qui ne sont pas de l'UTF-8", "== chat\nnom masculin\n1. F\xE9lin.\n", 3, "UTF-8"},
        {"pas de ligne vide entre deux blocs", "== chat\nnom masculin\n1. Félin domestique.\n== chien\n", 4,
         "pas de ligne vide"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        // A good block before and after: the fault's line is counted from the file's start.
        const Lecture lecture = Lire(bon + "\n" + c.bloc + "\n" + bon);
        ASSERT_FALSE(lecture.fautes.empty());
        EXPECT_EQ(lecture.fautes[0].ligne, c.ligne + 4) << Fautes(lecture.fautes);
        EXPECT_EQ(lecture.fautes[0].fichier, "essai.txt");
        EXPECT_NE(lecture.fautes[0].motif.find(c.motif), std::string::npos) << Fautes(lecture.fautes);
        ASSERT_GE(lecture.blocs.size(), 2u);
        EXPECT_EQ(lecture.blocs.front().mot, "bon");
        EXPECT_EQ(lecture.blocs.back().mot, "bon");
    }
    const Lecture horsBloc = Lire("Une ligne perdue.\n\n" + bon);
    ASSERT_EQ(horsBloc.fautes.size(), 1u);
    EXPECT_EQ(horsBloc.fautes[0].ligne, 1u);
    EXPECT_NE(horsBloc.fautes[0].motif.find("hors d'un bloc"), std::string::npos);
    EXPECT_EQ(TexteFaute(horsBloc.fautes[0]).rfind("essai.txt:1 : ", 0), 0u);
}

TEST(TableDefinitions, LesFichiersDuDossierSontLusDansLOrdreDeLeursNoms) {
    namespace fs = std::filesystem;
    const fs::path dossier = fs::temp_directory_path() / ("vocalia-definitions-" + std::to_string(::getpid()));
    fs::create_directories(dossier);
    const auto ecrire = [&](const char* nom, const std::string& texte) { std::ofstream(dossier / nom) << texte; };
    ecrire("b.txt", "== second\nadjectif\n1. Qui vient après le premier.\n");
    ecrire("a.txt", "\xEF\xBB\xBF== premier\nadjectif\n1. Qui vient avant tous les autres.\n");
    ecrire("notes.md", "== ignore\nadjectif\n");
    std::vector<BlocDefinition> blocs;
    std::vector<FauteDefinition> fautes;
    ChargerTableDefinitions(dossier.string(), blocs, fautes);
    EXPECT_EQ(Fautes(fautes), "");
    ASSERT_EQ(blocs.size(), 2u);
    EXPECT_EQ(blocs[0].mot, "premier");
    EXPECT_EQ(blocs[1].mot, "second");
    EXPECT_EQ(blocs[1].fichier, (dossier / "b.txt").string());
    fs::remove_all(dossier);
    blocs.clear();
    ChargerTableDefinitions(dossier.string(), blocs, fautes);
    EXPECT_TRUE(blocs.empty());
    EXPECT_TRUE(fautes.empty());
}

// The table as it is in the sources reads without a fault (the build also
// checks it against hunspell).
TEST(TableDefinitions, LaTableDuProjetSeLitSansFaute) {
    std::vector<BlocDefinition> blocs;
    std::vector<FauteDefinition> fautes;
    ChargerTableDefinitions(DOSSIER_DEFINITIONS, blocs, fautes);
    EXPECT_EQ(Fautes(fautes), "");
    EXPECT_FALSE(blocs.empty());
}

// --- the articles the build makes of them ---

LecturesHunspell Hunspell() {
    LecturesHunspell lectures;
    lectures.AjouterEntree("a\xE9roport", "po:nom is:mas");
    lectures.AjouterEntree("pizza", "po:nom is:fem");
    lectures.AjouterEntree("amiti\xE9", "po:nom is:fem");
    lectures.AjouterEntree("bl\xE2me", "po:nom is:mas");
    lectures.AjouterEntree("camion", "po:nom is:mas");
    lectures.AjouterEntree("maison", "po:nom is:fem");
    lectures.AjouterEntree("ordinateur", "po:nom is:mas");
    lectures.AjouterEntree("ordinateur", "po:adj is:mas");
    lectures.AjouterEntree("zapper", "po:v1_it___zz");
    lectures.AjouterEntree("internaute", "po:nom is:epi");
    lectures.AjouterEntree("bio", "po:adj is:epi");
    lectures.AjouterEntree("bio", "po:nom is:fem");
    return lectures;
}

Article Nouvel(const std::string& mot, const std::string& categorie, const std::string& genre,
               const std::vector<std::string>& sens) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    if (!genre.empty()) article.attributs[ATTRIBUT_GENRE] = genre;
    for (const std::string& s : sens) article.sens.push_back(Sens{s, {}});
    return article;
}

// Sorted as the build leaves them.
std::vector<Article> Dictionnaire() {
    std::vector<Article> articles = {
        Nouvel("a\xE9roport", "NOM", "masculin", {std::string(DebutSensSynonymesSeuls) + "a\xE9rodrome, a\xE9rogare."}),
        Nouvel("amiti\xE9", "NOM", "f\xE9minin", {SensMotSansArticle}),
        Nouvel("bl\xE2me", "NOM", "masculin", {SensMotSansArticle, "Voir aussi : bl\xE2mer."}),
        Nouvel("camion", "NOM", "masculin", {"\xC9pingle tr\xE8s petite."}),
        Nouvel("camion", "NOM", "masculin", {"Charrette dont les roues ont tr\xE8s peu de hauteur."}),
        Nouvel("maison", "NOM", "f\xE9minin", {"B\xE2timent d'habitation."}),
        Nouvel("ordinateur", "ADJECTIF ET NOM", "", {"Qui met l'ordre."}),
        Nouvel("ordinateur", "NOM", "masculin", {std::string(DebutSensSynonymesSeuls) + "calculateur."}),
        Nouvel("pizza", "NOM", "f\xE9minin", {std::string(DebutSensSynonymesSeuls) + "pissalad\xE8re."}),
    };
    articles[0].synonymes = "a\xE9rodrome, a\xE9rogare, terminal";
    articles[0].flexions = "pluriel : a\xE9roports";
    articles[3].attributs[ATTRIBUT_PRONONCIATION] = "(ka-mi-on)";
    articles[3].flexions = "pluriel : camions";
    articles[3].etymologie = "Origine inconnue.";
    articles[3].sens[0].exemples = {"Vous me pr\xE9sentez un camion, P. DE KOCK"};
    return articles;
}

const std::string Table =
    "== aéroport\n"
    "nom masculin\n"
    "1. Lieu aménagé où décollent et atterrissent les avions qui transportent des voyageurs.\n"
    "   Ex. : Nous partons de l'aéroport à midi.\n"
    "\n"
    "== pizza\n"
    "nom féminin\n"
    "1. Galette de pâte à pain garnie de tomate et de fromage, cuite au four.\n"
    "\n"
    "== amitié\n"
    "nom féminin\n"
    "1. Affection réciproque entre deux personnes qui ne tient ni au sang ni à l'amour.\n"
    "   Ex. : Leur amitié dure depuis l'école.\n"
    "\n"
    "== blâme\n"
    "nom masculin\n"
    "1. Jugement par lequel on désapprouve quelqu'un ou ses actes.\n"
    "\n"
    "== camion | aujourd'hui\n"
    "nom masculin\n"
    "1. Gros véhicule automobile destiné au transport des marchandises.\n"
    "   Ex. : Un camion bloque la rue.\n"
    "2. Contenu d'un tel véhicule.\n"
    "\n"
    "== ordinateur\n"
    "nom masculin\n"
    "1. Machine électronique qui traite des informations selon des programmes.\n"
    "\n"
    "== zapper\n"
    "verbe\n"
    "1. Passer sans cesse d'une chaîne de télévision à une autre.\n";

std::vector<BlocDefinition> Blocs(const std::string& texte) {
    const Lecture lecture = Lire(texte);
    EXPECT_EQ(Fautes(lecture.fautes), "");
    return lecture.blocs;
}

const Article* Trouver(const std::vector<Article>& articles, const std::string& mot, std::size_t rang = 0) {
    for (const Article& a : articles)
        if (a.mot == mot && rang-- == 0) return &a;
    return nullptr;
}

std::size_t Nombre(const std::vector<Article>& articles, const std::string& mot) {
    std::size_t n = 0;
    for (const Article& a : articles) n += a.mot == mot;
    return n;
}

TEST(EtapeDefinitions, LesMotsSansDefinitionPrennentLaNotreEtLeLittreResteSeul) {
    const std::vector<Article> avant = Dictionnaire();
    std::vector<Article> articles = avant;
    const BilanDefinitions bilan = AppliquerDefinitions(articles, Blocs(Table), Hunspell());
    EXPECT_EQ(Fautes(bilan.fautes), "");
    EXPECT_EQ(bilan.blocs, 7u);
    EXPECT_EQ(bilan.completes, 5u);  // aéroport, pizza, amitié, blâme, ordinateur
    EXPECT_EQ(bilan.devantLittre, 1u);
    EXPECT_EQ(bilan.nouveaux, 1u);  // zapper
    EXPECT_EQ(PremiereRuptureOrdre(articles), articles.size());

    // The modern word: our sense in place of the "no definition" one, the
    // rest as it was, and the label on the category line.
    const Article* aeroport = Trouver(articles, "a\xE9roport");
    ASSERT_NE(aeroport, nullptr);
    ASSERT_EQ(aeroport->sens.size(), 1u);
    EXPECT_EQ(aeroport->sens[0].definition.rfind("Lieu am\xE9nag\xE9", 0), 0u);
    EXPECT_EQ(aeroport->sens[0].exemples.size(), 1u);
    EXPECT_EQ(aeroport->attributs.at(ATTRIBUT_SOURCE), TEXTE_SOURCE_VOCALIA);
    EXPECT_EQ(aeroport->attributs.at(ATTRIBUT_GENRE), "masculin");
    EXPECT_EQ(aeroport->synonymes, avant[0].synonymes);
    EXPECT_EQ(aeroport->flexions, avant[0].flexions);
    EXPECT_EQ(SourceDeDefinition(*aeroport), SourceDefinition::Vocalia);
    // The synonyms that only the replaced sense named move to the synonyms.
    EXPECT_EQ(Trouver(articles, "pizza")->synonymes, "pissalad\xE8re");
    // A lost name's article: ours, then the cross-reference it had.
    const Article* blame = Trouver(articles, "bl\xE2me");
    ASSERT_EQ(blame->sens.size(), 2u);
    EXPECT_EQ(blame->sens[1].definition, "Voir aussi : bl\xE2mer.");
    EXPECT_EQ(Trouver(articles, "amiti\xE9")->attributs.at(ATTRIBUT_SOURCE), TEXTE_SOURCE_VOCALIA);

    // Today's meaning first, then the Littré's articles exactly as they were.
    ASSERT_EQ(Nombre(articles, "camion"), 3u);
    const Article* aujourdhui = Trouver(articles, "camion");
    EXPECT_EQ(aujourdhui->sens.size(), 2u);
    EXPECT_EQ(aujourdhui->sens[0].definition.rfind("Gros v\xE9hicule", 0), 0u);
    EXPECT_EQ(aujourdhui->attributs.at(ATTRIBUT_SOURCE), TEXTE_SOURCE_VOCALIA);
    EXPECT_EQ(aujourdhui->flexions, "pluriel : camions");
    EXPECT_TRUE(aujourdhui->etymologie.empty());
    EXPECT_EQ(*Trouver(articles, "camion", 1), avant[3]);
    EXPECT_EQ(*Trouver(articles, "camion", 2), avant[4]);

    // A word the table does not name is untouched and alone.
    ASSERT_EQ(Nombre(articles, "maison"), 1u);
    EXPECT_EQ(*Trouver(articles, "maison"), avant[5]);
    // The Littré's adjective stays; the noun without definition took ours.
    EXPECT_EQ(*Trouver(articles, "ordinateur"), avant[6]);
    EXPECT_EQ(Trouver(articles, "ordinateur", 1)->attributs.at(ATTRIBUT_SOURCE), TEXTE_SOURCE_VOCALIA);
    // A word hunspell knows with no article at all gets one, in its place.
    const Article* zapper = Trouver(articles, "zapper");
    ASSERT_NE(zapper, nullptr);
    EXPECT_EQ(zapper->categorie, "VERBE");
    EXPECT_EQ(&articles.back(), zapper);
}

// Before the lost names have articles of their own, "amitié" is a modern
// word's; once they do, a block marked as today's meaning still finds no
// Littré article: either way ours is its definition, with no other article.
TEST(EtapeDefinitions, UnNomPerduSansArticleDuLittreEstUnMotSansDefinition) {
    std::vector<Article> articles = {
        Nouvel("amiti\xE9", "NOM", "f\xE9minin", {SensMotSansArticle, "Voir aussi : amiti\xE9s."})};
    const BilanDefinitions bilan = AppliquerDefinitions(
        articles,
        Blocs("== amitié | aujourd'hui\nnom féminin\n1. Affection durable entre des personnes qui se choisissent.\n"),
        Hunspell());
    EXPECT_EQ(Fautes(bilan.fautes), "");
    EXPECT_EQ(bilan.completes, 1u);
    EXPECT_EQ(bilan.aujourdhuiSansLittre, 1u);
    ASSERT_EQ(articles.size(), 1u);
    EXPECT_EQ(articles[0].sens.size(), 2u);
    EXPECT_EQ(SourceDeDefinition(articles[0]), SourceDefinition::Vocalia);
}

// Today's meaning of a word whose modern article waits beside the Littré's:
// that article takes ours and opens the word. A second category of a word
// that only we define comes after the first.
TEST(EtapeDefinitions, UnArticleSansDefinitionPrendLeSensDAujourdhuiEtPasseEnTete) {
    std::vector<Article> articles = {
        Nouvel("bio", "ADJECTIF", "", {SensMotSansArticle}),
        Nouvel("ordinateur", "ADJECTIF ET NOM", "", {"Qui met l'ordre."}),
        Nouvel("ordinateur", "NOM", "masculin", {std::string(DebutSensSynonymesSeuls) + "calculateur."}),
    };
    const Article littre = articles[1];
    const BilanDefinitions bilan = AppliquerDefinitions(
        articles,
        Blocs("== ordinateur | aujourd'hui\nnom masculin\n1. Machine électronique qui traite des données.\n\n"
              "== bio\nadjectif\n1. Qui est produit sans engrais ni pesticides de synthèse.\n\n"
              "== bio\nnom féminin\n1. (familier) Récit de la vie de quelqu'un.\n"),
        Hunspell());
    EXPECT_EQ(Fautes(bilan.fautes), "");
    EXPECT_EQ(bilan.devantLittre, 1u);
    EXPECT_EQ(bilan.completes, 1u);
    EXPECT_EQ(bilan.nouveaux, 1u);
    ASSERT_EQ(articles.size(), 4u);
    EXPECT_EQ(articles[0].categorie, "ADJECTIF");
    EXPECT_EQ(articles[1].mot, "bio");
    EXPECT_EQ(articles[1].attributs.at(ATTRIBUT_GENRE), "f\xE9minin");
    EXPECT_EQ(articles[2].mot, "ordinateur");
    EXPECT_EQ(articles[2].sens[0].definition.rfind("Machine", 0), 0u);
    EXPECT_EQ(articles[2].synonymes, "calculateur");
    EXPECT_EQ(articles[3], littre);
    EXPECT_EQ(PremiereRuptureOrdre(articles), articles.size());
}

TEST(EtapeDefinitions, LesBlocsQueHunspellOuLeLittreContreditSontRefuses) {
    const struct {
        const char* nom;
        std::string bloc;
        const char* motif;
    } cas[] = {
        {"mot inconnu de hunspell", "== aéroports\nnom masculin\n1. Pluriel mal venu d'un mot du tableau.\n",
         "inconnu de hunspell"},
        {"mauvais genre", "== pizza\nnom masculin\n1. Galette de pâte garnie et cuite au four.\n",
         "« nom masculin » contredit hunspell (NOM féminin)"},
        {"mauvaise catégorie", "== aéroport\nverbe\n1. Faire atterrir des avions quelque part.\n", "contredit hunspell"},
        {"les deux genres pour un nom qui n'en a qu'un",
         "== camion\nnom masculin et féminin\n1. Gros véhicule de transport.\n", "contredit hunspell"},
        {"article du Littré sans la marque", "== maison\nnom féminin\n1. Bâtiment où l'on habite.\n",
         "« maison » a un article du Littré"},
        {"catégorie que seul le Littré définit", "== ordinateur\nadjectif\n1. Qui met en ordre les choses.\n",
         "a un article du Littré"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::vector<Article> avant = Dictionnaire();
        std::vector<Article> articles = avant;
        const BilanDefinitions bilan = AppliquerDefinitions(articles, Blocs(c.bloc), Hunspell());
        ASSERT_EQ(bilan.fautes.size(), 1u);
        EXPECT_EQ(bilan.fautes[0].ligne, 1u);
        EXPECT_NE(bilan.fautes[0].motif.find(c.motif), std::string::npos) << bilan.fautes[0].motif;
        EXPECT_EQ(articles, avant);
    }
    // The same word twice in one category: the second names the first.
    std::vector<Article> articles = Dictionnaire();
    const std::string pizza = "== pizza\nnom féminin\n1. Galette de pâte garnie et cuite au four.\n";
    const BilanDefinitions bilan = AppliquerDefinitions(articles, Blocs(pizza + "\n" + pizza), Hunspell());
    ASSERT_EQ(bilan.fautes.size(), 1u);
    EXPECT_EQ(bilan.fautes[0].ligne, 5u);
    EXPECT_NE(bilan.fautes[0].motif.find("déjà défini dans cette catégorie en essai.txt:1"), std::string::npos);
    EXPECT_EQ(Nombre(articles, "pizza"), 1u);
}

TEST(EtapeDefinitions, LesGenresEtLesCategoriesQueHunspellPermet) {
    const LecturesHunspell lectures = Hunspell();
    const struct {
        const char* mot;
        const char* ligne;
        bool accordee;
    } cas[] = {
        {"internaute", "nom masculin et f\xE9minin", true},
        {"internaute", "nom f\xE9minin", true},
        {"camion", "nom masculin pluriel", true},
        {"camion", "nom f\xE9minin", false},
        {"ordinateur", "adjectif et nom", true},
        {"ordinateur", "adjectif", true},
        {"pizza", "adjectif et nom", false},
        {"zapper", "verbe", true},
        {"zapper", "adverbe", false},
        {"zapper", "locution", true},
    };
    for (const auto& c : cas) {
        const CategorieDefinition* categorie = TrouverCategorieDefinition(c.ligne);
        ASSERT_NE(categorie, nullptr);
        EXPECT_EQ(CategorieAccordee(*categorie, *lectures.Lecture(c.mot)), c.accordee) << c.mot << " " << c.ligne;
    }
}

TEST(EtapeDefinitions, LAuditCompteLesArticlesParSourceDeDefinition) {
    std::vector<Article> articles = Dictionnaire();
    Article commune = Nouvel("Lembeye", CategorieCommune, "", {"Commune fran\xE7" "aise du d\xE9partement (64)."});
    articles.insert(articles.begin(), commune);
    const auto compter = [](const std::vector<Article>& a) {
        return AuditerDonnees(a, [](const std::string&) { return true; }, Hunspell());
    };
    const Audit avant = compter(articles);
    EXPECT_EQ(avant.definisLittre, 4u);  // camion twice, maison, the adjective ordinateur
    EXPECT_EQ(avant.definisVocalia, 0u);
    EXPECT_EQ(avant.sansDefinition, 5u);
    EXPECT_EQ(avant.communes, 1u);
    AppliquerDefinitions(articles, Blocs(Table), Hunspell());
    const Audit apres = compter(articles);
    EXPECT_EQ(apres.definisLittre, 4u);
    EXPECT_EQ(apres.definisVocalia, 7u);
    EXPECT_EQ(apres.sansDefinition, 0u);
    EXPECT_EQ(apres.communes, 1u);
}

}  // namespace
