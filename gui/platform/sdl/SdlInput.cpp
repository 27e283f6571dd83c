#include "gui/platform/sdl/SdlInput.h"

#include <cstdint>

namespace {

TKey NamedKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_END:
        return VK_END;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    default:
        return 0;
    }
}

} // namespace

TKey SdlVirtualKey(const SDL_Keysym& key) {
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z)
        return static_cast<TKey>('A' + (key.scancode - SDL_SCANCODE_A));
    // The scancodes run 1..9 then 0, like the keys on the top row.
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
        return static_cast<TKey>('1' + (key.scancode - SDL_SCANCODE_1));
    if (key.scancode == SDL_SCANCODE_0)
        return '0';
    if (key.sym >= SDLK_F1 && key.sym <= SDLK_F12)
        return static_cast<TKey>(VK_F1 + (key.sym - SDLK_F1));
    return NamedKey(key.sym);
}

char32_t SdlControlCharacter(SDL_Keycode key) {
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return U'\r';
    case SDLK_ESCAPE:
        return U'\x1B';
    case SDLK_BACKSPACE:
        return U'\b';
    default:
        return 0;
    }
}

char32_t SdlLayoutCharacter(SDL_Keycode key) {
    // Printable keys are named by the character they type; the others carry the scancode mask.
    if (key < SDLK_SPACE || key == SDLK_DELETE || (key & SDLK_SCANCODE_MASK))
        return 0;
    return static_cast<char32_t>(key);
}

TShiftState SdlShiftState(Uint16 modifiers, Uint32 buttons) {
    TShiftState shift = 0;
    if (modifiers & KMOD_SHIFT)
        shift |= ssShift;
    if (modifiers & KMOD_CTRL)
        shift |= ssCtrl;
    if (modifiers & KMOD_ALT)
        shift |= ssAlt;
    if (buttons & SDL_BUTTON_LMASK)
        shift |= ssLeft;
    if (buttons & SDL_BUTTON_RMASK)
        shift |= ssRight;
    if (buttons & SDL_BUTTON_MMASK)
        shift |= ssMiddle;
    return shift;
}

std::optional<TMouseButton> SdlMouseButton(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return mbLeft;
    case SDL_BUTTON_RIGHT:
        return mbRight;
    case SDL_BUTTON_MIDDLE:
        return mbMiddle;
    default:
        return std::nullopt;
    }
}
