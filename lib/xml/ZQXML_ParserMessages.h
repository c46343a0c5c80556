// ZQXML_ParserMessages.h: the one table of the XML parser's error texts.
// Each names what was found and what was expected; "{$1}" and "{$2}" take
// the names and texts of the fault. Texts are translated before they are
// filled.
#ifndef ZQXML_PARSERMESSAGES_H
#define ZQXML_PARSERMESSAGES_H

#include "ZQ_String.h"

enum class ZQXML_ParserMessage {
  FoundInsteadOf,          // {$1} found, {$2} expected
  UnclosedTag,             // element name
  UnclosedElement,         // element name
  MismatchedEndTag,        // found name, expected name
  EndTagOutsideElement,    // name
  DuplicateAttribute,      // attribute name, element name
  LessThanInAttribute,     // attribute name
  UnclosedAttributeValue,  // attribute name, quote
  UndefinedEntity,         // entity name
  RecursiveEntity,         // entity name
  BadCharacterReference,   // reference text
  TextOutsideRootElement,  // what was found
  SecondRootElement,       // element name
  NoRootElement,
  UnclosedComment,
  UnclosedCData,
  UnclosedProcessingInstruction,
  UnclosedDocumentType,
  InternalSubset,
  MisplacedDeclaration,
  MisplacedDocumentType,
  UnclosedCommand,
  UnknownCommand,          // keyword
  MissingInclude,          // URI text
  UnreadableInclude,       // URI text, the resource's full name
  TooManyIncludes,         // limit
  SourcesNestTooDeep,      // limit
  ExpansionTooLarge,       // limit in bytes
  ElementsNestTooDeep,     // limit
  FoundCharacter,          // the character
  FoundCharacterCode,      // its code
  FoundEndOfText,
  ExpectedName,
  NulCharacter,
  DoubleHyphenInComment,
  CDataEndInText,
  ReservedTarget,          // target
  ExpectedVersionNumber,   // closing quote
  ExpectedEncodingName,    // closing quote
  // Document type definitions
  UndefinedParameterEntity,  // entity name
  UnsupportedDeclaration,    // what was found
  SecondElementDeclaration,  // element name
  UndeclaredElementInModel,  // element name
  UnclosedLiteral,           // quote
  ModelNestsTooDeep,         // limit
  ModelTooComplex,           // element name, the limits
  // Validation
  UndeclaredElement,         // element name
  ElementNotAllowed,         // element name, what was expected
  ContentEndsEarly,          // element name, what was expected
  TextNotAllowed,            // element name
  UndeclaredAttribute,       // attribute name, element name
  MissingAttribute,          // attribute name, element name
  ValueNotInEnumeration,     // attribute name, the values
  FixedValueDiffers,         // attribute name, the fixed value
  NotANameToken,             // attribute name, value
  ExpectedEndTag,            // element name
  Count
};

// The translated text of Message with its placeholders filled.
ZQ_String ZQXML_FormatParserMessage(ZQXML_ParserMessage Message,
                                    const ZQ_String& Value1 = ZQ_String(),
                                    const ZQ_String& Value2 = ZQ_String());

#endif
