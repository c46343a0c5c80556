// ZQXML_TextEncoding.h: text helpers for writing XML and HTML: numeric
// character references for chosen characters, non-breaking spaces, and
// white-space normalisation. Characters are single bytes; nothing throws but
// std::bad_alloc.
#ifndef ZQXML_TEXTENCODING_H
#define ZQXML_TEXTENCODING_H

#include "ZQ_String.h"

class ZQXML_CharBuffer;

// Flag bits of ZQXML_EncodeSpecialCharacters: each flagged character becomes
// "&#" + its unsigned decimal code + ";".
const unsigned long ZQXML_Encode_LessThan = 0x1;
const unsigned long ZQXML_Encode_GreaterThan = 0x2;
const unsigned long ZQXML_Encode_Ampersand = 0x4;
const unsigned long ZQXML_Encode_Apostrophe = 0x8;
const unsigned long ZQXML_Encode_DoubleQuote = 0x10;
const unsigned long ZQXML_Encode_OpeningBracket = 0x20;
const unsigned long ZQXML_Encode_ClosingBracket = 0x40;
const unsigned long ZQXML_Encode_Hyphen = 0x80;
const unsigned long ZQXML_Encode_LineControls = 0x100;    // tab, line feed, carriage return
const unsigned long ZQXML_Encode_OtherControls = 0x200;   // codes 0 to 31 and 127 but those
const unsigned long ZQXML_Encode_UpperBytes = 0x400;      // codes 128 to 255
const unsigned long ZQXML_Encode_All = 0x7FF;

// The flag bit of each byte (256 entries; 0 for bytes never encoded), for
// writers that encode straight into an output of their own.
extern const unsigned short* const ZQXML_EncodingFlagOfByte;

// Text with every character of a flagged kind written as a numeric reference;
// letters, digits and the space are always copied. Text itself (shared) when
// nothing is to be encoded.
ZQ_String ZQXML_EncodeSpecialCharacters(const ZQ_String& Text, unsigned long Flags);

// Every " " becomes "&nbsp;".
ZQ_String ZQXML_MakeSpacesNonbreaking(const ZQ_String& Text);

// White space is blank, tab, line feed and carriage return. Mode 0 returns
// Text unchanged; 1 turns each run into one blank (a leading or trailing run
// keeps one blank); 2 also removes the runs at both ends. Another mode fails
// the assertion "(Mode >= 0) and (Mode <= 2)" and returns Text.
ZQ_String ZQXML_NormalizeWhitespace(const ZQ_String& Text, long Mode);

// For the writer: appends N bytes of Text to Output with the characters of
// Flags encoded; the extra bit ZQXML_Util_Encode_CarriageReturn encodes the
// carriage return alone.
const unsigned long ZQXML_Util_Encode_CarriageReturn = 0x800;
void ZQXML_Util_AppendEncoded(ZQXML_CharBuffer& Output, const char* Text, long N,
                              unsigned long Flags);

#endif
