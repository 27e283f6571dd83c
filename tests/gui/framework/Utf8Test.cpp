#include <gtest/gtest.h>

#include "gui/framework/Utf8.h"

namespace {

TEST(Utf8Test, TextYieldsOneCharacterPerCodePoint) {
    EXPECT_EQ(DecodeUtf8("aЖ€😀"), (std::vector<char32_t>{U'a', U'Ж', U'€', U'😀'}));
    EXPECT_TRUE(DecodeUtf8("").empty());
    // A cut sequence and a stray continuation byte are dropped; what follows them survives.
    EXPECT_EQ(DecodeUtf8("\xD0x\x80y\xE2\x82"), (std::vector<char32_t>{U'x', U'y'}));
}

} // namespace
