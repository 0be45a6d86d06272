#pragma once
// One window per user: the first process listens on a Unix socket in a
// folder of the user's own, and a later one hands it its request there and
// exits. Requests are short byte strings; the listener acknowledges each
// with one byte once it has it, so a sender knows it was taken.
#include <cstddef>
#include <string>
#include <vector>

inline constexpr std::size_t TAILLE_MAX_DEMANDE = 4096;

enum class Transmission {
    Prise,            // the listener acknowledged the request
    PersonneNEcoute,  // no process listens there: the sender may take the place
    SansReponse,      // one listens but did not take it (too long, or no answer within 10 s)
};

// Hands `message` (at most TAILLE_MAX_DEMANDE bytes) to the process that
// listens at `chemin`.
Transmission TransmettreDemande(const std::string& chemin, const std::string& message);

class InstanceUnique {
public:
    InstanceUnique() = default;
    ~InstanceUnique();  // stops listening and removes the socket
    InstanceUnique(const InstanceUnique&) = delete;
    InstanceUnique& operator=(const InstanceUnique&) = delete;

    // Listens at `chemin`, taking the place of a socket left by a process
    // that ended; false when another process listens there or the socket
    // cannot be made.
    bool Ecouter(const std::string& chemin);
    // The listening descriptor, readable when a sender is waiting; -1 when not listening.
    int Descripteur() const { return descripteur_; }
    // The requests of the senders waiting now, without waiting for more; a
    // request longer than TAILLE_MAX_DEMANDE or not sent within half a
    // second is dropped, and so is an empty one.
    std::vector<std::string> Recevoir();

private:
    int descripteur_ = -1;
    std::string chemin_;
};
