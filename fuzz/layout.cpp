#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Exception.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/WidgetClasses.h"

namespace {

struct TFuzzWorld {
    TFuzzWorld() : App(std::make_unique<THeadlessPlatform>(TSize{1024, 768})) {
        TWidgetClasses::RegisterAll();
        for (const char* name : {"Click", "FormCreate", "Tick"})
            Handlers.Add<TNotifyEvent>(name, [](TObject*) {});
        Handlers.Add<TMouseEvent>("MouseDown",
                                  [](TObject*, TMouseButton, TShiftState, int, int) {});
    }

    TApplication App;
    THandlerTable Handlers;
};

// Reads into a fresh form; null when the layout is refused.
std::unique_ptr<TForm> Read(TFuzzWorld& world, const std::string& text) {
    std::unique_ptr<TForm> form(world.App.CreateForm<TForm>());
    try {
        TLayoutReader::Read(text, *form, world.Handlers);
    } catch (const EReadError&) {
        return nullptr;
    }
    return form;
}

// Writes the form and reads the text into a fresh one; null when that fails.
std::unique_ptr<TForm> RoundTrip(TFuzzWorld& world, const TForm& form, std::string& written) {
    written = TLayoutWriter::Write(form);
    return Read(world, written);
}

} // namespace

// Any text either reads or fails with EReadError, leaving nothing behind. What reads writes back
// as text that reads again. A component may still settle on that first read (an auto-sized
// label measures itself whatever size the text gave it), so from the second writing on the
// text must stay the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TFuzzWorld world;
    const std::unique_ptr<TForm> form =
        Read(world, std::string(reinterpret_cast<const char*>(data), size));
    if (!form)
        return 0;
    std::string first;
    std::string second;
    const std::unique_ptr<TForm> copy = RoundTrip(world, *form, first);
    const std::unique_ptr<TForm> settled = copy ? RoundTrip(world, *copy, second) : nullptr;
    if (!settled || TLayoutWriter::Write(*settled) != second)
        __builtin_trap();
    return 0;
}
