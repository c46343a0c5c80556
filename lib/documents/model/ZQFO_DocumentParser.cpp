#include "ZQFO_DocumentParser.h"

#include <cmath>
#include <memory>

#include "ZQFO_Block_Paragraph.h"
#include "ZQFO_Block_Table.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_PageSequenceGenerator.h"
#include "ZQFO_StandardColorKeys.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQFO_StandardOptionParsers.h"
#include "ZQFO_TableOfContents.h"
#include "ZQPIC_Canvas.h"
#include "ZQPIC_ScreenMillimetersPerPixel.h"
#include "ZQXML_Node.h"
#include "ZQ_Assertion.h"
#include "ZQ_DebugLog.h"

namespace {

// Whitespace is exactly these four: character 160 (no-break space) and the
// other controls belong to words.
bool IsWhiteSpace(char C) { return C == ' ' || C == '\n' || C == '\r' || C == '\t'; }

// The element's options for as long as it is being processed: pushed and
// its attributes applied when entered, popped when left.
class ElementScope {
 public:
  ElementScope(ZQFO_FormattingOptionsFactory& Factory, const ZQXML_Node& Element) : Factory(Factory) {
    Factory.PushCurrentOptionsStack();
    ZQFO_ParseStandardOptions(Element, Factory);
  }
  ~ElementScope() { Factory.PopCurrentOptionsStack(); }
  ElementScope(const ElementScope&) = delete;
  ElementScope& operator=(const ElementScope&) = delete;

 private:
  ZQFO_FormattingOptionsFactory& Factory;
};

bool IsElement(const ZQXML_Node& Node) { return Node.GetType() == ZQXML_NodeType_Element; }

// The size of an image pixel in millimetres on every device: a screen
// pixel, so that an image without a size of its own is as large on paper
// and in page images as on the screen, where it is shown pixel for pixel;
// 96 to the inch before the screen's metrics exist.
ZQ_Point<double> ImagePixelMillimeters() {
  const ZQ_Point<double> screen = ZQPIC_GetScreenMillimetersPerPixel();
  const bool known = screen.X > 0 && screen.Y > 0 && std::isfinite(screen.X) && std::isfinite(screen.Y);
  return known ? screen : ZQ_Point<double>(25.4 / 96, 25.4 / 96);
}

bool HasAttribute(const ZQXML_Node& Element, const char* Name) {
  return Element.GetAttributeValue(Name, "\x01") != "\x01";
}

// A whole number of at least 1 in base 10 (at most nine digits, so it
// fits), or -1.
long ReadPositiveWholeNumber(const ZQ_String& Text) {
  if (Text.IsEmpty() || Text.GetLength() > 9) return -1;
  long value = 0;
  for (int i = 0; i < Text.GetLength(); ++i) {
    if (Text[i] < '0' || Text[i] > '9') return -1;
    value = value * 10 + (Text[i] - '0');
  }
  return value >= 1 ? value : -1;
}

void LogIgnoredValue(const char* Attribute, const ZQ_String& Value, const char* Instead) {
  ZQ_String line = "Document attribute ";
  line += Attribute;
  line += "='";
  line += Value;
  line += "' is not a whole number of at least 1; ";
  line += Instead;
  line += "\n";
  ZQ_WriteDebugLogEntry(line);
}

// The element's "local_" attributes, through the standard routes.
void ApplyLocalOptions(const ZQXML_Node& Element, ZQFO_FormattingOptionsFactory& Factory) {
  const ZQFO_RouteTableEntry* table = InitializeRouteTable();
  for (const ZQXML_Node* attribute = Element.GetFirstChild();
       attribute && attribute->GetType() == ZQXML_NodeType_Attribute; attribute = attribute->GetNextSibling()) {
    const ZQ_String name = attribute->GetName();
    if (!name.BeginsWith("local_")) continue;
    const ZQ_String option(name.GetText() + 6, name.GetLength() - 6);
    for (long i = 0; i < RouteTableSize; ++i)
      if (table[i].Name == option) table[i].Route(attribute->GetValue(), false, Factory);
  }
}

struct SymbolEntry {
  const char* Name;
  unsigned char Code;
};

// In lookup order.
const SymbolEntry kSymbols[] = {
    {"bullet_round_solid", 183}, {"bullet_diamond_solid", 168}, {"emdash", 190}, {"endash", 45},
    {"approxeq", 64}, {"infinity", 165}, {"function", 166}, {"prop", 181}, {"noteq", 185},
    {"definedas", 186}, {"approx", 187}, {"tm", 212}, {"root", 214}, {"inverteddelta", 209},
    {"uparrowkey", 173}, {"downarrowkey", 175}, {"leftarrowkey", 172}, {"rightarrowkey", 174},
    {"ualpha", 65}, {"ubeta", 66}, {"ugamma", 71}, {"udelta", 68}, {"uepsilon", 69}, {"uzeta", 90},
    {"ueta", 72}, {"utheta", 81}, {"uiota", 73}, {"ukappa", 75}, {"ulamda", 76}, {"umu", 77},
    {"unu", 78}, {"uxi", 88}, {"uomikron", 79}, {"upi", 80}, {"urho", 82}, {"usigma", 83},
    {"utau", 84}, {"uupsilon", 85}, {"uphi", 70}, {"uchi", 67}, {"upsi", 89}, {"uomega", 87},
    {"lalpha", 97}, {"lbeta", 98}, {"lgamma", 103}, {"ldelta", 100}, {"lepsilon", 101}, {"lzeta", 122},
    {"leta", 104}, {"ltheta", 113}, {"liota", 105}, {"lkappa", 107}, {"llamda", 108}, {"lmu", 109},
    {"lnu", 110}, {"lxi", 120}, {"lomikron", 111}, {"lpi", 112}, {"lrho", 114}, {"lsigma", 115},
    {"ltau", 116}, {"lupsilon", 117}, {"lphi", 102}, {"lchi", 99}, {"lpsi", 121}, {"lomega", 119},
};

}  // namespace

