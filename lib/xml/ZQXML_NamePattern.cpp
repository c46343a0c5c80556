#include "ZQXML_NamePattern.h"

ZQXML_NamePattern::ZQXML_NamePattern(const ZQ_String& Pattern) : Literal(Pattern) {
  if (Pattern == "*") {
    PatternKind = Kind::Any;
  } else if (!ContainsSimpleRegularExpressionSpecialCharacters(Pattern)) {
    PatternKind = Kind::Literal;
  } else {
    PatternKind = Kind::Wildcards;
    Expression = ZQ_MakeSimpleRegularExpression(Pattern, 0);
  }
}

bool ZQXML_NamePattern::Matches(const ZQ_String& Name) const {
  if (PatternKind == Kind::Any) return true;
  if (Name.IsEmpty()) return false;
  if (PatternKind == Kind::Literal) return Name == Literal;
  return Expression.Match(Name);
}
