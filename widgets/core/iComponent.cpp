#include "widgets/core/iComponent.h"

#include "gui/framework/Application.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/Drawing.h"
#include "widgets/core/Numeric.h"
#include "widgets/core/PropertyFile.h"

namespace {

constexpr double SecondsPerDay = 86400.0;

// Runs the matching EndUpdate however loading ends.
class TUpdateScope {
public:
    explicit TUpdateScope(TiComponent& component) : m_component(component) {
        m_component.BeginUpdate();
    }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;
    ~TUpdateScope() { m_component.EndUpdate(); }

private:
    TiComponent& m_component;
};

} // namespace

TiComponent::TiComponent(TComponent* owner) : TCustomControl(owner), m_lastRepaint(Now()) {}

TiComponent::~TiComponent() = default;

const TClassInfo& TiComponent::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiComponent>("TiComponent", &TFrameworkClasses::WinControl())
            .Boolean("OptionSaveAllProperties", &TiComponent::OptionSaveAllProperties,
                     &TiComponent::SetOptionSaveAllProperties, false)
            .Boolean("AutoFrameRate", &TiComponent::AutoFrameRate, &TiComponent::SetAutoFrameRate,
                     false)
            .Integer("UpdateFrameRate", &TiComponent::UpdateFrameRate,
                     &TiComponent::SetUpdateFrameRate, 60)
            .Build();
    return info;
}

void TiComponent::SetAutoFrameRate(bool value) {
    if (value == m_autoFrameRate)
        return;
    m_autoFrameRate = value;
    if (m_autoFrameRate)
        BackGroundChange();
    else
        EndUpdate();
}

void TiComponent::SetUpdateFrameRate(int value) {
    SetIntegerProperty(value, m_updateFrameRate, ckBackGround);
}

void TiComponent::SetBackGroundColor(TColor value) {
    SetColorProperty(value, m_backGroundColor, ckBackGround);
}

void TiComponent::SetBackGroundPicture(const TBitmap& value) {
    if (m_backGroundPicture)
        *m_backGroundPicture = value;
}

void TiComponent::SetBorderStyle(TiBevelStyle value) {
    StoreProperty(value, m_borderStyle, ckBackGround);
}

void TiComponent::SetOffsetX(int value) {
    SetIntegerProperty(value, m_offsetX, ckBackGround);
}

void TiComponent::SetOffsetY(int value) {
    SetIntegerProperty(value, m_offsetY, ckBackGround);
}

void TiComponent::SetCachedDrawing(bool value) {
    if (value == m_cachedDrawing)
        return;
    m_cachedDrawing = value;
    if (!m_cachedDrawing)
        m_backGroundBitmap.reset();
    BackGroundChange();
}

void TiComponent::Resized() {
    GetBackGroundBitmap().SetSize(Width(), Height());
    BackGroundChange();
}

TPoint TiComponent::GetCenterPoint(TCanvas&) {
    return {Width() / 2 + m_offsetX, Height() / 2 + m_offsetY};
}

TRealPoint TiComponent::GetCenterPointDouble() const {
    return {(Width() - 1) / 2.0, (Height() - 1) / 2.0};
}

TPoint TiComponent::PolarPoint(TPoint center, double radius, double degrees) const {
    return ::PolarPoint(center, radius, degrees);
}

void TiComponent::BeginUpdate() {
    m_updateSuspended = true;
}

void TiComponent::EndUpdate() {
    m_updateSuspended = false;
    if (m_pendingRepaint || m_pendingBackGround)
        ThrottledRepaint();
}

void TiComponent::RefreshBackGround() {
    BackGroundChange();
}

void TiComponent::SavePropertiesToFile(const std::string& fileName) {
    TPropertyFile::Save(*this, fileName, m_optionSaveAllProperties);
}

void TiComponent::LoadPropertiesFromFile(const std::string& fileName) {
    TUpdateScope update(*this);
    TPropertyFile::Load(*this, fileName);
}