char ZQFO_GetSymbolCharacter(const ZQ_String& Name) {
  for (const SymbolEntry& entry : kSymbols)
    if (Name == entry.Name) return static_cast<char>(entry.Code);
  ZQ_ASSERT_TEXT(false, "false");
  return 'x';
}

bool ZQFO_IsSymbolName(const ZQ_String& Name) {
  for (const SymbolEntry& entry : kSymbols)
    if (Name == entry.Name) return true;
  return false;
}

ZQFO_ParsedDocument ZQFO_ParseDocument(const ZQXML_Tree& Tree, ZQFO_DistributionContext& Context) {
  ZQFO_DocumentParser parser(Tree, Context);
  return parser.Parse();
}

ZQFO_DocumentParser::ZQFO_DocumentParser(const ZQXML_Tree& Tree, ZQFO_DistributionContext& Context)
    : Tree(Tree), Context(Context), Result(Context) {}

ZQFO_ParsedDocument ZQFO_DocumentParser::Parse() {
  if (const ZQXML_Node* root = Tree.GetRootElement()) ParseDocumentElement(*root);
  return Result;
}

void ZQFO_DocumentParser::ParseDocumentElement(const ZQXML_Node& Element) {
  ElementScope scope(Context.OptionsFactory, Element);
  for (const ZQXML_Node* child = Element.GetFirstChild(); child; child = child->GetNextSibling())
    if (IsElement(*child) && child->GetLocalName() == "zqfo_section") ProcessSection(*child);
}

