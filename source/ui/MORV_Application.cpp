// MORV_Application.cpp: the program's metrics, application object,
// personality, menu, about box, workspace plug-in and splash screen.
#include "MORV_Application.h"

#include "MORV_OptionsDialog.h"
#include "MORV_WorkspaceGlyph.h"
#include "MORV_WorkspaceOptions.h"
#include "ZQFO_Document.h"
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQF_DesiredSizeModificationGlyph.h"
#include "ZQF_MenuElement.h"
#include "ZQF_Metrics.h"
#include "ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin.h"
#include "ZQF_PLUGIN_ShowAppInfoPlugin.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_StandardDialogBox.h"
#include "ZQ_AutoPtr.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_Functor.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ProgressReportService.h"

// --- Metrics.

MORVApplicationMetrics::~MORVApplicationMetrics() = default;
float MORVApplicationMetrics::GetVersionNumber() const { return 1.2f; }
ZQ_String MORVApplicationMetrics::GetVersionString() const { return "1.2"; }
int MORVApplicationMetrics::GetBuildNumber() const { return 35; }
ZQ_String MORVApplicationMetrics::GetApplicationName() const { return "MORV"; }
ZQ_String MORVApplicationMetrics::GetShortDescription() const {
  return "A utility for estimating the Wet Bulb Globe Temperature";
}
ZQ_String MORVApplicationMetrics::GetDescription() const { return GetShortDescription(); }
ZQ_String MORVApplicationMetrics::GetOrganizationName() const { return "The MORV project"; }
ZQ_String MORVApplicationMetrics::GetOrganizationAddress() const { return ", "; }
ZQ_String MORVApplicationMetrics::GetContactEmailAddress() const { return "morv@example.org"; }
ZQ_String MORVApplicationMetrics::GetWebSiteAddress() const { return "www.example.org/morv"; }
ZQ_String MORVApplicationMetrics::GetCopyrightText() const { return ""; }
ZQ_String MORVApplicationMetrics::GetTrademarksText() const { return ""; }
ZQ_String MORVApplicationMetrics::GetMainIconResourceName() const { return "aMORVMainIcon"; }
ZQ_String MORVApplicationMetrics::GetDefaultMainBitmapResourceName() const {
  return "MORV_MainBitmap";
}
ZQ_String MORVApplicationMetrics::GetCompanyLogoResourceName() const { return "MORV_PellmarLogo"; }

// --- Application object and personality.

MORVApplication::~MORVApplication() = default;

void MORVApplication::InitializeInstance() {
  ZQF_Application::InitializeInstance();
  ZQ_ProgressReportService_SetInitialDelay(0.5);
}

void MORVApplication::Init_SetInitialTitle() {
  AddTitleText(0, ZQF_GetApplicationMetrics().GetApplicationName());
}

MORV_ApplicationPersonality::~MORV_ApplicationPersonality() = default;

void MORV_ApplicationPersonality::RegisterPlugins() {
  Register(new MORV_AppMainMenuPlugin);
  Register(new ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin);
  Register(new ZQF_PLUGIN_ShowAppInfoPlugin);
  Register(new MORV_WorkspacePlugin);
  Register(new MORV_AboutDialogBoxPlugin);
}

// --- Menu.

MORV_AppMainMenuPlugin::~MORV_AppMainMenuPlugin() = default;
ZQF_PLUGIN_AppMainMenu* MORV_AppMainMenuPlugin::CreateAppMainMenu() { return new MORV_AppMainMenu; }

MORV_AppMainMenu::~MORV_AppMainMenu() = default;
void MORV_AppMainMenu::AddFile_PrintMenuSection(ZQF_MenuElement*) {}
void MORV_AppMainMenu::AddEditMenu(ZQF_MenuElement*) {}

void MORV_AppMainMenu::AddOptions_OptionsMenuSection(ZQF_MenuElement* Section) {
  ZQF_MenuElement::Add(Section,
                       new ZQF_StandardTextMenuElement(
                           ZQ_Internationalization_Translate(ZQ_String("&Edit Options")),
                           ZQ_Functor0(&MORV_DisplayAppOptionsDialogBox),
                           ZQF_StandardTextMenuElement::UpdateCallback()),
                       ZQF_MenuElement::Position_LastChild);
}

// --- About box.

MORV_AboutDialogBoxPlugin::~MORV_AboutDialogBoxPlugin() = default;
ZQF_PLUGIN_AboutDialogBox* MORV_AboutDialogBoxPlugin::CreateAboutDialogBox() {
  return new MORV_AboutDialogBox;
}

MORV_AboutDialogBox::~MORV_AboutDialogBox() = default;

