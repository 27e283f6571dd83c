#pragma once

#include <SDL.h>

#include <optional>

#include "gui/framework/Input.h"

// Translation of SDL's keyboard and mouse vocabulary into the classic one the controls use.

// The virtual-key code of a key, or 0 for a key the program has no name for. Letters and digits
// go by their place on the keyboard, so they keep their codes under a Cyrillic layout.
TKey SdlVirtualKey(const SDL_Keysym& key);

// The character a key types that SDL reports no text for (Return, Escape, Backspace), or 0.
char32_t SdlControlCharacter(SDL_Keycode key);

// The character a key types in the user's layout, which picks an Alt accelerator, or 0 for a key
// that types none.
char32_t SdlLayoutCharacter(SDL_Keycode key);

TShiftState SdlShiftState(Uint16 modifiers, Uint32 buttons);

std::optional<TMouseButton> SdlMouseButton(Uint8 button);
