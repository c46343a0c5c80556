#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "StageTestSupport.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_DebugLog.h"
#include "ZQ_FileNameRegistry.h"
#include "ZQ_PrinterManager.h"
#include "ZQ_RegistryValueItems.h"
#include "DialogCloser.h"
#include "PrintingTestSupport.h"

namespace {

using Service = ZQ_InitializationService;

const char kPrinterName[] = "ZQ File Printer";

std::string ReadFile(const std::string& Path) { return ReadWholeFile(Path); }

class Printer : public PrintingTest {
 protected:
  // Prints Pages pages into File without the print dialog.
  static void PrintPages(ZQ_PrinterPrintOptions& Options, int Pages) {
    ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
        "Printer test", Options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
    for (int page = 1; page <= Pages; ++page) {
      document.BeginPage();
      const std::string text = "Page " + std::to_string(page);
      TextOutA(document.GetHDC(), 100, 100, text.c_str(), static_cast<int>(text.size()));
      document.FinishPage();
    }
  }

};

// A 600-pixel-per-inch letter page whose printable area starts 100 pixels in
// from the left edge and 50 from the top.
ZQ_PrinterDeviceCaps LetterPageAt600PixelsPerInch() {
  ZQ_PrinterDeviceCaps caps;
  caps.HorzSizeMm = 215;
  caps.VertSizeMm = 279;
  caps.HorzRes = 5079;
  caps.VertRes = 6591;
  caps.PhysicalWidth = 5100;
  caps.PhysicalHeight = 6600;
  caps.PhysicalOffsetX = 100;
  caps.PhysicalOffsetY = 50;
  return caps;
}

}  // namespace

