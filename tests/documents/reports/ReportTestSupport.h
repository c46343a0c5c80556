// ReportTestSupport.h: reading reports, transforming them, validating the
// document markup and comparing it with the golden files.
#ifndef REPORT_TEST_SUPPORT_H
#define REPORT_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ZQRPT_FormattingStylesheet.h"
#include "ZQRPT_ReportDTD.h"
#include "ZQFO_Document.h"
#include "ZQF_HelpDialogBox.h"
#include "ZQXML_Reader.h"
#include "ZQ_Exception.h"

extern bool g_RewriteGoldenFiles;

inline std::string AsStd(const ZQ_String& Text) { return std::string(Text.GetText(), Text.GetLength()); }

inline ZQXML_Tree ReadReport(const std::string& Text) {
  ZQXML_Reader reader(ZQ_String(Text.c_str(), static_cast<int>(Text.size())));
  reader.SetDocumentTypeDefinition(ZQRPT_GetReportDTD());
  return reader.Read();
}

inline std::string Transform(const std::string& Report,
                             const ZQRPT_FormattingStylesheetOptions& Options = {}) {
  return AsStd(ZQRPT_GetFormattingStylesheet(Options).Apply(ReadReport(Report)));
}

// "" when Markup becomes a document (read and validated against the
// document DTD), else the reader's description.
inline std::string DocumentError(const std::string& Markup) {
  try {
    ZQFO_DocumentStream stream;
    stream << ZQ_String(Markup.c_str(), static_cast<int>(Markup.size()));
    stream.GetDocument();
  } catch (const ZQ_Exception& e) {
    return AsStd(e.GetDescription());
  }
  return "";
}

// The golden file Name, empty when missing.
inline std::string LoadGolden(const std::string& Name) {
  std::string text;
  if (FILE* in = std::fopen((std::string(ZQ_REPORT_GOLDEN_DIR) + "/" + Name).c_str(), "rb")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, n);
    std::fclose(in);
  }
  return text;
}

// The options the help window formats its pages with.
inline ZQRPT_FormattingStylesheetOptions HelpOptions() { return GetHelpFormattingOptions(); }

// Compares Actual with the golden file Name byte for byte (or rewrites it).
inline void ExpectGolden(const std::string& Name, const std::string& Actual) {
  const std::string path = std::string(ZQ_REPORT_GOLDEN_DIR) + "/" + Name;
  if (g_RewriteGoldenFiles) {
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(out) << path;
    std::fwrite(Actual.data(), 1, Actual.size(), out);
    std::fclose(out);
    return;
  }
  std::string expected;
  if (FILE* in = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) expected.append(buffer, n);
    std::fclose(in);
  } else {
    ADD_FAILURE() << "no golden file " << path;
  }
  EXPECT_EQ(expected, Actual) << Name;
}

#endif
