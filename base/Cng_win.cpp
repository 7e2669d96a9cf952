#include "Cng_win.h"

#include <cstdio>
#include <cwchar>

#include "CryptoError.h"

namespace pakmole {

void CheckCng(NTSTATUS status, const char* call) {
    if (BCRYPT_SUCCESS(status)) return;
    char reason[32];
    std::snprintf(reason, sizeof reason, "status 0x%08lX", static_cast<unsigned long>(status));
    throw CryptoError(call, reason);
}

CngAlgorithm::CngAlgorithm(const wchar_t* algorithm, const wchar_t* chainingMode) {
    CheckCng(BCryptOpenAlgorithmProvider(&handle_, algorithm, nullptr, 0), "BCryptOpenAlgorithmProvider");
    if (!chainingMode) return;
    const NTSTATUS status =
        BCryptSetProperty(handle_, BCRYPT_CHAINING_MODE,
                          reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(chainingMode)),
                          static_cast<ULONG>((wcslen(chainingMode) + 1) * sizeof(wchar_t)), 0);
    if (!BCRYPT_SUCCESS(status)) BCryptCloseAlgorithmProvider(handle_, 0);
    CheckCng(status, "BCryptSetProperty(BCRYPT_CHAINING_MODE)");
}

CngAlgorithm::~CngAlgorithm() { BCryptCloseAlgorithmProvider(handle_, 0); }

const CngAlgorithm& AesEcbAlgorithm() {
    static const CngAlgorithm aes(BCRYPT_AES_ALGORITHM, BCRYPT_CHAIN_MODE_ECB);
    return aes;
}

const CngAlgorithm& Sha1Algorithm() {
    static const CngAlgorithm sha1(BCRYPT_SHA1_ALGORITHM);
    return sha1;
}

}  // namespace pakmole
