#pragma once

#include <string>

class TArtCanvas;
class TBitmap;
class TImageList;

// The folder the artwork goes to. Every file is read back through the program's own picture
// decoder right after it is written, so a picture the program could not load fails the build.
class TArtOutput {
public:
    explicit TArtOutput(std::string folder);

    // name is relative to the folder, with '/' separators; missing subfolders are created.
    void Jpeg(const std::string& name, const TArtCanvas& canvas) const;
    void Icon(const std::string& name, const TArtCanvas& canvas) const;
    void Bmp(const std::string& name, const TArtCanvas& canvas) const;
    // For the desktop rather than the program, which has no PNG decoder: read back by cairo.
    void Png(const std::string& name, const TArtCanvas& canvas) const;
    // A picture list's stream, as a layout embeds it; it must read back with the same pictures.
    void ImageList(const std::string& name, const TImageList& list) const;

private:
    std::string PathOf(const std::string& name) const;
    // Lossless pictures must also read back pixel for pixel.
    static void Verify(const std::string& path, const TArtCanvas& canvas, bool lossless);
    static bool SamePixels(const TBitmap& bitmap, const TArtCanvas& canvas);
    static void VerifyList(const std::string& path, const TImageList& list);

    std::string m_folder;
};
