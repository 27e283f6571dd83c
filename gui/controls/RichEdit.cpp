#include "gui/controls/RichEdit.h"

#include "gui/graphics/Exception.h"

TRichEdit::TRichEdit(TComponent* owner) : TCustomControl(owner) {}

TRichEdit::~TRichEdit() = default;

void TRichEdit::LoadFromFile(const std::string& path) {
    throw Exception("Cannot load \"" + path + "\": not implemented yet");
}

void TRichEdit::LoadFromBytes(std::span<const std::uint8_t>) {
    throw Exception("Cannot load RTF: not implemented yet");
}

std::string TRichEdit::PlainText() const {
    return {};
}

void TRichEdit::Clear() {
    Invalidate();
}

void TRichEdit::SetReadOnly(bool value) {
    m_readOnly = value;
}

void TRichEdit::SetScrollBars(TScrollStyle value) {
    if (value == m_scrollBars)
        return;
    m_scrollBars = value;
    Invalidate();
}

void TRichEdit::SetWordWrap(bool value) {
    if (value == m_wordWrap)
        return;
    m_wordWrap = value;
    Invalidate();
}

void TRichEdit::SetColor(TColor value) {
    if (value == m_color)
        return;
    m_color = value;
    Invalidate();
}
