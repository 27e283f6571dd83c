#include "support/ByteWriter.h"

ByteWriter& ByteWriter::U8(std::uint8_t value) {
    m_bytes.push_back(value);
    return *this;
}

ByteWriter& ByteWriter::U16(std::uint16_t value) {
    return U8(static_cast<std::uint8_t>(value)).U8(static_cast<std::uint8_t>(value >> 8));
}

ByteWriter& ByteWriter::U32(std::uint32_t value) {
    return U16(static_cast<std::uint16_t>(value)).U16(static_cast<std::uint16_t>(value >> 16));
}

ByteWriter& ByteWriter::I32(std::int32_t value) {
    return U32(static_cast<std::uint32_t>(value));
}

ByteWriter& ByteWriter::Append(std::span<const std::uint8_t> bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

ByteWriter& ByteWriter::Zeros(std::size_t count) {
    m_bytes.insert(m_bytes.end(), count, 0);
    return *this;
}