void ZQFO_DocumentParser::ProcessSection(const ZQXML_Node& Element) {
  // The pages take the document element's options, not the section's own.
  std::unique_ptr<ZQFO_PageSequenceGenerator> generator(
      new ZQFO_PageSequenceGenerator(Context.OptionsFactory.GetFormattingOptions(), Context));
  const ZQ_String format = Element.GetAttributeValue("page_number_format", "page_number_format_1");
  if (format == "page_number_format_i")
    generator->SetPageNumberFormat(ZQFO_PageSequenceGenerator::PageNumberFormat_LowerCaseRoman);
  else
    ZQ_ASSERT_TEXT(format == "page_number_format_1", "false");
  const ZQ_String start = Element.GetAttributeValue("start_page_number", "");
  if (start == "continue") {
    generator->SetInitialPageNumber(ZQFO_PageSequenceGenerator::ContinuePageNumbering);
  } else if (HasAttribute(Element, "start_page_number")) {
    const long number = ReadPositiveWholeNumber(start);
    if (number > 0)
      generator->SetInitialPageNumber(number);
    else
      LogIgnoredValue("start_page_number", start, "the section numbers its pages from 1.");
  }
  ZQFO_BlockStream stream;
  {
    ElementScope scope(Context.OptionsFactory, Element);
    for (const ZQXML_Node* child = Element.GetFirstChild(); child; child = child->GetNextSibling()) {
      if (!IsElement(*child)) continue;
      const ZQ_String name = child->GetLocalName();
      if (name == "zqfo_blockstream")
        stream = ProcessBlockStreamElement(*child);
      else if (name == "zqfo_pagesequencegenerator")
        ProcessPageSequenceGeneratorElement(*child, *generator);
      else
        ZQ_ASSERT_TEXT(false, "false");
    }
  }
  Result.AddSection(ZQFO_ParsedDocumentSection(Context, stream, generator.release()));
}

void ZQFO_DocumentParser::ProcessPageSequenceGeneratorElement(const ZQXML_Node& Element,
                                                              ZQFO_PageSequenceGenerator& Generator) {
  for (const ZQXML_Node* kind = Element.GetFirstChild(); kind; kind = kind->GetNextSibling()) {
    if (!IsElement(*kind)) continue;
    ZQ_CountedPtr<ZQFO_PageSequenceFrameSet> set(new ZQFO_PageSequenceFrameSet);
    for (const ZQXML_Node* frame = kind->GetFirstChild(); frame; frame = frame->GetNextSibling()) {
      if (!IsElement(*frame)) continue;
      ZQ_ASSERT_TEXT(frame->GetLocalName() == "zqfo_frame", "FrameElement->GetLocalName() == \"zqfo_frame\"");
      const ZQXML_Node* streamElement = frame->GetFirstChild();
      while (streamElement && !IsElement(*streamElement)) streamElement = streamElement->GetNextSibling();
      if (!streamElement || streamElement->GetLocalName() != "zqfo_blockstream") {
        ZQ_ASSERT_TEXT(false, "BlockStreamElement->GetLocalName() == \"zqfo_blockstream\"");
        continue;
      }
      const ZQ_String location = frame->GetAttributeValue("location", "");
      long code = ZQFO_PageSequenceFrame::Location_TopMargin;
      if (location == "bottommargin")
        code = ZQFO_PageSequenceFrame::Location_BottomMargin;
      else if (location != "topmargin") {
        ZQ_ASSERT_TEXT(false, "false");
        continue;
      }
      set->AddFrame(ZQ_CountedPtr<ZQFO_PageSequenceFrame>(
          new ZQFO_PageSequenceFrame(code, ProcessBlockStreamElement(*streamElement))));
    }
    const ZQ_String name = kind->GetLocalName();
    if (name == "zqfo_firstpage")
      Generator.SetFirstPageFrames(set);
    else if (name == "zqfo_evenpage")
      Generator.SetEvenPageFrames(set);
    else if (name == "zqfo_oddpage")
      Generator.SetOddPageFrames(set);
    else if (name == "zqfo_otherpage")
      Generator.SetOtherPageFrames(set);
    else
      ZQ_ASSERT_TEXT(false, "false");
  }
}

ZQFO_BlockStream ZQFO_DocumentParser::ProcessBlockStreamElement(const ZQXML_Node& Element) {
  ElementScope scope(Context.OptionsFactory, Element);
  ZQFO_BlockStream stream;
  ProcessChildBlockElements(Element, stream);
  return stream;
}

void ZQFO_DocumentParser::ProcessChildBlockElements(const ZQXML_Node& Element, ZQFO_BlockStream& Stream) {
  for (const ZQXML_Node* child = Element.GetFirstChild(); child; child = child->GetNextSibling())
    if (IsElement(*child)) ProcessBlockElement(*child, Stream);
}

