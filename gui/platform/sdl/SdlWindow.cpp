#include "gui/platform/sdl/SdlWindow.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

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

// Window pixels laid out as the back buffer's, 32 bits with red, green, blue from high to low,
// which cairo can draw into directly.
bool CairoCanDraw(const SDL_Surface* pixels) {
    const SDL_PixelFormat* format = pixels->format;
    return format->BytesPerPixel == 4 && format->Rmask == 0xFF0000 && format->Gmask == 0xFF00 &&
           format->Bmask == 0xFF;
}

// The window area that shows a client area: scaled, one pixel wider on every side for the
// smoothing filter, and inside the picture.
TRect WindowArea(const TViewport& viewport, const TRect& area) {
    const TRect destination = viewport.Destination();
    const double scale = viewport.Scale();
    const int margin = scale == 1.0 ? 0 : 1;
    const TRect scaled{destination.Left + static_cast<int>(std::floor(area.Left * scale)) - margin,
                       destination.Top + static_cast<int>(std::floor(area.Top * scale)) - margin,
                       destination.Left + static_cast<int>(std::ceil(area.Right * scale)) + margin,
                       destination.Top + static_cast<int>(std::ceil(area.Bottom * scale)) + margin};
    return scaled.Intersect(destination);
}

void DrawWithCairo(const TBitmap& backBuffer, SDL_Surface* pixels, const TViewport& viewport,
                   const TRect& target) {
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        static_cast<unsigned char*>(pixels->pixels), CAIRO_FORMAT_RGB24, pixels->w, pixels->h,
        pixels->pitch);
    cairo_t* cr = cairo_create(surface);
    cairo_rectangle(cr, target.Left, target.Top, target.Width(), target.Height());
    cairo_clip(cr);
    const TRect destination = viewport.Destination();
    cairo_translate(cr, destination.Left, destination.Top);
    cairo_scale(cr, viewport.Scale(), viewport.Scale());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, backBuffer.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr),
                             viewport.Scale() == 1.0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

// At full size the back buffer's rows go straight into the window's: the same 32-bit layout,
// whose fourth byte the window ignores.
void CopyRows(const TBitmap& backBuffer, SDL_Surface* pixels, const TViewport& viewport,
              const TRect& target) {
    const TRect destination = viewport.Destination();
    const std::size_t bytes = static_cast<std::size_t>(target.Width()) * sizeof(std::uint32_t);
    for (int y = target.Top; y < target.Bottom; ++y) {
        auto* row = static_cast<unsigned char*>(pixels->pixels) +
                    static_cast<std::ptrdiff_t>(y) * pixels->pitch;
        const std::uint32_t* source =
            backBuffer.ScanLine(y - destination.Top) + (target.Left - destination.Left);
        std::memcpy(row + static_cast<std::ptrdiff_t>(target.Left) * 4, source, bytes);
    }
}

// Any other pixel layout: SDL converts, without smoothing.
void DrawWithSdl(const TBitmap& backBuffer, SDL_Surface* pixels, const TViewport& viewport,
                 const TRect& target) {
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(backBuffer.ScanLine(0)), backBuffer.Width(), backBuffer.Height(),
        32, cairo_image_surface_get_stride(backBuffer.Surface()), SDL_PIXELFORMAT_ARGB8888);
    if (!source)
        return;
    SDL_Rect clip = ToSdl(target);
    SDL_SetClipRect(pixels, &clip);
    SDL_Rect destination = ToSdl(viewport.Destination());
    SDL_BlitScaled(source, nullptr, pixels, &destination);
    SDL_SetClipRect(pixels, nullptr);
    SDL_FreeSurface(source);
}

} // namespace

TSdlWindow::TSdlWindow(TForm& form) : m_form(form) {
    const TRect bounds = form.ScreenRect();
    m_window = SDL_CreateWindow("", bounds.Left, bounds.Top, std::max(bounds.Width(), 1),
                                std::max(bounds.Height(), 1), CreationFlags(form));
    if (!m_window)
        throw Exception(SDL_GetError());
}

TSdlWindow::~TSdlWindow() {
    SDL_DestroyWindow(m_window);
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

void TSdlWindow::Present(const TBitmap& backBuffer, const std::vector<TRect>& areas) {
    SDL_Surface* pixels = Pixels();
    if (!pixels || backBuffer.Empty())
        return;
    // A new window surface (a resize) holds nothing yet.
    if (pixels != m_shown) {
        Refresh(backBuffer);
        return;
    }
    std::vector<SDL_Rect> changed;
    for (const TRect& area : areas) {
        const TRect target = Copy(backBuffer, pixels, area);
        if (!target.IsEmpty())
            changed.push_back(ToSdl(target));
    }
    if (!changed.empty())
        SDL_UpdateWindowSurfaceRects(m_window, changed.data(), static_cast<int>(changed.size()));
}

void TSdlWindow::Refresh(const TBitmap& backBuffer) {
    SDL_Surface* pixels = Pixels();
    if (!pixels)
        return;
    SDL_FillRect(pixels, nullptr, SDL_MapRGB(pixels->format, 0, 0, 0));
    if (!backBuffer.Empty())
        Copy(backBuffer, pixels, {0, 0, backBuffer.Width(), backBuffer.Height()});
    SDL_UpdateWindowSurface(m_window);
    m_shown = pixels;
}

SDL_Surface* TSdlWindow::Pixels() {
    return SDL_GetWindowSurface(m_window);
}

TRect TSdlWindow::Copy(const TBitmap& backBuffer, SDL_Surface* pixels, const TRect& area) const {
    const TViewport viewport = Viewport();
    const TRect target = WindowArea(viewport, area);
    if (target.IsEmpty())
        return target;
    if (CairoCanDraw(pixels) && viewport.Scale() == 1.0)
        CopyRows(backBuffer, pixels, viewport, target);
    else if (CairoCanDraw(pixels))
        DrawWithCairo(backBuffer, pixels, viewport, target);
    else
        DrawWithSdl(backBuffer, pixels, viewport, target);
    return target;
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
