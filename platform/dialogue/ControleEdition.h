#pragma once
// An edit control that a dialog subclasses to take over its left-button
// double-click. The default double-click processing (word selection) is not
// run when SurDoubleClic returns true.
#include <string>

class Dialogue;

class ControleEdition {
public:
    virtual ~ControleEdition() = default;
    void Attacher(Dialogue& dialogue, int id);
    bool EstAttache() const { return dialogue_ != nullptr; }
    int Id() const { return id_; }

    std::string Texte() const;
    int DebutSelection() const;  // -1 while detached

    virtual bool SurDoubleClic() { return false; }

private:
    Dialogue* dialogue_ = nullptr;
    int id_ = 0;
};
