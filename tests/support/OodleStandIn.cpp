// A stand-in for a game's Oodle library, built for the tests only: it
// exports OodleLZ_Decompress with the real entry point's arguments and
// calling convention, but decodes a trivial format of our own, not Oodle's:
// the 4 bytes "OOSI", then runs of (count, byte). A block that does not give
// exactly the raw size asked for fails (0), as the real one does.
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define STAND_IN_CALL __attribute__((stdcall))
#else
#define STAND_IN_CALL
#endif
#ifdef _WIN32
#define STAND_IN_EXPORT __declspec(dllexport)
#else
#define STAND_IN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" STAND_IN_EXPORT intptr_t STAND_IN_CALL OodleLZ_Decompress(
    const void* compressed, intptr_t compressedSize, void* raw, intptr_t rawSize, int /*fuzzSafe*/, int /*checkCrc*/,
    int /*verbosity*/, void* /*windowBase*/, intptr_t /*windowSize*/, void* /*callback*/, void* /*callbackData*/,
    void* /*decoderMemory*/, intptr_t /*decoderMemorySize*/, int /*threadPhase*/) {
    const auto* in = static_cast<const unsigned char*>(compressed);
    auto* out = static_cast<unsigned char*>(raw);
    if (compressedSize < 4 || in[0] != 'O' || in[1] != 'O' || in[2] != 'S' || in[3] != 'I') return 0;
    intptr_t written = 0;
    for (intptr_t at = 4; at + 1 < compressedSize; at += 2) {
        for (unsigned n = 0; n < in[at]; ++n) {
            if (written == rawSize) return 0;
            out[written++] = in[at + 1];
        }
    }
    return written == rawSize ? written : 0;
}
