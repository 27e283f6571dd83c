#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian reads from outside data. Reading past the end throws Exception naming the
// format, so a loader never has to trust a length or an offset it was given.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> data, const char* format);

    std::size_t Position() const { return m_position; }
    std::size_t Remaining() const { return m_data.size() - m_position; }

    void Seek(std::size_t position);
    void Skip(std::size_t count);
    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int32_t I32();
    std::span<const std::uint8_t> Bytes(std::size_t count);

private:
    void Require(std::size_t count) const;

    std::span<const std::uint8_t> m_data;
    std::size_t m_position = 0;
    const char* m_format;
};
