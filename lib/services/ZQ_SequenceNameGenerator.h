// ZQ_SequenceNameGenerator.h: labels of numbered items from a zero-based
// index: 1, 2, 3; A, B, C (AA, BB after Z); Roman numerals. Five shared
// generators live for the whole program. Also ZQ_UniqueNameGenerator
// (BaseName1, BaseName2, ...) and the translated word for a missing name.
// Nothing here throws. One thread only.
#ifndef ZQ_SEQUENCENAMEGENERATOR_H
#define ZQ_SEQUENCENAMEGENERATOR_H

#include "ZQ_Set.h"
#include "ZQ_String.h"

class ZQ_AbstractSequenceNameGenerator {
 public:
  virtual ~ZQ_AbstractSequenceNameGenerator() = default;
  // The label of the item Index (0 is the first).
  virtual ZQ_String GetName(int Index) const = 0;
};

// Index + 1 in decimal.
class ZQ_NumberSequenceNameGenerator : public ZQ_AbstractSequenceNameGenerator {
 public:
  ZQ_String GetName(int Index) const override;
};

// The letter Index mod 26, Index / 26 + 1 times; a negative index gives "".
class ZQ_LetterSequenceNameGenerator : public ZQ_AbstractSequenceNameGenerator {
 public:
  explicit ZQ_LetterSequenceNameGenerator(bool LowerCase) : LowerCase(LowerCase) {}
  ZQ_String GetName(int Index) const override;

 private:
  bool LowerCase;
};

// Index + 1 in Roman numerals, any number of Ms; below 0 gives "".
class ZQ_RomanNumberSequenceNameGenerator : public ZQ_AbstractSequenceNameGenerator {
 public:
  explicit ZQ_RomanNumberSequenceNameGenerator(bool LowerCase) : LowerCase(LowerCase) {}
  ZQ_String GetName(int Index) const override;

 private:
  bool LowerCase;
};

extern const ZQ_NumberSequenceNameGenerator ZQ_NumberSequence;
extern const ZQ_LetterSequenceNameGenerator ZQ_LowerCaseLetterSequence;
extern const ZQ_LetterSequenceNameGenerator ZQ_UpperCaseLetterSequence;
extern const ZQ_RomanNumberSequenceNameGenerator ZQ_LowerCaseRomanNumberSequence;
extern const ZQ_RomanNumberSequenceNameGenerator ZQ_UpperCaseRomanNumberSequence;

// Distinct names: the base name followed by 1, 2, 3, ... Each generator
// counts on its own.
class ZQ_UniqueNameGenerator {
 public:
  // BaseName must not be empty ("BaseName.IsNotNull()"); past the report
  // the generator is made anyway.
  explicit ZQ_UniqueNameGenerator(const ZQ_String& BaseName);
  ZQ_String GetNextName();

 private:
  long Counter = 0;
  ZQ_String BaseName;
  ZQ_Set<long> UsedNumbers;
};

// The translation of "Unnamed", made on the first call and kept: a later
// language change does not alter it.
const ZQ_String& ZQ_GetUnnamedText();

#endif
