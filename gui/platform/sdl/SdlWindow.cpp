#include "gui/platform/sdl/SdlWindow.h"

#include <cairo.h>

#include <algorithm>

#include "gui/framework/Form.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

namespace {

SDL_Rect ToSdl(const TRect& rect) {
    return {rect.Left, rect.Top, rect.Width(), rect.Height()};
}

Uint32 CreationFlags(const TForm& form) {
    // Every form of the program is borderless; stay-on-top must be known when the window is
    // mapped, or some window managers ignore it.
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (form.FormStyle() == fsStayOnTop)
        flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    return flags;
}

} // namespace

TSdlWindow::TSdlWindow(TForm& form) : m_form(form) {
    const TRect bounds = form.ScreenRect();
    m_window = SDL_CreateWindow("", bounds.Left, bounds.Top, std::max(bounds.Width(), 1),
                                std::max(bounds.Height(), 1), CreationFlags(form));
    if (!m_window)
        throw Exception(SDL_GetError());
    try {
        CreateRenderer();
    } catch (...) {
        SDL_DestroyWindow(m_window);
        throw;
    }
}

TSdlWindow::~TSdlWindow() {
    DropTexture();
    SDL_DestroyRenderer(m_renderer);
    SDL_DestroyWindow(m_window);
}

void TSdlWindow::CreateRenderer() {
    // Flags 0 take the first renderer that works, accelerated ones first.
    m_renderer = SDL_CreateRenderer(m_window, -1, 0);
    if (!m_renderer)
        m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    if (!m_renderer)
        throw Exception(SDL_GetError());
}

void TSdlWindow::Apply(const std::string& title) {
    const TRect bounds = m_form.ScreenRect();
    SDL_SetWindowTitle(m_window, title.c_str());
    SDL_SetWindowPosition(m_window, bounds.Left, bounds.Top);
    SDL_SetWindowSize(m_window, std::max(bounds.Width(), 1), std::max(bounds.Height(), 1));
    SDL_SetWindowAlwaysOnTop(m_window, m_form.FormStyle() == fsStayOnTop ? SDL_TRUE : SDL_FALSE);
}

void TSdlWindow::Show() {
    SDL_ShowWindow(m_window);
}

void TSdlWindow::Hide() {
    SDL_HideWindow(m_window);
}

void TSdlWindow::Raise() {
    SDL_RaiseWindow(m_window);
}

void TSdlWindow::Present(const TBitmap& backBuffer, const TRect& area) {
    if (EnsureTexture(backBuffer))
        Upload(backBuffer, {0, 0, backBuffer.Width(), backBuffer.Height()});
    else
        Upload(backBuffer, area);
    Draw();
}

void TSdlWindow::Refresh(const TBitmap& backBuffer) {
    Present(backBuffer, {0, 0, backBuffer.Width(), backBuffer.Height()});
}

void TSdlWindow::DropTexture() {
    if (m_texture)
        SDL_DestroyTexture(m_texture);
    m_texture = nullptr;
    m_textureSize = {};
}

bool TSdlWindow::EnsureTexture(const TBitmap& backBuffer) {
    const TSize size{backBuffer.Width(), backBuffer.Height()};
    if (m_texture && size == m_textureSize)
        return false;
    DropTexture();
    if (backBuffer.Empty())
        return false;
    // The back buffer is opaque, so its premultiplied pixels are the straight ones.
    m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                  size.cx, size.cy);
    if (!m_texture)
        throw Exception(SDL_GetError());
    m_textureSize = size;
    return true;
}

void TSdlWindow::Upload(const TBitmap& backBuffer, const TRect& area) {
    const TRect part = area.Intersect({0, 0, m_textureSize.cx, m_textureSize.cy});
    if (!m_texture || part.IsEmpty())
        return;
    const SDL_Rect rect = ToSdl(part);
    const std::uint32_t* pixels = backBuffer.ScanLine(part.Top) + part.Left;
    SDL_UpdateTexture(m_texture, &rect, pixels,
                      cairo_image_surface_get_stride(backBuffer.Surface()));
}

void TSdlWindow::Draw() {
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(m_renderer);
    if (m_texture) {
        const SDL_Rect destination = ToSdl(Viewport().Destination());
        SDL_RenderCopy(m_renderer, m_texture, nullptr, &destination);
    }
    SDL_RenderPresent(m_renderer);
}

TViewport TSdlWindow::Viewport() const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(m_window, &width, &height);
    return TViewport({width, height}, {m_form.ClientWidth(), m_form.ClientHeight()});
}

TPoint TSdlWindow::Position() const {
    TPoint position;
    SDL_GetWindowPosition(m_window, &position.X, &position.Y);
    return position;
}
