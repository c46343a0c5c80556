// ZQF_Metrics.h: every look-and-feel value of the toolkit, in nine tables
// read by small integer keys: colours, fonts, sizes, screen areas, times,
// cursors, brushes, bitmaps and booleans. The tables are filled from the
// system at initialization stage 1, refilled when Windows reports a change
// of settings (ZQF_NoteSystemMetricsChange, which also lays every window out
// again) and released at stage 13; the getters of the fonts, cursors,
// brushes and bitmaps must not be called before stage 1. Also the shared
// screen device context ("DISPLAY") on which text and pictures are measured
// outside of painting, made on demand and dropped after every window
// message. A key outside its table fails the getter's assertion. Failed
// Windows calls throw through the wrappers. UI thread only.
#ifndef ZQF_METRICS_H
#define ZQF_METRICS_H

#include "ZQR_Bitmap.h"
#include "ZQR_Brush.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQR_Cursor.h"
#include "ZQR_DeviceContext.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

enum {
  ZQF_ColorMetric_Num = 34,
  ZQF_FontMetric_Num = 17,
  ZQF_SizeMetric_Num = 18,
  ZQF_AreaMetric_Num = 2,
  ZQF_TimeMetric_Num = 6,
  ZQF_CursorMetric_Num = 18,
  ZQF_BrushMetric_Num = 8,
  ZQF_BitmapMetric_Num = 22,
  ZQF_BoolMetric_Num = 2
};

// The keys of the tables. Each table below lists every key of its kind: the
// value it is filled from and its role where the toolkit gives it one. The
// keys in use have names (from the role where there is one, else from the
// source); a key without a name is filled but used nowhere. A key's number
// is its identity (a ZQF_Color holds one) and never changes.

// Colours: GetSysColor of the system colour from the shell level named (see
// ZQF_GetCurrentShell), below it the fallback red, green, blue; then the
// nearest colour the screen shows.
enum {
  ZQF_ColorMetric_ActiveBorder = 0,         // COLOR_ACTIVEBORDER, 1, 192 192 192: active frame
  ZQF_ColorMetric_ActiveCaption = 1,        // COLOR_ACTIVECAPTION, 1, 192 192 192: active title bar
  ZQF_ColorMetric_CaptionText = 2,          // COLOR_CAPTIONTEXT, 1, 0 0 0: active title text
  ZQF_ColorMetric_DarkShadow3D = 3,         // COLOR_3DDKSHADOW, 2, 0 0 0: outer bevel shadow
  ZQF_ColorMetric_ButtonShadow = 4,         // COLOR_BTNSHADOW, 2, 128 128 128: bevel shadow
  ZQF_ColorMetric_Light3D = 5,              // COLOR_3DLIGHT, 2, 224 224 224 (192 on a palette
                                            //   display): inner bevel light
  ZQF_ColorMetric_ButtonHighlight = 6,      // COLOR_BTNHIGHLIGHT, 2, 255 255 255: bevel highlight
  ZQF_ColorMetric_ButtonFace = 7,           // COLOR_BTNFACE, 2, 192 192 192: button face
  ZQF_ColorMetric_ButtonText = 8,           // COLOR_BTNTEXT, 1, 0 0 0: button text and symbols
  ZQF_ColorMetric_FieldBackground = 9,      // COLOR_WINDOW, 1, 255 255 255: text fields, lists,
                                            //   dropdowns, check-box interiors
  ZQF_ColorMetric_FieldText = 10,           // COLOR_WINDOWTEXT, 1, 0 0 0: their text and marks
  //                                  11       COLOR_BTNSHADOW, 1, 128 128 128
  ZQF_ColorMetric_DocumentBackground = 12,  // COLOR_WINDOW, 1, 255 255 255: shown documents
  ZQF_ColorMetric_DocumentShade = 13,       // 90 % of key 12 and 10 % of key 14: shaded
                                            //   document areas
  ZQF_ColorMetric_DocumentText = 14,        // COLOR_WINDOWTEXT, 1, 0 0 0: document text
  ZQF_ColorMetric_InactiveBorder = 15,      // COLOR_INACTIVEBORDER, 1, 192 192 192: inactive frame
  ZQF_ColorMetric_InactiveCaption = 16,     // COLOR_INACTIVECAPTION, 1, 192 192 192: inactive title
                                            //   bar
  ZQF_ColorMetric_InactiveCaptionText = 17, // COLOR_INACTIVECAPTIONTEXT, 1, 128 128 128: inactive
                                            //   title text
  //                                  18       COLOR_APPWORKSPACE, 1, 128 128 128
  //                                  19       COLOR_MENU, 1, 192 192 192
  //                                  20       COLOR_MENUTEXT, 1, 0 0 0
  //                                  21       COLOR_BTNFACE, 2, 224 224 224
  //                                  22       COLOR_BTNTEXT, 1, 0 0 0
  //                                  23       COLOR_SCROLLBAR, 1, 224 224 224
  ZQF_ColorMetric_SelectionBackground = 24, // COLOR_HIGHLIGHT, 1, 0 0 128: selected text and rows
  ZQF_ColorMetric_SelectionText = 25,       // COLOR_HIGHLIGHTTEXT, 1, 255 255 255: their text
  //                                  26       COLOR_BTNFACE, 2, 192 192 192
  //                                  27       COLOR_BTNTEXT, 1, 0 0 0
  ZQF_ColorMetric_TooltipBackground = 28,   // COLOR_INFOBK, 2, 255 255 228: tooltip background
  ZQF_ColorMetric_TooltipText = 29,         // COLOR_INFOTEXT, 2, 0 0 0: tooltip text
  ZQF_ColorMetric_HyperlinkBackground = 30, // COLOR_BTNFACE, 2, 192 192 192: hyperlink background
  ZQF_ColorMetric_HyperlinkText = 31,       // COLOR_HOTLIGHT, 3, 0 0 255: hyperlink text, links
  ZQF_ColorMetric_LabelBackground = 32,     // COLOR_BTNFACE, 2, 192 192 192: label and control
                                            //   background, the default background
  ZQF_ColorMetric_LabelText = 33            // COLOR_BTNTEXT, 1, 0 0 0: label and control text,
                                            //   the default colour of ZQF_Color
};

