#include "ZQXML_ParserMessages.h"

#include <cstddef>

#include "ZQ_Internationalization.h"
#include "ZQ_StringSubs.h"

namespace {

// In the order of ZQXML_ParserMessage.
const char* const kMessages[] = {
    "Found {$1} where {$2} was expected.",
    "The tag <{$1} is not closed: the text ends where \">\" or \"/>\" was expected.",
    "The element <{$1}> is not closed: the text ends where </{$1}> was expected.",
    "Found the end tag </{$1}> where </{$2}> was expected.",
    "Found the end tag </{$1}> outside of every element.",
    "Found the attribute \"{$1}\" a second time in the element <{$2}>.",
    "Found \"<\" in the value of the attribute \"{$1}\", where \"&lt;\" was expected.",
    "The value of the attribute \"{$1}\" is not closed: the text ends where {$2} was expected.",
    "Found the entity \"{$1}\", which is not defined.",
    "Found the entity \"{$1}\" inside its own replacement text.",
    "Found the character reference \"{$1}\" where a reference to a code from 1 to 255 was "
    "expected.",
    "Found {$1} outside of the root element, where only comments, processing instructions and "
    "parser commands were expected.",
    "Found a second root element <{$1}> after the root element.",
    "The text ends where the root element was expected.",
    "The comment is not closed: the text ends where \"-->\" was expected.",
    "The CDATA section is not closed: the text ends where \"]]>\" was expected.",
    "The processing instruction is not closed: the text ends where \"?>\" was expected.",
    "The document type declaration is not closed: the text ends where \">\" was expected.",
    "Found an internal document type subset where \">\" was expected: document type "
    "definitions are given to the parser.",
    "Found an XML declaration where only the start of a text may hold one.",
    "Found a document type declaration where only the text before the root element may hold one.",
    "The parser command is not closed: the text ends where \"-]\" was expected.",
    "Found the parser command \"{$1}\" where \"define\", \"defdefine\" or \"include\" was "
    "expected.",
    "Found the include of \"{$1}\", which exists neither beside this text nor under a base URI.",
    "Found the include of \"{$1}\", which could not be read from \"{$2}\".",
    "Found more than {$1} includes in one document.",
    "Found an entity or include nested more than {$1} deep.",
    "Found an entity or include that makes the expanded text more than {$1} bytes longer.",
    "Found an element nested more than {$1} deep.",
    "\"{$1}\"",
    "the character with the code {$1}",
    "the end of the text",
    "a name",
    "Found the character with the code 0, which no XML text may hold.",
    "Found \"--\" inside a comment, where only the closing \"-->\" may hold it.",
    "Found \"]]>\" in text, where only the end of a CDATA section may hold it.",
    "Found the processing instruction target \"{$1}\", which is reserved for the XML "
    "declaration at the start of a text.",
    "a version number of letters, digits, \"_\", \".\", \":\" and \"-\", closed by {$1}",
    "an encoding name (a letter, then letters, digits, \".\", \"_\" and \"-\"), closed by {$1}",
    "Found the parameter entity \"%{$1};\", which is not defined.",
    "Found {$1} where a declaration of an element, an attribute list or an internal entity, a "
    "comment or a parameter entity was expected.",
    "Found a second declaration of the element <{$1}>.",
    "The element <{$1}> is named in a content model but never declared.",
    "The literal is not closed: the text ends where {$1} was expected.",
    "Found a content model nested more than {$1} deep.",
    "The content model of the element <{$1}> is too complex: it has more than {$2}.",
    "Found the element <{$1}>, which the document type definition does not declare.",
    "Found the element <{$1}> where {$2} was expected.",
    "The element <{$1}> ends where {$2} was expected.",
    "Found text in the element <{$1}>, which may hold only elements.",
    "Found the attribute \"{$1}\", which the element <{$2}> does not declare.",
    "The element <{$2}> lacks its required attribute \"{$1}\".",
    "Found a value of the attribute \"{$1}\" where one of {$2} was expected.",
    "Found a value of the attribute \"{$1}\" other than its fixed value \"{$2}\".",
    "Found the value \"{$2}\" of the attribute \"{$1}\", which is not a name token.",
    "the end tag </{$1}>",
};

static_assert(sizeof(kMessages) / sizeof(kMessages[0]) ==
                  static_cast<std::size_t>(ZQXML_ParserMessage::Count),
              "one text per message");

}  // namespace

ZQ_String ZQXML_FormatParserMessage(ZQXML_ParserMessage Message, const ZQ_String& Value1,
                                    const ZQ_String& Value2) {
  return ZQ_SubstituteArguments(
      ZQ_Internationalization_Translate(kMessages[static_cast<int>(Message)]), Value1, Value2);
}
