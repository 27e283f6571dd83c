#pragma once

// The switches, LEDs and sliders.
class TSwitchClasses {
public:
    // Builds the class information of each class of the family; safe to call more than once.
    static void RegisterAll();
};
