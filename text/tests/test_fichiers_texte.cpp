#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "text/FichiersTexte.h"
#include "text/tests/Cp1252Essai.h"
#include "text/tests/DossierEssai.h"

namespace {

using Lignes = std::vector<std::string>;

TEST(LireLignes, LignesTellesQuellesAvecLeurLf) {
    DossierEssai dossier;
    const std::string nom = dossier.Ecrire("a.txt", "un\n  deux  \n\ntrois");
    Lignes lignes = {"reste d'avant"};
    ASSERT_TRUE(LireLignes(nom, lignes));
    EXPECT_EQ(lignes, (Lignes{"un\n", "  deux  \n", "\n", "trois"}));
}

TEST(LireLignes, CrLfLuCommeLf) {
    DossierEssai dossier;
    const std::string nom = dossier.Ecrire("crlf.txt", "a=1\r\nb\r=2\r\n\r\nfin\r");
    Lignes lignes;
    ASSERT_TRUE(LireLignes(nom, lignes));
    EXPECT_EQ(lignes, (Lignes{"a=1\n", "b\r=2\n", "\n", "fin\r"}));
}

TEST(LireLignes, LigneLongueEnPlusieursMorceaux) {
    DossierEssai dossier;
    const std::string longue(45000, 'x');
    const std::string nom = dossier.Ecrire("long.txt", longue + "\nfin\n");
    Lignes lignes;
    ASSERT_TRUE(LireLignes(nom, lignes));
    ASSERT_EQ(lignes.size(), 4u);
    EXPECT_EQ(lignes[0], std::string(19999, 'x'));
    EXPECT_EQ(lignes[1], std::string(19999, 'x'));
    EXPECT_EQ(lignes[2], std::string(45000 - 2 * 19999, 'x') + "\n");
    EXPECT_EQ(lignes[3], "fin\n");
}

TEST(LireLignes, CrLfAuBordDuTampon) {
    // 19,998 bytes then CR LF: the CR LF read as LF still fits the 19,999 bytes.
    DossierEssai dossier;
    const std::string nom = dossier.Ecrire("bord.txt", std::string(19998, 'y') + "\r\nz");
    Lignes lignes;
    ASSERT_TRUE(LireLignes(nom, lignes));
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_EQ(lignes[0], std::string(19998, 'y') + "\n");
    EXPECT_EQ(lignes[1], "z");
}

TEST(LireLignes, OctetsWindows1252EtNul) {
    DossierEssai dossier;
    const std::string contenu = W("élève\n") + std::string("a\0b\n", 4);
    const std::string nom = dossier.Ecrire("octets.txt", contenu);
    Lignes lignes;
    ASSERT_TRUE(LireLignes(nom, lignes));
    EXPECT_EQ(lignes, (Lignes{W("élève\n"), std::string("a\0b\n", 4)}));
}

TEST(LireLignes, FichierAbsentOuVide) {
    DossierEssai dossier;
    Lignes lignes = {"x"};
    EXPECT_FALSE(LireLignes(dossier.Chemin() + "/absent.txt", lignes));
    EXPECT_TRUE(lignes.empty());
    lignes = {"x"};
    EXPECT_TRUE(LireLignes(dossier.Ecrire("vide.txt", ""), lignes));
    EXPECT_TRUE(lignes.empty());
}

TEST(DecouperLignes, Cas) {
    const std::pair<std::string, Lignes> cas[] = {
        {"a\nb", {"a\n", "b"}},
        {"a\n", {"a\n", ""}},
        {"", {""}},
        {"\n\n", {"\n", "\n", ""}},
        {"  a \r\n", {"  a \r\n", ""}},
    };
    for (const auto& [texte, attendu] : cas) {
        Lignes lignes = {"reste"};
        EXPECT_TRUE(DecouperLignes(texte, lignes));
        EXPECT_EQ(lignes, attendu) << texte;
    }
}

TEST(DecouperLignes, LongueurDesLignes) {
    Lignes lignes;
    DecouperLignes(std::string(999, 'a') + "\n" + std::string(1000, 'b') + "\n" + std::string(1001, 'c'), lignes);
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(lignes[0], std::string(999, 'a') + "\n");  // 1,000 bytes: whole
    EXPECT_EQ(lignes[1], std::string(999, 'b'));         // 1,001 bytes: cut
    EXPECT_EQ(lignes[2], std::string(999, 'c'));
}

TEST(DecouperLignes, AuPlus1001Lignes) {
    std::string texte;
    for (int i = 0; i < 1500; ++i) texte += std::to_string(i) + "\n";
    Lignes lignes;
    DecouperLignes(texte, lignes);
    ASSERT_EQ(lignes.size(), 1001u);
    EXPECT_EQ(lignes.front(), "0\n");
    EXPECT_EQ(lignes.back(), "1000\n");
}

TEST(CouperEnDeux, Cas) {
    using Paire = std::pair<std::string, std::string>;
    EXPECT_EQ(CouperEnDeux(W("  clé = valeur "), '='), Paire(W("clé"), "valeur"));
    EXPECT_EQ(CouperEnDeux(W("sans égal"), '='), Paire(W("sans égal"), ""));
    EXPECT_EQ(CouperEnDeux("=x", '='), Paire("", "x"));
    EXPECT_EQ(CouperEnDeux("x=", '='), Paire("x", ""));
    EXPECT_EQ(CouperEnDeux("a=b=c", '='), Paire("a", "b=c"));
    EXPECT_EQ(CouperEnDeux("", '='), Paire("", ""));
    EXPECT_EQ(CouperEnDeux(" nom : valeur\n", ':'), Paire("nom", "valeur"));
}

TEST(CouperEnDeux, AvantTropLong) {
    using Paire = std::pair<std::string, std::string>;
    EXPECT_EQ(CouperEnDeux(std::string(1200, 'k') + "=valeur", '='), Paire("", "valeur"));
    EXPECT_EQ(CouperEnDeux(std::string(999, 'k') + "=v", '='), Paire(std::string(999, 'k'), "v"));
    EXPECT_EQ(CouperEnDeux(std::string(1000, 'k') + "=v", '='), Paire("", "v"));
    // No separator at all: the whole text is the before part, whatever its length.
    EXPECT_EQ(CouperEnDeux(std::string(1200, 'k'), '='), Paire(std::string(1200, 'k'), ""));
}

TEST(DecouperPaires, Cas) {
    using Table = std::map<std::string, std::string>;
    EXPECT_EQ(DecouperPaires("version=1,controle=ab", ',', '='), (Table{{"controle", "ab"}, {"version", "1"}}));
    EXPECT_EQ(DecouperPaires("", ',', '='), (Table{{"", ""}}));
    EXPECT_EQ(DecouperPaires("a=1,a=2", ',', '='), (Table{{"a", "1"}}));
    EXPECT_EQ(DecouperPaires("a=1,,b", ',', '='), (Table{{"a", "1"}, {"", ""}, {"b", ""}}));
    EXPECT_EQ(DecouperPaires(" a = 1 ;b=2;", ';', '='), (Table{{"a", "1"}, {"b", "2"}, {"", ""}}));
}

TEST(DecouperPaires, PieceLimiteeA999Octets) {
    const auto table = DecouperPaires("k=" + std::string(1200, 'v') + ",b=2", ',', '=');
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at("k"), std::string(997, 'v'));
    EXPECT_EQ(table.at("b"), "2");
}

