#include "text/OrdreFrancais.h"

#include <array>

#include "text/Caracteres.h"

namespace {

// Primary weight of a byte. Every letter of the tables weighs as its base
// letter, so case and accents only ever make a secondary difference. Any other
// byte is a class of its own: listed bytes by their rank, unlisted ones below
// all of them by byte value. Keeping non-letters apart from each other is what
// makes the order transitive; were all of them one class (they all fold to no
// base letter), "c°ur", "c'est" and "cobaye" would sort in a circle.
int PoidsPrimaire(char c) {
    static const std::array<int, 256> poids = [] {
        std::array<int, 256> p{};
        for (int octet = 0; octet < 256; ++octet) {
            const char car = static_cast<char>(octet);
            const char base = LettreDeBase(car);
            if (base != '\0')
                p[octet] = 256 + RangAlpha(static_cast<char>(base - 'a' + 'A'));
            else if (RangAlpha(car) > 0)
                p[octet] = 256 + RangAlpha(car);
            else
                p[octet] = octet;
        }
        return p;
    }();
    return poids[static_cast<unsigned char>(c)];
}

// Walks a word letter by letter, a ligature giving two letters: itself (its
// first letter, for the primary weight) then the plain e or E that follows
// it. So "c\x9Cur" sorts as "coeur" does, and only after it.
class LecteurMot {
public:
    explicit LecteurMot(const char* mot) : p_(mot) {}
    bool Fini() const { return *p_ == '\0'; }
    char Suivant() {
        if (dansLigature_) {
            dansLigature_ = false;
            return SecondeLettreLigature(*p_++);
        }
        const char c = *p_;
        if (SecondeLettreLigature(c) != '\0')
            dansLigature_ = true;
        else
            ++p_;
        return c;
    }

private:
    const char* p_;
    bool dansLigature_ = false;
};

}  // namespace

bool MotSuperieur(const char* motA, const char* motB) {
    bool apres = false;
    bool avant = false;
    LecteurMot a(motA);
    LecteurMot b(motB);
    for (;;) {
        if (a.Fini()) return b.Fini() && apres;
        if (b.Fini()) return true;
        const char carA = a.Suivant();
        const char carB = b.Suivant();
        if (carA == carB) continue;
        const int poidsA = PoidsPrimaire(carA);
        const int poidsB = PoidsPrimaire(carB);
        if (poidsA != poidsB) return poidsA > poidsB;
        if (!apres && !avant) {
            if (CarSuperieur(carA, carB))
                apres = true;
            else
                avant = true;
        }
    }
}

bool MotSuperieur(const std::string& a, const std::string& b) { return MotSuperieur(a.c_str(), b.c_str()); }

bool MotsEgaux(const char* a, const char* b) {
    for (; *a == *b; ++a, ++b)
        if (*a == '\0') return true;
    return false;
}

bool MotsEgaux(const std::string& a, const std::string& b) { return MotsEgaux(a.c_str(), b.c_str()); }

bool EstCapitalise(const char* s) {
    if (*s == '\0') return true;
    if (!EstMajuscule(*s)) return false;
    for (++s; *s; ++s)
        if (EstMajuscule(*s)) return false;
    return true;
}

bool EstCapitalise(const std::string& s) { return EstCapitalise(s.c_str()); }

std::string MotAutourDe(const std::string& texte, std::size_t pos) {
    // The text ends at its first NUL, and a position past the end touches the last word.
    const std::size_t longueur = std::char_traits<char>::length(texte.c_str());
    if (pos > longueur) pos = longueur;
    std::size_t fin = pos;
    while (fin < longueur && EstAlphanumerique(texte[fin])) ++fin;
    std::size_t debut = pos;
    while (debut > 0 && EstAlphanumerique(texte[debut - 1])) --debut;
    return texte.substr(debut, fin - debut);
}
