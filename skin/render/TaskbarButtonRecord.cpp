#include "skin/render/TaskbarButtonRecord.h"

namespace pakmole {
namespace {

uint64_t LittleEndian(std::span<const uint8_t> bytes) {
    uint64_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

// 32-bit: iBitmap, idCommand (4 each), fsState, fsStyle, bReserved[2], then
// dwData and iString (4 each): 20 bytes. 64-bit: the same up to fsStyle,
// bReserved[6] bring dwData to 8-byte alignment, dwData and iString are 8
// each: 32 bytes.
TTaskbarRecordLayout TaskbarRecordLayout(bool shell64) {
    return shell64 ? TTaskbarRecordLayout{32, 16, 8, 8} : TTaskbarRecordLayout{20, 12, 4, 4};
}

std::optional<uint64_t> TaskbarRecordData(std::span<const uint8_t> record, bool shell64) {
    const TTaskbarRecordLayout layout = TaskbarRecordLayout(shell64);
    if (record.size() < layout.RecordSize) return std::nullopt;
    return LittleEndian(record.subspan(layout.DataOffset, layout.DataSize));
}

std::optional<uint32_t> TaskbarRecordWindow(std::span<const uint8_t> handle, bool shell64) {
    const TTaskbarRecordLayout layout = TaskbarRecordLayout(shell64);
    if (handle.size() < layout.HandleSize) return std::nullopt;
    return static_cast<uint32_t>(LittleEndian(handle.first(4)));
}

}  // namespace pakmole
