#include "ZQFO_FormatXMLParsingErrorForDisplay.h"

#include <algorithm>
#include <string>

#include "ZQ_CharacterClass.h"
#include "ZQ_StringStream.h"

namespace {

// The most characters of the raw text one paragraph shows: a single line of
// a damaged file may be megabytes long, and one paragraph of it would make
// a layout of that size.
const size_t kPieceLength = 110;

// The most blank lines of the raw text (empty, or white space only)
// shown in a row. Each one shown is a blank line of the layout, so a file of
// line feeds would otherwise lay out thousands of blank pages; a longer run
// shows as this many, as the plain-text export shows any larger gap between
// lines.
const long kMaxBlankLinesInARow = 2;

// The most rows of raw text shown, a carriage return that ends no line
// counting as a row too (the document's reader makes it a line feed). Each
// row costs about 2 KB of layout, so a file of a million lines could not be
// shown at all: its beginning stands for it, with a line saying what is
// left out.
const long kMaxRawRows = 20000;

bool IsBlank(const ZQ_String& Line) {
  for (long i = 0; i < Line.GetLength(); ++i)
    if (!ZQ_IsCharInClass(Line[i], ZQ_CharClass_WhiteSpace)) return false;
  return true;
}

long ParseNumberAfter(const ZQ_String& Description, const std::string& Key) {
  const std::string text(Description.GetText(), Description.GetLength());
  const size_t at = text.find(Key);
  if (at == std::string::npos) return 0;
  const size_t start = at + Key.size();
  const size_t end = std::min(text.find(' ', start), text.size());
  if (end == start || end - start > 10) return 0;
  long long value = 0;
  for (size_t i = start; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
  }
  return value >= 1 && value <= 2147483647LL ? static_cast<long>(value) : 0;
}

// Text for a character-data section: characters XML does not allow become
// "?", and "]]>" is split over two sections so that it cannot end one.
std::string CData(const std::string& Text) {
  std::string result;
  result.reserve(Text.size() + 12);
  result += "<![CDATA[";
  for (size_t i = 0; i < Text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(Text[i]);
    if (c < 32 && c != 9 && c != 10 && c != 13) {
      result += '?';
    } else if (c == ']' && Text.compare(i, 3, "]]>") == 0) {
      result += "]]]]><![CDATA[>";
      i += 2;
    } else {
      result += static_cast<char>(c);
    }
  }
  result += "]]>";
  return result;
}

std::string Std(const ZQ_String& Text) { return std::string(Text.GetText(), Text.GetLength()); }

std::string WithoutTrailingSpaces(const std::string& Text) {
  size_t end = Text.size();
  while (end > 0 && Text[end - 1] == ' ') --end;
  return Text.substr(0, end);
}

std::string Number(long Value) { return Std(ZQ_ToString(Value)); }

// What the raw text leaves out when its lines from First (counting from 1)
// to Last are not shown, the first of them shown InPart.
std::string NotShown(long First, long Last, bool InPart) {
  std::string note = "The last ";
  if (InPart) {
    note = "Line " + Number(First) + " of the raw text is shown only in part";
    if (First++ == Last) return note + ".";
    note += ", and its last ";
  }
  const std::string whose = InPart ? "" : " of the raw text";
  if (First == Last) return note + "line" + whose + ", line " + Number(Last) + ", is not shown.";
  return note + Number(Last - First + 1) + " lines" + whose + ", lines " + Number(First) + " to " + Number(Last) +
         ", are not shown.";
}

void Heading(std::string& Out, const char* Text) {
  Out += "<zqfo_para block_space_before='24 pt' block_space_after='12 pt' font_height='14 pt'>\n";
  Out += Text;
  Out += "\n</zqfo_para>\n";
}

}  // namespace

std::vector<ZQ_String> BreakIntoLines(const ZQ_String& Text) {
  std::vector<ZQ_String> lines;
  const char* text = Text.GetText();
  const long length = Text.GetLength();
  long start = 0;
  for (long i = 0; i <= length; ++i) {
    if (i < length && text[i] != '\n') continue;
    long end = i;
    if (i < length && end > start && text[end - 1] == '\r') --end;
    lines.push_back(ZQ_String(text + start, end - start));
    start = i + 1;
  }
  return lines;
}

long ParseErrorLineNumber(const ZQ_String& Description) { return ParseNumberAfter(Description, "at line "); }

long ParseErrorColumnNumber(const ZQ_String& Description) { return ParseNumberAfter(Description, "and column "); }