void ZQFO_DocumentParser::ProcessBlockElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream) {
  const ZQ_String name = Element.GetLocalName();
  if (name == "zqfo_blockgroup") {
    ProcessBlockGroupElement(Element, Stream);
    return;
  }
  if (name == "zqfo_para")
    ProcessParaElement(Element, Stream);
  else if (name == "zqfo_table")
    ProcessTableElement(Element, Stream);
  else {
    ZQ_ASSERT_TEXT(false, "false");
    return;
  }
  Stream.GetBlock(Stream.GetNumBlocks() - 1)->SetPageId(Element.GetAttributeValue("pageid", ""));
}

void ZQFO_DocumentParser::ProcessParaElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream) {
  ElementScope scope(Context.OptionsFactory, Element);
  ProcessParagraph(Element, Stream);
}

void ZQFO_DocumentParser::ProcessParagraph(const ZQXML_Node& Element, ZQFO_BlockStream& Stream) {
  const long outerEnding = LastTextEnding;  // a cell's paragraph inside an inline table
  LastTextEnding = ZQFO_TextEnding_Word;
  std::unique_ptr<ZQFO_Block_Paragraph> paragraph(
      new ZQFO_Block_Paragraph(Context, Context.OptionsFactory.GetFormattingOptions()));
  ProcessChildFlowNodes(Element, *paragraph);
  // An empty paragraph still has the height of a line.
  if (paragraph->GetFirstObject() == nullptr)
    paragraph->AddFlowObject(new ZQFO_FlowObject_Text(Context, Context.OptionsFactory.GetFormattingOptions(), " "));
  Stream.AddBlock(paragraph.release());
  LastTextEnding = outerEnding;
}

void ZQFO_DocumentParser::ProcessTableElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream) {
  ElementScope scope(Context.OptionsFactory, Element);
  Stream.AddBlock(ParseTableElement(Element));
}

ZQFO_Block_Table* ZQFO_DocumentParser::ParseTableElement(const ZQXML_Node& Element) {
  ZQFO_FormattingOptionsFactory& factory = Context.OptionsFactory;
  std::unique_ptr<ZQFO_Block_Table> table(new ZQFO_Block_Table(Context, factory.GetFormattingOptions()));
  for (const ZQXML_Node* row = Element.GetFirstChild(); row; row = row->GetNextSibling()) {
    if (!IsElement(*row)) continue;
    ElementScope rowScope(factory, *row);
    table->AddRow(factory.GetFormattingOptions());
    for (const ZQXML_Node* cell = row->GetFirstChild(); cell; cell = cell->GetNextSibling()) {
      if (!IsElement(*cell)) continue;
      ElementScope cellScope(factory, *cell);
      ZQFO_BlockStream stream;
      if (cell->GetLocalName() == "zqfo_flowcell")
        ProcessParagraph(*cell, stream);
      else
        ProcessChildBlockElements(*cell, stream);
      // Read as text: the number reader would throw on a value the DTD
      // cannot refuse.
      const ZQ_String spanText = cell->GetAttributeValue("columnspan", "");
      long span = spanText.IsEmpty() ? 1 : ReadPositiveWholeNumber(spanText);
      if (span < 1) {
        LogIgnoredValue("columnspan", spanText, "the cell spans one column.");
        span = 1;
      }
      table->AddCell(stream, span, factory.GetFormattingOptions(), ZQFO_ParseTableCellSizeAttributes(*cell));
    }
    table->ClearCurrentRow();
  }
  table->AllRowsAdded();
  return table.release();
}

void ZQFO_DocumentParser::ProcessBlockGroupElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream) {
  ElementScope scope(Context.OptionsFactory, Element);
  if (ZQFO_IsFirstLevelTOCElement(Element)) Context.CurrentChapterStrings = ZQFO_GetTOCNameInfo(Element);
  ProcessChildBlockElements(Element, Stream);
}

void ZQFO_DocumentParser::ProcessChildFlowNodes(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  for (const ZQXML_Node* child = Element.GetFirstChild(); child; child = child->GetNextSibling())
    ProcessFlowNode(*child, Paragraph);
}

