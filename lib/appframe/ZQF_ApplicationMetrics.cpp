#include "ZQF_ApplicationMetrics.h"

#include "ZQIMGIO.h"
#include "ZQIMG_Image.h"
#include "ZQR_Bitmap.h"
#include "ZQ_Assertion.h"

namespace {

ZQF_ApplicationMetrics* ZQF_ApplicationMetricsInstance = nullptr;

}  // namespace

ZQF_ApplicationMetrics::ZQF_ApplicationMetrics() {
  ZQ_ASSERT(ZQF_ApplicationMetricsInstance == NULL);
  ZQF_ApplicationMetricsInstance = this;
}

ZQF_ApplicationMetrics::~ZQF_ApplicationMetrics() {
  delete MainBitmap;
  delete CompanyLogo;
  if (ZQF_ApplicationMetricsInstance == this) ZQF_ApplicationMetricsInstance = nullptr;
}

ZQ_String ZQF_ApplicationMetrics::GetHelpFileName() const {
  return ZQ_String("Documentation\\") + GetApplicationName() + ZQ_String(" Users Guide.rxl");
}

ZQ_String ZQF_ApplicationMetrics::GetMainIconResourceName() const {
  return ZQ_String("ZQF_DefaultMainIcon");
}

ZQR_Bitmap* ZQF_ApplicationMetrics::GetMainBitmap() {
  if (!MainBitmap) MainBitmap = new ZQR_Bitmap(GetDefaultMainBitmapResourceName());
  return MainBitmap;
}

bool ZQF_ApplicationMetrics::IsCompanyLogoAvailable() {
  if (!CompanyLogoChecked) {
    CompanyLogoChecked = true;
    ZQ_ASSERT(CompanyLogo == NULL);
    // A program without a logo is normal: the about box leaves it out.
    try {
      CompanyLogo = new ZQIMG_Image(ZQIMGIO_LoadFromResource(GetCompanyLogoResourceName()));
    } catch (...) {
      CompanyLogo = nullptr;
    }
  }
  return CompanyLogo != nullptr;
}

ZQIMG_Image* ZQF_ApplicationMetrics::GetCompanyLogo() {
  ZQ_ASSERT(IsCompanyLogoAvailable());
  return CompanyLogo;
}

ZQ_String ZQF_ApplicationMetrics::GetDefaultMainBitmapResourceName() const {
  return ZQ_String("ZQF_DefaultMainBitmap");
}

ZQ_String ZQF_ApplicationMetrics::GetCompanyLogoResourceName() const {
  return ZQ_String("ZQF_TavistelLogo");
}

ZQF_ApplicationMetrics& ZQF_GetApplicationMetrics() {
  if (!ZQF_ApplicationMetricsInstance) {
    // Built once, in static storage; a program that installs its own
    // metrics later fails the constructor's assertion, as it should.
    static ZQF_ApplicationMetrics s_default;
  }
  ZQ_ASSERT(ZQF_ApplicationMetricsInstance);
  return *ZQF_ApplicationMetricsInstance;
}
