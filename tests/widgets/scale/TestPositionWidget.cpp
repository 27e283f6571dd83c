#include "TestPositionWidget.h"

TTestPositionWidget::TTestPositionWidget(TComponent* owner) : TiPositionComponent(owner) {
    SetBounds(0, 0, 40, 30);
}

const TClassInfo& TTestPositionWidget::StaticClassInfo() {
    static const TClassInfo& info = []() -> const TClassInfo& {
        TClassBuilder<TTestPositionWidget> builder("TTestPositionWidget",
                                                   &TiPositionComponent::StaticClassInfo());
        PublishMinMaxPointers(builder);
        PublishUserEvents(builder);
        return builder.Build();
    }();
    return info;
}

void TTestPositionWidget::RecordEvents() {
    auto record = [this](const char* name) {
        return [this, name](TObject*) { Log.push_back(name); };
    };
    auto recordLimit = [this](const char* name) {
        return [this, name](TObject*, int index) {
            Log.push_back(std::string(name) + " " + std::to_string(index));
        };
    };
    OnPositionChange = record("change");
    OnPositionChangeUser = record("change-user");
    OnPositionChangeFinished = record("finished");
    OnCurrentMaxChange = record("current-max");
    OnCurrentMinChange = record("current-min");
    OnPositionOverMax = record("over-max");
    OnPositionUnderMin = record("under-min");
    OnPositionOverLimit = recordLimit("over-limit");
    OnPositionUnderLimit = recordLimit("under-limit");
}

void TTestPositionWidget::Invalidate() {
    ++m_invalidations;
    TiPositionComponent::Invalidate();
}

void TTestPositionWidget::DrawWidget(TCanvas& canvas) {
    DrawBackground(canvas, BackGroundColor());
}
