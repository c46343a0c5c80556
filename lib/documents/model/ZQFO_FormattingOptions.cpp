#include "ZQFO_FormattingOptions.h"

#include <algorithm>
#include <memory>

#include "ZQPIC_Canvas.h"
#include "ZQ_Hasher.h"

namespace {

// Equal option states are few against the elements of a document.
const long kOptionsBuckets = 251;
const long kIdsBuckets = 751;

// The module-wide default pair, made on first use; each program-end release
// drops this holder's count, so records still held elsewhere live on.
struct DefaultRecords {
  ZQFO_FormattingOptions::OptionsRef1Type* Options = new ZQFO_FormattingOptions::OptionsRef1Type;
  ZQFO_FormattingOptions::OptionsRef2Type* Ids = new ZQFO_FormattingOptions::OptionsRef2Type;
  ~DefaultRecords() {
    ZQFO_FormattingOptions::Release(Options);
    ZQFO_FormattingOptions::Release(Ids);
  }
};

DefaultRecords& GetDefaultRecords() {
  static DefaultRecords s_records;
  return s_records;
}

}  // namespace

// ---------------------------------------------------------------- stylesheet

ZQFO_Stylesheet::ZQFO_Stylesheet() : Palette(NumColors, ZQR_Color_Black) {
  Palette[1] = ZQR_Color_White;
  Palette[3] = ZQR_Color_LightGray;
  Palette[5] = ZQR_Color(240, 240, 240);
  Palette[7] = ZQR_Color(128, 128, 128);
  Palette[8] = ZQR_Color_Red;
  Palette[10] = ZQR_Color(255, 255, 228);
}

ZQFO_Stylesheet::~ZQFO_Stylesheet() = default;

void ZQFO_Stylesheet::SetColor(long Index, const ZQR_Color& Color) {
  ZQ_ASSERT((Index >= 0) and (Index < 11));
  if (Index >= 0 && Index < NumColors) Palette[Index] = Color;
}

// ---------------------------------------------------------------- records

// The feed order is the record's identity: it differs from the field order.
ZQ_UID ZQFO_FormattingOptions::OptionsRef1Type::ComputeUID() const {
  ZQ_Hasher hasher;
  hasher << LinkTarget << BlockLeftIndent << BlockRightIndent << BlockJustification
         << BlockVerticalJustification << LineFirstIndent << LineSubsequentIndent
         << LineJustification << BlockKeepTogether << BlockBreakBefore << BlockBreakAfter
         << BlockSpaceBefore << BlockSpaceAfter << Font << FontUnderline << LineSpacing
         << LinePreformatted << TextColor << BackgroundColor << BackgroundColorMode
         << LineVerticalAlignment << WordBreakAfter << CellLeftMargin << CellRightMargin
         << CellTopMargin << CellBottomMargin << CellLeftBorderThickness
         << CellRightBorderThickness << CellTopBorderThickness << CellBottomBorderThickness
         << CellLeftBorderColor << CellRightBorderColor << CellTopBorderColor
         << CellBottomBorderColor;
  return hasher.GetHash();
}

ZQ_UID ZQFO_FormattingOptions::OptionsRef2Type::ComputeUID() const {
  ZQ_Hasher hasher;
  hasher << IdPath;
  return hasher.GetHash();
}

ZQFO_FormattingOptions::ZQFO_FormattingOptions()
    : ZQFO_FormattingOptions(GetDefaultRecords().Options, GetDefaultRecords().Ids) {}

ZQFO_FormattingOptions::ZQFO_FormattingOptions(OptionsRef1Type* Options, OptionsRef2Type* Ids)
    : Options(Options), Ids(Ids) {
  ++Options->ReferenceCount;
  ++Ids->ReferenceCount;
}

ZQFO_FormattingOptions::ZQFO_FormattingOptions(const ZQFO_FormattingOptions& Other)
    : ZQFO_FormattingOptions(Other.Options, Other.Ids) {}

ZQFO_FormattingOptions::~ZQFO_FormattingOptions() {
  Release(Options);
  Release(Ids);
}

void ZQFO_FormattingOptions::ReleaseLast(OptionsRef1Type* Record) {
  ZQ_ASSERT_LOG_ONLY(Record->ReferenceCount > 0);
  if (--Record->ReferenceCount == 0) delete Record;
}

void ZQFO_FormattingOptions::ReleaseLast(OptionsRef2Type* Record) {
  ZQ_ASSERT_LOG_ONLY(Record->ReferenceCount > 0);
  if (--Record->ReferenceCount == 0) delete Record;
}

// ---------------------------------------------------------------- factory

