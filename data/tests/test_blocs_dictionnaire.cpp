// The main dictionary as blocks: a lookup inflates only the blocks it needs,
// keeps a bounded number of them, and a damaged block costs only its articles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/BlocsDictionnaire.h"
#include "data/ClesDonnees.h"
#include "data/ConteneurUnites.h"
#include "data/Dictionnaire.h"

namespace {

using Octets = std::vector<unsigned char>;

// Small blocks, so that a handful of articles spans several of them.
constexpr std::size_t PETIT_BLOC = 120;

Article Article3(const std::string& mot, const std::string& categorie, const std::string& definition) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    article.sens = {{definition, {"Exemple de " + mot + "."}}};
    return article;
}

// Headwords b00 .. b59 in French order; "b20" has four articles in a row.
std::vector<Article> Soixante() {
    std::vector<Article> articles;
    for (int i = 0; i < 60; ++i) {
        std::string mot = "b";
        mot += char('0' + i / 10);
        mot += char('0' + i % 10);
        const int copies = i == 20 ? 4 : 1;
        for (int c = 0; c < copies; ++c)
        {
            std::string definition = "Sens ";
            definition += std::to_string(c);
            definition += " de " + mot + ".";
            articles.push_back(Article3(mot, "NOM", definition));
        }
    }
    return articles;
}

std::uint32_t Mot32(const Octets& octets, std::size_t position) {
    return std::uint32_t(octets[position]) | std::uint32_t(octets[position + 1]) << 8 |
           std::uint32_t(octets[position + 2]) << 16 | std::uint32_t(octets[position + 3]) << 24;
}

// The offset of unit `u` in a payload of units.
std::size_t DebutUnite(const Octets& octets, std::size_t u) { return Mot32(octets, 8 + 4 * u); }

// `bon` with the byte at `position` flipped, opened (its layout and head
// stay sound); null when it does not open.
std::unique_ptr<DictionnairePrincipal> OuvrirAbime(const Octets& bon, std::size_t position, unsigned char masque) {
    Octets abime = bon;
    abime[position] ^= masque;
    auto dictionnaire = std::make_unique<DictionnairePrincipal>();
    if (!dictionnaire->OuvrirCopie(abime)) return nullptr;
    return dictionnaire;
}

void Ecrire32(Octets& octets, std::size_t position, std::uint32_t valeur) {
    for (int i = 0; i < 4; ++i) octets[position + std::size_t(i)] = static_cast<unsigned char>(valeur >> (8 * i));
}

}  // namespace

TEST(BlocsDictionnaire, ArticlesSpreadOverBlocksComeBackWhole) {
    const std::vector<Article> articles = Soixante();
    DictionnairePrincipal dictionnaire;
    ASSERT_TRUE(dictionnaire.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC)));
    EXPECT_GT(dictionnaire.NombreBlocs(), 10u);
    EXPECT_EQ(dictionnaire.NombreArticles(), articles.size());
    EXPECT_EQ(dictionnaire.TousLesArticles(), articles);
    // Opening reads the index only.
    EXPECT_EQ(dictionnaire.BlocsEnCache(), 0u);
    std::vector<std::string> titres;
    for (const Article& article : articles) titres.push_back(article.mot);
    EXPECT_EQ(dictionnaire.Titres(), titres);
}