TEST(ZQ_PrinterManager, MarginsBecomeWholePixelsRoundedUp) {
  const ZQ_PrinterDeviceCaps caps = LetterPageAt600PixelsPerInch();
  const double mmPerPixelX = 215.0 / 5079, mmPerPixelY = 279.0 / 6591;
  const long yMarginPixels = 601;  // ceil(1000 * 6591 * 0.0254 / 279)
  const struct {
    ZQ_PrinterMargins margins;
    ZQ_Rectangle<long> want, wantEven;
    const char* why;
  } kCases[] = {
      {{1000, 1000, 1000, 1000, 4},
       {501, 551, 5100 - 1202 - 1, 6600 - 1202 - 1}, {501, 551, 3897, 5397},
       "1000 thousandths of an inch are ceil(1000 * 5079 * 0.0254 / 215) = 601 pixels"},
      {{500, 1500, 1000, 1000, 4},
       {201, 551, 5100 - 301 - 901 - 1, 5397}, {801, 551, 3897, 5397},
       "even pages take the right margin on the left"},
      {{2540, 2540, 2540, 2540, 8},
       {501, 551, 3897, 5397}, {501, 551, 3897, 5397},
       "2540 hundredths of a millimetre are the same inch"},
      {{0, 0, 0, 0, 4},
       {0, 0, 4999, 6549}, {0, 0, 4999, 6549},
       "without margins the area is clipped to the printable area"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_CurrentPrinterInfoType info = ZQ_PrinterManager::ComputePrintingArea(caps, c.margins);
    if (c.margins.Top == 1000) {
      EXPECT_EQ(c.want.Y + caps.PhysicalOffsetY, yMarginPixels);
    }
    EXPECT_EQ(info.PrintingAreaPixels, c.want);
    EXPECT_EQ(info.EvenPagePrintingAreaPixels, c.wantEven);
    EXPECT_DOUBLE_EQ(info.PageWidth, 5100 * mmPerPixelX);
    EXPECT_DOUBLE_EQ(info.PageHeight, 6600 * mmPerPixelY);
    // Millimetres count from the page's left and bottom edges.
    EXPECT_DOUBLE_EQ(info.PrintingArea.X, (c.want.X + 100) * mmPerPixelX);
    EXPECT_DOUBLE_EQ(info.PrintingArea.Width, c.want.Width * mmPerPixelX);
    EXPECT_DOUBLE_EQ(info.PrintingArea.Height, c.want.Height * mmPerPixelY);
    EXPECT_DOUBLE_EQ(info.PrintingArea.Y, 6600 * mmPerPixelY - (c.want.Y + 50) * mmPerPixelY -
                                              c.want.Height * mmPerPixelY);
    EXPECT_DOUBLE_EQ(info.EvenPagePrintingArea.X, (c.wantEven.X + 100) * mmPerPixelX);
    EXPECT_DOUBLE_EQ(info.EvenPagePrintingArea.Y, info.PrintingArea.Y);
  }
}

// Margins come from the settings file, which may hold any number: the area
// must stay inside the printable area, never wrap around.
TEST(ZQ_PrinterManager, MarginsFromADamagedSettingsFileStayOnThePage) {
  const ZQ_PrinterDeviceCaps caps = LetterPageAt600PixelsPerInch();
  const long kHuge = 2000000000;
  const struct {
    ZQ_PrinterMargins margins;
    ZQ_Rectangle<long> want;
    const char* why;
  } kCases[] = {
      // A margin is at most the page: the area is empty at the far edge.
      {{kHuge, kHuge, kHuge, kHuge, 4}, {5000, 6550, 0, 0}, "margins wider than the page"},
      {{kHuge, kHuge, kHuge, kHuge, 8}, {5000, 6550, 0, 0}, "the same in millimetres"},
      {{-kHuge, -kHuge, -kHuge, -kHuge, 4}, {0, 0, 4999, 6549}, "negative margins count as none"},
      {{kHuge, 0, kHuge, 0, 4}, {5000, 6550, 0, 0}, "one margin past the far edge"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_CurrentPrinterInfoType info = ZQ_PrinterManager::ComputePrintingArea(caps, c.margins);
    EXPECT_EQ(info.PrintingAreaPixels, c.want);
    EXPECT_EQ(info.EvenPagePrintingAreaPixels.Width, c.want.Width);
    EXPECT_GE(info.EvenPagePrintingAreaPixels.X, 0);
    EXPECT_LE(info.EvenPagePrintingAreaPixels.X, caps.HorzRes);
  }
}

TEST(ZQ_PrinterPrintOptions, NewOptionsAskForEverythingWithNoChoices) {
  const ZQ_PrinterPrintOptions& options = ZQ_PrinterPrintOptions::GetDefault();
  EXPECT_EQ(&options, &ZQ_PrinterPrintOptions::GetDefault());
  EXPECT_EQ(options.PrintRange, 0u);
  EXPECT_FALSE(options.SelectionAllowed || options.PageRangeAllowed || options.MirrorMargins);
  EXPECT_EQ(options.FirstPage, -1);
  EXPECT_EQ(options.LastPage, -1);
  EXPECT_TRUE(options.OutputFileName.IsNull());
  EXPECT_TRUE(options.PrinterName.IsEmpty());
}

TEST_F(Printer, AWholeJobWritesPostScriptWithEveryPage) {
  ZQ_PrinterPrintOptions options;
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestJob.ps").c_str()));
  PrintPages(options, 3);
  const std::string output = ReadFile(outputFiles[0]);
  EXPECT_EQ(output.compare(0, 4, "%!PS"), 0) << output.substr(0, 40);
  EXPECT_EQ(CountOf(output, "%%Page:"), 3u);
  EXPECT_NE(output.find("%%EOF"), std::string::npos);
}

TEST_F(Printer, ANamedPrinterTakesTheJob) {
  ZQ_PrinterPrintOptions options;
  options.SetPrinterName(kPrinterName);
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestNamed.ps").c_str()));
  PrintPages(options, 1);
  EXPECT_EQ(CountOf(ReadFile(outputFiles[0]), "%%Page:"), 1u);
}

TEST_F(Printer, ANamedPrinterWithThePrintDialogFailsAnAssertion) {
  ZQ_PrinterPrintOptions options;
  options.SetPrinterName(kPrinterName);
  EXPECT_TRUE(StartsWith(FailureOf([&] {
                           ZQ_PrinterManager::CreatePrinterDocument(
                               "x", options,
                               ZQ_PrinterManager::PrinterInitialization_RunPrintDialog);
                         }),
                         "Assertion failed: PrintOptions.PrinterName.IsNull() or"));
}

TEST_F(Printer, TheJobEndsWithTheLastHandle) {
  ZQ_PrinterPrintOptions options;
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestShared.ps").c_str()));
  {
    ZQ_PrinterDocument copy = [&] {
      ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
          "Shared", options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
      ZQ_PrinterDocument second = document;
      second = document;  // assignment of the same job keeps it alive
      second.BeginPage();
      return second;
    }();
    EXPECT_TRUE(copy.IsPageInProgress());
    copy.FinishPage();
    EXPECT_EQ(ReadFile(outputFiles[0]).find("%%EOF"), std::string::npos);
  }
  const std::string output = ReadFile(outputFiles[0]);
  EXPECT_EQ(CountOf(output, "%%Page:"), 1u);
  EXPECT_NE(output.find("%%EOF"), std::string::npos);
}

TEST_F(Printer, ADocumentDroppedInsideAPageIsAborted) {
  ZQ_PrinterPrintOptions options;
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestAborted.ps").c_str()));
  {
    ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
        "Aborted", options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
    document.BeginPage();
    document.FinishPage();
    document.BeginPage();
  }
  // An ended job would close with "%%EOF".
  EXPECT_EQ(ReadFile(outputFiles[0]).find("%%EOF"), std::string::npos);
}

TEST_F(Printer, PagesMisusedFailAssertions) {
  ZQ_PrinterPrintOptions options;
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestMisuse.ps").c_str()));
  ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
      "Misuse", options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
  EXPECT_TRUE(StartsWith(FailureOf([&] { document.FinishPage(); }),
                         "Assertion failed: PageInProgress"));
  document.BeginPage();
  EXPECT_TRUE(StartsWith(FailureOf([&] { document.BeginPage(); }),
                         "Assertion failed: not PageInProgress"));
  EXPECT_EQ(document.GetPageCount(), 1);
  document.FinishPage();
}

TEST_F(Printer, EvenPagesMirrorTheMarginsOnRequest) {
  ZQ_SetInt32(Settings(), "LeftMargin", 500);
  ZQ_SetInt32(Settings(), "RightMargin", 1500);
  ZQ_SetUInt32(Settings(), "DistanceUnits", 4);
  for (bool mirror : {true, false}) {
    SCOPED_TRACE(mirror ? "mirrored" : "not mirrored");
    ZQ_PrinterPrintOptions options;
    options.SetMirrorMargins(mirror);
    options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestMirror.ps").c_str()));
    ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
        "Mirror", options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
    const ZQ_CurrentPrinterInfoType info = ZQ_PrinterManager::GetCurrentPrinterInfo();
    std::vector<ZQ_Rectangle<long>> areas;
    for (int page = 1; page <= 3; ++page) {
      document.BeginPage();
      areas.push_back(document.GetPrintingArea());
      document.FinishPage();
    }
    EXPECT_EQ(areas[0], info.PrintingAreaPixels);
    EXPECT_EQ(areas[1], mirror ? info.EvenPagePrintingAreaPixels : info.PrintingAreaPixels);
    EXPECT_EQ(areas[2], info.PrintingAreaPixels);
    EXPECT_NE(info.PrintingAreaPixels.X, info.EvenPagePrintingAreaPixels.X);
  }
}

TEST_F(Printer, SettingsReplaceTheDefaultsAndAreSavedAtStage10) {
  ZQ_SetInt32(Settings(), "TopMargin", 1234);
  ZQ_SetInt32(Settings(), "PaperSize", DMPAPER_A4);
  const ZQ_PrinterMargins defaults = ZQ_PrinterManager::GetMargins();
  EXPECT_EQ(defaults.Top, 1234);
  const ZQ_FileName queried = ZQ_PrinterManager::GetQueriedOutputFileName();
  ZQ_SetInt32(Settings(), "TopMargin", 1);  // overwritten by the save
  Settings().RemoveItem("PaperSize");
  ASSERT_EQ(RunStages(8, 10).failedStage, 0);
  EXPECT_EQ(ZQ_GetInt32(Settings(), "TopMargin", 0), 1234);
  EXPECT_EQ(ZQ_GetInt32(Settings(), "LeftMargin", -1), defaults.Left);
  EXPECT_EQ(ZQ_GetUInt32(Settings(), "DistanceUnits", 0), defaults.DistanceUnits);
  EXPECT_EQ(ZQ_GetInt32(Settings(), "PaperSize", 0), DMPAPER_A4);
  EXPECT_TRUE(Settings().DoesExist("Orientation"));
  const ZQ_FileName saved = ZQ_GetFileName(Settings(), "QueriedOutputFileName", "");
  EXPECT_EQ(std::string(saved.GetPathName().GetText()),
            std::string(queried.GetPathName().GetText()));
  RunStages(11, 13);
  stagesOpen = false;
}

TEST_F(Printer, ASettingsFolderWithoutKeysKeepsThePrinterDefaults) {
  const ZQ_PrinterMargins margins = ZQ_PrinterManager::GetMargins();
  EXPECT_TRUE(margins.DistanceUnits == 4 || margins.DistanceUnits == 8);
  // The margins are what the page-setup dialog's default query gives.
  EXPECT_GE(margins.Left, 0);
  const ZQ_CurrentPrinterInfoType info = ZQ_PrinterManager::GetCurrentPrinterInfo();
  EXPECT_GT(info.PageWidth, 100.0);
  EXPECT_GT(info.PrintingArea.Width, 0.0);
  EXPECT_LT(info.PrintingArea.Width, info.PageWidth);
}

TEST_F(Printer, CancelledDialogsCancelTheOperation) {
  const struct {
    std::vector<DialogAction> actions;
    bool pageSetup;
    bool printToFileWithoutFile;
    const char* why;
  } kCases[] = {
      {{{IDCANCEL, 0, false}}, false, false, "print dialog"},
      {{{IDCANCEL, 0, false}}, true, false, "page-setup dialog"},
      {{{IDOK, kPrintToFileBox, false}, {IDCANCEL, 0, false}}, false, true,
       "file prompt after print to file was ticked"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_PrinterPrintOptions options;
    bool cancelled = false;
    DialogCloser closer(c.actions);
    try {
      if (c.pageSetup)
        ZQ_PrinterManager::RunPageSetupDialogBox();
      else
        ZQ_PrinterManager::CreatePrinterDocument(
            "Cancelled", options, ZQ_PrinterManager::PrinterInitialization_RunPrintDialog);
    } catch (const ZQ_CancelCurrentOperationException&) {
      cancelled = true;
    }
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(closer.DialogsAnswered(), c.actions.size());
  }
}

TEST_F(Printer, ThePrintDialogOffersAndReturnsThePageRange) {
  const struct {
    long first, last;
    unsigned long range;
    const char* wantFrom;
    const char* wantTo;
    unsigned long wantRange;
    const char* why;
  } kCases[] = {
      {-1, -1, 2, "1", "9999", 2, "no range chosen offers every page"},
      {5, 2, 2, "2", "5", 2, "a reversed range is put in order"},
      {3, 4, 0, "3", "4", 0, "all pages stay all pages"},
      {2, 70000, 2, "2", "65534", 2, "pages beyond the dialog's 16 bits stop at its last"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_PrinterPrintOptions options;
    options.SetPageRangeAllowed(true);
    options.SetPageRange(c.first, c.last);
    options.SetPrintRange(c.range);
    options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestRange.ps").c_str()));
    DialogCloser closer({{IDOK, 0, true}});
    ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
        "Range", options, ZQ_PrinterManager::PrinterInitialization_RunPrintDialog);
    EXPECT_EQ(s_script.fromPage, c.wantFrom);
    EXPECT_EQ(s_script.toPage, c.wantTo);
    EXPECT_EQ(document.GetPrintRange(), c.wantRange);
    if (c.wantRange == 2) {
      EXPECT_EQ(std::to_string(document.GetFirstPage()), c.wantFrom);
      EXPECT_EQ(std::to_string(document.GetLastPage()), c.wantTo);
    }
  }
}

TEST_F(Printer, ASelectionThatIsNotAllowedBecomesAllPages) {
  ZQ_PrinterPrintOptions options;
  options.SetPrintRange(1);
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestSelection.ps").c_str()));
  ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
      "Selection", options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
  EXPECT_EQ(document.GetPrintRange(), 0u);
}

TEST_F(Printer, PrintToFileAsksForTheFileAndRemembersIt) {
  const std::string file = OutputFile("PrinterTestQueried.out");
  ZQ_SetFileName(Settings(), "QueriedOutputFileName", ZQ_FileName(file.c_str()));
  {
    ZQ_PrinterPrintOptions options;
    DialogCloser closer({{IDOK, kPrintToFileBox, false}, {IDOK, 0, false}});
    ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
        "To file", options, ZQ_PrinterManager::PrinterInitialization_RunPrintDialog);
    EXPECT_EQ(closer.DialogsAnswered(), 2u);
    document.BeginPage();
    document.FinishPage();
  }
  EXPECT_EQ(CountOf(ReadFile(file), "%%Page:"), 1u);
  EXPECT_EQ(std::string(ZQ_PrinterManager::GetQueriedOutputFileName().GetPathName().GetText()),
            std::string(ZQ_FileName(file.c_str()).GetAbsolutePathName().GetText()));
}

TEST_F(Printer, PageSetupKeepsTheMarginsTheUserAccepts) {
  ZQ_SetInt32(Settings(), "LeftMargin", 750);
  ZQ_SetUInt32(Settings(), "DistanceUnits", 4);
  const ZQ_PrinterMargins before = ZQ_PrinterManager::GetMargins();
  DialogCloser closer({{IDOK, 0, false}});
  ZQ_PrinterManager::RunPageSetupDialogBox();
  EXPECT_EQ(closer.DialogsAnswered(), 1u);
  const ZQ_PrinterMargins after = ZQ_PrinterManager::GetMargins();
  EXPECT_EQ(after.DistanceUnits, before.DistanceUnits);
  EXPECT_EQ(after.Left, 750);
  EXPECT_EQ(after.Top, before.Top);
}

// In the tests' assertion mode 3 a throwing check here would end the program.
TEST_F(Printer, AJobDestroyedWhileHandlesCountItLogsTheCountAndStillEnds) {
  ZQ_PrinterPrintOptions options;
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestCounted.ps").c_str()));
  auto* job = new ZQ_PrinterDocumentImp(
      "Counted", options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
  {
    ZQ_PrinterDocument document(job);
    document.BeginPage();
    document.FinishPage();
    job->AddReference();  // a share that is never given back
  }
  CapturedAssertionLog log;
  delete job;
  EXPECT_TRUE(log.Holds("ReferenceCount == 0")) << log.Text();
  EXPECT_NE(ReadFile(outputFiles[0]).find("%%EOF"), std::string::npos) << "the job was ended";
}

TEST_F(Printer, AFailureToEndTheJobIsLoggedNotThrownFromTheDestructor) {
  ZQ_PrinterPrintOptions options;
  options.SetOutputFileName(ZQ_FileName(OutputFile("PrinterTestEndedTwice.ps").c_str()));
  {
    ZQ_PrinterDocument document = ZQ_PrinterManager::CreatePrinterDocument(
        "Ended twice", options, ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
    document.BeginPage();
    document.FinishPage();
    ASSERT_GT(EndDoc(document.GetHDC()), 0);  // the document's own EndDoc now fails
  }
  const std::string log = ZQ_GetDebugLogText().GetText();
  EXPECT_NE(log.rfind("The print job could not be ended."), std::string::npos);
  EXPECT_EQ(CountOf(ReadFile(outputFiles[0]), "%%Page:"), 1u);
}
