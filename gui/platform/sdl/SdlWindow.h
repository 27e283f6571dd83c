#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gui/framework/Viewport.h"
#include "gui/graphics/Geometry.h"

class TBitmap;
class TForm;

// The real window of one form: a borderless SDL window whose pixels receive the dirty areas of
// the form's back buffer, so that only those areas travel to the display.
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

    // Copies the areas of the back buffer (client coordinates) to the window and shows them.
    void Present(const TBitmap& backBuffer, const std::vector<TRect>& areas);
    // Shows the whole back buffer again with its black bands, e.g. after the window was
    // uncovered or resized.
    void Refresh(const TBitmap& backBuffer);

    // How the client area maps onto the window as it really is: a window manager may have
    // given it another size than the form asked for.
    TViewport Viewport() const;
    TPoint Position() const;

private:
    // The window's pixels as SDL keeps them; null when it cannot give them.
    SDL_Surface* Pixels();
    // Copies one area, scaled as the viewport says; returns the part of the window it changed.
    TRect Copy(const TBitmap& backBuffer, SDL_Surface* pixels, const TRect& area) const;

    TForm& m_form;
    SDL_Window* m_window = nullptr;
    SDL_Surface* m_shown = nullptr;
};
