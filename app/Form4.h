#pragma once

#include <string_view>

#include "gui/framework/Form.h"

class TImage;
class TRichEdit;

// The theory browser: one formatted page and one illustration per topic, both read from
// run-time files when the topic is chosen, and a back button to where the student came from.
class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);
    ~TForm4() override;

private:
    // Replaces the page, then the picture; a failure leaves what was not reached as it was.
    void LoadTopic(std::string_view page, std::string_view picture);
    void FormCreate();
    void Image7Click();

    TRichEdit* m_richEdit1 = nullptr;
    TImage* m_image8 = nullptr;
};
