#include "ZQXML_XMLTreeUtil.h"

#include "ZQXML_CharBuffer.h"
#include "ZQXML_NodeKinds.h"
#include "ZQXML_TextEncoding.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSink.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StringSubs.h"

namespace {

const unsigned long kAttributeFlags = 0x3FF;
const unsigned long kTextFlags = 0x2E7 | ZQXML_Util_Encode_CarriageReturn;

bool IsContent(const ZQXML_Node* Node) { return Node->GetType() != ZQXML_NodeType_Attribute; }

const ZQXML_Node* FirstContentChild(const ZQXML_Node* Node) {
  const ZQXML_Node* child = Node->GetFirstChild();
  while (child && !IsContent(child)) child = child->GetNextSibling();
  return child;
}

const ZQXML_Node* NextContentSibling(const ZQXML_Node* Node) {
  const ZQXML_Node* sibling = Node->GetNextSibling();
  while (sibling && !IsContent(sibling)) sibling = sibling->GetNextSibling();
  return sibling;
}

// Writes trees into one buffer; the subtree walk is iterative, so that deep
// trees cannot exhaust the stack.
class TreeWriter {
 public:
  void WriteSubtree(const ZQXML_Node* Top) {
    const ZQXML_Node* node = Top;
    for (;;) {
      const ZQXML_Node* content = WriteStart(node);
      if (content) {
        node = content;
        continue;
      }
      while (node != Top && !NextContentSibling(node)) {
        node = node->GetParent();
        WriteEndTag(node);
      }
      if (node == Top) return;
      node = NextContentSibling(node);
    }
  }
  void Write(const char* Text) { Output.Append(Text, static_cast<long>(std::strlen(Text))); }
  const ZQXML_CharBuffer& GetOutput() const { return Output; }

 private:
  // Writes a node, or an element's start tag; returns the first content child
  // to write next, null when the node is complete.
  const ZQXML_Node* WriteStart(const ZQXML_Node* Node) {
    switch (Node->GetType()) {
      case ZQXML_NodeType_Element:
        return WriteStartTag(Node);
      case ZQXML_NodeType_Text:
        WriteEncoded(Node->GetValue(), kTextFlags);
        return nullptr;
      case ZQXML_NodeType_Comment:
        WriteComment(Node->GetValue());
        return nullptr;
      default:
        return nullptr;
    }
  }
  const ZQXML_Node* WriteStartTag(const ZQXML_Node* Element) {
    Output.Append('<');
    Output.Append(Element->GetName());
    for (const ZQXML_Node* child = Element->GetFirstChild(); child;
         child = child->GetNextSibling()) {
      if (IsContent(child)) continue;
      Output.Append(' ');
      Output.Append(child->GetName());
      Write("='");
      WriteEncoded(child->GetValue(), kAttributeFlags);
      Output.Append('\'');
    }
    const ZQXML_Node* content = FirstContentChild(Element);
    Write(content ? ">" : "/>");
    return content;
  }
  void WriteEndTag(const ZQXML_Node* Element) {
    Write("</");
    Output.Append(Element->GetName());
    Output.Append('>');
  }
  // A comment may hold no "--" and may not end in "-": a blank goes after
  // each "-" that another follows or that ends the text, so that any text
  // reads back as one comment.
  void WriteComment(const ZQ_String& Text) {
    Write("<!--");
    const char* text = Text.GetText();
    const long length = Text.GetLength();
    for (long i = 0; i < length; ++i) {
      Output.Append(text[i]);
      if (text[i] == '-' && (i + 1 == length || text[i + 1] == '-')) Output.Append(' ');
    }
    Write("-->");
  }
  void WriteEncoded(const ZQ_String& Text, unsigned long Flags) {
    ZQXML_Util_AppendEncoded(Output, Text.GetText(), Text.GetLength(), Flags);
  }

  ZQXML_CharBuffer Output;
};

void WriteTree(TreeWriter& Writer, const ZQXML_Tree& Tree) {
  const auto* document = dynamic_cast<const ZQXML_Node_Document*>(Tree.GetRootNode());
  const bool isFragment = document && document->IsFragment;
  if (!isFragment) Writer.Write("<?xml version='1.0'?>\n");
  for (const ZQXML_Node* node = Tree.GetRootNode()->GetFirstChild(); node;
       node = node->GetNextSibling()) {
    Writer.WriteSubtree(node);
    if (!isFragment) Writer.Write("\n");
  }
}

bool LiesBelow(const ZQXML_Node* Node, const ZQXML_Node* Top) {
  for (; Node; Node = Node->GetParent())
    if (Node == Top) return true;
  return false;
}

// A copy of Ancestor holding copies of its attributes other than Skip.
ZQXML_Node* CloneWithAttributes(const ZQXML_Node* Ancestor, const ZQXML_Node* Skip) {
  ZQXML_Node* copy = Ancestor->CloneSelf();
  for (const ZQXML_Node* child = Ancestor->GetFirstChild(); child;
       child = child->GetNextSibling())
    if (!IsContent(child) && child != Skip) copy->AddLastChild(child->CloneSelf());
  return copy;
}

}  // namespace

ZQXML_Tree ZQXML_XMLTreeUtil_PruneSiblingsConcreteNodesToRoot(const ZQXML_Tree& Tree,
                                                              const ZQXML_Node* Node) {
  const bool NodeLiesInTree = Node && LiesBelow(Node, Tree.GetRootNode());
  ZQ_ASSERT(NodeLiesInTree);
  if (!NodeLiesInTree) return ZQXML_Tree();
  std::unique_ptr<ZQXML_Node> pruned(Node->CloneSubtree());
  for (const ZQXML_Node* ancestor = Node->GetParent(); ancestor;
       ancestor = ancestor->GetParent()) {
    std::unique_ptr<ZQXML_Node> copy(CloneWithAttributes(ancestor, Node));
    copy->AddLastChild(pruned.release());
    pruned = std::move(copy);
  }
  return ZQXML_Tree(static_cast<ZQXML_Node_Document*>(pruned.release()));
}

ZQ_String ZQXML_XMLTreeUtil_WriteToString(const ZQXML_Tree& Tree) {
  TreeWriter writer;
  WriteTree(writer, Tree);
  return writer.GetOutput().ToString();
}

void ZQXML_XMLTreeUtil_Write(const ZQXML_Tree& Tree, const ZQ_FileName& File) {
  TreeWriter writer;
  WriteTree(writer, Tree);
  try {
    ZQ_SeekableStreamSink sink = ZQ_CreateFileStreamSink(File, 0);
    sink.Write(writer.GetOutput().GetData(), static_cast<unsigned long>(writer.GetOutput().GetLength()));
  } catch (ZQ_Exception& e) {
    e.AppendToDescription(ZQ_SubstituteArguments(
        ZQ_Internationalization_Translate(
            "This error occurred while attempting to write the XML file \"{$1}\"."),
        File.GetPathName(), ZQ_String()));
    throw;
  }
}
