// DocumentDisplayTestSupport.h: document display controls in real windows
// under Xvfb, documents written as markup through a document stream.
#ifndef DOCUMENT_DISPLAY_TEST_SUPPORT_H
#define DOCUMENT_DISPLAY_TEST_SUPPORT_H

#include <string>

#include "../../gui/core/WindowTestSupport.h"
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQFO_Document.h"

inline ZQFO_Document MakeDisplayDocument(const std::string& Markup) {
  ZQFO_DocumentStream stream;
  stream << Markup.c_str();
  return stream.GetDocument();
}

// Count paragraphs "Line i" in one section.
inline std::string Paragraphs(int Count, const std::string& Attributes = "") {
  std::string body;
  for (int i = 0; i < Count; ++i)
    body += "<zqfo_para" + Attributes + ">Line " + std::to_string(i) + "</zqfo_para>";
  return "<zqfo_document><zqfo_section><zqfo_blockstream>" + body +
         "</zqfo_blockstream></zqfo_section></zqfo_document>";
}

class DocumentDisplayTest : public WindowTest {
 protected:
  // A window whose client area is the display control alone.
  ZQFOxZQF_DocumentDisplayGlyph* OpenDisplay(const std::string& Markup, long Width, long Height,
                                             int SizingMode = 0) {
    auto* display = new ZQFOxZQF_DocumentDisplayGlyph(MakeDisplayDocument(Markup));
    display->SetSizingMode(SizingMode);
    window = OpenAround(display, ZQ_Rectangle<long>(100, 100, Width, Height));
    return display;
  }
  ZQF_Window* window = nullptr;
};

#endif
