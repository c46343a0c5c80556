// ZQ_ApplicationMetrics.h: the one object that describes the running
// application (name, version, descriptions, organisation, file names). The
// library asks ZQ_GetApplicationMetrics() whenever it needs such a fact. The
// base class answers with generic defaults; the GUI layer and the application
// derive their own classes and override what they know.
// The most recently constructed metrics object is the current one. Before
// the application's own object exists, a generic default answers; it is
// built on first demand and lives to the end of the process. A destroyed
// object never stays current: the default answers again after it.
// No data members; nothing here throws. One thread only.
#ifndef ZQ_APPLICATIONMETRICS_H
#define ZQ_APPLICATIONMETRICS_H

#include "ZQ_String.h"

class ZQ_ApplicationMetrics {
 public:
  // Makes this object the current one, replacing any earlier one.
  ZQ_ApplicationMetrics();
  // Stops being the current one if it still is.
  virtual ~ZQ_ApplicationMetrics();
  ZQ_ApplicationMetrics(const ZQ_ApplicationMetrics&) = delete;
  ZQ_ApplicationMetrics& operator=(const ZQ_ApplicationMetrics&) = delete;

  // Virtual operations in slot order; the comments give the base's answers.
  virtual float GetVersionNumber() const;                // 1.0
  virtual ZQ_String GetVersionString() const;            // "1.0"
  virtual int GetBuildNumber() const;                    // 1
  virtual ZQ_String GetApplicationName() const;          // "Generic Application"
  // The name reduced to ASCII letters and digits, in lower case.
  virtual ZQ_String GetApplicationNameIdentifier() const;
  virtual ZQ_String GetShortDescription() const;         // "Generic Application"
  virtual ZQ_String GetDescription() const;              // "Generic Application"
  virtual ZQ_String GetApplicationHomePageAddress() const; // empty
  virtual ZQ_String GetOrganizationName() const;         // empty
  virtual ZQ_String GetOrganizationAddress() const;      // empty
  virtual ZQ_String GetContactEmailAddress() const;      // empty
  virtual ZQ_String GetWebSiteAddress() const;           // empty
  virtual ZQ_String GetCopyrightText() const;              // empty (the copyright line)
  virtual ZQ_String GetTrademarksText() const;             // empty (the trademarks line)
  virtual ZQ_String GetNoticeText() const;                 // empty (the about box's notice)
  virtual ZQ_String GetLatestVersionAddress() const;       // empty (where updates are)
  // File names built from GetApplicationName() (called virtually):
  // "ReadMe_<name>.txt", "<name>_VersionHistory.txt", "<name>_Help.txt".
  virtual ZQ_String GetReadMeFileName() const;
  virtual ZQ_String GetVersionHistoryFileName() const;
  virtual ZQ_String GetHelpFileName() const;

  // The folder of the running executable, ending in its separator. A failed
  // Windows call throws ZQ_Exception in the running program.
  static ZQ_String GetHomeDirectory();
};

// The current metrics object (the generic default when no other exists).
ZQ_ApplicationMetrics& ZQ_GetApplicationMetrics();

#endif
