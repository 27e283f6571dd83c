#include "widgets/core/PropertyFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <system_error>
#include <utility>

#include "gui/graphics/Exception.h"
#include "gui/graphics/FileBytes.h"
#include "gui/streaming/ClassInfo.h"
#include "gui/streaming/ClassRegistry.h"
#include "widgets/core/LocaleFloat.h"

namespace {

// Where an object sits and how it behaves on its form: not part of the look a user copies from one
// instrument to another.
const std::vector<std::string> SettingsLeftOut{"Left",    "Top",     "Width",    "Height",
                                               "Align",   "Cursor",  "ShowHint", "Tag",
                                               "Visible", "Enabled", "Hint",     "HelpContext"};

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t SequenceLength(char lead) {
    const auto byte = static_cast<unsigned char>(lead);
    if (byte >= 0xF0)
        return 4;
    if (byte >= 0xE0)
        return 3;
    return byte >= 0xC0 ? 2 : 1;
}

// Cuts to the line length, moving the cut back to the start of a UTF-8 character it would split.
// Text that is not UTF-8 there is cut where the length says.
std::string CutToLineLength(std::string text) {
    std::size_t cut = TPropertyFile::MaxLineLength;
    if (text.size() <= cut)
        return text;
    std::size_t start = cut;
    while (start > 0 && cut - start < 3 && IsContinuationByte(text[start]))
        --start;
    if (start + SequenceLength(text[start]) > cut)
        cut = start;
    text.resize(cut);
    return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// The trimmed parts before and after the first "="; both empty when there is none.
std::pair<std::string_view, std::string_view> SplitAtEquals(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string PropertyPath(const std::string& prefix, const std::string& name) {
    return Trim(prefix).empty() ? name : prefix + "." + name;
}

bool IsExcluded(const std::string& path, const std::vector<std::string>& exclusions) {
    return std::any_of(exclusions.begin(), exclusions.end(),
                       [&](const std::string& excluded) { return SameText(path, excluded); });
}

std::optional<std::string> ValueText(const TObject& object, const TPropInfo& property) {
    if (property.IsOrdinal() && property.GetOrdinal)
        return std::to_string(property.GetOrdinal(object));
    if (property.Kind == tkDouble && property.GetDouble)
        return FloatToText(property.GetDouble(object));
    if (property.Kind == tkString && property.GetString)
        return property.GetString(object);
    return std::nullopt;
}

// Decimal, or hexadecimal after "$", within the 32 bits every ordinal property has; a
// hexadecimal value with the top bit set is negative, as a system colour is.
std::int64_t TextToInt(const std::string& text) {
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative || (!digits.empty() && digits.front() == '+'))
        digits.remove_prefix(1);
    const bool hexadecimal = !digits.empty() && digits.front() == '$';
    if (hexadecimal)
        digits.remove_prefix(1);
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                              magnitude, hexadecimal ? 16 : 10);
    const bool whole = !digits.empty() && error == std::errc() &&
                       end == digits.data() + digits.size() && magnitude <= UINT32_MAX;
    std::int64_t value = hexadecimal ? std::int64_t{static_cast<std::int32_t>(magnitude)}
                                     : static_cast<std::int64_t>(magnitude);
    if (negative)
        value = -value;
    if (!whole || value < INT32_MIN || value > INT32_MAX)
        throw Exception("'" + text + "' is not a valid integer value");
    return value;
}

// Enumerations, sets and Booleans take only the values they name: anything else would put an
// undeclared value into an enumeration.
bool OrdinalInRange(const TPropInfo& property, std::int64_t value) {
    const auto names = static_cast<std::int64_t>(property.ValueNames.size());
    switch (property.Kind) {
    case tkBoolean:
        return value == 0 || value == 1;
    case tkEnumeration:
        return value >= 0 && value < names;
    case tkSet:
        return value >= 0 && (names >= 32 || value < (std::int64_t{1} << names));
    default:
        return true;
    }
}

void SetOrdinalText(TObject& object, const TPropInfo& property, const std::string& path,
                    const std::string& text) {
    const std::int64_t value = TextToInt(text);
    if (!OrdinalInRange(property, value))
        throw Exception("'" + text + "' is out of range for property " + path);
    property.SetOrdinal(object, value);
}

bool CanLoad(const TPropInfo& property) {
    return (property.IsOrdinal() && property.SetOrdinal) ||
           (property.Kind == tkDouble && property.SetDouble) ||
           (property.Kind == tkString && property.SetString);
}

void SetValueText(TObject& object, const TPropInfo& property, const std::string& path,
                  const std::string& text) {
    if (property.IsOrdinal())
        SetOrdinalText(object, property, path, text);
    else if (property.Kind == tkDouble)
        property.SetDouble(object, TextToFloat(text));
    else
        property.SetString(object, text);
}

// A sub-object whose path no longer fits in a line could never be read back; stopping there also
// ends the walk through objects that lead back to themselves.
TObject* SubObject(const TObject& object, const TPropInfo& property, const std::string& path) {
    if (!property.GetObject || !property.ObjectClass || path.size() > TPropertyFile::MaxLineLength)
        return nullptr;
    return property.GetObject(object);
}

bool Streamed(const TObject& object, const TPropInfo& property) {
    return property.Writable() && property.Stored(object);
}

std::string SystemReason() {
    return std::generic_category().message(errno);
}

void WriteTextFile(const std::string& fileName, const std::string& text) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file)
        throw Exception("Cannot create file \"" + fileName + "\". " + SystemReason());
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file)
        throw Exception("Cannot write file \"" + fileName + "\"");
}