ZQ_String ZQFO_FormatXMLParsingErrorForDisplay(const ZQ_String& RawText, const ZQ_Exception& Exception,
                                               const ZQ_String& ExtraText, long LineNumber, long ColumnNumber) {
  const ZQ_String description = Exception.GetDescription();
  std::string out = "<?xml version='1.0'?>\n<zqfo_document>\n<zqfo_section>\n<zqfo_blockstream>\n";
  out += "<zqfo_para justification='center' block_space_before='24 pt' block_space_after='36 pt' "
         "font_height='18 pt'>\n" +
         CData(Std(Exception.GetName())) + "\n</zqfo_para>\n";
  if (!ExtraText.IsEmpty()) out += "<zqfo_para>\n" + CData(Std(ExtraText)) + "\n</zqfo_para>\n";
  Heading(out, "Description Of Error");
  out += "<zqfo_para>\n" + CData(Std(description.IsEmpty() ? Exception.GetName() : description)) + "\n</zqfo_para>\n";

  const long line = LineNumber >= 1 ? LineNumber : ParseErrorLineNumber(description);
  const long column = ColumnNumber >= 1 ? ColumnNumber : ParseErrorColumnNumber(description);
  const std::vector<ZQ_String> lines = BreakIntoLines(RawText);
  const long numLines = static_cast<long>(lines.size());
  const long errorIndex = line - 1;
  const long first = std::max(0L, line - 6);
  const long last = std::min(numLines - 1, static_cast<long>(std::min(2147483647LL, static_cast<long long>(line) + 4)));
  if (first <= last) {
    long width = 0;
    for (long i = first; i <= last; ++i)
      width = std::max(width, static_cast<long>(WithoutTrailingSpaces(Std(lines[i])).size()));
    const long over = std::min(25L, width - column);
    const long skip = std::max(0L, column + over - 75);
    Heading(out, "Location Of Error");
    out += "<zqfo_blockgroup line_preformatted='true' block_space_before='0 mm' block_space_after='0 mm' "
           "font_height='10 pt' font_family='monospace'>\n";
    const std::string red = "<zqfo_para text_color='red' font_weight='bold'>";
    const std::string label = "  Error Location  ";
    const long lead = skip > 0 ? 14 : 11;
    const long p = column - skip - 1;
    // The bar stands over the failing character in both marker lines.
    const long barSpaces = p + lead;
    for (long i = first; i <= last; ++i) {
      if (i == errorIndex) {
        if (p < 37)
          out += red + std::string(std::max(0L, p + lead), ' ') + "|" + label + "</zqfo_para>\n";
        else
          out += red + std::string(std::max(0L, p - static_cast<long>(label.size()) + lead), ' ') + label + "|" +
                 "</zqfo_para>\n";
      }
      const std::string text = Std(lines[i]);
      const std::string rest = skip < static_cast<long>(text.size()) ? text.substr(skip) : "";
      std::string cut = WithoutTrailingSpaces(rest.substr(0, kPieceLength));
      if (WithoutTrailingSpaces(rest).size() > kPieceLength) cut += "...";
      out += i == errorIndex ? "<zqfo_para  text_color='black' font_weight='bold' >"
                             : "<zqfo_para  text_color='dark gray' >";
      out += CData(Std(ZQ_ToString(i + 1, "[Width=6]")) + "     " + (skip > 0 && !cut.empty() ? "..." : "") + cut) +
             "</zqfo_para>\n";
      if (i == errorIndex) out += red + std::string(std::max(0L, barSpaces), ' ') + "|</zqfo_para>\n";
    }
    out += "</zqfo_blockgroup>\n";
  }
  Heading(out, "Raw XML Document");
  out += "<zqfo_blockgroup line_preformatted='true' block_space_before='0 mm' block_space_after='0 mm' "
         "font_height='10 pt'>\n";
  long blankLinesInARow = 0, rows = 0, firstNotShown = numLines;
  bool isInPart = false;
  for (long i = 0; i < numLines && firstNotShown == numLines; ++i) {
    blankLinesInARow = IsBlank(lines[i]) ? blankLinesInARow + 1 : 0;
    if (blankLinesInARow > kMaxBlankLinesInARow) continue;
    const std::string text = Std(lines[i]);
    size_t at = 0;
    do {
      const std::string piece = text.substr(at, kPieceLength);
      rows += 1 + std::count(piece.begin(), piece.end(), '\r');
      if (rows > kMaxRawRows) {
        firstNotShown = i;
        isInPart = at > 0;
        break;
      }
      out += "<zqfo_para>" + CData(piece) + "</zqfo_para>\n";
      at += kPieceLength;
    } while (at < text.size());
  }
  out += "</zqfo_blockgroup>\n";
  if (firstNotShown < numLines) {
    out += "<zqfo_para block_space_before='6 pt' font_italic='true'>\n" +
           NotShown(firstNotShown + 1, numLines, isInPart) + "\n</zqfo_para>\n";
  }
  out += "</zqfo_blockstream>\n</zqfo_section>\n</zqfo_document>\n";
  return ZQ_String(out.c_str(), static_cast<int>(out.size()));
}
