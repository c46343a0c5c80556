#include "ZQXML_Validator.h"

#include "ZQXML_CharacterClasses.h"

namespace {

ZQXML_ValidationFault Fault(ZQXML_ParserMessage Message, const ZQ_String& Value1,
                            const ZQ_String& Value2 = ZQ_String()) {
  ZQXML_ValidationFault fault;
  fault.IsFault = true;
  fault.Message = Message;
  fault.Value1 = Value1;
  fault.Value2 = Value2;
  return fault;
}

bool IsNameToken(const ZQ_String& Value) {
  if (Value.IsEmpty()) return false;
  for (long i = 0; i < Value.GetLength(); ++i)
    if (!ZQXML_CharacterClasses.Is(Value.GetText()[i], ZQXML_Class_NameChar)) return false;
  return true;
}

bool IsWhitespace(const ZQ_String& Text) {
  for (long i = 0; i < Text.GetLength(); ++i)
    if (!ZQXML_CharacterClasses.Is(Text.GetText()[i], ZQXML_Class_Space)) return false;
  return true;
}

void AppendListed(ZQ_String& List, const ZQ_String& Item) {
  if (!List.IsEmpty()) List += ", ";
  List += Item;
}

}  // namespace

ZQXML_Validator::ZQXML_Validator(const ZQXML_DocumentTypeDefinition& Definition, bool IsFragment)
    : Definition(Definition),
      Body(this->Definition.GetBody()),
      IsFragment(IsFragment),
      Levels(1),
      SeenStamps(static_cast<size_t>(Body.GetMaxNumAttributes()), 0) {}

ZQXML_ValidationFault ZQXML_Validator::StartElement(const ZQ_String& Name) {
  const long index = Body.FindElement(Name);
  if (index < 0 || !Body.GetElement(index).IsDeclared)
    return Fault(ZQXML_ParserMessage::UndeclaredElement, Name);
  Level& parent = Levels.back();
  if (parent.Element) {
    const long next = parent.Element->Model.Next(parent.State, index);
    if (next < 0) return Fault(ZQXML_ParserMessage::ElementNotAllowed, Name, DescribeExpected(parent));
    parent.State = next;
  } else if (!IsFragment && !Body.GetRootElementName().IsEmpty() &&
             Name != Body.GetRootElementName()) {
    return Fault(ZQXML_ParserMessage::ElementNotAllowed, Name,
                 "<" + Body.GetRootElementName() + ">");
  }
  Level level;
  level.Element = &Body.GetElement(index);
  Levels.push_back(level);
  ++Stamp;
  return ZQXML_ValidationFault();
}

ZQXML_ValidationFault ZQXML_Validator::Attribute(const ZQ_String& Name, const ZQ_String& Value) {
  using Kind = ZQXML_AttributeDeclaration::Kind;
  const ZQXML_ElementDeclaration& element = *Levels.back().Element;
  const long index = element.FindAttribute(Name);
  if (index < 0) return Fault(ZQXML_ParserMessage::UndeclaredAttribute, Name, element.Name);
  SeenStamps[static_cast<size_t>(index)] = Stamp;
  const ZQXML_AttributeDeclaration& declaration = element.Attributes[static_cast<size_t>(index)];
  if (declaration.Type == Kind::Enumeration) {
    if (declaration.IsAllowedValue(Value)) return ZQXML_ValidationFault();
    ZQ_String list;
    for (const ZQ_String& allowed : declaration.Values) AppendListed(list, "\"" + allowed + "\"");
    return Fault(ZQXML_ParserMessage::ValueNotInEnumeration, Name, list);
  }
  if (declaration.Type == Kind::NameToken && !IsNameToken(Value))
    return Fault(ZQXML_ParserMessage::NotANameToken, Name, Value);
  if (declaration.Default == ZQXML_AttributeDeclaration::DefaultKind::Fixed &&
      Value != declaration.DefaultValue)
    return Fault(ZQXML_ParserMessage::FixedValueDiffers, Name, declaration.DefaultValue);
  return ZQXML_ValidationFault();
}

ZQXML_ValidationFault ZQXML_Validator::EndStartTag() {
  const ZQXML_ElementDeclaration& element = *Levels.back().Element;
  for (size_t i = 0; i < element.Attributes.size(); ++i)
    if (element.Attributes[i].Default == ZQXML_AttributeDeclaration::DefaultKind::Required &&
        SeenStamps[i] != Stamp)
      return Fault(ZQXML_ParserMessage::MissingAttribute, element.Attributes[i].Name, element.Name);
  return ZQXML_ValidationFault();
}

ZQXML_ValidationFault ZQXML_Validator::EndElement() {
  const Level level = Levels.back();
  if (level.Element && !level.Element->Model.IsFinal(level.State))
    return Fault(ZQXML_ParserMessage::ContentEndsEarly, level.Element->Name, DescribeExpected(level));
  if (Levels.size() > 1) Levels.pop_back();
  return ZQXML_ValidationFault();
}

ZQXML_Validator::TextUse ZQXML_Validator::JudgeText(const ZQ_String& Text, bool KeepWhitespace) const {
  const Level& level = Levels.back();
  if (!level.Element || level.Element->Model.AllowsText()) return TextUse::Keep;
  if (!IsWhitespace(Text)) return TextUse::Refuse;
  return KeepWhitespace ? TextUse::Keep : TextUse::Drop;
}

ZQ_String ZQXML_Validator::GetCurrentName() const {
  const Level& level = Levels.back();
  return level.Element ? level.Element->Name : ZQ_String();
}

// "<a>, <b>, the end tag </p>": what the model allows next.
ZQ_String ZQXML_Validator::DescribeExpected(const Level& Parent) const {
  const ZQXML_ContentModel& model = Parent.Element->Model;
  ZQ_String expected;
  for (const long element : model.GetAllowed(Parent.State))
    AppendListed(expected, "<" + Body.GetElement(element).Name + ">");
  if (model.IsFinal(Parent.State))
    AppendListed(expected, ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedEndTag,
                                                     Parent.Element->Name));
  return expected;
}