TEST(BlocsDictionnaire, ARunOfEqualHeadwordsCrossesBlockBoundaries) {
    const std::vector<Article> articles = Soixante();
    DictionnairePrincipal dictionnaire;
    ASSERT_TRUE(dictionnaire.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC)));
    // Each record is about 50 bytes: the four b20 span at least two blocks.
    const std::vector<Article> b20 = dictionnaire.TrouverArticles("b20");
    ASSERT_EQ(b20.size(), 4u);
    for (std::size_t c = 0; c < b20.size(); ++c) EXPECT_EQ(b20[c], articles[20 + c]);
    EXPECT_GE(dictionnaire.BlocsEnCache(), 2u);
    EXPECT_EQ(dictionnaire.TrouverArticlesSequentiel("b20"), b20);
    // Every headword, whichever block it sits in, first and last included.
    for (std::size_t i = 0; i < articles.size(); ++i) {
        SCOPED_TRACE(articles[i].mot);
        const std::vector<Article> trouves = dictionnaire.TrouverArticles(articles[i].mot);
        ASSERT_FALSE(trouves.empty());
        EXPECT_NE(std::find(trouves.begin(), trouves.end(), articles[i]), trouves.end());
    }
    EXPECT_EQ(dictionnaire.TrouverArticles("b00"), std::vector<Article>{articles.front()});
    EXPECT_EQ(dictionnaire.TrouverArticles("b59"), std::vector<Article>{articles.back()});
    EXPECT_EQ(dictionnaire.ChercherPosition("b59").index, int(articles.size()) - 1);
    // The word list needs no block at all.
    DictionnairePrincipal autre;
    ASSERT_TRUE(autre.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC)));
    const FenetreListe fin = autre.FenetreMots("b59", 30, 20);
    EXPECT_EQ(fin.mots.back(), "b59");
    EXPECT_EQ(autre.FenetreMots("b00", 30, 20).mots.front(), "b00");
    EXPECT_EQ(autre.BlocsEnCache(), 0u);
}

TEST(BlocsDictionnaire, TheCacheKeepsAtMostItsCapacity) {
    const std::vector<Article> articles = Soixante();
    DictionnairePrincipal dictionnaire(2);
    ASSERT_TRUE(dictionnaire.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC)));
    ASSERT_GT(dictionnaire.NombreBlocs(), 4u);
    for (const char* mot : {"b00", "b30", "b59", "b45", "b10", "b00"}) {
        SCOPED_TRACE(mot);
        // A block that left the cache is read again, to the same articles.
        ASSERT_EQ(dictionnaire.TrouverArticles(mot).size(), 1u);
        EXPECT_LE(dictionnaire.BlocsEnCache(), 2u);
    }
    EXPECT_EQ(dictionnaire.BlocsEnCache(), 2u);
    // The full-text search goes through every block without filling the cache.
    testing::internal::CaptureStdout();
    EXPECT_EQ(dictionnaire.RechercherPleinTexte("de b4", false).size(), 10u);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(dictionnaire.BlocsEnCache(), 2u);

    CacheBlocs cache(3);
    for (std::size_t b = 0; b < 5; ++b) cache.Garder(b, std::make_shared<std::vector<Article>>());
    EXPECT_EQ(cache.Taille(), 3u);
    EXPECT_EQ(cache.Trouver(0), nullptr);
    EXPECT_EQ(cache.Trouver(1), nullptr);
    ASSERT_NE(cache.Trouver(2), nullptr);  // now the most recent: 3 leaves next
    cache.Garder(5, std::make_shared<std::vector<Article>>());
    EXPECT_EQ(cache.Trouver(3), nullptr);
    EXPECT_NE(cache.Trouver(2), nullptr);
    EXPECT_EQ(CacheBlocs(0).Capacite(), 1u);
}

TEST(BlocsDictionnaire, ADamagedBlockLosesOnlyItsOwnArticles) {
    const std::vector<Article> articles = Soixante();
    const Octets bon = EmballerDictionnaire("e", articles, PETIT_BLOC);
    DictionnairePrincipal sain;
    ASSERT_TRUE(sain.OuvrirCopie(bon));
    const std::size_t bloc = 3;
    const std::vector<Article> tous = sain.TousLesArticles();
    // Either unit of the block: its text, or the rest of its records.
    for (std::size_t unite : {UniteTexteBloc(bloc), UniteResteBloc(bloc, sain.NombreBlocs())}) {
        const std::size_t debut = DebutUnite(bon, unite), fin = DebutUnite(bon, unite + 1);
        ASSERT_LT(debut, fin);
        for (std::size_t position : {debut, (debut + fin) / 2, fin - 1}) {
            SCOPED_TRACE(testing::Message() << "unit " << unite << ", byte " << position);
            const std::unique_ptr<DictionnairePrincipal> abime = OuvrirAbime(bon, position, 0x20);
            ASSERT_NE(abime, nullptr);
            const std::vector<Article> restants = abime->TousLesArticles();
            EXPECT_LT(restants.size(), tous.size());
            EXPECT_GT(restants.size(), tous.size() / 2);
            std::size_t perdus = 0;
            for (const Article& article : tous) {
                const std::vector<Article> trouves = abime->TrouverArticles(article.mot);
                if (std::find(trouves.begin(), trouves.end(), article) == trouves.end()) ++perdus;
            }
            EXPECT_EQ(perdus, tous.size() - restants.size());
            // A search of the examples reads both units: the block is refused there too.
            testing::internal::CaptureStdout();
            EXPECT_EQ(abime->RechercherPleinTexte("Exemple de b", true).size(), restants.size());
            testing::internal::GetCapturedStdout();
            // The word list still has every headword: it reads the index only.
            EXPECT_EQ(abime->Titres().size(), articles.size());
        }
    }
}

