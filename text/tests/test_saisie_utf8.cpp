#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/SaisieUtf8.h"

namespace {

TEST(SaisieUtf8, TableDesSaisies) {
    struct Cas {
        std::string utf8;
        DefautSaisie defaut;
        std::string texte;       // Windows-1252, when accepted
        std::string message;     // part of the message, when refused
    };
    const std::vector<Cas> cas = {
        {"maison", DefautSaisie::Aucun, "maison", ""},
        {"\xC3\xA9t\xC3\xA9", DefautSaisie::Aucun, "\xE9t\xE9", ""},
        {"c\xC5\x93ur", DefautSaisie::Aucun, "c\x9Cur", ""},
        {"l\xE2\x80\x99" "abri", DefautSaisie::Aucun, "l\x92" "abri", ""},
        {"l\xCA\xBC" "abri", DefautSaisie::Aucun, "l'abri", ""},        // U+02BC
        {"porte\xE2\x80\x91monnaie", DefautSaisie::Aucun, "porte-monnaie", ""},  // U+2011
        {" eau\t", DefautSaisie::Aucun, " eau\t", ""},                 // blanks are the lookup's business
        {"", DefautSaisie::Aucun, "", ""},
        {"\xFF\xFE", DefautSaisie::PasUtf8, "", "pas en UTF-8 (octet 0xFF, caract\xC3\xA8re 1)"},
        {"\xC3\xA9t\xE9", DefautSaisie::PasUtf8, "", "(octet 0xE9, caract\xC3\xA8re 3)"},   // Latin-1 after UTF-8
        {"\xC0\xAF", DefautSaisie::PasUtf8, "", "octet 0xC0"},        // overlong form
        {"eau\npain", DefautSaisie::Controle, "", "de commande (U+000A, caract\xC3\xA8re 4)"},
        {"eau\x01", DefautSaisie::Controle, "", "(U+0001, caract\xC3\xA8re 4)"},
        {"eau\x7F", DefautSaisie::Controle, "", "U+007F"},
        {"eau\xC2\x85", DefautSaisie::Controle, "", "U+0085"},        // C1 control, not the ellipsis
        {"\xF0\x9F\x98\x80", DefautSaisie::HorsCp1252, "",
         "\xC2\xAB \xF0\x9F\x98\x80 \xC2\xBB (U+1F600, caract\xC3\xA8re 1), un caract\xC3\xA8re que"},
        {"Bra\xC8\x99ov", DefautSaisie::HorsCp1252, "", "(U+0219, caract\xC3\xA8re 4)"},
    };
    for (const Cas& c : cas) {
        const SaisieLue lue = LireSaisieUtf8(c.utf8);
        EXPECT_EQ(lue.defaut, c.defaut) << c.utf8;
        if (c.defaut == DefautSaisie::Aucun) {
            EXPECT_EQ(lue.texte, c.texte) << c.utf8;
            EXPECT_EQ(MessageDefautSaisie(lue), "") << c.utf8;
        } else {
            EXPECT_NE(MessageDefautSaisie(lue).find(c.message), std::string::npos) << c.utf8 << " : "
                                                                                    << MessageDefautSaisie(lue);
        }
    }
}

}  // namespace
