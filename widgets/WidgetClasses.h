#pragma once

// Every instrument widget class, registered so that layouts, property files and the probe may
// name them. Each widget family keeps its own list; this one only gathers them.
class TWidgetClasses {
public:
    // Also registers the framework and control classes the widgets' layouts stand on. Safe to
    // call more than once.
    static void RegisterAll();
};
