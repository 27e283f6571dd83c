#pragma once

#include <string>
#include <vector>

#include "widgets/scale/iPositionComponent.h"

// A position component that records what happens to it: every event in order, the output hook,
// its repaint requests. It also plays the user, as a slider or a gauge does with its mouse.
class TTestPositionWidget : public TiPositionComponent {
public:
    explicit TTestPositionWidget(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    // Each event appends its name (and a limit's index) to Log.
    void RecordEvents();
    std::vector<std::string> Log;

    void UserSets(double value) { SetPositionByUser(value); }
    void UserFinishes() { DoPositionChangeFinished(); }

    void Invalidate() override;
    int Invalidations() const { return m_invalidations; }
    using TiPositionComponent::BackGroundChanged;
    using TiPositionComponent::ClearBackGroundChange;

protected:
    void PositionOutputHook() override { Log.push_back("output"); }
    void DrawWidget(TCanvas& canvas) override;

private:
    int m_invalidations = 0;
};
