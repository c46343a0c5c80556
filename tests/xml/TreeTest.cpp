#include <gtest/gtest.h>

#include "XmlTestSupport.h"
#include "ZQXML_NodeKinds.h"
#include "ZQXML_XMLTreeUtil.h"

TEST(ZQXML_Tree, CopiesShareAndWritersGetTheirOwnCopy) {
  const ZQXML_Tree original = ReadText("<r><a id='x'/></r>");
  ZQXML_Tree copy = original;
  EXPECT_EQ(copy.GetRootNode(), original.GetRootNode());
  const ZQXML_Node* before = original.GetRootElement()->FindChildElement("a");
  ZQXML_Node* root = copy.GetModifiableRootNode();
  EXPECT_NE(root, original.GetRootNode());
  root->FindChildElement("r")->FindChildElement("a")->SetAttributeValue("id", "y");
  EXPECT_EQ(before->GetAttributeValue("id", ""), "x");
  EXPECT_EQ(original.FindElementById("x"), before);
  EXPECT_EQ(copy.FindElementById("x"), nullptr);
  EXPECT_NE(copy.FindElementById("y"), nullptr);
  EXPECT_EQ(ZQXML_Tree().GetRootNode()->GetType(), ZQXML_NodeType_Document);
  EXPECT_EQ(ZQXML_Tree().GetRootElement(), nullptr);
}

TEST(ZQXML_Tree, FindElementByIdTakesTheFirstAndFollowsChanges) {
  ZQXML_Tree tree = ReadText("<r><a id='d' n='1'/><b id='d' n='2'/><c/></r>");
  EXPECT_EQ(tree.FindElementById("d")->GetAttributeValue("n", ""), "1");
  EXPECT_EQ(tree.FindElementById("none"), nullptr);
  ZQXML_Node* c = tree.GetModifiableRootNode()->FindChildElement("r")->FindChildElement("c");
  c->SetAttributeValue("id", "late");
  EXPECT_EQ(tree.FindElementById("late"), c);  // the table was dropped
  c->SetAttributeValue("id", "later");
  EXPECT_EQ(tree.FindElementById("late"), c);  // still the old table
  tree.PrepareForModification();
  EXPECT_EQ(tree.FindElementById("late"), nullptr);
  EXPECT_EQ(tree.FindElementById("later"), c);
}

TEST(ZQXML_Tree, PruneKeepsTheNodeAndEachAncestorsAttributesOnly) {
  const ZQXML_Tree tree = ReadText(
      "<!--top--><r font='a'>text<s size='2'><x/><t id='t'>in<u/></t><y/></s><z/></r>");
  const ZQXML_Tree pruned =
      ZQXML_XMLTreeUtil_PruneSiblingsConcreteNodesToRoot(tree, tree.FindElementById("t"));
  EXPECT_EQ(ZQXML_XMLTreeUtil_WriteToString(pruned),
            "<?xml version='1.0'?>\n<r font='a'><s size='2'><t id='t'>in<u/></t></s></r>\n");
  const ZQXML_Tree whole =
      ZQXML_XMLTreeUtil_PruneSiblingsConcreteNodesToRoot(tree, tree.GetRootNode());
  EXPECT_EQ(ZQXML_XMLTreeUtil_WriteToString(whole), ZQXML_XMLTreeUtil_WriteToString(tree));
  EXPECT_NE(whole.GetRootNode(), tree.GetRootNode());
  const ZQXML_Tree other = ReadText("<r/>");
  EXPECT_EQ(ErrorOf([&] {
              ZQXML_XMLTreeUtil_PruneSiblingsConcreteNodesToRoot(tree, other.GetRootElement());
            }).Kind,
            "other");  // the assertion, thrown in the tests
}
