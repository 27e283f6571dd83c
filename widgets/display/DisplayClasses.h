#pragma once

// The displays: seven-segment, label, image display and object canvas.
class TDisplayClasses {
public:
    // Builds the class information of each class of the family; safe to call more than once.
    static void RegisterAll();
};
