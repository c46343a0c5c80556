#include <gtest/gtest.h>

#include "ZQLOW_WINBASE.h"

// A framework program carries the resources of every library it links in one
// directory. Names that sort differently with and without regard to case
// ("ZQF_..." against "ZQFO_...", "ZQFA...") are the ones a merged directory
// would hide.
TEST(ProgramResources, EveryLibrarysResourceIsFoundByName) {
  const struct {
    const char* name;
    LPCSTR type;
    const char* library;
  } kCases[] = {
      {"ZQXREG_RegistryDTD", RT_RCDATA, "ZQXml"},
      {"ZQFO_DocumentDTD", RT_RCDATA, "ZQXml"},
      {"ZQRPT_NoteIcon_Note", RT_BITMAP, "ZQXml"},
      {"ZQF_CheckBoxUpBitmap", RT_BITMAP, "ZQGui"},
      {"ZQF_WarningBitmap", RT_BITMAP, "ZQGui"},
      {"ZQFO_ErrorImage", RT_RCDATA, "ZQDocuments"},
      {"ZQALARM_Sound_Alarm1", "WAVE", "ZQAppFrame"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.library) + " " + c.name);
    EXPECT_NE(ZQLOW_WINBASE::FindResource_DoNotThrowException(nullptr, c.name, c.type), nullptr);
  }
}
