// ZQF_PLUGIN_AboutDialogBoxPlugin.cpp: the about box, its menu item and
// command hook.
#include "ZQF_PLUGIN_AboutDialogBoxPlugin.h"

#include "ZQF_Application.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQF_BitmapGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_HyperlinkGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Message.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_SimpleBreakingTextDisplayGlyph.h"
#include "ZQIMGIO.h"
#include "ZQIMG_Conversion.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_Bitmap.h"
#include "ZQR_TransparentBitmap.h"
#include "ZQ_Assertion.h"
#include "ZQ_AutoPtr.h"
#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ParameterSymbol.h"
#include "ZQ_StringStream.h"

namespace {

// "Light Gray": the transparent colour of the framework's pictures.
const ZQR_Color kLightGray(192, 192, 192);
const long kVirtualKeyF = 0x46;

ZQ_String TranslateAndFill(const char* Template, const ZQ_String& Value1,
                           const ZQ_String& Value2 = ZQ_String()) {
  const ZQ_String values[2] = {Value1, Value2};
  return ZQ_FillParameterSymbols(ZQ_Internationalization_Translate(ZQ_String(Template)), values, 2);
}

// The title and the description: bold Times New Roman at Points on the
// screen, centred, keeping the size the text asks for.
ZQF_Glyph* MakeHeadingGlyph(const ZQ_String& Text, long Points) {
  auto* glyph = new ZQF_SimpleBreakingTextDisplayGlyph(Text);
  glyph->SetHorizontalAlignment(1);
  glyph->SetStretchable(false);
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  glyph->SetFont(ZQR_ConcreteFont(dc.GetHDC(), 0, Points, ZQR_ConcreteFont::Bold, 0));
  return glyph;
}

// The main bitmap. Holding F while double-clicking it shows a picture.
class PrimaryBitmapGlyph : public ZQF_BitmapGlyph {
 public:
  explicit PrimaryBitmapGlyph(const ZQR_TransparentBitmap& Bitmap)
      : ZQF_BitmapGlyph(Bitmap, false) {}

  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool AlreadyHandled) override {
    if (AlreadyHandled || ZQLOW_WINUSER::GetKeyState(kVirtualKeyF) >= 0) return;
    Message.SetHandled();
    ZQF_SimpleDialogBox dialog(ZQF_GetApplicationMetrics().GetApplicationName(),
                               ZQF_ButtonPlacement_BelowRight, false);
    // A picture to look at: nothing to cancel.
    dialog.SetShowCancelButton(false);
    const ZQR_Bitmap picture = ZQIMG_ImageToBitmap(ZQIMGIO_LoadFromResource("ZQF_SmallTestImageTwo"));
    dialog.AddToClientArea(new ZQF_SunkenBorderGlyph(
        new ZQF_BitmapGlyph(ZQR_TransparentBitmap(picture, kLightGray), false)));
    dialog.Run();
  }
};

}  // namespace

// ---- The plug-in ----

ZQF_PLUGIN_AboutDialogBoxPlugin::~ZQF_PLUGIN_AboutDialogBoxPlugin() = default;

void ZQF_PLUGIN_AboutDialogBoxPlugin::Initialize(long Stage) {
  if (Stage != ZQ_InitializationService::Stage_InitializeGlobal) return;
  InstallMenuElement();
  InstallHook();
}

void ZQF_PLUGIN_AboutDialogBoxPlugin::InstallMenuElement() {
  ZQF_PLUGIN_AppMainMenu* menu = ZQF_PLUGIN_GetAppMainMenu();
  if (!menu) return;
  menu->AddElement(new ZQF_StandardTextMenuElement(
                       ZQ_Internationalization_Translate(ZQ_String("&About")),
                       new ZQF_PLUGIN_AboutCommandMessage, new ZQF_PLUGIN_AboutCommandUpdateMessage),
                   ZQF_PLUGIN_AppMainMenu::MenuSection_HelpLast, ZQF_MenuElement::Position_LastChild);
}

void ZQF_PLUGIN_AboutDialogBoxPlugin::InstallHook() {
  ZQF_Application* application = ZQF_GetApplication();
  ZQF_MessageHookGlyph* hook = application ? application->GetMainWindowMessageHookGlyph() : nullptr;
  ZQ_ASSERT_TEXT(hook, "MHG");
  if (!hook) return;
  hook->InstallMessageHook(
      ZQF_MessageHookGlyph::HookCallback(this, &ZQF_PLUGIN_AboutDialogBoxPlugin::HookCallback),
      ZQF_MessageHookGlyph::Interest_Command | ZQF_MessageHookGlyph::Interest_Update, 0);
}

