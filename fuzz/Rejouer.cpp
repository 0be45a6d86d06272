// Feeds every file of the folders (or the files) given as arguments to the
// harness, one call each, as libFuzzer would: the seeds and the saved
// findings stay tests in builds without libFuzzer. A folder that does not
// exist is skipped (a harness may have no finding yet); no input at all is
// a failure, since the test would then check nothing.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/Harnais.h"

namespace fs = std::filesystem;

namespace {

bool Rejouer(const fs::path& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) {
        std::fprintf(stderr, "illisible : %s\n", chemin.c_str());
        return false;
    }
    const std::vector<char> contenu((std::istreambuf_iterator<char>(fichier)), std::istreambuf_iterator<char>());
    // Copied into a block of its exact size, so that a read past the end is seen.
    std::vector<std::uint8_t> octets(contenu.begin(), contenu.end());
    LLVMFuzzerTestOneInput(octets.empty() ? nullptr : octets.data(), octets.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> entrees;
    for (int i = 1; i < argc; ++i) {
        const fs::path chemin(argv[i]);
        std::error_code erreur;
        if (fs::is_directory(chemin, erreur)) {
            for (const fs::directory_entry& entree : fs::directory_iterator(chemin))
                if (entree.is_regular_file()) entrees.push_back(entree.path());
        } else if (fs::is_regular_file(chemin, erreur)) {
            entrees.push_back(chemin);
        }
    }
    std::sort(entrees.begin(), entrees.end());
    if (entrees.empty()) {
        std::fprintf(stderr, "aucune entree a rejouer\n");
        return 1;
    }
    for (const fs::path& chemin : entrees) {
        std::printf("%s\n", chemin.c_str());
        std::fflush(stdout);
        if (!Rejouer(chemin)) return 1;
    }
    std::printf("%zu entrees rejouees\n", entrees.size());
    return 0;
}
