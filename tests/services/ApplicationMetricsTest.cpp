#include "ZQ_ApplicationMetrics.h"

#include <gtest/gtest.h>

#include <string>

#include "ZQ_FileName.h"

namespace {

std::string Text(const ZQ_String& S) { return S.GetText(); }

class NamedMetrics : public ZQ_ApplicationMetrics {
 public:
  explicit NamedMetrics(const char* Name) : Name(Name) {}
  ZQ_String GetApplicationName() const override { return ZQ_String(Name); }

 private:
  const char* Name;
};

TEST(ZQ_ApplicationMetrics, GenericDefaultAnswersWhenNoOtherObjectExists) {
  const ZQ_ApplicationMetrics& m = ZQ_GetApplicationMetrics();
  EXPECT_EQ(m.GetVersionNumber(), 1.0f);
  EXPECT_EQ(Text(m.GetVersionString()), "1.0");
  EXPECT_EQ(m.GetBuildNumber(), 1);
  const struct { ZQ_String got; const char* want; const char* why; } kCases[] = {
      {m.GetApplicationName(), "Generic Application", "name"},
      {m.GetApplicationNameIdentifier(), "genericapplication", "identifier"},
      {m.GetShortDescription(), "Generic Application", "short description"},
      {m.GetDescription(), "Generic Application", "description"},
      {m.GetContactEmailAddress(), "", "no contact"},
      {m.GetOrganizationName(), "", "no organisation"},
      {m.GetApplicationHomePageAddress(), "", "no home page"},
      {m.GetCopyrightText(), "", "no copyright line"},
      {m.GetTrademarksText(), "", "no trademarks line"},
      {m.GetReadMeFileName(), "ReadMe_Generic Application.txt", "read-me file"},
      {m.GetVersionHistoryFileName(), "Generic Application_VersionHistory.txt", "history"},
      {m.GetHelpFileName(), "Generic Application_Help.txt", "help file"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(c.got), c.want);
  }
}

TEST(ZQ_ApplicationMetrics, DerivedNameDrivesIdentifierAndFileNames) {
  const struct { const char* name; const char* identifier; const char* history; } kCases[] = {
      {"My App 2", "myapp2", "My App 2_VersionHistory.txt"},
      {"Heat-Stress (WBGT) v3.1", "heatstresswbgtv31", "Heat-Stress (WBGT) v3.1_VersionHistory.txt"},
      {"", "", "_VersionHistory.txt"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    NamedMetrics metrics(c.name);
    EXPECT_EQ(Text(metrics.GetApplicationNameIdentifier()), c.identifier);
    EXPECT_EQ(Text(metrics.GetVersionHistoryFileName()), c.history);
    EXPECT_EQ(Text(metrics.GetReadMeFileName()), std::string("ReadMe_") + c.name + ".txt");
  }
}

TEST(ZQ_ApplicationMetrics, MostRecentlyConstructedObjectIsCurrent) {
  NamedMetrics first("First");
  EXPECT_EQ(&ZQ_GetApplicationMetrics(), &first);
  {
    NamedMetrics second("Second");
    EXPECT_EQ(Text(ZQ_GetApplicationMetrics().GetApplicationName()), "Second");
  }
  // The current object is gone: the generic default answers, never the
  // destroyed object and not the one it had replaced.
  EXPECT_EQ(Text(ZQ_GetApplicationMetrics().GetApplicationName()), "Generic Application");
}

TEST(ZQ_ApplicationMetrics, DestroyingAReplacedObjectLeavesTheCurrentOneAlone) {
  auto* replaced = new NamedMetrics("Replaced");
  NamedMetrics current("Current");
  delete replaced;
  EXPECT_EQ(&ZQ_GetApplicationMetrics(), &current);
}

TEST(ZQ_ApplicationMetrics, DefaultIsBuiltOnceAndServesAgainAfterEveryReplacement) {
  const ZQ_ApplicationMetrics* generic = &ZQ_GetApplicationMetrics();
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    { NamedMetrics app("App"); }
    EXPECT_EQ(&ZQ_GetApplicationMetrics(), generic);
  }
}

TEST(ZQ_ApplicationMetrics, HomeDirectoryIsTheExecutablesFolderWithItsSeparator) {
  const ZQ_String home = ZQ_ApplicationMetrics::GetHomeDirectory();
  ASSERT_FALSE(home.IsEmpty());
  EXPECT_EQ(home.GetLastChar(), '\\');
  EXPECT_EQ(Text(home + ZQ_GetContainingExecutableFileName().GetFileName()),
            Text(ZQ_GetContainingExecutableFileName().GetPathName()));
}

}  // namespace
