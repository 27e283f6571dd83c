#include "gui/streaming/Resources.h"

#include <gtest/gtest.h>

#include <string>

#include "LayoutFixture.h"

namespace {

std::string Text(TResources::TBytes bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(ResourcesTest, EmbeddedFilesAreFoundByTheirPathBelowTheRoot) {
    const auto greeting = TResources::Find("streaming/Greeting.txt");
    ASSERT_TRUE(greeting.has_value());
    EXPECT_EQ(Text(*greeting), "Здравствуй, стенд!\n");
    EXPECT_EQ(Text(TResources::Get("streaming/layouts/Panel.txt")).substr(0, 25),
              "object Panel: TTestForm\n ");
}

TEST(ResourcesTest, AnUnknownNameIsNotFound) {
    EXPECT_FALSE(TResources::Find("streaming/greeting.txt").has_value()) << "names keep their case";
    try {
        TResources::Get("nowhere/None.txt");
        FAIL() << "a missing resource was found";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Resource not found: nowhere/None.txt");
    }
}

TEST(ResourcesTest, ANameCannotBeRegisteredTwice) {
    static const std::uint8_t data[] = {1};
    EXPECT_THROW(TResources::Register("streaming/Greeting.txt", data), Exception);
    EXPECT_EQ(Text(TResources::Get("streaming/Greeting.txt")), "Здравствуй, стенд!\n");
}

class EmbeddedLayoutTest : public LayoutFixture {};

TEST_F(EmbeddedLayoutTest, ALayoutAndTheFileItNamesComeFromTheExecutable) {
    TTestForm& form = Load(Text(TResources::Get("streaming/layouts/Panel.txt")));
    EXPECT_EQ(form.Caption(), "Панель");
    const auto& blob = Named<TTestGadget>(form, "Gadget1").Blob();
    EXPECT_EQ(std::string(blob.begin(), blob.end()), "Здравствуй, стенд!\n");
}

} // namespace
