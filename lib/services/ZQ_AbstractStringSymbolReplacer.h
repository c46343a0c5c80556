// ZQ_AbstractStringSymbolReplacer.h: expands the brace fields of a template
// text ("{Month} {Day}, {Year}") through a virtual symbol handler. A field is
// "{", a name of letters and digits (case does not matter), optional white
// space, parameters and the matching "}"; braces nest, so parameters may hold
// whole fields. There is no escape: anything that is not a field a handler
// knows is copied unchanged. The base class knows two commands:
//   {IFNOTZERO Name rest}     rest, expanded, unless Name's value is a number
//                             equal to 0
//   {IFNOTNULL Name rest}     rest, expanded, unless Name's value is empty or
//                             only spaces
// (the test symbol may also be written "{Name Params}"). A replacer is built
// on the stack for one call, run and destroyed. Process never fails on
// template syntax; what a handler throws passes through. One thread only.
#ifndef ZQ_ABSTRACTSTRINGSYMBOLREPLACER_H
#define ZQ_ABSTRACTSTRINGSYMBOLREPLACER_H

#include "ZQ_Functor.h"
#include "ZQ_String.h"

// What a value filter gets: the symbol's value, which it replaces by the new
// value, and the field's parameter text.
struct ZQ_StringSymbolReplacer_FilterArguments {
  ZQ_String& Value;
  const ZQ_String& Parameters;
};
using ZQ_StringSymbolReplacer_ValueFilter = ZQ_Functor1<ZQ_StringSymbolReplacer_FilterArguments&>;

// Describes one symbol a replacer knows, for lists of available symbols in
// help texts and format editors.
struct ZQ_StringSymbolReplacer_SymbolInfoType {
  ZQ_String Name;         // as written in a template, without braces
  ZQ_String Parameters;   // the parameter syntax, empty when it takes none
  ZQ_String Description;  // what the symbol stands for
  ZQ_String Example;      // a sample of its value
};

class ZQ_AbstractStringSymbolReplacer {
 public:
  virtual ~ZQ_AbstractStringSymbolReplacer();

  // The template with every field replaced; aString itself is not changed.
  ZQ_String Process(const ZQ_String& aString);

  // On entry SymbolText holds the field's name in upper case. A handler that
  // knows the name replaces SymbolText by the value and returns true; one that
  // does not leaves it alone and returns false.
  virtual bool ProcessSymbol(ZQ_String& SymbolText, const ZQ_String& SymbolParameters) = 0;

  // When SymbolName (upper case) is a command, appends its output to Result
  // and returns true; otherwise appends nothing and returns false. The base
  // version runs IFNOTZERO and IFNOTNULL.
  virtual bool ProcessCommand(const ZQ_String& SymbolName, const ZQ_String& SymbolParameters,
                              ZQ_String& Result);

 protected:
  ZQ_AbstractStringSymbolReplacer() = default;
  // A filter applied to every value a handler gives (also to test symbols of
  // the commands). Empty by default.
  void SetValueFilter(const ZQ_StringSymbolReplacer_ValueFilter& Filter) { ValueFilter = Filter; }

 private:
  void ApplyValueFilter(ZQ_String& Value, const ZQ_String& Parameters) const;

  ZQ_StringSymbolReplacer_ValueFilter ValueFilter;
};

#endif
