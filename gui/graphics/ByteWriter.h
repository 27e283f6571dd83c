#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Little-endian bytes of a binary file assembled in memory: the artwork generator's icons and
// bitmaps, and the files the loader tests build.
class TByteWriter {
public:
    TByteWriter& U8(std::uint8_t value);
    TByteWriter& U16(std::uint16_t value);
    TByteWriter& U32(std::uint32_t value);
    TByteWriter& I32(std::int32_t value);
    TByteWriter& Append(std::span<const std::uint8_t> bytes);
    TByteWriter& Zeros(std::size_t count);

    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    // Throws Exception when the file cannot be written whole.
    void SaveToFile(const std::string& path) const;

private:
    std::vector<std::uint8_t> m_bytes;
};