ZQF_PLUGIN_AboutDialogBox* ZQF_PLUGIN_AboutDialogBoxPlugin::CreateAboutDialogBox() {
  return new ZQF_PLUGIN_AboutDialogBox;
}

void ZQF_PLUGIN_AboutDialogBoxPlugin::HookCallback(ZQF_Message& Message, bool AlreadyHandled) {
  if (AlreadyHandled) return;
  if (dynamic_cast<ZQF_PLUGIN_AboutCommandMessage*>(&Message)) {
    Message.SetHandled();
    // Deleted when Run returns or throws (the cancel of a closed window).
    const ZQ_AutoPtr<ZQF_PLUGIN_AboutDialogBox> dialog(CreateAboutDialogBox());
    dialog->Run();
  } else if (auto* update = dynamic_cast<ZQF_PLUGIN_AboutCommandUpdateMessage*>(&Message)) {
    update->SetEnabled(true);
    update->SetHandled();
  }
}

// ---- The dialog ----

ZQF_PLUGIN_AboutDialogBox::ZQF_PLUGIN_AboutDialogBox()
    : ZQF_StandardDialogBox(ZQF_DialogBoxModality_Modal, ZQ_String(),
                            ZQF_ButtonPlacement_BelowRight, false) {
  AddHelpTopic(ZQ_String("ZQF_Help_AboutBox_id"), 0);
}

ZQF_PLUGIN_AboutDialogBox::~ZQF_PLUGIN_AboutDialogBox() = default;

void ZQF_PLUGIN_AboutDialogBox::Init_SetTitle() {
  SetTitle(TranslateAndFill("About {$1}", ZQF_GetApplicationMetrics().GetApplicationName()));
}

void ZQF_PLUGIN_AboutDialogBox::Init_AddClientControls(ZQF_AlignmentGlyph* Column) {
  Column->AddToEnd(new ZQF_VerticalGlueGlyph(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y));
  AddMainRow(Column);
  Column->AddToEnd(new ZQF_VerticalGlueGlyph(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y));
}

void ZQF_PLUGIN_AboutDialogBox::Init_AddButtons() { AddOKButton(nullptr, true); }

ZQF_ControlGlyph* ZQF_PLUGIN_AboutDialogBox::Init_GetInitiallySelectedControl() {
  return GetDefaultDefaultButton();
}

void ZQF_PLUGIN_AboutDialogBox::AddMainRow(ZQF_AlignmentGlyph* Column) {
  ZQF_AlignmentGlyph* row = CreateMainRow();
  AddMainRowContents(row);
  Column->AddToEnd(row);
}

ZQF_RowGlyph* ZQF_PLUGIN_AboutDialogBox::CreateMainRow() { return new ZQF_RowGlyph(0); }

void ZQF_PLUGIN_AboutDialogBox::AddMainRowContents(ZQF_AlignmentGlyph* Row) {
  const long gap = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X;
  Row->AddToEnd(new ZQF_HorizontalGlueGlyph(gap));
  AddLeftColumn(Row);
  Row->AddToEnd(new ZQF_HorizontalGlueGlyph(static_cast<long>(1.5 * gap)));
  AddRightColumn(Row);
  Row->AddToEnd(new ZQF_HorizontalGlueGlyph(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px).X));
}

void ZQF_PLUGIN_AboutDialogBox::AddLeftColumn(ZQF_AlignmentGlyph* Row) {
  ZQF_AlignmentGlyph* column = CreateLeftColumn();
  AddLeftColumnContents(column);
  Row->AddToEnd(column);
}

ZQF_ColumnGlyph* ZQF_PLUGIN_AboutDialogBox::CreateLeftColumn() { return new ZQF_ColumnGlyph(1); }

void ZQF_PLUGIN_AboutDialogBox::AddLeftColumnContents(ZQF_AlignmentGlyph* Column) {
  AddPrimaryBitmap(Column);
  AddTitle(Column);
}

void ZQF_PLUGIN_AboutDialogBox::AddPrimaryBitmap(ZQF_AlignmentGlyph* Column) {
  Column->AddToEnd(CreatePrimaryBitmapGlyph());
}

ZQF_Glyph* ZQF_PLUGIN_AboutDialogBox::CreatePrimaryBitmapGlyph() {
  return new PrimaryBitmapGlyph(
      ZQR_TransparentBitmap(*ZQF_GetApplicationMetrics().GetMainBitmap(), kLightGray));
}

