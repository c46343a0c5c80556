#include "ZQXML_Tree.h"

#include "ZQXML_NodeKinds.h"

ZQXML_TreeReference::ZQXML_TreeReference(ZQXML_Node* DocumentNode) : DocumentNode(DocumentNode) {}

ZQXML_TreeReference::~ZQXML_TreeReference() { delete DocumentNode; }

const ZQXML_Node* ZQXML_TreeReference::FindElementById(const ZQ_String& Id) {
  if (!IdTable) BuildIdTable();
  const ZQXML_Node* element = nullptr;
  IdTable->GetValueIfExists(Id, element);
  return element;
}

void ZQXML_TreeReference::BuildIdTable() {
  const ZQXML_ReadOnlyNodeSequence elements =
      static_cast<const ZQXML_Node*>(DocumentNode)
          ->SelectNodes(ZQXML_Axis_Descendants, ZQXML_NodeType_Element, "*");
  auto table = std::make_unique<ZQ_Map<ZQ_String, const ZQXML_Node*>>(
      elements.GetCount() > 0 ? elements.GetCount() : 1);
  const ZQ_String absent;
  for (long i = 0; i < elements.GetCount(); ++i) {
    const ZQ_String id = elements[i]->GetAttributeValue("id", absent);
    if (id.IsEmpty()) continue;
    // The first in document order wins.
    auto* link = table->GetOrCreateLink(id);
    if (!link->Value) link->Value = elements[i];
  }
  IdTable = std::move(table);
}

ZQXML_Tree::ZQXML_Tree() : Ref(new ZQXML_TreeReference(new ZQXML_Node_Document)) {}

ZQXML_Tree::ZQXML_Tree(ZQXML_Node_Document* DocumentNode)
    : Ref(new ZQXML_TreeReference(DocumentNode)) {}

const ZQXML_Node* ZQXML_Tree::GetRootNode() const { return Ref->GetDocumentNode(); }

const ZQXML_Node* ZQXML_Tree::GetRootElement() const {
  for (const ZQXML_Node* child = GetRootNode()->GetFirstChild(); child;
       child = child->GetNextSibling())
    if (child->GetType() == ZQXML_NodeType_Element) return child;
  return nullptr;
}

const ZQXML_Node* ZQXML_Tree::FindElementById(const ZQ_String& Id) const {
  return Ref->FindElementById(Id);
}

ZQXML_Node* ZQXML_Tree::GetModifiableRootNode() {
  if (Ref.GetReferenceCount() > 1)
    Ref.Reset(new ZQXML_TreeReference(Ref->GetDocumentNode()->CloneSubtree()));
  Ref->DropIdTable();
  return Ref->GetDocumentNode();
}

void ZQXML_Tree::PrepareForModification() { Ref->DropIdTable(); }