void ZQFO_DocumentParser::ProcessFlowNode(const ZQXML_Node& Node, ZQFO_Block_Paragraph& Paragraph) {
  if (Node.GetType() == ZQXML_NodeType_Text) {
    if (Context.OptionsFactory.GetFormattingOptions()->LinePreformatted)
      ProcessPreformattedTextNode(Node, Paragraph);
    else
      ProcessTextNode(Node, Paragraph);
    return;
  }
  if (!IsElement(Node)) return;  // attributes, comments
  ElementScope scope(Context.OptionsFactory, Node);
  const ZQ_String name = Node.GetLocalName();
  // A group only nests options: its first text decides the joint.
  if (name == "zqfo_flowgroup") {
    ProcessFlowGroupElement(Node, Paragraph);
    return;
  }
  // Without page layout a page reference adds nothing, so it must not glue
  // the word before it to the text after it either.
  if (name == "zqfo_pageref" && !Context.ResolvePageReferences) return;
  FixUpLastFlowObject(Paragraph.GetLastObject(), 0);
  if (name == "zqfo_bullet")
    ProcessBulletElement(Node, Paragraph);
  else if (name == "zqfo_symbol")
    ProcessSymbolElement(Node, Paragraph);
  else if (name == "zqfo_img")
    ProcessImgElement(Node, Paragraph);
  else if (name == "zqfo_picture")
    ProcessPictureElement(Node, Paragraph);
  else if (name == "zqfo_field")
    ProcessFieldElement(Node, Paragraph);
  else if (name == "zqfo_inlinetable")
    ProcessInlineTableElement(Node, Paragraph);
  else if (name == "zqfo_linebreak")
    ProcessLinebreakElement(Node, Paragraph);
  else if (name == "zqfo_pageref")
    ProcessPageRefElement(Node, Paragraph);
  else
    ZQ_ASSERT_TEXT(false, "false");
}

void ZQFO_DocumentParser::FixUpLastFlowObject(ZQFO_FlowObject* LastObject, long Next) {
  if (!LastObject) return;
  if (LastTextEnding == ZQFO_TextEnding_Word) {
    if (Next == 0) {
      LastObject->WordBreakAfter = ZQFO_WordBreak_Never;
      LastObject->SpaceAfter = ZQFO_SpaceAfter_NoSpace;
    } else if (Next == 2) {
      LastObject->WordBreakAfter = ZQFO_WordBreak_Always;
    }
  } else if (LastTextEnding == ZQFO_TextEnding_WhiteSpace) {
    if (Next == 2) LastObject->WordBreakAfter = ZQFO_WordBreak_Always;
  } else if (Next != 2) {
    LastObject->WordBreakAfter = ZQFO_WordBreak_Always;
  }
}

void ZQFO_DocumentParser::ProcessTextNode(const ZQXML_Node& Node, ZQFO_Block_Paragraph& Paragraph) {
  const ZQ_String text = Node.GetValue();
  const int length = text.GetLength();
  FixUpLastFlowObject(Paragraph.GetLastObject(), length > 0 && IsWhiteSpace(text[0]) ? 1 : 0);
  ZQFO_FormattingOptionsFactory& factory = Context.OptionsFactory;
  const ZQFO_FormattingOptions options = factory.GetFormattingOptions();
  for (int start = 0; start < length;) {
    while (start < length && IsWhiteSpace(text[start])) ++start;
    int end = start;
    while (end < length && !IsWhiteSpace(text[end])) ++end;
    if (end == start) break;
    if (end - start == 3 && text[start] == '-' && text[start + 1] == '-' && text[start + 2] == '-') {
      // A push starts from the inherited options: the element's local_
      // values are applied again so that they reach the dash too.
      factory.PushCurrentOptionsStack();
      if (const ZQXML_Node* element = Node.GetParent()) ApplyLocalOptions(*element, factory);
      factory.SetFontTypeface("Symbol", true);
      Paragraph.AddFlowObject(
          new ZQFO_FlowObject_Text(Context, factory.GetFormattingOptions(), ZQ_String(static_cast<char>(190))));
      factory.PopCurrentOptionsStack();
    } else {
      Paragraph.AddFlowObject(new ZQFO_FlowObject_Text(Context, options, ZQ_String(text.GetText() + start, end - start)));
    }
    start = end;
  }
  LastTextEnding = length > 0 && IsWhiteSpace(text[length - 1]) ? ZQFO_TextEnding_WhiteSpace : ZQFO_TextEnding_Word;
}

