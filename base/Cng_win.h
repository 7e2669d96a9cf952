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

// Owns a key or hash object; Destroy is the call that releases its kind.
template <NTSTATUS(WINAPI* Destroy)(BCRYPT_HANDLE)>
class CngObject {
public:
    CngObject() = default;
    ~CngObject() {
        if (handle_) Destroy(handle_);
    }
    CngObject(const CngObject&) = delete;
    CngObject& operator=(const CngObject&) = delete;
    BCRYPT_HANDLE Get() const { return handle_; }
    BCRYPT_HANDLE* Receive() { return &handle_; }

private:
    BCRYPT_HANDLE handle_ = nullptr;
};

using CngKey = CngObject<BCryptDestroyKey>;
using CngHash = CngObject<BCryptDestroyHash>;

struct AesKey;
// Makes into an AES key (of AesEcbAlgorithm) from key's bytes.
void MakeAesKey(const AesKey& key, CngKey& into);
// Makes into a copy of key: a CNG key is not promised to be safe in several
// threads at once, so each call works on its own copy.
void DuplicateKey(const CngKey& key, CngKey& into);

}  // namespace pakmole
