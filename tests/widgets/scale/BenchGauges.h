#pragma once

#include <string>

// The one needle each of the bench's dials stores: a black triangle, 10 pixels wide at the hub.
inline std::string BenchGaugePointers() {
    return R"(    Pointers = <
      item
        Size = 10
        Margin = 0
        Color = clBlack
        Style = 3
      end>
)";
}

// The bench's three dials as its screen stores them: the mains voltmeter (0 .. 240, painted
// face, transparent), the generator ammeter (0 .. 200) and the generator voltmeter (0 .. 14,
// fifteen major ticks, arc sized automatically).
inline std::string BenchGaugesLayout() {
    return R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 700
  Height = 320
  Color = clWhite
  object iAngularGauge1: TiAngularGauge
    Left = 20
    Top = 20
    Width = 153
    Height = 153
    Transparent = True
    TickLabelFont.Height = -11
    TickLabelFont.Name = 'MS Sans Serif'
    TickLabelFont.Style = [fsBold]
    PositionMax = 240
    SectionEnd1 = 50
    SectionEnd2 = 75
    ShowLabel1 = True
    Label1OffsetX = -10
    Label2OffsetY = -20
    Label1OffsetY = -20
    Label1Text = 'V'
    Label1Font.Height = -19
    Label1Font.Name = 'Sylfaen'
    Label1Font.Style = [fsBold]
    PanelFaceStyle = ipfsStandard
    PanelFaceSize = 2
    PanelFaceOuterColor = clBlack
    PanelFaceInnerColor = clWhite
    PositionMax_2 = 240
    SectionEnd1_2 = 50
    SectionEnd2_2 = 75
)" + BenchGaugePointers() +
           R"(  end
  object iAngularGauge2: TiAngularGauge
    Left = 200
    Top = 20
    Width = 177
    Height = 177
    BorderStyle = ibsLowered
    TickLabelFont.Height = -11
    TickLabelFont.Name = 'MS Sans Serif'
    PositionMax = 200
    SectionEnd1 = 50
    SectionEnd2 = 75
    ArcRadius = 120
    ShowInnerArcRadius = True
    ShowLabel2 = True
    ShowLabel1 = True
    Label2OffsetY = -15
    Label2OffsetX = -40
    Label2Text = 'mA'
    Label1Text = 'A'
    Label1Font.Height = -29
    Label1Font.Name = 'Sylfaen'
    Label1Font.Style = [fsBold]
    Label2Font.Height = -13
    Label2Font.Name = 'MS Sans Serif'
    Label2Font.Style = [fsBold]
    PanelFaceStyle = ipfsNone
    PanelFaceSize = 15
    PanelFaceOuterColor = clBlack
    PanelFaceInnerColor = clWhite
    PositionMax_2 = 200
    SectionEnd1_2 = 50
    SectionEnd2_2 = 75
)" + BenchGaugePointers() +
           R"(  end
  object iAngularGauge3: TiAngularGauge
    Left = 400
    Top = 20
    Width = 177
    Height = 177
    BorderStyle = ibsLowered
    TickMajorCount = 15
    TickLabelFont.Height = -11
    TickLabelFont.Name = 'MS Sans Serif'
    PositionMax = 14
    SectionEnd1 = 50
    SectionEnd2 = 75
    ArcRadius = 115
    ShowInnerArcRadius = True
    ShowLabel2 = True
    ShowLabel1 = True
    Label2OffsetY = -15
    Label2OffsetX = -30
    Label2Text = 'B'
    Label1Text = 'V'
    Label1Font.Height = -29
    Label1Font.Name = 'Sylfaen'
    Label1Font.Style = [fsBold]
    Label2Font.Height = -13
    Label2Font.Name = 'MS Sans Serif'
    Label2Font.Style = [fsBold]
    AutoSize = True
    PanelFaceStyle = ipfsNone
    PanelFaceSize = 15
    PanelFaceOuterColor = clBlack
    PanelFaceInnerColor = clWhite
    PositionMax_2 = 14
    SectionEnd1_2 = 50
    SectionEnd2_2 = 75
)" + BenchGaugePointers() +
           R"(  end
end
)";
}
