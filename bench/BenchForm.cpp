#include "BenchForm.h"

#include <memory>

#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "widgets/WidgetClasses.h"

TBenchForm::TBenchForm(const std::string& layout)
    : m_application(std::make_unique<THeadlessPlatform>(TSize{1024, 768})) {
    TWidgetClasses::RegisterAll();
    m_form = m_application.CreateForm<TForm>();
    TLayoutReader::Read(layout, *m_form, THandlerTable());
    m_form->Show();
    Frame();
}

TiComponent* TBenchForm::FindWidget(const std::string& name) const {
    return dynamic_cast<TiComponent*>(m_form->FindComponent(name));
}
