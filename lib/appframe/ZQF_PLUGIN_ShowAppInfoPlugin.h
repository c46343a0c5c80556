// ZQF_PLUGIN_ShowAppInfoPlugin.h: the plug-in that offers the program's
// read-me and version-history files in the Help menu. At stage 4 it puts a
// group just before the Help menu's last section holding "Show &ReadMe File"
// and "Show &Version History", each only when its file exists then (neither:
// no group). Choosing an item reads the file afresh and shows it in a modal
// text report. Both files lie in the home directory under the names the
// application metrics give. No state of its own. UI thread only.
#ifndef ZQF_PLUGIN_SHOWAPPINFOPLUGIN_H
#define ZQF_PLUGIN_SHOWAPPINFOPLUGIN_H

#include "ZQF_PLUGIN_ApplicationPersonality.h"
#include "ZQ_FileName.h"
#include "ZQ_String.h"

class ZQF_PLUGIN_AppMainMenu;

class ZQF_PLUGIN_ShowAppInfoPlugin : public ZQF_PLUGIN_AbstractPlugin {
 public:
  ~ZQF_PLUGIN_ShowAppInfoPlugin() override;

  // Stage 4: InstallMenuElements; every other stage does nothing.
  void Initialize(long Stage) override;
  // Into the main menu when there is one; without one, nothing.
  virtual void InstallMenuElements();
  // Menu: the main menu (not null). Adds the group, when a file exists.
  virtual void InstallReadMeAndHistoryMenuElements(ZQF_PLUGIN_AppMainMenu* Menu);
  // Whether the file exists now and is not a folder; tested at every call.
  virtual bool DoShowAppReadMe();
  virtual bool DoShowAppVersionHistory();
  // Shows the file in its report; Escape throws the cancel exception.
  virtual void ShowAppReadMe();
  virtual void ShowAppVersionHistory();
  // Reads the whole of File and shows it under Title, fixed pitch, with OK
  // and the copy button and HelpTopic as its help. A file that cannot be
  // read is reported (ZQ_ReportError) and no report is shown.
  virtual void DisplayFile(const ZQ_FileName& File, const ZQ_String& Title,
                           const ZQ_String& HelpTopic);
};

// The metrics' file names in the application's home directory.
ZQ_FileName GetReadMeFilePath();
ZQ_FileName GetVersionHistoryFilePath();

#endif