void MORV_AboutDialogBox::AddAdditionalInfoToBodyText(ZQF_AlignmentGlyph* Column) {
  ZQF_PLUGIN_AboutDialogBox::AddAdditionalInfoToBodyText(Column);
  AddBlankLine(Column);
  AddTextLine(Column, "This program implements the model of outdoor wet");
  AddTextLine(Column, "bulb globe temperature described in...");
  AddBlankLine(Column);
  // In place of a citation: what the model does, in plain words.
  AddTextLine(Column, "     an energy balance of a black globe and a wetted wick");
  AddTextLine(Column, "     in sunshine, sky radiation and moving air, solved for");
  AddTextLine(Column, "     their temperatures from routine weather measurements,");
  AddTextLine(Column, "     with the sun's position found from the date and place.");
  AddBlankLine(Column);
  AddTextLine(Column, "Written by the MORV project.");
}

void MORV_AboutDialogBox::BuildOrganizationInfo(ZQF_AlignmentGlyph* Column) {
  AddCompanyLogo(Column);
  AddBlankLine(Column);
  AddContactEmailAddress(Column);
  AddWebSiteAddress(Column);
}

long MORV_AboutDialogBox::GetCompanyLogoWidth() { return 6 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X; }

// --- Workspace plug-in.

MORV_WorkspaceGlyph* MORV_GlobalWorkspace = nullptr;

MORV_WorkspacePlugin::~MORV_WorkspacePlugin() = default;

void MORV_WorkspacePlugin::Initialize(long Stage) {
  switch (Stage) {
    case 1:
      MORV_GlobalWorkspace = new MORV_WorkspaceGlyph;
      break;
    case 4:
      // The form scrolls when the window is smaller than it: every row stays
      // reachable by the bars, the wheel and the keyboard.
      ZQF_GetApplication()->SetClient(new ZQF_ScrollingContainerGlyph(
          MORV_GlobalWorkspace, 0, 0, ZQF_ScrollingContainerGlyph::Policy_AsNeeded,
          ZQF_ScrollingContainerGlyph::Policy_AsNeeded, 0, 0, 0));
      MORV_GlobalWorkspace->Initialize();
      LoadOptions();
      MORV_GlobalWorkspace->LoadControls();
      MORV_GlobalWorkspace->UpdateCalculations();
      break;
    case 8:
      // The main window, which owns the workspace, is destroyed after this
      // stage: the pointer must not outlive it.
      if (MORV_GlobalWorkspace) MORV_GlobalWorkspace->SaveControls();
      MORV_GlobalWorkspace = nullptr;
      break;
    case 10:
      SaveOptions();
      break;
    default:
      break;
  }
}

// --- Splash screen.

void MORV_WriteSplashScreenDocument(ZQFO_DocumentStream& Stream) {
  Stream << "<zqfo_document><zqfo_section><zqfo_blockstream font_family='sansserif'>\n";
  Stream << "<zqfo_para justification='center'><zqfo_img src='intres:MORV_PellmarLogoTwo' "
            "standard_colors='true' width='2 in'/></zqfo_para>\n";
  Stream << "<zqfo_para justification='center' block_space_before='4mm'>MORV estimates the outdoor wet "
            "bulb globe temperature from standard weather measurements.</zqfo_para>\n";
  Stream << "<zqfo_para justification='center' block_space_before='4mm'>Its results are estimates: they "
            "are no substitute for measuring the heat stress where people work.</zqfo_para>\n";
  Stream << "</zqfo_blockstream></zqfo_section></zqfo_document>\n";
}

ZQF_SimpleDialogBox* MORV_CreateSplashScreenDialogBox() {
  ZQ_AutoPtr<ZQF_SimpleDialogBox> dialog(new ZQF_SimpleDialogBox(
      "Welcome to " + ZQF_GetApplicationMetrics().GetApplicationName(), 2, false));
  dialog->SetShowCancelButton(false);
  ZQFO_DocumentStream stream;
  MORV_WriteSplashScreenDocument(stream);
  auto* display = new ZQFOxZQF_DocumentDisplayGlyph(stream.GetDocument());
  display->SetMaximumWidthFractionOfScreen(0.5);
  display->SetFocusable(false);
  auto* sized = new ZQF_DesiredSizeModificationGlyph(display, 0xC99);
  const ZQ_Point<long> screen = ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx);
  const long kUnlimited = 1L << 29;
  sized->SetDesiredSize(ZQ_Point<long>(screen.X / 2, screen.Y / 2), ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px),
                        ZQ_Point<long>(kUnlimited, kUnlimited));
  dialog->AddToClientArea(sized, ZQ_String());
  return dialog.Release();
}

void DisplaySplashScreen() {
  if (ZQ_IsDevelopmentMode()) return;
  ZQ_AutoPtr<ZQF_SimpleDialogBox> dialog(MORV_CreateSplashScreenDialogBox());
  // Escape and the close button cancel the box, and a cancel leaving a
  // start-up stage would end the program: here they only dismiss it.
  try {
    dialog->Run();
  } catch (const ZQ_CancelCurrentOperationException&) {
  }
}

void MORV_SplashScreenStageCallback(int Stage) {
  if (Stage == 5) DisplaySplashScreen();
}
