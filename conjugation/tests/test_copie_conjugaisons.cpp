#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "approx/tests/RessourcesEssai.h"
#include "conjugation/Conjugaison.h"
#include "conjugation/DossierPrive.h"
#include "conjugation/fenetre/TableauConjugaison.h"
#include "conjugation/fenetre/ZephJugaison.h"
#include "data/Ressources.h"
#include "database/IndexeurSecDB.h"
#include "database/tests/BaseEssai.h"
#include "lexique/tests/EnvironnementEssai.h"
#include "platform/dialogue/SansEcran.h"

// The copy of the conjugation database in the user's private folder. This
// executable registers a small database of the test as the embedded one.
namespace {

namespace fs = std::filesystem;

std::string LireFichier(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>());
}

void EcrireFichier(const std::string& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary | std::ios::trunc) << octets;
}

std::string Contenu(const std::string& texte, const std::string& verbe) {
    const std::vector<unsigned char> octets(texte.begin(), texte.end());
    const std::vector<unsigned char> emballe = EmballerDonnees(octets, true, true, verbe, nullptr);
    return std::string(emballe.begin(), emballe.end());
}

// The bytes of the database registered as the embedded one, made once.
const std::string& BaseEmbarquee() {
    static const std::string octets = [] {
        BaseEssai base("copie_conjugaisons_ressource");
        const bool faite =
            base.Executer("c.db", "CREATE TABLE ConjugaisonImage (hash BLOB, contenu BLOB);") &&
            base.InsererBlobs("c.db", "ConjugaisonImage",
                              {IndexeurSecDB::EmpreinteCle("verbe"), Contenu("ligne 1\nligne 2\r\nfin", "verbe")}) &&
            base.InsererBlobs("c.db", "ConjugaisonImage",
                              {IndexeurSecDB::EmpreinteCle("exact"),
                               Contenu(std::string(CAPACITE_TEXTE_CONJUGAISON, 'x'), "exact")});
        const std::string lus = faite ? LireFichier(base.Chemin("c.db")) : std::string();
        EnregistrerRessourceEssai(RESSOURCE_CONJUGAISONS, Octets(lus));
        return lus;
    }();
    return octets;
}

class CopieConjugaisons : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(BaseEmbarquee().empty());
        fs::create_directories(execution_);
        fs::permissions(execution_, fs::perms::owner_all);
        DefinirInterface(&interface_);
    }
    void TearDown() override { DefinirInterface(nullptr); }

    std::string Prive() const { return execution_ + "/vocalia"; }
    std::string Copie() const { return Prive() + "/" + NOM_COPIE_CONJUGAISONS; }
    std::vector<std::string> Contenus(const std::string& dossier) const {
        std::vector<std::string> noms;
        for (const fs::directory_entry& entree : fs::directory_iterator(dossier))
            noms.push_back(entree.path().filename().string());
        return noms;
    }
    // The verb shown, or the one event of a request that could not show it.
    bool Montrer(const std::string& verbe) {
        interface_.ViderJournal();
        testing::internal::CaptureStdout();
        const bool montre = ZephJugaison(verbe);
        traces_ = testing::internal::GetCapturedStdout();
        return montre;
    }

    BaseEssai base_{"copie_conjugaisons"};
    const std::string execution_ = base_.Chemin("execution");
    VariableEssai variableExecution_{"XDG_RUNTIME_DIR", execution_};
    VariableEssai variableCache_{"XDG_CACHE_HOME", base_.Chemin("cache")};
    InterfaceSansEcran interface_;
    std::string traces_;
};