ZQFO_FormattingOptionsFactory::ZQFO_FormattingOptionsFactory(ZQPIC_Canvas& Canvas, bool FixedFont,
                                                             const ZQFO_Stylesheet& Stylesheet)
    : Canvas(Canvas),
      MapColorsToDevice(Canvas.GetDeviceKind() == 0 && !Canvas.Imp_GetCapability(4)),
      Stylesheet(Stylesheet.GetPalette()),
      OptionsCache(kOptionsBuckets),
      IdsCache(kIdsBuckets) {
  // Through the setters, so that the device mapping applies.
  const ZQR_Color text = this->Stylesheet[0];
  SetTextColor(text, true);
  SetBackgroundColor(this->Stylesheet[1], true);
  SetCellLeftBorderColor(text, true);
  SetCellRightBorderColor(text, true);
  SetCellTopBorderColor(text, true);
  SetCellBottomBorderColor(text, true);
  if (FixedFont) {
    SetFontTypeface("Courier New", true);
    SetFontHeight(10.0, true);
    this->FixedFont = true;  // only now: the two setters above must act
  }
}

ZQFO_FormattingOptionsFactory::~ZQFO_FormattingOptionsFactory() {
  for (auto it = OptionsCache.GetIterator(); it.IsValid(); it.Advance())
    ZQFO_FormattingOptions::Release(it->Value);
  for (auto it = IdsCache.GetIterator(); it.IsValid(); it.Advance())
    ZQFO_FormattingOptions::Release(it->Value);
}

template <class Change>
void ZQFO_FormattingOptionsFactory::Apply(bool Inherit, Change&& Change_) {
  Change_(Current);
  if (Inherit) Change_(Inherited);
  CurrentUIDValid = false;
}

ZQR_Color ZQFO_FormattingOptionsFactory::MapColor(const ZQR_Color& Color) const {
  return MapColorsToDevice ? Canvas.GetClosestColor(Color) : Color;
}

bool ZQFO_FormattingOptionsFactory::IsDeviceKindZero() const { return Canvas.GetDeviceKind() == 0; }

#define ZQFO_PLAIN_SETTER(Name, Type, Field)                                              \
  void ZQFO_FormattingOptionsFactory::Set##Name(Type Value, bool Inherit) {               \
    Apply(Inherit, [&](OptionsRef1Type& Record) { Record.Field = Value; });               \
  }
#define ZQFO_COLOR_SETTER(Name)                                                           \
  void ZQFO_FormattingOptionsFactory::Set##Name(const ZQR_Color& Value, bool Inherit) {   \
    const ZQR_Color mapped = MapColor(Value);                                             \
    Apply(Inherit, [&](OptionsRef1Type& Record) { Record.Name = mapped; });               \
  }
#define ZQFO_FONT_SETTER(Name, Type, Statement)                                           \
  void ZQFO_FormattingOptionsFactory::Set##Name(Type Value, bool Inherit) {               \
    if (FixedFont) return;                                                                \
    Apply(Inherit, [&](OptionsRef1Type& Record) { Statement; });                          \
  }

ZQFO_PLAIN_SETTER(LinkTarget, const ZQ_String&, LinkTarget)
ZQFO_PLAIN_SETTER(BlockLeftIndent, double, BlockLeftIndent)
ZQFO_PLAIN_SETTER(BlockRightIndent, double, BlockRightIndent)
ZQFO_PLAIN_SETTER(BlockJustification, long, BlockJustification)
ZQFO_PLAIN_SETTER(BlockVerticalJustification, long, BlockVerticalJustification)
ZQFO_PLAIN_SETTER(BlockBreakBefore, long, BlockBreakBefore)
ZQFO_PLAIN_SETTER(BlockBreakAfter, long, BlockBreakAfter)
ZQFO_PLAIN_SETTER(BlockKeepTogether, bool, BlockKeepTogether)
ZQFO_PLAIN_SETTER(BlockSpaceBefore, double, BlockSpaceBefore)
ZQFO_PLAIN_SETTER(BlockSpaceAfter, double, BlockSpaceAfter)
ZQFO_PLAIN_SETTER(LineFirstIndent, double, LineFirstIndent)
ZQFO_PLAIN_SETTER(LineSubsequentIndent, double, LineSubsequentIndent)
ZQFO_PLAIN_SETTER(LineJustification, long, LineJustification)
ZQFO_PLAIN_SETTER(LineSpacing, double, LineSpacing)
ZQFO_PLAIN_SETTER(LinePreformatted, bool, LinePreformatted)
ZQFO_PLAIN_SETTER(BackgroundColorMode, long, BackgroundColorMode)
ZQFO_PLAIN_SETTER(WordBreakAfter, long, WordBreakAfter)
ZQFO_PLAIN_SETTER(CellLeftMargin, double, CellLeftMargin)
ZQFO_PLAIN_SETTER(CellRightMargin, double, CellRightMargin)
ZQFO_PLAIN_SETTER(CellTopMargin, double, CellTopMargin)
ZQFO_PLAIN_SETTER(CellBottomMargin, double, CellBottomMargin)
ZQFO_PLAIN_SETTER(CellLeftBorderThickness, double, CellLeftBorderThickness)
ZQFO_PLAIN_SETTER(CellRightBorderThickness, double, CellRightBorderThickness)
ZQFO_PLAIN_SETTER(CellTopBorderThickness, double, CellTopBorderThickness)
ZQFO_PLAIN_SETTER(CellBottomBorderThickness, double, CellBottomBorderThickness)
ZQFO_COLOR_SETTER(TextColor)
ZQFO_COLOR_SETTER(BackgroundColor)
ZQFO_COLOR_SETTER(CellLeftBorderColor)
ZQFO_COLOR_SETTER(CellRightBorderColor)
ZQFO_COLOR_SETTER(CellTopBorderColor)
ZQFO_COLOR_SETTER(CellBottomBorderColor)
ZQFO_FONT_SETTER(LineVerticalAlignment, long, Record.LineVerticalAlignment = Value)
ZQFO_FONT_SETTER(FontHeight, double, Record.Font.SetHeight(static_cast<float>(Value)))
ZQFO_FONT_SETTER(FontWeight, long, Record.Font.SetWeight(Value))
ZQFO_FONT_SETTER(FontItalic, bool, Record.Font.SetItalicStyle(Value))
ZQFO_FONT_SETTER(FontUnderline, long, Record.FontUnderline = Value)

