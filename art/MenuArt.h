#pragma once

class TArtOutput;

// The main menu: its background and the pictures of its four buttons.
class TMenuArt {
public:
    static void Write(const TArtOutput& output);

private:
    static void WriteBackground(const TArtOutput& output);
    static void WriteButtons(const TArtOutput& output);
};
