// ZQ_Exception.h: the exception of failures a caller is expected to handle
// (bad input text, missing files, failed Windows calls). It carries a short
// name (a title) and a description for the user; both are ZQ_Strings, so
// copying an exception shares them. Throw by value, catch by reference.
// Precondition violations are not exceptions: see ZQ_Assertion.h.
// ZQ_CancelCurrentOperationException means the user cancelled; it carries
// nothing and is caught, without a message, by the code that started the
// operation.
#ifndef ZQ_EXCEPTION_H
#define ZQ_EXCEPTION_H

#include "ZQ_String.h"

class ZQ_Exception {
 public:
  ZQ_Exception(const ZQ_String& Name, const ZQ_String& Description);
  ZQ_Exception(const ZQ_Exception& Other);
  ZQ_Exception& operator=(const ZQ_Exception& Other);
  virtual ~ZQ_Exception();

  ZQ_String GetName() const;
  // The description, or the name when the description is empty.
  ZQ_String GetDescription() const;
  // Adds Text as a new paragraph (after one empty line) to GetDescription().
  void AppendToDescription(const ZQ_String& Text);

 private:
  ZQ_String Name;
  ZQ_String Description;
};

class ZQ_CancelCurrentOperationException {};

// Failures of the number conversions. Kind 0 "an integer", 1 "an unsigned
// integer specified in hexadecimal notation", 2 "a floating-point number"; the
// texts are translated. Both throw ZQ_Exception.
[[noreturn]] void ThrowStringToNumberErrorException(const ZQ_String& Text,
                                                    int Kind);
[[noreturn]] void ThrowStringToPointerErrorException(const ZQ_String& Text);

#endif
