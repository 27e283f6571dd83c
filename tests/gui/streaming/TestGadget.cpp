#include "gui/streaming/TestGadget.h"

#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"

namespace {

TLayoutValue WritePoints(const TTestGadget& gadget) {
    TLayoutValue items;
    items.Kind = lvCollection;
    for (const TTestPoint& point : gadget.Points())
        items.Items.push_back(TLayoutWriter::WriteObjectProperties(point, TTestPoint::ClassInfo()));
    return items;
}

void ReadPoints(TTestGadget& gadget, const TLayoutValue& value) {
    gadget.Points().clear();
    for (const std::vector<TLayoutProperty>& item : value.AsItems())
        TLayoutReader::ReadObjectProperties(gadget.Points().emplace_back(), TTestPoint::ClassInfo(),
                                            item);
}

} // namespace

const TClassInfo& TTestGadget::ClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TTestGadget>("TTestGadget", &TFrameworkClasses::Control())
            .Integer("Count", &TTestGadget::Count, &TTestGadget::SetCount, 0)
            .Double("Ratio", &TTestGadget::Ratio, &TTestGadget::SetRatio)
            .String("Title", &TTestGadget::Title, &TTestGadget::SetTitle)
            .Boolean("Active", &TTestGadget::Active, &TTestGadget::SetActive, false)
            .Enumeration("Size", &TTestGadget::Size, &TTestGadget::SetSize,
                         {"tsSmall", "tsMedium", "tsLarge"}, tsMedium)
            .Set("Options", &TTestGadget::Options, &TTestGadget::SetOptions,
                 {"toAlpha", "toBeta", "toGamma"}, 0)
            .Color("Tint", &TTestGadget::Tint, &TTestGadget::SetTint, clWhite)
            .Object("Font", &TTestGadget::Font, TFrameworkClasses::Font())
            .Event("OnChange", &TTestGadget::OnChange)
            .Event("OnValue", &TTestGadget::OnValue)
            .Defined(
                "Blob", [](const TTestGadget& g) { return !g.Blob().empty(); },
                [](const TTestGadget& g) { return TLayoutValue::OfBytes(g.Blob()); },
                [](TTestGadget& g, const TLayoutValue& value) {
                    g.Blob().assign(value.AsBytes().begin(), value.AsBytes().end());
                })
            .Defined(
                "Points", [](const TTestGadget& g) { return !g.Points().empty(); }, WritePoints,
                ReadPoints)
            .Build();
    return info;
}

std::vector<std::string>& TTestGadget::LoadedLog() {
    static std::vector<std::string> log;
    return log;
}

TTestGadget::TTestGadget(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 40, 20);
}

void TTestGadget::SetCount(int value) {
    m_count = value;
    m_countSetWhileLoading = IsLoading();
    m_countSetWithParent = Parent() != nullptr;
}

void TTestGadget::Loaded() {
    TControl::Loaded();
    LoadedLog().push_back(Name());
}
