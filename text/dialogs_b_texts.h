// Texts of the fit dialog, the ATR explanation window, the fluoroscopy dialog,
// the entrance-surface shape dialog and its preview, one table per edition.
// The English edition has no ATR-index features: its ATR texts are empty.
#pragma once

#include <array>
#include <string_view>

#include "text/edition.h"

namespace vorn {

// A text of the shape preview with its top-left corner at (x, y) mm.
struct PreviewLabel {
  std::string_view text;
  double x = 0.0;
  double y = 0.0;
};

struct FitDialogTexts {
  std::string_view Caption;
  std::string_view Font;
  // Japanese edition: the heading, the target-quantity frame and its items.
  std::string_view Heading;           // headingCaption
  std::string_view TargetFrame;       // targetFrame
  std::string_view FitToHvl;          // fitToHvlOption
  std::string_view CalculatedHvl;     // calculatedHvlCaption (English: "HVL by calculation =")
  std::string_view MeasuredHvl;       // measuredHvlCaption (English: "Measured HVL =")
  std::string_view HvlUnit;           // calculatedHvlUnit, measuredHvlUnit
  std::string_view FitToAtr;          // fitToAtrOption
  std::string_view CalculatedAtr;     // calculatedAtrCaption
  std::string_view MeasuredAtr;       // measuredAtrCaption
  // English edition: the two heading lines.
  std::string_view HeadingLine1;
  std::string_view HeadingLine2;
  std::string_view MethodFrame;       // methodFrame
  std::string_view ByFiltration;      // byFiltrationOption
  std::string_view ByVoltage;         // byVoltageOption
  std::string_view Ok;                // okButton
  std::string_view Cancel;            // cancelButton
  std::string_view AboutAtr;          // aboutAtrButton
  // Messages.
  std::string_view HvlEmpty;
  std::string_view HvlSame;
  std::string_view AtrEmpty;
  std::string_view AtrSame;
  std::string_view Finished;
  std::string_view CouldNotCalculate;  // the calculate command's message
};

struct FluoroscopyTexts {
  std::string_view Caption;
  std::string_view Font;
  std::string_view ModeFrame;
  std::string_view Continuous;   // continuousOption
  std::string_view Pulsed;       // pulsedOption
  std::string_view Current;      // beside currentBox
  std::string_view PulseRate;    // beside pulseRateBox
  std::string_view PulseWidth;   // beside pulseWidthBox
  std::string_view Average;      // beside meanCurrentBox
  std::string_view UnitMilliampere;
  std::string_view UnitPulsesPerSecond;
  std::string_view UnitMillisecond;
  std::string_view ComputeIcon;  // computeButton shows a symbol, no words
  std::string_view Ok;
  std::string_view Cancel;
  std::string_view CurrentEmpty;
  std::string_view DataEmpty;
};

// The ATR explanation window (Japanese edition only).
struct AtrExplanationTexts {
  std::string_view Caption;
  std::string_view Font;
  std::string_view Introduction;
  std::string_view FormulaLead;  // "ATR (Acrylic Transmittance) Index ="
  std::string_view X;
  std::string_view Sub0;
  std::string_view Sub1;
  std::string_view X0Definition;
  std::string_view X0Note;
  std::string_view X1Definition;
  std::string_view X1Note;
  std::string_view Warning;
  std::string_view Close;
  // Words of the drawing of the measuring arrangement.
  std::string_view DrawFocus;
  std::string_view DrawDistance;
  std::string_view DrawPlate;
  std::string_view DrawPlateThickness;
  std::string_view DrawPlateDistance;
  std::string_view DrawChamber;
  std::string_view DrawField;
};

struct ShapeDialogTexts {
  std::string_view Caption;
  std::string_view Font;
  std::string_view SurfaceFrame;
  std::string_view Cylinder;
  std::string_view Ellipse;
  std::string_view Racetrack;
  std::string_view CurvatureRadius;
  std::string_view HorizontalAxis;
  std::string_view VerticalAxis;
  std::string_view RacetrackA;
  std::string_view RacetrackB;
  std::string_view RacetrackLength;
  std::string_view Centimetre;
  std::string_view ShapeCheck;
  std::string_view Histories;
  std::array<std::string_view, 6> HistoryItems;
  // More histories than a day of computing: the box's name, then these around the limit.
  std::string_view HistoriesLimitBefore, HistoriesLimitAfter;
  std::string_view Ok;
  std::string_view Cancel;
  // The main window's curved-surface option after OK (Japanese edition; the
  // English edition leaves the caption alone and has these empty).
  std::string_view CylinderCaptionLead;   // + the radius box's text
  std::string_view CylinderCaptionTail;
  std::string_view EllipseCaptionSeparator;  // between the two semi-axes
  std::string_view EllipseCaptionTail;
  std::string_view RacetrackCaption;
  // Words of the three explanatory drawings.
  std::string_view DrawX;
  std::string_view DrawY;
  std::string_view DrawZ;
  std::string_view DrawXray;
  std::string_view DrawLength80;
  std::string_view DrawA;
  std::string_view DrawB;
  std::string_view DrawHalfB;
  std::string_view DrawLength;
};

struct PreviewTexts {
  std::string_view Caption;
  std::string_view Font;  // picture and button
  std::string_view Close;
  std::array<PreviewLabel, 14> Labels;  // scale marks and "X-ray"
};

struct DialogsBTexts {
  FitDialogTexts Fit;
  FluoroscopyTexts Fluoroscopy;
  AtrExplanationTexts Atr;
  ShapeDialogTexts Shape;
  PreviewTexts Preview;
};

const DialogsBTexts& DialogsBTextsFor(Edition edition);

}  // namespace vorn
