#include "tools/donnees/Json.h"

#include <cstdlib>

#include "text/Cp1252.h"

namespace {

constexpr int ProfondeurMaximale = 200;

class Analyseur {
public:
    explicit Analyseur(std::string_view texte) : texte_(texte) {}

    bool Document(ValeurJson& valeur) {
        if (!Valeur(valeur, 0)) return false;
        SauterBlancs();
        return position_ == texte_.size();
    }

private:
    std::string_view texte_;
    std::size_t position_ = 0;

    void SauterBlancs() {
        while (position_ < texte_.size() &&
               (texte_[position_] == ' ' || texte_[position_] == '\t' ||
                texte_[position_] == '\n' || texte_[position_] == '\r'))
            ++position_;
    }

    bool Consommer(char attendu) {
        SauterBlancs();
        if (position_ >= texte_.size() || texte_[position_] != attendu) return false;
        ++position_;
        return true;
    }

    bool MotCle(std::string_view mot) {
        if (texte_.substr(position_, mot.size()) != mot) return false;
        position_ += mot.size();
        return true;
    }

    bool Valeur(ValeurJson& valeur, int profondeur) {
        if (profondeur > ProfondeurMaximale) return false;
        SauterBlancs();
        if (position_ >= texte_.size()) return false;
        const char c = texte_[position_];
        if (c == '{') return Objet(valeur, profondeur);
        if (c == '[') return Tableau(valeur, profondeur);
        if (c == '"') {
            valeur.type = ValeurJson::Type::Chaine;
            return Chaine(valeur.chaine);
        }
        if (c == 't' || c == 'f') {
            valeur.type = ValeurJson::Type::Booleen;
            valeur.booleen = c == 't';
            return MotCle(c == 't' ? "true" : "false");
        }
        if (c == 'n') {
            valeur.type = ValeurJson::Type::Nul;
            return MotCle("null");
        }
        return Nombre(valeur);
    }

    bool Objet(ValeurJson& valeur, int profondeur) {
        valeur.type = ValeurJson::Type::Objet;
        ++position_;
        if (Consommer('}')) return true;
        do {
            std::string nom;
            SauterBlancs();
            if (position_ >= texte_.size() || texte_[position_] != '"' || !Chaine(nom)) return false;
            if (!Consommer(':')) return false;
            ValeurJson membre;
            if (!Valeur(membre, profondeur + 1)) return false;
            valeur.membres[nom] = std::move(membre);
        } while (Consommer(','));
        return Consommer('}');
    }

    bool Tableau(ValeurJson& valeur, int profondeur) {
        valeur.type = ValeurJson::Type::Tableau;
        ++position_;
        if (Consommer(']')) return true;
        do {
            valeur.elements.emplace_back();
            if (!Valeur(valeur.elements.back(), profondeur + 1)) return false;
        } while (Consommer(','));
        return Consommer(']');
    }

    bool Nombre(ValeurJson& valeur) {
        const std::size_t debut = position_;
        while (position_ < texte_.size() &&
               std::string_view("+-0123456789.eE").find(texte_[position_]) != std::string_view::npos)
            ++position_;
        if (position_ == debut) return false;
        const std::string chiffres(texte_.substr(debut, position_ - debut));
        char* fin = nullptr;
        valeur.type = ValeurJson::Type::Nombre;
        valeur.nombre = std::strtod(chiffres.c_str(), &fin);
        return fin == chiffres.c_str() + chiffres.size();
    }

    bool QuatreHex(unsigned& code) {
        if (position_ + 4 > texte_.size()) return false;
        code = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = texte_[position_++];
            code <<= 4;
            if (c >= '0' && c <= '9') code |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f') code |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') code |= unsigned(c - 'A' + 10);
            else return false;
        }
        return true;
    }

    bool Echappement(std::string& sortie) {
        if (position_ >= texte_.size()) return false;
        const char c = texte_[position_++];
        switch (c) {
            case '"': case '\\': case '/': sortie += c; return true;
            case 'b': sortie += '\b'; return true;
            case 'f': sortie += '\f'; return true;
            case 'n': sortie += '\n'; return true;
            case 'r': sortie += '\r'; return true;
            case 't': sortie += '\t'; return true;
            case 'u': break;
            default: return false;
        }
        unsigned code;
        if (!QuatreHex(code)) return false;
        if (code >= 0xD800 && code <= 0xDBFF) {  // a surrogate pair must follow
            unsigned bas;
            if (!MotCle("\\u") || !QuatreHex(bas) || bas < 0xDC00 || bas > 0xDFFF) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (bas - 0xDC00);
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return false;
        }
        AjouterUtf8(sortie, code);
        return true;
    }

    bool Chaine(std::string& sortie) {
        ++position_;  // the opening quote
        while (position_ < texte_.size()) {
            const char c = texte_[position_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '\\') {
                if (!Echappement(sortie)) return false;
            } else {
                sortie += c;
            }
        }
        return false;
    }
};

}  // namespace

const ValeurJson* ValeurJson::Membre(const std::string& nom) const {
    if (type != Type::Objet) return nullptr;
    const auto trouve = membres.find(nom);
    return trouve == membres.end() ? nullptr : &trouve->second;
}

std::string ValeurJson::Texte(const std::string& nom) const {
    const ValeurJson* membre = Membre(nom);
    return membre && membre->type == Type::Chaine ? membre->chaine : std::string();
}

bool AnalyserJson(std::string_view texte, ValeurJson& valeur) {
    valeur = ValeurJson();
    return Analyseur(texte).Document(valeur);
}
