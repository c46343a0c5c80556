#include <gtest/gtest.h>

#include <string>

#include "AssertionTestSupport.h"
#include "ZQ_Hierarchy.h"
#include "ZQ_SubclassedHierarchyElement.h"

namespace {

// A named node that counts its lives and the changes of its child list.
class Node : public ZQ_SubclassedHierarchyElement<Node> {
 public:
  explicit Node(std::string Name) : Name(std::move(Name)) { ++s_alive; }
  ~Node() override { --s_alive; }
  Node* Add(const std::string& ChildName) {
    Node* child = new Node(ChildName);
    AddLastChild(child);
    return child;
  }

  std::string Name;
  int Changes = 0;
  static int s_alive;

 protected:
  void NoteChildrenChanged() override { ++Changes; }
  ZQ_HierarchyElement* CloneSelf() const override { return new Node(Name + "'"); }
};
int Node::s_alive = 0;

// Children in order, each with its own children in brackets: "a(b c(d))".
std::string Shape(const Node* node) {
  std::string text = node->Name;
  if (!node->GetFirstChild()) return text;
  text += "(";
  for (const Node* child = node->GetFirstChild(); child; child = child->GetNextSibling()) {
    if (child != node->GetFirstChild()) text += " ";
    EXPECT_EQ(child->GetParent(), node);
    if (child->GetNextSibling()) {
      EXPECT_EQ(child->GetNextSibling()->GetPrevSibling(), child);
    }
    text += Shape(child);
  }
  return text + ")";
}

TEST(ZQ_HierarchyElement, ChildrenAreLinkedBothWaysInTheOrderAdded) {
  Node root("r");
  Node* b = new Node("b");
  root.AddFirstChild(b);
  EXPECT_EQ(root.GetFirstChild(), b);
  EXPECT_EQ(root.GetLastChild(), b);
  root.AddLastChild(new Node("c"));
  Node* a = new Node("a");
  root.AddFirstChild(a);
  EXPECT_EQ(Shape(&root), "r(a b c)");
  EXPECT_EQ(a->GetPrevSibling(), nullptr);
  EXPECT_EQ(root.GetLastChild()->GetNextSibling(), nullptr);
  EXPECT_EQ(root.Changes, 3);
  EXPECT_EQ(b->Add("g")->GetDepth(), 2);
  EXPECT_EQ(root.GetDepth(), 0);
}

TEST(ZQ_HierarchyElement, CloneSubtreeCopiesTheShapeWithoutTheSourcesLinks) {
  Node tree("t");
  Node* root = tree.Add("r");
  root->Add("a");
  root->Add("b")->Add("c");
  const int before = Node::s_alive;
  Node* copy = root->CloneSubtree();
  EXPECT_EQ(Node::s_alive, before + 4);
  EXPECT_EQ(Shape(copy), "r'(a' b'(c'))");
  EXPECT_EQ(copy->GetParent(), nullptr);
  delete copy;
  EXPECT_EQ(Node::s_alive, before);
}

TEST(ZQ_HierarchyElement, DeletingAnElementDeletesItsSubtreeOnce) {
  Node::s_alive = 0;
  Node* root = new Node("r");
  root->Add("a")->Add("b");
  root->Add("c");
  delete root;
  EXPECT_EQ(Node::s_alive, 0);

  Node parent("p");
  Node* first = parent.Add("x");
  parent.Add("y");
  delete first;  // unlinks itself: the parent keeps a sound list
  EXPECT_EQ(Shape(&parent), "p(y)");
  parent.DeleteAllChildren();
  EXPECT_EQ(parent.GetFirstChild(), nullptr);
  EXPECT_EQ(parent.GetLastChild(), nullptr);
}

TEST(ZQ_HierarchyElement, OnlyFreeElementsCanBeAdded) {
  Node left("l");
  Node right("r");
  Node* child = left.Add("a");
  Node* sibling = left.Add("b");
  const struct { std::string message; const char* condition; const char* why; } kCases[] = {
      {AssertionFailureOf([&] { right.AddFirstChild(child); }), "NewElement->Parent == NULL", "still a child"},
      {AssertionFailureOf([&] { right.AddLastChild(sibling); }), "NewElement->Parent == NULL", "still a child"},
      {AssertionFailureOf([&] { child->AddLastChild(&left); }), "not IsInSubtreeOf(this, NewElement)", "an ancestor"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(c.message, c.condition)) << c.message;
  }
  EXPECT_EQ(Shape(&left), "l(a b)");
  EXPECT_EQ(right.GetFirstChild(), nullptr);

  sibling->DetachFromParent();  // free again: it may move
  right.AddLastChild(sibling);
  EXPECT_EQ(Shape(&left), "l(a)");
  EXPECT_EQ(Shape(&right), "r(b)");
}

TEST(ZQ_HierarchyElement, ElementsWithoutACloneFunctionCannotBeCloned) {
  ZQ_HierarchyElement plain;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { plain.CloneSubtree(); }), "false"));
}

}  // namespace
