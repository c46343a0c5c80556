#include "ZQIMG_Image.h"

#include <cstring>

#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

// The pixel store: a DIB section and the BITMAPINFO that describes it (kept
// for StretchDIBits and for copies).
class ZQIMG_ImageBody : public ZQ_CountedBody {
 public:
  ZQIMG_ImageBody(long Width, long Height, long BitsPerPixel, const RGBQUAD* Palette);
  // A private copy of Other's pixels and palette.
  explicit ZQIMG_ImageBody(const ZQIMG_ImageBody& Other);

  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
  } Info{};
  ZQ_OwnedBitmap Bitmap;
  unsigned char* Bits = nullptr;
  long Width;
  long Height;
  long BitsPerPixel;
  long Stride;
};

namespace {

long PaletteSizeOf(long BitsPerPixel) { return BitsPerPixel <= 8 ? 1L << BitsPerPixel : 0; }

long StrideOf(long Width, long BitsPerPixel) {
  return static_cast<long>(((static_cast<long long>(Width) * BitsPerPixel + 31) / 32) * 4);
}

// Black and white at 1 bit, a grey ramp at 8.
void FillDefaultPalette(RGBQUAD* Colors, long Size) {
  for (long i = 0; i < Size; ++i) {
    const BYTE level = static_cast<BYTE>(i * 255 / (Size - 1));
    Colors[i] = RGBQUAD{level, level, level, 0};
  }
}

[[noreturn]] void ThrowCreationError(long Width, long Height, long BitsPerPixel) {
  const ZQ_String values[] = {ZQ_ToString(Width), ZQ_ToString(Height), ZQ_ToString(BitsPerPixel)};
  throw ZQ_Exception(
      ZQ_Internationalization_Translate("Error creating image"),
      ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "An image of {$1} x {$2} pixels at {$3} bits per pixel cannot be made."),
          values, 3));
}

// DIB sections beyond this many bytes are not attempted: the sizes of a
// BITMAPINFOHEADER are 32-bit.
constexpr long long kMaxImageBytes = 0x7FFFFFFF;

HBITMAP CreateSection(const BITMAPINFO* Info, unsigned char** Bits) {
  void* bits = nullptr;
  HBITMAP bitmap = nullptr;
  try {
    // Short memory is an answer here, whatever the caller's failure mode.
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
    bitmap = ZQLOW_WINGDI::CreateDIBSection(nullptr, Info, DIB_RGB_COLORS, &bits, nullptr, 0);
  } catch (const ZQ_Exception&) {
    // Reported as the image's own error below.
  }
  *Bits = static_cast<unsigned char*>(bits);
  return bits ? bitmap : nullptr;
}

}  // namespace

ZQIMG_ImageBody::ZQIMG_ImageBody(long Width, long Height, long BitsPerPixel, const RGBQUAD* Palette)
    : Width(Width),
      Height(Height),
      BitsPerPixel(BitsPerPixel),
      Stride(StrideOf(Width, BitsPerPixel)) {
  if (Width <= 0 || Height <= 0 || static_cast<long long>(Stride) * Height > kMaxImageBytes)
    ThrowCreationError(Width, Height, BitsPerPixel);
  const long paletteSize = PaletteSizeOf(BitsPerPixel);
  BITMAPINFOHEADER& header = Info.Header;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = Width;
  header.biHeight = -Height;  // top-down
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(BitsPerPixel);
  header.biCompression = BI_RGB;
  header.biClrUsed = static_cast<DWORD>(paletteSize);
  if (Palette)
    std::memcpy(Info.Colors, Palette, paletteSize * sizeof(RGBQUAD));
  else
    FillDefaultPalette(Info.Colors, paletteSize);
  Bitmap.Reset(CreateSection(reinterpret_cast<const BITMAPINFO*>(&Info), &Bits));
  if (!Bitmap.IsValid()) ThrowCreationError(Width, Height, BitsPerPixel);
}

ZQIMG_ImageBody::ZQIMG_ImageBody(const ZQIMG_ImageBody& Other)
    : ZQIMG_ImageBody(Other.Width, Other.Height, Other.BitsPerPixel, Other.Info.Colors) {
  ZQLOW_WINGDI::GdiFlush();
  std::memcpy(Bits, Other.Bits, static_cast<size_t>(Stride) * Height);
}

ZQIMG_Image::ZQIMG_Image() noexcept = default;

ZQIMG_Image::ZQIMG_Image(long Width, long Height, long BitsPerPixel) {
  ZQ_TRACE_FUNCTION("ZQIMG_Image::ZQIMG_Image");
  ZQ_ASSERT_TEXT(BitsPerPixel == 1 || BitsPerPixel == 8 || BitsPerPixel == 24, "false");
  Store.Reset(new ZQIMG_ImageBody(Width, Height, BitsPerPixel, nullptr));
}

ZQIMG_Image::~ZQIMG_Image() = default;
ZQIMG_Image::ZQIMG_Image(const ZQIMG_Image& Other) noexcept = default;
ZQIMG_Image& ZQIMG_Image::operator=(const ZQIMG_Image& Other) = default;

void ZQIMG_Image::DestroyBody(ZQIMG_ImageBody* Body) noexcept { delete Body; }

