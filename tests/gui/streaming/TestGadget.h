#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/framework/Control.h"
#include "gui/graphics/Color.h"
#include "gui/graphics/Font.h"
#include "gui/streaming/ClassInfo.h"
#include "gui/streaming/TestPoint.h"

enum TTestSize : std::uint8_t { tsSmall, tsMedium, tsLarge };
enum TTestOption : std::uint8_t { toAlpha, toBeta, toGamma };

using TTestValueEvent = std::function<void(TObject* sender, int value)>;

// A control with a property of every kind streaming knows, a binary and a collection value, and
// a record of what it saw while it was loaded.
class TTestGadget : public TControl {
public:
    static const TClassInfo& ClassInfo();
    // Names of the components told Loaded, in the order they were told.
    static std::vector<std::string>& LoadedLog();

    explicit TTestGadget(TComponent* owner);

    int Count() const { return m_count; }
    void SetCount(int value);
    double Ratio() const { return m_ratio; }
    void SetRatio(double value) { m_ratio = value; }
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& value) { m_title = value; }
    bool Active() const { return m_active; }
    void SetActive(bool value) { m_active = value; }
    TTestSize Size() const { return m_size; }
    void SetSize(TTestSize value) { m_size = value; }
    std::uint8_t Options() const { return m_options; }
    void SetOptions(std::uint8_t value) { m_options = value; }
    TColor Tint() const { return m_tint; }
    void SetTint(TColor value) { m_tint = value; }
    TFont& Font() { return m_font; }
    std::vector<std::uint8_t>& Blob() { return m_blob; }
    const std::vector<std::uint8_t>& Blob() const { return m_blob; }
    std::vector<TTestPoint>& Points() { return m_points; }
    const std::vector<TTestPoint>& Points() const { return m_points; }

    // Whether Count was set while loading and with the parent already in place.
    bool CountSetWhileLoading() const { return m_countSetWhileLoading; }
    bool CountSetWithParent() const { return m_countSetWithParent; }

    void Loaded() override;

    TNotifyEvent OnChange;
    TTestValueEvent OnValue;

private:
    int m_count = 0;
    double m_ratio = 0;
    std::string m_title;
    bool m_active = false;
    TTestSize m_size = tsMedium;
    std::uint8_t m_options = 0;
    TColor m_tint = clWhite;
    TFont m_font;
    std::vector<std::uint8_t> m_blob;
    std::vector<TTestPoint> m_points;
    bool m_countSetWhileLoading = false;
    bool m_countSetWithParent = false;
};
