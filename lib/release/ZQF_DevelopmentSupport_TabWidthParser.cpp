// ZQF_DevelopmentSupport_TabWidthParser.cpp: the standard tab-width parse,
// tab expansion and the parser registry.
#include "ZQF_DevelopmentSupport_TabWidthParser.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ZQ_Assertion.h"
#include "ZQ_Map.h"

namespace {

// The widest tab a width byte holds.
const int kMaxTabWidth = 0xFF;

bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A line of nothing but these ends an affected area. A tab is whitespace
// too, but a line holding one belongs to its group, so it cannot bound one.
bool IsAreaBlankChar(char c) { return c == ' ' || c == '\r'; }

struct LineInfoType {
  int LineStart = 0;        // index in the text of the first character
  int LineLength = 0;       // characters, the line feed excluded
  int NumTabs = 0;
  int ScanIndex = 0;        // the last tab reached; LineStart - 1 before the first
  int LastTabDistance = 0;  // from the previous ScanIndex to the tab just reached
  int LineType = 0;         // 0 blank, 1 has a tab, 2 text without tabs
};

// The state of one standard parse.
class StandardWidthParser {
 public:
  StandardWidthParser(const ZQ_String& Text, int ChangeStart, int ChangeEnd, ZQ_String& TabWidths,
                      int OldChangeStart, int OldChangeEnd)
      : Text(Text),
        TabWidths(TabWidths),
        ChangeStart(ChangeStart),
        ChangeEnd(ChangeEnd),
        OldChangeStart(OldChangeStart),
        OldChangeEnd(OldChangeEnd),
        TextLength(Text.GetLength()),
        OldTabWidthsLength(TabWidths.GetLength()) {}

  void Run() {
    BackUpToStartOfAffectedArea();
    GoForwardToEndOfAffectedArea();
    if (OldAffectedStart < 0 || OldAffectedEnd > OldTabWidthsLength) {
      ZQ_ReportAssertionFailure("Text.GetLength() == TabWidths.GetLength()", __FILE__, __LINE__);
      return;  // the ranges do not describe the edit: leave the widths alone
    }
    InitializeNewTabWidths();
    ComputeNewTabWidths();
    TabWidths.Replace(OldAffectedStart, OldAffectedEnd - OldAffectedStart,
                      NewTabWidths.GetText(), NewTabWidths.GetLength());
  }

 private:
  void MoveStart(int Delta) {
    AffectedStart += Delta;
    OldAffectedStart += Delta;
  }
  void MoveEnd(int Delta) {
    AffectedEnd += Delta;
    OldAffectedEnd += Delta;
  }

  void BackUpToStartOfAffectedArea() {
    const char* text = Text.GetText();
    AffectedStart = ChangeStart;
    OldAffectedStart = OldChangeStart;
    if (AffectedStart > 0 && AffectedStart == TextLength) MoveStart(-1);
    // A change that begins on a line feed cut or extended the line that feed
    // ends, so that line cannot bound the area: its old form may have joined
    // the group above.
    if (AffectedStart > 0 && AffectedStart == ChangeStart && text[AffectedStart] == '\n')
      MoveStart(-1);
    while (AffectedStart > 0 && text[AffectedStart] != '\n') MoveStart(-1);
    bool wasBlank = false;
    while (AffectedStart > 0 && !wasBlank) {
      MoveStart(-1);
      wasBlank = true;
      while (AffectedStart > 0 && text[AffectedStart] != '\n') {
        if (!IsAreaBlankChar(text[AffectedStart])) wasBlank = false;
        MoveStart(-1);
      }
    }
    if (text[AffectedStart] == '\n' && AffectedStart < ChangeStart) MoveStart(1);
  }

