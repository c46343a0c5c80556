// PrintTestSupport.h: documents of known pages ("Page 1", "Page 2", ...) and
// their page numbers as the PostScript driver writes them, for the printing
// and preview tests (fixture: PrintingTestSupport.h).
#ifndef PRINT_TEST_SUPPORT_H
#define PRINT_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "DialogCloser.h"
#include "PrintingTestSupport.h"
#include "ZQFO_Document.h"
#include "ZQLOW_WIN_Core.h"

// A document of NumPages sections, one a page, holding "Page 1" ... .
inline ZQFO_Document PagesDocument(int NumPages, const char* Name = "Pages") {
  std::string markup = "<zqfo_document>";
  for (int page = 1; page <= NumPages; ++page)
    markup += "<zqfo_section><zqfo_blockstream><zqfo_para>Page " + std::to_string(page) +
              "</zqfo_para></zqfo_blockstream></zqfo_section>";
  markup += "</zqfo_document>";
  ZQFO_DocumentStream stream;
  stream << markup.c_str();
  ZQFO_Document document = stream.GetDocument();
  document.SetName(Name);
  return document;
}

// The digits of a page number as the PostScript driver names their glyphs.
inline std::string PostScriptNumber(int Number) {
  static const char* const kNames[] = {"zero", "one", "two", "three", "four",
                                       "five", "six", "seven", "eight", "nine"};
  std::string result;
  for (char digit : std::to_string(Number)) result += std::string("/") + kNames[digit - '0'] + " glyphshow";
  return result;
}

#endif
