#include "tools/probe/LayoutBench.h"

#include <fstream>
#include <sstream>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Exception.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/FrameworkClasses.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutParser.h"
#include "gui/streaming/LayoutReader.h"
#include "tools/probe/EventLog.h"
#include "widgets/WidgetClasses.h"

namespace {

std::string ReadFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        throw Exception("Cannot open the layout " + fileName);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The layout is checked before anything is built, so that a refusal names what the user wrote.
void RefuseHandlers(const TLayoutObject& object) {
    if (const TClassInfo* info = TClassRegistry::Instance().FindByName(object.ClassName))
        for (const TLayoutProperty& property : object.Properties) {
            const TPropInfo* published = info->FindProperty(property.Path);
            if (published && published->Kind == tkEvent)
                throw Exception("Layout line " + std::to_string(property.Line) + ": " +
                                object.Name + '.' + property.Path + " names the handler " +
                                property.Value.Text +
                                "; the probe has no handlers to wire, leave events out");
        }
    for (const TLayoutObject& child : object.Children)
        RefuseHandlers(child);
}

} // namespace

TLayoutBench::TLayoutBench(const std::string& fileName, std::ostream& log) {
    auto platform = std::make_unique<THeadlessPlatform>();
    m_platform = platform.get();
    m_application = std::make_unique<TApplication>(std::move(platform));
    TWidgetClasses::RegisterAll();
    ReadForm(fileName, ReadFile(fileName));
    TEventLog::Wire(*m_form, log);
    m_form->Show();
}

TLayoutBench::~TLayoutBench() = default;

void TLayoutBench::ReadForm(const std::string& fileName, const std::string& text) {
    try {
        const TLayoutObject layout = TLayoutParser::Parse(text);
        const std::string& formClass = TFrameworkClasses::Form().Name();
        if (layout.ClassName != formClass)
            throw Exception("The layout's root object must be a " + formClass + ", not a " +
                            layout.ClassName);
        RefuseHandlers(layout);
        m_form = m_application->CreateForm<TForm>();
        TLayoutReader::Read(text, *m_form, THandlerTable());
    } catch (const Exception& error) {
        throw Exception(fileName + ": " + error.what());
    }
}
