// Help availability (the help file looked for once, switching help off and
// on) and the table of internal URI handlers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ZQFOxZQF_InternalURIHandler.h"
#include "ZQF_Help.h"
#include "ZQF_HelpAvailability.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Exception.h"
#include "ZQLOW_Windows.h"

namespace {

// The help file of these tests, beside the test program.
class HelpTestMetrics : public ZQ_ApplicationMetrics {
 public:
  ZQ_String GetHelpFileName() const override { return "ZQHelpTest Users Guide.rxl"; }
};

class HelpAvailability : public testing::Test {
 protected:
  void SetUp() override {
    path = std::string(ZQ_ApplicationMetrics::GetHomeDirectory().GetText()) + "ZQHelpTest Users Guide.rxl";
    Clean();
    ZQF_Help_ResetAvailabilityForTesting();
  }
  void TearDown() override {
    Clean();
    ZQF_Help_ResetAvailabilityForTesting();
  }
  void Clean() {
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(path.c_str());
  }
  void MakeFile() {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);
  }
  HelpTestMetrics metrics;
  std::string path;
};

}  // namespace

TEST_F(HelpAvailability, TheHelpFileIsLookedForOnceAndADirectoryDoesNotCount) {
  EXPECT_EQ(std::string(ZQF_Help_GetHelpFileName().GetPathName().GetText()), path);
  const struct {
    const char* why;
    int made;  // 0 nothing, 1 the file, 2 a directory of its name
    bool want;
  } kCases[] = {{"no file", 0, false}, {"the file", 1, true}, {"a directory", 2, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Clean();
    ZQF_Help_ResetAvailabilityForTesting();
    if (c.made == 1) {
      MakeFile();
    } else if (c.made == 2) {
      ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr));
    }
    EXPECT_EQ(ZQF_Help_HelpAvailable(), c.want);  // through the glyph core
  }
  // Made after the first question: the answer stays.
  Clean();
  ZQF_Help_ResetAvailabilityForTesting();
  EXPECT_FALSE(ZQF_Help_HelpAvailable());
  MakeFile();
  EXPECT_FALSE(ZQF_Help_HelpAvailable());
}

TEST_F(HelpAvailability, SwitchingOffNestsAndAnUnbalancedEnableChangesNothing) {
  MakeFile();
  ZQF_Help_DisableHelp();
  ZQF_Help_DisableHelp();
  ZQF_Help_EnableHelp();
  EXPECT_FALSE(ZQF_Help_HelpAvailable());
  ZQF_Help_EnableHelp();
  EXPECT_TRUE(ZQF_Help_HelpAvailable());
  try {
    ZQF_Help_EnableHelp();
    ADD_FAILURE() << "no assertion";
  } catch (const ZQ_Exception& Error) {
    EXPECT_NE(std::string(Error.GetDescription().GetText()).find("DisableHelpCount > 0"), std::string::npos);
  }
  ZQF_Help_DisableHelp();  // from 0, not from -1
  EXPECT_FALSE(ZQF_Help_HelpAvailable());
  ZQF_Help_EnableHelp();
  EXPECT_TRUE(ZQF_Help_HelpAvailable());
}

namespace {

class RecordingHandler : public ZQFOxZQF_InternalURIHandler {
 public:
  RecordingHandler(const char* Scheme, std::vector<std::string>& Log)
      : ZQFOxZQF_InternalURIHandler(Scheme), Log(Log) {}
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
  EXPECT_FALSE(ZQFOxZQF_InternalURIHandler_HandleIfPossible("wbgt", "table", base, nullptr));
  {
    RecordingHandler handler("wbgt", log);
    EXPECT_THROW(RecordingHandler("wbgt", log), ZQ_Exception);  // one handler per scheme
    EXPECT_EQ(ZQFOxZQF_InternalURIHandler_GetNumHandlers(), 1);
    const struct {
      const char* why;
      const char* scheme;
      std::string text;
      bool handled;
      std::string received;  // the start of it
    } kCases[] = {
        {"a relative text, resolved", "wbgt", "../Tables/rest.htm", true, "file:///C:/Help/Tables/rest.htm"},
        {"beyond the root", "wbgt", "../../../../x", true, "file:///"},
        {"empty: the base itself", "wbgt", "", true, "file:///C:/Help/Pages/index.htm"},
        {"10,000 characters", "wbgt", std::string(10000, 'q'), true, "file:///C:/Help/Pages/qqq"},
        {"capitals: another scheme", "WBGT", "table", false, ""},
        {"no handler", "mailto", "x@y", false, ""},
    };
    for (const auto& c : kCases) {
      SCOPED_TRACE(c.why);
      log.clear();
      EXPECT_EQ(ZQFOxZQF_InternalURIHandler_HandleIfPossible(c.scheme, c.text.c_str(), base, nullptr), c.handled);
      ASSERT_EQ(log.size(), c.handled ? 1u : 0u);
      if (c.handled) {
        EXPECT_EQ(log[0].substr(0, c.received.size()), c.received);
      }
    }
  }
  // A destroyed handler leaves the table.
  EXPECT_EQ(ZQFOxZQF_InternalURIHandler_GetNumHandlers(), 0);
  EXPECT_FALSE(ZQFOxZQF_InternalURIHandler_HandleIfPossible("wbgt", "table", base, nullptr));
}
