#pragma once
// Environment variables and the current folder changed for one test and put
// back as they were afterwards.
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

class VariableEssai {
public:
    VariableEssai(const char* nom, const std::optional<std::string>& valeur) : nom_(nom) {
        if (const char* avant = std::getenv(nom)) avant_ = avant;
        if (valeur) setenv(nom, valeur->c_str(), 1);
        else unsetenv(nom);
    }
    ~VariableEssai() {
        if (avant_) setenv(nom_.c_str(), avant_->c_str(), 1);
        else unsetenv(nom_.c_str());
    }
    VariableEssai(const VariableEssai&) = delete;
    VariableEssai& operator=(const VariableEssai&) = delete;

private:
    std::string nom_;
    std::optional<std::string> avant_;
};

inline std::string DossierCourant() {
    char tampon[4096];
    return getcwd(tampon, sizeof tampon) ? std::string(tampon) : std::string();
}

class DossierCourantEssai {
public:
    explicit DossierCourantEssai(const std::string& dossier) : avant_(DossierCourant()) {
        if (chdir(dossier.c_str()) != 0) avant_.clear();
    }
    ~DossierCourantEssai() {
        if (!avant_.empty() && chdir(avant_.c_str()) != 0) std::abort();
    }
    DossierCourantEssai(const DossierCourantEssai&) = delete;
    DossierCourantEssai& operator=(const DossierCourantEssai&) = delete;

private:
    std::string avant_;
};
