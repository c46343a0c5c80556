// The metric tables: their descriptions, the resets from the system, the
// getters, the metric device context and the stage callback. The pictures
// (pattern brushes, button bitmaps) are made in ZQF_MetricPictures.cpp.
#include "ZQF_Metrics.h"

#include <memory>

#include "ZQF_Glyph.h"
#include "ZQF_MetricPictures.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Utils.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_AbstractFont.h"
#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"
#include "ZQ_OperatingSystem.h"

namespace {

struct ColorDescription {
  int SystemColor;  // -1: never asked
  int MinimumShell;
  BYTE Red, Green, Blue;
};

// Keys 32 and 33 are the default background and text of labels and
// controls, 28 and 29 those of tooltips; 13 is made from 12 and 14.
ColorDescription s_colorDescriptions[ZQF_ColorMetric_Num] = {
    {COLOR_ACTIVEBORDER, 1, 192, 192, 192},   {COLOR_ACTIVECAPTION, 1, 192, 192, 192},
    {COLOR_CAPTIONTEXT, 1, 0, 0, 0},          {COLOR_3DDKSHADOW, 2, 0, 0, 0},
    {COLOR_BTNSHADOW, 2, 128, 128, 128},      {COLOR_3DLIGHT, 2, 224, 224, 224},
    {COLOR_BTNHIGHLIGHT, 2, 255, 255, 255},   {COLOR_BTNFACE, 2, 192, 192, 192},
    {COLOR_BTNTEXT, 1, 0, 0, 0},              {COLOR_WINDOW, 1, 255, 255, 255},
    {COLOR_WINDOWTEXT, 1, 0, 0, 0},           {COLOR_BTNSHADOW, 1, 128, 128, 128},
    {COLOR_WINDOW, 1, 255, 255, 255},         {-1, 4, 245, 241, 230},
    {COLOR_WINDOWTEXT, 1, 0, 0, 0},           {COLOR_INACTIVEBORDER, 1, 192, 192, 192},
    {COLOR_INACTIVECAPTION, 1, 192, 192, 192}, {COLOR_INACTIVECAPTIONTEXT, 1, 128, 128, 128},
    {COLOR_APPWORKSPACE, 1, 128, 128, 128},   {COLOR_MENU, 1, 192, 192, 192},
    {COLOR_MENUTEXT, 1, 0, 0, 0},             {COLOR_BTNFACE, 2, 224, 224, 224},
    {COLOR_BTNTEXT, 1, 0, 0, 0},              {COLOR_SCROLLBAR, 1, 224, 224, 224},
    {COLOR_HIGHLIGHT, 1, 0, 0, 128},          {COLOR_HIGHLIGHTTEXT, 1, 255, 255, 255},
    {COLOR_BTNFACE, 2, 192, 192, 192},        {COLOR_BTNTEXT, 1, 0, 0, 0},
    {COLOR_INFOBK, 2, 255, 255, 228},         {COLOR_INFOTEXT, 2, 0, 0, 0},
    {COLOR_BTNFACE, 2, 192, 192, 192},        {COLOR_HOTLIGHT, 3, 0, 0, 255},
    {COLOR_BTNFACE, 2, 192, 192, 192},        {COLOR_BTNTEXT, 1, 0, 0, 0}};

const ZQ_Point<long> s_sizeDefaults[ZQF_SizeMetric_Num] = {
    {1, 1},   {2, 2},   {3, 3}, {4, 4}, {6, 6}, {8, 8}, {12, 12}, {16, 16}, {24, 24},
    {32, 32}, {16, 16}, {0, 0}, {0, 0}, {4, 4}, {16, 16}, {4, 4}, {2, 2},   {16, 16}};

const long s_timeDefaults[ZQF_TimeMetric_Num] = {350, 50, 500, 200, 100, 500};

struct CursorDescription {
  int StockCursor;  // 0: none
  char ResourceName[24];
};

const CursorDescription s_cursorDescriptions[ZQF_CursorMetric_Num] = {
    {32512, "ZQF_DefaultCursor"},      {32513, "ZQF_IBeamCursor"},
    {32514, "ZQF_WaitCursor"},         {32650, "ZQF_AppStartingCursor"},
    {32645, "ZQF_ResizeNSCursor"},     {32644, "ZQF_ResizeEWCursor"},
    {32643, "ZQF_ResizeNESWCursor"},   {32642, "ZQF_ResizeNWSECursor"},
    {0, "ZQF_ResizePaneNSCursor"},     {0, "ZQF_ResizePaneEWCursor"},
    {32515, "ZQF_ThinCrossCursor"},    {0, "ZQF_ThickCrossCursor"},
    {0, "ZQF_SelectRowCursor"},        {32648, "ZQF_NoDropCursor"},
    {0, "ZQF_HelpCursor"},             {0, "ZQF_MagnifyCursor"},
    {0, "ZQF_PointingHandCursor"},     {0, "ZQF_InvisibleCursor"}};

struct BoolDescription {
  UINT Action;  // 0: never asked
  int MinimumShell;
  bool Default;
};

const BoolDescription s_boolDescriptions[ZQF_BoolMetric_Num] = {{SPI_GETKEYBOARDCUES, 3, false},
                                                                {0, 4, false}};

const char* const s_buttonBitmapResources[] = {
    "ZQF_CheckBoxUpBitmap",    "ZQF_CheckBoxDownBitmap",    "ZQF_CheckBoxUnknownBitmap",
    "ZQF_RadioButtonUpBitmap", "ZQF_RadioButtonDownBitmap", "ZQF_RadioButtonUnknownBitmap"};
const int s_buttonBitmapKeys[] = {0, 1, 2, 9, 10, 11};

const char* const s_messageBoxBitmapResources[] = {"ZQF_QuestionBitmap", "ZQF_InformationBitmap",
                                                   "ZQF_WarningBitmap", "ZQF_ErrorBitmap"};

// The NONCLIENTMETRICSA of systems before Vista, without iPaddedBorderWidth:
// the size every Windows version accepts.
const UINT kNonClientMetricsSize = 340;
static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize, "room for the old layout");

