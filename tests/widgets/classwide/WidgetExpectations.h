#pragma once

#include <initializer_list>
#include <string>
#include <vector>

class TClassInfo;

// What a change of one published property must cost, where the class-wide widget tests cannot
// tell on their own: the kind of its one repaint request, or, for the few setters that
// legitimately do otherwise, what they do instead and why.
enum TExpectedRepaint {
    // Exactly one InvalidateChange, no BackGroundChange.
    erInvalidate,
    // Exactly one BackGroundChange, no InvalidateChange.
    erBackGround,
    // The property does not touch the picture: no request at all. Give the reason.
    erNone,
    // More than one request is right for this setter. Give the reason.
    erSeveral,
    // One InvalidateChange for every write, the same value again included. Give the reason.
    erInvalidateAlways,
};

struct TWidgetExpectation {
    std::string ClassName;
    // A published property, or a sub-object's property by path ("Font.Color"); a sub-object's
    // name alone ("Font") covers all of its properties.
    std::string Property;
    TExpectedRepaint Repaint = erInvalidate;
    std::string Reason;
};

// The expectations of every widget family. Each family keeps its own table in a source file of
// its own under tests/widgets/<family>/ and adds it with one static registration:
//
//     const TWidgetExpectations::TRegistration ScaleExpectations{
//         {"TiAngularGauge", "PointerSize", erBackGround},
//     };
class TWidgetExpectations {
public:
    struct TRegistration {
        TRegistration(std::initializer_list<TWidgetExpectation> entries);
    };

    // The entry of the class or of its nearest ancestor that has one; null when none has.
    static const TWidgetExpectation* Find(const TClassInfo& info, const std::string& path);
    static const std::vector<TWidgetExpectation>& All() { return Entries(); }

private:
    static std::vector<TWidgetExpectation>& Entries();
};
