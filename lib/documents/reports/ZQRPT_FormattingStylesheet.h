// ZQRPT_FormattingStylesheet.h: the stylesheet that turns report markup
// (ZQRPT_ReportDTD.h) into zqfo_* document markup: title page, table of
// contents, page footers, chapter and section headings with their numbers,
// captions, lists, tables, notes and resolved cross-references. Built anew
// per call on the transformer (ZQXTR_Stylesheet.h); all per-run state lives
// in the rule context. Records a rule needs but cannot find, and values
// outside their enumerations, fail assertions ("Result", "false"); past a
// returning assertion the output goes on. One thread only.
#ifndef ZQRPT_FORMATTINGSTYLESHEET_H
#define ZQRPT_FORMATTINGSTYLESHEET_H

#include "ZQXTR_RuleContext.h"
#include "ZQXTR_Stylesheet.h"
#include "ZQ_CommandLine.h"
#include "ZQ_Map.h"

// What the stylesheet makes of a report; the defaults make a plain document.
class ZQRPT_FormattingStylesheetOptions : public ZQXTR_RuleContextAdditionalInfo {
 public:
  bool GetUseTitlePage() const { return UseTitlePage; }
  void SetUseTitlePage(bool Value) { UseTitlePage = Value; }
  bool GetIncludeTableOfContents() const { return IncludeTableOfContents; }
  void SetIncludeTableOfContents(bool Value) { IncludeTableOfContents = Value; }
  bool GetUsePageFooters() const { return UsePageFooters; }
  void SetUsePageFooters(bool Value) { UsePageFooters = Value; }
  bool GetNumberSections() const { return NumberSections; }
  void SetNumberSections(bool Value) { NumberSections = Value; }
  bool GetNumberCaptions() const { return NumberCaptions; }
  void SetNumberCaptions(bool Value) { NumberCaptions = Value; }
  // 0 a plain heading paragraph, 1 a boxed heading (needs NumberSections).
  long GetChapterHeadingStyle() const { return ChapterHeadingStyle; }
  void SetChapterHeadingStyle(long Value) { ChapterHeadingStyle = Value; }
  // Break before each chapter: 0 none, 1 page, 2 even page, 3 odd page.
  long GetChapterPageBreak() const { return ChapterPageBreak; }
  void SetChapterPageBreak(long Value) { ChapterPageBreak = Value; }

 private:
  bool UseTitlePage = false;
  bool IncludeTableOfContents = false;
  bool UsePageFooters = false;
  bool NumberSections = false;
  bool NumberCaptions = false;
  long ChapterHeadingStyle = 0;
  long ChapterPageBreak = 0;
};

// The state of one transformation: numbering, references, contents.
class ZQRPT_StandardOptions : public ZQXTR_RuleContextAdditionalInfo {
 public:
  ZQRPT_StandardOptions() : SectionNumbers(1, 0), CaptionNumbers(5, 0) {}
  // SectionNumbers[Level], grown with zeros on demand.
  long& SectionNumberAt(long Level);
  // The current chapter's number or letter; before the first chapter "0",
  // and the log records "NestingLevel >= 1".
  ZQ_String GetChapterNumberText() const;

  long NestingLevel = -1;            // -1 outside, 0 document, 1 chapter, 2+ sections
  ZQ_AutosizeArray<long> SectionNumbers;
  ZQ_AutosizeArray<long> CaptionNumbers;  // per caption type, reset per chapter
  long CurrentChapterType = 0;       // 0 chapter, 1 appendix
  ZQ_Map<ZQ_String, ZQ_String> IdReferenceText{751};
  ZQ_StringStream TableOfContentsText;
  // Element names already logged as not shown in this run.
  ZQ_Map<ZQ_String, bool> NotShownLogged;
};

// Inserts the table of contents (index 0, the only one).
class ZQXTR_RuleContext_Fixup_StringReference : public ZQXTR_RuleContext_Fixup {
 public:
  explicit ZQXTR_RuleContext_Fixup_StringReference(long Index) : Index(Index) {}
  void Perform(ZQ_StringStream& Output, ZQXTR_RuleContext& Context) override;
  long Index;
};

// Inserts the cross-reference to Id, or an error text when no section or
// caption has that id.
class ZQXTR_RuleContext_Fixup_InsetIdRef : public ZQXTR_RuleContext_Fixup {
 public:
  explicit ZQXTR_RuleContext_Fixup_InsetIdRef(const ZQ_String& Id) : Id(Id) {}
  void Perform(ZQ_StringStream& Output, ZQXTR_RuleContext& Context) override;
  ZQ_String Id;
};

// The innermost list and table.
class ZQRPT_ListContext : public ZQXTR_RuleContextAdditionalInfo {
 public:
  long ItemNumber = 1;
  ZQ_String BulletTemplate;
  bool IsCompact = false;
};

class ZQRPT_TableContext : public ZQXTR_RuleContextAdditionalInfo {
 public:
  struct ColumnInfoType {
    ZQ_String HeaderText;
    ZQ_String Justification;
  };
  ZQ_AutosizeArray<ColumnInfoType> ColumnInfo;
  long NumColumns = 0;
  long CurrentColumn = 0;
};

// Labels. A value outside the listed ones fails "false" and gives 0 or "".
long ZQRPT_ParseSectionType(const ZQ_String& Text);        // "default"/"" 0, "appendix" 1
ZQ_String ZQRPT_GetSectionTypeName(long Type);             // "Chapter", "Appendix"
ZQ_String ZQRPT_GetSectionNumberText(long Index, long Type);  // 0: "1"; 1: "A"
ZQ_String ZQRPT_GetSectionLabel(long Index, long Type);    // "Chapter 3", "Appendix B"
long ZQRPT_ParseCaptionType(const ZQ_String& Text);        // table, figure, list, equation, listing
ZQ_String ZQRPT_GetCaptionTypeName(long Type);             // "Table", ... "Listing"

// A new stylesheet with the report rules for Options.
ZQXTR_Stylesheet ZQRPT_GetFormattingStylesheet(const ZQRPT_FormattingStylesheetOptions& Options);
// Adds the report rules (priority 0.0) to Stylesheet.
void AddRules(ZQXTR_Stylesheet& Stylesheet, const ZQRPT_FormattingStylesheetOptions& Options);

// The deepest report whose document markup reads back: the rules write at
// most two document elements for each report element (a note or a list
// item with an id) and four around the top section, while the XML reader
// takes elements nested at most ZQXML_Parser::MaxElementNesting deep.
// The report DTD carries it, so every reader that validates a report stops
// there.
const long ZQRPT_MaxReportNesting = 498;

// The list and item indent, "0.35 in".
extern const char* const ZQRPT_ListIndent;
// The mode in which a list item's first paragraph gets its bullet, taken
// from ZQXTR_GetNewRuleMode on first use.
int ZQRPT_GetFirstListItemMode();
// The command-line flag that makes the report's comments visible.
extern ZQ_SimpleFlagCommandLineElement ZQXTR_ShowComments;

#endif
