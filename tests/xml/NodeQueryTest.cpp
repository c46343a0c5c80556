#include <gtest/gtest.h>

#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "XmlTestSupport.h"
#include "ZQXML_NodeKinds.h"

namespace {

// Names of the nodes, "#" + value for nameless ones, joined by blanks.
std::string Describe(const ZQXML_ReadOnlyNodeSequence& Nodes) {
  std::string text;
  for (long i = 0; i < Nodes.GetCount(); ++i) {
    if (!text.empty()) text += ' ';
    const ZQ_String name = Nodes[i]->GetName();
    text += name.IsEmpty() ? std::string("#") + Nodes[i]->GetValue().GetText() : name.GetText();
  }
  return text;
}

const char* const kDocument =
    "<r a='1' b='2'><x:p id='p1'>one<!--c--><q>two</q></x:p>"
    "<iref/><s>three<t>four</t></s><u><v/></u></r>";

}  // namespace

TEST(ZQXML_Node, GetChildrenFiltersByMaskAndPattern) {
  const ZQXML_Tree tree = ReadText(kDocument);
  const ZQXML_Node* p = tree.GetRootElement()->FindChildElement("x:p");
  ASSERT_NE(p, nullptr);
  const ZQXML_Node* r = tree.GetRootElement();
  const struct {
    const ZQXML_Node* node;
    long mask;
    const char* pattern;
    const char* want;
  } kCases[] = {
      {r, 0x1, "*", "x:p iref s u"},
      {r, 0xFFF, "*", "x:p iref s u"},  // attributes never among the 0xfff kinds
      {r, 0x1000, "*", "a b"},
      {p, 0xFFF, "*", "#one #c q"},
      {p, 0x2, "*", "#one"},
      {p, 0x8, "*", "#c"},
      {r, 0x1, "?", "s u"},
      {r, 0x1, "i*", "iref"},
      {r, 0x1, "s", "s"},
      {r, 0x1, "S", ""},  // case-sensitive
      {p, 0x2, "o*", ""},  // text has the empty name
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.mask));
    EXPECT_EQ(Describe(c.node->GetChildren(c.mask, c.pattern)), c.want);
  }
}

TEST(ZQXML_Node, SelectNodesGivesDocumentOrderOnEachAxis) {
  const ZQXML_Tree tree = ReadText(kDocument);
  const ZQXML_Node* r = tree.GetRootElement();
  const ZQXML_Node* iref = r->FindChildElement("iref");
  const struct {
    const ZQXML_Node* node;
    long axes;
    long mask;
    const char* want;
  } kCases[] = {
      {iref, 8 | 16, 0x2, "#three #four"},  // the text after an iref
      {iref, 8 | 16, 0x1, "s t u v"},
      {iref, 8, 0x1, "s u"},
      {iref, 16, 0x1, "t v"},
      {tree.GetRootNode(), 0xFFFF, 0x1, "r x:p q iref s t u v"},
      {r, 1 | 2, 0x1, "r x:p iref s u"},
      {r, 4, 0xA, "#one #c #two #three #four"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(Describe(c.node->SelectNodes(c.axes, c.mask, "*")), c.want);
  }
}

TEST(ZQXML_Node, ValuesNamesAndModifiableQueries) {
  ZQXML_Tree tree = ReadText(kDocument);
  const ZQXML_Node* r = tree.GetRootElement();
  EXPECT_EQ(r->GetValue(), "onetwothreefour");
  EXPECT_EQ(tree.GetRootNode()->GetValue(), "onetwothreefour");
  EXPECT_EQ(r->FindChildElement("x:p")->GetLocalName(), "p");
  EXPECT_EQ(r->FindChildElement("nothing"), nullptr);
  EXPECT_EQ(static_cast<const ZQXML_Node_Element*>(r->FindChildElement("x:p"))->GetIdText(), "p1");
  EXPECT_EQ(static_cast<const ZQXML_Node_Element*>(r)->GetIdText(), "");
  EXPECT_EQ(Describe(r->GetAttributes()), "a b");

  ZQXML_Node* root = tree.GetModifiableRootNode()->FindChildElement("r");
  ZQXML_NodeSequence elements = root->SelectNodes(ZQXML_Axis_Descendants, 1, "?");
  ASSERT_EQ(elements.GetCount(), 5);  // q s t u v
  elements[0]->SetAttributeValue("new", "v");
  EXPECT_EQ(elements[0]->GetFirstChild()->GetName(), "new");  // before the content
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { (void)elements[5]; }),
                       "(Index >= 0) and (Index < GetCount())"));
}

TEST(ZQXML_Node, AttributeReadersApplyTheirDefaults) {
  const ZQXML_Tree tree = ReadText(
      "<e y='yes' T='True' one='1' n='no' F='f' zero='0' empty='' other='maybe' "
      "seven='7' x='x'/>");
  const ZQXML_Node* e = tree.GetRootElement();
  const struct {
    const char* name;
    bool whenDefaultFalse;
    bool whenDefaultTrue;
  } kBools[] = {
      {"y", true, true},      {"T", true, true},       {"one", true, true},
      {"n", false, false},    {"F", false, false},     {"zero", false, false},
      {"empty", false, true}, {"other", false, true},  {"absent", false, true},
  };
  for (const auto& c : kBools) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(e->GetAttributeValueAsBool(c.name, false), c.whenDefaultFalse);
    EXPECT_EQ(e->GetAttributeValueAsBool(c.name, true), c.whenDefaultTrue);
  }
  EXPECT_EQ(e->GetAttributeValueAsInt32("empty", 1), 1);
  EXPECT_EQ(e->GetAttributeValueAsInt32("absent", 1), 1);
  EXPECT_EQ(e->GetAttributeValueAsInt32("seven", 1), 7);
  EXPECT_EQ(ErrorOf([&] { e->GetAttributeValueAsInt32("x", 1); }).Kind, "other");
  EXPECT_EQ(e->GetAttributeValue("absent", "d"), "d");
  EXPECT_EQ(e->GetAttributeValue("empty", "d"), "");
}
