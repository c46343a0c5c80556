// The work/rest table document: its exact markup, the rule for values that
// are no result, and the document it parses into.
#include "MORV_RegimenTableDocument.h"

#include <gtest/gtest.h>

#include <string>

#include "ZQF_Metrics.h"
#include "ZQXML_Node.h"
#include "ZQXML_NodeSequence.h"
#include "ZQR_Color.h"

namespace {

std::string Text(const ZQ_String& s) { return std::string(s.GetText(), s.GetLength()); }
std::string Web(int metric) { return Text(ZQF_GetColorMetric(metric).GetWebName()); }

const std::string kNormal =
    " font_typeface='Arial'  font_height='10 pt'  font_weight='normal'  font_italic='false' ";
const std::string kBold =
    " font_typeface='Arial'  font_height='10 pt'  font_weight='bold'  font_italic='false' ";

// The whole markup with the value cells of easy, moderate and hard.
std::string Expected(const std::string (&cells)[6]) {
  // 40 % of the text colour and 60 % of the background.
  const ZQR_Color fore = ZQF_GetColorMetric(ZQF_ColorMetric_LabelText), back = ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground);
  const auto blend = [](int f, int b) { return static_cast<BYTE>((4 * f + 6 * b + 5) / 10); };
  const std::string rule = Text(ZQR_Color(blend(fore.GetRed(), back.GetRed()), blend(fore.GetGreen(), back.GetGreen()),
                                          blend(fore.GetBlue(), back.GetBlue())).GetWebName());
  std::string text = "<zqfo_document  text_color='" + Web(33) + "'  background_color='" + Web(32) + "' " +
                     kNormal + "><zqfo_section><zqfo_blockstream>\n"
                     "<zqfo_table justification='center' vertical_justification='bottom'>\n"
                     "<zqfo_row justification='center' vertical_justification='bottom' "
                     "cell_bottom_border_thickness='0.5mm' cell_border_color='" + rule + "' >"
                     "<zqfo_flowcell>Work<zqfo_linebreak/>Load</zqfo_flowcell>"
                     "<zqfo_flowcell>Work/Rest<zqfo_linebreak/>(min)</zqfo_flowcell>"
                     "<zqfo_flowcell>Water<zqfo_linebreak/>Intake<zqfo_linebreak/>(qt/hr)</zqfo_flowcell>"
                     "</zqfo_row>\n";
  const char* const loads[] = {"easy", "moderate", "hard"};
  for (int i = 0; i < 3; ++i) {
    text += std::string("<zqfo_row><zqfo_flowcell>") + loads[i] + "</zqfo_flowcell><zqfo_flowcell" + kBold +
            ">" + cells[2 * i] + "</zqfo_flowcell><zqfo_flowcell" + kBold + ">" + cells[2 * i + 1] +
            "</zqfo_flowcell></zqfo_row>\n";
  }
  return text + "</zqfo_table>\n</zqfo_blockstream></zqfo_section></zqfo_document>\n";
}

}  // namespace

TEST(RegimenTableDocument, MarkupIsExactForEachKindOfValue) {
  const struct {
    double wbgt;
    const char* why;
    std::string cells[6];
  } kCases[] = {
      {-9999.0, "the model's failure mark", {"-----", "-----", "-----", "-----", "-----", "-----"}},
      {-9000.0, "the limit itself is no value", {"-----", "-----", "-----", "-----", "-----", "-----"}},
      {-8999.9, "just above the limit: category 0", {"no limit", "1/2", "no limit", "3/4", "no limit", "3/4"}},
      {77.9, "below 78 F: category 0", {"no limit", "1/2", "no limit", "3/4", "no limit", "3/4"}},
      {86.0, "a category 3 value", {"no limit", "3/4", "40/20", "3/4", "30/30", "1"}},
      {90.0, "90 F and above: category 5", {"50/10", "1", "20/40", "1", "10/50", "1"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(GetArmyWorkRegimenMarkup(c.wbgt)), Expected(c.cells));
  }
}

TEST(RegimenTableDocument, ParsesIntoAValidTableOfHeaderAndThreeLoads) {
  const ZQFO_Document document = GetArmyWorkRegimenInputDocument(86.0);
  const ZQXML_Node* root = document.GetFormattingObjectsTree().GetRootElement();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(Text(root->GetAttributeValue("text_color", "") + root->GetAttributeValue("background_color", "")),
            Web(33) + Web(32));
  const ZQXML_ReadOnlyNodeSequence rows = root->SelectNodes(ZQXML_Axis_Descendants, 1, "zqfo_row");
  ASSERT_EQ(rows.GetCount(), 4);
  EXPECT_EQ(Text(rows[0]->GetAttributeValue("cell_bottom_border_thickness", "")), "0.5mm");
  EXPECT_EQ(Text(rows[3]->GetValue()), "hard30/301");
  // The load name in the table's weight, the values bold.
  const ZQXML_ReadOnlyNodeSequence cells = rows[3]->GetChildren(1, "zqfo_flowcell");
  ASSERT_EQ(cells.GetCount(), 3);
  EXPECT_EQ(Text(cells[0]->GetAttributeValue("font_weight", "-") + cells[2]->GetAttributeValue("font_weight", "")),
            "-bold");
}
