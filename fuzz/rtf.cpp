#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "gui/controls/RtfLayout.h"
#include "gui/controls/RtfReader.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/Font.h"

namespace {

// Lines stay inside the document's height and in top-down order.
void CheckLines(const TRtfLayout& layout) {
    int bottom = 0;
    for (const TRtfLine& line : layout.Lines()) {
        if (line.top < bottom || line.height < 0)
            __builtin_trap();
        bottom = line.top + line.height;
    }
    if (bottom > layout.Height())
        __builtin_trap();
}

} // namespace

// Any bytes either read as a document or fail with Exception. A document lays out, wrapped at
// the theory box's width and unwrapped, and its text is valid to hand on.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TRtfDocument document;
    try {
        document = TRtfReader::Read(std::span(data, size));
    } catch (const Exception&) {
        return 0;
    }
    const std::string text = document.PlainText();
    if (!text.empty() && text.back() != '\n')
        __builtin_trap();
    static const TFont* const base = [] {
        auto* font = new TFont();
        font->SetName("Arial");
        return font;
    }();
    TRtfLayout layout;
    layout.Build(document, *base, 409, true);
    CheckLines(layout);
    layout.Build(document, *base, 409, false);
    CheckLines(layout);
    return 0;
}
