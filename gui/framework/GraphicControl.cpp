#include "gui/framework/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}
