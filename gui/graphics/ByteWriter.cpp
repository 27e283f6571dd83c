#include "gui/graphics/ByteWriter.h"

#include <fstream>

#include "gui/graphics/Exception.h"

TByteWriter& TByteWriter::U8(std::uint8_t value) {
    m_bytes.push_back(value);
    return *this;
}

TByteWriter& TByteWriter::U16(std::uint16_t value) {
    return U8(static_cast<std::uint8_t>(value)).U8(static_cast<std::uint8_t>(value >> 8));
}

TByteWriter& TByteWriter::U32(std::uint32_t value) {
    return U16(static_cast<std::uint16_t>(value)).U16(static_cast<std::uint16_t>(value >> 16));
}

TByteWriter& TByteWriter::I32(std::int32_t value) {
    return U32(static_cast<std::uint32_t>(value));
}

TByteWriter& TByteWriter::Append(std::span<const std::uint8_t> bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

TByteWriter& TByteWriter::Zeros(std::size_t count) {
    m_bytes.insert(m_bytes.end(), count, 0);
    return *this;
}

void TByteWriter::SaveToFile(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(m_bytes.data()),
               static_cast<std::streamsize>(m_bytes.size()));
    if (!file)
        throw Exception("Cannot write the file " + path);
}
