#include "widgets/display/iImageDisplay.h"

#include <algorithm>
#include <cstdint>

#include "gui/streaming/ClassBuilder.h"
#include "widgets/display/ImageListProperty.h"

TiImageDisplay::TiImageDisplay(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(0, 0, 100, 100);
    OnInternalTimer = [this](TObject*) { TimerStep(); };
    m_imageList.OnChange = [this](TObject*) {
        InvalidateChange();
        ApplyAutoSize();
    };
}

const TClassInfo& TiImageDisplay::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiImageDisplay>("TiImageDisplay", &TiCustomComponent::StaticClassInfo())
            .Integer("ImageIndex", &TiImageDisplay::ImageIndex, &TiImageDisplay::SetImageIndex, 0)
            .Integer("TimerInterval", &TiImageDisplay::TimerInterval,
                     &TiImageDisplay::SetTimerInterval, 1000)
            .Boolean("TimerEnabled", &TiImageDisplay::TimerEnabled,
                     &TiImageDisplay::SetTimerEnabled, false)
            .Boolean("TimerAutoRepeat", &TiImageDisplay::TimerAutoRepeat,
                     &TiImageDisplay::SetTimerAutoRepeat, true)
            .Boolean("TimerIncrementUp", &TiImageDisplay::TimerIncrementUp,
                     &TiImageDisplay::SetTimerIncrementUp, true)
            .Boolean("AutoSize", &TiImageDisplay::AutoSize, &TiImageDisplay::SetAutoSize, false)
            .Integer("BorderMargin", &TiImageDisplay::BorderMargin,
                     &TiImageDisplay::SetBorderMargin)
            .Enumeration("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsNone)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            .Defined(
                "ImageList", [](const TiImageDisplay& d) { return d.m_imageList.Count() > 0; },
                [](const TiImageDisplay& d) { return WriteImageListProperty(d.m_imageList); },
                [](TiImageDisplay& d, const TLayoutValue& v) { d.ReadImageList(v); })
            .Build();
    return info;
}

void TiImageDisplay::SetImageIndex(int value) {
    if (value < 0)
        return;
    SetIntegerProperty(value, m_imageIndex, ckInvalidate);
}

void TiImageDisplay::SetTimerInterval(int value) {
    if (value < 0 || value == m_timerInterval)
        return;
    m_timerInterval = value;
    if (TimerActive()) {
        TimerStop();
        TimerStart(m_timerInterval, m_timerInterval);
    }
    InvalidateChange();
}

// Only the animation changes; nothing on the picture does, so there is nothing to repaint.
void TiImageDisplay::SetTimerEnabled(bool value) {
    if (value == m_timerEnabled)
        return;
    m_timerEnabled = value;
    if (m_timerEnabled)
        TimerStart(m_timerInterval, m_timerInterval);
    else
        TimerStop();
}

void TiImageDisplay::SetTimerAutoRepeat(bool value) {
    SetBooleanProperty(value, m_timerAutoRepeat, ckInvalidate);
}

void TiImageDisplay::SetTimerIncrementUp(bool value) {
    SetBooleanProperty(value, m_timerIncrementUp, ckInvalidate);
}

void TiImageDisplay::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    BackGroundChange();
    ApplyAutoSize();
}

void TiImageDisplay::SetBorderMargin(int value) {
    if (value == m_borderMargin)
        return;
    m_borderMargin = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiImageDisplay::SetBorderStyle(TiBevelStyle value) {
    TiCustomComponent::SetBorderStyle(value);
    ApplyAutoSize();
}

// A layout read never resizes the widget: the stored size stands until something that shapes
// it changes afterwards. The fitted size is held within what the widget can be drawn at.
void TiImageDisplay::ApplyAutoSize() {
    if (!m_autoSize || IsLoading() || m_autoSizing)
        return;
    const std::int64_t frame = BorderStyle() == ibsNone ? 0 : 2;
    const std::int64_t margins = 2 * static_cast<std::int64_t>(m_borderMargin) + frame;
    const std::int64_t width =
        std::clamp<std::int64_t>(m_imageList.Width() + margins, 0, TBitmap::MaxSide);
    const std::int64_t height = std::clamp<std::int64_t>(
        m_imageList.Height() + margins, 0,
        std::min<std::int64_t>(TBitmap::MaxSide,
                               TBitmap::MaxPixels / std::max<std::int64_t>(width, 1)));
    m_autoSizing = true;
    SetBounds(Left(), Top(), static_cast<int>(width), static_cast<int>(height));
    m_autoSizing = false;
}

void TiImageDisplay::ReadImageList(const TLayoutValue& value) {
    ReadImageListProperty(m_imageList, value);
    if (m_timerEnabled)
        TimerStart(m_timerInterval, m_timerInterval);
}

// The index moves straight to its new value, past the setter: the animation owns it. An empty
// list has no last picture, so the index then stays at 0 rather than turning negative.
void TiImageDisplay::TimerStep() {
    const int last = std::max(m_imageList.Count() - 1, 0);
    if (m_timerIncrementUp) {
        if (m_imageIndex >= last) {
            m_imageIndex = m_timerAutoRepeat ? 0 : last;
            if (!m_timerAutoRepeat)
                TimerStop();
        } else {
            ++m_imageIndex;
        }
    } else {
        if (m_imageIndex <= 0) {
            m_imageIndex = m_timerAutoRepeat ? last : 0;
            if (!m_timerAutoRepeat)
                TimerStop();
        } else {
            --m_imageIndex;
        }
    }
    InvalidateChange();
}

TPoint TiImageDisplay::PictureOrigin() const {
    return {Width() / 2 - m_imageList.Width() / 2, Height() / 2 - m_imageList.Height() / 2};
}

void TiImageDisplay::DrawWidget(TCanvas& canvas) {
    // Colour and frame, or what lies beneath.
    DrawBackground(canvas, BackGroundColor());
    // The current picture, greyed while the widget is disabled; none beyond the list.
    const TPoint origin = PictureOrigin();
    m_imageList.Draw(canvas, origin.X, origin.Y, m_imageIndex, Enabled());
    // The frame again, over a picture that reaches the edges.
    DrawBorder(canvas);
}
