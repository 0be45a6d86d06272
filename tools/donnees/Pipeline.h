#pragma once
// A build as a list of named steps. Each step says what it did in a few
// counts; the pipeline times it and keeps its report, so that the build
// report prints every step in one place, in the order they ran. A step that
// fails stops the build: the steps after it do not run. Report text is UTF-8.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct RapportEtape {
    std::string nom;
    std::vector<std::pair<std::string, std::size_t>> comptes;  // what it did, in its order
    double secondes = 0;
    bool reussie = true;

    void Compter(std::string quoi, std::size_t combien) { comptes.emplace_back(std::move(quoi), combien); }
};

class Pipeline {
public:
    // Returns false when the step fails; once one has, the later ones are
    // skipped (no report) and return false.
    using Etape = std::function<bool(RapportEtape&)>;
    bool Executer(const std::string& nom, const Etape& etape);

    bool Reussi() const { return reussi_; }
    const std::vector<RapportEtape>& Rapports() const { return rapports_; }

private:
    bool reussi_ = true;
    std::vector<RapportEtape> rapports_;
};

// "Étapes :" then one line per step: its name, its time, its counts; a
// failed step is marked so.
std::string TexteRapportsEtapes(const std::vector<RapportEtape>& rapports);