ZQ_Point<long> ZQIMG_Image::GetSize() const noexcept {
  return ZQ_Point<long>(GetWidth(), GetHeight());
}
long ZQIMG_Image::GetWidth() const noexcept { return IsEmpty() ? 0 : Store->Width; }
long ZQIMG_Image::GetHeight() const noexcept { return IsEmpty() ? 0 : Store->Height; }
long ZQIMG_Image::GetBitsPerPixel() const noexcept { return IsEmpty() ? 0 : Store->BitsPerPixel; }
long ZQIMG_Image::GetBytesPerRow() const noexcept { return IsEmpty() ? 0 : Store->Stride; }
HBITMAP ZQIMG_Image::GetHBITMAP() const noexcept {
  return IsEmpty() ? nullptr : Store->Bitmap.Get();
}

const BITMAPINFO* ZQIMG_Image::GetBitmapInfo() const noexcept {
  return IsEmpty() ? nullptr : reinterpret_cast<const BITMAPINFO*>(&Store->Info);
}

const unsigned char* ZQIMG_Image::GetRow(long Y) const {
  ZQ_ASSERT((0 <= Y) and (Y < GetHeight()));
  ZQLOW_WINGDI::GdiFlush();
  return Store->Bits + static_cast<size_t>(Store->Stride) * Y;
}

unsigned char* ZQIMG_Image::GetRow24BitForWriting(long Y) {
  ZQ_ASSERT(GetBitsPerPixel() == 24);
  return GetRowForWriting(Y);
}

unsigned char* ZQIMG_Image::GetRowForWriting(long Y) {
  ZQ_ASSERT((0 <= Y) and (Y < GetHeight()));
  MakeStorePrivate();
  return const_cast<unsigned char*>(GetRow(Y));
}

long ZQIMG_Image::GetPaletteSize() const noexcept {
  return IsEmpty() ? 0 : PaletteSizeOf(Store->BitsPerPixel);
}

ZQR_Color ZQIMG_Image::GetPaletteColor(long Index) const {
  ZQ_ASSERT((0 <= Index) and (Index < GetPaletteSize()));
  const RGBQUAD& entry = Store->Info.Colors[Index];
  return ZQR_Color(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

void ZQIMG_Image::SetPaletteColor(long Index, const ZQR_Color& Color) {
  ZQ_ASSERT((0 <= Index) and (Index < GetPaletteSize()));
  ZQR_Color colors[256];
  for (long i = 0; i < GetPaletteSize(); ++i) colors[i] = i == Index ? Color : GetPaletteColor(i);
  SetPalette(colors, GetPaletteSize());
}

void ZQIMG_Image::SetPalette(const ZQR_Color* Colors, long Count) {
  ZQ_ASSERT((0 < Count) and (Count <= GetPaletteSize()));
  MakeStorePrivate();
  RGBQUAD* entries = Store->Info.Colors;
  for (long i = 0; i < Count; ++i)
    entries[i] = RGBQUAD{Colors[i].GetBlue(), Colors[i].GetGreen(), Colors[i].GetRed(), 0};
  // The DIB section keeps its own copy of the colour table, which GDI uses
  // when it draws from or into the section.
  const ZQ_OwnedDC dc(ZQLOW_WINGDI::CreateCompatibleDC(nullptr));
  const HGDIOBJ old = ZQLOW_WINGDI::SelectObject(dc.Get(), Store->Bitmap.Get());
  ZQLOW_WINGDI::SetDIBColorTable(dc.Get(), 0, static_cast<UINT>(Count), entries);
  ZQLOW_WINGDI::SelectObject(dc.Get(), old);
}

ZQR_Color ZQIMG_Image::GetPixelColor(long X, long Y) const {
  ZQ_ASSERT((0 <= X) and (X < GetWidth()));
  const unsigned char* row = GetRow(Y);
  if (Store->BitsPerPixel == 24) return ZQR_Color(row[3 * X + 2], row[3 * X + 1], row[3 * X]);
  return GetPaletteColor(GetPaletteIndex(row, X, Store->BitsPerPixel));
}

void ZQIMG_Image::Draw(HDC DC, long X, long Y, long Width, long Height) const {
  ZQ_TRACE_FUNCTION("ZQIMG_Image::Draw");
  if (IsEmpty()) return;
  if (Width == 0 && Height == 0) {
    Width = GetWidth();
    Height = GetHeight();
  }
  Draw(DC, X, Y, Width, Height, RECT{0, 0, GetWidth(), GetHeight()});
}

void ZQIMG_Image::Draw(HDC DC, long X, long Y, long Width, long Height, const RECT& Source) const {
  if (IsEmpty()) return;
  ZQLOW_WINGDI::GdiFlush();
  // StretchDIBits counts source rows from the bottom, in a top-down image too.
  ZQLOW_WINGDI::StretchDIBits(DC, X, Y, Width, Height, Source.left, GetHeight() - Source.bottom,
                              Source.right - Source.left, Source.bottom - Source.top, Store->Bits,
                              GetBitmapInfo(), DIB_RGB_COLORS, SRCCOPY);
}

unsigned long ZQIMG_Image::GetHashValue() const noexcept {
  return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(Store.Get()));
}

void ZQIMG_Image::MakeStorePrivate() {
  if (Store.GetReferenceCount() > 1) Store.Reset(new ZQIMG_ImageBody(*Store));
}