struct MetricTables {
  ZQR_Color Colors[ZQF_ColorMetric_Num];
  std::unique_ptr<ZQ_Array<ZQR_ConcreteFont>> Fonts;
  ZQ_Point<long> Sizes[ZQF_SizeMetric_Num];
  ZQ_Rectangle<long> Areas[ZQF_AreaMetric_Num];
  long Times[ZQF_TimeMetric_Num] = {};
  std::unique_ptr<ZQ_Array<ZQR_Cursor>> Cursors;
  std::unique_ptr<ZQ_Array<ZQR_Brush>> Brushes;
  std::unique_ptr<ZQ_Array<ZQR_Bitmap>> Bitmaps;
  bool Bools[ZQF_BoolMetric_Num] = {};
  ZQR_DeviceContext MetricDC;
  int Shell = 0;  // 0: not yet worked out
};

MetricTables s_tables;

const ZQ_StageCallbackRegistration s_registration(&ZQF_Metrics_InitializationServiceCallback,
                                                  ZQ_InitializationService::Position_Metrics);

bool KeyBelow(int Key, int Count) { return 0 <= Key && Key < Count; }

template <class T>
ZQ_Array<T>& MadeTable(std::unique_ptr<ZQ_Array<T>>& Table, long Count) {
  if (!Table) Table.reset(new ZQ_Array<T>(Count));
  return *Table;
}

// What an assertion that returned hands back for a key without an entry.
template <class T>
const T& NoEntry() {
  static const T s_none{};
  return s_none;
}

template <class T>
const T& EntryOf(const std::unique_ptr<ZQ_Array<T>>& Table, int Key, int Count) {
  return Table && KeyBelow(Key, Count) ? (*Table)[Key] : NoEntry<T>();
}

ZQR_Color SystemOrFallbackColor(const ColorDescription& Description) {
  if (Description.SystemColor >= 0 && ZQF_GetCurrentShell() >= Description.MinimumShell) {
    return ZQR_Color(ZQLOW_WINUSER::GetSysColor(Description.SystemColor));
  }
  return ZQR_Color(Description.Red, Description.Green, Description.Blue);
}

void ResetColorMetrics() {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  // On a palette display the 3-D light colour falls back to a grey the
  // palette holds, and keeps it.
  if (ZQLOW_WINGDI::GetDeviceCaps(dc, NUMCOLORS) > 0) {
    ColorDescription& light = s_colorDescriptions[5];
    light.Red = light.Green = light.Blue = 192;
  }
  for (int key = 0; key < ZQF_ColorMetric_Num; ++key) {
    const ZQR_Color color = SystemOrFallbackColor(s_colorDescriptions[key]);
    s_tables.Colors[key] = ZQR_Color(ZQLOW_WINGDI::GetNearestColor(dc, color.GetCOLORREF()));
  }
  s_tables.Colors[13] = ZQR_BlendColors(s_tables.Colors[12], s_tables.Colors[14], 0.1);
}

