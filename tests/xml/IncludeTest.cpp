#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../foundation/ScratchFileSupport.h"
#include "XmlTestSupport.h"
#include "ZQXML_XMLTreeUtil.h"

namespace {

std::string Written(const ZQXML_Tree& Tree) {
  const ZQ_String text = ZQXML_XMLTreeUtil_WriteToString(Tree);
  return std::string(text.GetText() + 22, text.GetLength() - 23);  // without declaration, line end
}

ZQ_AbsoluteURI FolderURI(const std::string& Folder) {
  return ZQ_URI_MakeFromFileName(ZQ_FileName(ZQ_String((Folder + "\\dummy.txt").c_str())));
}

}  // namespace

TEST(ZQXML_Reader, IncludesAreFoundBesideTheIncludingTextThenUnderTheBases) {
  ScratchFolder folder("ZQXmlInclude");
  folder.MakeFolder("sub");
  folder.MakeFolder("b1");
  folder.MakeFolder("b2");
  const std::string main = folder.Put("main.xml", "<r>[-include 'sub/part.xml'-]</r>");
  folder.Put("sub\\part.xml", "<?xml version='1.0'?><p>[-include 'near.xml'-]</p>");
  folder.Put("sub\\near.xml", "<?xml encoding='UTF-8'?>near");  // a text declaration
  folder.Put("b2\\only2.xml", "<two/>");
  folder.Put("b1\\both.xml", "<one/>");
  folder.Put("b2\\both.xml", "<second/>");

  ZQXML_Reader fromFile{ZQ_FileName(main.c_str())};
  EXPECT_EQ(Written(fromFile.Read()), "<r><p>near</p></r>");

  ZQ_AutosizeArray<ZQ_AbsoluteURI> bases;
  bases[0] = FolderURI(folder / "b1");
  bases[1] = FolderURI(folder / "b2");
  ZQXML_Reader fromText("<r>[-include 'only2.xml'-][-include 'both.xml'-]"
                        "[-include 'intres:ZQXMLTESTFRAGMENT'-]</r>");
  fromText.AddBaseURIs(bases.GetIterator(0, 2));
  EXPECT_EQ(Written(fromText.Read()),
            "<r><two/><one/><from-resource n='1'>resource text</from-resource></r>");
}

TEST(ZQXML_Reader, AFileIncludingItselfStopsAtTheNestingLimit) {
  ScratchFolder folder("ZQXmlIncludeSelf");
  const std::string self = folder.Put("self.xml", "<r>[-include 'self.xml'-]</r>");
  const CaughtError error = ErrorOf([&] { ZQXML_Reader(ZQ_FileName(self.c_str())).Read(); });
  EXPECT_EQ(error.Kind, "parse");
  EXPECT_EQ(error.Column, 4);
  EXPECT_NE(error.Description.find("nested more than 64 deep"), std::string::npos);
}

TEST(ZQXML_Reader, AnErrorInsideAnIncludedFileCountsInThatFile) {
  ScratchFolder folder("ZQXmlIncludeError");
  const std::string part = folder.Put("part.xml", "<p>\n  <q></p>");
  const std::string main = folder.Put("main.xml", "<r>\n[-include 'part.xml'-]</r>");
  const CaughtError error = ErrorOf([&] { ZQXML_Reader(ZQ_FileName(main.c_str())).Read(); });
  EXPECT_EQ(error.Kind, "parse");
  EXPECT_EQ(error.Line, 2);
  EXPECT_EQ(error.Column, 6);
  EXPECT_EQ(error.SourceText, "<p>\n  <q></p>");
  EXPECT_NE(error.Description.find("part.xml."), std::string::npos) << error.Description;
}

namespace {

// Notes the elements it reads; at <rewrite/> gives the file a new text.
class RewritingParser : public ZQXML_Parser {
 public:
  RewritingParser(const std::string& Document, std::function<void()> Rewrite)
      : ZQXML_Parser(ZQ_FileName(Document.c_str()), ZQ_String(), 0), Rewrite(Rewrite) {}
  std::string Names;

 protected:
  void Imp_StartElement(const ZQ_String& Name) override {
    Names += std::string(Name.GetText()) + " ";
    if (Name == "rewrite") Rewrite();
  }

 private:
  std::function<void()> Rewrite;
};

}  // namespace

TEST(ZQXML_Reader, AnIncludedFileIsReadOncePerParse) {
  ScratchFolder folder("ZQXmlIncludeOnce");
  folder.Put("part.xml", "<old/>");
  const std::string main =
      folder.Put("main.xml", "<r>[-include 'part.xml'-]<rewrite/>[-include 'part.xml'-]</r>");
  const auto rewrite = [&] { folder.Put("part.xml", "<new/>"); };
  RewritingParser first(main, rewrite);
  first.Parse();
  EXPECT_EQ(first.Names, "r old rewrite old ");
  RewritingParser next(main, rewrite);
  next.Parse();
  EXPECT_EQ(next.Names, "r new rewrite new ");
}

TEST(ZQXML_Reader, EveryFailedIncludeFailsAtItsCommandNamingTheFile) {
  ScratchFolder folder("ZQXmlIncludeFail");
  folder.Put("inc.xml", "<i/>");
  const std::string locked = folder.Put("locked.xml", "<l/>");
  // Each of its uses costs the whole file: two pass the 32 MB budget.
  folder.Put("big.xml", "[-include 'big.xml'-]" + std::string(17000000, 'x'));
  std::string many = "<r>\n";
  for (int i = 0; i < 1001; ++i) many += "[-include 'inc.xml'-]\n";
  const HANDLE lock =
      CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const struct {
    std::string document;
    long line;
    long column;
    std::string message;
    const char* why;
  } kCases[] = {
      {"<r>\n  [-include 'inc.*'-]</r>", 2, 3, "include of \"inc.*\", which exists neither",
       "a wildcard that matches a file"},
      {"<r>\n  [-include 'in?.xml'-]</r>", 2, 3, "include of \"in?.xml\", which exists neither",
       "a wildcard of one character"},
      {"<r>[-include 'locked.xml'-]</r>", 1, 4,
       "include of \"locked.xml\", which could not be read from \"" + locked + "\"",
       "a file that another program holds"},
      {many + "</r>", 1002, 1, "more than 1000 includes", "the 1,001st include"},
      {"<r>[-include 'big.xml'-]</r>", 1, 1, "more than 33554432 bytes longer",
       "a file whose second use passes the budget"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string main = folder.Put("main.xml", c.document);
    const CaughtError error = ErrorOf([&] { ZQXML_Reader(ZQ_FileName(main.c_str())).Read(); });
    EXPECT_EQ(error.Kind, "parse");
    EXPECT_EQ(error.Line, c.line);
    EXPECT_EQ(error.Column, c.column);
    EXPECT_NE(error.Description.find(c.message), std::string::npos) << error.Description;
  }
  CloseHandle(lock);
}
