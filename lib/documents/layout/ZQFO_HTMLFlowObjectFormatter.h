// ZQFO_HTMLFlowObjectFormatter.h: turns the character formatting of a
// paragraph's flow objects into inline HTML (a, font, i, b, u, sub, sup)
// while the paragraph is exported. It writes tags only where the options
// change in a way HTML can show, so equally formatted runs share one set.
// One formatter per paragraph; destroying it closes what is open. The
// stream is borrowed. UI thread only.
#ifndef ZQFO_HTMLFLOWOBJECTFORMATTER_H
#define ZQFO_HTMLFLOWOBJECTFORMATTER_H

#include "ZQFO_FormattingOptions.h"
#include "ZQ_TextStreamFormatter.h"

class HTMLFlowObjectFormatter {
 public:
  explicit HTMLFlowObjectFormatter(ZQ_TextStreamFormatter& Out)
      : Out(Out), Sink(Out.GetSink()), Current(GetDefaultOptions()) {}
  ~HTMLFlowObjectFormatter() { CloseOpenElements(); }
  HTMLFlowObjectFormatter(const HTMLFlowObjectFormatter&) = delete;
  HTMLFlowObjectFormatter& operator=(const HTMLFlowObjectFormatter&) = delete;

  // When Options differ from the current ones in what HTML shows, closes
  // the open elements and opens those Options need.
  void ProcessNewOptions(const ZQFO_FormattingOptions& Options) {
    // The words of a run share their options.
    if (&Options.GetOptions() != &Current.GetOptions()) ProcessOtherOptions(Options);
  }
  // Writes the end tags of the open elements, innermost first.
  void CloseOpenElements();

  // The default options with a text colour and a font height no document
  // uses, so the first object of every paragraph opens its tags. Built once.
  static const ZQFO_FormattingOptions& GetDefaultOptions();
  // The HTML font size 1..7 for a height in points.
  static long GetSizeCode(double Height);

 private:
  enum { Open_A, Open_FONT, Open_I, Open_B, Open_U, Open_SUB, Open_SUP, NumOpen };
  void ProcessOtherOptions(const ZQFO_FormattingOptions& Options);
  // Tags go straight to the formatter's sink: they need none of its
  // formatting.
  template <unsigned long N>
  void Write(const char (&Literal)[N]) {
    Sink.Write(Literal, N - 1);
  }
  static bool DifferForHTML(const ZQFO_FormattingOptions& A, const ZQFO_FormattingOptions& B);
  void EncodeOption_A(const ZQFO_FormattingOptions& Options);
  void EncodeOption_FONT(const ZQFO_FormattingOptions& Options);
  void EncodeOption_I(const ZQFO_FormattingOptions& Options);
  void EncodeOption_B(const ZQFO_FormattingOptions& Options);
  void EncodeOption_U(const ZQFO_FormattingOptions& Options);
  void EncodeOption_SUB(const ZQFO_FormattingOptions& Options);
  void EncodeOption_SUP(const ZQFO_FormattingOptions& Options);

  ZQ_TextStreamFormatter& Out;
  ZQ_StreamSink& Sink;  // Out's
  ZQFO_FormattingOptions Current;
  bool IsOpen[NumOpen] = {};
};

#endif
