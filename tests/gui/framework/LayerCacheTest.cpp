#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "FrameworkFixture.h"
#include "TestControls.h"
#include "gui/framework/FormCompositor.h"

namespace {

// A picture that fills only its inside, so that a margin of what lies beneath shows round it,
// as a transparent picture shows the background round its shape.
class TInsetPicture : public TGraphicControl {
public:
    TInsetPicture(TForm* form, TRect bounds, int inset, TColor color)
        : TGraphicControl(form), m_inset(inset), m_color(color) {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(form);
    }

    void SetColor(TColor value) {
        m_color = value;
        Invalidate();
    }
    int Paints() const { return m_paints; }

    void Paint(TCanvas& canvas) override {
        ++m_paints;
        const TRect r = BoundsRect();
        canvas.Brush().SetColor(m_color);
        canvas.FillRect({r.Left + m_inset, r.Top + m_inset, r.Right - m_inset, r.Bottom - m_inset});
    }

private:
    int m_inset;
    TColor m_color;
    int m_paints = 0;
};

class LayerCacheTest : public FrameworkFixture {
protected:
    TForm* NewForm() {
        TForm* form = App().CreateForm<TForm>();
        form->SetBounds(0, 0, 200, 150);
        form->SetColor(clWhite);
        return form;
    }

    const TBitmap& Render(TForm& form) { return Platform().Render(form); }

    // Every pixel of the form as composed now equals what composing everything afresh gives.
    static void ExpectSame(const TBitmap& composed, const TBitmap& fresh, int step) {
        ASSERT_EQ(composed.Width(), fresh.Width());
        ASSERT_EQ(composed.Height(), fresh.Height());
        for (int y = 0; y < composed.Height(); ++y)
            for (int x = 0; x < composed.Width(); ++x)
                if (composed.ScanLine(y)[x] != fresh.ScanLine(y)[x]) {
                    ADD_FAILURE() << "step " << step << ": pixel " << x << "," << y << " is "
                                  << std::hex << composed.ScanLine(y)[x] << ", fresh "
                                  << fresh.ScanLine(y)[x];
                    return;
                }
    }
};

TEST_F(LayerCacheTest, PicturesShownInTurnAreComposedOverTheLayersBeneathThemKeptOnce) {
    TForm* form = NewForm();
    auto* background = new TInsetPicture(form, Bounds(0, 0, 200, 150), 0, clGray);
    auto* pulley = new TInsetPicture(form, Bounds(20, 20, 100, 100), 10, clGreen);
    auto* phase1 = new TInsetPicture(form, Bounds(20, 20, 100, 100), 30, clRed);
    auto* phase2 = new TInsetPicture(form, Bounds(20, 20, 100, 100), 40, clBlue);
    phase1->SetVisible(false);
    phase2->SetVisible(false);
    form->Show();
    Render(*form);

    // The first change keeps the layers beneath it; the following ones reuse them.
    phase1->SetVisible(true);
    Render(*form);
    const int backgroundPaints = background->Paints();
    const int pulleyPaints = pulley->Paints();
    for (int tick = 0; tick < 6; ++tick) {
        phase2->SetVisible(tick % 2 == 0);
        const TBitmap& shown = Render(*form);
        EXPECT_EQ(shown.Pixel(25, 25), clGray);
        EXPECT_EQ(shown.Pixel(35, 35), clGreen);
        EXPECT_EQ(shown.Pixel(55, 55), clRed);
        EXPECT_EQ(shown.Pixel(70, 70), tick % 2 == 0 ? clBlue : clRed);
    }
    EXPECT_EQ(background->Paints(), backgroundPaints);
    EXPECT_EQ(pulley->Paints(), pulleyPaints);
    // Both sets of shown pictures have been composed once: coming round again is a copy.
    const int phasePaints = phase1->Paints() + phase2->Paints();
    for (int tick = 0; tick < 4; ++tick) {
        phase2->SetVisible(tick % 2 == 0);
        EXPECT_EQ(Render(*form).Pixel(70, 70), tick % 2 == 0 ? clBlue : clRed);
    }
    EXPECT_EQ(phase1->Paints() + phase2->Paints(), phasePaints);
    // A picture that changes while hidden shows its new look when shown again.
    phase2->SetVisible(false);
    Render(*form);
    phase2->SetColor(clAqua);
    phase2->SetVisible(true);
    EXPECT_EQ(Render(*form).Pixel(70, 70), clAqua);

    // A change beneath the kept layers is drawn, and they are kept afresh.
    pulley->SetColor(clYellow);
    EXPECT_EQ(Render(*form).Pixel(35, 35), clYellow);
    EXPECT_EQ(background->Paints(), backgroundPaints + 1);
    phase1->SetVisible(false);
    phase1->SetVisible(true);
    const TBitmap& shown = Render(*form);
    EXPECT_EQ(shown.Pixel(35, 35), clYellow);
    EXPECT_EQ(shown.Pixel(55, 55), clRed);
    EXPECT_LE(form->Compositor().Layers().Count(), TLayerCache::MaxEntries);
}

TEST_F(LayerCacheTest, WhateverChangesTheScreenEqualsAFreshComposition) {
    // Two forms built alike; the second is composed afresh before every comparison.
    TForm* forms[2] = {NewForm(), NewForm()};
    std::vector<TInsetPicture*> pictures[2];
    const TColor colors[] = {clRed, clGreen, clBlue, clYellow, clAqua, clGray, clBlack};
    std::mt19937 random(20261208);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int f = 0; f < 2; ++f) {
        for (int i = 0; i < 6; ++i)
            pictures[f].push_back(new TInsetPicture(
                forms[f], Bounds(10 + 20 * i, 10 + 10 * i, 80, 70), i % 3 * 8, colors[i]));
        new TFilledWindow(forms[f], Bounds(150, 100, 40, 40), clBlack);
        forms[f]->Show();
    }
    for (int step = 0; step < 400; ++step) {
        // One to three changes a frame, so that areas merge as well.
        for (int change = pick(3); change >= 0; --change) {
            const int what = pick(10);
            const int k = pick(static_cast<int>(pictures[0].size()));
            const TColor color = colors[pick(7)];
            const int dx = pick(21) - 10;
            const int dy = pick(21) - 10;
            const int inset = pick(3) * 8;
            for (int f = 0; f < 2; ++f) {
                TInsetPicture* picture = pictures[f][k];
                if (what < 5) {
                    picture->SetVisible(!picture->Visible());
                } else if (what < 7) {
                    picture->SetColor(color);
                } else if (what < 8) {
                    picture->SetBounds(picture->Left() + dx, picture->Top() + dy, picture->Width(),
                                       picture->Height());
                } else if (what < 9) {
                    forms[f]->SetColor(color);
                } else {
                    delete picture;
                    pictures[f].erase(pictures[f].begin() + k);
                    pictures[f].push_back(new TInsetPicture(
                        forms[f], Bounds(20 + 5 * dx, 20 + 5 * dy, 90, 60), inset, color));
                }
            }
        }
        const TBitmap& composed = Render(*forms[0]);
        forms[1]->Invalidate();
        ExpectSame(composed, Render(*forms[1]), step);
        if (HasFailure())
            return;
    }
}

} // namespace
