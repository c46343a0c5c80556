// ZQF_DevelopmentSupport_TabWidthParser.h: computes how many columns each tab
// of a text must take so that the tab-separated columns of neighbouring lines
// line up, and expands tabs to that many spaces.
//
// The widths live in a widths string parallel to the text: byte i describes
// character i, the width (1 to 255, read unsigned) for a tab, 0 otherwise.
// A group is a run of lines none of which is blank (no tab and no letter,
// digit or underscore); within a group the n-th tab of every line that has n
// tabs ends one column past the longest text any of them has between its
// (n-1)-th and n-th tab. A tab that would need more than 255 columns gets 255.
//
// The parser has no data; one object serves every call. Precondition
// failures (ranges that do not describe the edit) go to the assertion
// service. One thread only (the parser registry is a plain static).
#ifndef ZQF_DEVELOPMENTSUPPORT_TABWIDTHPARSER_H
#define ZQF_DEVELOPMENTSUPPORT_TABWIDTHPARSER_H

#include "ZQ_String.h"

class ZQF_DevelopmentSupport_TabWidthParser {
 public:
  ZQF_DevelopmentSupport_TabWidthParser() = default;
  virtual ~ZQF_DevelopmentSupport_TabWidthParser();
  ZQF_DevelopmentSupport_TabWidthParser(const ZQF_DevelopmentSupport_TabWidthParser&) = delete;
  ZQF_DevelopmentSupport_TabWidthParser& operator=(const ZQF_DevelopmentSupport_TabWidthParser&) =
      delete;

  // Brings TabWidths up to date after an edit: Text is the new text, whose
  // characters [ChangeStart, ChangeEnd) replaced the characters
  // [OldChangeStart, OldChangeEnd) of the old text that TabWidths described.
  // Only the lines between the nearest whitespace-only lines (without a tab)
  // around the change are recomputed; the result equals a parse of the whole
  // text. On return TabWidths has Text's length.
  virtual void Parse(const ZQ_String& Text, int ChangeStart, int ChangeEnd, ZQ_String& TabWidths,
                     int OldChangeStart, int OldChangeEnd) const;

  // Text with every tab replaced by as many spaces as Parser gives it.
  static ZQ_String ExpandTabs(const ZQF_DevelopmentSupport_TabWidthParser* Parser,
                              const ZQ_String& Text);

  // The parser for files with Extension (one leading "." optional, any
  // letter case; not empty). No kind of file registers its own parser, so
  // this is always the standard parser, which lives until the program ends.
  static const ZQF_DevelopmentSupport_TabWidthParser* GetAssociatedParser(
      const ZQ_String& Extension);
};

#endif
