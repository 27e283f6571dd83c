#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gui/framework/Form.h"
#include "gui/framework/FrameworkFixture.h"
#include "gui/graphics/Bitmap.h"

// A shown 200 x 150 form in a distinctive colour, a scratch folder for picture files, and
// access to the form's composed pixels in client coordinates.
class ControlsFixture : public FrameworkFixture {
protected:
    static constexpr TColor FormColor = RGB(10, 120, 30);

    ControlsFixture() {
        m_form = App().CreateForm<TForm>();
        m_form->SetBounds(0, 0, 200, 150);
        m_form->SetColor(FormColor);
        m_form->Show();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                ("stend-controls-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::create_directories(m_dir);
    }
    ~ControlsFixture() override { std::filesystem::remove_all(m_dir); }

    TForm& Form() { return *m_form; }
    const TBitmap& Rendered() { return Platform().Render(*m_form); }
    TColor At(int x, int y) { return Rendered().Pixel(x, y); }
    TPoint Screen(int x, int y) const { return THeadlessPlatform::ClientToScreen(*m_form, {x, y}); }

    std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = (m_dir / name).string();
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

private:
    TForm* m_form = nullptr;
    std::filesystem::path m_dir;
};

// A picture in memory whose every pixel comes from the function.
template <class F> void FillPicture(TBitmap& bitmap, int width, int height, F color) {
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, color(x, y));
}

// The part of a picture inside the area, as a picture of its own.
inline void CopyArea(const TBitmap& from, const TRect& area, TBitmap& to) {
    to.SetSize(area.Width(), area.Height());
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x)
            to.SetPixel(x, y, from.Pixel(area.Left + x, area.Top + y));
}
