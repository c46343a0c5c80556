#include "ZQFO_HTMLFlowObjectFormatter.h"

#include <cstring>
#include <string>

#include "ZQXML_TextEncoding.h"

namespace {

// What the author writes into href and face: a quote would end the attribute.
ZQ_String EncodeAttribute(const ZQ_String& Text) {
  return ZQXML_EncodeSpecialCharacters(Text, ZQXML_Encode_LessThan | ZQXML_Encode_GreaterThan |
                                                 ZQXML_Encode_Ampersand | ZQXML_Encode_DoubleQuote);
}

// Equal texts, compared here: the runtime's memcmp costs more than a
// typeface, and the records of one font often share the string itself.
bool IsSameText(const ZQ_String& A, const ZQ_String& B) {
  const char* a = A.GetText();
  const char* b = B.GetText();
  if (a == b) return true;
  const int length = A.GetLength();
  if (length != B.GetLength()) return false;
  for (int i = 0; i < length; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

ZQFO_FormattingOptions MakeDefaultOptions() {
  const ZQFO_FormattingOptions standard;
  auto* options = new ZQFO_FormattingOptions::OptionsRef1Type(standard.GetOptions());
  options->ReferenceCount = 1;
  options->TextColor = ZQR_Color(static_cast<COLORREF>(0x124517));
  const unsigned int bits = 0x445B5882u;
  float height;
  std::memcpy(&height, &bits, sizeof height);
  options->Font.SetHeight(height);
  auto* ids = new ZQFO_FormattingOptions::OptionsRef2Type(standard.GetIds());
  ids->ReferenceCount = 1;
  const ZQFO_FormattingOptions result(options, ids);
  ZQFO_FormattingOptions::Release(options);
  ZQFO_FormattingOptions::Release(ids);
  return result;
}

}  // namespace

const ZQFO_FormattingOptions& HTMLFlowObjectFormatter::GetDefaultOptions() {
  static const ZQFO_FormattingOptions s_defaults = MakeDefaultOptions();
  return s_defaults;
}

long HTMLFlowObjectFormatter::GetSizeCode(double Height) {
  const double bounds[] = {8.99, 11, 13, 16, 21, 30};
  long code = 1;
  while (code <= 6 && Height > bounds[code - 1]) ++code;
  return code;
}

bool HTMLFlowObjectFormatter::DifferForHTML(const ZQFO_FormattingOptions& A, const ZQFO_FormattingOptions& B) {
  const auto& a = A.GetOptions();
  const auto& b = B.GetOptions();
  // Numbers before texts: most runs differ in a number if at all.
  return a.Font.GetHeight() != b.Font.GetHeight() || a.Font.GetWeight() != b.Font.GetWeight() ||
         a.Font.GetItalicStyle() != b.Font.GetItalicStyle() || a.FontUnderline != b.FontUnderline ||
         a.LineVerticalAlignment != b.LineVerticalAlignment || a.TextColor != b.TextColor ||
         !IsSameText(a.Font.GetTypeface(), b.Font.GetTypeface()) || !IsSameText(a.LinkTarget, b.LinkTarget);
}

void HTMLFlowObjectFormatter::ProcessOtherOptions(const ZQFO_FormattingOptions& Options) {
  if (!DifferForHTML(Options, Current)) return;
  CloseOpenElements();
  EncodeOption_A(Options);
  EncodeOption_FONT(Options);
  EncodeOption_I(Options);
  EncodeOption_B(Options);
  EncodeOption_U(Options);
  EncodeOption_SUB(Options);
  EncodeOption_SUP(Options);
  Current = Options;
}

void HTMLFlowObjectFormatter::CloseOpenElements() {
  if (IsOpen[Open_SUP]) Write("</sup>");
  if (IsOpen[Open_SUB]) Write("</sub>");
  if (IsOpen[Open_U]) Write("</u>");
  if (IsOpen[Open_B]) Write("</b>");
  if (IsOpen[Open_I]) Write("</i>");
  if (IsOpen[Open_FONT]) Write("</font>");
  if (IsOpen[Open_A]) Write("</a>");
  for (bool& isOpen : IsOpen) isOpen = false;
}

void HTMLFlowObjectFormatter::EncodeOption_A(const ZQFO_FormattingOptions& Options) {
  if (Options->LinkTarget.IsEmpty()) return;
  Write("<a href=\"");
  Out << EncodeAttribute(Options->LinkTarget);
  Write("\">");
  IsOpen[Open_A] = true;
}

void HTMLFlowObjectFormatter::EncodeOption_FONT(const ZQFO_FormattingOptions& Options) {
  // A document uses a few fonts over and over: their tags are remembered
  // (UI thread only, as the whole export).
  struct Tag {
    long Size;
    ZQ_String Typeface;
    ZQR_Color Color;
    ZQ_String Text;
    float Height;  // the last height found with the tag: its size needs no look-up
  };
  static Tag s_tags[8];
  static unsigned s_next = 0;
  static unsigned s_last = 0;  // the one found last: runs repeat their fonts
  const float height = Options->Font.GetHeight();
  const ZQ_String& typeface = Options->Font.GetTypeface();
  Tag* found = &s_tags[s_last];
  if (found->Text.IsEmpty() || found->Height != height || found->Color != Options->TextColor ||
      !IsSameText(found->Typeface, typeface)) {
    const long size = GetSizeCode(height);
    found = nullptr;
    for (unsigned i = 0; i < 8 && !found; ++i) {
      Tag& tag = s_tags[i];
      if (tag.Size == size && tag.Color == Options->TextColor && !tag.Text.IsEmpty() && IsSameText(tag.Typeface, typeface))
        found = &s_tags[s_last = i];
    }
    if (found) found->Height = height;
  }
  if (!found) {
    const long size = GetSizeCode(height);
    s_last = s_next++ % 8;
    Tag& tag = s_tags[s_last];
    tag = {size, typeface, Options->TextColor, "<font size=\"", height};
    tag.Text += std::to_string(size).c_str();
    tag.Text += "\" face=\"";
    tag.Text += EncodeAttribute(typeface);
    tag.Text += "\" color=\"";
    tag.Text += Options->TextColor.GetWebName();
    tag.Text += "\">";
    found = &tag;
  }
  Sink.Write(found->Text.GetText(), static_cast<unsigned long>(found->Text.GetLength()));
  IsOpen[Open_FONT] = true;
}

void HTMLFlowObjectFormatter::EncodeOption_I(const ZQFO_FormattingOptions& Options) {
  if (!Options->Font.GetItalicStyle()) return;
  Write("<i>");
  IsOpen[Open_I] = true;
}

void HTMLFlowObjectFormatter::EncodeOption_B(const ZQFO_FormattingOptions& Options) {
  if (Options->Font.GetWeight() <= 400) return;
  Write("<b>");
  IsOpen[Open_B] = true;
}

void HTMLFlowObjectFormatter::EncodeOption_U(const ZQFO_FormattingOptions& Options) {
  if (Options->FontUnderline == 0) return;
  Write("<u>");
  IsOpen[Open_U] = true;
}

void HTMLFlowObjectFormatter::EncodeOption_SUB(const ZQFO_FormattingOptions& Options) {
  if (Options->LineVerticalAlignment != 2) return;
  Write("<sub>");
  IsOpen[Open_SUB] = true;
}

void HTMLFlowObjectFormatter::EncodeOption_SUP(const ZQFO_FormattingOptions& Options) {
  if (Options->LineVerticalAlignment != 1) return;
  Write("<sup>");
  IsOpen[Open_SUP] = true;
}
