#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "gui/graphics/Object.h"

class TClassInfo;

// The published properties of one object as a text file a user keeps apart from the screen the
// object sits on, to give another instrument the same look:
//
//     File Type = TiAngularGauge
//     Font.Color = -16777208
//     PointerSize = 2,5
//
// Every property whose value is stored and that has a setter is one "Path = value" line, where a
// sub-object's properties carry its property name as a prefix ("Font.Color"). Ordinals are
// decimal numbers, floating-point values use the user's decimal separator and strings stand as
// they are. Loading matches lines to paths without regard to case and sets each value through
// its setter; lines naming no property are ignored and absent properties keep their values, so a
// file written from one class loads into another for the paths they share.
class TPropertyFile {
public:
    // Values and whole lines are cut to this many bytes, never inside a UTF-8 character.
    static constexpr std::size_t MaxLineLength = 255;
    // Larger files are refused rather than read: real ones hold a few hundred lines.
    static constexpr std::size_t MaxFileSize = 1 << 20;

    // Without saveAllProperties the placement and the common control settings (Left, Visible,
    // Hint, ...) stay out of the file; the name never goes in. Throws Exception "Error Saving
    // Properties - " followed by the cause.
    static void Save(const TObject& object, const std::string& fileName, bool saveAllProperties);
    // Throws Exception "Error Loading Properties - " followed by the cause; the properties set
    // before the failing line keep their new values.
    static void Load(TObject& object, const std::string& fileName);

    // Save and Load without the file: the text with "\n" line ends, and the text of a file.
    static std::string SaveToText(const TObject& object, bool saveAllProperties);
    static void LoadFromText(TObject& object, std::string_view text);

    // Appends a line for each property of the object under the path prefix, descending into
    // sub-objects; a path in the exclusions (any letter case) is skipped with all below it.
    static void SaveObjectProperties(const TObject& object, const TClassInfo& info,
                                     const std::string& pathPrefix, std::vector<std::string>& lines,
                                     const std::vector<std::string>& exclusions);
    // Sets each property found in the lines and removes the lines it used.
    static void LoadObjectProperties(TObject& object, const TClassInfo& info,
                                     const std::string& pathPrefix,
                                     std::vector<std::string>& lines);
    // The first line whose part before its first "=" is the path, ignoring case and surrounding
    // blanks: gives the trimmed part after the "=" and removes the line.
    static bool FindPropertyLine(const std::string& path, std::vector<std::string>& lines,
                                 std::string& value);
    // The object a class-typed property of the object holds; null when the object's class or the
    // property is unknown, the property is not class-typed, or it holds no object.
    static TObject* GetObjectProperty(const TObject& object, const std::string& propertyName);
};