void ZQF_PLUGIN_AboutDialogBox::AddTitle(ZQF_AlignmentGlyph* Column) {
  Column->AddToEnd(CreateTitleGlyph());
}

ZQF_Glyph* ZQF_PLUGIN_AboutDialogBox::CreateTitleGlyph() {
  return MakeHeadingGlyph(GetTitleText(), 16);
}

ZQ_String ZQF_PLUGIN_AboutDialogBox::GetTitleText() {
  const ZQF_ApplicationMetrics& metrics = ZQF_GetApplicationMetrics();
  return metrics.GetApplicationName() + " " + metrics.GetVersionString();
}

void ZQF_PLUGIN_AboutDialogBox::AddRightColumn(ZQF_AlignmentGlyph* Row) {
  ZQF_AlignmentGlyph* column = CreateRightColumn();
  AddRightColumnContents(column);
  Row->AddToEnd(column);
}

ZQF_ColumnGlyph* ZQF_PLUGIN_AboutDialogBox::CreateRightColumn() { return new ZQF_ColumnGlyph(0); }

void ZQF_PLUGIN_AboutDialogBox::AddRightColumnContents(ZQF_AlignmentGlyph* Column) {
  AddDescription(Column);
  AddBodyText(Column);
}

void ZQF_PLUGIN_AboutDialogBox::AddDescription(ZQF_AlignmentGlyph* Column) {
  auto* centred = new ZQF_ColumnGlyph(1);
  centred->AddToEnd(CreateDescriptionGlyph());
  Column->AddToEnd(centred);
}

ZQF_Glyph* ZQF_PLUGIN_AboutDialogBox::CreateDescriptionGlyph() {
  return MakeHeadingGlyph(GetDescriptionText(), 12);
}

ZQ_String ZQF_PLUGIN_AboutDialogBox::GetDescriptionText() {
  return ZQF_GetApplicationMetrics().GetShortDescription();
}

void ZQF_PLUGIN_AboutDialogBox::AddBodyText(ZQF_AlignmentGlyph* Column) {
  AddVersionInfoToBodyText(Column);
  AddInstalledExtensionsToBodyText(Column);
  AddNoticeToBodyText(Column);
  AddLatestVersionInfoToBodyText(Column);
  AddAdditionalInfoToBodyText(Column);
  AddOrganizationInfoToBodyText(Column);
}

void ZQF_PLUGIN_AboutDialogBox::AddVersionInfoToBodyText(ZQF_AlignmentGlyph* Column) {
  const ZQF_ApplicationMetrics& metrics = ZQF_GetApplicationMetrics();
  AddBlankLine(Column);
  AddTextLine(Column, TranslateAndFill("Version {$1}, Build {$2}", metrics.GetVersionString(),
                                       ZQ_ToString(metrics.GetBuildNumber())));
}

void ZQF_PLUGIN_AboutDialogBox::AddInstalledExtensionsToBodyText(ZQF_AlignmentGlyph* Column) {
  const ZQ_List<ZQ_String>& names = ZQF_GetInstalledExtensionNames();
  if (names.IsEmpty()) return;
  AddBlankLine(Column);
  AddTextLine(Column, ZQ_Internationalization_Translate(ZQ_String("Installed Extensions:")));
  for (auto name = names.GetIterator(); name.IsValid(); name.Advance()) {
    AddTextLine(Column, "    " + *name);
  }
}

void ZQF_PLUGIN_AboutDialogBox::AddNoticeToBodyText(ZQF_AlignmentGlyph* Column) {
  const ZQ_String notice = ZQF_GetApplicationMetrics().GetNoticeText();
  if (notice.IsEmpty()) return;
  AddBlankLine(Column);
  AddTextLine(Column, notice);
}

void ZQF_PLUGIN_AboutDialogBox::AddLatestVersionInfoToBodyText(ZQF_AlignmentGlyph* Column) {
  const ZQF_ApplicationMetrics& metrics = ZQF_GetApplicationMetrics();
  const ZQ_String address = metrics.GetLatestVersionAddress();
  if (address.IsEmpty()) return;
  AddBlankLine(Column);
  AddTextLine(Column, TranslateAndFill("The latest version of {$1} can be obtained at",
                                       metrics.GetApplicationName()));
  // The link derives what it opens from the address, so that one without a
  // scheme opens as a web page rather than as a file name.
  AddLinkLine(Column, address, ZQ_String());
}

