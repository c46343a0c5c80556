#include "ZQF_HelpAvailability.h"

#include "ZQF_Help.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_FileUtils.h"

namespace {

long s_disableHelpCount = 0;
bool s_helpFileChecked = false;
bool s_helpFilePresent = false;

}  // namespace

ZQ_FileName ZQF_Help_GetHelpFileName() {
  return ZQ_FileName(ZQ_ApplicationMetrics::GetHomeDirectory() + ZQ_GetApplicationMetrics().GetHelpFileName());
}

bool ZQF_Help_HelpFileAvailable() {
  if (!s_helpFileChecked) {
    s_helpFileChecked = true;
    s_helpFilePresent = ZQ_FileUtils::FileExists(ZQF_Help_GetHelpFileName());
  }
  return s_helpFilePresent && s_disableHelpCount == 0;
}

void ZQF_Help_DisableHelp() { ++s_disableHelpCount; }

void ZQF_Help_EnableHelp() {
  ZQ_ASSERT_TEXT(s_disableHelpCount > 0, "DisableHelpCount > 0");
  if (s_disableHelpCount > 0) --s_disableHelpCount;
}

void ZQF_Help_ResetAvailabilityForTesting() {
  s_disableHelpCount = 0;
  s_helpFileChecked = false;
  s_helpFilePresent = false;
}
