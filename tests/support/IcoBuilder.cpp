#include "support/IcoBuilder.h"

#include "gui/graphics/ByteWriter.h"

IcoBuilder& IcoBuilder::Add(int width, int height, int bitCount, std::vector<std::uint8_t> data) {
    m_entries.push_back({width, height, bitCount, std::move(data)});
    return *this;
}

std::vector<std::uint8_t> IcoBuilder::Build() const {
    TByteWriter out;
    out.U16(0).U16(m_type).U16(static_cast<std::uint16_t>(m_entries.size()));
    std::size_t offset = 6 + 16 * m_entries.size();
    for (const TEntry& entry : m_entries) {
        out.U8(static_cast<std::uint8_t>(entry.width)).U8(static_cast<std::uint8_t>(entry.height));
        out.U8(0).U8(0).U16(1).U16(static_cast<std::uint16_t>(entry.bitCount));
        out.U32(static_cast<std::uint32_t>(entry.data.size()));
        out.U32(static_cast<std::uint32_t>(offset));
        offset += entry.data.size();
    }
    for (const TEntry& entry : m_entries) {
        out.Append(entry.data);
    }
    return out.Bytes();
}
