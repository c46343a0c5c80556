#include "ZQ_ApplicationMetrics.h"

#include <new>

#include "ZQ_Assertion.h"
#include "ZQ_CharacterClass.h"
#include "ZQ_FileName.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringSubs.h"

namespace {

ZQ_ApplicationMetrics* ZQ_ApplicationMetricsInstance = nullptr;

// The generic default, built in static storage on first demand and never
// destroyed: static destructors that report errors may still ask for the
// metrics, and a destroyed default could not answer them.
ZQ_ApplicationMetrics& DefaultMetrics() {
  alignas(ZQ_ApplicationMetrics) static unsigned char s_storage[sizeof(ZQ_ApplicationMetrics)];
  static ZQ_ApplicationMetrics* const s_default = new (s_storage) ZQ_ApplicationMetrics;
  return *s_default;
}

}  // namespace

ZQ_ApplicationMetrics::ZQ_ApplicationMetrics() { ZQ_ApplicationMetricsInstance = this; }

ZQ_ApplicationMetrics::~ZQ_ApplicationMetrics() {
  // Otherwise callers would be answered by a destroyed object.
  if (ZQ_ApplicationMetricsInstance == this) ZQ_ApplicationMetricsInstance = nullptr;
}

float ZQ_ApplicationMetrics::GetVersionNumber() const { return 1.0f; }
ZQ_String ZQ_ApplicationMetrics::GetVersionString() const { return ZQ_String("1.0"); }
int ZQ_ApplicationMetrics::GetBuildNumber() const { return 1; }
ZQ_String ZQ_ApplicationMetrics::GetApplicationName() const {
  return ZQ_String("Generic Application");
}

ZQ_String ZQ_ApplicationMetrics::GetApplicationNameIdentifier() const {
  ZQ_TRACE_FUNCTION("ZQ_ApplicationMetrics::GetApplicationNameIdentifier");
  return ZQ_ToLowerCase(
      ZQ_StringSubs::PassChars(GetApplicationName(), ZQ_CharClass_LettersAndDigits));
}

ZQ_String ZQ_ApplicationMetrics::GetShortDescription() const {
  return ZQ_String("Generic Application");
}
ZQ_String ZQ_ApplicationMetrics::GetDescription() const {
  return ZQ_String("Generic Application");
}
ZQ_String ZQ_ApplicationMetrics::GetApplicationHomePageAddress() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetOrganizationName() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetOrganizationAddress() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetContactEmailAddress() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetWebSiteAddress() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetCopyrightText() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetTrademarksText() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetNoticeText() const { return ZQ_String(); }
ZQ_String ZQ_ApplicationMetrics::GetLatestVersionAddress() const { return ZQ_String(); }

ZQ_String ZQ_ApplicationMetrics::GetReadMeFileName() const {
  return "ReadMe_" + GetApplicationName() + ".txt";
}
ZQ_String ZQ_ApplicationMetrics::GetVersionHistoryFileName() const {
  return GetApplicationName() + "_VersionHistory.txt";
}
ZQ_String ZQ_ApplicationMetrics::GetHelpFileName() const {
  return GetApplicationName() + "_Help.txt";
}

ZQ_String ZQ_ApplicationMetrics::GetHomeDirectory() {
  ZQ_TRACE_FUNCTION("ZQ_ApplicationMetrics::GetHomeDirectory");
  return ZQ_GetContainingExecutableFileName().GetPath();
}

ZQ_ApplicationMetrics& ZQ_GetApplicationMetrics() {
  ZQ_TRACE_FUNCTION("ZQ_GetApplicationMetrics");
  // Building the default makes it current; once built, it becomes current
  // again whenever the object that replaced it is gone.
  if (!ZQ_ApplicationMetricsInstance) ZQ_ApplicationMetricsInstance = &DefaultMetrics();
  ZQ_ASSERT(ZQ_ApplicationMetricsInstance);
  return *ZQ_ApplicationMetricsInstance;
}