void ResetCursorMetrics() {
  ZQ_Array<ZQR_Cursor>& cursors = MadeTable(s_tables.Cursors, ZQF_CursorMetric_Num);
  for (int key = 0; key < ZQF_CursorMetric_Num; ++key) {
    const CursorDescription& description = s_cursorDescriptions[key];
    cursors[key] = description.StockCursor
                       ? ZQR_Cursor::LoadStockCursor(MAKEINTRESOURCEA(description.StockCursor))
                       : ZQR_Cursor(ZQ_String(description.ResourceName));
  }
}

ZQR_ConcreteFont CaptionFont(HDC DC) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kNonClientMetricsSize;
  ZQLOW_WINUSER::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics,
                                       0);
  ZQR_AbstractFont font;
  font.ReadStateFromLogFontStruct(metrics.lfCaptionFont, DC);
  return ZQR_ConcreteFont(font, DC);
}

void ResetFontMetrics() {
  ZQ_Array<ZQR_ConcreteFont>& fonts = MadeTable(s_tables.Fonts, ZQF_FontMetric_Num);
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  fonts[0] = ZQR_ConcreteFont(SYSTEM_FONT);
  fonts[1] = ZQR_ConcreteFont(SYSTEM_FIXED_FONT);
  fonts[2] = ZQR_ConcreteFont(OEM_FIXED_FONT);
  fonts[3] = ZQR_ConcreteFont(ANSI_VAR_FONT);
  fonts[4] = ZQR_ConcreteFont(ANSI_FIXED_FONT);
  for (int key = 5; key <= 12; ++key) fonts[key] = fonts[3];
  fonts[5] = CaptionFont(dc);
  fonts[13] = ZQR_ConcreteFont(dc, 1, 10, ZQR_ConcreteFont::Bold, 0);
  fonts[14] = ZQR_ConcreteFont(dc, 1, 12, ZQR_ConcreteFont::Bold, 0);
  fonts[15] = ZQR_ConcreteFont(dc, 1, 14, ZQR_ConcreteFont::Bold, 0);
  fonts[16] = ZQR_ConcreteFont(dc, 3, 10, 0, 0);
}

ZQ_Rectangle<long> WholeScreen() {
  return ZQ_Rectangle<long>(0, 0, ZQLOW_WINUSER::GetSystemMetrics(SM_CXSCREEN),
                            ZQLOW_WINUSER::GetSystemMetrics(SM_CYSCREEN));
}

void ResetSizeMetrics() {
  for (int key = 0; key < ZQF_SizeMetric_Num; ++key) s_tables.Sizes[key] = s_sizeDefaults[key];
  const ZQ_Rectangle<long> screen = WholeScreen();
  s_tables.Sizes[11] = ZQ_Point<long>(screen.Width, screen.Height);
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  s_tables.Sizes[12] = ZQ_Point<long>(ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(dc, HORZSIZE),
                                      ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(dc, VERTSIZE));
}

void ResetAreaMetrics() {
  s_tables.Areas[1] = WholeScreen();
  if (ZQF_GetCurrentShell() < 2) {
    s_tables.Areas[0] = s_tables.Areas[1];
    return;
  }
  RECT work{};
  ZQLOW_WINUSER::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  s_tables.Areas[0] =
      ZQ_Rectangle<long>(work.left, work.top, work.right - work.left, work.bottom - work.top);
}

void ResetTimeMetrics() {
  for (int key = 0; key < ZQF_TimeMetric_Num; ++key) s_tables.Times[key] = s_timeDefaults[key];
  s_tables.Times[2] = static_cast<long>(ZQLOW_WINUSER::GetCaretBlinkTime());
}

void ResetBrushMetrics() {
  ZQ_Array<ZQR_Brush>& brushes = MadeTable(s_tables.Brushes, ZQF_BrushMetric_Num);
  const int stock[] = {BLACK_BRUSH, DKGRAY_BRUSH, GRAY_BRUSH, LTGRAY_BRUSH, NULL_BRUSH, WHITE_BRUSH};
  for (int key = 0; key < 6; ++key) brushes[key] = ZQR_Brush(stock[key]);
  const ZQR_Color* colors = s_tables.Colors;
  brushes[6] = ZQF_MakeCheckerboardBrush(colors[7], colors[6]);
  brushes[7] = ZQF_MakeCheckerboardBrush(colors[3], colors[4]);
}

void AssertSameSize(const ZQ_Array<ZQR_Bitmap>& Bitmaps, int Up, int Other, const char* Text) {
  ZQ_ASSERT_TEXT(Bitmaps[Up].GetSize() == Bitmaps[Other].GetSize(), Text);
}

