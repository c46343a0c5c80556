// ZQXML_DocumentTypeDefinition.h: a parsed DTD (its element declarations with
// their compiled content models and attribute lists, and its general
// entities) held by counted handles: copies share one definition and the
// last handle frees it. A default handle is an empty definition. Adding an
// entity first gives the handle a private copy (copy on write), so other
// handles keep what they had. ZQXML_DocumentTypeDefinitionParser builds
// definitions; ZQXML_Parser validates against them. One thread only.
#ifndef ZQXML_DOCUMENTTYPEDEFINITION_H
#define ZQXML_DOCUMENTTYPEDEFINITION_H

#include <vector>

#include "ZQXML_ContentModel.h"
#include "ZQXML_EntityTable.h"
#include "ZQ_CountedBody.h"
#include "ZQ_Map.h"
#include "ZQ_String.h"

struct ZQXML_AttributeDeclaration {
  enum class Kind { CData, Id, IdRef, NameToken, Enumeration };
  enum class DefaultKind { Required, Implied, Fixed, Value };
  ZQ_String Name;
  Kind Type = Kind::CData;
  std::vector<ZQ_String> Values;  // of an enumeration, in declared order
  ZQ_Map<ZQ_String, bool> ValueSet;  // the same values, for looking one up
  DefaultKind Default = DefaultKind::Implied;
  ZQ_String DefaultValue;  // of Fixed and Value, as written

  // Adds a value of the enumeration.
  void AddValue(const ZQ_String& Value);
  // Whether Value is one of the enumeration's.
  bool IsAllowedValue(const ZQ_String& Value) const { return ValueSet.KeyExists(Value); }
};

struct ZQXML_ElementDeclaration {
  ZQ_String Name;
  // False for an element only named in a model or an attribute list.
  bool IsDeclared = false;
  ZQXML_ContentModel Model;
  std::vector<ZQXML_AttributeDeclaration> Attributes;
  ZQ_Map<ZQ_String, long> AttributeIndex;

  // The index of the attribute in Attributes, or -1.
  long FindAttribute(const ZQ_String& AttributeName) const;
  // The first declaration of an attribute binds; later ones are ignored.
  void AddAttribute(const ZQXML_AttributeDeclaration& Declaration);
};

class ZQXML_DocumentTypeDefinitionBody : public ZQ_CountedBody {
 public:
  ZQXML_DocumentTypeDefinitionBody() = default;
  ZQXML_DocumentTypeDefinitionBody(const ZQXML_DocumentTypeDefinitionBody& Other);

  long GetNumElements() const { return static_cast<long>(Elements.size()); }
  // The index of the element, or -1.
  long FindElement(const ZQ_String& Name) const;
  // The index of the element, added undeclared when it is new.
  long AddElement(const ZQ_String& Name);
  ZQXML_ElementDeclaration& GetElement(long Index) { return Elements[static_cast<size_t>(Index)]; }
  const ZQXML_ElementDeclaration& GetElement(long Index) const {
    return Elements[static_cast<size_t>(Index)];
  }
  // The most attributes any element declares.
  long GetMaxNumAttributes() const;

  // General entities: Define replaces one of the same name unless OnlyIfNew.
  void DefineEntity(const ZQ_String& Name, const ZQ_String& ReplacementText, bool OnlyIfNew);
  // The entity, or null.
  const ZQXML_EntityTable::Entity* FindEntity(const ZQ_String& Name) const;

  // The element a document must have as its root, as a document type
  // declaration names it; empty when any declared element may be.
  const ZQ_String& GetRootElementName() const { return RootElementName; }
  void SetRootElementName(const ZQ_String& Name) { RootElementName = Name; }

  // The deepest its documents may nest elements; 0 when only the parser's
  // own limit holds.
  long GetMaxElementNesting() const { return MaxElementNesting; }
  void SetMaxElementNesting(long Limit) { MaxElementNesting = Limit; }

 private:
  std::vector<ZQXML_ElementDeclaration> Elements;
  ZQ_Map<ZQ_String, long> ElementIndex;
  ZQ_Map<ZQ_String, ZQXML_EntityTable::Entity> Entities;
  ZQ_String RootElementName;
  long MaxElementNesting = 0;
};

class ZQXML_DocumentTypeDefinition {
 public:
  // An empty definition.
  ZQXML_DocumentTypeDefinition() = default;

  // Adds an internal general parsed entity, replacing one of that name; this
  // handle gets a definition of its own first.
  void DeclareInternalGeneralParsedEntity(const ZQ_String& Name, const ZQ_String& ReplacementText);
  // Documents validated against this definition must have Name as their
  // root element (fragments are not checked); this handle gets a definition
  // of its own first.
  void SetRootElementName(const ZQ_String& Name);
  // Documents and fragments validated against this definition nest
  // elements at most Limit deep (below the parser's own limit), for
  // documents whose trees grow deeper in later steps; this handle gets a
  // definition of its own first.
  void SetMaxElementNesting(long Limit);

  const ZQXML_DocumentTypeDefinitionBody& GetBody() const;
  // The body for changing: a private copy first when others share it.
  ZQXML_DocumentTypeDefinitionBody& GetModifiableBody();
  // Handles that share this definition (0 for a default handle).
  long GetReferenceCount() const { return Body.GetReferenceCount(); }

 private:
  ZQ_CountedHandle<ZQXML_DocumentTypeDefinitionBody> Body;
};

#endif
