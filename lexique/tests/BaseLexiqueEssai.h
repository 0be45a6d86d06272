#pragma once
// A lexicon database made for a test: a real SQLite file with the four tables
// the lexicon reads, in a folder removed with the fixture.
#include <string>

#include "database/tests/BaseEssai.h"

class BaseLexiqueEssai {
public:
    static constexpr const char* FICHIER = "lexique.db";

    // Creates the four tables, empty.
    explicit BaseLexiqueEssai(const std::string& nomTest);

    bool Executer(const std::string& sql) { return base_.Executer(FICHIER, sql); }
    // The path to give the lexicon as database name.
    std::string Chemin() const { return base_.Chemin(FICHIER); }
    const std::string& Dossier() const { return base_.Dossier(); }
    bool Cree() const { return cree_; }

    // Six variables and their values, five words, two entries and two
    // inflection records; see the .cpp for the numbers they get.
    bool RemplirExemple();

private:
    BaseEssai base_;
    bool cree_;
};
