#include "ProgramFixture.h"

#include <unistd.h>

ProgramFixture::ProgramFixture() : m_previousDir(std::filesystem::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process number keeps two checkouts testing at the same time apart.
    m_runDir = std::filesystem::temp_directory_path() /
               ("stend-e2e-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                std::to_string(getpid()));
    std::filesystem::remove_all(m_runDir);
    std::filesystem::create_directories(m_runDir);
    // The files the program reads; the executable itself is not needed.
    for (const auto& entry : std::filesystem::directory_iterator(STEND_RUN_DIR))
        if (entry.path().filename() != "stend")
            std::filesystem::copy(entry.path(), m_runDir / entry.path().filename(),
                                  std::filesystem::copy_options::recursive);
    std::filesystem::current_path(m_runDir);
}

ProgramFixture::~ProgramFixture() {
    m_program.reset();
    std::filesystem::current_path(m_previousDir);
    std::filesystem::remove_all(m_runDir);
}

void ProgramFixture::Start() {
    auto platform = std::make_unique<THeadlessPlatform>();
    m_platform = platform.get();
    m_program = std::make_unique<TProgram>(std::move(platform));
    App().MainForm()->Show();
}

void ProgramFixture::Remove(const std::string& relativePath) {
    ASSERT_GT(std::filesystem::remove_all(m_runDir / relativePath), 0u) << relativePath;
}

void ProgramFixture::Click(TForm& form, const std::string& component) {
    m_platform->Click(CentreOnScreen(form, component));
}

void ProgramFixture::ClickAt(TForm& form, const std::string& component, TPoint point) {
    m_platform->Click(PointOnScreen(form, component, point));
}

void ProgramFixture::PressAt(TForm& form, const std::string& component, TPoint point) {
    m_platform->MouseDown(PointOnScreen(form, component, point));
}

void ProgramFixture::ReleaseAt(TForm& form, const std::string& component, TPoint point) {
    m_platform->MouseUp(PointOnScreen(form, component, point));
}

void ProgramFixture::Press(TForm& form, const std::string& component) {
    m_platform->MouseDown(CentreOnScreen(form, component));
}

void ProgramFixture::Release(TForm& form, const std::string& component) {
    m_platform->MouseUp(CentreOnScreen(form, component));
}

TImage& ProgramFixture::Picture(TForm& form, const std::string& component) {
    return dynamic_cast<TImage&>(*form.FindComponent(component));
}

bool ProgramFixture::ShowsRunTimePicture(const TImage& image,
                                         const std::string& relativePath) const {
    TImage file(nullptr);
    file.LoadFromFile((m_runDir / relativePath).string());
    return SamePicture(image.Picture(), file.Picture());
}

bool ProgramFixture::SamePicture(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

TPoint ProgramFixture::CentreOnScreen(TForm& form, const std::string& component) {
    auto& control = dynamic_cast<TControl&>(*form.FindComponent(component));
    return PointOnScreen(form, component, {control.Width() / 2, control.Height() / 2});
}

TPoint ProgramFixture::PointOnScreen(TForm& form, const std::string& component, TPoint point) {
    auto& control = dynamic_cast<TControl&>(*form.FindComponent(component));
    return THeadlessPlatform::ClientToScreen(form,
                                             {control.Left() + point.X, control.Top() + point.Y});
}
