// Writes the data's licence page, made from the table of sources, to the
// file named on the command line. Run by the build, beside the executable.
#include <cstdio>
#include <string>

#include "shell/SourcesDonnees.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FICHIER.html\n", argv[0]);
        return 2;
    }
    const std::string page = PageLicences();
    std::FILE* fichier = std::fopen(argv[1], "wb");
    if (!fichier) return 1;
    const bool ecrit = std::fwrite(page.data(), 1, page.size(), fichier) == page.size();
    return (std::fclose(fichier) == 0 && ecrit) ? 0 : 1;
}
