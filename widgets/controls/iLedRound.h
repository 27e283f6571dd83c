#pragma once

#include "widgets/controls/iLed.h"

// A round lamp with a two-pixel round bevel and an optional white reflection. It stays square.
class TiLedRound : public TiLed {
public:
    explicit TiLedRound(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    bool ShowReflection() const { return m_showReflection; }
    void SetShowReflection(bool value);

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void DrawWidget(TCanvas& canvas) override;

private:
    void DrawReflection(TCanvas& canvas);
    void DrawBevel(TCanvas& canvas);

    bool m_showReflection = true;
};