// The document's own family and pitch codes: they differ from those of
// ZQR_ConcreteFont's typeface codes.
// A fixed font still lets "Symbol" through: the parser's symbols and em
// dashes are characters of that typeface, and the plain-text export tells
// them from real Latin-1 characters by it.
void ZQFO_FormattingOptionsFactory::SetFontTypeface(const ZQ_String& Value, bool Inherit) {
  if (FixedFont && !(Value == "Symbol")) return;
  long family = ZQR_AbstractFont_NoPreference, pitch = ZQR_AbstractFont_NoPreference;
  if (Value == "Times New Roman") {
    family = 1;
    pitch = 1;
  } else if (Value == "Arial" || Value == "Verdana") {
    family = 2;
    pitch = 1;
  } else if (Value == "Courier New") {
    family = 0;
    pitch = 0;
  }
  Apply(Inherit, [&](OptionsRef1Type& Record) {
    Record.Font.SetTypeface(Value);
    Record.Font.SetFontFamily(family);
    Record.Font.SetPitch(pitch);
  });
}

void ZQFO_FormattingOptionsFactory::AppendId(const ZQ_String& Id) {
  InheritedIds.IdPath += "{";
  InheritedIds.IdPath += Id;
  InheritedIds.IdPath += "}";
  CurrentIds.IdPath = InheritedIds.IdPath;
  IdsUIDValid = false;
}

void ZQFO_FormattingOptionsFactory::PushCurrentOptionsStack() {
  OptionsStack.Push(Current);
  OptionsStack.Push(Inherited);
  Current = Inherited;
  IdsStack.Push(CurrentIds);
  IdsStack.Push(InheritedIds);
  CurrentIds = InheritedIds;
  CurrentUIDValid = false;
  IdsUIDValid = false;
}

void ZQFO_FormattingOptionsFactory::PopCurrentOptionsStack() {
  Inherited = OptionsStack.Pop();
  Current = OptionsStack.Pop();
  InheritedIds = IdsStack.Pop();
  CurrentIds = IdsStack.Pop();
  CurrentUIDValid = false;
  IdsUIDValid = false;
}

ZQFO_FormattingOptions ZQFO_FormattingOptionsFactory::GetFormattingOptions() {
  if (!CurrentUIDValid) {
    CurrentUID = Current.ComputeUID();
    CurrentUIDValid = true;
  }
  OptionsRef1Type* options = nullptr;
  if (!OptionsCache.GetValueIfExists(CurrentUID, options)) {
    Canvas.SetFont(Current.Font);
    Current.FontMetrics = Canvas.GetFontMetrics();
    auto record = std::make_unique<OptionsRef1Type>(Current);
    record->ReferenceCount = 1;  // the cache's
    OptionsCache.Insert(CurrentUID, record.get());
    options = record.release();
  }
  if (!IdsUIDValid) {
    IdsUID = CurrentIds.ComputeUID();
    IdsUIDValid = true;
  }
  OptionsRef2Type* ids = nullptr;
  if (!IdsCache.GetValueIfExists(IdsUID, ids)) {
    auto record = std::make_unique<OptionsRef2Type>(CurrentIds);
    record->ReferenceCount = 1;
    IdsCache.Insert(IdsUID, record.get());
    ids = record.release();
  }
  return ZQFO_FormattingOptions(options, ids);
}

// ---------------------------------------------------------------- collector

void ZQFO_FormattingOptionsCollector::Grow() {
  Capacity = std::max(Count * 2 + 2, Capacity * 2);
  OptionSets.Resize(Capacity, ZQFO_FormattingOptions());
}

ZQ_ReadOnlyIterator<ZQFO_FormattingOptions> ZQFO_FormattingOptionsCollector::GetOptionSets() const {
  auto& sets = const_cast<ZQ_Array<ZQFO_FormattingOptions>&>(OptionSets);
  return ZQ_ReadOnlyIterator<ZQFO_FormattingOptions>(sets.GetIterator(0, Count));
}

// ---------------------------------------------------------------- breaks

long ZQFO_CombineBlockBreaks(long A, long B) {
  if (A == ZQFO_Break_Never || B == ZQFO_Break_Never) return ZQFO_Break_Never;
  return std::max(A, B);
}

long ZQFO_CombineBreakOptions(long A, long B) { return ZQFO_CombineBlockBreaks(A, B); }
