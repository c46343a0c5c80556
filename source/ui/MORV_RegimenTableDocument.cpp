#include "MORV_RegimenTableDocument.h"

#include "MORV_HeatGuidance.h"
#include "ZQF_Metrics.h"
#include "ZQR_Color.h"

namespace {

// Typeface code 1 is Arial.
const long kArial = 1;
const float kHeightPt = 10.0f;
// Values at or below this are the model's failure mark.
const double kNoValueLimit = -9000.0;
const char kNoValue[] = "-----";
// Colour metrics of the form's label text and background.
const int kTextColorMetric = ZQF_ColorMetric_LabelText;
const int kBackgroundColorMetric = ZQF_ColorMetric_LabelBackground;
// The header's rule: 40 % text colour, 60 % background.
const double kRuleBackgroundFraction = 0.6;

// Every tag but the closing lines; the caller parses the stream.
void WriteTable(ZQFO_DocumentStream& Out, double Wbgt) {
  const ZQR_Color text = ZQF_GetColorMetric(kTextColorMetric);
  const ZQR_Color background = ZQF_GetColorMetric(kBackgroundColorMetric);
  Out << "<zqfo_document ";
  Out.WriteTextColorAttribute(text);
  Out.WriteBackgroundColorAttribute(background);
  Out.WriteFontAttributes(MakeRegimenTableFont());
  Out << ">";
  Out << "<zqfo_section><zqfo_blockstream>" << "\n";
  Out << "<zqfo_table justification='center' vertical_justification='bottom'>" << "\n";
  Out << "<zqfo_row justification='center' vertical_justification='bottom' "
         "cell_bottom_border_thickness='0.5mm'";
  Out.WriteCellBorderColorAttribute(ZQR_BlendColors(text, background, kRuleBackgroundFraction));
  Out << ">"
      << "<zqfo_flowcell>Work<zqfo_linebreak/>Load</zqfo_flowcell>"
         "<zqfo_flowcell>Work/Rest<zqfo_linebreak/>(min)</zqfo_flowcell>"
         "<zqfo_flowcell>Water<zqfo_linebreak/>Intake<zqfo_linebreak/>(qt/hr)</zqfo_flowcell>"
         "</zqfo_row>"
      << "\n";
  const ZQR_AbstractFont bold = MakeRegimenTableBoldFont();
  for (int load = MORV_ArmyWorkLoad_Easy; load <= MORV_ArmyWorkLoad_Hard; ++load) {
    ZQ_String workRest(kNoValue);
    ZQ_String water(kNoValue);
    if (Wbgt > kNoValueLimit) {
      const int category = CalculateArmyHeatCategory(Wbgt);
      workRest = GetArmyWorkRestDescription(category, load);
      water = GetArmyWaterIntakeDescription(category, load);
    }
    Out << "<zqfo_row>" << "<zqfo_flowcell>" << GetArmyWorkLoadName(load) << "</zqfo_flowcell>";
    Out << "<zqfo_flowcell";
    Out.WriteFontAttributes(bold);
    Out << ">" << workRest << "</zqfo_flowcell>";
    Out << "<zqfo_flowcell";
    Out.WriteFontAttributes(bold);
    Out << ">" << water << "</zqfo_flowcell>";
    Out << "</zqfo_row>" << "\n";
  }
  Out << "</zqfo_table>" << "\n" << "</zqfo_blockstream></zqfo_section></zqfo_document>" << "\n";
}

}  // namespace

ZQR_AbstractFont MakeRegimenTableFont() { return ZQR_AbstractFont(kArial, kHeightPt, 400, false, 0.0f); }

ZQR_AbstractFont MakeRegimenTableBoldFont() {
  return ZQR_AbstractFont(kArial, kHeightPt, 700, false, 0.0f);
}

ZQFO_Document GetArmyWorkRegimenInputDocument(double Wbgt) {
  ZQFO_DocumentStream stream;
  WriteTable(stream, Wbgt);
  return stream.GetDocument();
}

ZQ_String GetArmyWorkRegimenMarkup(double Wbgt) {
  ZQFO_DocumentStream stream;
  WriteTable(stream, Wbgt);
  return ZQ_String(static_cast<const ZQ_String&>(stream));
}
