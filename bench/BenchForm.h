#pragma once

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "widgets/core/iComponent.h"

// A headless program showing one form read from layout text, as the bench's screen reads its
// own. The constructor paints the first frame, so every widget's cached background and
// transparency snapshot are valid before any timing starts.
class TBenchForm {
public:
    explicit TBenchForm(const std::string& layout);

    template <class W> W& Find(const std::string& name) { return Checked<W>(FindWidget(name)); }
    TForm& Form() { return *m_form; }
    // What the loop does once per display frame: paint the widgets that asked for it, compose
    // their areas and present them.
    void Frame() { m_application.PaintDirtyForms(); }

    // What a case times after each change: the whole frame, or only the widget's own paint into
    // its surface (the frame without the compose).
    enum TMeasure { bmFrame, bmPaintOnly };
    // One change per iteration, then the frame or the paint it causes.
    template <class Change>
    void Time(benchmark::State& state, TMeasure measure, TWinControl& widget, Change change);

private:
    TiComponent* FindWidget(const std::string& name) const;
    template <class W> static W& Checked(TiComponent* widget);

    TApplication m_application;
    TForm* m_form = nullptr;
};

template <class W> W& TBenchForm::Checked(TiComponent* widget) {
    auto* typed = dynamic_cast<W*>(widget);
    if (!typed)
        throw std::logic_error("the bench layout lacks a widget of the expected class");
    return *typed;
}

template <class Change>
void TBenchForm::Time(benchmark::State& state, TMeasure measure, TWinControl& widget,
                      Change change) {
    for (auto _ : state) {
        change();
        if (measure == bmFrame)
            Frame();
        else
            widget.PaintWindow();
    }
}
