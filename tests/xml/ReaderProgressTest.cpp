#include <gtest/gtest.h>

#include "ZQXML_Reader.h"
#include "ZQ_ProgressReportService.h"

namespace {

// A display that shows nothing: registering it lets tasks enter the table.
class SilentDisplay : public ZQ_ProgressReportService_DisplayHook {
 public:
  void Display() override {}
  void Erase() override {}
  void Update(const ZQ_ProgressReportService_Manager&) override {}
};

}  // namespace

// A reader keeps a progress task titled by what it reads, stepped through
// the text, unless told not to.
TEST(ZQXML_Reader, ReadsUnderAProgressTaskUnlessToldNot) {
  static SilentDisplay display;  // outlives the service's use of it
  ZQ_ProgressReportService_ResetForTesting();
  ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&display);
  const ZQ_String text = "<settings><item name='a'>one</item><item name='b'>two</item></settings>";
  {
    ZQXML_Reader reader(text, "reading the settings file");
    ASSERT_EQ(ZQ_ProgressReportService_Manager::GetNumActiveTasks(), 1);
    const ZQ_ProgressReportService_Task& task = *ZQ_ProgressReportService_Manager::GetActiveTask(-1);
    EXPECT_EQ(task.GetDescription(), "Reading the Settings File");
    EXPECT_EQ(task.GetNumSteps(), text.GetLength());
    reader.Read();
  }
  {
    // Taking the text between two marks reports the offset read so far.
    ZQ_AbstractTextStreamParser parser(text, "reading", 0);
    const ZQ_AbstractTextStreamParser::MarkType start = parser.GetPosition();
    for (int i = 0; i < 10; ++i) parser.AdvanceChar();
    EXPECT_EQ(parser.GetTextBetweenMarks(start, parser.GetPosition()), "<settings>");
    EXPECT_EQ(ZQ_ProgressReportService_Manager::GetActiveTask(-1)->GetCurrentStep(), 10);
  }
  EXPECT_EQ(ZQ_ProgressReportService_Manager::GetNumActiveTasks(), 0);
  {
    ZQXML_Reader quiet(text, "reading", ZQ_AbstractTextStreamParser::Option_NoProgressTask);
    EXPECT_EQ(ZQ_ProgressReportService_Manager::GetNumActiveTasks(), 0);
  }
  ZQ_ProgressReportService_ResetForTesting();
}
