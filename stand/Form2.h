#pragma once

#include <memory>

#include "gui/framework/Form.h"

class THandlerTable;
class TStandModel;
struct TStandWidgets;

// The laboratory bench: its layout's events are wired here to the model behind it and to the
// wooden signs that lead to the menu, the theory and out of the program.
class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    ~TForm2() override;

    const TStandModel& Model() const { return *m_model; }

private:
    void AddModelHandlers(THandlerTable& handlers);
    void AddNavigationHandlers(THandlerTable& handlers);
    void FormCreate();
    void Image16Click();
    void Image17Click();
    void Image18Click();

    std::unique_ptr<TStandWidgets> m_widgets;
    std::unique_ptr<TStandModel> m_model;
};
