#include "data/ChiffreOfb.h"

#include <openssl/evp.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VOCALIA_AES_PROCESSEUR 1
#endif

namespace {

struct LibererContexte {
    void operator()(EVP_CIPHER_CTX* contexte) const { EVP_CIPHER_CTX_free(contexte); }
};

#ifdef VOCALIA_AES_PROCESSEUR

constexpr int TOURS = 10;

__attribute__((target("aes,sse2"))) __m128i EtendreCle(__m128i cle, __m128i assistance) {
    assistance = _mm_shuffle_epi32(assistance, 0xFF);
    cle = _mm_xor_si128(cle, _mm_slli_si128(cle, 4));
    cle = _mm_xor_si128(cle, _mm_slli_si128(cle, 4));
    cle = _mm_xor_si128(cle, _mm_slli_si128(cle, 4));
    return _mm_xor_si128(cle, assistance);
}

// The round constants must be immediates, hence one line per round.
__attribute__((target("aes,sse2"))) void PreparerTours(const unsigned char* cle, __m128i tours[TOURS + 1]) {
    tours[0] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cle));
    tours[1] = EtendreCle(tours[0], _mm_aeskeygenassist_si128(tours[0], 0x01));
    tours[2] = EtendreCle(tours[1], _mm_aeskeygenassist_si128(tours[1], 0x02));
    tours[3] = EtendreCle(tours[2], _mm_aeskeygenassist_si128(tours[2], 0x04));
    tours[4] = EtendreCle(tours[3], _mm_aeskeygenassist_si128(tours[3], 0x08));
    tours[5] = EtendreCle(tours[4], _mm_aeskeygenassist_si128(tours[4], 0x10));
    tours[6] = EtendreCle(tours[5], _mm_aeskeygenassist_si128(tours[5], 0x20));
    tours[7] = EtendreCle(tours[6], _mm_aeskeygenassist_si128(tours[6], 0x40));
    tours[8] = EtendreCle(tours[7], _mm_aeskeygenassist_si128(tours[7], 0x80));
    tours[9] = EtendreCle(tours[8], _mm_aeskeygenassist_si128(tours[8], 0x1B));
    tours[10] = EtendreCle(tours[9], _mm_aeskeygenassist_si128(tours[9], 0x36));
}

__attribute__((target("aes,sse2"))) void OfbProcesseur(const unsigned char* cle, const unsigned char* iv,
                                                       const unsigned char* entree, std::size_t taille,
                                                       unsigned char* sortie) {
    __m128i tours[TOURS + 1];
    PreparerTours(cle, tours);
    __m128i flux = _mm_loadu_si128(reinterpret_cast<const __m128i*>(iv));
    for (std::size_t fait = 0; fait < taille; fait += 16) {
        flux = _mm_xor_si128(flux, tours[0]);
        for (int t = 1; t < TOURS; ++t) flux = _mm_aesenc_si128(flux, tours[t]);
        flux = _mm_aesenclast_si128(flux, tours[TOURS]);
        const std::size_t morceau = std::min<std::size_t>(16, taille - fait);
        if (morceau == 16) {
            const __m128i lu = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entree + fait));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(sortie + fait), _mm_xor_si128(lu, flux));
        } else {
            unsigned char octets[16];
            _mm_storeu_si128(reinterpret_cast<__m128i*>(octets), flux);
            for (std::size_t i = 0; i < morceau; ++i) sortie[fait + i] = entree[fait + i] ^ octets[i];
        }
    }
}

bool ProcesseurAes() {
    static const bool present = __builtin_cpu_supports("aes") && __builtin_cpu_supports("sse2");
    return present;
}

#endif

}  // namespace

bool OfbParProcesseur() {
#ifdef VOCALIA_AES_PROCESSEUR
    return ProcesseurAes();
#else
    return false;
#endif
}

bool AppliquerOfb(const unsigned char* cle, const unsigned char* iv, const unsigned char* entree, std::size_t taille,
                  unsigned char* sortie) {
#ifdef VOCALIA_AES_PROCESSEUR
    if (ProcesseurAes()) {
        if (taille == 0) return false;
        OfbProcesseur(cle, iv, entree, taille, sortie);
        return true;
    }
#endif
    return AppliquerOfbBibliotheque(cle, iv, entree, taille, sortie);
}

bool AppliquerOfbBibliotheque(const unsigned char* cle, const unsigned char* iv, const unsigned char* entree,
                              std::size_t taille, unsigned char* sortie) {
    if (taille == 0 || taille > std::size_t(INT_MAX)) return false;
    std::unique_ptr<EVP_CIPHER_CTX, LibererContexte> contexte(EVP_CIPHER_CTX_new());
    if (!contexte) return false;
    if (EVP_CipherInit_ex(contexte.get(), EVP_aes_128_ofb(), nullptr, cle, iv, 0) != 1) return false;
    int ecrits = 0;
    if (EVP_CipherUpdate(contexte.get(), sortie, &ecrits, entree, int(taille)) != 1) return false;
    int finals = 0;
    if (EVP_CipherFinal_ex(contexte.get(), sortie + ecrits, &finals) != 1) return false;
    return std::size_t(ecrits) + std::size_t(finals) == taille;
}
