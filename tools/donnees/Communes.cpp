#include "tools/donnees/Communes.h"

#include <fstream>
#include <map>
#include <sstream>

#include "text/Cp1252.h"
#include "text/FichiersTexte.h"
#include "tools/donnees/Json.h"

namespace {

struct Departement {
    std::string nom;   // UTF-8, without its article
    int liaison = 0;   // how "de" joins the name (the register's typeLiaison)
    std::string zone;  // "metro", "drom", "com"
};

// "de la Somme", "du Nord", "de l'Ain", "des Landes", "d'Eure-et-Loir".
std::string DeDepartement(const Departement& d) {
    switch (d.liaison) {
        case 1: return "d'" + d.nom;
        case 2: return "du " + d.nom;
        case 3: return "de la " + d.nom;
        case 4: case 6: return "des " + d.nom;
        case 5: return "de l'" + d.nom;
        case 7: return "de las " + d.nom;
        case 8: return "de los " + d.nom;
        default: return "de " + d.nom;
    }
}

constexpr double TypeLiaisonMaximal = 8;

std::map<std::string, Departement> LireDepartements(const ValeurJson& tableau) {
    std::map<std::string, Departement> departements;
    for (const ValeurJson& entree : tableau.elements) {
        const std::string code = entree.Texte("code");
        if (code.empty()) continue;
        Departement d;
        d.nom = entree.Texte("nom");
        d.zone = entree.Texte("zone");
        const ValeurJson* liaison = entree.Membre("typeLiaison");
        // The register's link types are 0 to 8; any other number (one beyond
        // the range of int included) is taken as no type.
        if (liaison && liaison->type == ValeurJson::Type::Nombre && liaison->nombre >= 0 &&
            liaison->nombre <= TypeLiaisonMaximal)
            d.liaison = static_cast<int>(liaison->nombre);
        departements[code] = d;
    }
    return departements;
}

std::string DefinitionCommune(const std::string& codeDepartement,
                              const std::map<std::string, Departement>& departements) {
    const auto trouve = departements.find(codeDepartement);
    if (trouve == departements.end() || trouve->second.nom.empty())
        return "Commune fran\xC3\xA7" "aise.";
    const Departement& d = trouve->second;
    // Overseas collectivities are not départements, though the register lists them alike.
    const std::string territoire = d.zone == "com" ? "de la collectivit\xC3\xA9 " : "du d\xC3\xA9partement ";
    return "Commune fran\xC3\xA7" "aise " + territoire + DeDepartement(d) + " (" + codeDepartement + ").";
}

}  // namespace

bool ArticlesCommunes(std::string_view jsonCommunes, std::string_view jsonDepartements,
                      std::vector<Article>& articles) {
    ValeurJson communes, departementsJson;
    if (!AnalyserJson(jsonCommunes, communes) || communes.type != ValeurJson::Type::Tableau)
        return false;
    if (!AnalyserJson(jsonDepartements, departementsJson) ||
        departementsJson.type != ValeurJson::Type::Tableau)
        return false;
    const auto departements = LireDepartements(departementsJson);
    for (const ValeurJson& commune : communes.elements) {
        if (commune.Texte("type") != "commune-actuelle") continue;
        const std::string nom = commune.Texte("nom");
        if (nom.empty()) continue;
        Article article;
        article.mot = Utf8VersCp1252(nom);
        article.categorie = CategorieCommune;
        article.sens.push_back(
            Sens{Utf8VersCp1252(DefinitionCommune(commune.Texte("departement"), departements)), {}});
        articles.push_back(std::move(article));
    }
    return true;
}

bool ChargerCommunes(const std::string& fichierCommunes, std::string fichierDepartements,
                     std::vector<Article>& articles) {
    if (fichierDepartements.empty()) {
        const auto barre = fichierCommunes.find_last_of('/');
        fichierDepartements =
            (barre == std::string::npos ? std::string() : fichierCommunes.substr(0, barre + 1)) +
            "departements.json";
    }
    std::string communes, departements;
    if (!LireFichierEntier(fichierCommunes, communes) || !LireFichierEntier(fichierDepartements, departements))
        return false;
    return ArticlesCommunes(communes, departements, articles);
}

std::string VersionRegistreCommunes(const std::string& fichierCommunes) {
    const auto barre = fichierCommunes.find_last_of('/');
    if (barre == std::string::npos || barre == 0) return "";
    const auto barreParent = fichierCommunes.find_last_of('/', barre - 1);
    if (barreParent == std::string::npos) return "";
    std::ifstream fichier(fichierCommunes.substr(0, barreParent + 1) + "package.json", std::ios::binary);
    if (!fichier) return "";
    std::ostringstream tampon;
    tampon << fichier.rdbuf();
    ValeurJson paquet;
    if (!AnalyserJson(tampon.str(), paquet)) return "";
    return paquet.Texte("version");
}