void ZQFO_DocumentParser::ProcessPreformattedTextNode(const ZQXML_Node& Node, ZQFO_Block_Paragraph& Paragraph) {
  FixUpLastFlowObject(Paragraph.GetLastObject(), 2);
  const ZQFO_FormattingOptions options = Context.OptionsFactory.GetFormattingOptions();
  for (auto line = ZQ_GetStringLineIterator(Node.GetValue()); line.IsValid();) {
    ZQFO_FlowObject* object = new ZQFO_FlowObject_Text(Context, options, *line);
    Paragraph.AddFlowObject(object);
    object->SpaceAfter = ZQFO_SpaceAfter_NoSpace;
    line.Advance();
    object->WordBreakAfter = line.IsValid() ? ZQFO_WordBreak_Always : ZQFO_WordBreak_Never;
  }
  LastTextEnding = ZQFO_TextEnding_Preformatted;
}

void ZQFO_DocumentParser::ProcessFlowGroupElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  ProcessChildFlowNodes(Element, Paragraph);
}

void ZQFO_DocumentParser::ProcessLinebreakElement(const ZQXML_Node&, ZQFO_Block_Paragraph& Paragraph) {
  if (ZQFO_FlowObject* last = Paragraph.GetLastObject()) last->WordBreakAfter = ZQFO_WordBreak_Always;
  LastTextEnding = ZQFO_TextEnding_WhiteSpace;
}

void ZQFO_DocumentParser::ProcessSymbolElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  const char code = ZQFO_GetSymbolCharacter(Element.GetAttributeValue("name", ""));
  Context.OptionsFactory.SetFontTypeface("Symbol", true);
  Paragraph.AddFlowObject(
      new ZQFO_FlowObject_Text(Context, Context.OptionsFactory.GetFormattingOptions(), ZQ_String(code)));
  LastTextEnding = ZQFO_TextEnding_Word;
}

void ZQFO_DocumentParser::ProcessFieldElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  Paragraph.AddFlowObject(new ZQFO_FlowObject_FixupText(Context, Context.OptionsFactory.GetFormattingOptions(),
                                                        Element.GetAttributeValue("name", "")));
  LastTextEnding = ZQFO_TextEnding_Word;
}

void ZQFO_DocumentParser::ProcessPageRefElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  Paragraph.AddFlowObject(new ZQFO_FlowObject_PageRefFixupText(
      Context, Context.OptionsFactory.GetFormattingOptions(), Element.GetAttributeValue("target", "")));
  // A number is a word: "page <pageref/>." keeps its full stop beside it.
  LastTextEnding = ZQFO_TextEnding_Word;
}

void ZQFO_DocumentParser::ProcessInlineTableElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  std::unique_ptr<ZQFO_Block> table(ParseTableElement(Element));
  Paragraph.AddFlowObject(
      new ZQFO_FlowObject_Block(Context, Context.OptionsFactory.GetFormattingOptions(), std::move(table)));
  LastTextEnding = ZQFO_TextEnding_Word;
}

