// ZQFO_ExportDocumentToHTML_ExportContext.h: what the HTML export hands to
// every block and flow object that writes itself: the output and the text
// formatter over it, the distribution context (measuring canvas, image cache,
// external context), the largest image size, and the registries that keep
// one export from writing an image file or an anchor twice. Writers are
// walked twice: stage 0 writes nothing, stage 1 writes everything. File and
// image failures throw the file and image services' ZQ_Exception. The
// distribution context is borrowed and outlives this record. UI thread only.
#ifndef ZQFO_EXPORTDOCUMENTTOHTML_EXPORTCONTEXT_H
#define ZQFO_EXPORTDOCUMENTTOHTML_EXPORTCONTEXT_H

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "ZQFO_Document.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQIMG_Image.h"
#include "ZQ_FileName.h"
#include "ZQ_Map.h"
#include "ZQ_Point.h"
#include "ZQ_StreamSink.h"
#include "ZQ_TextStreamFormatter.h"

class ZQFO_DistributionContext;

struct ZQFO_ExportDocumentToHTML_Options {
  double MillimetersPerPixel = 0.35336;
  long MaximumImageWidth = 600;  // pixels
  long MaximumImageHeight = 600;
};

// Size limits of an image or picture, millimetres; a Ratio (width over
// height) above 0 keeps the proportions.
struct ZQFO_ExportImageLimits {
  double MinimumWidth = 0, MinimumHeight = 0;
  double MaximumWidth = 0, MaximumHeight = 0;
  double Ratio = 0;
};

// The export's output: the writers fill blocks of memory that go on to the
// sink at Flush (or once 4 MB are held), so that each of the many small
// pieces (a tag, a word, a blank) costs a copy, a file sink makes one system
// call a block, and a string sink grows once, told the whole size. Emptied
// blocks are kept for the next export (up to 4 MB, for the whole run): the
// heap hands large freed areas back to the system, and fresh pages cost
// more than the copying. The context's text formatter writes through the
// output as well, so both kinds of writes keep their order. Sink failures
// throw. UI thread only.
class ZQFO_HTMLOutput : public ZQ_StreamSinkReference {
 public:
  explicit ZQFO_HTMLOutput(const ZQ_StreamSink& Target);
  ~ZQFO_HTMLOutput() override;
  void Write(const void* Data, unsigned long N) override { Append(static_cast<const char*>(Data), N); }
  // Passes everything held on, then flushes the sink.
  void Flush() override;

  void Append(char Char) {
    if (Used == kBlockSize) PushBlock();
    Block[Used++] = Char;
  }
  // Copied here word by word: the runtime's memcpy costs more than a short
  // piece.
  void Append(const char* Text, unsigned long N) {
    if (N > kBlockSize - Used) {
      AppendLong(Text, N);
      return;
    }
    char* out = Block + Used;
    Used += N;
    for (; N >= 4; N -= 4, Text += 4, out += 4) {
      std::uint32_t word;
      std::memcpy(&word, Text, 4);
      std::memcpy(out, &word, 4);
    }
    for (; N > 0; --N) *out++ = *Text++;
  }
  // A literal, without measuring it.
  template <unsigned long N>
  void Append(const char (&Literal)[N]) {
    Append(Literal, N - 1);
  }
  void Append(const ZQ_String& Text) { Append(Text.GetText(), static_cast<unsigned long>(Text.GetLength())); }
  // Text with the characters that Flags (ZQXML_Encode_...) select written as
  // numeric references, as ZQXML_EncodeSpecialCharacters writes them.
  void AppendEncoded(const ZQ_String& Text, unsigned long Flags);

 private:
  static const unsigned long kBlockSize = 32768;
  static const unsigned long kMaxHeldBlocks = 128;
  static const unsigned long kMaxSpareBlocks = 128;
  struct HeldBlock {
    std::unique_ptr<char[]> Bytes;
    unsigned long Used;
  };
  void AppendLong(const char* Text, unsigned long N);
  // Holds the current block and starts another.
  void PushBlock();
  // Writes the held blocks and the current one to the sink.
  void PassOn();
  static std::vector<std::unique_ptr<char[]>>& SpareBlocks();
  static std::unique_ptr<char[]> TakeBlock();
  static void GiveBackBlock(std::unique_ptr<char[]> Bytes) noexcept;

