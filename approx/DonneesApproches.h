#pragma once
// Everything the approximate search reads and remembers: the phonetic rules,
// one key index per kind, the commonness table and the phonetic distances
// already measured. Each part is loaded from its resource on first use (a
// failed load is retried next time) or installed from bytes a caller holds.
//
// One re-entrant lock guards the whole: the engine takes it for a search, and
// every call below takes it too, so that two engines sharing one object from
// two threads never see a half-loaded part. The references handed out stay
// valid for the object's life; use them only while holding Verrou(). Not
// copyable: the lock is its own.
#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "approx/FrequencesMots.h"
#include "approx/TypesCles.h"
#include "index/Indexeur.h"

struct ReglesPhonetiques;

class DonneesApproches {
public:
    DonneesApproches();
    ~DonneesApproches();

    // The object the process-wide calls work on.
    static DonneesApproches& ParDefaut();

    std::recursive_mutex& Verrou() const { return verrou_; }

    // The rules: from the resource TOXKRJIUSH unless already loaded.
    bool ChargerRegles();
    // Replaces the rules by those of a plain rules text and marks them loaded.
    void InstallerRegles(const std::string& texte);
    ReglesPhonetiques& Regles();
    // The phoneme codes of `mot`, the rules loaded first.
    std::string Transcrire(const std::string& mot);

    // Kind `type`'s index (0..11): loaded from its resource unless loaded.
    void AssurerIndex(int type);
    bool IndexCharge(int type) const;
    // An invalid kind gives kind 0's index.
    Indexeur& Index(int type);
    // Replaces kind `type`'s index by a payload already deciphered and
    // inflated; false (index left as it was) when it does not parse.
    bool InstallerIndex(int type, const unsigned char* octets, std::size_t taille);

    // The commonness table: from RESSOURCE_FREQUENCES unless loaded.
    void AssurerFrequences();
    bool FrequencesChargees() const;
    const FrequencesMots& Frequences() const { return frequences_; }
    bool InstallerFrequences(const unsigned char* octets, std::size_t taille);

    // Phonetic distances per unordered word pair (see DistancesMots.h).
    std::map<std::string, int>& CachePhonetique() { return cachePhonetique_; }

private:
    struct EtatIndex {
        Indexeur index;
        bool charge = false;
    };

    mutable std::recursive_mutex verrou_;
    // 21 KB of slots: on the heap.
    std::unique_ptr<ReglesPhonetiques> regles_;
    std::array<EtatIndex, NOMBRE_TYPES_CLES> index_;
    FrequencesMots frequences_;
    bool frequencesChargees_ = false;
    std::map<std::string, int> cachePhonetique_;
};
