#pragma once
// A taskbar button's record (the toolbar's TBBUTTON) as it lies in the
// shell's memory, read with the shell's own layout: a 64-bit shell keeps
// pointer-sized fields of 8 bytes and pads the record, so a 32-bit program
// on 64-bit Windows cannot take the record with its own TBBUTTON. Portable
// decoding of the raw bytes; the search in the shell is Win32.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pakmole {

struct TTaskbarRecordLayout {
    std::size_t RecordSize;  // bytes of one record
    std::size_t DataOffset;  // where dwData lies in it
    std::size_t DataSize;    // its size (the shell's pointer size)
    std::size_t HandleSize;  // the window handle at the address dwData holds
};

// The layout of a shell whose pointers are 8 bytes (shell64) or 4 bytes.
TTaskbarRecordLayout TaskbarRecordLayout(bool shell64);

// dwData of a record read raw; none when fewer bytes than a record were read.
std::optional<uint64_t> TaskbarRecordData(std::span<const uint8_t> record, bool shell64);

// The window handle read raw at dwData; none when too few bytes were read.
// Window handles are 32-bit values on both sides, so only the low 32 bits
// of a 64-bit shell's handle name the window.
std::optional<uint32_t> TaskbarRecordWindow(std::span<const uint8_t> handle, bool shell64);

}  // namespace pakmole
