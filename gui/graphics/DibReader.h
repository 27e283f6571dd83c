#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class ByteReader;
class TBitmap;

// The device-independent bitmap that BMP files and icons share: an info header, colour masks,
// a palette and rows of pixels, bottom-up unless the height is negative.
class DibReader {
public:
    // An icon header gives twice the picture height (colour rows, then the transparency mask),
    // and the fourth byte of its 32-bit pixels is alpha rather than padding.
    enum TKind : std::uint8_t { dkFile, dkIcon };

    // Reads the header, the masks and the palette from the start of dib.
    DibReader(std::span<const std::uint8_t> dib, TKind kind);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Header, masks and palette together: where the pixels of an icon begin.
    std::size_t HeaderBytes() const { return m_headerBytes; }
    // One uncompressed row, padded to 32 bits.
    std::size_t RowBytes() const;
    // Picture row (top-down) that the stored row lands on.
    int TargetRow(int storedRow) const { return m_topDown ? storedRow : m_height - 1 - storedRow; }

    // Sizes the target and decodes the pixels into it. Returns true when the data carried alpha,
    // which is then premultiplied; otherwise every pixel is opaque.
    bool ReadPixels(std::span<const std::uint8_t> pixels, TBitmap& target) const;

private:
    struct TChannel {
        std::uint32_t mask = 0;
        int shift = 0;
        int bits = 0;
    };

    void ReadInfoHeader(ByteReader& reader, std::uint32_t headerSize);
    void ReadCoreHeader(ByteReader& reader);
    void CheckFormat() const;
    void CheckSize() const;
    void ReadMasks(ByteReader& reader, std::uint32_t headerSize);
    void SetDefaultMasks();
    void SetMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue, std::uint32_t alpha);
    void ReadPalette(ByteReader& reader, std::uint32_t colorsUsed, std::size_t entryBytes);
    bool IsRle() const;

    void ReadRows(std::span<const std::uint8_t> pixels, TBitmap& target) const;
    void ReadRow(const std::uint8_t* source, std::uint32_t* target) const;
    std::uint32_t Masked(std::uint32_t value) const;
    void ReadRle(std::span<const std::uint8_t> pixels, TBitmap& target) const;
    void PutRun(TBitmap& target, int x, int y, int count, std::uint8_t value) const;
    void PutLiteral(TBitmap& target, int x, int y, int count,
                    std::span<const std::uint8_t> indices) const;
    std::uint32_t* RlePixels(TBitmap& target, int x, int y, int count) const;
    bool FinishAlpha(TBitmap& target) const;

    static TChannel Channel(std::uint32_t mask);
    static std::uint32_t Expand(std::uint32_t value, const TChannel& channel);

    TKind m_kind;
    const char* m_format;
    int m_width = 0;
    int m_height = 0;
    bool m_topDown = false;
    int m_bitCount = 0;
    std::uint32_t m_compression = 0;
    std::array<TChannel, 4> m_channels{};
    std::array<std::uint32_t, 256> m_palette{};
    std::size_t m_headerBytes = 0;
};