TEST(BlocsDictionnaire, ADamagedIndexOrLayoutLeavesTheDictionaryEmpty) {
    const std::vector<Article> articles = Soixante();
    const Octets bon = EmballerDictionnaire("bonne", articles, PETIT_BLOC);
    DictionnairePrincipal dictionnaire;
    ASSERT_TRUE(dictionnaire.OuvrirCopie(bon));
    std::vector<Octets> mauvais;
    Octets index = bon;
    index[DebutUnite(bon, 0) + 5] ^= 1;  // inside the index unit
    mauvais.push_back(index);
    Octets signature = bon;
    signature[0] = 'X';
    mauvais.push_back(signature);
    Octets desordre = bon;
    Ecrire32(desordre, 8 + 4 * 3, Mot32(bon, 8 + 4 * 1));  // unit 2 would end before it starts
    mauvais.push_back(desordre);
    Octets audela = bon;
    Ecrire32(audela, 8 + 4 * 2, std::uint32_t(bon.size() + 1));
    mauvais.push_back(audela);
    mauvais.push_back(Octets(bon.begin(), bon.begin() + long(bon.size()) - 1));  // last unit cut
    mauvais.push_back(Octets(bon.begin(), bon.begin() + 11));
    Octets nombre = bon;
    Ecrire32(nombre, 4, 0xFFFFFFFFu);
    mauvais.push_back(nombre);
    for (std::size_t i = 0; i < mauvais.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(dictionnaire.OuvrirCopie(mauvais[i]));
        EXPECT_EQ(dictionnaire.NombreArticles(), 0u);
        EXPECT_TRUE(dictionnaire.TrouverArticles("b00").empty());
        EXPECT_TRUE(dictionnaire.FenetreMots("b00").mots.empty());
        EXPECT_EQ(dictionnaire.Etiquette(), "bonne");  // as the last sound index left it
        ASSERT_TRUE(dictionnaire.OuvrirCopie(bon));
    }
    EXPECT_FALSE(dictionnaire.Ouvrir(nullptr, 0));
}

TEST(BlocsDictionnaire, FullTextSearchKeepsArticleOrderAcrossBlocks) {
    std::vector<Article> articles = Soixante();
    articles[3].sens.push_back({"Un mot rare ici.", {}});
    articles[22].sens.front().exemples = {"Le mot rare en exemple."};
    articles[57].sens.push_back({"Encore le mot rare.", {}});
    DictionnairePrincipal dictionnaire;
    ASSERT_TRUE(dictionnaire.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC)));
    testing::internal::CaptureStdout();
    EXPECT_EQ(dictionnaire.RechercherPleinTexte("mot rare", false), (std::vector<std::string>{"b03", "b54"}));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SENS: [Un mot rare ici.]\nSENS: [Encore le mot rare.]\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(dictionnaire.RechercherPleinTexte("mot rare", true),
              (std::vector<std::string>{"b03", "b20", "b54"}));
    testing::internal::GetCapturedStdout();
    // Every "Sens 0" definition: one per article of the 60 headwords.
    testing::internal::CaptureStdout();
    EXPECT_EQ(dictionnaire.RechercherPleinTexte("Sens 0", false).size(), 60u);
    testing::internal::GetCapturedStdout();
}

