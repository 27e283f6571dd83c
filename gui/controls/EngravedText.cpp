#include "gui/controls/EngravedText.h"

#include "gui/graphics/Canvas.h"

void DrawEngravedText(TCanvas& canvas, const std::string& text, TRect rect, unsigned flags) {
    TRect raised = Bounds(rect.Left + 1, rect.Top + 1, rect.Width(), rect.Height());
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, raised, flags);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, rect, flags);
}
