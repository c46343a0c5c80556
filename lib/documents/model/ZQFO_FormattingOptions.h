// ZQFO_FormattingOptions.h: the formatting options of document elements.
// ZQFO_Stylesheet is the palette of 11 standard colours. An option record
// (OptionsRef1Type) holds every option of one element, an id record
// (OptionsRef2Type) the ids of the element and its ancestors; both are
// counted and shared, and ZQFO_FormattingOptions is the handle on one pair.
// ZQFO_FormattingOptionsFactory keeps the current and inherited options on
// a stack while the document parser walks the tree and hands out one
// shared record per distinct option state, whose font it measures on the
// canvas once. Lengths are millimetres, font heights points. Index errors
// and unbalanced pops are assertions; nothing else fails here. UI thread
// only.
#ifndef ZQFO_FORMATTINGOPTIONS_H
#define ZQFO_FORMATTINGOPTIONS_H

#include "ZQR_AbstractFont.h"
#include "ZQR_Color.h"
#include "ZQR_FontMetrics.h"
#include "ZQ_Array.h"
#include "ZQ_Iterator.h"
#include "ZQ_Map.h"
#include "ZQ_Stack.h"
#include "ZQ_String.h"
#include "ZQ_UID.h"

class ZQPIC_Canvas;

// Break codes of block_break_before and block_break_after.
const long ZQFO_Break_AsNeeded = 0;
const long ZQFO_Break_Never = 1;
const long ZQFO_Break_Column = 2;
const long ZQFO_Break_Page = 3;
const long ZQFO_Break_EvenPage = 4;
const long ZQFO_Break_OddPage = 5;

// The palette: 0 default text, 1 default background, 2 window text, 3 window
// background, 4 subtle highlighted text, 5 subtle highlighted background,
// 6 hyperlink text, 7 gray text, 8 error text, 9 tooltips text, 10 tooltips
// background.
class ZQFO_Stylesheet {
 public:
  static const long NumColors = 11;
  // The printing defaults (black on white and so on).
  ZQFO_Stylesheet();
  ~ZQFO_Stylesheet();
  // Asserts "(Index >= 0) and (Index < 11)" and then changes nothing.
  void SetColor(long Index, const ZQR_Color& Color);
  const ZQ_Array<ZQR_Color>& GetPalette() const { return Palette; }

 private:
  ZQ_Array<ZQR_Color> Palette;
};

class ZQFO_FormattingOptions {
 public:
  // Every option of an element (defaults as listed).
  struct OptionsRef1Type {
    long ReferenceCount = 1;
    ZQ_String LinkTarget;
    double BlockLeftIndent = 0;
    double BlockRightIndent = 0;
    long BlockJustification = 0;          // 0 left, 1 center, 2 right
    long BlockVerticalJustification = 0;  // 0 top, 1 center, 2 bottom
    long BlockBreakBefore = ZQFO_Break_AsNeeded;
    long BlockBreakAfter = ZQFO_Break_AsNeeded;
    bool BlockKeepTogether = false;
    double BlockSpaceBefore = 6 * 0.0254 / 72 * 1000;  // 6 points
    double BlockSpaceAfter = 6 * 0.0254 / 72 * 1000;
    double LineFirstIndent = 0;
    double LineSubsequentIndent = 0;
    long LineJustification = 0;  // 0 left, 1 center, 2 right, 3 full
    double LineSpacing = 1.0;
    bool LinePreformatted = false;
    long LineVerticalAlignment = 0;  // 0 normal, 1 superscript, 2 subscript
    ZQR_AbstractFont Font;           // Times New Roman 12 pt, 400, upright
    long FontUnderline = 0;
    ZQR_Color TextColor = ZQR_Color_Black;
    ZQR_Color BackgroundColor = ZQR_Color_White;
    long BackgroundColorMode = 0;  // 0 opaque, 1 page_transparent, 2 all_transparent
    long WordBreakAfter = 0;       // 0 as_needed, 1 never, 2 always
    double CellLeftMargin = 5.0;
    double CellRightMargin = 5.0;
    double CellTopMargin = 1.0;
    double CellBottomMargin = 1.0;
    double CellLeftBorderThickness = 0;
    double CellRightBorderThickness = 0;
    double CellTopBorderThickness = 0;
    double CellBottomBorderThickness = 0;
    ZQR_Color CellLeftBorderColor = ZQR_Color_Black;
    ZQR_Color CellRightBorderColor = ZQR_Color_Black;
    ZQR_Color CellTopBorderColor = ZQR_Color_Black;
    ZQR_Color CellBottomBorderColor = ZQR_Color_Black;
    ZQR_FontMetrics FontMetrics;  // millimetres, measured when handed out

    // The MD4 digest of the options (not the count, not the metrics).
    ZQ_UID ComputeUID() const;
  };

  // "{" id "}" for the element and each ancestor with an id, outermost first.
  struct OptionsRef2Type {
    long ReferenceCount = 1;
    ZQ_String IdPath;

    ZQ_UID ComputeUID() const;
  };

