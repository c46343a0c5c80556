#include "ZQFO_ExportDocumentToHTML_ExportContext.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "ZQFO_DistributionContext.h"
#include "ZQ_FileStreamSink.h"
#include "ZQIMGIO.h"
#include "ZQPIC_Canvas.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Numeric.h"
#include "ZQXML_TextEncoding.h"

namespace {

// A pixel count for a length: rounded, halves down, then held to 1..4,096 so
// that no export tries to allocate an image without bound (or without size).
long ClampedPixels(double Mm, double PixelsPerMm) {
  const double pixels = ZQ_Round(Mm * PixelsPerMm);
  if (!(pixels >= 1)) return 1;
  return pixels > 4096 ? 4096 : static_cast<long>(pixels);
}

// A length from outside that is not finite counts as 0.
double Finite(double Value) { return std::isfinite(Value) ? Value : 0; }

}  // namespace

ZQFO_HTMLOutput::ZQFO_HTMLOutput(const ZQ_StreamSink& Target)
    : Target(Target), Current(TakeBlock()), Block(Current.get()) {}

ZQFO_HTMLOutput::~ZQFO_HTMLOutput() { GiveBackBlock(std::move(Current)); }

std::vector<std::unique_ptr<char[]>>& ZQFO_HTMLOutput::SpareBlocks() {
  static std::vector<std::unique_ptr<char[]>> s_spare;
  return s_spare;
}

std::unique_ptr<char[]> ZQFO_HTMLOutput::TakeBlock() {
  std::vector<std::unique_ptr<char[]>>& spare = SpareBlocks();
  if (spare.empty()) return std::unique_ptr<char[]>(new char[kBlockSize]);
  std::unique_ptr<char[]> block = std::move(spare.back());
  spare.pop_back();
  return block;
}

void ZQFO_HTMLOutput::GiveBackBlock(std::unique_ptr<char[]> Bytes) noexcept {
  std::vector<std::unique_ptr<char[]>>& spare = SpareBlocks();
  if (spare.size() >= kMaxSpareBlocks) return;
  try {
    spare.push_back(std::move(Bytes));
  } catch (...) {  // out of memory: the block is freed instead
  }
}

void ZQFO_HTMLOutput::Flush() {
  PassOn();
  Target.Flush();
}

void ZQFO_HTMLOutput::PushBlock() {
  if (Held.size() >= kMaxHeldBlocks) {
    PassOn();
    return;
  }
  std::unique_ptr<char[]> next = TakeBlock();
  Held.push_back({std::move(Current), Used});
  Current = std::move(next);
  Block = Current.get();
  Used = 0;
}

void ZQFO_HTMLOutput::PassOn() {
  // Taken out first: a write that throws must not send them again.
  std::vector<HeldBlock> held;
  held.swap(Held);
  const unsigned long used = Used;
  Used = 0;
  unsigned long total = used;
  for (const HeldBlock& block : held) total += block.Used;
  if (total == 0) return;
  Target.Reserve(total);
  for (const HeldBlock& block : held) Target.Write(block.Bytes.get(), block.Used);
  if (used > 0) Target.Write(Block, used);
  for (HeldBlock& block : held) GiveBackBlock(std::move(block.Bytes));
}

void ZQFO_HTMLOutput::AppendLong(const char* Text, unsigned long N) {
  if (N >= kBlockSize) {
    // Too long for a block: what is held goes first.
    PassOn();
    Target.Write(Text, N);
    return;
  }
  PushBlock();
  std::memcpy(Block, Text, N);
  Used = N;
}

void ZQFO_HTMLOutput::AppendEncoded(const ZQ_String& Text, unsigned long Flags) {
  // A reference takes at most 6 bytes ("&#255;"): each piece of the text
  // is encoded into room for 6 times its length.
  const unsigned long kReference = 6;
  const unsigned short* const flagOf = ZQXML_EncodingFlagOfByte;
  Flags &= ZQXML_Encode_All;
  const auto isEncoded = [&](char Char) { return (flagOf[static_cast<unsigned char>(Char)] & Flags) != 0; };
  const char* text = Text.GetText();
  unsigned long left = static_cast<unsigned long>(Text.GetLength());
  while (left > 0) {
    if ((kBlockSize - Used) / kReference < std::min(left, kBlockSize / kReference)) PushBlock();
    const unsigned long n = std::min(left, (kBlockSize - Used) / kReference);
    char* out = Block + Used;
    for (const char* end = text + n; text < end; ++text) {
      // Four bytes at a time while none is encoded.
      while (end - text >= 4 && !(isEncoded(text[0]) | isEncoded(text[1]) | isEncoded(text[2]) | isEncoded(text[3]))) {
        std::uint32_t word;
        std::memcpy(&word, text, 4);
        std::memcpy(out, &word, 4);
        text += 4;
        out += 4;
      }
      if (text == end) break;
      if (!isEncoded(*text)) {
        *out++ = *text;
        continue;
      }
      const unsigned char code = static_cast<unsigned char>(*text);
      *out++ = '&';
      *out++ = '#';
      if (code >= 100) *out++ = static_cast<char>('0' + code / 100);
      if (code >= 10) *out++ = static_cast<char>('0' + code / 10 % 10);
      *out++ = static_cast<char>('0' + code % 10);
      *out++ = ';';
    }
    Used = static_cast<unsigned long>(out - Block);
    left -= n;
  }
}

