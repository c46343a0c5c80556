#include "ZQFO_TextWidthCache.h"

#include <cstdint>
#include <cstring>

#include "ZQPIC_Canvas.h"

namespace {

const long kWidthBuckets = 1021;

}  // namespace

bool ZQFO_TextWidthCache::CanvasSignature::operator==(const CanvasSignature& Other) const {
  return Class == Other.Class && DeviceKind == Other.DeviceKind && PixelsPerMm == Other.PixelsPerMm;
}

// Equal fonts hash alike: -0 (equal to 0, with other bits) counts as 0.
unsigned long ZQFO_TextWidthCache::FontKey::GetHashValue() const {
  float height = Font.GetHeight();
  if (height == 0) height = 0;
  std::uint32_t heightBits = 0;
  std::memcpy(&heightBits, &height, sizeof heightBits);
  unsigned long hash = Font.GetTypeface().GetHash();
  hash = hash * 31 + heightBits;
  hash = hash * 31 + static_cast<unsigned long>(Font.GetWeight());
  hash = hash * 31 + (Font.GetItalicStyle() ? 1 : 0);
  hash = hash * 31 + static_cast<unsigned long>(Font.GetCharacterSet());
  return hash;
}

unsigned long ZQFO_TextWidthCache::WidthKey::GetHashValue() const {
  return Text.GetHash() * 31 + static_cast<unsigned long>(FontNumber);
}

bool ZQFO_TextWidthCache::WidthKey::operator==(const WidthKey& Other) const {
  return FontNumber == Other.FontNumber && Text == Other.Text;
}

ZQFO_TextWidthCache::ZQFO_TextWidthCache() : Widths(kWidthBuckets) {}
ZQFO_TextWidthCache::~ZQFO_TextWidthCache() = default;

double ZQFO_TextWidthCache::GetTextWidth(ZQPIC_Canvas& Canvas, const ZQR_AbstractFont& Font, const ZQ_String& Text) {
  if (!(Font == Font)) return Measure(Canvas, Font, Text);
  CanvasSignature signature;
  signature.Class = typeid(Canvas);
  signature.DeviceKind = Canvas.GetDeviceKind();
  signature.PixelsPerMm = Canvas.GetDevicePixelsPerMillimeter();
  if (!(signature == Signature)) {
    Clear();
    Signature = signature;
  }
  const WidthKey key{GetFontNumber(Font), Text};
  if (const auto* link = Widths.FindLink(key)) return link->Value;
  const double width = Measure(Canvas, Font, Text);
  Widths.Insert(key, width);
  return width;
}

void ZQFO_TextWidthCache::Clear() {
  Widths.RemoveAll();
  FontNumbers.RemoveAll();
  LastFontNumber = -1;
  Signature = CanvasSignature();
}

double ZQFO_TextWidthCache::Measure(ZQPIC_Canvas& Canvas, const ZQR_AbstractFont& Font, const ZQ_String& Text) const {
  // Realising a font costs a cache look-up and a metrics conversion; the
  // words of a paragraph mostly share one.
  if (!(Canvas.GetGraphicsState().Font == Font)) Canvas.SetFont(Font);
  return Canvas.GetTextSizeInMillimeters(Text).X;
}

long ZQFO_TextWidthCache::GetFontNumber(const ZQR_AbstractFont& Font) {
  if (LastFontNumber >= 0 && LastFont == Font) return LastFontNumber;
  const FontKey key{Font};
  long number = FontNumbers.GetNumElements();
  if (const auto* link = FontNumbers.FindLink(key))
    number = link->Value;
  else
    FontNumbers.Insert(key, number);
  LastFont = Font;
  LastFontNumber = number;
  return number;
}
