#include "tools/script/InterpreteScript.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "platform/dialogue/SansEcran.h"
#include "shell/Identifiants.h"
#include "text/Cp1252.h"

namespace {
std::string EnUtf8(const std::string& cp1252) { return Cp1252VersUtf8(cp1252); }

std::string SansCR(const std::string& texte) {
    std::string resultat;
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (!(texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n')) resultat += texte[i];
    return resultat;
}

bool LireEntier(const std::string& texte, int& valeur) {
    const char* fin = texte.data() + texte.size();
    auto [p, erreur] = std::from_chars(texte.data(), fin, valeur);
    return erreur == std::errc() && p == fin && !texte.empty();
}

void EcrireBloc(std::ostream& sortie, const std::string& texteCp1252) {
    const std::string texte = EnUtf8(SansCR(texteCp1252));
    sortie << "<<\n" << texte;
    if (!texte.empty() && texte.back() != '\n') sortie << '\n';
    sortie << ">>\n";
}
}  // namespace

InterpreteScript::InterpreteScript(FenetreSansEcran& fenetre, std::ostream& sortie, std::ostream& erreurs)
    : fenetre_(fenetre), sortie_(sortie), erreurs_(erreurs) {}

bool InterpreteScript::Executer(std::istream& entree) {
    bool compris = true;
    std::string ligne;
    while (std::getline(entree, ligne)) compris = ExecuterLigne(ligne) && compris;
    return compris;
}

bool InterpreteScript::ExecuterLigne(const std::string& ligneUtf8) {
    std::string ligne = ligneUtf8;
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (ligne.empty() || ligne[0] == '#') return true;
    const std::size_t espace = ligne.find(' ');
    const std::string commande = ligne.substr(0, espace);
    const std::string argument = espace == std::string::npos ? std::string() : ligne.substr(espace + 1);
    int nombre = 0;
    if (commande == "saisir") {
        fenetre_.Saisir(IDC_MOT, Utf8VersCp1252(argument));
    } else if (commande == "montrer" && argument.empty()) {
        Montrer();
    } else if (commande == "cliquer" && LireEntier(argument, nombre)) {
        fenetre_.Cliquer(nombre);
    } else if (commande == "choisir" && LireEntier(argument, nombre)) {
        fenetre_.Choisir(IDC_LISTE, nombre);
    } else if (commande == "doubleclic" && LireEntier(argument, nombre)) {
        fenetre_.DoubleCliquer(IDC_DEFINITION, nombre);
    } else {
        erreurs_ << "vocalia-script: ligne incomprise : " << ligne << '\n';
        return false;
    }
    sortie_.flush();
    return true;
}

std::string InterpreteScript::Liste() const {
    std::string liste;
    for (int i = 0; i < fenetre_.ListeNombre(IDC_LISTE); ++i) {
        if (i > 0) liste += '|';
        liste += fenetre_.ListeLigne(IDC_LISTE, i);
    }
    return liste;
}

void InterpreteScript::Montrer() {
    sortie_ << "liste_type=" << EnUtf8(fenetre_.Texte(IDC_TYPE_LISTE)) << '\n'
            << "mot_choisi=" << EnUtf8(fenetre_.Texte(IDC_MOT_CHOISI)) << '\n'
            << "mot=" << EnUtf8(fenetre_.Texte(IDC_MOT)) << '\n'
            << "liste=" << EnUtf8(Liste()) << '\n'
            << "selection=" << fenetre_.ListeSelection(IDC_LISTE) << '\n'
            << "conjugaison=" << (fenetre_.EstActif(IDC_CONJUGAISON) ? 1 : 0) << '\n'
            << "effacer=" << (fenetre_.EstActif(IDC_EFFACER) ? 1 : 0) << '\n'
            << "definition";
    EcrireBloc(sortie_, fenetre_.Texte(IDC_DEFINITION));
}

void InterpreteScript::Ecrire(std::ostream& sortie, const EvenementInterface& e) {
    switch (e.type) {
        case EvenementInterface::Type::Message:
            sortie << "message: " << EnUtf8(e.titre) << " | " << EnUtf8(e.texte) << '\n';
            break;
        case EvenementInterface::Type::Page:
            sortie << "page: " << EnUtf8(e.titre) << '\n';
            break;
        case EvenementInterface::Type::Fenetre:
            sortie << "fenetre: " << EnUtf8(e.titre) << '\n';
            EcrireBloc(sortie, e.texte);
            break;
    }
    sortie.flush();
}
