#include "tools/donnees/TableDefinitions.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "text/Cp1252.h"
#include "text/FichiersTexte.h"

namespace {

const CategorieDefinition Categories[] = {
    {"nom masculin", "NOM", "masculin", ""},
    {"nom f\xE9minin", "NOM", "f\xE9minin", ""},
    {"nom masculin et f\xE9minin", "NOM", "masculin et f\xE9minin", ""},
    {"nom masculin pluriel", "NOM", "masculin", "pluriel"},
    {"nom f\xE9minin pluriel", "NOM", "f\xE9minin", "pluriel"},
    {"adjectif", "ADJECTIF", "", ""},
    {"adjectif et nom", "ADJECTIF ET NOM", "", ""},
    {"verbe", "VERBE", "", ""},
    {"adverbe", "ADVERBE", "", ""},
    {"pr\xE9position", "PR\xC9POSITION", "", ""},
    {"conjonction", "CONJONCTION", "", ""},
    {"interjection", "INTERJECTION", "", ""},
    {"pronom", "PRONOM", "", ""},
    {"locution", "LOCUTION", "", ""},
};

const char* const MarqueAujourdhui = "aujourd'hui";
const char* const MarqueAujourdhuiTypographique = "aujourd\xE2\x80\x99hui";
const char* const DebutExemple = "Ex. : ";

std::string_view SansBlancsAFin(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string_view SansBlancsAuDebut(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

// Valid UTF-8 whose every character Windows-1252 has.
bool TexteTranscriptible(std::string_view ligne) {
    for (std::size_t i = 0; i < ligne.size();) {
        char32_t point = 0;
        const std::size_t longueur = DecoderUtf8(ligne, i, point);
        if (longueur == 0 || point == 0 || OctetCp1252(point) < 0) return false;
        i += longueur;
    }
    return true;
}

bool FinitPar(std::string_view texte, std::string_view fin) {
    return texte.size() >= fin.size() && texte.substr(texte.size() - fin.size()) == fin;
}

// A sense is one statement; an example may also be a question or an exclamation.
bool FinDeSens(std::string_view texte) { return FinitPar(texte, "."); }
bool FinDExemple(std::string_view texte) {
    return FinitPar(texte, ".") || FinitPar(texte, "!") || FinitPar(texte, "?") || FinitPar(texte, "\xE2\x80\xA6");
}

// "12. Texte": the number (0 when the line is no numbered sense) and the text.
std::size_t NumeroDeSens(std::string_view ligne, std::string_view& texte) {
    std::size_t i = 0, numero = 0;
    while (i < ligne.size() && i < 3 && ligne[i] >= '0' && ligne[i] <= '9') numero = numero * 10 + std::size_t(ligne[i++] - '0');
    if (i == 0 || i >= ligne.size() || ligne[i] != '.' || (i + 1 < ligne.size() && ligne[i + 1] != ' ')) return 0;
    texte = SansBlancsAuDebut(ligne.substr(i + 1));
    return numero;
}

class Lecteur {
public:
    Lecteur(const std::string& fichier, std::vector<BlocDefinition>& blocs, std::vector<FauteDefinition>& fautes)
        : fichier_(fichier), blocs_(blocs), fautes_(fautes) {}

    void Ligne(std::string_view ligne, std::size_t numero) {
        numero_ = numero;
        ligne = SansBlancsAFin(ligne);
        if (!ligne.empty() && ligne.front() == '#') return;
        if (ligne.empty()) {
            Fermer();
            return;
        }
        if (!TexteTranscriptible(ligne)) {
            Faute("texte qui n'est pas de l'UTF-8 transcriptible en Windows-1252");
            return;
        }
        if (ligne.rfind("==", 0) == 0) {
            if (ouvert_) {
                Faute("pas de ligne vide avant ce bloc");
                Fermer();
            }
            Ouvrir(SansBlancsAuDebut(ligne.substr(2)));
            return;
        }
        if (!ouvert_) {
            Faute("ligne hors d'un bloc (un bloc commence par « == mot »)");
            return;
        }
        if (!categorieLue_) {
            categorieLue_ = true;
            bloc_.categorie = TrouverCategorieDefinition(Utf8VersCp1252(ligne));
            if (bloc_.categorie == nullptr) Faute("catégorie inconnue « " + std::string(ligne) + " »");
            return;
        }
        std::string_view texte;
        if (const std::size_t n = NumeroDeSens(ligne, texte)) {
            AjouterSens(n, texte);
            return;
        }
        const std::string_view retrait = SansBlancsAuDebut(ligne);
        if (retrait.rfind(DebutExemple, 0) == 0) {
            AjouterExemple(SansBlancsAuDebut(retrait.substr(std::string_view(DebutExemple).size())));
            return;
        }
        Faute("ligne inattendue : ni sens numéroté « 1. ... » ni exemple « Ex. : ... »");
    }

    void Fermer() {
        if (!ouvert_) return;
        ouvert_ = false;
        // These faults are the whole block's: they name its first line.
        const std::size_t courante = numero_;
        numero_ = bloc_.ligne;
        if (!categorieLue_) Faute("bloc sans catégorie");
        else if (bloc_.sens.empty()) Faute("bloc sans aucun sens");
        else if (bloc_.sens.size() > SENS_PAR_DEFINITION_MAX) Faute("plus de 4 sens");
        numero_ = courante;
        if (!fautif_) blocs_.push_back(std::move(bloc_));
    }

private:
    const std::string& fichier_;
    std::vector<BlocDefinition>& blocs_;
    std::vector<FauteDefinition>& fautes_;
    BlocDefinition bloc_;
    std::size_t numero_ = 0;
    bool ouvert_ = false, categorieLue_ = false, fautif_ = false, exempleLu_ = false;

    void Faute(const std::string& motif) {
        fautes_.push_back({fichier_, numero_, motif});
        fautif_ = true;
    }

    void Ouvrir(std::string_view tete) {
        bloc_ = BlocDefinition{};
        bloc_.fichier = fichier_;
        bloc_.ligne = numero_;
        ouvert_ = true;
        categorieLue_ = fautif_ = exempleLu_ = false;
        const std::size_t barre = tete.find('|');
        if (barre != std::string_view::npos) {
            const std::string_view marque = SansBlancsAuDebut(tete.substr(barre + 1));
            if (marque == MarqueAujourdhui || marque == MarqueAujourdhuiTypographique) bloc_.aujourdhui = true;
            else Faute("marque inconnue après « | » (seule « aujourd'hui » existe)");
            tete = SansBlancsAFin(tete.substr(0, barre));
        }
        if (tete.empty() || tete.find("  ") != std::string_view::npos)
            Faute("mot vedette vide ou mal espacé");
        bloc_.mot = Utf8VersCp1252(tete);
    }

    void AjouterSens(std::size_t n, std::string_view texte) {
        if (n != bloc_.sens.size() + 1)
            Faute("sens numéroté " + std::to_string(n) + " au lieu de " + std::to_string(bloc_.sens.size() + 1));
        if (texte.empty()) Faute("sens vide");
        else if (!FinDeSens(texte)) Faute("le sens ne finit pas par un point");
        bloc_.sens.push_back(Sens{Utf8VersCp1252(texte), {}});
        exempleLu_ = false;
    }

    void AjouterExemple(std::string_view texte) {
        if (bloc_.sens.empty()) Faute("exemple avant tout sens");
        else if (exempleLu_) Faute("deux exemples pour un même sens");
        else if (texte.empty()) Faute("exemple vide");
        else if (!FinDExemple(texte)) Faute("l'exemple ne finit pas par un point");
        else bloc_.sens.back().exemples.push_back(Utf8VersCp1252(texte));
        exempleLu_ = true;
    }
};

}  // namespace

const CategorieDefinition* TrouverCategorieDefinition(const std::string& ligne) {
    for (const CategorieDefinition& c : Categories)
        if (ligne == c.ligne) return &c;
    return nullptr;
}

std::string TexteFaute(const FauteDefinition& faute) {
    return faute.fichier + ":" + std::to_string(faute.ligne) + " : " + faute.motif;
}

void LireTableDefinitions(std::string_view texte, const std::string& fichier, std::vector<BlocDefinition>& blocs,
                          std::vector<FauteDefinition>& fautes) {
    if (texte.rfind("\xEF\xBB\xBF", 0) == 0) texte.remove_prefix(3);
    Lecteur lecteur(fichier, blocs, fautes);
    std::size_t numero = 0;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        lecteur.Ligne(texte.substr(0, fin), ++numero);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
    }
    lecteur.Fermer();
}

void ChargerTableDefinitions(const std::string& dossier, std::vector<BlocDefinition>& blocs,
                             std::vector<FauteDefinition>& fautes) {
    namespace fs = std::filesystem;
    std::error_code erreur;
    if (!fs::is_directory(dossier, erreur)) return;
    std::vector<fs::path> fichiers;
    for (const fs::directory_entry& entree : fs::directory_iterator(dossier, erreur))
        if (entree.path().extension() == ".txt") fichiers.push_back(entree.path());
    std::sort(fichiers.begin(), fichiers.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    for (const fs::path& chemin : fichiers) {
        std::string texte;
        const std::string nom = chemin.string();
        if (!LireFichierEntier(chemin.string(), texte)) fautes.push_back({nom, 0, "fichier illisible"});
        else LireTableDefinitions(texte, nom, blocs, fautes);
    }
}
