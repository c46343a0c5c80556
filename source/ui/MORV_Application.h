// MORV_Application.h: the heat-stress program assembled from the framework:
// the metrics that name it, the application object, the personality with
// its five plug-ins, the menu without print items and Edit menu, the about
// box with the program's own lines, the workspace plug-in, and the splash
// screen shown once the main window is up. The program's three global
// objects are built in MORV_Main.cpp, which no test links; everything here
// is usable by tests. UI thread only.
#pragma once

#include "ZQF_Application.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQF_PLUGIN_AboutDialogBoxPlugin.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_PLUGIN_ApplicationPersonality.h"

class MORV_WorkspaceGlyph;
class ZQF_SimpleDialogBox;
class ZQFO_DocumentStream;

// Names the program, its version (1.2, build 35), publisher and pictures.
// The most recently constructed metrics object is the program's.
class MORVApplicationMetrics : public ZQF_ApplicationMetrics {
 public:
  ~MORVApplicationMetrics() override;
  float GetVersionNumber() const override;
  ZQ_String GetVersionString() const override;
  int GetBuildNumber() const override;
  ZQ_String GetApplicationName() const override;  // "MORV"
  ZQ_String GetShortDescription() const override;
  ZQ_String GetDescription() const override;
  ZQ_String GetOrganizationName() const override;
  ZQ_String GetOrganizationAddress() const override;  // ", ": no street, no city
  ZQ_String GetContactEmailAddress() const override;
  ZQ_String GetWebSiteAddress() const override;
  ZQ_String GetCopyrightText() const override;   // "": no line
  ZQ_String GetTrademarksText() const override;  // "": no line
  ZQ_String GetMainIconResourceName() const override;
  ZQ_String GetDefaultMainBitmapResourceName() const override;
  ZQ_String GetCompanyLogoResourceName() const override;
};

class MORVApplication : public ZQF_Application {
 public:
  ~MORVApplication() override;
  // The framework's, then progress displays appear only after 0.5 s.
  void InitializeInstance() override;
  // The title is the application name alone: "MORV".
  void Init_SetInitialTitle() override;
};

// Registers the main menu, settings, read-me, workspace and about plug-ins,
// in this order; the personality owns them.
class MORV_ApplicationPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  ~MORV_ApplicationPersonality() override;
  void RegisterPlugins() override;
};

class MORV_AppMainMenuPlugin : public ZQF_PLUGIN_AppMainMenuPlugin {
 public:
  ~MORV_AppMainMenuPlugin() override;
  ZQF_PLUGIN_AppMainMenu* CreateAppMainMenu() override;  // a new MORV_AppMainMenu
};

// The standard bar without the File menu's print items and without the Edit
// menu (the form's fields have their own clipboard keys and context menu);
// the Options menu holds "&Edit Options".
class MORV_AppMainMenu : public ZQF_PLUGIN_AppMainMenu {
 public:
  ~MORV_AppMainMenu() override;
  void AddFile_PrintMenuSection(ZQF_MenuElement* Section) override;
  void AddEditMenu(ZQF_MenuElement* Parent) override;
  void AddOptions_OptionsMenuSection(ZQF_MenuElement* Section) override;
};

class MORV_AboutDialogBoxPlugin : public ZQF_PLUGIN_AboutDialogBoxPlugin {
 public:
  ~MORV_AboutDialogBoxPlugin() override;
  ZQF_PLUGIN_AboutDialogBox* CreateAboutDialogBox() override;  // a new MORV_AboutDialogBox
};

// The standard box with a plain description of the model after the base
// lines, and the logo (always: the program embeds it) above a blank line, the
// e-mail and the web links.
class MORV_AboutDialogBox : public ZQF_PLUGIN_AboutDialogBox {
 public:
  ~MORV_AboutDialogBox() override;
  void AddAdditionalInfoToBodyText(ZQF_AlignmentGlyph* Column) override;
  void BuildOrganizationInfo(ZQF_AlignmentGlyph* Column) override;
  long GetCompanyLogoWidth() override;  // pixels: 6 x size metric 9's x
};

// Creates, installs and saves the workspace glyph. Stage 1: creates it
// (MORV_GlobalWorkspace); stage 4: makes it, in a scrolling container, the
// main window's client, loads the options, fills the fields and computes
// once; stage 8: the fields' valid values into the options; stage 10: the
// options into the settings registry.
class MORV_WorkspacePlugin : public ZQF_PLUGIN_AbstractPlugin {
 public:
  ~MORV_WorkspacePlugin() override;
  void Initialize(long Stage) override;
};

// The workspace from stage 1 until the main window goes (stage 8 clears it:
// the window, which owns the workspace, is destroyed right after); null
// otherwise.
extern MORV_WorkspaceGlyph* MORV_GlobalWorkspace;

// The splash screen's document, one piece per line: the second logo, a
// one-line description and a disclaimer, centred, in a sans-serif face.
void MORV_WriteSplashScreenDocument(ZQFO_DocumentStream& Stream);
// The splash dialog "Welcome to MORV" (OK only) holding the document's
// display, ready to run; owned by the caller.
ZQF_SimpleDialogBox* MORV_CreateSplashScreenDialogBox();
// Shows the splash screen modally, unless the program runs in development
// mode (a marker file beside it).
void DisplaySplashScreen();
// The program's stage callback: the splash screen at stage 5, once the main
// window is displayed. Registered by the program itself (MORV_Main.cpp), so
// that test programs, which link this library whole, show no splash.
void MORV_SplashScreenStageCallback(int Stage);
