#pragma once

#include <cstdint>
#include <vector>

// Writes icon and cursor files from ready picture data (icon DIBs or PNG files).
class IcoBuilder {
public:
    explicit IcoBuilder(std::uint16_t type = 1) : m_type(type) {}

    // A side of 256 is listed as 0, as the format has it.
    IcoBuilder& Add(int width, int height, int bitCount, std::vector<std::uint8_t> data);
    std::vector<std::uint8_t> Build() const;

private:
    struct TEntry {
        int width;
        int height;
        int bitCount;
        std::vector<std::uint8_t> data;
    };

    std::uint16_t m_type;
    std::vector<TEntry> m_entries;
};
