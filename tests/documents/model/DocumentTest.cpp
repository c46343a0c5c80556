#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "DocumentsTestSupport.h"
#include "ZQR_AbstractFont.h"
#include "ZQ_Exception.h"

namespace {

std::vector<long> PageNumbers(const ZQFO_Document& Document) {
  std::vector<long> numbers;
  for (auto it = Document.GetSelectionPageNumbers(); it.IsValid(); it.Advance()) numbers.push_back(*it);
  return numbers;
}

// The element names of the tree in document order.
std::string Shape(const ZQXML_Node& Node) {
  std::string shape;
  for (const ZQXML_Node* child = Node.GetFirstChild(); child; child = child->GetNextSibling())
    if (child->GetType() == ZQXML_NodeType_Element)
      shape += std::string(child->GetName().GetText()) + "(" + Shape(*child) + ")";
  return shape;
}

const char kDefaultShape[] = "zqfo_document(zqfo_section(zqfo_blockstream(zqfo_para())))";
const char kValidText[] =
    "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_table/></zqfo_blockstream></zqfo_section>"
    "</zqfo_document>";

}  // namespace

TEST(ZQFO_Document, ANewDocumentHoldsTheDefaultTreeAndTheDtdIsParsedOnce) {
  const ZQFO_Document first;
  const long parses = ZQFO_GetNumDocumentDTDParses();
  const ZQFO_Document second;
  ZQFO_DocumentStream stream;
  stream << kValidText;
  stream.GetDocument();
  stream.GetDocument();
  EXPECT_EQ(parses, 1);
  EXPECT_EQ(ZQFO_GetNumDocumentDTDParses(), 1);
  EXPECT_EQ(Shape(*first.GetFormattingObjectsTree().GetRootNode()), kDefaultShape);
  EXPECT_EQ(first.GetSelectionMethod(), 0);
  EXPECT_TRUE(first.GetName().IsEmpty());
  EXPECT_EQ(first.GetExternalContext().GetBaseURI(), ZQ_URI_GetCurrentDirectoryURI());
}

