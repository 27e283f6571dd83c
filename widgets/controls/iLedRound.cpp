#include "widgets/controls/iLedRound.h"

#include "gui/streaming/ClassBuilder.h"

TiLedRound::TiLedRound(TComponent* owner) : TiLed(owner) {}

const TClassInfo& TiLedRound::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiLedRound>("TiLedRound", &TiLed::StaticClassInfo())
            .Boolean("ShowReflection", &TiLedRound::ShowReflection, &TiLedRound::SetShowReflection,
                     true)
            .Build();
    return info;
}

void TiLedRound::SetShowReflection(bool value) {
    SetBooleanProperty(value, m_showReflection, ckBackGround);
}

// A changed side drags the other one along; a stored layout is taken as it stands.
void TiLedRound::SetBounds(int left, int top, int width, int height) {
    if (!IsLoading()) {
        if (width != Width())
            height = width;
        else if (height != Height())
            width = height;
    }
    TiLed::SetBounds(left, top, width, height);
}

void TiLedRound::DrawWidget(TCanvas& canvas) {
    const int w = Width();
    const int h = Height();
    // Background.
    DrawBackground(canvas, BackGroundColor());
    // Body, inset by the bevel ring when there is one.
    canvas.Brush().SetColor(LampColor());
    canvas.Pen().SetColor(LampColor());
    if (BevelStyle() == ibsNone)
        canvas.Ellipse(0, 0, w, h);
    else
        canvas.Ellipse(2, 2, w - 2, h - 2);
    // Reflection in the upper-left quarter.
    if (m_showReflection)
        DrawReflection(canvas);
    // Bevel ring.
    if (BevelStyle() != ibsNone)
        DrawBevel(canvas);
}

void TiLedRound::DrawReflection(TCanvas& canvas) {
    const int w = Width();
    const int h = Height();
    const int q = w / 4;
    canvas.Pen().SetColor(clWhite);
    canvas.Arc(q, q, w - q, h - q, w / 2, 0, 0, h / 2);
    canvas.Arc(q + 1, q + 1, w - q - 1, h - q - 1, w / 2, 0, 0, h / 2);
}

void TiLedRound::DrawBevel(TCanvas& canvas) {
    const int w = Width();
    const int h = Height();
    const bool raised = BevelStyle() == ibsRaised;
    canvas.Pen().SetColor(raised ? clBtnHighlight : clBtnShadow);
    canvas.Arc(0, 0, w, h, w, 0, 0, h);
    canvas.Arc(1, 1, w - 1, h - 1, w - 1, 1, 1, h - 1);
    canvas.Pen().SetColor(raised ? clBtnShadow : clBtnHighlight);
    canvas.Arc(0, 0, w, h, 0, h, w, 0);
    canvas.Arc(1, 1, w - 1, h - 1, 1, h - 1, w - 1, 1);
}
