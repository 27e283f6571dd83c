#include "gui/graphics/ByteReader.h"

#include <string>

#include "gui/graphics/Exception.h"

ByteReader::ByteReader(std::span<const std::uint8_t> data, const char* format)
    : m_data(data), m_format(format) {}

void ByteReader::Require(std::size_t count) const {
    if (count > Remaining()) {
        throw Exception(std::string(m_format) + " data is truncated");
    }
}

void ByteReader::Seek(std::size_t position) {
    if (position > m_data.size()) {
        throw Exception(std::string(m_format) + " data is truncated");
    }
    m_position = position;
}

void ByteReader::Skip(std::size_t count) {
    Require(count);
    m_position += count;
}

std::uint8_t ByteReader::U8() {
    Require(1);
    return m_data[m_position++];
}

std::uint16_t ByteReader::U16() {
    Require(2);
    const auto value = static_cast<std::uint16_t>(m_data[m_position] | m_data[m_position + 1] << 8);
    m_position += 2;
    return value;
}

std::uint32_t ByteReader::U32() {
    Require(4);
    const std::uint8_t* p = m_data.data() + m_position;
    m_position += 4;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t ByteReader::I32() {
    return static_cast<std::int32_t>(U32());
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    Require(count);
    const auto bytes = m_data.subspan(m_position, count);
    m_position += count;
    return bytes;
}