void TiComponent::DrawBackground(TCanvas& canvas, TColor color) {
    m_backGroundDirty = false;
    if (m_backGroundPicture && m_backGroundPicture->Width() != 0) {
        canvas.StretchDraw(ClientRect(), *m_backGroundPicture);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(ClientRect());
    DrawBorder(canvas);
}

void TiComponent::DrawBorder(TCanvas& canvas) {
    if (m_borderStyle != ibsNone)
        DrawBevelFrame(canvas, ClientRect(), m_borderStyle == ibsRaised);
}

void TiComponent::SetFocusHook() {
    m_hasFocus = true;
    Invalidate();
}

void TiComponent::KillFocusHook() {
    m_hasFocus = false;
    try {
        MouseUpHook(mbLeft, 0, 0, 0);
    } catch (const Exception&) {
        // A drag that cannot end cleanly still ends; the widget keeps its state.
    }
    Invalidate();
}

void TiComponent::InvalidateChange() {
    Request(rqInvalidate);
}

void TiComponent::BackGroundChange() {
    m_backGroundDirty = true;
    Request(rqBackGround);
}

void TiComponent::Request(TRequest request) {
    ++(request == rqInvalidate ? m_invalidateChanges : m_backGroundChanges);
    bool& pending = request == rqInvalidate ? m_pendingRepaint : m_pendingBackGround;
    if (m_updateSuspended) {
        pending = true;
    } else if (m_autoFrameRate) {
        pending = true;
        ThrottledRepaint();
    } else {
        RepaintNow();
    }
}

// While only the moving parts change, the paint marks the area they cover before and after.
void TiComponent::RepaintNow() {
    m_pendingRepaint = false;
    m_pendingBackGround = false;
    m_lastRepaint = Now();
    if (m_shown.Known && !m_backGroundDirty && !OnPaint) {
        m_areaUnmarked = true;
        RequestPaint();
    } else {
        Invalidate();
    }
}

void TiComponent::ThrottledRepaint() {
    if (!m_autoFrameRate || m_updateFrameRate == 0) {
        RepaintNow();
        return;
    }
    if (Now() > m_lastRepaint + 1.0 / (m_updateFrameRate * SecondsPerDay))
        RepaintNow();
}

void TiComponent::SetBooleanProperty(bool value, bool& field, TChangeKind kind) {
    StoreProperty(value, field, kind);
}

void TiComponent::SetIntegerProperty(int value, int& field, TChangeKind kind) {
    StoreProperty(value, field, kind);
}

void TiComponent::SetDoubleProperty(double value, double& field, TChangeKind kind) {
    StoreProperty(value, field, kind);
}

void TiComponent::SetStringProperty(const std::string& value, std::string& field,
                                    TChangeKind kind) {
    StoreProperty(value, field, kind);
}

void TiComponent::SetColorProperty(TColor value, TColor& field, TChangeKind kind) {
    StoreProperty(value, field, kind);
}

void TiComponent::CreateBackGroundPicture() {
    if (m_backGroundPicture)
        return;
    m_backGroundPicture = std::make_unique<TBitmap>();
    m_backGroundPicture->OnChange = [this](TObject*) { BackGroundChange(); };
}

TBitmap& TiComponent::GetBackGroundBitmap() {
    if (!m_backGroundBitmap)
        m_backGroundBitmap = std::make_unique<TBitmap>(Width(), Height());
    return *m_backGroundBitmap;
}

void TiComponent::ClearBackGroundChange() {
    m_backGroundDirty = false;
    ++m_backGroundState;
}

// The paint's pixels may already be the cached background but where moving parts lay.
void TiComponent::DrawCachedBackground(TCanvas& canvas) {
    const bool restore = &canvas == m_paintCanvas && m_paintStart.Known &&
                         m_paintStart.BackGround == m_backGroundState;
    if (!restore) {
        canvas.Copy(0, 0, GetBackGroundBitmap());
        return;
    }
    if (m_paintStart.Area.IsEmpty())
        return;
    canvas.SetClipRect(m_paintStart.Area);
    canvas.Copy(0, 0, GetBackGroundBitmap());
    canvas.ResetClipRect();
}

void TiComponent::Paint() {
    if (m_destroying)
        return;
    try {
        PaintPipeline();
    } catch (const Exception&) {
        // The widget keeps its previous image rather than showing a half-drawn one.
        ++m_paintFailures;
    }
}

void TiComponent::PaintPipeline() {
    struct TLock {
        TiComponent& owner;
        explicit TLock(TiComponent& c) : owner(c) { owner.PaintLock(); }
        ~TLock() {
            owner.m_paintCanvas = nullptr;
            owner.PaintUnlock();
        }
    } lock(*this);
    ++m_paints;
    m_painted = TMovingParts{};
    // A fresh bitmap and canvas each time, on the pixels of the picture before the one the
    // window shows: the picture reaches the window by trading pixels rather than by copying
    // them.
    TBitmap picture;
    picture.Exchange(m_spareBitmap);
    // A failed paint loses these pixels.
    m_paintStart = m_spare;
    m_spare = TMovingParts{};
    if (picture.Width() != Width() || picture.Height() != Height())
        m_paintStart = TMovingParts{};
    picture.SetSize(Width(), Height());
    if (!DrawingStartsWithCachedBackground())
        picture.Fill(clWhite);
    TCanvas& canvas = picture.Canvas();
    m_paintCanvas = &canvas;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
    DrawWidget(canvas);
    if (OnPaint)
        OnPaint(this, canvas);
    SurfaceBitmap().Exchange(picture);
    m_spareBitmap.Exchange(picture);
    MarkChangedArea();
}

void TiComponent::PaintedMovingParts(const TRect& area) {
    m_painted = {true, m_backGroundState, area};
}

// A repaint asked for without an area marks here what differs from what the window showed: the
// old and the new moving parts, or the whole widget when more than they changed.
void TiComponent::MarkChangedArea() {
    if (OnPaint)
        m_painted.Known = false;
    if (m_areaUnmarked) {
        m_areaUnmarked = false;
        const bool partsOnly =
            m_shown.Known && m_painted.Known && m_shown.BackGround == m_painted.BackGround;
        const TRect changed =
            (partsOnly ? m_shown.Area.Union(m_painted.Area) : ClientRect()).Intersect(ClientRect());
        InvalidateRect(
            Bounds(Left() + changed.Left, Top() + changed.Top, changed.Width(), changed.Height()));
    }
    m_spare = m_shown;
    m_shown = m_painted;
}