  void GoForwardToEndOfAffectedArea() {
    const char* text = Text.GetText();
    AffectedEnd = ChangeEnd;
    OldAffectedEnd = OldChangeEnd;
    while (AffectedEnd < TextLength && text[AffectedEnd] != '\n') MoveEnd(1);
    bool wasBlank = false;
    while (AffectedEnd < TextLength && !wasBlank) {
      MoveEnd(1);
      wasBlank = true;
      while (AffectedEnd < TextLength && text[AffectedEnd] != '\n') {
        if (!IsAreaBlankChar(text[AffectedEnd])) wasBlank = false;
        MoveEnd(1);
      }
    }
  }

  void InitializeNewTabWidths() { NewTabWidths = ZQ_String('\0', AffectedEnd - AffectedStart); }

  void ComputeLineType(LineInfoType& Line) const {
    const char* text = Text.GetText() + Line.LineStart;
    Line.ScanIndex = Line.LineStart - 1;
    Line.LastTabDistance = 0;
    Line.NumTabs = static_cast<int>(std::count(text, text + Line.LineLength, '\t'));
    if (Line.NumTabs > 0)
      Line.LineType = 1;
    else
      Line.LineType = std::any_of(text, text + Line.LineLength, IsWordChar) ? 2 : 0;
  }

  void ComputeNewTabWidths() {
    if (AffectedEnd <= AffectedStart) return;
    const char* text = Text.GetText();
    std::vector<LineInfoType> lines;
    for (int start = AffectedStart;;) {
      const void* feed = std::memchr(text + start, '\n', AffectedEnd - start);
      int end = feed ? static_cast<int>(static_cast<const char*>(feed) - text) : AffectedEnd;
      LineInfoType line;
      line.LineStart = start;
      line.LineLength = end - start;
      ComputeLineType(line);
      lines.push_back(line);
      if (!feed) break;
      start = end + 1;
    }
    std::vector<LineInfoType*> tabLines;
    for (size_t i = 0; i < lines.size();) {
      if (lines[i].LineType == 0) {
        ++i;
        continue;
      }
      tabLines.clear();
      for (; i < lines.size() && lines[i].LineType != 0; ++i)
        if (lines[i].LineType == 1) tabLines.push_back(&lines[i]);
      if (!tabLines.empty()) ProcessTabLineGroup(tabLines);
    }
  }

  void AdvanceToNextTab(LineInfoType& Line) const {
    const char* text = Text.GetText();
    int lineEnd = Line.LineStart + Line.LineLength;
    int next = Line.ScanIndex + 1;
    const void* tab = std::memchr(text + next, '\t', lineEnd - next);
    int tabIndex = static_cast<int>(static_cast<const char*>(tab) - text);
    Line.LastTabDistance = tabIndex - Line.ScanIndex;
    Line.ScanIndex = tabIndex;
  }

  // Lines is the group's lines that hold tabs, in order; it is consumed.
  void ProcessTabLineGroup(std::vector<LineInfoType*>& Lines) {
    int maxTabs = 0;
    for (const LineInfoType* line : Lines) maxTabs = std::max(maxTabs, line->NumTabs);
    char* widths = &NewTabWidths[0];
    for (int column = 1; column <= maxTabs; ++column) {
      Lines.erase(std::remove_if(Lines.begin(), Lines.end(),
                                 [column](const LineInfoType* L) { return L->NumTabs < column; }),
                  Lines.end());
      int columnWidth = 0;
      for (LineInfoType* line : Lines) {
        AdvanceToNextTab(*line);
        columnWidth = std::max(columnWidth, line->LastTabDistance);
      }
      for (const LineInfoType* line : Lines) {
        // A cell too wide for one byte keeps its tab at the widest width: the
        // row then runs past its neighbours instead of losing the column.
        int widthOfThisTab = std::min(columnWidth - line->LastTabDistance + 1, kMaxTabWidth);
        widths[line->ScanIndex - AffectedStart] = static_cast<char>(widthOfThisTab);
      }
    }
  }

