// ZQF_ApplicationMetrics.h: the application metrics of the GUI layer: the
// help file's name, the main icon, the main bitmap (about boxes, splash
// screens) and the company logo, on top of the services' facts. A program
// installs its subclass from a static initialiser; without one, the first
// ZQF_GetApplicationMetrics builds a default instance that lives to the end
// of the process. The bitmap and the logo are loaded on first request and
// owned by the metrics. UI thread only.
#ifndef ZQF_APPLICATIONMETRICS_H
#define ZQF_APPLICATIONMETRICS_H

#include "ZQ_ApplicationMetrics.h"

class ZQIMG_Image;
class ZQR_Bitmap;

class ZQF_ApplicationMetrics : public ZQ_ApplicationMetrics {
 public:
  // Becomes the current GUI metrics; a second one at a time fails
  // "ZQF_ApplicationMetricsInstance == NULL".
  ZQF_ApplicationMetrics();
  // Deletes the bitmap and the logo and stops being current.
  ~ZQF_ApplicationMetrics() override;

  // "Documentation\<name> Users Guide.rxl", relative to the home directory.
  ZQ_String GetHelpFileName() const override;

  // The icon of the main window's class ("ZQF_DefaultMainIcon").
  virtual ZQ_String GetMainIconResourceName() const;
  // Loaded from GetDefaultMainBitmapResourceName() at the first call, the
  // same object afterwards; owned by the metrics. A missing resource throws
  // the bitmap's ZQ_Exception (and the next call tries again).
  virtual ZQR_Bitmap* GetMainBitmap();
  // The first call tries to load the logo resource with any image decoder;
  // a failure is swallowed. Every call gives the first call's answer.
  virtual bool IsCompanyLogoAvailable();
  // Asserts "IsCompanyLogoAvailable()"; owned by the metrics.
  virtual ZQIMG_Image* GetCompanyLogo();
  // A 32 x 32, 16-colour bitmap resource ("ZQF_DefaultMainBitmap").
  virtual ZQ_String GetDefaultMainBitmapResourceName() const;
  // A PNG image kept as raw data ("ZQF_TavistelLogo").
  virtual ZQ_String GetCompanyLogoResourceName() const;

 private:
  ZQR_Bitmap* MainBitmap = nullptr;
  ZQIMG_Image* CompanyLogo = nullptr;
  bool CompanyLogoChecked = false;
};

// The current GUI metrics, the default instance when the program installed
// none.
ZQF_ApplicationMetrics& ZQF_GetApplicationMetrics();

#endif
