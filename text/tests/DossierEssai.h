#pragma once
// A fresh folder for the files a test writes, removed with everything in it.
#include <cstdio>
#include <filesystem>
#include <string>

class DossierEssai {
public:
    DossierEssai() {
        std::string modele = (std::filesystem::temp_directory_path() / "vocalia-texte-XXXXXX").string();
        chemin_ = mkdtemp(modele.data()) ? modele : std::string();
    }
    ~DossierEssai() {
        std::error_code erreur;
        if (!chemin_.empty()) std::filesystem::remove_all(chemin_, erreur);
    }
    DossierEssai(const DossierEssai&) = delete;
    DossierEssai& operator=(const DossierEssai&) = delete;

    const std::string& Chemin() const { return chemin_; }

    // Writes `octets` as they are to `nom` in the folder; returns the full path.
    std::string Ecrire(const std::string& nom, const std::string& octets) const {
        const std::string complet = chemin_ + "/" + nom;
        if (std::FILE* f = std::fopen(complet.c_str(), "wb")) {
            std::fwrite(octets.data(), 1, octets.size(), f);
            std::fclose(f);
        }
        return complet;
    }

private:
    std::string chemin_;
};
