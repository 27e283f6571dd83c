#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "gui/framework/Viewport.h"
#include "gui/graphics/Geometry.h"

class TBitmap;
class TForm;

// The real window of one form: a borderless SDL window, its renderer and a streaming texture
// that mirrors the form's back buffer.
class TSdlWindow {
public:
    explicit TSdlWindow(TForm& form);
    TSdlWindow(const TSdlWindow&) = delete;
    TSdlWindow& operator=(const TSdlWindow&) = delete;
    ~TSdlWindow();

    TForm& Form() const { return m_form; }
    SDL_Window* Handle() const { return m_window; }
    std::uint32_t Id() const { return SDL_GetWindowID(m_window); }

    // Takes over the form's position, size, stacking style and the application's title.
    void Apply(const std::string& title);
    void Show();
    void Hide();
    void Raise();

    // Uploads the area of the back buffer (client coordinates) and shows the whole picture.
    void Present(const TBitmap& backBuffer, const TRect& area);
    // Shows the whole back buffer again, e.g. after the window was uncovered or the renderer
    // lost its textures.
    void Refresh(const TBitmap& backBuffer);
    void DropTexture();

    // How the client area maps onto the window as it really is: a window manager may have
    // given it another size than the form asked for.
    TViewport Viewport() const;
    TPoint Position() const;

private:
    void CreateRenderer();
    bool EnsureTexture(const TBitmap& backBuffer);
    void Upload(const TBitmap& backBuffer, const TRect& area);
    void Draw();

    TForm& m_form;
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    TSize m_textureSize;
};