// Fonts: stock fonts, the system caption font and fonts of a family code,
// size and weight realised for the metric context.
enum {
  ZQF_FontMetric_System = 0,        // SYSTEM_FONT: the canvas's first font
  //                         1         SYSTEM_FIXED_FONT
  //                         2         OEM_FIXED_FONT
  ZQF_FontMetric_AnsiVariable = 3,  // ANSI_VAR_FONT
  ZQF_FontMetric_FixedPitch = 4,    // ANSI_FIXED_FONT: fixed-pitch text (reports, fields)
  ZQF_FontMetric_Caption = 5,       // the system caption font: window titles
  ZQF_FontMetric_Button = 6,        // ANSI_VAR_FONT: buttons, check boxes, radio buttons, tabs
  ZQF_FontMetric_Field = 7,         // ANSI_VAR_FONT: text fields and lists
  //                         8 to 10   ANSI_VAR_FONT
  ZQF_FontMetric_Tooltip = 11,      // ANSI_VAR_FONT: plain-text tooltips
  ZQF_FontMetric_Label = 12,        // ANSI_VAR_FONT: labels, captions, hyperlinks, text displays
  ZQF_FontMetric_SansBold10 = 13,   // family 1 (sans serif), 10 points, bold
  ZQF_FontMetric_SansBold12 = 14,   // family 1, 12 points, bold
  ZQF_FontMetric_SansBold14 = 15,   // family 1, 14 points, bold
  ZQF_FontMetric_Mono10 = 16        // family 3 (fixed pitch), 10 points
};