// Sections of 8 headwords: the 63 articles of Soixante() fill 8, the last one short of one.
constexpr std::size_t PETITE_SECTION = 8;

TEST(BlocsDictionnaire, HeadwordSectionsAreInflatedOnlyWhenRead) {
    const std::vector<Article> articles = Soixante();
    const Octets emballe = EmballerDictionnaire("e", articles, PETIT_BLOC, 3, PETITE_SECTION);
    ConteneurUnites conteneur;
    ASSERT_TRUE(conteneur.Ouvrir(emballe.data(), emballe.size()));
    IndexTitres index;
    ASSERT_TRUE(index.Lire(conteneur, CleDictionnaire(), IvDictionnaire()));
    EXPECT_EQ(index.Nombre(), articles.size());
    EXPECT_EQ(index.NombreSections(), 8u);
    EXPECT_EQ(index.SectionsLues(), 0u);
    // The first and last headword of a section, of the first and last section.
    for (std::size_t i : {0u, 7u, 8u, 15u, 16u, 55u, 56u, 62u}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(index.Titre(i), articles[i].mot);
        EXPECT_STREQ(index.C(i), articles[i].mot.c_str());
    }
    EXPECT_EQ(index.SectionsLues(), 5u);
    for (std::size_t i = 0; i < articles.size(); ++i) EXPECT_EQ(index.Titre(i), articles[i].mot);
    EXPECT_EQ(index.SectionsLues(), 8u);
    // A sound head without the units it describes is refused.
    Octets tete;
    ASSERT_TRUE(conteneur.LireUnite(0, CleDictionnaire(), IvDictionnaire().c_str(), tete));
    const Octets seule = EmballerUnites({tete}, CleDictionnaire(), IvDictionnaire().c_str(), 3);
    ConteneurUnites tronque;
    ASSERT_TRUE(tronque.Ouvrir(seule.data(), seule.size()));
    IndexTitres autre;
    EXPECT_FALSE(autre.Lire(tronque, CleDictionnaire(), IvDictionnaire()));
    EXPECT_EQ(autre.Nombre(), 0u);
    // A section size that is no power of two is refused by the writer.
    for (std::size_t taille : {0u, 3u, 7u, 1000u}) EXPECT_TRUE(EcrireIndexTitres("e", {"a", "b"}, {0}, taille).empty());
}

TEST(BlocsDictionnaire, LookupsDoNotDependOnTheSectionSize) {
    const std::vector<Article> articles = Soixante();
    DictionnairePrincipal entier, parHuit, parUn;
    ASSERT_TRUE(entier.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC, 3, 1024)));
    ASSERT_TRUE(parHuit.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC, 3, PETITE_SECTION)));
    ASSERT_TRUE(parUn.OuvrirCopie(EmballerDictionnaire("e", articles, PETIT_BLOC, 3, 1)));
    // Found (first, last, inside and across a run of equal headwords), before
    // the first, after the last, between two headwords.
    for (const char* mot : {"b00", "b07", "b08", "b20", "b21", "b59", "a", "c", "b205", "b5"}) {
        SCOPED_TRACE(mot);
        const PositionMot attendue = entier.ChercherPosition(mot);
        for (const DictionnairePrincipal* dictionnaire : {&parHuit, &parUn}) {
            const PositionMot position = dictionnaire->ChercherPosition(mot);
            EXPECT_EQ(position.trouve, attendue.trouve);
            EXPECT_EQ(position.index, attendue.index);
            EXPECT_EQ(position.apresDernier, attendue.apresDernier);
            EXPECT_EQ(position.insertion, attendue.insertion);
            EXPECT_EQ(dictionnaire->TrouverArticles(mot), entier.TrouverArticles(mot));
            const FenetreListe fenetre = dictionnaire->FenetreMots(mot, 5, 3), voulue = entier.FenetreMots(mot, 5, 3);
            EXPECT_EQ(fenetre.mots, voulue.mots);
            EXPECT_EQ(fenetre.selection, voulue.selection);
        }
    }
    EXPECT_EQ(parHuit.Titres(), entier.Titres());
}