void ZQFO_DocumentParser::ProcessImgElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  const ZQ_URI uri = ZQ_URI(Element.GetAttributeValue("src", "")).MakeAbsolute(Context.ExternalContext.GetBaseURI());
  const bool resample = Element.GetAttributeValueAsBool("resample", true);
  const bool standardColors = Element.GetAttributeValueAsBool("standard_colors", false);
  const ZQFO_ImageInfo info = Context.Cache->GetImageInfo(uri);
  const ZQ_Point<double> mmPerPixel = ImagePixelMillimeters();
  ZQ_Point<double> natural(std::abs(info.Size.X * mmPerPixel.X), std::abs(info.Size.Y * mmPerPixel.Y));
  // The box parser needs a positive default: an image without pixels is
  // sized as one pixel.
  if (!(natural.X > 0)) natural.X = std::abs(mmPerPixel.X) > 0 ? std::abs(mmPerPixel.X) : 1;
  if (!(natural.Y > 0)) natural.Y = std::abs(mmPerPixel.Y) > 0 ? std::abs(mmPerPixel.Y) : 1;
  const ZQFO_BoxSize size = ZQFO_ParseBoxSizeAttributes(Element, natural, ZQ_Point<double>(-1, -1));
  const ZQFO_FormattingOptions options = Context.OptionsFactory.GetFormattingOptions();
  if (info.ErrorLoadingImage) {
    Paragraph.AddFlowObject(new ZQFO_FlowObject_Error(Context, options, size));
  } else {
    ZQIMG_ColorTransformation transformation;
    if (standardColors) {
      ZQR_Color backgroundKey, textKey;
      ZQFO_GetStandardBackgroundColorKey(backgroundKey);
      ZQFO_GetStandardTextColorKey(textKey);
      transformation.AddPair(backgroundKey, options->BackgroundColor);
      transformation.AddPair(textKey, options->TextColor);
    }
    Paragraph.AddFlowObject(new ZQFO_FlowObject_Img(Context, options, uri, size, resample, transformation));
  }
  LastTextEnding = ZQFO_TextEnding_Word;
}

void ZQFO_DocumentParser::ProcessPictureElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  const ZQ_CountedPtr<const ZQPIC_Picture> picture =
      Context.ExternalContext.GetPicture(Element.GetAttributeValue("name", ""));
  const ZQFO_BoxSize size =
      ZQFO_ParseBoxSizeAttributes(Element, ZQ_Point<double>(10, 10), ZQ_Point<double>(999999999, 999999999));
  const ZQFO_FormattingOptions options = Context.OptionsFactory.GetFormattingOptions();
  if (picture.IsNull())
    Paragraph.AddFlowObject(new ZQFO_FlowObject_Error(Context, options, size));
  else
    Paragraph.AddFlowObject(new ZQFO_FlowObject_Picture(Context, options, picture, size));
  LastTextEnding = ZQFO_TextEnding_Word;
}

void ZQFO_DocumentParser::ProcessBulletElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph) {
  const double width = ZQFO_ParseDistance(Element.GetAttributeValue("width", ""), 1.0, true);
  ZQFO_FlowObject* const mark = Paragraph.GetLastObjectForReading();
  ProcessChildFlowNodes(Element, Paragraph);
  std::vector<ZQFO_FlowObject*> content;
  for (auto objects = Paragraph.GetObjectsSinceMark(mark); objects.IsValid(); objects.Advance())
    content.push_back(objects.GetCurrent());
  double sum = 0;
  for (size_t i = 0; i < content.size(); ++i) {
    ZQFO_FlowObject& object = *content[i];
    object.WordBreakAfter = ZQFO_WordBreak_Never;
    if (i + 1 == content.size())
      object.SpaceAfter = ZQFO_SpaceAfter_NoSpace;
    else if (object.SpaceAfter == 0)
      object.SpaceAfter = 1;
    sum += object.ComputeWidthLimits().X;
    if (i + 1 < content.size()) sum += object.GetTrailingEscapement();
  }
  const double remaining = width - sum > 0 ? width - sum : 0;
  const double gap = remaining < 2.5 ? remaining : 2.5;
  const double lead = remaining - gap > 0 ? remaining - gap : 0;
  const ZQFO_FormattingOptions options = Context.OptionsFactory.GetFormattingOptions();
  auto makeSpace = [&](double SpaceWidth) {
    ZQFO_FlowObject* space = new ZQFO_FlowObject_Space(Context, options, SpaceWidth);
    space->WordBreakAfter = ZQFO_WordBreak_Never;
    space->SpaceAfter = ZQFO_SpaceAfter_NoSpace;
    return space;
  };
  if (lead > 0) Paragraph.AddFlowObjectAtMark(makeSpace(lead), mark);
  if (gap > 0) Paragraph.AddFlowObject(makeSpace(gap));
  LastTextEnding = ZQFO_TextEnding_WhiteSpace;
}
