// Help availability (the help file looked for once, switching help off and
// on) and the table of internal URI handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZQFOxZQF_InternalURIHandler.h"
#include "ZQF_Help.h"
#include "ZQF_HelpAvailability.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Exception.h"
#include "ZQLOW_Windows.h"

namespace {

// The help file of these tests lies beside the test program.
class HelpAvailability : public testing::Test, public ZQ_ApplicationMetrics {
 protected:
  ZQ_String GetHelpFileName() const override { return "ZQHelpTest Users Guide.rxl"; }
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  // No file, no directory, nothing asked yet.
  void Reset() {
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(path.c_str());
    ZQF_Help_ResetAvailabilityForTesting();
  }
  void MakeFile() { ::CloseHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)); }
  const std::string path = std::string(GetHomeDirectory().GetText()) + "ZQHelpTest Users Guide.rxl";
};

}  // namespace

TEST_F(HelpAvailability, TheHelpFileIsLookedForOnceAndADirectoryDoesNotCount) {
  EXPECT_EQ(std::string(ZQF_Help_GetHelpFileName().GetPathName().GetText()), path);
  // Nothing, the file, a directory of its name; last the file made after the
  // first question, which changes nothing.
  for (int made = 0; made < 4; ++made) {
    Reset();
    const bool askedBefore = made == 3 && !ZQF_Help_HelpAvailable();
    if (made == 1 || made == 3) MakeFile();
    if (made == 2) ::CreateDirectoryA(path.c_str(), nullptr);
    EXPECT_EQ(ZQF_Help_HelpAvailable(), made == 1) << made;  // through the glyph core
    EXPECT_EQ(askedBefore, made == 3);
  }
}

TEST_F(HelpAvailability, SwitchingOffNestsAndAnUnbalancedEnableChangesNothing) {
  MakeFile();
  ZQF_Help_DisableHelp();
  ZQF_Help_DisableHelp();
  ZQF_Help_EnableHelp();
  EXPECT_FALSE(ZQF_Help_HelpAvailable());
  ZQF_Help_EnableHelp();
  EXPECT_TRUE(ZQF_Help_HelpAvailable());
  EXPECT_THROW(ZQF_Help_EnableHelp(), ZQ_Exception);  // "DisableHelpCount > 0"
  ZQF_Help_DisableHelp();                             // from 0, not from -1
  EXPECT_FALSE(ZQF_Help_HelpAvailable());
}

namespace {

class RecordingHandler : public ZQFOxZQF_InternalURIHandler {
 public:
  RecordingHandler(const char* Scheme, std::vector<std::string>& Log) : ZQFOxZQF_InternalURIHandler(Scheme), Log(Log) {}
  void HandleAbsoluteURI(const ZQ_URI& URI, ZQFOxZQF_DocumentDisplayGlyph*) override {
    Log.push_back(URI.GetText().GetText());
  }
  std::vector<std::string>& Log;
};

}  // namespace

TEST(ZQFOxZQF_InternalURIHandler, LinksReachTheHandlerOfTheirExactSchemeResolved) {
  EXPECT_EQ(ZQFOxZQF_InternalURIHandler_GetNumHandlers(), 0);  // the library registers none
  const ZQ_URI base("file:///C:/Help/Pages/index.htm");
  std::vector<std::string> log;
  {
    RecordingHandler handler("wbgt", log);
    EXPECT_THROW(RecordingHandler("wbgt", log), ZQ_Exception);  // one handler per scheme
    const struct {
      const char* why;
      const char* scheme;
      std::string text;
      const char* received;  // its start; null: not handled
    } kCases[] = {
        {"a relative text, resolved", "wbgt", "../Tables/rest.htm", "file:///C:/Help/Tables/rest.htm"},
        {"beyond the root", "wbgt", "../../../../x", "file:///"},
        {"empty: the base itself", "wbgt", "", "file:///C:/Help/Pages/index.htm"},
        {"10,000 characters", "wbgt", std::string(10000, 'q'), "file:///C:/Help/Pages/qqq"},
        {"capitals: another scheme", "WBGT", "table", nullptr},
        {"no handler", "mailto", "x@y", nullptr},
    };
    for (const auto& c : kCases) {
      SCOPED_TRACE(c.why);
      log.clear();
      EXPECT_EQ(ZQFOxZQF_InternalURIHandler_HandleIfPossible(c.scheme, c.text.c_str(), base, nullptr), !!c.received);
      ASSERT_EQ(log.size(), c.received ? 1u : 0u);
      if (c.received) {
        EXPECT_EQ(log[0].substr(0, std::string(c.received).size()), c.received);
      }
    }
  }
  // A destroyed handler leaves the table.
  EXPECT_EQ(ZQFOxZQF_InternalURIHandler_GetNumHandlers(), 0);
  EXPECT_FALSE(ZQFOxZQF_InternalURIHandler_HandleIfPossible("wbgt", "table", base, nullptr));
}
