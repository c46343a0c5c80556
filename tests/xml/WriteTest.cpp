#include <gtest/gtest.h>

#include <string>

#include "../foundation/ScratchFileSupport.h"
#include "XmlTestSupport.h"
#include "ZQXML_NodeKinds.h"
#include "ZQXML_XMLTreeUtil.h"

namespace {

// Kind, name and value of every node in document order, attributes included.
std::string Shape(const ZQXML_Node* Top) {
  std::string text = std::to_string(Top->GetType()) + ":" + Top->GetName().GetText() + "=";
  if (Top->GetType() != ZQXML_NodeType_Element && Top->GetType() != ZQXML_NodeType_Document)
    text.append(Top->GetValue().GetText(), Top->GetValue().GetLength());
  text += "(";
  for (const ZQXML_Node* child = Top->GetFirstChild(); child; child = child->GetNextSibling())
    text += Shape(child);
  return text + ")";
}

const char kAwkward[] = "x[-define y 'z'-] &amp; ]]> -- <a> \"'\r\r\n\t\x01\x7F\xE9\xFF end";

ZQXML_Tree AwkwardTree() {
  ZQXML_Tree tree;
  ZQXML_Node* document = tree.GetModifiableRootNode();
  document->AddLastChild(new ZQXML_Node_Comment(" top "));
  ZQXML_Node* root = new ZQXML_Node_Element("root");
  document->AddLastChild(root);
  root->SetAttributeValue("plain", "v");
  root->SetAttributeValue("awkward", ZQ_String(kAwkward, sizeof kAwkward - 1));
  root->AddLastChild(new ZQXML_Node_Text(ZQ_String(kAwkward, sizeof kAwkward - 1)));
  ZQXML_Node* empty = new ZQXML_Node_Element("x:empty");
  root->AddLastChild(empty);
  empty->SetAttributeValue("a", "");
  ZQXML_Node* inner = new ZQXML_Node_Element("inner");
  root->AddLastChild(inner);
  inner->AddLastChild(new ZQXML_Node_Text("\n  "));
  inner->AddLastChild(new ZQXML_Node_Comment("c"));
  return tree;
}

}  // namespace

TEST(ZQXML_XMLTreeUtil, WrittenTreesReadBackEqual) {
  ScratchFolder folder("ZQXmlWrite");
  const ZQXML_Tree tree = AwkwardTree();
  const ZQ_FileName file((folder / "out.xml").c_str());
  ZQXML_XMLTreeUtil_Write(tree, file);
  ZQXML_Reader reader(file);
  EXPECT_EQ(Shape(reader.Read().GetRootNode()), Shape(tree.GetRootNode()));
  const std::string text = ScratchFolder::Get(folder / "out.xml");
  EXPECT_EQ(text.rfind("<?xml version='1.0'?>\n<!-- top -->\n<root awkward='x&#91;&#45;", 0), 0u);
  EXPECT_NE(text.find("<x:empty a=''/><inner>\n  <!--c-->"), std::string::npos);
}

TEST(ZQXML_XMLTreeUtil, WriteFailuresNameTheFile) {
  ScratchFolder folder("ZQXmlWriteFail");
  const std::string name = folder / "missing\\out.xml";
  const CaughtError error = ErrorOf([&] { ZQXML_XMLTreeUtil_Write(AwkwardTree(), name.c_str()); });
  EXPECT_EQ(error.Kind, "other");
  EXPECT_NE(error.Description.find("while attempting to write the XML file \"" + name + "\"."),
            std::string::npos)
      << error.Description;
}

TEST(ZQXML_XMLTreeUtil, AnyCommentTextReadsBackAsOneComment) {
  const struct {
    const char* text;
    const char* readBack;  // a blank after each "-" that another follows or that ends it
  } kCases[] = {
      {"a--b", "a- -b"},  {"-", "- "},         {"-->", "- ->"},
      {"--->", "- - ->"}, {"----", "- - - - "}, {"x --> <b/>", "x - -> <b/>"},
  };
  ScratchFolder folder("ZQXmlWriteComment");
  const ZQ_FileName file((folder / "comment.xml").c_str());
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    ZQXML_Tree tree;
    ZQXML_Node* root = new ZQXML_Node_Element("r");
    tree.GetModifiableRootNode()->AddLastChild(root);
    root->AddLastChild(new ZQXML_Node_Comment(c.text));
    ZQXML_XMLTreeUtil_Write(tree, file);
    ZQXML_Reader reader(file);
    EXPECT_EQ(Shape(reader.Read().GetRootNode()),
              std::string("16777216:=(1:r=(8:=") + c.readBack + "()))");
  }
}
