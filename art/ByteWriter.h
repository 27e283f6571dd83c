#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Little-endian bytes of a binary file being assembled in memory.
class TByteWriter {
public:
    void U8(std::uint8_t value) { m_bytes.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    std::size_t Size() const { return m_bytes.size(); }
    void SaveToFile(const std::string& path) const;

private:
    std::vector<std::uint8_t> m_bytes;
};
