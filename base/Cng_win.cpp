#include "Cng_win.h"

#include <cstdio>
#include <cwchar>

#include "AesKey.h"
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

void MakeAesKey(const AesKey& key, CngKey& into) {
    CheckCng(BCryptGenerateSymmetricKey(AesEcbAlgorithm().Get(), into.Receive(), nullptr, 0,
                                        const_cast<PUCHAR>(key.bytes.data()), static_cast<ULONG>(key.bytes.size()),
                                        0),
             "BCryptGenerateSymmetricKey");
}

void DuplicateKey(const CngKey& key, CngKey& into) {
    CheckCng(BCryptDuplicateKey(key.Get(), into.Receive(), nullptr, 0, 0), "BCryptDuplicateKey");
}

const CngAlgorithm& Sha1Algorithm() {
    static const CngAlgorithm sha1(BCRYPT_SHA1_ALGORITHM);
    return sha1;
}

}  // namespace pakmole