void ResetBitmapMetrics() {
  ZQ_Array<ZQR_Bitmap>& bitmaps = MadeTable(s_tables.Bitmaps, ZQF_BitmapMetric_Num);
  for (int i = 0; i < 6; ++i) {
    const int key = s_buttonBitmapKeys[i];
    ZQF_ButtonBitmaps made = ZQF_MakeButtonBitmaps(s_buttonBitmapResources[i]);
    bitmaps[key] = made.Normal;
    bitmaps[key + 3] = made.FaceInterior;
    bitmaps[key + 6] = made.Disabled;
  }
  for (int i = 0; i < 4; ++i) bitmaps[18 + i] = ZQR_Bitmap(ZQ_String(s_messageBoxBitmapResources[i]));
  AssertSameSize(bitmaps, 0, 1,
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_CheckBoxUp ].GetSize() == "
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_CheckBoxDown ].GetSize()");
  AssertSameSize(bitmaps, 0, 2,
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_CheckBoxUp ].GetSize() == "
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_CheckBoxUnknown ].GetSize()");
  AssertSameSize(bitmaps, 9, 10,
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_RadioButtonUp ].GetSize() == "
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_RadioButtonDown ].GetSize()");
  AssertSameSize(bitmaps, 9, 11,
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_RadioButtonUp ].GetSize() == "
                 "(*BitmapMetricTable) [ZQF_BitmapMetric_RadioButtonUnknown ].GetSize()");
}

void ResetBoolMetrics() {
  for (int key = 0; key < ZQF_BoolMetric_Num; ++key) {
    const BoolDescription& description = s_boolDescriptions[key];
    bool value = description.Default;
    if (description.Action && ZQF_GetCurrentShell() >= description.MinimumShell) {
      BOOL answer = FALSE;
      ZQLOW_WINUSER::SystemParametersInfoA(description.Action, 0, &answer, 0);
      value = answer != FALSE;
    }
    s_tables.Bools[key] = value;
  }
}

void DeinitializeMetricUnit() {
  ZQF_ReleaseMetricDC();
  s_tables.Brushes.reset();
  s_tables.Bitmaps.reset();
  s_tables.Fonts.reset();
  s_tables.Cursors.reset();
}

// Children first, then the child itself: every desired size and position
// of the subtree is computed anew by the next layout.
void NoteSystemMetricsChange_Helper(ZQF_Glyph* Glyph) {
  for (ZQF_Glyph* child = Glyph->GetFirstChild(); child; child = child->GetNextSibling()) {
    NoteSystemMetricsChange_Helper(child);
    child->MarkLayoutStale();
  }
}

}  // namespace

const ZQR_Color& ZQF_GetColorMetric(int ColorKey) {
  ZQ_ASSERT_TEXT(KeyBelow(ColorKey, ZQF_ColorMetric_Num), "ColorKey < ZQF_ColorMetric_Num");
  return KeyBelow(ColorKey, ZQF_ColorMetric_Num) ? s_tables.Colors[ColorKey] : NoEntry<ZQR_Color>();
}

const ZQR_ConcreteFont& ZQF_GetFontMetric(int FontKey) {
  ZQ_ASSERT_TEXT(s_tables.Fonts != nullptr, "FontMetricTable");
  ZQ_ASSERT_TEXT(KeyBelow(FontKey, ZQF_FontMetric_Num), "FontKey < ZQF_FontMetric_Num");
  return EntryOf(s_tables.Fonts, FontKey, ZQF_FontMetric_Num);
}

ZQ_Point<long> ZQF_GetSizeMetric(int SizeMetricKey) {
  ZQ_ASSERT_TEXT(KeyBelow(SizeMetricKey, ZQF_SizeMetric_Num),
                 "SizeMetricKey < ZQF_SizeMetric_Num");
  return KeyBelow(SizeMetricKey, ZQF_SizeMetric_Num) ? s_tables.Sizes[SizeMetricKey]
                                                     : ZQ_Point<long>();
}

const ZQ_Rectangle<long>& ZQF_GetAreaMetric(int AreaMetricKey) {
  ZQ_ASSERT_TEXT(KeyBelow(AreaMetricKey, ZQF_AreaMetric_Num),
                 "AreaMetricKey < ZQF_AreaMetric_Num");
  return KeyBelow(AreaMetricKey, ZQF_AreaMetric_Num) ? s_tables.Areas[AreaMetricKey]
                                                     : NoEntry<ZQ_Rectangle<long>>();
}