void Guarded(const char* failure, const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        throw Exception(failure + e.Message());
    }
}

constexpr char SavingFailure[] = "Error Saving Properties - ";
constexpr char LoadingFailure[] = "Error Loading Properties - ";

std::string SaveText(const TObject& object, bool saveAllProperties) {
    std::vector<std::string> exclusions{"Name"};
    if (!saveAllProperties)
        exclusions.insert(exclusions.end(), SettingsLeftOut.begin(), SettingsLeftOut.end());
    const TClassInfo& info = TClassRegistry::Instance().Of(object);
    std::vector<std::string> lines{CutToLineLength("File Type = " + info.Name())};
    TPropertyFile::SaveObjectProperties(object, info, "", lines, exclusions);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void LoadText(TObject& object, std::string_view text) {
    std::vector<std::string> lines = SplitLines(text);
    TPropertyFile::LoadObjectProperties(object, TClassRegistry::Instance().Of(object), "", lines);
}

} // namespace

void TPropertyFile::Save(const TObject& object, const std::string& fileName,
                         bool saveAllProperties) {
    Guarded(SavingFailure, [&] { WriteTextFile(fileName, SaveText(object, saveAllProperties)); });
}

void TPropertyFile::Load(TObject& object, const std::string& fileName) {
    Guarded(LoadingFailure, [&] {
        const std::vector<std::uint8_t> bytes = ReadFileBytes(fileName, MaxFileSize);
        LoadText(object, std::string(bytes.begin(), bytes.end()));
    });
}

std::string TPropertyFile::SaveToText(const TObject& object, bool saveAllProperties) {
    std::string text;
    Guarded(SavingFailure, [&] { text = SaveText(object, saveAllProperties); });
    return text;
}

void TPropertyFile::LoadFromText(TObject& object, std::string_view text) {
    Guarded(LoadingFailure, [&] { LoadText(object, text); });
}

void TPropertyFile::SaveObjectProperties(const TObject& object, const TClassInfo& info,
                                         const std::string& pathPrefix,
                                         std::vector<std::string>& lines,
                                         const std::vector<std::string>& exclusions) {
    for (const TPropInfo& property : info.Properties()) {
        if (!Streamed(object, property))
            continue;
        const std::string path = PropertyPath(pathPrefix, property.Name);
        if (IsExcluded(path, exclusions))
            continue;
        if (property.Kind == tkClass) {
            if (const TObject* sub = SubObject(object, property, path))
                SaveObjectProperties(*sub, *property.ObjectClass, path, lines, exclusions);
        } else if (const std::optional<std::string> value = ValueText(object, property)) {
            lines.push_back(CutToLineLength(path + " = " + CutToLineLength(*value)));
        }
    }
}

void TPropertyFile::LoadObjectProperties(TObject& object, const TClassInfo& info,
                                         const std::string& pathPrefix,
                                         std::vector<std::string>& lines) {
    for (const TPropInfo& property : info.Properties()) {
        if (!Streamed(object, property))
            continue;
        const std::string path = PropertyPath(pathPrefix, property.Name);
        std::string value;
        if (property.Kind == tkClass) {
            if (TObject* sub = SubObject(object, property, path))
                LoadObjectProperties(*sub, *property.ObjectClass, path, lines);
        } else if (CanLoad(property) && FindPropertyLine(path, lines, value)) {
            SetValueText(object, property, path, value);
        }
    }
}

bool TPropertyFile::FindPropertyLine(const std::string& path, std::vector<std::string>& lines,
                                     std::string& value) {
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        const auto [name, rest] = SplitAtEquals(*line);
        if (!SameText(name, path))
            continue;
        value = rest;
        lines.erase(line);
        return true;
    }
    return false;
}

TObject* TPropertyFile::GetObjectProperty(const TObject& object, const std::string& propertyName) {
    const TClassInfo* info = TClassRegistry::Instance().FindByType(typeid(object));
    const TPropInfo* property = info ? info->FindProperty(propertyName) : nullptr;
    if (!property || property->Kind != tkClass || !property->GetObject)
        return nullptr;
    return property->GetObject(object);
}
