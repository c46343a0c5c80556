// DocumentsTestSupport.h: what the document tests lay out on: a canvas over
// a memory image that counts its font realisations and can pose as a
// device of any kind with or without every RGB colour, and documents read
// against the document DTD whose elements' options are collected by id.
#ifndef DOCUMENTS_TEST_SUPPORT_H
#define DOCUMENTS_TEST_SUPPORT_H

#include <algorithm>
#include <map>
#include <string>

#include "ZQFO_Document.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQIMGIO.h"
#include "ZQIMG_Image.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "ZQXML_Node.h"
#include "ZQXML_Reader.h"
#include "ZQ_FileUtils.h"
#include "ZQ_URI.h"

// A 200 x 100 pixel memory image, for 50 x 25 mm unless told otherwise, made
// before the canvas over it and destroyed after it.
struct TestSurface {
  ZQIMG_Image Image{200, 100, 24};
  ZQR_MemoryDC SurfaceDC{nullptr, Image.GetHBITMAP()};
};

class TestCanvas : private TestSurface, public ZQPIC_DeviceContextCanvas {
 public:
  explicit TestCanvas(long DeviceKind = 3, bool ShowsEveryColor = true,
                      const ZQ_Point<double>& SizeMm = ZQ_Point<double>(50, 25))
      : ZQPIC_DeviceContextCanvas(SurfaceDC.GetHDC(), ZQ_Rectangle<long>(0, 0, 200, 100), DeviceKind, SizeMm),
        ShowsEveryColor(ShowsEveryColor) {
    Initialize();
  }

  bool Imp_GetCapability(long Code) const override { return Code == 4 && ShowsEveryColor; }
  // A coarse device: every channel rounded down to a multiple of 64.
  ZQR_Color GetClosestColor(const ZQR_Color& Color) const override {
    return ZQR_Color(Color.GetRed() & 0xC0, Color.GetGreen() & 0xC0, Color.GetBlue() & 0xC0);
  }
  long NumFontRealisations = 0;
  // The pixels drawn so far (row 0 at the top, 4 pixels a millimetre).
  const ZQIMG_Image& GetSurfaceImage() const { return Image; }

 protected:
  void Imp_RealiseFont(ZQPIC_GraphicsState& State) override {
    ++NumFontRealisations;
    ZQPIC_DeviceContextCanvas::Imp_RealiseFont(State);
  }

 private:
  bool ShowsEveryColor;
};

// Image saved as a PNG named Name in the temporary folder, as a file URI.
inline ZQ_URI TemporaryImageURI(const ZQIMG_Image& Image, const char* Name) {
  const ZQ_String path = ZQ_FileUtils::GetTemporaryDirectory() + Name;
  ZQIMGIO_SaveToFile_PNG(ZQ_FileName(path), Image);
  std::string uri = "file:" + std::string(path.GetText());
  std::replace(uri.begin(), uri.end(), '\\', '/');
  return ZQ_URI(uri.c_str());
}

inline ZQXML_Tree ReadDocument(const std::string& Text) {
  ZQXML_Reader reader(ZQ_String(Text.c_str()));
  reader.SetDocumentTypeDefinition(ZQFO_GetDocumentDTD());
  return reader.Read();
}

// Walks a tree as the document parser will: push on entering an element,
// its standard options, the options handed out, pop on leaving. The
// options of every element with an id, by id.
using OptionsById = std::map<std::string, ZQFO_FormattingOptions>;
inline void CollectOptions(const ZQXML_Node& Element, ZQFO_FormattingOptionsFactory& Factory,
                           OptionsById& Result) {
  Factory.PushCurrentOptionsStack();
  ZQFO_ParseStandardOptions(Element, Factory);
  const ZQ_String id = Element.GetAttributeValue("id", "");
  const ZQFO_FormattingOptions options = Factory.GetFormattingOptions();
  if (!id.IsEmpty()) Result[id.GetText()] = options;
  for (const ZQXML_Node* child = Element.GetFirstChild(); child; child = child->GetNextSibling())
    if (child->GetType() == ZQXML_NodeType_Element) CollectOptions(*child, Factory, Result);
  Factory.PopCurrentOptionsStack();
}

inline OptionsById CollectOptions(const std::string& Body, ZQFO_FormattingOptionsFactory& Factory) {
  const ZQXML_Tree tree = ReadDocument("<zqfo_document><zqfo_section><zqfo_blockstream>" + Body +
                                       "</zqfo_blockstream></zqfo_section></zqfo_document>");
  OptionsById result;
  CollectOptions(*tree.GetRootElement(), Factory, result);
  return result;
}

#endif
