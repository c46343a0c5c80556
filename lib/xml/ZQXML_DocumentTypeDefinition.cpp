#include "ZQXML_DocumentTypeDefinition.h"

void ZQXML_AttributeDeclaration::AddValue(const ZQ_String& Value) {
  Values.push_back(Value);
  ValueSet.Set(Value, true);
}

long ZQXML_ElementDeclaration::FindAttribute(const ZQ_String& AttributeName) const {
  const auto* link = AttributeIndex.FindLink(AttributeName);
  return link ? link->Value : -1;
}

void ZQXML_ElementDeclaration::AddAttribute(const ZQXML_AttributeDeclaration& Declaration) {
  if (AttributeIndex.KeyExists(Declaration.Name)) return;
  AttributeIndex.Set(Declaration.Name, static_cast<long>(Attributes.size()));
  Attributes.push_back(Declaration);
}

ZQXML_DocumentTypeDefinitionBody::ZQXML_DocumentTypeDefinitionBody(
    const ZQXML_DocumentTypeDefinitionBody& Other)
    : ZQ_CountedBody(),
      Elements(Other.Elements),
      ElementIndex(Other.ElementIndex),
      Entities(Other.Entities),
      RootElementName(Other.RootElementName),
      MaxElementNesting(Other.MaxElementNesting) {}

long ZQXML_DocumentTypeDefinitionBody::FindElement(const ZQ_String& Name) const {
  const auto* link = ElementIndex.FindLink(Name);
  return link ? link->Value : -1;
}

long ZQXML_DocumentTypeDefinitionBody::AddElement(const ZQ_String& Name) {
  const long found = FindElement(Name);
  if (found >= 0) return found;
  const long index = GetNumElements();
  ElementIndex.Set(Name, index);
  Elements.emplace_back();
  Elements.back().Name = Name;
  return index;
}

long ZQXML_DocumentTypeDefinitionBody::GetMaxNumAttributes() const {
  size_t most = 0;
  for (const ZQXML_ElementDeclaration& element : Elements)
    most = element.Attributes.size() > most ? element.Attributes.size() : most;
  return static_cast<long>(most);
}

void ZQXML_DocumentTypeDefinitionBody::DefineEntity(const ZQ_String& Name,
                                                     const ZQ_String& ReplacementText,
                                                     bool OnlyIfNew) {
  if (OnlyIfNew && Entities.KeyExists(Name)) return;
  Entities.Set(Name, ZQXML_EntityTable::MakeEntity(Name, ReplacementText));
}

const ZQXML_EntityTable::Entity* ZQXML_DocumentTypeDefinitionBody::FindEntity(
    const ZQ_String& Name) const {
  const auto* link = Entities.FindLink(Name);
  return link ? &link->Value : nullptr;
}

void ZQXML_DocumentTypeDefinition::DeclareInternalGeneralParsedEntity(
    const ZQ_String& Name, const ZQ_String& ReplacementText) {
  GetModifiableBody().DefineEntity(Name, ReplacementText, false);
}

void ZQXML_DocumentTypeDefinition::SetRootElementName(const ZQ_String& Name) {
  GetModifiableBody().SetRootElementName(Name);
}

void ZQXML_DocumentTypeDefinition::SetMaxElementNesting(long Limit) {
  GetModifiableBody().SetMaxElementNesting(Limit);
}

const ZQXML_DocumentTypeDefinitionBody& ZQXML_DocumentTypeDefinition::GetBody() const {
  static const ZQXML_DocumentTypeDefinitionBody s_empty;
  return Body.IsNull() ? s_empty : *Body;
}

ZQXML_DocumentTypeDefinitionBody& ZQXML_DocumentTypeDefinition::GetModifiableBody() {
  if (Body.IsNull())
    Body.Reset(new ZQXML_DocumentTypeDefinitionBody);
  else if (Body.GetReferenceCount() > 1)
    Body.Reset(new ZQXML_DocumentTypeDefinitionBody(*Body));
  return *Body;
}