ZQFO_ExportDocumentToHTML_ExportContext::ZQFO_ExportDocumentToHTML_ExportContext(
    const ZQFO_Document& Document, const ZQ_FileName& FileName, const ZQFO_ExportDocumentToHTML_Options& Options,
    ZQFO_DistributionContext& Context)
    : ZQFO_ExportDocumentToHTML_ExportContext(ZQ_CreateFileStreamSink(FileName), Context, FileName, Options) {
  this->Document = Document;
}

ZQFO_ExportDocumentToHTML_ExportContext::ZQFO_ExportDocumentToHTML_ExportContext(
    const ZQ_StreamSink& Sink, ZQFO_DistributionContext& Context, const ZQ_FileName& FileName,
    const ZQFO_ExportDocumentToHTML_Options& Options)
    : FileName(FileName), Output(new ZQFO_HTMLOutput(Sink)), Formatter(ZQ_StreamSink(Output)), Context(Context),
      MaximumImageWidthMm(ZQ_Round(Options.MaximumImageWidth * Options.MillimetersPerPixel)),
      MaximumImageHeightMm(ZQ_Round(Options.MaximumImageHeight * Options.MillimetersPerPixel)) {}

void ZQFO_ExportDocumentToHTML_ExportContext::ComputeDisplaySize(const ZQFO_ExportImageLimits& Limits,
                                                                 ZQ_Point<double>& SizeMm,
                                                                 ZQ_Point<long>& SizePx) const {
  // A minimum wins over the element's maximum but not over the export's: a
  // minimum of "max" would draw every picture at the pixel limit, some
  // fifty megabytes each, and keep them all until the export ends.
  SizeMm.X = std::min(
      std::max(Finite(Limits.MinimumWidth), std::min(Finite(Limits.MaximumWidth), MaximumImageWidthMm)),
      MaximumImageWidthMm);
  if (Limits.Ratio > 0 && std::isfinite(Limits.Ratio))
    SizeMm.Y = SizeMm.X / Limits.Ratio;
  else
    SizeMm.Y = std::min(
        std::max(Finite(Limits.MinimumHeight), std::min(Finite(Limits.MaximumHeight), MaximumImageHeightMm)),
        MaximumImageHeightMm);
  const ZQ_Point<double> perMm = Context.GetCanvas().GetDevicePixelsPerMillimeter();
  SizePx = {ClampedPixels(SizeMm.X, perMm.X), ClampedPixels(SizeMm.Y, perMm.Y)};
}

ZQFO_ExportDocumentToHTML_ExportContext::~ZQFO_ExportDocumentToHTML_ExportContext() {
  ZQ_String line = "HTML export: the end of the output could not be written";
  try {
    Flush();
    return;
  } catch (const ZQ_Exception& e) {
    line += ": ";
    line += e.GetDescription();
  } catch (...) {
  }
  line += "\n";
  ZQ_WriteDebugLogEntry(line);
}

void ZQFO_ExportDocumentToHTML_ExportContext::Flush() { Formatter.GetSink().Flush(); }

ZQ_String ZQFO_ExportDocumentToHTML_ExportContext::ConvertImageToFileName(const ZQIMG_Image& Image) {
  if (const auto* known = ImagesWritten.FindLink(Image)) return known->Value;
  ++NumImages;
  ZQ_String base = FileName.GetPath();
  base += FileName.GetBase();
  base += "_Image_";
  base += std::to_string(NumImages).c_str();
  ZQ_FileName jpegName(base + ".jpg"), pngName(base + ".png");
  ZQIMGIO_SaveToFile_JPG(jpegName, Image, 90);
  ZQIMGIO_SaveToFile_PNG(pngName, Image);
  const bool isPngKept =
      static_cast<double>(ZQ_FileUtils::GetFileSize(pngName)) <= 1.5 * ZQ_FileUtils::GetFileSize(jpegName);
  ZQ_FileUtils::Delete(isPngKept ? jpegName : pngName, 0);
  const ZQ_String kept = (isPngKept ? pngName : jpegName).GetFileName();
  ImagesWritten.Set(Image, kept);
  return kept;
}

ZQ_String ZQFO_ExportDocumentToHTML_ExportContext::FindPictureFile(const void* Picture, const ZQ_Point<double>& SizeMm,
                                                                   const ZQ_Point<long>& SizePx) const {
  const auto found = PictureFiles.find(PictureKey(Picture, SizeMm.X, SizeMm.Y, SizePx.X, SizePx.Y));
  return found == PictureFiles.end() ? ZQ_String() : found->second;
}

void ZQFO_ExportDocumentToHTML_ExportContext::RecordPictureFile(const void* Picture, const ZQ_Point<double>& SizeMm,
                                                                const ZQ_Point<long>& SizePx, const ZQ_String& File) {
  PictureFiles[PictureKey(Picture, SizeMm.X, SizeMm.Y, SizePx.X, SizePx.Y)] = File;
}

bool ZQFO_ExportDocumentToHTML_ExportContext::WasAnchorWritten(const ZQ_String& Name) {
  if (AnchorsWritten.FindLink(Name)) return true;
  AnchorsWritten.Set(Name, true);
  return false;
}