TEST_F(CopieConjugaisons, WrittenInAPrivateFolderThenShown) {
    std::string chemin;
    ASSERT_TRUE(PreparerBaseConjugaisons(chemin));
    EXPECT_EQ(chemin, Copie());
    struct stat etat {};
    ASSERT_EQ(lstat(Prive().c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 0777, 0700u);
    EXPECT_EQ(LireFichier(Copie()), BaseEmbarquee());
    EXPECT_EQ(Contenus(Prive()), std::vector<std::string>{NOM_COPIE_CONJUGAISONS});  // no leftover

    TableauConjugaison* vu = nullptr;
    std::string titreVu, texteVu;
    interface_.DefinirPilote([&](Dialogue& dialogue) {
        vu = dynamic_cast<TableauConjugaison*>(&dialogue);
        titreVu = dialogue.Titre();
        texteVu = dialogue.TexteControle(IDC_TEXTE_CONJUGAISON);
        dialogue.Notifier(ID_OK, Notification::Clic);
    });
    ASSERT_TRUE(ZephJugaison("verbe"));
    ASSERT_NE(vu, nullptr);
    EXPECT_EQ(titreVu, "ZephJugaison - VERBE verbe");
    EXPECT_EQ(texteVu, "ligne 1\r\nligne 2\r\r\nfin");  // a stored CR LF becomes CR CR LF
    EXPECT_TRUE(interface_.Journal().empty());
}

TEST_F(CopieConjugaisons, NestedWindowIsJournalledWithItsCaptionAndText) {
    ASSERT_TRUE(Montrer("exact"));  // outermost, no pilot: recorded and closed
    ASSERT_EQ(interface_.Journal().size(), 1u);
    const EvenementInterface& fenetre = interface_.Journal()[0];
    EXPECT_EQ(fenetre.type, EvenementInterface::Type::Fenetre);
    EXPECT_EQ(fenetre.titre, "ZephJugaison - VERBE exact");
    EXPECT_EQ(fenetre.texte, std::string(CAPACITE_TEXTE_CONJUGAISON, 'x'));
}

TEST_F(CopieConjugaisons, UnknownVerbGivesTheWarningWithoutATrace) {
    EXPECT_FALSE(Montrer("absent"));
    EXPECT_EQ(traces_, "");
    ASSERT_EQ(interface_.Journal().size(), 1u);
    const EvenementInterface& message = interface_.Journal()[0];
    EXPECT_EQ(message.type, EvenementInterface::Type::Message);
    EXPECT_EQ(message.titre, "Zeph");
    EXPECT_EQ(message.texte, "La conjugaison de [absent] ne peut pas \xEAtre affich\xE9" "e");
    EXPECT_EQ(message.icone, Icone::Avertissement);
}

// Whatever stands at the copy's name, unless it is exactly the embedded
// database, is replaced before the verb is read; a link is replaced, never
// written through.
TEST_F(CopieConjugaisons, AnyOtherFileAtTheNameIsReplaced) {
    const std::string& base = BaseEmbarquee();
    std::string alteree = base;
    alteree[alteree.size() / 2] ^= 0x55;
    const std::string cible = base_.Chemin("cible");
    const struct {
        const char* cas;
        std::function<void()> planter;
    } cas[] = {
        {"vide", [&] { EcrireFichier(Copie(), ""); }},
        {"courte", [&] { EcrireFichier(Copie(), base.substr(0, base.size() - 1)); }},
        {"alteree, meme taille", [&] { EcrireFichier(Copie(), alteree); }},
        {"plus longue", [&] { EcrireFichier(Copie(), base + "x"); }},
        {"lien vers une copie conforme", [&] {
             EcrireFichier(cible, base);
             fs::create_symlink(cible, Copie());
         }},
        {"lien vers un fichier a proteger", [&] {
             EcrireFichier(cible, "a garder");
             fs::create_symlink(cible, Copie());
         }},
        {"lien pendant", [&] { fs::create_symlink(base_.Chemin("nulle-part"), Copie()); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cas);
        fs::remove_all(Prive());
        fs::remove(cible);
        std::string chemin;
        ASSERT_TRUE(PreparerBaseConjugaisons(chemin));  // makes the folder
        fs::remove(Copie());
        c.planter();
        const bool avecCible = fs::exists(cible);
        const std::string cibleAvant = avecCible ? LireFichier(cible) : std::string();
        ASSERT_TRUE(Montrer("verbe"));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Copie())));
        EXPECT_EQ(LireFichier(Copie()), base);
        EXPECT_EQ(Contenus(Prive()), std::vector<std::string>{NOM_COPIE_CONJUGAISONS});
        if (avecCible) {
            EXPECT_EQ(LireFichier(cible), cibleAvant) << "written through the link";
        }
    }
}

TEST_F(CopieConjugaisons, AGoodCopyIsKeptAsItIs) {
    std::string chemin;
    ASSERT_TRUE(PreparerBaseConjugaisons(chemin));
    const fs::file_time_type ecrite = fs::last_write_time(Copie());
    struct stat avant {};
    ASSERT_EQ(stat(Copie().c_str(), &avant), 0);
    ASSERT_TRUE(PreparerBaseConjugaisons(chemin));
    struct stat apres {};
    ASSERT_EQ(stat(Copie().c_str(), &apres), 0);
    EXPECT_EQ(apres.st_ino, avant.st_ino);  // not written again
    EXPECT_EQ(fs::last_write_time(Copie()), ecrite);
}

