// ZQXML_TextScanner.h: the reading position shared by the XML parser and the
// DTD parser: bulk scans inside the current section, names, literals, white
// space, the splicing of an entity's replacement text with its limits, and
// failing at a mark with a message of the one table (ZQXML_ParserMessages.h).
// One thread only.
#ifndef ZQXML_TEXTSCANNER_H
#define ZQXML_TEXTSCANNER_H

#include "ZQXML_CharBuffer.h"
#include "ZQXML_EntityTable.h"
#include "ZQXML_ParserMessages.h"
#include "ZQXML_StringCache.h"
#include "ZQ_AbstractTextStreamParser.h"

class ZQXML_TextScanner : public ZQ_AbstractTextStreamParser {
 public:
  using ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser;

 protected:
  const char* Here() const { return GetPosition().CharP; }
  const char* HereEnd() const { return GetPosition().SectionP->End; }
  void MoveTo(const char* Char) { SetPosition(MarkType(GetPosition().SectionP, Char)); }
  void Skip(long N);
  bool LookingAt(const char* Literal, long Length) const;
  template <size_t N>
  bool LookingAt(const char (&Literal)[N]) const { return LookingAt(Literal, N - 1); }
  // Moves past the next occurrence of Literal and returns where it starts;
  // at the end of the input returns a null mark.
  MarkType FindLiteral(const char* Literal, long Length);
  // After the "<!--" of the comment at Start: moves past its closing "-->"
  // and returns where that begins. A "--" not followed by ">" fails there,
  // a comment without a close at Start.
  MarkType FindCommentEnd(const MarkType& Start);
  // Skips blanks, tabs and line ends; true when there were any.
  bool SkipWhitespace();
  // The name at the position (empty when none starts there), moved past.
  ZQ_String ReadName();
  ZQ_String ReadKeyword();
  ZQ_String DescribeCurrent() const;
  [[noreturn]] void Fail(ZQXML_ParserMessage Message, MarkType At,
                         const ZQ_String& Value1 = ZQ_String(),
                         const ZQ_String& Value2 = ZQ_String());
  [[noreturn]] void FailFoundInsteadOf(const ZQ_String& Expected);
  // Fails at At when a splice of Length bytes there would cross a limit of
  // Table.
  void CheckSpliceLimits(ZQXML_EntityTable& Table, const MarkType& At, long Length);
  // Replaces the reference from Start to the position by the entity's
  // replacement text, which is read next; a reference inside the entity's
  // own expansion fails as recursive.
  void SpliceEntity(ZQXML_EntityTable& Table, const MarkType& Start, const ZQ_String& Name,
                    const ZQXML_EntityTable::Entity& Definition);

  ZQXML_StringCache Strings;
  ZQXML_CharBuffer Scratch;
};

#endif