  ZQ_StreamSink Target;
  std::vector<HeldBlock> Held;
  std::unique_ptr<char[]> Current;
  char* Block;  // Current's bytes
  unsigned long Used = 0;
};

class ZQFO_ExportDocumentToHTML_ExportContext {
 public:
  // Creates FileName anew for the HTML; image files go beside it.
  ZQFO_ExportDocumentToHTML_ExportContext(const ZQFO_Document& Document, const ZQ_FileName& FileName,
                                          const ZQFO_ExportDocumentToHTML_Options& Options,
                                          ZQFO_DistributionContext& Context);
  // Writes to Sink; FileName then names only the image files (base and
  // folder), for exports into memory.
  ZQFO_ExportDocumentToHTML_ExportContext(const ZQ_StreamSink& Sink, ZQFO_DistributionContext& Context,
                                          const ZQ_FileName& FileName = ZQ_FileName(),
                                          const ZQFO_ExportDocumentToHTML_Options& Options = {});
  // Flushes; a failure then is only logged: call Flush to see it.
  ~ZQFO_ExportDocumentToHTML_ExportContext();
  ZQFO_ExportDocumentToHTML_ExportContext(const ZQFO_ExportDocumentToHTML_ExportContext&) = delete;
  ZQFO_ExportDocumentToHTML_ExportContext& operator=(const ZQFO_ExportDocumentToHTML_ExportContext&) = delete;

  // Writes go through the output's block: Flush passes everything written
  // so far on to the sink (and flushes it); the sink's failures throw.
  ZQFO_HTMLOutput& GetOutput() { return *Output; }
  ZQ_TextStreamFormatter& GetFormatter() { return Formatter; }
  void Flush();
  ZQFO_DistributionContext& GetContext() { return Context; }
  const ZQFO_Document& GetDocument() const { return Document; }
  // The largest image the export writes, millimetres (whole numbers).
  double GetMaximumImageWidth() const { return MaximumImageWidthMm; }
  double GetMaximumImageHeight() const { return MaximumImageHeightMm; }

  // The display size of an image within Limits and the export's maximum (a
  // minimum above the element's maximum wins, one above the export's does
  // not), in millimetres and in pixels of the measuring canvas (1 to 4,096
  // a side, so that an unbounded size still makes an image that can be had).
  void ComputeDisplaySize(const ZQFO_ExportImageLimits& Limits, ZQ_Point<double>& SizeMm,
                          ZQ_Point<long>& SizePx) const;
  // The name (without folder) of the file that holds Image, written on its
  // first use as base_Image_n.png, or .jpg when the PNG is more than 1.5
  // times the JPEG's size; the other file is deleted.
  ZQ_String ConvertImageToFileName(const ZQIMG_Image& Image);
  // The file that holds Picture (any object that stands for one drawing)
  // drawn at SizeMm on SizePx pixels, when this export wrote it before;
  // empty otherwise. A picture used many times is drawn and written once.
  ZQ_String FindPictureFile(const void* Picture, const ZQ_Point<double>& SizeMm,
                            const ZQ_Point<long>& SizePx) const;
  void RecordPictureFile(const void* Picture, const ZQ_Point<double>& SizeMm, const ZQ_Point<long>& SizePx,
                         const ZQ_String& File);
  // True when Name was anchored before in this export; records it.
  bool WasAnchorWritten(const ZQ_String& Name);
  // An empty collector for the options of one block's anchors, reused by
  // every block of the export (each is done with it before the next).
  ZQFO_FormattingOptionsCollector& GetEmptyAnchorCollector() {
    AnchorCollector.Clear();
    return AnchorCollector;
  }

 private:
  ZQFO_Document Document;
  ZQ_FileName FileName;
  ZQFO_HTMLOutput* Output;  // owned by the formatter's sink
  ZQ_TextStreamFormatter Formatter;
  ZQFO_DistributionContext& Context;
  double MaximumImageWidthMm;
  double MaximumImageHeightMm;
  long NumImages = 0;
  ZQ_Map<ZQIMG_Image, ZQ_String> ImagesWritten{37};
  using PictureKey = std::tuple<const void*, double, double, long, long>;
  std::map<PictureKey, ZQ_String> PictureFiles;
  ZQ_Map<ZQ_String, bool> AnchorsWritten{37};
  ZQFO_FormattingOptionsCollector AnchorCollector;
};

#endif
