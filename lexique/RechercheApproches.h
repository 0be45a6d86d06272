#pragma once
// The approximate search of one main window: its lexicon and its engine,
// made on the first search and kept as long as the owner lives, so that
// each window (each test) has its own.
#include <memory>
#include <string>
#include <vector>

class DonneesApproches;
class MoteurApproches;
class dictionnaire;

class RechercheApproches {
public:
    // On the default search data.
    RechercheApproches();
    // On `donnees`, not owned.
    explicit RechercheApproches(DonneesApproches& donnees);
    ~RechercheApproches();
    RechercheApproches(const RechercheApproches&) = delete;
    RechercheApproches& operator=(const RechercheApproches&) = delete;

    // The engine's answer for every enabled key kind, best first.
    std::vector<std::string> Rechercher(const std::string& mot);

private:
    DonneesApproches& donnees_;
    std::unique_ptr<dictionnaire> lexique_;
    // Declared after the lexicon, which it refers to.
    std::unique_ptr<MoteurApproches> moteur_;
};
