#pragma once

#include <memory>

class TApplication;
class TPlatform;

// The program as it starts: the application on a platform, titled, with its five screens built
// from their stored layouts in their fixed order, the splash shown from the moment it exists.
// Running the loop is left to the caller, so a tool can drive the same program step by step.
class TProgram {
public:
    explicit TProgram(std::unique_ptr<TPlatform> platform);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    TApplication& App() { return *m_application; }

private:
    static void RegisterClasses();
    void CreateScreens();
    void ShowSplash();
    void ReleaseHiddenPictures();
    static void ReleaseBuildingMemory();
    static void AnswerDesktopClose();

    std::unique_ptr<TApplication> m_application;
};