  // The shared default records.
  ZQFO_FormattingOptions();
  // Counts once more on each record (neither null).
  ZQFO_FormattingOptions(OptionsRef1Type* Options, OptionsRef2Type* Ids);
  ZQFO_FormattingOptions(const ZQFO_FormattingOptions& Other);
  // Inline: exports and collectors assign handles once per flow object.
  ZQFO_FormattingOptions& operator=(const ZQFO_FormattingOptions& Other) {
    ++Other.Options->ReferenceCount;  // first: the records may be the same
    ++Other.Ids->ReferenceCount;
    Release(Options);
    Release(Ids);
    Options = Other.Options;
    Ids = Other.Ids;
    return *this;
  }
  ~ZQFO_FormattingOptions();

  const OptionsRef1Type& GetOptions() const { return *Options; }
  const OptionsRef2Type& GetIds() const { return *Ids; }
  const OptionsRef1Type* operator->() const { return Options; }

  // Counts down; deletes the record at 0.
  static void Release(OptionsRef1Type* Record) {
    if (Record->ReferenceCount > 1)
      --Record->ReferenceCount;
    else
      ReleaseLast(Record);
  }
  static void Release(OptionsRef2Type* Record) {
    if (Record->ReferenceCount > 1)
      --Record->ReferenceCount;
    else
      ReleaseLast(Record);
  }

 private:
  static void ReleaseLast(OptionsRef1Type* Record);
  static void ReleaseLast(OptionsRef2Type* Record);

  OptionsRef1Type* Options;
  OptionsRef2Type* Ids;
};

class ZQFO_FormattingOptionsFactory {
 public:
  using OptionsRef1Type = ZQFO_FormattingOptions::OptionsRef1Type;
  using OptionsRef2Type = ZQFO_FormattingOptions::OptionsRef2Type;

  // Canvas is borrowed, initialised, and outlives the factory. Colours are
  // mapped to the device's closest ones on a screen (kind 0) that lacks
  // capability 4. With FixedFont every text is Courier New 10 points.
  ZQFO_FormattingOptionsFactory(ZQPIC_Canvas& Canvas, bool FixedFont, const ZQFO_Stylesheet& Stylesheet);
  ~ZQFO_FormattingOptionsFactory();
  ZQFO_FormattingOptionsFactory(const ZQFO_FormattingOptionsFactory&) = delete;
  ZQFO_FormattingOptionsFactory& operator=(const ZQFO_FormattingOptionsFactory&) = delete;

  // Setters: the value goes into the element's own options and, with
  // Inherit, into those its descendants start from.
  void SetLinkTarget(const ZQ_String& Value, bool Inherit);
  void SetBlockLeftIndent(double Value, bool Inherit);
  void SetBlockRightIndent(double Value, bool Inherit);
  void SetBlockJustification(long Value, bool Inherit);
  void SetBlockVerticalJustification(long Value, bool Inherit);
  void SetBlockBreakBefore(long Value, bool Inherit);
  void SetBlockBreakAfter(long Value, bool Inherit);
  void SetBlockKeepTogether(bool Value, bool Inherit);
  void SetBlockSpaceBefore(double Value, bool Inherit);
  void SetBlockSpaceAfter(double Value, bool Inherit);
  void SetLineFirstIndent(double Value, bool Inherit);
  void SetLineSubsequentIndent(double Value, bool Inherit);
  void SetLineJustification(long Value, bool Inherit);
  void SetLineSpacing(double Value, bool Inherit);
  void SetLinePreformatted(bool Value, bool Inherit);
  // The font setters and this one do nothing under a fixed font.
  void SetLineVerticalAlignment(long Value, bool Inherit);
  // Also sets the family and pitch codes the name implies.
  void SetFontTypeface(const ZQ_String& Value, bool Inherit);
  // Points, kept in single precision.
  void SetFontHeight(double Value, bool Inherit);
  void SetFontWeight(long Value, bool Inherit);
  void SetFontItalic(bool Value, bool Inherit);
  void SetFontUnderline(long Value, bool Inherit);
  void SetTextColor(const ZQR_Color& Value, bool Inherit);
  void SetBackgroundColor(const ZQR_Color& Value, bool Inherit);
  void SetBackgroundColorMode(long Value, bool Inherit);
  void SetWordBreakAfter(long Value, bool Inherit);
  void SetCellLeftMargin(double Value, bool Inherit);
  void SetCellRightMargin(double Value, bool Inherit);
  void SetCellTopMargin(double Value, bool Inherit);
  void SetCellBottomMargin(double Value, bool Inherit);
  void SetCellLeftBorderThickness(double Value, bool Inherit);
  void SetCellRightBorderThickness(double Value, bool Inherit);
  void SetCellTopBorderThickness(double Value, bool Inherit);
  void SetCellBottomBorderThickness(double Value, bool Inherit);
  void SetCellLeftBorderColor(const ZQR_Color& Value, bool Inherit);
  void SetCellRightBorderColor(const ZQR_Color& Value, bool Inherit);
  void SetCellTopBorderColor(const ZQR_Color& Value, bool Inherit);
  void SetCellBottomBorderColor(const ZQR_Color& Value, bool Inherit);
  // Appends "{" Id "}" to the ids of the element and its descendants.
  void AppendId(const ZQ_String& Id);

