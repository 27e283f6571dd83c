#pragma once

#include "gui/graphics/ImageList.h"
#include "widgets/core/iCustomComponent.h"

// One picture out of an owned list of equally sized pictures, chosen by ImageIndex. The
// widget's own timer can step the index, which turns it into a frame-by-frame animation. The
// list is kept in the layout as the binary property "ImageList".
class TiImageDisplay : public TiCustomComponent {
public:
    explicit TiImageDisplay(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    // An index beyond the list shows no picture; a negative one is ignored.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value);
    int TimerInterval() const { return m_timerInterval; }
    void SetTimerInterval(int value);
    bool TimerEnabled() const { return m_timerEnabled; }
    void SetTimerEnabled(bool value);
    bool TimerAutoRepeat() const { return m_timerAutoRepeat; }
    void SetTimerAutoRepeat(bool value);
    bool TimerIncrementUp() const { return m_timerIncrementUp; }
    void SetTimerIncrementUp(bool value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    int BorderMargin() const { return m_borderMargin; }
    void SetBorderMargin(int value);
    void SetBorderStyle(TiBevelStyle value) override;

    TImageList& ImageList() { return m_imageList; }
    const TImageList& ImageList() const { return m_imageList; }

    // The top left of the picture: centred on the whole widget, clipped by its edges when larger.
    TPoint PictureOrigin() const;

protected:
    void DrawWidget(TCanvas& canvas) override;

private:
    void TimerStep();
    void ApplyAutoSize();
    void ReadImageList(const TLayoutValue& value);

    int m_imageIndex = 0;
    int m_timerInterval = 1000;
    bool m_timerEnabled = false;
    bool m_timerAutoRepeat = true;
    bool m_timerIncrementUp = true;
    bool m_autoSize = false;
    int m_borderMargin = 0;
    bool m_autoSizing = false;
    TImageList m_imageList;
};