TEST(ZQFO_Document, ASetterGivesItsHandlePrivateDataAndLeavesTheOtherAlone) {
  const ZQXML_Tree tree = ReadDocument(kValidText);
  ZQFO_ExternalContext context;
  context.SetBaseURI(ZQ_URI("file:C:/docs/"));
  const struct {
    const char* why;
    std::function<void(ZQFO_Document&)> change;
  } cases[] = {
      {"name", [](ZQFO_Document& d) { d.SetName("Changed"); }},
      {"tree", [&](ZQFO_Document& d) { d.SetFormattingObjectsTree(tree); }},
      {"context", [&](ZQFO_Document& d) { d.SetExternalContext(context); }},
      {"pages", [](ZQFO_Document& d) { d.SetSelectionPageNumbers(ZQ_Array<long>(1, 7L).GetIterator()); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQFO_Document original;
    original.SetName("Original");
    ZQFO_Document copy = original;
    EXPECT_EQ(original.GetReferenceCount(), 2);
    c.change(copy);
    EXPECT_EQ(original.GetReferenceCount(), 1);
    EXPECT_EQ(copy.GetReferenceCount(), 1);
    EXPECT_EQ(std::string(original.GetName().GetText()), "Original");
    EXPECT_EQ(Shape(*original.GetFormattingObjectsTree().GetRootNode()), kDefaultShape);
    EXPECT_EQ(original.GetExternalContext().GetBaseURI(), ZQ_URI_GetCurrentDirectoryURI());
    EXPECT_EQ(original.GetSelectionMethod(), 0);
  }
  ZQFO_Document a, b;
  a.SetExternalContext(context);
  b = b = a;
  EXPECT_EQ(b.GetExternalContext().GetBaseURI(), ZQ_URI("file:C:/docs/"));
  EXPECT_EQ(a.GetReferenceCount(), 2);
}

TEST(ZQFO_Document, PageSelectionKeepsTheGivenOrder) {
  const struct {
    std::vector<long> pages;
    long method;
  } cases[] = {{{}, 0}, {{3, 1, 2}, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pages.size());
    ZQ_Array<long> pages(static_cast<long>(c.pages.size()));
    for (size_t i = 0; i < c.pages.size(); ++i) pages[static_cast<long>(i)] = c.pages[i];
    ZQFO_Document document;
    document.SetSelectionPageNumbers(ZQ_ReadOnlyIterator<long>(pages.GetIterator()));
    EXPECT_EQ(document.GetSelectionMethod(), c.method);
    EXPECT_EQ(PageNumbers(document), c.pages);
  }
}

TEST(ZQFO_Document, CountsBelowZeroAreAssertions) {
  auto* data = new ZQFO_DocumentRef;
  EXPECT_THROW(data->DecrementReferenceCount(), ZQ_Exception);
  delete data;
}

// A failed parse changes nothing: a handle taken before still shares the
// stream's document data, which a new tree would have made distinct.
TEST(ZQFO_DocumentStream, EachCallParsesAllTextAndAFailedParseKeepsTheTree) {
  ZQFO_DocumentStream stream;
  stream << kValidText;
  const ZQFO_Document parsed = stream.GetDocument();
  EXPECT_EQ(parsed.GetReferenceCount(), 2);
  const struct {
    const char* more;
    const char* why;
    const char* told;  // in the error's description
  } cases[] = {
      {"<zqfo_document>", "not well-formed", ""},
      {"<zqfo_document></zqfo_document>", "a section is required", ""},
      {"<zqfo_para>x</zqfo_para>", "any other root would lay out to no page",
       "Found the element <zqfo_para> where <zqfo_document> was expected."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    static_cast<ZQ_StringStream&>(stream) = c.more;
    try {
      stream.GetDocument();
      ADD_FAILURE() << "read";
    } catch (const ZQ_Exception& Error) {
      EXPECT_NE(std::string(Error.GetDescription().GetText()).find(c.told), std::string::npos)
          << Error.GetDescription().GetText();
    }
    EXPECT_EQ(parsed.GetReferenceCount(), 2);
  }
  static_cast<ZQ_StringStream&>(stream) = "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para/>"
                                          "</zqfo_blockstream></zqfo_section></zqfo_document>";
  const ZQFO_Document reparsed = stream.GetDocument();
  EXPECT_EQ(reparsed.GetReferenceCount(), 2) << "the new tree made the data distinct";
  EXPECT_EQ(parsed.GetReferenceCount(), 1);
  EXPECT_EQ(Shape(*reparsed.GetFormattingObjectsTree().GetRootNode()), kDefaultShape);
  EXPECT_EQ(Shape(*parsed.GetFormattingObjectsTree().GetRootNode()),
            "zqfo_document(zqfo_section(zqfo_blockstream(zqfo_table())))");
}

TEST(ZQFO_DocumentStream, WritersAppendTheirAttributesVerbatim) {
  ZQR_AbstractFont font("Arial", 10.5f, 700, true, 0);
  ZQFO_DocumentStream stream;
  stream << "<zqfo_para";
  ZQFO_DocumentStream_WriteFontAttributes(stream, font);
  font.SetWeight(400);
  font.SetItalicStyle(false);
  stream.WriteFontAttributes(font);
  ZQFO_DocumentStream_WriteTextColorAttribute(stream, ZQR_Color(0x40, 0x80, 0xC0));
  ZQFO_DocumentStream_WriteBackgroundColorAttribute(stream, ZQR_Color(0x40, 0x80, 0xC0));
  ZQFO_DocumentStream_WriteCellBorderColorAttribute(stream, ZQR_Color(0x40, 0x80, 0xC0));
  EXPECT_EQ(std::string(stream.GetText()),
            "<zqfo_para font_typeface='Arial'  font_height='10.5 pt'  font_weight='bold'  font_italic='true' "
            " font_typeface='Arial'  font_height='10.5 pt'  font_weight='normal'  font_italic='false' "
            " text_color='#4080C0'  background_color='#4080C0'  cell_border_color='#4080C0' ");
}