  // The element's current values, against which relative values resolve.
  double GetBlockLeftIndent() const { return Current.BlockLeftIndent; }
  double GetBlockRightIndent() const { return Current.BlockRightIndent; }
  double GetLineFirstIndent() const { return Current.LineFirstIndent; }
  double GetLineSubsequentIndent() const { return Current.LineSubsequentIndent; }
  long GetBlockBreakBefore() const { return Current.BlockBreakBefore; }
  long GetBlockBreakAfter() const { return Current.BlockBreakAfter; }
  double GetBlockSpaceBefore() const { return Current.BlockSpaceBefore; }
  double GetBlockSpaceAfter() const { return Current.BlockSpaceAfter; }
  double GetFontHeight() const { return Current.Font.GetHeight(); }
  const ZQR_Color& GetTextColor() const { return Current.TextColor; }
  const ZQR_Color& GetBackgroundColor() const { return Current.BackgroundColor; }
  double GetCellLeftMargin() const { return Current.CellLeftMargin; }
  double GetCellRightMargin() const { return Current.CellRightMargin; }
  double GetCellTopMargin() const { return Current.CellTopMargin; }
  double GetCellBottomMargin() const { return Current.CellBottomMargin; }
  double GetCellLeftBorderThickness() const { return Current.CellLeftBorderThickness; }
  double GetCellRightBorderThickness() const { return Current.CellRightBorderThickness; }
  double GetCellTopBorderThickness() const { return Current.CellTopBorderThickness; }
  double GetCellBottomBorderThickness() const { return Current.CellBottomBorderThickness; }
  const ZQR_Color& GetCellLeftBorderColor() const { return Current.CellLeftBorderColor; }
  const ZQR_Color& GetCellRightBorderColor() const { return Current.CellRightBorderColor; }
  const ZQR_Color& GetCellTopBorderColor() const { return Current.CellTopBorderColor; }
  const ZQR_Color& GetCellBottomBorderColor() const { return Current.CellBottomBorderColor; }
  bool IsDeviceKindZero() const;
  const ZQ_Array<ZQR_Color>& GetPalette() const { return Stylesheet; }

  // Entering an element: saves the state; the element starts from the
  // inherited options, so a parent's "local_" values do not reach it.
  void PushCurrentOptionsStack();
  // Leaving it: restores the state before the matching push (asserts "N > 0").
  void PopCurrentOptionsStack();
  // The shared records of the current state, made (and measured) on first
  // request of each distinct state.
  ZQFO_FormattingOptions GetFormattingOptions();

 private:
  // Applies Change to the element's options and, with Inherit, to the
  // inherited ones.
  template <class Change>
  void Apply(bool Inherit, Change&& Change_);
  ZQR_Color MapColor(const ZQR_Color& Color) const;

  ZQPIC_Canvas& Canvas;
  bool MapColorsToDevice;
  bool FixedFont = false;
  ZQ_Array<ZQR_Color> Stylesheet;
  OptionsRef1Type Current;
  OptionsRef1Type Inherited;
  ZQ_Stack<OptionsRef1Type, 20> OptionsStack;
  ZQ_Map<ZQ_UID, OptionsRef1Type*> OptionsCache;
  bool CurrentUIDValid = false;
  ZQ_UID CurrentUID;
  OptionsRef2Type CurrentIds;
  OptionsRef2Type InheritedIds;
  ZQ_Stack<OptionsRef2Type, 20> IdsStack;
  ZQ_Map<ZQ_UID, OptionsRef2Type*> IdsCache;
  bool IdsUIDValid = false;
  ZQ_UID IdsUID;
};

// Gathers option sets (for export), in the order added; equal sets are kept
// apart.
class ZQFO_FormattingOptionsCollector {
 public:
  void Add(const ZQFO_FormattingOptions& Options) {
    if (Count == Capacity) Grow();
    OptionSets[Count++] = Options;
  }
  // Empties the collector and keeps its room, for collecting again.
  void Clear() { Count = 0; }
  long GetNumOptionSets() const { return Count; }
  const ZQFO_FormattingOptions& GetOptionSet(long Index) const { return OptionSets[Index]; }
  long GetCapacity() const { return Capacity; }
  // Reads this collector: valid while nothing is added.
  ZQ_ReadOnlyIterator<ZQFO_FormattingOptions> GetOptionSets() const;

 private:
  void Grow();

  long Capacity = 0;
  ZQ_Array<ZQFO_FormattingOptions> OptionSets;
  long Count = 0;
};

// The break between two adjacent blocks, from one's break-after and the
// other's break-before: never when either is never, else the larger code.
long ZQFO_CombineBlockBreaks(long A, long B);
long ZQFO_CombineBreakOptions(long A, long B);

#endif
