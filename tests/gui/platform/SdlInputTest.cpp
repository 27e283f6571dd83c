#include <gtest/gtest.h>

#include "gui/platform/sdl/SdlInput.h"

namespace {

SDL_Keysym Key(SDL_Scancode scancode, SDL_Keycode sym) {
    SDL_Keysym key{};
    key.scancode = scancode;
    key.sym = sym;
    return key;
}

TKey Named(SDL_Keycode sym) {
    return SdlVirtualKey(Key(SDL_GetScancodeFromKey(sym), sym));
}

TEST(SdlInputTest, LettersAndDigitsGoByTheirPlaceOnTheKeyboard) {
    EXPECT_EQ(SdlVirtualKey(Key(SDL_SCANCODE_A, SDLK_a)), 'A');
    EXPECT_EQ(SdlVirtualKey(Key(SDL_SCANCODE_Z, SDLK_z)), 'Z');
    // Under a Cyrillic layout the keys report the letters they type.
    EXPECT_EQ(SdlVirtualKey(Key(SDL_SCANCODE_F, 0x0430)), 'F');
    EXPECT_EQ(SdlVirtualKey(Key(SDL_SCANCODE_Q, 0x0439)), 'Q');
    EXPECT_EQ(SdlVirtualKey(Key(SDL_SCANCODE_1, SDLK_EXCLAIM)), '1');
    EXPECT_EQ(SdlVirtualKey(Key(SDL_SCANCODE_9, SDLK_9)), '9');
    EXPECT_EQ(SdlVirtualKey(Key(SDL_SCANCODE_0, SDLK_0)), '0');
}

TEST(SdlInputTest, NamedKeysTakeTheirVirtualKeyCodes) {
    EXPECT_EQ(Named(SDLK_RETURN), VK_RETURN);
    EXPECT_EQ(Named(SDLK_KP_ENTER), VK_RETURN);
    EXPECT_EQ(Named(SDLK_TAB), VK_TAB);
    EXPECT_EQ(Named(SDLK_ESCAPE), VK_ESCAPE);
    EXPECT_EQ(Named(SDLK_BACKSPACE), VK_BACK);
    EXPECT_EQ(Named(SDLK_SPACE), VK_SPACE);
    EXPECT_EQ(Named(SDLK_LEFT), VK_LEFT);
    EXPECT_EQ(Named(SDLK_UP), VK_UP);
    EXPECT_EQ(Named(SDLK_RIGHT), VK_RIGHT);
    EXPECT_EQ(Named(SDLK_DOWN), VK_DOWN);
    EXPECT_EQ(Named(SDLK_PAGEUP), VK_PRIOR);
    EXPECT_EQ(Named(SDLK_PAGEDOWN), VK_NEXT);
    EXPECT_EQ(Named(SDLK_HOME), VK_HOME);
    EXPECT_EQ(Named(SDLK_END), VK_END);
    EXPECT_EQ(Named(SDLK_INSERT), VK_INSERT);
    EXPECT_EQ(Named(SDLK_DELETE), VK_DELETE);
    EXPECT_EQ(Named(SDLK_F1), VK_F1);
    EXPECT_EQ(Named(SDLK_F12), 0x7B);
    EXPECT_EQ(Named(SDLK_RSHIFT), VK_SHIFT);
    EXPECT_EQ(Named(SDLK_LCTRL), VK_CONTROL);
    EXPECT_EQ(Named(SDLK_RALT), VK_MENU);
    EXPECT_EQ(Named(SDLK_CAPSLOCK), 0);
}

TEST(SdlInputTest, OnlyReturnEscapeAndBackspaceTypeAControlCharacter) {
    EXPECT_EQ(SdlControlCharacter(SDLK_RETURN), U'\r');
    EXPECT_EQ(SdlControlCharacter(SDLK_ESCAPE), U'\x1B');
    EXPECT_EQ(SdlControlCharacter(SDLK_BACKSPACE), U'\b');
    EXPECT_EQ(SdlControlCharacter(SDLK_TAB), 0u);
    EXPECT_EQ(SdlControlCharacter(SDLK_a), 0u);
}

TEST(SdlInputTest, LayoutCharacterIsWhatAPrintableKeyTypes) {
    EXPECT_EQ(SdlLayoutCharacter(SDLK_a), U'a');
    EXPECT_EQ(SdlLayoutCharacter(0x0444), U'ф');
    EXPECT_EQ(SdlLayoutCharacter(SDLK_SPACE), U' ');
    EXPECT_EQ(SdlLayoutCharacter(SDLK_RETURN), 0u);
    EXPECT_EQ(SdlLayoutCharacter(SDLK_DELETE), 0u);
    EXPECT_EQ(SdlLayoutCharacter(SDLK_F1), 0u);
    EXPECT_EQ(SdlLayoutCharacter(SDLK_LEFT), 0u);
}

TEST(SdlInputTest, ShiftStateJoinsModifiersOfEitherSideAndHeldButtons) {
    EXPECT_EQ(SdlShiftState(KMOD_RSHIFT | KMOD_LCTRL, 0), ssShift | ssCtrl);
    EXPECT_EQ(SdlShiftState(KMOD_RALT | KMOD_NUM | KMOD_CAPS, 0), ssAlt);
    EXPECT_EQ(SdlShiftState(KMOD_NONE, SDL_BUTTON_LMASK | SDL_BUTTON_MMASK), ssLeft | ssMiddle);
    EXPECT_EQ(SdlShiftState(KMOD_NONE, SDL_BUTTON_RMASK | SDL_BUTTON_X1MASK), ssRight);
}

TEST(SdlInputTest, MouseButtonsBeyondTheThreeAreNotReported) {
    EXPECT_EQ(SdlMouseButton(SDL_BUTTON_LEFT), mbLeft);
    EXPECT_EQ(SdlMouseButton(SDL_BUTTON_RIGHT), mbRight);
    EXPECT_EQ(SdlMouseButton(SDL_BUTTON_MIDDLE), mbMiddle);
    EXPECT_EQ(SdlMouseButton(SDL_BUTTON_X1), std::nullopt);
}

} // namespace
