#pragma once

#include <array>

#include "gui/framework/Form.h"

class TImage;
class TTimer;

// The splash screen and the program's main window: a picture with a row of progress blocks
// that fills up, one block per tick of Timer1, before the main menu takes over.
class TForm1 : public TForm {
public:
    static constexpr int BlockCount = 18;

    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    // Blocks from left to right.
    TImage& Block(int index) const { return *m_blocks.at(index); }

private:
    void Timer1Timer();

    std::array<TImage*, BlockCount> m_blocks{};
    TTimer* m_timer1 = nullptr;
};
