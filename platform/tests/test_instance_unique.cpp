#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "platform/InstanceUnique.h"

namespace {

namespace fs = std::filesystem;

class Instance : public ::testing::Test {
protected:
    fs::path dossier;
    std::string prise;

    void SetUp() override {
        dossier = fs::temp_directory_path() / ("vocalia-instance-" + std::to_string(::getpid()));
        fs::create_directories(dossier);
        prise = (dossier / "fenetre").string();
    }
    void TearDown() override { fs::remove_all(dossier); }

    // The sender runs beside the listener, which reads whenever its socket
    // is readable, as the window's loop does, until the sender is done (a
    // probe left by a refused Ecouter may come first and is no request).
    static std::vector<std::string> Recevoir(InstanceUnique& ecoute, const std::string& chemin,
                                             const std::string& message, Transmission& transmission) {
        auto envoi = std::async(std::launch::async, [&] { return TransmettreDemande(chemin, message); });
        std::vector<std::string> recues;
        while (envoi.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            pollfd p{ecoute.Descripteur(), POLLIN, 0};
            if (::poll(&p, 1, 100) != 1) continue;
            for (std::string& demande : ecoute.Recevoir()) recues.push_back(std::move(demande));
        }
        transmission = envoi.get();
        return recues;
    }
};

TEST_F(Instance, LaDemandeEstRemiseAuPremierProcessus) {
    InstanceUnique premiere;
    ASSERT_TRUE(premiere.Ecouter(prise));
    struct stat etat {};
    ASSERT_EQ(::lstat(prise.c_str(), &etat), 0);
    EXPECT_TRUE(S_ISSOCK(etat.st_mode));
    EXPECT_EQ(etat.st_mode & 0777, 0600u);
    InstanceUnique seconde;
    EXPECT_FALSE(seconde.Ecouter(prise));  // the place is taken
    for (const std::string& message : {std::string("vocalia mot\nmaison"), std::string("vocalia mot\n\xC3\xA9t\xC3\xA9"),
                                       std::string(TAILLE_MAX_DEMANDE, 'x')}) {
        Transmission t = Transmission::PersonneNEcoute;
        EXPECT_EQ(Recevoir(premiere, prise, message, t), std::vector<std::string>{message});
        EXPECT_EQ(t, Transmission::Prise);
    }
    EXPECT_TRUE(premiere.Recevoir().empty());  // nobody waits: no blocking
    Transmission t = Transmission::Prise;
    EXPECT_TRUE(Recevoir(premiere, prise, "", t).empty());  // nothing sent: not taken
    EXPECT_EQ(t, Transmission::SansReponse);
}

TEST_F(Instance, UneDemandeTropLongueEstRefusee) {
    InstanceUnique premiere;
    ASSERT_TRUE(premiere.Ecouter(prise));
    EXPECT_EQ(TransmettreDemande(prise, std::string(TAILLE_MAX_DEMANDE + 1, 'x')), Transmission::SansReponse);
    // Sent by hand past the limit: dropped, and the listener goes on.
    auto envoi = std::async(std::launch::async, [&] {
        const int d = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        prise.copy(adresse.sun_path, sizeof adresse.sun_path - 1);
        if (::connect(d, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0) {
            const std::string trop(TAILLE_MAX_DEMANDE + 600, 'x');
            (void)::send(d, trop.data(), trop.size(), MSG_NOSIGNAL);
            ::shutdown(d, SHUT_WR);
        }
        char accuse = 0;
        const bool accusee = ::recv(d, &accuse, 1, 0) == 1;
        ::close(d);
        return accusee;
    });
    pollfd p{premiere.Descripteur(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 5000), 1);
    EXPECT_TRUE(premiere.Recevoir().empty());
    EXPECT_FALSE(envoi.get());
    Transmission t = Transmission::PersonneNEcoute;
    EXPECT_EQ(Recevoir(premiere, prise, "vocalia fenetre\n", t), std::vector<std::string>{"vocalia fenetre\n"});
}

TEST_F(Instance, PersonneNEcoute) {
    EXPECT_EQ(TransmettreDemande(prise, "vocalia mot\nmaison"), Transmission::PersonneNEcoute);
    EXPECT_EQ(TransmettreDemande("", "x"), Transmission::PersonneNEcoute);
    EXPECT_EQ(TransmettreDemande(std::string(200, 'a'), "x"), Transmission::PersonneNEcoute);  // too long a path
    {
        InstanceUnique finie;
        ASSERT_TRUE(finie.Ecouter(prise));
    }
    EXPECT_FALSE(fs::exists(prise));  // removed when it ends
    EXPECT_EQ(TransmettreDemande(prise, "x"), Transmission::PersonneNEcoute);
}

TEST_F(Instance, LaPlaceDUnProcessusTermineEstReprise) {
    // A socket left behind by a process that was killed: no one answers on it.
    const int abandonnee = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    prise.copy(adresse.sun_path, sizeof adresse.sun_path - 1);
    ASSERT_EQ(::bind(abandonnee, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    ::close(abandonnee);
    ASSERT_TRUE(fs::exists(prise));
    InstanceUnique reprise;
    EXPECT_TRUE(reprise.Ecouter(prise));
    Transmission t = Transmission::PersonneNEcoute;
    EXPECT_EQ(Recevoir(reprise, prise, "vocalia selection\n", t), std::vector<std::string>{"vocalia selection\n"});
}

TEST_F(Instance, RienDAutreQuUneSocketNEstRemplace) {
    std::ofstream(prise) << "un fichier de l'utilisateur";
    InstanceUnique instance;
    EXPECT_FALSE(instance.Ecouter(prise));
    std::ifstream f(prise);
    std::string contenu;
    std::getline(f, contenu);
    EXPECT_EQ(contenu, "un fichier de l'utilisateur");
    EXPECT_FALSE(InstanceUnique().Ecouter((dossier / "absent" / "fenetre").string()));
    EXPECT_EQ(instance.Descripteur(), -1);
}

}  // namespace