// Sizes (x, y) in pixels: fixed values, but for the screen's two. Keys 0 to
// 9 are the spacing scale that frames, margins, gaps, steps and least sizes
// are measured in, named by their size.
enum {
  ZQF_SizeMetric_Gap1Px = 0,             // 1, 1
  ZQF_SizeMetric_Gap2Px = 1,             // 2, 2
  ZQF_SizeMetric_Gap3Px = 2,             // 3, 3
  ZQF_SizeMetric_Gap4Px = 3,             // 4, 4
  ZQF_SizeMetric_Gap6Px = 4,             // 6, 6
  ZQF_SizeMetric_Gap8Px = 5,             // 8, 8
  ZQF_SizeMetric_Gap12Px = 6,            // 12, 12
  ZQF_SizeMetric_Gap16Px = 7,            // 16, 16
  ZQF_SizeMetric_Gap24Px = 8,            // 24, 24
  ZQF_SizeMetric_Gap32Px = 9,            // 32, 32
  ZQF_SizeMetric_ScrollBar = 10,         // 16, 16: scroll bar width and arrow length
  ZQF_SizeMetric_ScreenPx = 11,          // GetSystemMetrics SM_CXSCREEN, SM_CYSCREEN
  ZQF_SizeMetric_ScreenMm = 12,          // GetDeviceCaps HORZSIZE, VERTSIZE of the metric
                                         //   context (from the pixels at 0.264 mm when 0)
  ZQF_SizeMetric_DragThreshold = 13,     // 4, 4: movement that starts a drag
  ZQF_SizeMetric_SizingCorner = 14,      // 16, 16: corner zone of window sizing
  ZQF_SizeMetric_FrameMargin = 15,       // 4, 4: application frame and toolbar margins
  //                              16        2, 2
  ZQF_SizeMetric_AutoscrollZone = 17     // 16, 16: edge zone of list autoscrolling
};

// Screen areas (x, y, width, height).
enum {
  ZQF_AreaMetric_WorkArea = 0,  // SPI_GETWORKAREA from shell 2, else the whole screen
  ZQF_AreaMetric_Screen = 1     // 0, 0, SM_CXSCREEN, SM_CYSCREEN
};

// Times in milliseconds: fixed values, but for the caret's.
enum {
  ZQF_TimeMetric_AutorepeatDelay = 0,     // 350: first delay of auto-repeat
  ZQF_TimeMetric_AutorepeatInterval = 1,  // 50: interval of auto-repeat
  ZQF_TimeMetric_CaretBlink = 2,          // GetCaretBlinkTime (500 before the first reset)
  ZQF_TimeMetric_ListChangeDelay = 3,     // 200: delay of list change notifications
  ZQF_TimeMetric_LabelTooltipDelay = 4,   // 100: tooltip delay of labels and list elements
  ZQF_TimeMetric_TooltipDelay = 5         // 500: default delay of a tooltip
};

// Cursors: the stock cursor where there is one, else the cursor resource.
enum {
  ZQF_CursorMetric_Arrow = 0,            // IDC_ARROW, "ZQF_DefaultCursor"
  ZQF_CursorMetric_IBeam = 1,            // IDC_IBEAM, "ZQF_IBeamCursor"
  ZQF_CursorMetric_Wait = 2,             // IDC_WAIT, "ZQF_WaitCursor"
  ZQF_CursorMetric_AppStarting = 3,      // IDC_APPSTARTING, "ZQF_AppStartingCursor"
  ZQF_CursorMetric_ResizeNS = 4,         // IDC_SIZENS, "ZQF_ResizeNSCursor"
  ZQF_CursorMetric_ResizeEW = 5,         // IDC_SIZEWE, "ZQF_ResizeEWCursor"
  ZQF_CursorMetric_ResizeNESW = 6,       // IDC_SIZENESW, "ZQF_ResizeNESWCursor"
  ZQF_CursorMetric_ResizeNWSE = 7,       // IDC_SIZENWSE, "ZQF_ResizeNWSECursor"
  ZQF_CursorMetric_ResizePaneNS = 8,     // "ZQF_ResizePaneNSCursor"
  ZQF_CursorMetric_ResizePaneEW = 9,     // "ZQF_ResizePaneEWCursor"
  ZQF_CursorMetric_ThinCross = 10,       // IDC_CROSS, "ZQF_ThinCrossCursor"
  ZQF_CursorMetric_ThickCross = 11,      // "ZQF_ThickCrossCursor"
  ZQF_CursorMetric_SelectRow = 12,       // "ZQF_SelectRowCursor"
  ZQF_CursorMetric_NoDrop = 13,          // IDC_NO, "ZQF_NoDropCursor"
  ZQF_CursorMetric_Help = 14,            // "ZQF_HelpCursor"
  ZQF_CursorMetric_Magnify = 15,         // "ZQF_MagnifyCursor"
  ZQF_CursorMetric_PointingHand = 16,    // "ZQF_PointingHandCursor"
  ZQF_CursorMetric_Invisible = 17        // "ZQF_InvisibleCursor"
};