  ZQ_String Text;
  ZQ_String& TabWidths;
  int ChangeStart, ChangeEnd;
  int OldChangeStart, OldChangeEnd;
  int TextLength, OldTabWidthsLength;
  int AffectedStart = 0, AffectedEnd = 0;
  int OldAffectedStart = 0, OldAffectedEnd = 0;
  ZQ_String NewTabWidths;
};

using ParserRegistry = ZQ_Map<ZQ_String, const ZQF_DevelopmentSupport_TabWidthParser*>;

// Keys are upper-case extensions without the dot. Nothing registers a
// parser yet, so every kind of file gets the standard one.
ParserRegistry& GetParserRegistry() {
  static ParserRegistry registry(37);
  return registry;
}

}  // namespace

ZQF_DevelopmentSupport_TabWidthParser::~ZQF_DevelopmentSupport_TabWidthParser() = default;

void ZQF_DevelopmentSupport_TabWidthParser::Parse(const ZQ_String& Text, int ChangeStart,
                                                  int ChangeEnd, ZQ_String& TabWidths,
                                                  int OldChangeStart, int OldChangeEnd) const {
  bool isNewRangeValid = 0 <= ChangeStart && ChangeStart <= ChangeEnd && ChangeEnd <= Text.GetLength();
  bool isOldRangeValid = 0 <= OldChangeStart && OldChangeStart <= OldChangeEnd &&
                         OldChangeEnd <= TabWidths.GetLength();
  ZQ_ASSERT(isNewRangeValid);
  ZQ_ASSERT(isOldRangeValid);
  if (!isNewRangeValid || !isOldRangeValid) return;

  if (Text.IsEmpty() || (ChangeEnd == ChangeStart && OldChangeEnd == OldChangeStart)) {
    ZQ_String ones('\1', ChangeEnd - ChangeStart);
    TabWidths.Replace(OldChangeStart, OldChangeEnd - OldChangeStart, ones.GetText(),
                      ones.GetLength());
    return;
  }
  StandardWidthParser(Text, ChangeStart, ChangeEnd, TabWidths, OldChangeStart, OldChangeEnd).Run();
  ZQ_ASSERT_TEXT(Text.GetLength() == TabWidths.GetLength(),
                 "Text.GetLength() == TabWidths.GetLength()");
}

ZQ_String ZQF_DevelopmentSupport_TabWidthParser::ExpandTabs(
    const ZQF_DevelopmentSupport_TabWidthParser* Parser, const ZQ_String& Text) {
  ZQ_String widths;
  Parser->Parse(Text, 0, Text.GetLength(), widths, 0, 0);
  int length = std::min(Text.GetLength(), widths.GetLength());
  const char* text = Text.GetText();
  const unsigned char* width = reinterpret_cast<const unsigned char*>(widths.GetText());
  int expandedLength = Text.GetLength();
  for (int i = 0; i < length; ++i)
    if (text[i] == '\t') expandedLength += width[i] - 1;
  ZQ_String result = ZQ_String::WithCapacity(expandedLength);
  int runStart = 0;  // characters copied as they are, in runs between tabs
  for (int i = 0; i < length; ++i) {
    if (text[i] != '\t') continue;
    result.Append(text + runStart, i - runStart);
    result.Append(' ', width[i]);
    runStart = i + 1;
  }
  result.Append(text + runStart, Text.GetLength() - runStart);
  return result;
}

const ZQF_DevelopmentSupport_TabWidthParser* ZQF_DevelopmentSupport_TabWidthParser::
    GetAssociatedParser(const ZQ_String& Extension) {
  static const ZQF_DevelopmentSupport_TabWidthParser standardParser;
  ZQ_String key = Extension.GetFirstChar() == '.' ? Extension.GetRight(Extension.GetLength() - 1)
                                                  : Extension;
  key.ConvertToUpperCase();
  const ZQF_DevelopmentSupport_TabWidthParser* parser = nullptr;
  if (GetParserRegistry().GetValueIfExists(key, parser) && parser) return parser;
  return &standardParser;
}
