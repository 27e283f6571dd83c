#include "art/ByteWriter.h"

#include <fstream>

#include "gui/graphics/Exception.h"

void TByteWriter::U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
}

void TByteWriter::U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value));
    U16(static_cast<std::uint16_t>(value >> 16));
}

void TByteWriter::SaveToFile(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(m_bytes.data()),
               static_cast<std::streamsize>(m_bytes.size()));
    if (!file) {
        throw Exception("Cannot write the file " + path);
    }
}
