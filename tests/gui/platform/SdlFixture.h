#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "gui/framework/Application.h"
#include "gui/framework/CustomControl.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Canvas.h"
#include "gui/platform/sdl/SdlPlatform.h"

// Sets an environment variable (or removes it, for null) until the end of the scope.
class TScopedEnv {
public:
    TScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;
    ~TScopedEnv() {
        if (m_old)
            setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// A windowed control that fills itself with one colour and remembers where the pointer left it,
// how far the wheel turned and which accelerators it was offered.
class TFilledControl : public TCustomControl {
public:
    TFilledControl(TForm* form, const TRect& bounds, TColor color)
        : TCustomControl(form), m_color(color) {
        SetParent(form);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }

    void SetColor(TColor value) {
        m_color = value;
        Invalidate();
    }
    void MouseLeave() override { ++m_leaves; }
    bool MouseWheel(int wheelDelta, TShiftState, TPoint) override {
        m_wheel += wheelDelta;
        return true;
    }
    bool DialogChar(char32_t character) override {
        m_accelerators += character;
        return true;
    }

    int Leaves() const { return m_leaves; }
    int Wheel() const { return m_wheel; }
    const std::u32string& Accelerators() const { return m_accelerators; }

protected:
    void Paint() override {
        Canvas().Brush().SetColor(m_color);
        Canvas().FillRect(ClientRect());
    }

private:
    TColor m_color;
    int m_leaves = 0;
    int m_wheel = 0;
    std::u32string m_accelerators;
};

// An application on the SDL backend for one test. The video driver is the one named, or the
// one SDL picks from the environment for null.
class SdlFixture : public ::testing::Test {
protected:
    explicit SdlFixture(const char* driver = "dummy") {
        if (driver)
            m_driver.emplace("SDL_VIDEODRIVER", driver);
        auto platform = std::make_unique<TSdlPlatform>();
        m_platform = platform.get();
        m_application = std::make_unique<TApplication>(std::move(platform));
    }

    TSdlPlatform& Platform() { return *m_platform; }
    TApplication& App() { return *m_application; }
    SDL_Window* WindowOf(const TForm& form) { return m_platform->WindowOf(form); }

    // Handles whatever SDL has queued, without waiting.
    void Pump() { m_platform->WaitAndDispatch(App().TickCount()); }

    // A pixel of the form's window as the renderer last presented it, as 0xRRGGBB.
    std::uint32_t WindowPixel(const TForm& form, int x, int y) {
        SDL_Surface* pixels = SDL_GetWindowSurface(WindowOf(form));
        EXPECT_NE(pixels, nullptr) << SDL_GetError();
        if (!pixels || x < 0 || y < 0 || x >= pixels->w || y >= pixels->h)
            return 0xFFFFFFFF;
        const auto* row = static_cast<const std::uint8_t*>(pixels->pixels) + y * pixels->pitch;
        Uint8 r = 0, g = 0, b = 0;
        Uint32 value = 0;
        std::memcpy(&value, row + x * pixels->format->BytesPerPixel, pixels->format->BytesPerPixel);
        SDL_GetRGB(value, pixels->format, &r, &g, &b);
        return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
    }

private:
    std::optional<TScopedEnv> m_driver;
    TSdlPlatform* m_platform = nullptr;
    std::unique_ptr<TApplication> m_application;
};
