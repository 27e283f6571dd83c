#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Builds little-endian binary files for the loader tests.
class ByteWriter {
public:
    ByteWriter& U8(std::uint8_t value);
    ByteWriter& U16(std::uint16_t value);
    ByteWriter& U32(std::uint32_t value);
    ByteWriter& I32(std::int32_t value);
    ByteWriter& Append(std::span<const std::uint8_t> bytes);
    ByteWriter& Zeros(std::size_t count);

    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};
