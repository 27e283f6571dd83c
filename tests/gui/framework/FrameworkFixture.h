#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gui/framework/Application.h"
#include "gui/platform/headless/HeadlessPlatform.h"

// A headless application for one test, with a desktop of the given size.
class FrameworkFixture : public ::testing::Test {
protected:
    explicit FrameworkFixture(TSize desktop = {1024, 768}) {
        auto platform = std::make_unique<THeadlessPlatform>(desktop);
        m_platform = platform.get();
        m_application = std::make_unique<TApplication>(std::move(platform));
    }

    THeadlessPlatform& Platform() { return *m_platform; }
    TApplication& App() { return *m_application; }

private:
    THeadlessPlatform* m_platform = nullptr;
    std::unique_ptr<TApplication> m_application;
};
