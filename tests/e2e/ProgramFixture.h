#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/Program.h"
#include "gui/controls/Image.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"

// The real program on the headless desktop, started in a copy of the run-time folder that a
// test may take files away from, with the student's mouse at hand.
class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // Builds the program as start-up does and shows the main window, as the loop's first turn.
    void Start();
    // Removes a file or folder of the run-time copy, before or after the start.
    void Remove(const std::string& relativePath);

    TApplication& App() { return m_program->App(); }
    THeadlessPlatform& Desktop() { return *m_platform; }
    void Advance(int ms) { m_platform->AdvanceBy(ms); }
    // Carries the splash through to the main menu.
    void FinishSplash() { Advance(18 * 130); }

    void Click(TForm& form, const std::string& component);
    // A point given relative to the component's top left.
    void ClickAt(TForm& form, const std::string& component, TPoint point);
    void PressAt(TForm& form, const std::string& component, TPoint point);
    void ReleaseAt(TForm& form, const std::string& component, TPoint point);
    void Press(TForm& form, const std::string& component);
    void Release(TForm& form, const std::string& component);
    TImage& Picture(TForm& form, const std::string& component);

    bool Front(const TForm& form) { return App().ActiveForm() == &form; }
    // The picture file of the run-time folder, decoded as the program decodes it.
    bool ShowsRunTimePicture(const TImage& image, const std::string& relativePath) const;
    static bool SamePicture(const TBitmap& a, const TBitmap& b);

private:
    TPoint CentreOnScreen(TForm& form, const std::string& component);
    TPoint PointOnScreen(TForm& form, const std::string& component, TPoint point);

    std::filesystem::path m_previousDir;
    std::filesystem::path m_runDir;
    THeadlessPlatform* m_platform = nullptr;
    std::unique_ptr<TProgram> m_program;
};
