#pragma once
// Owners of the handles of Windows' cryptography (CNG), and its failures turned into
// our exceptions.
#include <windows.h>
// windows.h first: bcrypt.h leans on its types.
#include <bcrypt.h>

namespace pakmole {

// Throws CryptoError naming `call` and the status when the status is a failure.
void CheckCng(NTSTATUS status, const char* call);

// An algorithm provider. Opening one is slow, so each is opened once for the program.
class CngAlgorithm {
public:
    // chainingMode: a BCRYPT_CHAIN_MODE_ value for a block cipher, or null.
    explicit CngAlgorithm(const wchar_t* algorithm, const wchar_t* chainingMode = nullptr);
    ~CngAlgorithm();
    CngAlgorithm(const CngAlgorithm&) = delete;
    CngAlgorithm& operator=(const CngAlgorithm&) = delete;
    BCRYPT_ALG_HANDLE Get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

// AES with every block on its own (ECB); its keys take that mode from it.
const CngAlgorithm& AesEcbAlgorithm();
const CngAlgorithm& Sha1Algorithm();

class CngKey {
public:
    CngKey() = default;
    ~CngKey();
    CngKey(const CngKey&) = delete;
    CngKey& operator=(const CngKey&) = delete;
    BCRYPT_KEY_HANDLE Get() const { return handle_; }
    BCRYPT_KEY_HANDLE* Receive() { return &handle_; }

private:
    BCRYPT_KEY_HANDLE handle_ = nullptr;
};

class CngHash {
public:
    CngHash() = default;
    ~CngHash();
    CngHash(const CngHash&) = delete;
    CngHash& operator=(const CngHash&) = delete;
    BCRYPT_HASH_HANDLE Get() const { return handle_; }
    BCRYPT_HASH_HANDLE* Receive() { return &handle_; }

private:
    BCRYPT_HASH_HANDLE handle_ = nullptr;
};

}  // namespace pakmole