void ZQF_PLUGIN_AboutDialogBox::AddAdditionalInfoToBodyText(ZQF_AlignmentGlyph*) {}

void ZQF_PLUGIN_AboutDialogBox::AddOrganizationInfoToBodyText(ZQF_AlignmentGlyph* Column) {
  for (int i = 0; i < 3; ++i) AddBlankLine(Column);
  auto* block = new ZQF_ColumnGlyph(2);
  auto* row = new ZQF_RowGlyph(2);
  row->AddToEnd(new ZQF_HorizontalGlueGlyph);
  row->AddToEnd(block);
  Column->AddToEnd(row);
  BuildOrganizationInfo(block);
}

void ZQF_PLUGIN_AboutDialogBox::BuildOrganizationInfo(ZQF_AlignmentGlyph* Column) {
  if (ZQF_GetApplicationMetrics().IsCompanyLogoAvailable()) {
    AddCompanyLogo(Column);
  } else {
    AddOrganizationName(Column);
  }
  AddContactEmailAddress(Column);
  AddWebSiteAddress(Column);
}

void ZQF_PLUGIN_AboutDialogBox::AddCompanyLogo(ZQF_AlignmentGlyph* Column) {
  ZQF_ApplicationMetrics& metrics = ZQF_GetApplicationMetrics();
  ZQ_ASSERT_TEXT(metrics.IsCompanyLogoAvailable(),
                 "ZQF_GetApplicationMetrics()->IsCompanyLogoAvailable()");
  if (!metrics.IsCompanyLogoAvailable()) return;
  auto* logo = new ZQF_ImageDisplayGlyph(*metrics.GetCompanyLogo());
  logo->SetDesiredImageSize(GetCompanyLogoWidth(), -1);
  logo->SetRecolor(true);
  logo->SetScaleImage(true);
  Column->AddToEnd(logo);
}

long ZQF_PLUGIN_AboutDialogBox::GetCompanyLogoWidth() { return 4 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X; }

void ZQF_PLUGIN_AboutDialogBox::AddOrganizationName(ZQF_AlignmentGlyph* Column) {
  const ZQ_String name = ZQF_GetApplicationMetrics().GetOrganizationName();
  if (!name.IsEmpty()) AddTextLine(Column, name);
}

void ZQF_PLUGIN_AboutDialogBox::AddOrganizationAddress(ZQF_AlignmentGlyph* Column) {
  const ZQ_String address = ZQF_GetApplicationMetrics().GetOrganizationAddress();
  if (!address.IsEmpty()) AddTextLine(Column, address);
}

void ZQF_PLUGIN_AboutDialogBox::AddContactEmailAddress(ZQF_AlignmentGlyph* Column) {
  const ZQ_String address = ZQF_GetApplicationMetrics().GetContactEmailAddress();
  if (!address.IsEmpty()) AddLinkLine(Column, address, "mailto:" + address);
}

void ZQF_PLUGIN_AboutDialogBox::AddWebSiteAddress(ZQF_AlignmentGlyph* Column) {
  const ZQ_String address = ZQF_GetApplicationMetrics().GetWebSiteAddress();
  // Empty: the link supplies a scheme when the address has none.
  if (!address.IsEmpty()) AddLinkLine(Column, address, ZQ_String());
}

void ZQF_PLUGIN_AboutDialogBox::AddTextLine(ZQF_AlignmentGlyph* Column, const ZQ_String& Text) {
  // Labels read "&" as a mnemonic marker: the texts here are shown as they
  // are ("R&D" stays "R&D" and grants no Alt key), so each "&" is doubled.
  ZQ_String shown;
  for (int i = 0; i < Text.GetLength(); ++i) {
    if (Text[i] == '&') shown += '&';
    shown += Text[i];
  }
  Column->AddToEnd(new ZQF_InlineStoredLabelGlyph(shown));
}

void ZQF_PLUGIN_AboutDialogBox::AddLinkLine(ZQF_AlignmentGlyph* Column, const ZQ_String& Text,
                                            const ZQ_String& Address) {
  Column->AddToEnd(new URL_LinkGlyph(Text, Address));
}

void ZQF_PLUGIN_AboutDialogBox::AddBlankLine(ZQF_AlignmentGlyph* Column) {
  AddTextLine(Column, ZQ_String());
}

ZQ_List<ZQ_String>& ZQF_GetInstalledExtensionNames() {
  // Built on first use; the links go with the program's static objects.
  static ZQ_List<ZQ_String> s_names;
  return s_names;
}
