#pragma once
// Drives a live main window on the headless back end from a script: one
// command a line, UTF-8 in and out, Windows-1252 inside.
#include <iosfwd>
#include <string>

class FenetreSansEcran;
struct EvenementInterface;

class InterpreteScript {
public:
    InterpreteScript(FenetreSansEcran& fenetre, std::ostream& sortie, std::ostream& erreurs);
    // Runs every line of `entree`; false when a line could not be understood.
    bool Executer(std::istream& entree);
    bool ExecuterLigne(const std::string& ligneUtf8);

    // How the window's journal entries are written as they happen.
    static void Ecrire(std::ostream& sortie, const EvenementInterface& evenement);

private:
    void Montrer();
    std::string Liste() const;

    FenetreSansEcran& fenetre_;
    std::ostream& sortie_;
    std::ostream& erreurs_;
};
