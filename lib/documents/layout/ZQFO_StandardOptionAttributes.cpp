#include "ZQFO_StandardOptionAttributes.h"

#include <cstring>
#include <utility>

#include "ZQXML_Node.h"
#include "ZQ_Assertion.h"

namespace {

const ZQFO_RouteTableEntry* BuildRouteTable() {
  static ZQFO_RouteTableEntry s_table[RouteTableSize];
  long i = 0;
  for (; i < RouteTableSize; ++i) {
    s_table[i] = {ZQFO_StandardOptionRoutes[i].Name, ZQFO_StandardOptionRoutes[i].Route};
    if (i > 0) ZQ_ASSERT_TEXT(s_table[i - 1].Name < s_table[i].Name, "T [i-1].Name < T [i].Name");
  }
  ZQ_ASSERT_TEXT(i - 1 == (RouteTableSize - 1), "i == (RouteTableSize-1)");
  return s_table;
}

// Byte order, the shorter first when one is the other's prefix.
int CompareNames(const char* A, const char* B) { return std::strcmp(A, B); }

}  // namespace

const ZQFO_RouteTableEntry* InitializeRouteTable() {
  static const ZQFO_RouteTableEntry* const s_table = BuildRouteTable();
  return s_table;
}

void ZQFO_ParseStandardOptions(const ZQXML_Node& Element, ZQFO_FormattingOptionsFactory& Factory) {
  static const char kLocal[] = "local_";
  const ZQFO_RouteTableEntry* table = InitializeRouteTable();
  // The attributes are an element's first children.
  for (const ZQXML_Node* attribute = Element.GetFirstChild();
       attribute && attribute->GetType() == ZQXML_NodeType_Attribute;
       attribute = attribute->GetNextSibling()) {
    const ZQ_String fullName = attribute->GetName();
    const bool isLocal = std::strncmp(fullName.GetText(), kLocal, sizeof kLocal - 1) == 0;
    const char* name = fullName.GetText() + (isLocal ? sizeof kLocal - 1 : 0);
    if (CompareNames(name, table[0].Name.GetText()) < 0 ||
        CompareNames(name, table[RouteTableSize - 1].Name.GetText()) > 0)
      continue;
    long lo = 0, hi = RouteTableSize;
    while (hi - lo != 1) {
      const long mid = (lo + hi) / 2;
      if (CompareNames(table[mid].Name.GetText(), name) <= 0)
        lo = mid;
      else
        hi = mid;
    }
    if (CompareNames(table[lo].Name.GetText(), name) == 0)
      table[lo].Route(attribute->GetValue(), !isLocal, Factory);
  }
}

double ZQFO_ProcessSizeAttribute(const ZQ_String& Text, double Reference, bool RelativeFormsOff) {
  if (Text == "min") return ZQFO_MinimumSizeKeywordValue;
  if (Text == "max") return ZQFO_MaximumSizeKeywordValue;
  return ZQFO_ParseDistance(Text, Reference, RelativeFormsOff);
}

ZQFO_BoxSize ZQFO_ParseBoxSizeAttributes(const ZQXML_Node& Element, const ZQ_Point<double>& DefaultMinSize,
                                         ZQ_Point<double> DefaultMaxSize) {
  ZQ_ASSERT(DefaultMinSize.X > 0);
  ZQ_ASSERT(DefaultMinSize.Y > 0);
  if (DefaultMaxSize.X <= 0) DefaultMaxSize = DefaultMinSize;
  ZQ_ASSERT(DefaultMinSize.X <= DefaultMaxSize.X);
  ZQ_ASSERT(DefaultMinSize.Y <= DefaultMaxSize.Y);
  ZQ_String minWidth, maxWidth, minHeight, maxHeight;
  bool hasWidth = false, hasHeight = false;
  for (const ZQXML_Node* attribute = Element.GetFirstChild();
       attribute && attribute->GetType() == ZQXML_NodeType_Attribute;
       attribute = attribute->GetNextSibling()) {
    const ZQ_String name = attribute->GetName();
    const ZQ_String value = attribute->GetValue();
    if (name == "width") minWidth = maxWidth = value, hasWidth = true;
    else if (name == "height") minHeight = maxHeight = value, hasHeight = true;
    else if (name == "min_width") minWidth = value, hasWidth = true;
    else if (name == "max_width") maxWidth = value, hasWidth = true;
    else if (name == "min_height") minHeight = value, hasHeight = true;
    else if (name == "max_height") maxHeight = value, hasHeight = true;
  }
  ZQFO_BoxSize size;
  if (!hasWidth) {
    size.MinimumX = DefaultMinSize.X;
    size.MinimumY = DefaultMinSize.Y;
    size.MaximumX = DefaultMaxSize.X;
    size.MaximumY = DefaultMaxSize.Y;
    return size;
  }
  if (minWidth.IsEmpty()) minWidth = maxWidth;
  if (maxWidth.IsEmpty()) maxWidth = minWidth;
  size.MinimumX = ZQFO_ProcessSizeAttribute(minWidth, DefaultMinSize.X);
  size.MaximumX = ZQFO_ProcessSizeAttribute(maxWidth, DefaultMaxSize.X);
  if (!hasHeight) {
    size.Aspect = DefaultMinSize.X / DefaultMinSize.Y;
  } else {
    if (minHeight.IsEmpty()) minHeight = maxHeight;
    if (maxHeight.IsEmpty()) maxHeight = minHeight;
    size.MinimumY = ZQFO_ProcessSizeAttribute(minHeight, DefaultMinSize.Y);
    size.MaximumY = ZQFO_ProcessSizeAttribute(maxHeight, DefaultMaxSize.Y);
  }
  if (size.MaximumX < size.MinimumX) std::swap(size.MinimumX, size.MaximumX);
  if (size.MaximumY < size.MinimumY) std::swap(size.MinimumY, size.MaximumY);
  return size;
}

ZQFO_TableCellSize ZQFO_ParseTableCellSizeAttributes(const ZQXML_Node& Element) {
  const ZQFO_SingleDirectionCellSize width =
      ParseSingleDirectionTableCellSizeAttributes(Element, "width", "min_width", "max_width");
  const ZQFO_SingleDirectionCellSize height =
      ParseSingleDirectionTableCellSizeAttributes(Element, "height", "min_height", "max_height");
  ZQFO_TableCellSize size;
  size.MinimumWidth = width.Minimum;
  size.MaximumWidth = width.Maximum;
  size.MinimumHeight = height.Minimum;
  size.MaximumHeight = height.Maximum;
  size.HasMinimumWidth = width.HasMinimum;
  size.HasMaximumWidth = width.HasMaximum;
  size.HasMinimumHeight = height.HasMinimum;
  size.HasMaximumHeight = height.HasMaximum;
  return size;
}
