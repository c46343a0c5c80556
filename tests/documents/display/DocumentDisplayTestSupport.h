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

inline std::string Document(const std::string& Body) {
  return "<zqfo_document><zqfo_section><zqfo_blockstream>" + Body + "</zqfo_blockstream></zqfo_section></zqfo_document>";
}

// Count paragraphs "Line i" with the ids "pi".
inline std::string Lines(int Count) {
  std::string body;
  for (int i = 0; i < Count; ++i) body += "<zqfo_para id='p" + std::to_string(i) + "'>Line " + std::to_string(i) + "</zqfo_para>";
  return body;
}

class DocumentDisplayTest : public WindowTest {
 protected:
  // A window whose client area is the display control alone.
  ZQFOxZQF_DocumentDisplayGlyph* OpenDisplay(const std::string& Body, long Width, long Height) {
    auto* display = new ZQFOxZQF_DocumentDisplayGlyph(MakeDisplayDocument(Document(Body)));
    window = OpenAround(display, ZQ_Rectangle<long>(100, 100, Width, Height));
    return display;
  }
  ZQF_Window* window = nullptr;
};

#endif
