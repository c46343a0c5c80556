// ZQFO_FormatXMLParsingErrorForDisplay.h: turns a failed XML parse into a
// readable document: the error's name as a title, an optional explanation,
// the description, the lines around the error with a red marker under the
// failing column (at most 110 characters of each from its cut, then "..."),
// and the raw text in pieces of 110 characters, where a run of more than
// two blank lines shows as two, up to 20,000 rows (a carriage return that
// ends no line ends a row), followed by a line saying which lines are not
// shown when there are more. The result is
// document markup that always reads and validates, whatever the raw text
// holds, and grows with what it shows.
#ifndef ZQFO_FORMATXMLPARSINGERRORFORDISPLAY_H
#define ZQFO_FORMATXMLPARSINGERRORFORDISPLAY_H

#include <vector>

#include "ZQ_Exception.h"
#include "ZQ_String.h"

// LineNumber and ColumnNumber count from 1; below 1, each is read from the
// exception's description.
ZQ_String ZQFO_FormatXMLParsingErrorForDisplay(const ZQ_String& RawText, const ZQ_Exception& Exception,
                                               const ZQ_String& ExtraText, long LineNumber, long ColumnNumber);

// The lines of Text split at line feeds; a carriage return before a line
// feed belongs to the line end.
std::vector<ZQ_String> BreakIntoLines(const ZQ_String& Text);
// The whole number after "at line " / "and column " in Description, up to
// the next blank; 0 when absent or not a number from 1 to 2^31 - 1.
long ParseErrorLineNumber(const ZQ_String& Description);
long ParseErrorColumnNumber(const ZQ_String& Description);

#endif