// Brushes 0 to 5 are the stock black, dark grey, grey, light grey, null and
// white brushes; 6 and 7 the 8 x 8 checkerboards of scroll-bar troughs.
enum {
  ZQF_BrushMetric_FaceCheckerboard = 6,   // button face on highlight: a trough
  ZQF_BrushMetric_ShadowCheckerboard = 7  // dark shadow on shadow: a trough being paged
};

// Booleans.
enum {
  ZQF_BoolMetric_KeyboardCues = 0,       // SPI_GETKEYBOARDCUES from shell 3, else false
  ZQF_BoolMetric_FocusIndicators = 1     // never asked, false: lists and dropdowns draw
                                         //   their focus rectangles
};

// The normal check-box and radio-button pictures; the face-interior variant
// of each is its key + 3, the disabled one its key + 6. Then the message
// boxes' pictures.
enum {
  ZQF_BitmapMetric_CheckBoxUp = 0,
  ZQF_BitmapMetric_CheckBoxDown = 1,
  ZQF_BitmapMetric_CheckBoxUnknown = 2,
  ZQF_BitmapMetric_RadioButtonUp = 9,
  ZQF_BitmapMetric_RadioButtonDown = 10,
  ZQF_BitmapMetric_RadioButtonUnknown = 11,
  ZQF_BitmapMetric_Question = 18,
  ZQF_BitmapMetric_Information = 19,
  ZQF_BitmapMetric_Warning = 20,
  ZQF_BitmapMetric_Error = 21
};

const ZQR_Color& ZQF_GetColorMetric(int ColorKey);
const ZQR_ConcreteFont& ZQF_GetFontMetric(int FontKey);
ZQ_Point<long> ZQF_GetSizeMetric(int SizeMetricKey);
const ZQ_Rectangle<long>& ZQF_GetAreaMetric(int AreaMetricKey);
// Milliseconds.
long ZQF_GetTimeMetric(int TimeMetricKey);
const ZQR_Cursor& ZQF_GetCursorMetric(int CursorMetricKey);
const ZQR_Brush& ZQF_GetBrushMetric(int BrushMetricKey);
const ZQR_Bitmap& ZQF_GetBitmapMetric(int BitmapMetricKey);
bool ZQF_GetBoolMetric(int BoolKey);

// A share of the screen context, made first when there is none.
ZQR_DeviceContext ZQF_GetMetricDC();
// Drops the unit's share; the context goes with the last share.
void ZQF_ReleaseMetricDC();

// Refills every table from the system: the metric context is dropped, then
// colours, cursors, fonts, sizes, areas, times, brushes, bitmaps, booleans.
void ZQF_ResetMetricsByQueryingSystem();
// Refills the tables, then makes every glyph of every live window recompute
// its desired size and lays each tree out again.
void ZQF_NoteSystemMetricsChange();
// Stage 1 fills the tables, stage 13 releases them. Registered by the unit.
void ZQF_Metrics_InitializationServiceCallback(int Stage);

// The shell level the colours and booleans depend on: 1 on Win32s, 2 on
// Windows 95 and NT before Windows 2000, 3 on Windows 98, Me, 2000 and later
// and on any other system. Worked out once.
int ZQF_GetCurrentShell();
// The level of an operating-system platform and version code.
int ZQF_GetShellLevel(int Platform, int Version);

// Test support; the program never calls these. A level of 0 works the
// shell level out again at the next use.
void ZQF_SetCurrentShellForTesting(int Level);
void ZQF_SetColorMetricForTesting(int ColorKey, const ZQR_Color& Color);

#endif
