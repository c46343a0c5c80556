#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../foundation/ScratchFileSupport.h"
#include "DtdTestSupport.h"
#include "FuzzTestSupport.h"
#include "ZQXREG_RegistryDocument.h"
#include "ZQ_RegistryFolder.h"

namespace {

std::string ResourceText(const char* URI) {
  const ZQ_String text = ZQ_URI(URI).LoadResourceIntoString();
  return std::string(text.GetText(), text.GetLength());
}

ZQ_String ToZQString(const std::string& Text) { return ZQ_String(Text.data(), static_cast<int>(Text.size())); }

// Runs Use on Count mutations of each seed: each must succeed or throw
// ZQ_Exception, a parse error lying inside its text.
void FuzzEach(const std::vector<std::string>& Seeds, int Count, const char* const* Inserts,
              size_t NumInserts, const std::function<void(const std::string&)>& Use) {
  std::mt19937 random(20261207);
  long failed = 0;
  for (int i = 0; i < Count; ++i) {
    std::string text = Seeds[static_cast<size_t>(i) % Seeds.size()];
    for (int n = 1 + random() % 3; n > 0; --n) Mutate(text, random, Inserts, NumInserts);
    const CaughtError error = ErrorOf([&] { Use(text); });
    if (error.Kind.empty()) continue;
    ++failed;
    if (error.Kind == "parse") {
      ASSERT_TRUE(LiesInside(error.SourceText, error.ExceptionLine, error.ExceptionColumn))
          << text << "\n" << error.Description;
    }
  }
  EXPECT_GT(failed, Count / 10);
}

}  // namespace

TEST(ZQXML_DtdFuzz, MutatedDtdsParseOrFail) {
  static const char* const kInserts[] = {"%", "%item;", "(", ")", "|", ",", "*", "+", "<!ELEMENT a ", "\"", "'", "<!--", ">"};
  const std::vector<std::string> seeds = {ResourceText("intres:ZQXREG_RegistryDTD"),
                                          ResourceText("intres:ZQFO_DocumentDTD"),
                                          ResourceText("intres:ZQRPT_ReportDTD")};
  FuzzEach(seeds, 600, kInserts, sizeof kInserts / sizeof kInserts[0],
           [](const std::string& Text) {
    ZQXML_DocumentTypeDefinitionParser(ToZQString(Text), ZQ_String()).Parse();
  });
}

TEST(ZQXML_DtdFuzz, MutatedDocumentsValidateOrFail) {
  static const char* const kInserts[] = {"<", "</", "/>", "&", "&reg;", "<para>", "<symbol name='x'/>", "'"};
  const ZQXML_DocumentTypeDefinition report = DtdOf(ResourceText("intres:ZQRPT_ReportDTD").c_str());
  const std::vector<std::string> seeds = {
      "<section id='s'><title>T &tm;</title><para>a <bold>b</bold> &reg;</para>"
      "<table><tableheader><tablecolumnheader>h</tablecolumnheader></tableheader>"
      "<tablerow><tablecell>c</tablecell></tablerow></table>"
      "<orderedlist><listitem><para>x</para></listitem></orderedlist><section><title>u</title></section></section>"};
  FuzzEach(seeds, 1500, kInserts, sizeof kInserts / sizeof kInserts[0], [&](const std::string& Text) {
    ZQXML_Reader reader(ToZQString(Text));
    reader.SetDocumentTypeDefinition(report);
    reader.Read();
  });
}

TEST(ZQXML_DtdFuzz, MutatedRegistryFilesLoadOrThrow) {
  static const char* const kInserts[] = {"<", "</folder>", "<int key='k'>", "&#", "'", "<data>0"};
  ScratchFolder scratch("ZQRegistryFuzz");
  const std::string path = scratch / "fuzz.xml";
  const std::vector<std::string> seeds = {
      "<?xml version='1.0'?>\n<registry doctypename='T' doctypeid='0012-fcc8-0000-cd5f-04d1-c90f-f796-1034'>\n"
      "  <folder key='F'>\n    <int key='I'>-3</int>\n    <uint key='U'>0000FFFF</uint>\n"
      "    <float key='D'>0.10000000000000001</float>\n  </folder>\n"
      "  <sequence key='S'><text>a&#10;b</text><data>00FF41</data><bool>true</bool></sequence>\n"
      "  <date key='Date'>2026-12-07</date>\n  <time key='Time'>14:05:09.007</time>\n</registry>\n"};
  const ZQ_UID id(ZQ_String("0012-fcc8-0000-cd5f-04d1-c90f-f796-1034"));
  FuzzEach(seeds, 300, kInserts, sizeof kInserts / sizeof kInserts[0], [&](const std::string& Text) {
    scratch.Put("fuzz.xml", Text);
    ZQ_RegistryFolder folder;
    ZQXREG_FileContainsRegistryDocument(ZQ_FileName(path.c_str()), id);
    ZQXREG_LoadFolderFromFileInXMLFormat(ZQ_FileName(path.c_str()), folder, "T", id);
  });
}
