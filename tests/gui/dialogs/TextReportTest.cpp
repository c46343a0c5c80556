// The text report dialog: how it prepares its text, its buttons and the
// copy to the clipboard.
#include "DialogTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_DialogBoxManagerGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_SimpleTextReportDialogBox.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQR_Clipboard.h"

TEST(ZQF_SimpleTextReportDialogBox, PreparesTheTextWithOrWithoutItsMargin) {
  const struct {
    const char* why;
    const char* text;
    long options;
    const char* shown;
  } rows[] = {
      {"carriage returns go, tabs are four blanks", "a\r\n\tb", 0, "a\n    b"},
      {"margin: indented, trailing blanks and blank lines cut", "one\ntwo  \n\n\n", 2,
       "\n  one  \n  two  \n\n"},
      {"margin around a single line", "x", 2, "\n  x  \n\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(ZQF_SimpleTextReportDialogBox::PrepareReportText(ZQ_String(row.text), row.options),
              ZQ_String(row.shown));
  }
}

using TextReports = WindowTest;

TEST_F(TextReports, OpensOnOkAndCopiesItsText) {
  for (long options : {3L, 7L}) {
    SCOPED_TRACE(options);
    ZQF_SimpleTextReportDialogBox report(
        ZQ_String("Station\tWBGT\r\nNorth\t28.4\r\nSouth\t31.0\r\n"), ZQ_String("Report"), options);
    IdleStep::Queue([&] {
      std::string labels;
      for (ZQF_Glyph* g = report.GetButtonOrganizer()->GetFirstChild(); g; g = g->GetNextSibling()) {
        if (auto* frame = dynamic_cast<DialogBoxButtonFrameGlyph*>(g)) {
          labels += static_cast<ZQF_StandardTextButtonGlyph*>(frame->GetButton())->GetText().GetText();
          labels += "|";
        }
      }
      EXPECT_EQ(labels, options & 4 ? "&Copy to Clipboard|&Cancel|&OK|" : "&Copy to Clipboard|&OK|");
      EXPECT_TRUE(report.GetDefaultButton()->IsOnFocusPath());
      const HWND window = report.GetWindow()->GetWindowHandle();
      if (options == 3) SaveScreenshot(window, "dialog-text-report-margin");
      ZQF_Glyph* copy = report.GetButtonOrganizer()->GetFirstChild()->GetNextSibling();
      static_cast<DialogBoxButtonFrameGlyph*>(copy)->GetButton()->ProcessUpOverButtonEvent();
      EXPECT_EQ(ZQR_Clipboard::GetContentsAsText(), report.GetReportText());
      PressKey(window, VK_RETURN);
    });
    report.Run();
  }
}
