// A taskbar button's record read raw from the shell, in the 32-bit and the
// 64-bit TBBUTTON layout. The offsets below are the layouts' own: 20 bytes
// with dwData at 12 (4 bytes), and 32 bytes with 6 reserved bytes, dwData
// at 16 (8 bytes); the handle dwData points at is 4 resp. 8 bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/render/TaskbarButtonRecord.h"

namespace pakmole {
namespace {

// A record of size bytes full of other fields' noise, with value written
// little-endian in width bytes at offset.
std::vector<uint8_t> Record(std::size_t size, std::size_t offset, std::size_t width, uint64_t value) {
    std::vector<uint8_t> bytes(size, 0xA5);
    for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

TEST(TaskbarButtonRecord, DataIsReadWithTheShellsLayout) {
    const struct {
        const char* name;
        bool shell64;
        std::size_t size, offset, width;
        uint64_t data;
    } cases[] = {
        {"32-bit shell", false, 20, 12, 4, 0x0012F4C8u},
        {"64-bit shell, address below 4 GB", true, 32, 16, 8, 0x00000000'0012F4C8ull},
        {"64-bit shell, address above 4 GB", true, 32, 16, 8, 0x000001F3'4A2B7C10ull},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> record = Record(c.size, c.offset, c.width, c.data);
        EXPECT_EQ(TaskbarRecordData(record, c.shell64), c.data);
        // One byte short of a whole record is not a record.
        EXPECT_EQ(TaskbarRecordData(std::span(record).first(c.size - 1), c.shell64), std::nullopt);
        EXPECT_EQ(TaskbarRecordLayout(c.shell64).RecordSize, c.size);
    }
}

TEST(TaskbarButtonRecord, TheOwnLayoutMissesA64BitShellsData) {
    // What a 32-bit program read before: its own 20-byte TBBUTTON over the
    // 64-bit record finds the reserved padding where dwData should be.
    std::vector<uint8_t> record = Record(32, 16, 8, 0x0012F4C8u);
    for (std::size_t i = 10; i < 16; ++i) record[i] = 0;  // bReserved[6]
    EXPECT_EQ(TaskbarRecordData(record, false), 0u);
    EXPECT_EQ(TaskbarRecordData(record, true), 0x0012F4C8u);
}

TEST(TaskbarButtonRecord, WindowHandleAtTheData) {
    const std::vector<uint8_t> handle32 = Record(4, 0, 4, 0x00020A3Cu);
    EXPECT_EQ(TaskbarRecordWindow(handle32, false), 0x00020A3Cu);
    // A 64-bit shell keeps the handle in 8 bytes; its upper half is no part of the name.
    const std::vector<uint8_t> handle64 = Record(8, 0, 8, 0xFFFFFFFF'00020A3Cull);
    EXPECT_EQ(TaskbarRecordWindow(handle64, true), 0x00020A3Cu);
    EXPECT_EQ(TaskbarRecordWindow(std::span(handle64).first(4), true), std::nullopt);
    EXPECT_EQ(TaskbarRecordWindow(std::span(handle32).first(3), false), std::nullopt);
    EXPECT_EQ(TaskbarRecordLayout(false).HandleSize, 4u);
    EXPECT_EQ(TaskbarRecordLayout(true).HandleSize, 8u);
}

}  // namespace
}  // namespace pakmole