TEST(DecouperPaires, SurPlusieursFilsALaFois) {
    std::vector<std::thread> fils;
    std::vector<int> erreurs(4, 0);
    for (int f = 0; f < 4; ++f) {
        fils.emplace_back([f, &erreurs] {
            const std::string cle = "cle" + std::to_string(f);
            for (int i = 0; i < 2000; ++i) {
                const std::string valeur = std::to_string(i);
                const auto table = DecouperPaires(cle + "=" + valeur + ",autre=" + cle, ',', '=');
                if (table.size() != 2 || table.at(cle) != valeur || table.at("autre") != cle) ++erreurs[f];
            }
        });
    }
    for (auto& f : fils) f.join();
    EXPECT_EQ(erreurs, std::vector<int>(4, 0));
}

// Sets TMPDIR for the life of the object, then restores it.
class TmpdirTemporaire {
public:
    explicit TmpdirTemporaire(const std::optional<std::string>& valeur) {
        if (const char* ancien = std::getenv("TMPDIR")) ancien_ = ancien;
        if (valeur)
            setenv("TMPDIR", valeur->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }
    ~TmpdirTemporaire() {
        if (ancien_)
            setenv("TMPDIR", ancien_->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> ancien_;
};

TEST(DossierTemporaire, TmpdirSinonTmp) {
    DossierEssai dossier;
    {
        TmpdirTemporaire t(dossier.Chemin());
        EXPECT_EQ(DossierTemporaire(), dossier.Chemin() + "/");
    }
    {
        TmpdirTemporaire t(dossier.Chemin() + "/");
        EXPECT_EQ(DossierTemporaire(), dossier.Chemin() + "/");
    }
    {
        TmpdirTemporaire t(std::nullopt);
        EXPECT_EQ(DossierTemporaire(), "/tmp/");
    }
    {
        TmpdirTemporaire t(std::string(""));
        EXPECT_EQ(DossierTemporaire(), "/tmp/");
    }
    {
        TmpdirTemporaire t(dossier.Chemin() + "/absent");
        EXPECT_EQ(DossierTemporaire(), "/tmp/");
    }
    {
        TmpdirTemporaire t(dossier.Ecrire("fichier", "x"));  // not a folder
        EXPECT_EQ(DossierTemporaire(), "/tmp/");
    }
}

TEST(DossierTemporaire, CheminTropLong) {
    DossierEssai dossier;
    // Nested folders so that the path exists: 299 bytes with the slash fits, 300 does not.
    std::string chemin = dossier.Chemin();
    const std::size_t cible = 298;
    ASSERT_LT(chemin.size() + 2, cible);
    while (cible - chemin.size() > 102) {
        chemin += "/" + std::string(100, 'd');
        std::filesystem::create_directory(chemin);
    }
    chemin += "/" + std::string(cible - chemin.size() - 1, 'd');
    std::filesystem::create_directory(chemin);
    ASSERT_EQ(chemin.size(), cible);
    {
        TmpdirTemporaire t(chemin);
        EXPECT_EQ(DossierTemporaire(), chemin + "/");
    }
    chemin += "d";
    std::filesystem::create_directory(chemin);
    {
        TmpdirTemporaire t(chemin);
        EXPECT_EQ(DossierTemporaire(), "");
    }
}

TEST(FichierExiste, Cas) {
    DossierEssai dossier;
    EXPECT_TRUE(FichierExiste(dossier.Ecrire("la.txt", "")));
    EXPECT_TRUE(FichierExiste(dossier.Chemin()));
    EXPECT_FALSE(FichierExiste(dossier.Chemin() + "/absent.txt"));
    EXPECT_FALSE(FichierExiste(""));
}

}  // namespace