long ZQF_GetTimeMetric(int TimeMetricKey) {
  ZQ_ASSERT_TEXT(KeyBelow(TimeMetricKey, ZQF_TimeMetric_Num),
                 "TimeMetricKey < ZQF_TimeMetric_Num");
  return KeyBelow(TimeMetricKey, ZQF_TimeMetric_Num) ? s_tables.Times[TimeMetricKey] : 0;
}

const ZQR_Cursor& ZQF_GetCursorMetric(int CursorMetricKey) {
  ZQ_ASSERT_TEXT(KeyBelow(CursorMetricKey, ZQF_CursorMetric_Num),
                 "CursorMetricKey < ZQF_CursorMetric_Num");
  return EntryOf(s_tables.Cursors, CursorMetricKey, ZQF_CursorMetric_Num);
}

const ZQR_Brush& ZQF_GetBrushMetric(int BrushMetricKey) {
  ZQ_ASSERT_TEXT(KeyBelow(BrushMetricKey, ZQF_BrushMetric_Num),
                 "BrushMetricKey < ZQF_BrushMetric_Num");
  return EntryOf(s_tables.Brushes, BrushMetricKey, ZQF_BrushMetric_Num);
}

const ZQR_Bitmap& ZQF_GetBitmapMetric(int BitmapMetricKey) {
  ZQ_ASSERT_TEXT(KeyBelow(BitmapMetricKey, ZQF_BitmapMetric_Num),
                 "BitmapMetricKey < ZQF_BitmapMetric_Num");
  return EntryOf(s_tables.Bitmaps, BitmapMetricKey, ZQF_BitmapMetric_Num);
}

bool ZQF_GetBoolMetric(int BoolKey) {
  ZQ_ASSERT_TEXT(KeyBelow(BoolKey, ZQF_BoolMetric_Num), "BoolKey < ZQF_BoolMetric_Num");
  return KeyBelow(BoolKey, ZQF_BoolMetric_Num) && s_tables.Bools[BoolKey];
}

ZQR_DeviceContext ZQF_GetMetricDC() {
  if (!s_tables.MetricDC.GetHDC()) {
    s_tables.MetricDC =
        ZQR_DeviceContext(ZQLOW_WINGDI::CreateDCA("DISPLAY", nullptr, nullptr, nullptr), nullptr, 0);
  }
  return s_tables.MetricDC;
}

void ZQF_ReleaseMetricDC() {
  if (s_tables.MetricDC.GetHDC()) s_tables.MetricDC = ZQR_DeviceContext();
}

void ZQF_ResetMetricsByQueryingSystem() {
  ZQF_ReleaseMetricDC();
  ResetColorMetrics();
  ResetCursorMetrics();
  ResetFontMetrics();
  ResetSizeMetrics();
  ResetAreaMetrics();
  ResetTimeMetrics();
  ResetBrushMetrics();
  ResetBitmapMetrics();
  ResetBoolMetrics();
}

void ZQF_NoteSystemMetricsChange() {
  ZQF_ResetMetricsByQueryingSystem();
  for (ZQ_Iterator<ZQF_Window*> i = ZQF_Window::GetCurrentWindowsIterator(); i.IsValid();
       i.Advance()) {
    ZQF_TopLevelGlyph* root = (*i)->GetTopLevelGlyph();
    if (!root) continue;
    NoteSystemMetricsChange_Helper(root);
    root->ProcessResize();
  }
}

void ZQF_Metrics_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_InitializeDefinition) {
    ZQF_ResetMetricsByQueryingSystem();
  } else if (Stage == ZQ_InitializationService::Stage_DeinitializeDefinition) {
    DeinitializeMetricUnit();
  }
}

int ZQF_GetShellLevel(int Platform, int Version) {
  switch (Platform) {
    case ZQ_OperatingSystemPlatform_Win32s:
      return 1;
    case ZQ_OperatingSystemPlatform_Win9x:
      return Version >= ZQ_OSVersion_Windows98 ? 3 : 2;
    case ZQ_OperatingSystemPlatform_NT:
      return Version >= ZQ_OSVersion_Windows2000 ? 3 : 2;
    default:
      return 3;
  }
}

int ZQF_GetCurrentShell() {
  if (s_tables.Shell == 0) {
    s_tables.Shell = ZQF_GetShellLevel(ZQ_GetOperatingSystemPlatform(),
                                       ZQ_GetOperatingSystemVersion());
  }
  return s_tables.Shell;
}

void ZQF_SetCurrentShellForTesting(int Level) { s_tables.Shell = Level; }

void ZQF_SetColorMetricForTesting(int ColorKey, const ZQR_Color& Color) {
  if (KeyBelow(ColorKey, ZQF_ColorMetric_Num)) s_tables.Colors[ColorKey] = Color;
}
