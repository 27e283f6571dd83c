#pragma once

// The value and scale instruments: position, scale, pointers and the angular gauge.
class TScaleClasses {
public:
    // Builds the class information of each class of the family; safe to call more than once.
    static void RegisterAll();
};
