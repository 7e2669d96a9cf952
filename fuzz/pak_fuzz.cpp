// The pak reader on any bytes. Nothing may crash, hang or allocate without
// bound.
#include "ReadWholePak.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    pakmole::fuzz::ReadWholePak(data, size);
    return 0;
}
