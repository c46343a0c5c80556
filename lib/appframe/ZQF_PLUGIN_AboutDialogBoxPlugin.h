// ZQF_PLUGIN_AboutDialogBoxPlugin.h: the standard plug-in that puts "&About"
// at the end of the Help menu and shows the about box when it is chosen.
// The box is built from the application metrics only; every piece of its
// layout is a virtual operation, so a program replaces single pieces (its
// own plug-in overrides CreateAboutDialogBox). The plug-in makes a new box
// for each command and deletes it when the box closes. UI thread only.
#ifndef ZQF_PLUGIN_ABOUTDIALOGBOXPLUGIN_H
#define ZQF_PLUGIN_ABOUTDIALOGBOXPLUGIN_H

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_PLUGIN_ApplicationPersonality.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StandardDialogBox.h"
#include "ZQ_List.h"
#include "ZQ_String.h"

class ZQF_Glyph;
class ZQF_Message;
class ZQF_PLUGIN_AboutDialogBox;

// The About command and its update query: their classes alone name them.
class ZQF_PLUGIN_AboutCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_AboutCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};

class ZQF_PLUGIN_AboutDialogBoxPlugin : public ZQF_PLUGIN_AbstractPlugin {
 public:
  ~ZQF_PLUGIN_AboutDialogBoxPlugin() override;

  // Stage 4: the menu item, then the hook; other stages do nothing.
  void Initialize(long Stage) override;
  // The item in the Help menu's last section; nothing without a main menu.
  virtual void InstallMenuElement();
  // The command hook on the main window's message hook glyph (asserted,
  // "MHG"); it stays until that glyph goes.
  virtual void InstallHook();
  // A new box, owned by the caller.
  virtual ZQF_PLUGIN_AboutDialogBox* CreateAboutDialogBox();

 private:
  // Runs the box for the About command (its cancel exception goes on to
  // the caller) and answers the update query enabled.
  void HookCallback(ZQF_Message& Message, bool AlreadyHandled);
};

// The about box: the main bitmap and the title on the left, the description
// and the body lines on the right, OK only. A text of the metrics that is
// the empty string leaves its lines out; any other text, blanks included, is
// shown. Layout gaps are size metrics 5, 6, 7 and 9 in pixels.
class ZQF_PLUGIN_AboutDialogBox : public ZQF_StandardDialogBox {
 public:
  // Modal, placement BelowRight, no scroller, help topic
  // "ZQF_Help_AboutBox_id".
  ZQF_PLUGIN_AboutDialogBox();
  ~ZQF_PLUGIN_AboutDialogBox() override;

  // "About {$1}" translated, {$1} the application name.
  void Init_SetTitle() override;
  // Metric 5's y above the main row, metric 7's y below it.
  void Init_AddClientControls(ZQF_AlignmentGlyph* Column) override;
  // OK only, the default.
  void Init_AddButtons() override;
  // OK, even when links come earlier in keyboard order.
  ZQF_ControlGlyph* Init_GetInitiallySelectedControl() override;

  virtual void AddMainRow(ZQF_AlignmentGlyph* Column);
  virtual ZQF_RowGlyph* CreateMainRow();
  // Gaps: metric 7's x, the left column, 1.5 x metric 7's x (truncated),
  // the right column, metric 6's x.
  virtual void AddMainRowContents(ZQF_AlignmentGlyph* Row);
  virtual void AddLeftColumn(ZQF_AlignmentGlyph* Row);
  virtual ZQF_ColumnGlyph* CreateLeftColumn();
  virtual void AddLeftColumnContents(ZQF_AlignmentGlyph* Column);
  virtual void AddPrimaryBitmap(ZQF_AlignmentGlyph* Column);
  // The main bitmap, light grey transparent; F + double click shows a picture.
  virtual ZQF_Glyph* CreatePrimaryBitmapGlyph();
  virtual void AddTitle(ZQF_AlignmentGlyph* Column);
  // GetTitleText() in 16-point bold Times New Roman.
  virtual ZQF_Glyph* CreateTitleGlyph();
  // Application name, blank, version string.
  virtual ZQ_String GetTitleText();
  virtual void AddRightColumn(ZQF_AlignmentGlyph* Row);
  virtual ZQF_ColumnGlyph* CreateRightColumn();
  virtual void AddRightColumnContents(ZQF_AlignmentGlyph* Column);
  virtual void AddDescription(ZQF_AlignmentGlyph* Column);
  // GetDescriptionText() in 12-point bold Times New Roman.
  virtual ZQF_Glyph* CreateDescriptionGlyph();
  virtual ZQ_String GetDescriptionText();
  // The six body sections below, in this order.
  virtual void AddBodyText(ZQF_AlignmentGlyph* Column);
  virtual void AddVersionInfoToBodyText(ZQF_AlignmentGlyph* Column);
  virtual void AddInstalledExtensionsToBodyText(ZQF_AlignmentGlyph* Column);
  virtual void AddNoticeToBodyText(ZQF_AlignmentGlyph* Column);
  virtual void AddLatestVersionInfoToBodyText(ZQF_AlignmentGlyph* Column);
  // Empty: the application's own lines go here.
  virtual void AddAdditionalInfoToBodyText(ZQF_AlignmentGlyph* Column);
  // Three blank lines, then a right-aligned block filled by
  // BuildOrganizationInfo.
  virtual void AddOrganizationInfoToBodyText(ZQF_AlignmentGlyph* Column);
  // The logo when there is one, else the organisation name; then the
  // e-mail and web links.
  virtual void BuildOrganizationInfo(ZQF_AlignmentGlyph* Column);
  // Asserts "ZQF_GetApplicationMetrics()->IsCompanyLogoAvailable()".
  virtual void AddCompanyLogo(ZQF_AlignmentGlyph* Column);
  // Pixels: 4 x metric 9's x.
  virtual long GetCompanyLogoWidth();
  virtual void AddOrganizationName(ZQF_AlignmentGlyph* Column);
  // Not called by this class.
  virtual void AddOrganizationAddress(ZQF_AlignmentGlyph* Column);
  virtual void AddContactEmailAddress(ZQF_AlignmentGlyph* Column);
  virtual void AddWebSiteAddress(ZQF_AlignmentGlyph* Column);

  // One line appended to Column.
  void AddTextLine(ZQF_AlignmentGlyph* Column, const ZQ_String& Text);
  // An empty Address lets the link derive one from Text (a scheme added).
  void AddLinkLine(ZQF_AlignmentGlyph* Column, const ZQ_String& Text, const ZQ_String& Address);
  void AddBlankLine(ZQF_AlignmentGlyph* Column);
};

// The names of installed extensions the about box lists, in insertion
// order. Made empty on first use, freed at exit.
ZQ_List<ZQ_String>& ZQF_GetInstalledExtensionNames();

#endif
