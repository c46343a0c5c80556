// The text report dialog: how it prepares its text, its buttons and the
// copy to the clipboard.
#include "DialogTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_DialogBoxManagerGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_SimpleTextReportDialogBox.h"
#include "ZQF_StoredAttributeTextEditGlyph.h"
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

TEST_F(TextReports, OpensOnOkAndCopiesTheSelectionOrElseEverything) {
  const struct {
    long options;
    const char *buttons, *copied;
  } rows[] = {{1, "&Copy to Clipboard|&OK|", "Station"},
              {3, "&Copy to Clipboard|&OK|", nullptr},
              {7, "&Copy to Clipboard|&Cancel|&OK|", nullptr}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.options);
    ZQF_SimpleTextReportDialogBox report(
        ZQ_String("Station\tWBGT\r\nNorth\t28.4\r\nSouth\t31.0\r\n"), ZQ_String("Report"),
        row.options);
    IdleStep::Queue([&] {
      std::string labels;
      ZQF_Glyph* copy = nullptr;
      for (ZQF_Glyph* g = report.GetButtonOrganizer()->GetFirstChild(); g; g = g->GetNextSibling()) {
        if (auto* frame = dynamic_cast<DialogBoxButtonFrameGlyph*>(g)) {
          if (!copy) copy = frame;
          labels += static_cast<ZQF_StandardTextButtonGlyph*>(frame->GetButton())->GetText().GetText();
          labels += "|";
        }
      }
      EXPECT_EQ(labels, row.buttons);
      EXPECT_TRUE(report.GetDefaultButton()->IsOnFocusPath());
      ZQF_StoredAttributeTextEditGlyph* display = report.GetTextDisplay();
      EXPECT_TRUE(display->GetReadOnly());
      const HWND window = report.GetWindow()->GetWindowHandle();
      if (row.options == 3) SaveScreenshot(window, "dialog-text-report-margin");
      if (row.copied) {  // the first seven characters selected (read-only fields only scroll)
        display->SetReadOnly(false);
        display->PutOnFocusPath();
        ZQF_DownKeyMessage home(ZQF_Key_Home, false, true, false);
        display->Dispatch(home);
        for (int i = 0; i < 7; ++i) {
          ZQF_DownKeyMessage right(ZQF_Key_Right, true, false, false);
          display->Dispatch(right);
        }
        display->SetReadOnly(true);
      }
      static_cast<DialogBoxButtonFrameGlyph*>(copy)->GetButton()->ProcessUpOverButtonEvent();
      EXPECT_EQ(ZQR_Clipboard::GetContentsAsText(),
                row.copied ? ZQ_String(row.copied) : report.GetReportText());
      report.Close();
    });
    report.Run();
  }
}
