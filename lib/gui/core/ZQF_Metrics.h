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

// The normal check-box and radio-button pictures; the face-interior variant
// of each is its key + 3, the disabled one its key + 6.
enum {
  ZQF_BitmapMetric_CheckBoxUp = 0,
  ZQF_BitmapMetric_CheckBoxDown = 1,
  ZQF_BitmapMetric_CheckBoxUnknown = 2,
  ZQF_BitmapMetric_RadioButtonUp = 9,
  ZQF_BitmapMetric_RadioButtonDown = 10,
  ZQF_BitmapMetric_RadioButtonUnknown = 11
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
