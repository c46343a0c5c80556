// ZQXML_NamePattern.h: the name test of the node queries. "*" matches every
// name, the empty names of text and comment nodes included; any other
// pattern matches only non-empty names: exactly, or, when it holds wildcards,
// as a case-sensitive simple regular expression. An unclosed "[" throws the
// regular expression's ZQ_Exception.
#ifndef ZQXML_NAMEPATTERN_H
#define ZQXML_NAMEPATTERN_H

#include "ZQ_RegularExpression.h"
#include "ZQ_String.h"

class ZQXML_NamePattern {
 public:
  explicit ZQXML_NamePattern(const ZQ_String& Pattern);
  bool Matches(const ZQ_String& Name) const;

 private:
  enum class Kind { Any, Literal, Wildcards };
  Kind PatternKind;
  ZQ_String Literal;
  ZQ_RegularExpression Expression;
};

#endif