TEST(BlocsDictionnaire, ADamagedHeadwordSectionLosesOnlyItsArticles) {
    const std::vector<Article> articles = Soixante();
    const Octets bon = EmballerDictionnaire("e", articles, PETIT_BLOC, 3, PETITE_SECTION);
    DictionnairePrincipal sain;
    ASSERT_TRUE(sain.OuvrirCopie(bon));
    const std::size_t blocs = sain.NombreBlocs();
    // Section 4 holds articles 32..39 (b29..b36); the blocks they share with
    // their neighbours lose what follows them.
    const std::size_t unite = UniteResteBloc(blocs - 1, blocs) + 1 + 4;  // the sections follow the blocks
    for (std::size_t position : {DebutUnite(bon, unite), DebutUnite(bon, unite + 1) - 1}) {
        SCOPED_TRACE(position);
        const std::unique_ptr<DictionnairePrincipal> abime = OuvrirAbime(bon, position, 0x10);
        ASSERT_NE(abime, nullptr);
        const DictionnairePrincipal& dictionnaire = *abime;  // read through its index only
        EXPECT_EQ(dictionnaire.Titres().size(), articles.size());
        for (std::size_t i = 0; i < articles.size(); ++i) {
            SCOPED_TRACE(articles[i].mot);
            const std::vector<Article> trouves = dictionnaire.TrouverArticles(articles[i].mot);
            const bool trouve = std::find(trouves.begin(), trouves.end(), articles[i]) != trouves.end();
            if (i >= 32 && i < 40) {
                EXPECT_FALSE(trouve && i != 32);  // its first headword stands for the others
            } else if (i < 24 || i >= 47) {
                EXPECT_TRUE(trouve);  // far from the section, in blocks it does not touch
            }
        }
        EXPECT_EQ(dictionnaire.TrouverArticles("b00"), std::vector<Article>{articles.front()});
        EXPECT_EQ(dictionnaire.TrouverArticles("b59"), std::vector<Article>{articles.back()});
    }
}

TEST(ConteneurUnites, EachUnitHasItsOwnKeystream) {
    const Octets unite(500, 'a');
    const Octets emballe = EmballerUnites({unite, unite}, CleDictionnaire(), IvDictionnaire().c_str(), 3);
    ConteneurUnites conteneur;
    ASSERT_TRUE(conteneur.Ouvrir(emballe.data(), emballe.size()));
    ASSERT_EQ(conteneur.NombreUnites(), 2u);
    const std::size_t taille0 = DebutUnite(emballe, 1) - DebutUnite(emballe, 0);
    ASSERT_EQ(taille0, DebutUnite(emballe, 2) - DebutUnite(emballe, 1));
    // Same bytes, same compression: only the keystream tells them apart.
    EXPECT_NE(Octets(emballe.begin() + long(DebutUnite(emballe, 0)), emballe.begin() + long(DebutUnite(emballe, 1))),
              Octets(emballe.begin() + long(DebutUnite(emballe, 1)), emballe.end()));
    Octets lu;
    for (std::size_t u = 0; u < 2; ++u) {
        ASSERT_TRUE(conteneur.LireUnite(u, CleDictionnaire(), IvDictionnaire().c_str(), lu));
        EXPECT_EQ(lu, unite);
    }
    EXPECT_FALSE(conteneur.LireUnite(2, CleDictionnaire(), IvDictionnaire().c_str(), lu));
    EXPECT_FALSE(conteneur.LireUnite(0, CleFlexions(), IvDictionnaire().c_str(), lu));  // another key
    EXPECT_TRUE(lu.empty());
    EXPECT_TRUE(EmballerUnites({unite, {}}, CleDictionnaire(), nullptr, 3).empty());
    const Octets vide = EmballerUnites({}, CleDictionnaire(), nullptr, 3);
    ASSERT_TRUE(conteneur.Ouvrir(vide.data(), vide.size()));
    EXPECT_EQ(conteneur.NombreUnites(), 0u);
}
