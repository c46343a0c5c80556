#include "ZQRPT_FormattingStylesheet.h"
#include "ZQRPT_RuleSupport.h"

#include "ZQXML_Node.h"
#include "ZQXML_Parser.h"
#include "ZQXML_TextEncoding.h"
#include "ZQ_DebugLog.h"
#include "ZQ_SequenceNameGenerator.h"

static_assert(2 * ZQRPT_MaxReportNesting + 4 <= ZQXML_Parser::MaxElementNesting,
              "the markup of the deepest report reads back");

const char* const ZQRPT_ListIndent = "0.35 in";

ZQ_SimpleFlagCommandLineElement ZQXTR_ShowComments("ZQXTR_ShowComments", false);

int ZQRPT_GetFirstListItemMode() {
  // Taken at first use, so the order of static construction cannot change it.
  static const int s_mode = ZQXTR_GetNewRuleMode();
  return s_mode;
}

long ZQRPT_ParseSectionType(const ZQ_String& Text) {
  if (Text.IsEmpty() || Text == "default") return 0;
  if (Text == "appendix") return 1;
  ZQ_ASSERT(false);
  return 0;
}

ZQ_String ZQRPT_GetSectionTypeName(long Type) {
  if (Type == 0) return "Chapter";
  if (Type == 1) return "Appendix";
  ZQ_ASSERT(false);
  return ZQ_String();
}

ZQ_String ZQRPT_GetSectionNumberText(long Index, long Type) {
  if (Type == 0) return ZQ_NumberSequence.GetName(static_cast<int>(Index));
  if (Type == 1) return ZQ_UpperCaseLetterSequence.GetName(static_cast<int>(Index));
  ZQ_ASSERT(false);
  return ZQ_String();
}

ZQ_String ZQRPT_GetSectionLabel(long Index, long Type) {
  return ZQRPT_GetSectionTypeName(Type) + " " + ZQRPT_GetSectionNumberText(Index, Type);
}

long ZQRPT_ParseCaptionType(const ZQ_String& Text) {
  const char* const kNames[] = {"table", "figure", "list", "equation", "listing"};
  for (long i = 0; i < 5; ++i)
    if (Text == kNames[i]) return i;
  ZQ_ASSERT(false);
  return 0;
}

ZQ_String ZQRPT_GetCaptionTypeName(long Type) {
  const char* const kNames[] = {"Table", "Figure", "List", "Equation", "Listing"};
  if (Type >= 0 && Type < 5) return kNames[Type];
  ZQ_ASSERT(false);
  return ZQ_String();
}

long& ZQRPT_StandardOptions::SectionNumberAt(long Level) {
  while (SectionNumbers.GetNumElements() <= Level) SectionNumbers.Resize(Level + 1, 0);
  return SectionNumbers[Level];
}

ZQ_String ZQRPT_StandardOptions::GetChapterNumberText() const {
  // The report DTD allows a caption before the first chapter: only logged, so
  // that a valid report never ends a program whose assertions are fatal.
  ZQ_ASSERT_LOG_ONLY(NestingLevel >= 1);
  const long chapter = SectionNumbers.GetNumElements() > 1 ? SectionNumbers[1] : 0;
  return ZQRPT_GetSectionNumberText(chapter - 1, CurrentChapterType);
}

void ZQXTR_RuleContext_Fixup_StringReference::Perform(ZQ_StringStream& Output,
                                                      ZQXTR_RuleContext& Context) {
  ZQ_ASSERT(Index == 0);
  if (Index != 0) return;
  if (const ZQRPT_StandardOptions* state = ZQRPT_FindRecord<ZQRPT_StandardOptions>(Context))
    Output += state->TableOfContentsText;
}

void ZQXTR_RuleContext_Fixup_InsetIdRef::Perform(ZQ_StringStream& Output,
                                                 ZQXTR_RuleContext& Context) {
  const ZQRPT_StandardOptions* state = ZQRPT_FindRecord<ZQRPT_StandardOptions>(Context);
  const ZQ_String id = ZQRPT_Encode(Id);
  ZQ_String text;
  if (state && state->IdReferenceText.GetValueIfExists(Id, text)) {
    Output += "<zqfo_flowgroup  hyperlink_text_color='standard color - hyperlink text' link_target='#";
    Output += id;
    Output += "'>";
    Output += text;
    Output += "</zqfo_flowgroup>";
    return;
  }
  ZQ_WriteDebugLogEntry("ERROR - Id not found - '" + Id + "'\n");
  Output += "<zqfo_flowgroup text_color='standard color - error text'>[ERROR - Missing Id ";
  Output += id;
  Output += "]</zqfo_flowgroup>";
}

ZQ_String ZQRPT_MakeCaptionLabel(ZQXTR_RuleContext& Context, ZQRPT_StandardOptions& State) {
  const ZQXML_Node* caption = Context.CurrentNode->GetParent();
  const long kind = ZQRPT_ParseCaptionType(caption->GetAttributeValue("type", ZQ_String()));
  const ZQ_String label = ZQRPT_GetCaptionTypeName(kind) + " " + State.GetChapterNumberText() +
                          "." + ZQ_ToString(++State.CaptionNumbers[kind]);
  const ZQ_String id = caption->GetAttributeValue("id", ZQ_String());
  if (!id.IsEmpty())
    State.IdReferenceText.Set(id, "<zqfo_flowgroup font_italic='true'>" + label + "</zqfo_flowgroup>");
  return label;
}

namespace {

// Pushes a copy of the options and a new state, once per transformation.
class ZQRPT_Rule_PushOptions : public ZQXTR_Rule {
 public:
  explicit ZQRPT_Rule_PushOptions(const ZQRPT_FormattingStylesheetOptions& Options)
      : ZQXTR_Rule(0.0, 1), Options(Options) {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_PushOptions(*this); }
  bool Matches(const ZQXTR_RuleContext&) const override { return true; }
  void Apply(ZQXTR_RuleContext& Context) const override {
    Context.PushAdditionalInfo(new ZQRPT_FormattingStylesheetOptions(Options));
    Context.PushAdditionalInfo(new ZQRPT_StandardOptions);
  }

 private:
  ZQRPT_FormattingStylesheetOptions Options;
};

}  // namespace

void AddRules(ZQXTR_Stylesheet& Stylesheet, const ZQRPT_FormattingStylesheetOptions& Options) {
  Stylesheet.AddRule(new ZQRPT_Rule_PushOptions(Options));
  ZQRPT_AddElementRules(Stylesheet, Options);
}

ZQXTR_Stylesheet ZQRPT_GetFormattingStylesheet(const ZQRPT_FormattingStylesheetOptions& Options) {
  ZQXTR_Stylesheet stylesheet;
  AddRules(stylesheet, Options);
  return stylesheet;
}
