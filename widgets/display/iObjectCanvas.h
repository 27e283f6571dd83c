#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/graphics/ImageList.h"
#include "widgets/core/iCustomComponent.h"
#include "widgets/display/iDrawObject.h"

using TiMouseUPDownDisplayEvent = std::function<void(TObject* sender, TMouseButton button,
                                                     TShiftState shift, double x, double y)>;
using TiMouseMoveDisplayEvent =
    std::function<void(TObject* sender, TShiftState shift, double x, double y)>;
// Handle is the number the object received when it was added.
using TiClickObjectEvent = std::function<void(TObject* sender, int handle)>;

// A retained vector drawing: lines, texts, ellipses, rectangles and pictures placed in user
// coordinates, drawn again in the order they were added at every paint. OriginX and OriginY
// sit at the widget's centre, the display ranges span its full width and height, and y points
// up. Mouse events come in user coordinates; a press and release on one object reports its
// number. Objects live only while the program runs; the picture list is kept in the layout.
class TiObjectCanvas : public TiCustomComponent {
public:
    explicit TiObjectCanvas(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    double OriginX() const { return m_originX; }
    void SetOriginX(double value);
    double OriginY() const { return m_originY; }
    void SetOriginY(double value);
    // A range of 0 leaves nothing to draw the objects on: the canvas then shows its background
    // only, and no object takes a click.
    double DisplayRangeX() const { return m_displayRangeX; }
    void SetDisplayRangeX(double value);
    double DisplayRangeY() const { return m_displayRangeY; }
    void SetDisplayRangeY(double value);

    // What objects receive when they are added; changing them leaves existing objects alone.
    TColor DefaultBrushColor() const { return m_defaultBrushColor; }
    void SetDefaultBrushColor(TColor value) { m_defaultBrushColor = value; }
    TBrushStyle DefaultBrushStyle() const { return m_defaultBrushStyle; }
    void SetDefaultBrushStyle(TBrushStyle value) { m_defaultBrushStyle = value; }
    TColor DefaultPenColor() const { return m_defaultPenColor; }
    void SetDefaultPenColor(TColor value) { m_defaultPenColor = value; }
    TPenStyle DefaultPenStyle() const { return m_defaultPenStyle; }
    void SetDefaultPenStyle(TPenStyle value) { m_defaultPenStyle = value; }
    int DefaultPenWidth() const { return m_defaultPenWidth; }
    void SetDefaultPenWidth(int value) { m_defaultPenWidth = value; }
    const std::string& DefaultFontName() const { return m_defaultFontName; }
    void SetDefaultFontName(const std::string& value) { m_defaultFontName = value; }
    int DefaultFontSize() const { return m_defaultFontSize; }
    void SetDefaultFontSize(int value) { m_defaultFontSize = value; }
    TColor DefaultFontColor() const { return m_defaultFontColor; }
    void SetDefaultFontColor(TColor value) { m_defaultFontColor = value; }
    bool DefaultFontBold() const { return m_defaultFontBold; }
    void SetDefaultFontBold(bool value) { m_defaultFontBold = value; }
    bool DefaultFontItalic() const { return m_defaultFontItalic; }
    void SetDefaultFontItalic(bool value) { m_defaultFontItalic = value; }
    bool DefaultFontUnderLine() const { return m_defaultFontUnderLine; }
    void SetDefaultFontUnderLine(bool value) { m_defaultFontUnderLine = value; }
    bool DefaultFontStrikeOut() const { return m_defaultFontStrikeOut; }
    void SetDefaultFontStrikeOut(bool value) { m_defaultFontStrikeOut = value; }

    // The picture size of the owned list; a new size empties the list, and the list's change
    // repaints. Each side is held within what a list can store.
    int ImageListWidth() const { return m_imageList.Width(); }
    void SetImageListWidth(int value);
    int ImageListHeight() const { return m_imageList.Height(); }
    void SetImageListHeight(int value);
    TImageList& ImageList() { return m_imageList; }
    const TImageList& ImageList() const { return m_imageList; }

    // Each add gives the object the current defaults, makes it visible, repaints and returns
    // the object's number; numbers count up from 0 and are never reused until Clear.
    int AddLine(double x1, double y1, double x2, double y2);
    int AddText(const std::string& text, double x, double y);
    int AddEllipse(double x, double y, double width, double height);
    int AddRectangle(double x, double y, double width, double height);
    int AddPicture(double x, double y, int pictureIndex);
    void Clear();
    int ObjectCount() const { return static_cast<int>(m_objects.size()); }
    // Throws Exception "Object not Found" for a number not in the list.
    TiDrawObject& GetObject(int number) const;

    // The user coordinates of a pixel of the widget.
    TRealPoint PixelToUser(int x, int y) const;

    TiMouseUPDownDisplayEvent OnMouseDownDisplay;
    TiMouseUPDownDisplayEvent OnMouseUpDisplay;
    TiMouseMoveDisplayEvent OnMouseMoveDisplay;
    TiClickObjectEvent OnClickObject;

protected:
    void DrawWidget(TCanvas& canvas) override;
    void MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMoveHook(TShiftState shift, int x, int y) override;
    void KillFocusHook() override;

private:
    // User coordinates to pixels around the widget's centre point.
    struct TMapping {
        TPoint Center;
        double OriginX;
        double OriginY;
        double ScaleX;
        double ScaleY;

        double OffsetX(double x) const { return (x - OriginX) * ScaleX; }
        double OffsetY(double y) const { return -(y - OriginY) * ScaleY; }
        TPoint Map(double x, double y) const;
    };

    TMapping Mapping(TPoint center) const;
    void DrawShape(TCanvas& canvas, const TMapping& map, TiDrawObject& object) const;
    void DrawLine(TCanvas& canvas, const TMapping& map, TiDrawObject& object) const;
    // Returns the text cell.
    TRect DrawTextObject(TCanvas& canvas, const TMapping& map, const TiDrawObject& object) const;
    void DrawPicture(TCanvas& canvas, const TMapping& map, TiDrawObject& object) const;

    int AddObject(std::unique_ptr<TiDrawObject> object);
    void ApplyDefaults(TiDrawObject& object) const;

    double m_originX = 0;
    double m_originY = 0;
    double m_displayRangeX = 100;
    double m_displayRangeY = 100;
    TColor m_defaultBrushColor = clBlack;
    TBrushStyle m_defaultBrushStyle = bsSolid;
    TColor m_defaultPenColor = clWhite;
    TPenStyle m_defaultPenStyle = psSolid;
    int m_defaultPenWidth = 1;
    std::string m_defaultFontName = "Arial";
    int m_defaultFontSize = 8;
    TColor m_defaultFontColor = clWhite;
    bool m_defaultFontBold = false;
    bool m_defaultFontItalic = false;
    bool m_defaultFontUnderLine = false;
    bool m_defaultFontStrikeOut = false;

    // In the order they were added, each with its number.
    std::vector<std::pair<int, std::unique_ptr<TiDrawObject>>> m_objects;
    int m_nextNumber = 0;
    TImageList m_imageList;
    bool m_mouseIsDown = false;
    int m_pressedObject = -1;
};
