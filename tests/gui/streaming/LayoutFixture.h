#pragma once

#include <gtest/gtest.h>

#include <string>

#include "gui/framework/FrameworkFixture.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/TestForm.h"
#include "gui/streaming/TestGadget.h"
#include "gui/streaming/TestRoot.h"

// A headless application with the test classes registered (and through them the framework's).
class LayoutFixture : public FrameworkFixture {
protected:
    LayoutFixture() {
        TTestPoint::ClassInfo();
        TTestGadget::ClassInfo();
        TTestForm::ClassInfo();
        TTestRoot::ClassInfo();
        TTestGadget::LoadedLog().clear();
    }

    TTestForm& NewForm() { return *App().CreateForm<TTestForm>(); }

    TTestForm& Load(const std::string& text, const THandlerTable& handlers = {}) {
        TTestForm& form = NewForm();
        TLayoutReader::Read(text, form, handlers);
        return form;
    }

    // The message of the failure, or "no error" when the layout read.
    static std::string ReadError(const std::string& text, TComponent& root,
                                 const THandlerTable& handlers = {}) {
        try {
            TLayoutReader::Read(text, root, handlers);
        } catch (const EReadError& error) {
            return error.what();
        }
        return "no error";
    }

    template <class T> static T& Named(const TComponent& root, const std::string& name) {
        auto* component = dynamic_cast<T*>(root.FindComponent(name));
        if (!component)
            throw Exception("No component " + name + " of the expected class");
        return *component;
    }
};