// The folder is refused, and the conjugation fails with nothing shown and
// nothing written, when it is not safe to keep a file in.
TEST_F(CopieConjugaisons, AFolderThatIsNotSafeIsRefused) {
    const std::string ailleurs = base_.Chemin("ailleurs");
    const struct {
        const char* cas;
        std::function<void()> preparer;
    } cas[] = {
        {"ecrivable par tous", [&] {
             fs::create_directory(Prive());
             fs::permissions(Prive(), fs::perms::all);
         }},
        {"ecrivable par le groupe", [&] {
             fs::create_directory(Prive());
             fs::permissions(Prive(), fs::perms::owner_all | fs::perms::group_write | fs::perms::group_exec);
         }},
        {"lien vers un dossier", [&] {
             fs::create_directory(ailleurs);
             fs::permissions(ailleurs, fs::perms::owner_all);
             fs::create_directory_symlink(ailleurs, Prive());
         }},
        {"fichier", [&] { EcrireFichier(Prive(), "pas un dossier"); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cas);
        fs::remove_all(Prive());
        fs::remove_all(ailleurs);
        c.preparer();
        EXPECT_EQ(DossierPrive(), "");
        std::string chemin;
        EXPECT_FALSE(PreparerBaseConjugaisons(chemin));
        EXPECT_FALSE(Montrer("verbe"));
        EXPECT_TRUE(interface_.Journal().empty());
        EXPECT_FALSE(fs::exists(Prive() + "/" + NOM_COPIE_CONJUGAISONS));
        EXPECT_FALSE(fs::exists(ailleurs + "/" + NOM_COPIE_CONJUGAISONS));
    }
}

// Another user's folder, as root can make it: refused, and left alone.
TEST_F(CopieConjugaisons, AFolderOfAnotherUserIsRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
    fs::create_directory(Prive());
    fs::permissions(Prive(), fs::perms::owner_all);
    ASSERT_EQ(chown(Prive().c_str(), 65534, 65534), 0);
    EXPECT_EQ(DossierPrive(), "");
    EXPECT_FALSE(Montrer("verbe"));
    EXPECT_TRUE(interface_.Journal().empty());
    EXPECT_TRUE(fs::is_empty(Prive()));
}

// A copy owned by another user is not trusted even when its bytes are right:
// its owner could change it later.
TEST_F(CopieConjugaisons, ACopyOfAnotherUserIsReplaced) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    std::string chemin;
    ASSERT_TRUE(PreparerBaseConjugaisons(chemin));
    ASSERT_EQ(chown(Copie().c_str(), 65534, 65534), 0);
    ASSERT_TRUE(Montrer("verbe"));
    struct stat etat {};
    ASSERT_EQ(lstat(Copie().c_str(), &etat), 0);
    EXPECT_EQ(etat.st_uid, geteuid());
}

TEST_F(CopieConjugaisons, TheFolderFollowsTheUsersFolders) {
    const std::string cache = base_.Chemin("cache");
    const std::string maison = base_.Chemin("maison");
    fs::create_directories(maison);
    // Runtime folder set and ours: there.
    EXPECT_EQ(DossierPrive(), execution_ + "/vocalia/");
    {
        // Not set, or not usable (missing, or writable by others): the cache folder.
        for (const std::optional<std::string>& execution :
             {std::optional<std::string>(), std::optional<std::string>(""), std::optional<std::string>("relatif"),
              std::optional<std::string>(base_.Chemin("absent"))}) {
            VariableEssai sansExecution("XDG_RUNTIME_DIR", execution);
            EXPECT_EQ(DossierPrive(), cache + "/vocalia/");
        }
        fs::permissions(execution_, fs::perms::all);
        EXPECT_EQ(DossierPrive(), cache + "/vocalia/");
        fs::permissions(execution_, fs::perms::owner_all);
    }
    {
        // No cache folder set: under the home folder, created as needed.
        VariableEssai sansExecution("XDG_RUNTIME_DIR", std::nullopt);
        VariableEssai sansCache("XDG_CACHE_HOME", std::nullopt);
        VariableEssai chezSoi("HOME", maison);
        EXPECT_EQ(DossierPrive(), maison + "/.cache/vocalia/");
        EXPECT_TRUE(EstDossierSur(maison + "/.cache/vocalia"));
    }
    {
        // No home folder to write in: a folder named after the user in the
        // temporary folder, unless someone else made it writable to others.
        const std::string temporaire = base_.Chemin("tmp");
        fs::create_directories(temporaire);
        VariableEssai sansExecution("XDG_RUNTIME_DIR", std::nullopt);
        VariableEssai sansCache("XDG_CACHE_HOME", std::nullopt);
        VariableEssai chezSoi("HOME", base_.Chemin("fichier"));
        VariableEssai tmp("TMPDIR", temporaire);
        EcrireFichier(base_.Chemin("fichier"), "pas un dossier");
        const std::string attendu = temporaire + "/vocalia-" + std::to_string(geteuid());
        EXPECT_EQ(DossierPrive(), attendu + "/");
        EXPECT_TRUE(EstDossierSur(attendu));
        fs::permissions(attendu, fs::perms::all);
        EXPECT_EQ(DossierPrive(), "");
        // An existing cache folder that is not safe is refused, not replaced by another.
        VariableEssai cacheNonSur("XDG_CACHE_HOME", cache);
        fs::create_directories(cache + "/vocalia");
        fs::permissions(cache + "/vocalia", fs::perms::all);
        EXPECT_EQ(DossierPrive(), "");
    }
}

}  // namespace
