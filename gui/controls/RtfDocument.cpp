#include "gui/controls/RtfDocument.h"

#include <algorithm>
#include <utility>

TRtfDocument::TRtfDocument() : m_formats(1) {}

int TRtfDocument::AddFormat(const TRtfCharFormat& format) {
    const auto found = std::find(m_formats.begin(), m_formats.end(), format);
    if (found != m_formats.end())
        return static_cast<int>(found - m_formats.begin());
    m_formats.push_back(format);
    return static_cast<int>(m_formats.size() - 1);
}

void TRtfDocument::AppendText(int format, std::string_view text) {
    if (text.empty())
        return;
    if (m_open.runs.empty() || m_open.runs.back().format != format)
        m_open.runs.push_back({format, {}});
    m_open.runs.back().text += text;
}

void TRtfDocument::EndParagraph(const TRtfParaFormat& format, int endFormat) {
    m_open.format = format;
    m_open.endFormat = endFormat;
    m_paragraphs.push_back(std::move(m_open));
    m_open = {};
}

void TRtfDocument::Finish(const TRtfParaFormat& format, int endFormat) {
    if (!m_open.runs.empty())
        EndParagraph(format, endFormat);
}

std::string TRtfDocument::PlainText() const {
    std::string text;
    for (const TRtfParagraph& paragraph : m_paragraphs) {
        for (const TRtfRun& run : paragraph.runs)
            text += run.text;
        text += '\n';
    }
    return text;
}
