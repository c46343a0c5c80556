#include <gtest/gtest.h>

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
