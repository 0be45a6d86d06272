#include "platform/InstanceUnique.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr int DELAI_MS = 500;
// The window may be busy with a long search: it answers once it is done.
constexpr int DELAI_ACCUSE_MS = 10000;
constexpr char ACCUSE = '1';

bool Adresse(const std::string& chemin, sockaddr_un& adresse) {
    std::memset(&adresse, 0, sizeof adresse);
    adresse.sun_family = AF_UNIX;
    if (chemin.empty() || chemin.size() >= sizeof adresse.sun_path) return false;
    std::memcpy(adresse.sun_path, chemin.data(), chemin.size());
    return true;
}

int Connecter(const std::string& chemin) {
    sockaddr_un adresse;
    if (!Adresse(chemin, adresse)) return -1;
    const int d = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (d < 0) return -1;
    if (connect(d, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) != 0) {
        close(d);
        return -1;
    }
    return d;
}

// Waits at most DELAI_MS for `d` to be ready; false on a timeout or an error.
bool Attendre(int d, short evenement, int delai = DELAI_MS) {
    pollfd p{d, evenement, 0};
    int n;
    do n = poll(&p, 1, delai);
    while (n < 0 && errno == EINTR);
    return n == 1 && (p.revents & (evenement | POLLHUP));
}

bool EcrireTout(int d, const char* octets, std::size_t taille) {
    while (taille > 0) {
        if (!Attendre(d, POLLOUT)) return false;
        const ssize_t ecrits = send(d, octets, taille, MSG_NOSIGNAL);
        if (ecrits < 0 && errno == EINTR) continue;
        if (ecrits <= 0) return false;
        octets += ecrits;
        taille -= static_cast<std::size_t>(ecrits);
    }
    return true;
}

// The whole request, up to the sender's end of writing; false when it is too long or too slow.
bool LireDemande(int d, std::string& demande) {
    char tampon[512];
    for (;;) {
        if (!Attendre(d, POLLIN)) return false;
        const ssize_t lus = recv(d, tampon, sizeof tampon, 0);
        if (lus < 0 && errno == EINTR) continue;
        if (lus < 0) return false;
        if (lus == 0) return true;
        demande.append(tampon, static_cast<std::size_t>(lus));
        if (demande.size() > TAILLE_MAX_DEMANDE) return false;
    }
}
}  // namespace

Transmission TransmettreDemande(const std::string& chemin, const std::string& message) {
    if (message.size() > TAILLE_MAX_DEMANDE) return Transmission::SansReponse;
    const int d = Connecter(chemin);
    if (d < 0) return Transmission::PersonneNEcoute;
    bool pris = EcrireTout(d, message.data(), message.size()) && shutdown(d, SHUT_WR) == 0;
    char accuse = 0;
    pris = pris && Attendre(d, POLLIN, DELAI_ACCUSE_MS) && recv(d, &accuse, 1, 0) == 1 && accuse == ACCUSE;
    close(d);
    return pris ? Transmission::Prise : Transmission::SansReponse;
}

InstanceUnique::~InstanceUnique() {
    if (descripteur_ < 0) return;
    close(descripteur_);
    unlink(chemin_.c_str());
}

bool InstanceUnique::Ecouter(const std::string& chemin) {
    if (descripteur_ >= 0) return false;
    sockaddr_un adresse;
    if (!Adresse(chemin, adresse)) return false;
    // A socket no one answers on is what an ended (or killed) process left.
    const int existant = Connecter(chemin);
    if (existant >= 0) {
        close(existant);
        return false;
    }
    struct stat etat;
    if (lstat(chemin.c_str(), &etat) == 0) {
        if (!S_ISSOCK(etat.st_mode)) return false;  // never remove anything but a socket
        unlink(chemin.c_str());
    }
    const int d = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (d < 0) return false;
    // Only the user may connect, whatever the folder's mode.
    const mode_t masque = umask(0177);
    const bool lie = bind(d, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) == 0;
    umask(masque);
    if (!lie || listen(d, 8) != 0) {
        close(d);
        return false;
    }
    descripteur_ = d;
    chemin_ = chemin;
    return true;
}

std::vector<std::string> InstanceUnique::Recevoir() {
    std::vector<std::string> demandes;
    if (descripteur_ < 0) return demandes;
    for (;;) {
        const int client = accept4(descripteur_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            if (errno == EINTR) continue;
            break;  // EAGAIN: no one else waits
        }
        // Nothing sent is no request: it is how Ecouter looks for a listener.
        std::string demande;
        if (LireDemande(client, demande) && !demande.empty()) {
            EcrireTout(client, &ACCUSE, 1);
            demandes.push_back(std::move(demande));
        }
        close(client);
    }
    return demandes;
}
